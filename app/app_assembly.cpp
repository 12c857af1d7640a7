#include "app/app_assembly.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/ui/message_box_dialog.h"
#include "devices/ui/printing_install.h"
#include "start/keyring_secret_store.h"
#include "start/program_start.h"
#include "reference/reference_sequence.h"
#include "common/screen_placeholders.h"
#include "devices/ui/caller_id_install.h"
#include "devices/ui/settings_screen.h"
#include "start/start_initialization.h"
#include "start/ui/app_style.h"
#include "main/ui/main_window.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "main/ui/start_window.h"
#include "dispatch/ui/control_screen_window.h"
#include "reception/ui/accept_window.h"
#include "history/ui/past_orders_screen.h"
#include "store/ui/product_screen.h"
#include "history/ui/statistics_screen.h"
#include "platform/clock.h"
#include "platform/single_instance.h"
#include "records/session_records.h"
#include "settings/secret_store.h"
#include "store/ui/settlement_screen.h"

#include <QApplication>
#include <QTableView>

#include <memory>

namespace
{
// The members of the window's start-up and sequence structs that are left without a binding.
QStringList unboundStartSteps(const StartWindow &w)
{
    QStringList out;
    auto check = [&out](bool bound, const char *name) {
        if (!bound)
            out << QString::fromLatin1(name);
    };
    check(bool(w.readSavedLogin), "readSavedLogin");
    check(bool(w.login), "login");
    check(bool(w.terminate), "terminate");
    check(bool(w.setCidPanel), "setCidPanel");
    check(bool(w.pump), "pump");
    check(bool(w.showProgress), "showProgress");
    check(bool(w.advance), "advance");
    check(bool(w.ktLogin), "ktLogin");
    check(bool(w.createModifyWindows), "createModifyWindows");
    check(bool(w.armDataTimer), "armDataTimer");
    check(bool(w.loadGridLayouts), "loadGridLayouts");
    check(bool(w.createDeliveryWindows), "createDeliveryWindows");
    check(bool(w.createQuickWindows), "createQuickWindows");
    check(bool(w.applyMenuRights), "applyMenuRights");
    check(bool(w.fillStoreStatusBranches), "fillStoreStatusBranches");
    check(bool(w.setupCourierGrid), "setupCourierGrid");
    check(bool(w.closeProgress), "closeProgress");
    check(bool(w.contractPages), "contractPages");
    check(bool(w.askSessionLength), "askSessionLength");
    check(bool(w.startSessionTimer), "startSessionTimer");
    check(bool(w.loadDeliveryGroups), "loadDeliveryGroups");
    return out;
}

QStringList unboundSequenceSteps(const SequenceWindow &s)
{
    QStringList out;
    auto check = [&out](bool bound, const char *name) {
        if (!bound)
            out << QString::fromLatin1(name);
    };
    check(bool(s.advance), "advance");
    check(bool(s.pump), "pump");
    check(bool(s.setBusy), "setBusy");
    check(bool(s.setHousekeeping), "setHousekeeping");
    check(bool(s.releaseTopButtons), "releaseTopButtons");
    check(bool(s.frontToday), "frontToday");
    check(bool(s.networkCallerId), "networkCallerId");
    check(bool(s.todayAction), "todayAction");
    check(bool(s.showProgress), "showProgress");
    check(bool(s.closeProgress), "closeProgress");
    return out;
}
} // namespace

AppAssembly::AppAssembly(AppSeams seams)
    : m_seams(std::move(seams))
{
}

AppAssembly::~AppAssembly()
{
    if (m_seams.messageBoxes)
        SetMsgBoxHandler(m_previousBoxes);
    if (m_seams.soundOutput)
        SoundPlayer::SetOutput(m_previousSound);
    if (m_seams.fixedClock)
        AppClock::clearFixed();
    delete m_marker;
}

