#pragma once

#include "records/message_records.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// The single-receiver composer's rules: the title made from the body, the added lines and the
// byte limits. The window shows the box and sends.
struct ComposedMessage
{
    enum Status { Ready, TitleTooLong, ContentTooLong };
    Status status = Ready;
    TMSG_LIST msg;
    QString box;  // the message box text when not Ready
};
ComposedMessage ComposeMessage(TMSG_LIST msg, const QString &title, const QString &body, const QString &ordNo,
                               const QString &grpName);

// One row of the multi-target composer's list.
struct MessageTarget
{
    bool checked = false;
    QString grpName;     // 소속명
    QString targetName;  // 대상명
    QString targetCode;  // sent as the receiver code
    QString brCode;      // read by the branch filter
};

enum class MessageTargetKind { Store, Courier, Admin };

// The multi-target composer's list, ticks, filter and send.
class MultiTargetComposer : public QObject
{
    Q_OBJECT
public:
    explicit MultiTargetComposer(QObject *parent = nullptr);

    QList<MessageTarget> rows;
    MessageTargetKind kind = MessageTargetKind::Store;
    bool allTicked = false;
    QString nameFilter;
    QString branchFilter;  // "" or "0": every branch

    // Rebuilds the list for a target kind from the shared lists (every row unticked).
    void build(MessageTargetKind targetKind);
    // Whether row i passes the name and branch filter (the filter only narrows what is shown).
    bool isShown(int row) const;
    void tickAll(bool ticked);
    // A tick changed by the user; the all box follows.
    void setTicked(int row, bool ticked);
    // Receiver kind of the target kind for this login.
    QString receiverKind() const;

    // Sends text to every ticked row, unticking the ones the server accepted. Shows the boxes;
    // returns true when every ticked target took the message. progress is called before and
    // after the sends (true, false) so the window can show its progress window.
    bool send(QString &text, const std::function<void(bool)> &progress = {});
    // One target; false for a blank code or any refusal.
    bool sendOne(const TMSG_LIST &msg, int row);

signals:
    void rowsChanged();
};
