#pragma once

#include "messages/notice_article_list.h"

#include <QWidget>

#include <functional>

class NoticeCenter;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// What the notice list window tells the program.
struct NoticeArticleHooks
{
    // A notice was read in the list: its number leaves the unread lists (the reminder stops
    // with the last one).
    std::function<void(const QString &seqNo)> noticeRead;
    // "닫기": the window was hidden (the ticker runs again).
    std::function<void()> closed;
};

// The notice list window "공지": the notices the main window loaded (pinned ones first) and the
// one selected in full; ordinary notices can be deleted from the list. Borderless, on top,
// centred; dragged by its title box.
class TFRM_ARTICLE : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_ARTICLE(NoticeArticleHooks hooks = {}, QWidget *parent = nullptr);

    QFrame *cxGroupBox37 = nullptr;
    QPushButton *CBT_PEOPLE_POINT_CLOSE = nullptr;
    QTableWidget *TCG_NOTICE = nullptr;
    QLineEdit *CTE_TITLE = nullptr; // its tool tip keeps the shown notice's SEQ_NO
    QLineEdit *CTE_GROUP = nullptr;
    QPlainTextEdit *CMM_BODY = nullptr;
    QPushButton *cxButton1 = nullptr; // "알림삭제"
    // The record index of the shown row, or -1 when it cannot be deleted.
    int deleteTag() const { return m_deleteTag; }

    void setHooks(NoticeArticleHooks hooks) { m_hooks = std::move(hooks); }

    // Fills the list from G_NOTICE_SEQ (pinned) and G_NOTICE and shows the first record.
    void proc_Load();
    // Shows only the pinned notice(s) of that number.
    void proc_View_Notice(const QString &seqNo);
    // Deletes the shown ordinary notice from the list.
    void proc_Delete();
    // A click on the grid's row of record `record`.
    void recordClicked(int record);

    const QList<NoticeArticleRow> &records() const { return m_records; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillGrid();
    void showRecord(int record, bool setHint);
    void closeClicked();

    NoticeArticleHooks m_hooks;
    QList<NoticeArticleRow> m_records; // storage order
    int m_deleteTag = -1;
};

// The one notice list window (created on first use, kept while the program runs).
extern TFRM_ARTICLE *FRM_ARTICLE;

// The ticker's click: opens the window on the pinned notice of that number. The caller sets its
// "list open" flag; hooks.closed clears it again.
TFRM_ARTICLE *OpenNoticeArticle(int seqNo, NoticeArticleHooks hooks);