void AppAssembly::prepare(QApplication &app)
{
    // The embedded browser's remote-debugging port stays closed: it would hand the logged-in
    // pages to any local process.
    QCoreApplication::setApplicationName(QStringLiteral("CourierDesk"));
    ApplyAppStyle(app);
    // Message boxes can appear from the main window's creation on (the update notice).
    if (m_seams.messageBoxes)
        m_previousBoxes = SetMsgBoxHandler(m_seams.messageBoxes);
    else
        InstallMsgBoxDialog(&MsgBoxAutoCloseMs);
    if (m_seams.soundOutput)
        m_previousSound = SoundPlayer::SetOutput(m_seams.soundOutput);
    if (m_seams.fixedClock)
        AppClock::setFixed(*m_seams.fixedClock);
    SetLanguageTexts();

    // The marker needs the application's event loop to hand itself over when the instance that
    // holds it ends, so it is made right after the application object.
    if (!m_marker) {
        m_marker = new SingleInstanceMarker(QString::fromLatin1(kInstanceMarkerName));
        MarkInstance(*m_marker);
    }
    SelectEdition();
    SetProductionMode();
    if (KeyringSupportBuilt())
        SetSecretStore(std::make_shared<KeyringSecretStore>(QStringLiteral("CourierDesk")));

    InstallStartInitialization();
    InstallShellForms();
    // Order reception: the delivery reception and modify windows.
    InstallReceptionWindows();
    // The past-orders screen (history).
    InstallPastOrdersScreen();
    // Receipts, the print button and same-day labels.
    InstallPrinting();
    // The settings screen; the past-orders list follows its column and font options too.
    InstallSettingsScreen([](TFRM_MAIN *main) {
        TFRM_CONFIG::Hooks h = ProgramSettingsScreenHooks(main);
        h.orderViews = [today = h.orderViews] {
            QList<QTableView *> views = today();
            if (auto *past = qobject_cast<TFRM_ORD_OLD *>(FRM_ORD_OLD))
                views << past->cxGrid1;
            return views;
        };
        h.reloadBoardLayouts = [] {
            if (auto *past = qobject_cast<TFRM_ORD_OLD *>(FRM_ORD_OLD))
                past->proc_Load_Grid();
        };
        return h;
    });
    // The settlement screen (store administration).
    InstallSettlementScreen();
    // The product screen (store administration).
    InstallProductScreen();
    // The screens of the later rooms.
    InstallStatisticsScreen();
}

TFRM_MAIN *AppAssembly::createMainWindow()
{
    m_window = new TFRM_MAIN();
    if (ProgramEndRequested())
        return nullptr;
    // Caller ID: call routing, the boxes' ports, the server link and the call history.
    InstallCallerId(m_window);
    CreateStartForms(m_window);
    // The control screens, fed by the today's board's order engine.
    InstallDispatchControl();
    selfCheck();
    return m_window;
}

QStringList AppAssembly::selfCheck() const
{
    QStringList unbound;
    if (m_window) {
        for (const QString &step : unboundStartSteps(MakeStartWindow(m_window)))
            unbound << QStringLiteral("start-up ") + step;
        for (const QString &step : unboundSequenceSteps(MakeSequenceWindow(m_window)))
            unbound << QStringLiteral("sequence ") + step;
        for (const QString &step : UnboundReferenceSteps(WindowLoaderTable(m_window)))
            unbound << QStringLiteral("reference ") + step;
    }
    for (int f = int(StartForm::TFRM_CHR_MAIN); f <= int(StartForm::TfrmSessionTimeSet); ++f) {
        const auto form = StartForm(f);
        if (!HasStartFormMaker(form) && form != StartForm::TFRM_ORD_OLD && form != StartForm::TfrmSessionTimeSet)
            unbound << QStringLiteral("start form ") + StartFormClassName(form);
    }
    // The screens later parts of the program build, each under its own name.
    for (const QString &screen : BoardScreenNames())
        if (!HasBoardScreenMaker(screen))
            NoteScreenPlaceholder(LaterScreenOfBoard(screen), screen);
    if (!TFRM_ACP::HasWindowMaker(ReceptionWindow::Kind::Delivery))
        NoteScreenPlaceholder(LaterScreen::kReception, QStringLiteral("TFRM_ACCEPT"));
    if (!TFRM_ACP::HasWindowMaker(ReceptionWindow::Kind::Quick))
        NoteScreenPlaceholder(LaterScreen::kQuickReception, QStringLiteral("TFRM_ACCEPT_QUICK"));
    if (!ShellActions().print)
        NoteScreenPlaceholder(LaterScreen::kPrinting, QStringLiteral("print"));

    for (const QString &step : unbound)
        WriteLog(QStringLiteral("Start-up check : step not bound : ") + step);
    for (const QString &screen : ScreenPlaceholders())
        WriteLog(QStringLiteral("Start-up check : placeholder : ") + screen);
    return unbound;
}
