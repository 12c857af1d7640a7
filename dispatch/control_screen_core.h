#pragma once

#include "dispatch/control_variant.h"
#include "dispatch/courier_board.h"
#include "dispatch/courier_orders.h"
#include "dispatch/waiting_board.h"

#include <QObject>
#include <QString>

#include <functional>

struct TA1ORDER;
class TA1Orders;

// What one control screen knows and does without its window: the waiting-order board, the
// courier board (with the dispatch board's cards), the selected courier's orders, the
// selection and the filters. The order dispatch reaches it through DispatchControlScreens; the
// window binds its views to the models and its controls to the inputs here.
class ControlScreenCore : public QObject
{
    Q_OBJECT
public:
    explicit ControlScreenCore(ControlVariant variant, QObject *parent = nullptr);
    ~ControlScreenCore() override;

    ControlVariant variant() const { return m_variant; }
    const ControlPolicy &policy() const { return PolicyOf(m_variant); }
    WaitingBoard &waiting() { return m_waiting; }
    const WaitingBoard &waiting() const { return m_waiting; }
    CourierBoard &couriers() { return m_couriers; }
    CourierOrderStrip &strip() { return m_strip; }

    // Inputs the window's controls set; the filters read them (with the board's branch choice).
    WaitingFilterInputs waitingInputs;
    CourierFilterInputs courierInputs;
    CardSlotChoice cardSlots;
    // The courier-list refresh of the order board (asked once at creation of the map and
    // courier screens, and by "새로고침"); unset: nothing is asked.
    std::function<void()> refreshCourierList;
    // The order board's "접수" and "요청" counter captions (the map screen copies them).
    std::function<QPair<QString, QString>()> orderCounterTexts;

    // Creation: attendance names, the first courier read and the filters.
    void create();

    // The courier board (see CourierBoard).
    void proc_AllWorkFirstRead();
    void proc_WorkReadInfo();
    void proc_WorkChangeInfo();
    void proc_WorkChangeCount();
    void proc_wk_filter();
    // The dispatch board's cards: slots refilled for the ticked statuses.
    void proc_WorkEAddrChange();

    // The waiting-order board.
    void SetReadyCallUpdate(const TA1ORDER &order);
    void proc_Readycall_filter();
    void proc_ChangeAddTime();
    // Rows of the changed waiting orders refreshed (order-centred screen), the queue emptied.
    void proc_OrderChangeMultiInfo();
    // "대기주문 표시" switched: filter, and with the switch off every tick and view flag cleared.
    void setShowWaiting(bool on);
    // "초기화": the search boxes back to their hints (the window does that), ticks cleared on
    // the map screen, filter.
    void resetWaiting();
    // The order-view radius (0 off, else km) around the map's centre.
    void setOrderRadius(int km, double centreLng, double centreLat);

    // Courier selection. A click on a courier row or card; `right` for the right button.
    enum class Click
    {
        None,       // nothing focused
        Selected,
        Deselected,
        Refused,    // not at work: "출근된 기사가 아닙니다."
        MenuOnly,   // right button on the courier and order-centred screens: menu, no selection
    };
    Click courierClicked(const QString &code, bool right);
    QString selectedCourier() const { return m_lastWkCode; }
    QString menuCourier() const { return m_selectWkCode; }
    // "이름 건수" of a courier, as its marker and the selection label show it.
    static QString CourierLabel(const QString &code);
    // The courier name search of the map screen: filter, then the first match selected (a
    // second search for the same name deselects, as a click on the selected courier does);
    // a blank or hint text deselects.
    void searchCourier();
    // "초기화" of the courier board.
    void resetCouriers();

    CourierCounters counters() const { return m_counters; }
    QString orderReceivedText() const { return m_lbl1001; }
    QString orderRequestedText() const { return m_lbl2001; }
    int mapCenterCount() const { return m_mapCenterCount; }

signals:
    void countersChanged();
    void selectionChanged();
    void stripChanged();
    void refused(const QString &message);

private:
    void takeBranchInputs();
    void setCounters();
    void reloadStrip();
    void select(const QString &code);
    void deselect();
    void updateMapMarks();

    ControlVariant m_variant;
    WaitingBoard m_waiting;
    CourierBoard m_couriers;
    CourierOrderStrip m_strip;
    QString m_lastWkCode;    // selected courier, empty for none
    QString m_selectWkCode;  // courier of the last right click
    int m_mapCenterCount = 999;
    bool m_created = false;
    CourierCounters m_counters;
    QString m_lbl1001, m_lbl2001;
};
