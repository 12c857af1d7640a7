#include "main/ui/start_window.h"

#include "main/ui/today_orders_dock.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/ui/progress_window.h"
#include "link/link_events.h"
#include "reference/address_loaders.h"
#include "start/close_routine.h"
#include "reference/reference_loaders.h"
#include "messages/message_center.h"
#include "start/ui/login_flow.h"
#include "start/ui/ad_panel.h"
#include "main/ui/main_window.h"
#include "main/ui/reception_host.h"
#include "main/ui/sound_player.h"
#include "main/ui/start_forms.h"
#include "main/ui/side_panels_dock.h"
#include "main/ui/courier_status_panel.h"
#include "main/ui/store_status_panel.h"
#include "common/screen_placeholders.h"
#include "grid/ui/check_combo_box.h"
#include "platform/desktop_idle.h"
#include "platform/idle_monitor.h"
#include "records/business_rules.h"
#include "records/reference_lookups.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QPointer>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QSerialPort>
#include <QTabWidget>
#include <QTableView>
#include <QTcpSocket>

#include <memory>

namespace
{
int g_progressIncrement = 2;
QElapsedTimer g_sinceLogin;
// The delivery-group settings come after the store list, whose rebuild would empty them: when the
// initialization reaches them before the data timer's sequence ran, they wait for its end.
bool g_sequenceDone = false;
bool g_deliveryGroupsWaiting = false;

void loadDeliveryGroupsInOrder()
{
    if (!g_sequenceDone) {
        g_deliveryGroupsWaiting = true;
        return;
    }
    g_deliveryGroupsWaiting = false;
    proc_Dvry_List_Init();
}

void setWindowModes(const QList<ReceptionWindow *> &windows, int mode, int firstTag)
{
    int tag = firstTag;
    for (ReceptionWindow *w : windows) {
        if (!w)
            continue;
        w->GI_GUBUN = mode;
        w->Tag = tag++;
    }
}

ReferenceLoaderTable &loaderOverride()
{
    static ReferenceLoaderTable table;
    return table;
}

IStartDevices *g_devices = nullptr;
CallerIdStartHooks g_callerIdHooks;

IStartDevices &devices(TFRM_MAIN *window)
{
    if (g_devices)
        return *g_devices;
    static std::unique_ptr<DesktopStartDevices> desktop;
    if (!desktop)
        desktop = std::make_unique<DesktopStartDevices>(window);
    return *desktop;
}

QString openSerial(QSerialPort *port, const QString &name, int baud)
{
    port->close();
    port->setPortName(name);
    if (baud > 0)
        port->setBaudRate(baud);
    if (!port->open(QIODevice::ReadWrite))
        return port->errorString();
    return QString();
}

void setPanel(TFRM_MAIN *w, const CidPanel &panel)
{
    QLabel *label = w->statusPanels[5];
    if (!label)
        return;
    label->setText(panel.text);
    QPalette p = label->palette();
    const QColor colour = panel.colour == CidPanel::Colour::Yellow ? QColor(Qt::yellow)
                          : panel.colour == CidPanel::Colour::Red  ? QColor(Qt::red)
                                                                   : QColor(Qt::white);
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

TFRM_ACP *receptionHost()
{
    return qobject_cast<TFRM_ACP *>(FRM_ACP);
}

bool anyShown(const QList<ReceptionWindow *> &windows)
{
    for (const ReceptionWindow *w : windows)
        if (w && !w->isHidden())
            return true;
    return false;
}

// The session's idle time: the desktop's where it can be read, this program's input otherwise.
void installSessionIdleSource()
{
    static std::unique_ptr<SessionIdleSource> source;
    if (source)
        return;
    auto *own = new IdleMonitor({}, QCoreApplication::instance());
    own->install();
    source = std::make_unique<SessionIdleSource>(MakeDesktopIdleReader(QGuiApplication::platformName()), own);
    SetIdleSource(source.get());
    WriteLog(source->usesDesktop() ? QStringLiteral("Idle time : desktop session")
                                   : QStringLiteral("Idle time : input of this program"));
}

void runSynchronization(TFRM_MAIN *window, int partType)
{
    const TFRM_ACP *host = receptionHost();
    HostReceptionWindows receptions(host);
    // The poll's marks are forgotten by the synchronization's board step, so a refused one
    // leaves them (and the boards) as they were.
    proc_ReInitialization(partType, UserClass(), WindowLoaderTable(window), MakeSequenceWindow(window),
                          host ? &receptions : nullptr);
}
} // namespace

DesktopStartDevices::DesktopStartDevices(QObject *owner) : m_owner(owner) {}

QString DesktopStartDevices::openCallerIdPort(int box, const QString &port, int baud)
{
    if (box < 1 || box > 2)
        return QStringLiteral("no such box");
    QSerialPort *&p = m_cidPorts[size_t(box - 1)];
    if (!p)
        p = new QSerialPort(m_owner);
    const QString error = openSerial(p, port, baud);
    if (!error.isEmpty())
        p->close();
    return error;
}

QString DesktopStartDevices::probeSerialPrinter(int, const QString &port, int baud)
{
    QSerialPort probe;
    const QString error = openSerial(&probe, port, baud);
    probe.close();
    return error;
}

QString DesktopStartDevices::connectNetworkPrinter(int, const QString &host, quint16 port, int timeoutMs)
{
    QTcpSocket socket;
    socket.connectToHost(host, port);
    if (!socket.waitForConnected(timeoutMs))
        return socket.errorString();
    socket.disconnectFromHost();
    return QString();
}

QString DesktopStartDevices::selectSystemPrinter(int, int index)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    const QPrinterInfo info = index >= 0 && index < printers.size() ? printers.at(index) : QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QStringLiteral("no printer");
    QPrinter printer(info);
    return printer.isValid() ? QString() : QStringLiteral("printer not valid");
}

