#include "main/ui/side_panels_dock.h"

#include "start/login.h"
#include "reference/reference_state.h"
#include "main/side_panels.h"
#include "start/ui/app_style.h"
#include "main/ui/courier_status_panel.h"
#include "main/ui/main_window.h"
#include "main/ui/slide_out_panels.h"
#include "main/ui/store_status_panel.h"
#include "messages/ui/message_windows.h"

#include <QLabel>

namespace
{
constexpr int kCourierTab = 1;
constexpr int kStoreTab = 2;

class SidePanelsBinding : public QObject, public ISidePanels
{
public:
    SidePanelsBinding(TFRM_MAIN &window, CourierStatusPanel *courier, StoreStatusPanel *store)
        : QObject(&window)
        , courier(courier)
        , store(store)
    {
        setObjectName(QStringLiteral("SidePanelsBinding"));
        SetSidePanels(this);
        connect(&ReferenceEvents(), &ReferenceNotifier::changed, this, [this](ReferenceEvent e) { referenceEvent(e); });
    }
    ~SidePanelsBinding() override
    {
        if (SidePanels() == this)
            SetSidePanels(nullptr);
    }

    void procUpdateWorkerGrid(bool bClearFlag) override { courier->procUpdateWorkerGrid(bClearFlag); }
    void storeStatesChanged() override { store->model().refreshRows(); }
    QStringList courierBranches() const override { return courier->model().slDvryBrSelectList; }

    CourierStatusPanel *courier;
    StoreStatusPanel *store;

private:
    void referenceEvent(ReferenceEvent e)
    {
        if (e == ReferenceEvent::CouriersLoaded) {
            if (courier->model().branches.names.isEmpty())
                courier->fillBranchesFromLists();
            courier->procUpdateWorkerGrid(true);
        } else if (e == ReferenceEvent::StoresLoaded || e == ReferenceEvent::BranchesLoaded) {
            // A store login loads no store list: its branches come with the branch list.
            store->fillBranches();
        }
    }
};

SidePanelsBinding *bindingOf(const TFRM_MAIN &window)
{
    return window.findChild<SidePanelsBinding *>(QStringLiteral("SidePanelsBinding"), Qt::FindDirectChildrenOnly);
}

} // namespace

void DockSidePanels(TFRM_MAIN &window)
{
    auto *courier = new CourierStatusPanel;
    auto *store = new StoreStatusPanel;
    window.ATP_MAIN->replacePanel(kCourierTab, courier);
    window.ATP_MAIN->replacePanel(kStoreTab, store);
    new SidePanelsBinding(window, courier, store);

    TFRM_MAIN *w = &window;
    courier->makeCourierMenu = [w](QWidget *parent, std::function<QString()> wkCode) -> QMenu * {
        return w->messageWindows ? w->messageWindows->createCourierMenu(parent, std::move(wkCode)) : nullptr;
    };
    store->tickCount = [w] { return w->housekeeping.TMR_CHK_PROCESS.Tag; };
    store->phaseChanged = [w](int phase) { w->housekeeping.FI_STORE_STATUS_ST_GAP = phase; };
    store->listOpenChanged = [w](bool open) { w->FB_STORE_STATUS_ST_POP = open; };
    w->housekeeping.hooks.storeStatusSearch = [store] { store->search(); };
    w->housekeeping.hooks.setCountdown = [store](const QString &text) { store->lbStoreStatusRefresh->setText(text); };
    QObject::connect(window.ATP_MAIN, &SlideOutPanels::tabClicked, store, [w, store](int index) {
        if (index == kStoreTab)
            store->search();
        // The courier and store panels open as wide as their grids: wider for a head office,
        // whose courier grid carries the branch column.
        const int wide = Scaled(UserClass() == QLatin1String("7") ? 1210 : 1060);
        if (index == kCourierTab || index == kStoreTab)
            w->ATP_MAIN->setPanelWidth(index, wide);
    });
}

CourierStatusPanel *DockedCourierPanel(const TFRM_MAIN &window)
{
    SidePanelsBinding *b = bindingOf(window);
    return b ? b->courier : nullptr;
}

StoreStatusPanel *DockedStorePanel(const TFRM_MAIN &window)
{
    SidePanelsBinding *b = bindingOf(window);
    return b ? b->store : nullptr;
}
