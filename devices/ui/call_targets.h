#pragma once

#include "devices/call_routing.h"

class TFRM_ACP;
class TFRM_MAIN;

// The routing's targets on the main window: the reception host FRM_ACP, the today's-orders
// board's search boxes and the courier-call popup. Everything is looked up at each call, so the
// targets follow the windows the session has.
class MainWindowCallTargets : public ICallTargets
{
public:
    explicit MainWindowCallTargets(TFRM_MAIN *window) : m_window(window) {}
    bool windowFree(int slot) const override;
    bool tabFree(int tab) const override;
    void openWindow(const Opening &opening) override;
    void showCourierCall(const QString &wkCode) override;
    void filterBoard(const QString &cuTel, const QString &cuAddr, const QString &cuName,
                     const QString &wkName) override;
    void warn(const QString &text) override;
    void frontReception() override;

private:
    TFRM_ACP *host() const;
    TFRM_MAIN *m_window;
};