QStringList DesktopStartDevices::installedPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

bool HostReceptionWindows::anyDeliveryOpen() const
{
    return m_host && anyShown(m_host->FRM_ACP_LIST);
}

bool HostReceptionWindows::deliveryModifyOpen() const
{
    return m_host && m_host->FRM_MOD_LIST && !m_host->FRM_MOD_LIST->isHidden();
}

bool HostReceptionWindows::anyQuickOpen() const
{
    return m_host && anyShown(m_host->FRM_ACP_QUICK);
}

bool HostReceptionWindows::quickModifyOpen() const
{
    return m_host && m_host->FRM_MOD_QUICK && !m_host->FRM_MOD_QUICK->isHidden();
}

void proc_InitDataReceiveAfter()
{
    try {
        if (FRM_PROGRESS) {
            QProgressBar *gauge = FRM_PROGRESS->gauge();
            if (gauge->value() >= gauge->maximum())
                gauge->setValue(0);
            gauge->setValue(std::min(gauge->maximum(), gauge->value() + g_progressIncrement));
        }
        QCoreApplication::processEvents();
    } catch (...) {
        WriteLog(QStringLiteral("proc_InitDataReceiveAfter Error"));
    }
}

ReferenceLoaderTable WindowLoaderTable(TFRM_MAIN *window)
{
    if (!loaderOverride().isEmpty())
        return loaderOverride();
    ReferenceLoaderTable table = DefaultReferenceLoaders();
    BindBoardReferenceSteps(table, window);
    table.insert(QString::fromLatin1(RefStep::kSetStat), [window] {
        if (FRM_MAIN == window)
            window->proc_Set_Stat();
    });
    // The region files advance the gauge one by one.
    table.insert(QString::fromLatin1(RefStep::kLoadAddr), [] { proc_Load_Addr([] { proc_InitDataReceiveAfter(); }); });
    table.insert(QString::fromLatin1(RefStep::kNoticeInfo), [window] {
        if (FRM_MAIN == window && window->messageCenter)
            window->messageCenter->notices().proc_Notice_Info(G_SERVER_TIME);
    });
    table.insert(QString::fromLatin1(RefStep::kLoadMessage), [window] {
        if (FRM_MAIN == window && window->messageCenter)
            window->messageCenter->proc_Load_Message();
    });
    return table;
}

