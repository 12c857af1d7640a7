#pragma once

#include "records/message_records.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The message list window's logic: the received messages that wait for the user, the shown one
// with its three action buttons, and the buttons' actions (dismiss, open the linked order or
// notice, copy a value, answer the sender through the server).
class MessageList : public QObject
{
    Q_OBJECT
public:
    explicit MessageList(QObject *parent = nullptr);

    struct Button
    {
        bool visible = false;
        bool separatorVisible = false;  // the "|" before buttons 2 and 3
        QString caption;
        QString descriptor;  // type, link kind, link number, extra value joined by ","
        int width = 103;
    };

    // What the opener of the linked items provides.
    struct Hooks
    {
        // Opens the order linkNo with status stCd and the short order number num; false when the
        // order is not on the today's-orders screen.
        std::function<bool(const QString &linkNo, const QString &stCd, const QString &num)> openOrder;
        // Fetches a notice by number (type code, number, view type).
        std::function<void(const QString &msgTypeCd, const QString &seqNo, const QString &viewType)> openNotice;
        std::function<void(const QString &text)> copyToClipboard;
    };
    Hooks hooks;

    // Offers a message; viewFlag lists it even when it is already confirmed.
    void proc_Add_Msg(const TMSG_LIST &msg, bool viewFlag);
    // Shows a message in the detail and sets up the buttons.
    void proc_Select_Msg(const TMSG_LIST &msg);
    // Click on a grid row.
    void clickRow(int row);
    // One of the three action buttons (0..2); replyText is the reply box's text.
    void pressButton(int index, const QString &replyText = QString());
    // Sends an answer; the answered row leaves the list only when the server accepted it.
    bool proc_Send_Reply(const TMSG_LIST &reply, int row, const QString &caption);

    int rowCount() const { return int(m_rows.size()); }
    const TMSG_LIST &rowAt(int row) const { return m_rows.at(row); }
    int findRow(const QString &msgNo) const;

    int shownRow = -1;    // the row whose detail is shown, -1 when none
    int focusedRow = -1;  // the grid's focused row (the window keeps it up to date)
    QString title, group, body;
    bool buttonBarVisible = false;
    bool buttonsEnabled = true;
    bool replyBoxVisible = false;
    std::array<Button, 3> buttons;
    bool visible = false;  // the window is showing

    static int buttonWidthFor(const QString &caption);
    // Order number for answer texts: characters 7 to 12 of the link number without leading zeros.
    static QString orderNumberOf(const QString &linkNo);

    void show();
    void hide();

signals:
    void rowsChanged();
    void detailChanged();
    void visibilityChanged(bool visible);
    void focusReplyRequested();
    // The reply box is to be emptied (another message is shown, or none).
    void replyCleared();

private:
    void clearDetail();
    void removeRow(int row);
    void finishAction();
    void answer(int row, const QStringList &descriptor, const QString &caption, const QString &replyText);

    QList<TMSG_LIST> m_rows;
};
