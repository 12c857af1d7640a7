#pragma once

#include "messages/composer_rules.h"
#include "records/message_records.h"

#include <QWidget>

class MessageCenter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The composer of one message to one receiver the opener chose ("메세지"): borderless, topmost,
// centred, 692 × 349. "메세지전송" (or Ctrl+Enter in the body) sends through the message center and
// hides the window; "닫기" and Esc hide it. Created once and reused by every opener.
class SendMessageWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SendMessageWindow(MessageCenter *center, QWidget *parent = nullptr);

    // The opener's part: the prepared message, the order number (empty for none), the group name.
    void open(const TMSG_LIST &prepared, const QString &ordNo, const QString &grpName, bool focusBody);
    // The send button; true when the message went to the server.
    bool send();

    QLineEdit *CTE_TITLE;     // hidden title strip, at most 50 characters
    QPlainTextEdit *CMM_BODY; // at most 300 characters
    QPushButton *sendButton;
    QPushButton *closeButton;

    static constexpr int kMaxBodyChars = 300;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    MessageCenter *m_center;
    TMSG_LIST m_msg;
    QString m_ordNo;
    QString m_grpName;
};

// The multi-target composer ("메세지 전송"): borderless, topmost, 639 × 694; the stores, couriers or
// administrators of this login with ticks, a branch and name filter, and one text sent to every
// ticked target. Created on first use, hidden by "닫기", its state kept in between.
class MultiTargetWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MultiTargetWindow(QWidget *parent = nullptr);

    MultiTargetComposer composer;
    QComboBox *ccbMessageListBr;
    QRadioButton *crbMsgTargetStore;
    QRadioButton *crbMsgTargetWork;
    QRadioButton *crbMsgTargetAdmin;
    QLineEdit *cteMessageTargetFilter;
    QPushButton *cbtnMessageTargetSearch;
    QPlainTextEdit *cmMessageInput;
    QPushButton *cbtnMessageSend;
    QPushButton *cbtnClose;
    QCheckBox *ccbMessageTargetAll;
    QTableWidget *cgMessageTargetList;

    void applyFilter();
    void sendAll();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void rebuild(MessageTargetKind kind);
    void refreshRows();
    bool m_refreshing = false;
};
