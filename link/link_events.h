#pragma once

#include <QObject>

#include <functional>

// What the link needs from screens it does not own. The order board and the main window install
// their implementations at start; until then the link works without them.

// The order board's side of the link state: its polling timer and the two server pictures.
class OrderBoardHooks
{
public:
    virtual ~OrderBoardHooks() = default;
    // Enables or disables the polling timer TMR_SEARCH.
    virtual void setPollingEnabled(bool enabled) = 0;
    // Shows or hides the link picture AWP_WS_STAT.
    virtual void setLinkPictureVisible(bool visible) = 0;
    // Loads picture index (2 connected, 3 disconnected) into the server-state image CIG_SERVER.
    virtual void loadServerPicture(int index) = 0;
};

// Installs the order board's hooks (nullptr removes them); returns the previous ones.
OrderBoardHooks *SetOrderBoardHooks(OrderBoardHooks *hooks);
OrderBoardHooks *CurrentOrderBoardHooks();

// Closes FRM_MAIN, which runs the program's exit. Used when the server orders a shutdown.
using MainWindowCloser = std::function<void()>;
MainWindowCloser SetMainWindowCloser(MainWindowCloser closer);
void CloseMainWindow();

// Signals of the shared connection's state, for screens that follow it.
class LinkEvents : public QObject
{
    Q_OBJECT
public:
    static LinkEvents &instance();

signals:
    void connected();
    void disconnected();
};