SequenceWindow MakeSequenceWindow(TFRM_MAIN *window)
{
    SequenceWindow s;
    s.advance = [] { proc_InitDataReceiveAfter(); };
    s.pump = [] { QCoreApplication::processEvents(); };
    s.setBusy = [window](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
        window->setEnabled(!busy);
    };
    s.setHousekeeping = [window](bool on) {
        if (on)
            window->housekeeping.start();
        else
            window->housekeeping.stop();
        if (OrderBoardHooks *board = CurrentOrderBoardHooks())
            board->setPollingEnabled(on);
    };
    s.releaseTopButtons = [window] { window->proc_TopMenuButtonDownFalse(true); };
    s.frontToday = [window] { window->FrontScreen(QString::fromLatin1(ScreenName::kToday)); };
    s.todayAction = [window] {
        if (HasAuthGrade(4))
            window->TopButtonClick(TopButton::Today);
    };
    s.showProgress = [window](const QString &title) {
        CreateProgressForm(window);
        FRM_PROGRESS->setCaption(title);
        g_progressIncrement = 9;
        ShowProgressForm();
    };
    s.closeProgress = [] { CloseProgressForm(); };
    // The network caller-ID client belongs to the caller-ID screens.
    if (g_callerIdHooks.networkCallerId)
        s.networkCallerId = [window, hook = g_callerIdHooks.networkCallerId](bool use) { hook(window, use); };
    else
        s.networkCallerId = [stand = ScreenPlaceholder(LaterScreen::kCallerId, QStringLiteral("fnc_cid_conf"))](bool) {
            stand();
        };
    return s;
}

StartWindow MakeStartWindow(TFRM_MAIN *window)
{
    StartWindow w;
    w.readSavedLogin = [] { ReadSavedLoginIntoSession(); };
    w.login = [] {
        QApplication::restoreOverrideCursor();
        const bool ok = func_Login();
        if (ok)
            g_sinceLogin.start();
        return ok;
    };
    w.terminate = [window] { window->Tag = 99; };
    w.setCidPanel = [window](const CidPanel &panel) { setPanel(window, panel); };
    w.pump = [] { QCoreApplication::processEvents(); };
    w.showProgress = [window] {
        CreateProgressForm(window);
        FRM_PROGRESS->setCaption(QStringLiteral("초기화 진행중"));
        g_progressIncrement = 2;
        ShowProgressForm();
        QCoreApplication::processEvents();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };
    w.advance = [] { proc_InitDataReceiveAfter(); };
    if (g_callerIdHooks.ktLogin)
        w.ktLogin = [window, hook = g_callerIdHooks.ktLogin] { hook(window); };
    else
        w.ktLogin = ScreenPlaceholder(LaterScreen::kCallerId, QStringLiteral("func_Kt_Login"));
    // The reception host made its twelve windows with itself; here they take their modes and slots.
    w.createModifyWindows = [] {
        if (TFRM_ACP *host = receptionHost()) {
            setWindowModes({host->FRM_MOD_LIST}, 1, 0);
            setWindowModes({host->FRM_MOD_QUICK}, 1, 0);
        }
    };
    w.createDeliveryWindows = [] {
        if (TFRM_ACP *host = receptionHost())
            setWindowModes(host->FRM_ACP_LIST, 0, 0);
    };
    w.createQuickWindows = [] {
        if (TFRM_ACP *host = receptionHost())
            setWindowModes(host->FRM_ACP_QUICK, 0, 6);
    };
    // The layouts follow the settings read after the login (the control-screen choice decides
    // the live grid's check column).
    w.loadGridLayouts = [] {
        if (TFRM_ORD *screen = TodayOrdersScreen())
            LoadTodayOrdersGridLayouts(*screen);
    };
    w.fillStoreStatusBranches = [window] {
        const QString cls = UserClass();
        if (cls != QLatin1String("1") && cls != QLatin1String("5") && cls != QLatin1String("7"))
            return;
        if (StoreStatusPanel *store = DockedStorePanel(*window))
            store->fillBranches();
    };
    w.setupCourierGrid = [window] {
        CourierStatusPanel *courier = DockedCourierPanel(*window);
        if (!courier)
            return;
        courier->grdDataWorker->setColumnHidden(grdColWorkerBrName, UserClass() != QLatin1String("7"));
    };
    w.armDataTimer = [window] {
        g_sequenceDone = false;
        g_deliveryGroupsWaiting = false;
        window->tmr_Initialization.setInterval(200);
        window->tmr_Initialization.onTimeout = [window] {
            window->tmr_Initialization.stop();
            RunStartupSequence(UserClass(), WindowLoaderTable(window), MakeSequenceWindow(window));
            g_sequenceDone = true;
            if (g_deliveryGroupsWaiting)
                loadDeliveryGroupsInOrder();
            if (g_sinceLogin.isValid())
                WriteLog(QStringLiteral("NEW LOG : Main window ready %1 ms after login").arg(g_sinceLogin.elapsed()));
        };
        window->tmr_Initialization.start();
    };
    w.applyMenuRights = [window] {
        window->ApplyTopMenuRights(G_USER_INFO, AnyPrinterUsed());
        if (window->ATP_MAIN && window->ATP_MAIN->count() > 0)
            window->ATP_MAIN->setTabVisible(0, false);
        if (TFRM_ACP *host = receptionHost())
            for (int i = 0; i < host->pages->count(); ++i)
                host->pages->setTabVisible(i, false);
    };
    w.closeProgress = [] { CloseProgressForm(); };
    w.contractPages = [window] { window->StartShell(); };
    w.askSessionLength = [] {
        if (auto *dialog = qobject_cast<QDialog *>(frmSessionTimeSet))
            dialog->exec();
    };
    w.loadDeliveryGroups = [] { loadDeliveryGroupsInOrder(); };
    w.startSessionTimer = [window] {
        installSessionIdleSource();
        window->sessionTimeout.logout = [](const QString &message) { proc_Close(message); };
        window->sessionTimeout.tmrSession.start();
    };
    return w;
}

