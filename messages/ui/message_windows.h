#pragma once

#include "records/message_records.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class MessageCenter;
class MessageListWindow;
class MultiTargetWindow;
class QMenu;
class QWidget;
class SendMessageWindow;

// The windows of notices and messages, bound to one MessageCenter: notice popups, alert windows,
// the message list window and the two composers. The main window owns one instance.
class MessageWindows : public QObject
{
    Q_OBJECT
public:
    MessageWindows(MessageCenter *center, QWidget *mainWindow);
    ~MessageWindows() override;

    void openMessageList();
    // The single-receiver composer with a prepared message (MessageCenter::ownMessage() plus the
    // receiver); ordNo empty for none.
    void openComposer(const TMSG_LIST &prepared, const QString &ordNo, const QString &grpName, bool focusBody = true);
    // "직접입력" of the courier menu: the composer addressed to that courier.
    void openDirectInput(const QString &wkCode);
    // The multi-target composer (created on first use).
    void openMultiTarget();
    // The courier status panel's popup menu: seven canned texts and "직접입력"; wkCode gives the
    // courier code of the row last clicked. The menu belongs to parent.
    QMenu *createCourierMenu(QWidget *parent, std::function<QString()> wkCode);

    MessageListWindow *messageListWindow() const { return m_listWindow; }
    SendMessageWindow *composer() const { return m_composer; }
    MultiTargetWindow *multiTarget() const { return m_multi; }
    // Open alert windows (tests).
    int openAlertCount() const;

private:
    void showAlert(const QString &caption, const QString &text, const QString &hint, bool html);

    MessageCenter *m_center;
    QWidget *m_mainWindow;
    MessageListWindow *m_listWindow;
    SendMessageWindow *m_composer;
    MultiTargetWindow *m_multi = nullptr;
    QList<QPointer<QWidget>> m_alerts;
};
