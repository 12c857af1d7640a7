#pragma once

#include "records/message_records.h"

#include <QTextBrowser>
#include <QWidget>

class NoticeCenter;
class QLabel;
class QLineEdit;
class QPushButton;

// A rich-text view for texts written by other parties (notice bodies): no scripts run, no link is
// followed, and no resource is fetched, local or remote; it holds nothing of the session.
class SafeTextView : public QTextBrowser
{
    Q_OBJECT
public:
    explicit SafeTextView(QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;
    // Shows the HTML text with every CR turned into a line break.
    void setNoticeBody(const QString &body);
};

// The popup of one notice ("공지 알람"): kind, title, group and body, and "알림삭제", which marks
// it read. Each notice gets a window of its own, deleted when closed.
class NoticeViewWindow : public QWidget
{
    Q_OBJECT
public:
    NoticeViewWindow(const TNotice &notice, NoticeCenter *center);

    QLineEdit *CTE_NOTICE_GUBUN;
    QLineEdit *CTE_TITLE;  // its tool tip holds the SEQ_NO
    QLineEdit *CTE_GROUP;
    SafeTextView *body;
    QPushButton *deleteButton;
    QList<QLabel *> captionLabels;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markRead();
    NoticeCenter *m_center;
};