LoginScreenHook MakeLoginScreenHook(TFRM_MAIN *window)
{
    return [window](LoginScreenStep step) {
        if (FRM_MAIN != window)
            return;
        switch (step) {
        case LoginScreenStep::OrderTabs:
            procOrderTabVisibleCheck(TodayOrdersScreen());
            break;
        case LoginScreenStep::BoardButtons:
        case LoginScreenStep::BoardRights:
            // The order boards set these themselves when they are made after the login; the
            // placeholders standing in for them have no such controls.
            break;
        case LoginScreenStep::MainPanels:
            if (window->ATP_MAIN && window->ATP_MAIN->count() > 4)
                window->ATP_MAIN->setTabVisible(4, false);
            if (G_USER_SET.Alam_Login == QLatin1String("1"))
                proc_playsound(0);
            break;
        }
    };
}

void SetReferenceLoaderTable(ReferenceLoaderTable table)
{
    loaderOverride() = std::move(table);
}

void SetStartDevices(IStartDevices *d)
{
    g_devices = d;
}

void SetCallerIdStartHooks(CallerIdStartHooks hooks)
{
    g_callerIdHooks = std::move(hooks);
}

void InstallStartInitialization()
{
    InstallLoginForms();
    TFRM_MAIN::SetInitializationHook([](TFRM_MAIN *window) {
        SetLoginScreenHook(MakeLoginScreenHook(window));
        Proc_Initialization(G_INI, devices(window), MakeStartWindow(window));
    });
    ShellActions().reinitialize = [] {
        if (FRM_MAIN)
            runSynchronization(FRM_MAIN, 0);
    };
}

void InstallLoginForms()
{
    // One ad window for the program: a window of its own that outlives any main window, so a main
    // window made again (as the tests do) finds it rather than leaving the last one behind.
    SetStartFormMaker(StartForm::TfrmAd, [](TFRM_MAIN *) -> QWidget * {
        static QPointer<TfrmAd> ad;
        if (!ad)
            ad = new TfrmAd();
        return ad.data();
    });
}

void InstallLoginInitialization()
{
    InstallLoginForms();
    TFRM_MAIN::SetInitializationHook([](TFRM_MAIN *) {
        ReadSavedLoginIntoSession();
        QApplication::restoreOverrideCursor();
        if (func_Login())
            WriteLog(QStringLiteral("Login done : ") + G_USER_INFO.ID);
    });
}
