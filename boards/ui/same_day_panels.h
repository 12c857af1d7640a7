#pragma once

#include "boards/logistics_board.h"
#include "boards/order_menu_plan.h"
#include "boards/same_day_actions.h"
#include "boards/same_day_board.h"
#include "orders/same_day_engine.h"
#include "boards/same_day_filter.h"
#include "orders/same_day_loader.h"
#include "boards/ui/same_day_widgets.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;

// The same-day and logistics tabs of the today's-orders screen as one piece: the engine and the
// loaders, the three grids with their count labels, the shared filter bar and the pop-up menu.
// The screen puts a3Page() into tbA3SameDay, endPage() into tbEndSameDay, hubPage() into
// tbHUBSameDay and filterBar() into the place of pnlSameDayFiltr; it calls setActiveTab() on
// every tab change. The polling loop calls pollSameDay() and pollLogistics() every third tick.
class SameDayPanels : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        // Colours of the "Status" settings section ("CB_1001", ...).
        StatusColourFn statusColour;
        // The branches ticked in the board's branch list (partner head offices' scope).
        std::function<QStringList()> branchCodes;
        // The poll timer: off while a batch is applied or a search box has the focus.
        std::function<void(bool on)> setPollTimer;
        // A load restarts the poll timer's three-tick phase.
        std::function<void()> resetPollPhase;
        // The live board's sync mark (carried in the completed batch's header).
        std::function<QString()> liveMark;
        // The double click: store list and the modify window.
        SameDayOpenHooks open = DefaultSameDayOpenHooks();
        // Confirmations, messages and the request of the actions.
        SameDayActionHooks actions = DefaultSameDayActionHooks();
        std::function<bool(int level)> hasAuthGrade;
        // The label printer (the printing subsystem's); no printer: the button does nothing.
        ISameDayLabelPrinter *printer = nullptr;
        // Cancel reasons (name, code) for the cancel submenu.
        std::function<QList<QPair<QString, QString>>()> cancelReasons;
        // The parcel-tracking page of an order (by default the web popup "택배배송현황") and the
        // courier pick dialog for a same-day order (number, status).
        std::function<void(const QString &url)> showTrackingPage;
        std::function<void(const QString &orderNo, const QString &status)> pickCourier;
        // A message item of the four message submenus (the live pop-up's message items: a fixed
        // text or the composer) chosen for the pop-up order; the live board's message action
        // sends it. The pop-up order's fields are the ones the live pop-up shares.
        std::function<void(const OrderMenuCommand &command, const SameDayPopupOrder &order)> messageCommand;
        // FPOP_ORDER_SERVICE as the live pop-up last set it.
        std::function<QString()> orderService;
        // A status count label was double-clicked: choose the colour of its key ("CB_" + Tag);
        // the screen calls refreshColours() afterwards.
        std::function<void(const QString &key)> chooseLabelColour;
        std::function<void(const QString &)> log;
    };

    explicit SameDayPanels(Hooks hooks, QObject *parent = nullptr);
    ~SameDayPanels() override;

    SameDayEngine &engine() { return m_engine; }
    SameDayLoader &loader() { return m_loader; }
    LogisticsBoard &logistics() { return m_hub; }
    SameDayBoardModels &models() { return m_models; }

    // The widgets; they are created on the first call, parented to `parent`.
    QWidget *a3Page(QWidget *parent = nullptr);
    QWidget *endPage(QWidget *parent = nullptr);
    QWidget *hubPage(QWidget *parent = nullptr);
    SameDayFilterBarWidget *filterBar(QWidget *parent = nullptr);
    SameDayGridView *grid(SameDayTab tab) const;

    // The tab change: the bar's controls follow and the counts are shown.
    void setActiveTab(SameDayTab tab);
    // The completed same-day load, unless the completed orders have been loaded (the screen
    // asks for it when its completed tab opens). False when nothing was loaded.
    bool loadCompleted();
    SameDayTab activeTab() const { return m_tab; }

    // The polling loop's same-day step: the live load with the login's kind (none for logins
    // without same-day orders). False when the link went down.
    bool pollSameDay();
    bool pollLogistics();

    void proc_A3Filter();
    void proc_HUBFilter();
    void proc_SameDayCountView();
    // The status colours changed in the settings: labels and rows are drawn again.
    void refreshColours();

    // The pop-up menu of the active tab's focused record, built afresh.
    QMenu *mnSameDay(QWidget *parent);
    // The order the last pop-up remembered.
    const SameDayPopupOrder &popupOrder() const { return m_popup; }
    // The label print of the selected same-day rows. Returns the number of labels.
    int printSelected();

    // mnA3TBNowLIstClick: the parcel-tracking page of the pop-up order.
    void mnA3TBNowLIstClick(const QString &url);

private:
    void statusChange(const QString &caption, int tag, const QString &hint);
    void fillMessageMenu(QMenu *sub, const QString &name, const SameDayMenuPlan &plan);
    void arrive();
    SameDayFocus focusOf(SameDayTab tab) const;

    Hooks m_hooks;
    SameDayEngine m_engine;
    SameDayLoader m_loader;
    LogisticsBoard m_hub;
    SameDayBoardModels m_models;
    SameDayFilter m_filter;
    SameDayTab m_tab = SameDayTab::Today;
    SameDayPopupOrder m_popup;

    QPointer<QWidget> m_a3Page, m_endPage, m_hubPage;
    QPointer<SameDayCountBar> m_counts;
    QPointer<SameDayGridView> m_a3Grid, m_endGrid, m_hubGrid;
    QPointer<SameDayFilterBarWidget> m_bar;
};
