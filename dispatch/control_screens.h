#pragma once

#include "dispatch/control_screen_core.h"
#include "orders/order_seams.h"

#include <QPointer>

#include <functional>

class TA1Orders;

// The order dispatch's way into the control screens: at most one screen is open, and every
// call for another screen (or with none open) is ignored.
class DispatchControlScreens : public IControlScreens
{
public:
    // The program's one instance, which the order engines are given.
    static DispatchControlScreens &Instance();

    // The screen that opened; the previous one (if any) is no longer fed.
    void attach(ControlScreenCore *core);
    void detach(ControlScreenCore *core);
    ControlScreenCore *core() const { return m_core; }
    // The live board's orders, for the order-centred screen's first fill; unset: none.
    std::function<const TA1Orders *()> liveOrders;

    static Screen ScreenOf(ControlVariant variant);

    bool isOpen(Screen screen) const override;
    bool hasWaitingRow(Screen screen, const QString &orderNo) const override;
    void addWaitingRow(Screen screen, const TA1ORDER &order) override;
    void removeWaitingRow(Screen screen, const QString &orderNo) override;
    QString waitingRowStamp(Screen screen, const QString &orderNo) const override;
    void SetReadyCallUpdate(Screen screen, const TA1ORDER &order) override;
    void removeOrderGridRow(const QString &orderNo) override;
    void SetDrawMapOrdReadyAdd(Screen screen, const TA1ORDER &order, int mode) override;
    void SetDrawMapDeleteOrd(Screen screen, const TA1ORDER &order) override;
    void SetDrawMapOrdDelete(const QString &storeCode, const QString &todayAllNo) override;
    void SetDrawMapOrdBaeChaAdd(const TA1ORDER &order, int mode) override;
    void clearWaitingRows(Screen screen) override;
    void beginWaitingUpdate(Screen screen) override;
    void endWaitingUpdate(Screen screen) override;
    void SetWorkControlFirstReadyData() override;
    void proc_WorkReadInfo(Screen screen) override;
    void proc_WorkChangeInfo(Screen screen) override;
    void proc_SetWorkPosotionChange() override;
    void proc_OrderChangeMultiInfo(bool all) override;

private:
    ControlScreenCore *open(Screen screen) const;

    QPointer<ControlScreenCore> m_core;
};
