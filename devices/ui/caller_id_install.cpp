#include "devices/ui/caller_id_install.h"

#include "boards/ui/today_orders_screen.h"
#include "common/message_box.h"
#include "devices/call_routing.h"
#include "devices/caller_id_server_link.h"
#include "devices/caller_id_sources.h"
#include "devices/caller_id_vendor.h"
#include "devices/ui/call_history_panel.h"
#include "devices/ui/call_targets.h"
#include "devices/ui/caller_id_ports.h"
#include "main/top_menu.h"
#include "main/ui/main_window.h"
#include "main/ui/slide_out_panels.h"
#include "main/ui/start_window.h"
#include "main/ui/today_orders_dock.h"
#include "records/device_records.h"
#include "start/close_routine.h"
#include "start/start_globals.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <memory>

namespace
{
constexpr int kHistoryPanelIndex = 3;

struct CallerIdParts
{
    std::unique_ptr<MainWindowCallTargets> targets;
    std::unique_ptr<CallRouter> router;
    std::unique_ptr<CallerIdSources> sources;
    QPointer<CidServerLink> link;
    QPointer<CallerIdStartDevices> devices;
    QPointer<CallHistoryPanel> history;
};

CallerIdParts &cidParts()
{
    static CallerIdParts parts;
    return parts;
}

QPixmap cidStatePicture(bool up)
{
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(up ? QColor(0x2e, 0xa0, 0x43) : QColor(0xc0, 0x39, 0x2b));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 12, 12);
    return p;
}

void showLinkState(CidServerLink::State state)
{
    TFRM_ORD *board = TodayOrdersScreen();
    if (!board)
        return;
    if (board->CIG_CID) {
        board->CIG_CID->setPixmap(cidStatePicture(state == CidServerLink::State::Polling));
        board->CIG_CID->setToolTip(state == CidServerLink::State::Polling ? QStringLiteral("CID 연결")
                                                                          : QStringLiteral("CID 끊김"));
    }
    if (board->AWP_CID_STAT) {
        board->AWP_CID_STAT->setVisible(true);
        board->AWP_CID_STAT->setText(state == CidServerLink::State::Polling ? QStringLiteral("●") : QStringLiteral("○"));
    }
}

// A double click on the board's caller-ID picture or indicator reconnects a link that is down.
class CidPictureClicks : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            CidServerLink *link = cidParts().link;
            if (link && !link->connected())
                link->fnc_cid_conf();
        }
        return QObject::eventFilter(watched, event);
    }
};

void bindBoardPicture(bool use)
{
    TFRM_ORD *board = TodayOrdersScreen();
    if (!board || !board->CIG_CID)
        return;
    board->CIG_CID->setVisible(use);
    if (board->AWP_CID_STAT)
        board->AWP_CID_STAT->setVisible(use);
    if (!board->CIG_CID->property("cidClicks").toBool()) {
        board->CIG_CID->setProperty("cidClicks", true);
        auto *clicks = new CidPictureClicks(board->CIG_CID);
        board->CIG_CID->installEventFilter(clicks);
        if (board->AWP_CID_STAT)
            board->AWP_CID_STAT->installEventFilter(clicks);
    }
}

void installHistoryPanel(TFRM_MAIN *window)
{
    if (!window->ATP_MAIN || window->ATP_MAIN->count() <= kHistoryPanelIndex)
        return;
    auto *panel = new CallHistoryPanel;
    window->ATP_MAIN->replacePanel(kHistoryPanelIndex, panel);
    cidParts().history = panel;
    QObject::connect(window->ATP_MAIN, &SlideOutPanels::tabClicked, panel, [panel](int index) {
        if (index == kHistoryPanelIndex)
            panel->proc_Load_CidLog();
    });
}
} // namespace

void InstallCallerId(TFRM_MAIN *window)
{
    CallerIdParts &p = cidParts();
    p.targets = std::make_unique<MainWindowCallTargets>(window);
    p.router = std::make_unique<CallRouter>(*p.targets);
    SetCallRouter(p.router.get());

    p.sources = std::make_unique<CallerIdSources>();
    p.sources->bindVendorComponents();

    auto *devices = new CallerIdStartDevices(std::make_shared<DesktopStartDevices>(window), window);
    devices->chunk = [](int slot, const QByteArray &bytes) {
        if (CallerIdSources *sources = cidParts().sources.get())
            sources->serialChunk(slot, bytes);
    };
    p.devices = devices;
    SetInstalledCallerIdDevices(devices);
    SetStartDevices(devices);

    auto *link = new CidServerLink(window);
    link->route = [](const HEADER &rec) { RouteCall(rec); };
    link->showState = [](CidServerLink::State s) { showLinkState(s); };
    link->openSettings = [window] { window->TopButtonClick(TopButton::Config); };
    p.link = link;

    CallerIdStartHooks hooks;
    hooks.networkCallerId = [](TFRM_MAIN *, bool use) {
        bindBoardPicture(use);
        CidServerLink *l = cidParts().link;
        if (!use || !l)
            return;
        l->firstInstance = G_FIRST_INSTANCE == 1;
        l->fnc_cid_conf();
    };
    hooks.ktLogin = [](TFRM_MAIN *) {
        func_Kt_Login([](const QString &text) { MsgBox(text, QStringLiteral("I")); });
    };
    SetCallerIdStartHooks(std::move(hooks));

    CloseSteps &steps = CloseRoutineSteps();
    steps.stopCallerIdServer = [] {
        if (CidServerLink *l = cidParts().link)
            l->stop();
    };
    steps.telephoneLoggedIn = [] { return G_CID_KT_INFO.LOGIN == QLatin1String("1"); };
    steps.telephoneLogout = [] { TelServiceLogin().logout(); };

    installHistoryPanel(window);
}

CidServerLink *InstalledCidServerLink()
{
    return cidParts().link;
}

CallerIdSources *InstalledCallerIdSources()
{
    return cidParts().sources.get();
}
