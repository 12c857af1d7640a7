#pragma once

#include "messages/message_list.h"
#include "messages/notice_center.h"
#include "records/message_records.h"

#include <QAbstractTableModel>
#include <QObject>
#include <QString>

#include <functional>

// The main window's message grid: one row per element of G_MSG_LIST with the 32 values of a
// message row; the header names the visible columns.
class MessageGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The columns the grid shows, in order, with their widths in pixels; the others stay hidden.
    static QList<QPair<int, int>> visibleColumns();
    // Begin and end of an update of G_MSG_LIST.
    void beginUpdate() { beginResetModel(); }
    void endUpdate() { endResetModel(); }
};

// Notices and messages of the session: the periodic message poll and what it brings (alerts,
// the message list, the server's commands), the day's message store, sending messages, and the
// notices. The shell owns one instance, wires the hooks and signals, and lets the order-page poll
// run the periodic check.
class MessageCenter : public QObject
{
    Q_OBJECT
public:
    explicit MessageCenter(QObject *parent = nullptr);
    ~MessageCenter() override;

    // What the commands of the server and the linked items reach in the rest of the program.
    struct Hooks
    {
        std::function<void(const QString &text)> closeProgram;   // end the program with this text
        std::function<void()> reloadCash;                        // reload the cash balance
        std::function<void(const QString &dvryTypeCd, int index)> reloadDeliveryGroup;
        std::function<QString()> logUploadUrl;                   // the "CALOG" configuration value
        std::function<QString()> messageFilePath;                // today's stored-messages file
        std::function<bool()> showMainWindow;                    // make the main window visible
    };
    Hooks hooks;

    NoticeCenter &notices() { return *m_notices; }
    MessageList &list() { return *m_list; }
    MessageGridModel &grid() { return *m_grid; }

    // Ticks of the order-page poll since the last check (-1 right after one); the poll counts it
    // and runs the check when it reaches G_MSG_CHK_TICKS.
    int chkCount = -1;
    void proc_CHECK_Message(bool bFirst);
    void proc_CHECK_MessageDetail(bool bFirst, const QString &tgtType);
    void proc_Process_Message(TMSG_LIST msg, bool bChkTer, bool bViewFlag, int iType);
    // Starts the log-upload program; false when nothing was started.
    bool proc_ExcuteLogUpload(const QString &from, const QString &to, const QString &msgNo);
    // The log-upload program (in the program's folder); tests point it elsewhere.
    QString logUploadProgram() const;
    void setLogUploadProgram(const QString &path) { m_uploadProgram = path; }

    // A message with the values this client puts into its own messages.
    static TMSG_LIST ownMessage();
    // Sends a message and reports the outcome in a message box; true when the server accepted it.
    bool proc_Send_Message(TMSG_LIST msg);
    // Sends without boxes: 1 accepted, 0 refused, -1 no usable reply.
    static int sendQuietly(const TMSG_LIST &msg);
    // A canned message to one courier (menu tags 3 and 4).
    bool procWkMsgSend(int tag, const QString &text, const QString &wkCode);

    void proc_Save_Message();
    // Reads the day's messages back and runs the start-up poll; G_MSG_LOADED is false meanwhile and
    // true afterwards.
    void proc_Load_Message();
    // Double-click on a row of the main grid.
    void gridDoubleClicked(int row);

    // Sender names for the message grid and the hint of its "내용" column.
    static QString contentHint(const TMSG_LIST &msg) { return msg.MSG_CONTENT; }

    // The server's answer code for the log-upload program name.
    static constexpr char kLogUploadProgram[] = "fup";

signals:
    // An alert window: caption, text, hidden hint (MSG_NO).
    void alertRequested(const QString &caption, const QString &text, const QString &msgNo);
    // A sound slot to play (0: new message).
    void soundRequested(int slot);
    // Show the message list window (topmost: as a topmost window without moving it).
    void messageListShowRequested(bool topmost);
    // At least one new or changed message arrived.
    void messagesArrived(int count);

private:
    void presentFromPoll(const TMSG_LIST &msg, bool bFirst, bool hadMark);
    void appendGridRow();

    NoticeCenter *m_notices;
    MessageList *m_list;
    MessageGridModel *m_grid;
    QString m_uploadProgram;
};
