#include "main/ui/main_window.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "start/ui/login_flow.h"
#include "settings/settings_file.h"
#include "common/ui/progress_window.h"
#include "link/link_events.h"
#include "link/link_state.h"
#include "start/main_window_link.h"
#include "link/server_connection.h"
#include "reference/address_loaders.h"
#include "start/close_routine.h"
#include "reference/edition_table.h"
#include "main/main_globals.h"
#include "start/start_globals.h"
#include "start/old_logs.h"
#include "start/process_ops.h"
#include "start/program_start.h"
#include "start/update_check.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_dock.h"
#include "boards/ui/today_orders_screen.h"
#include "platform/app_paths.h"
#include "platform/clock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>
#include <QStackedWidget>
#include <QThread>

#include <algorithm>
#include <stdexcept>

TFRM_MAIN *FRM_MAIN = nullptr;

namespace
{
std::function<void(TFRM_MAIN *)> &initializationHook()
{
    static std::function<void(TFRM_MAIN *)> hook;
    return hook;
}

// The two fonts shipped beside the program are made available to this program only; nothing is
// copied into a system folder.
void registerShippedFonts()
{
    for (const char *name : {"NotoSansCJKkr-Bold.otf", "NotoSansCJKkr-Regular.otf"}) {
        const QString path = AppPaths::programDir() + QString::fromLatin1(name);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}
} // namespace

TFRM_MAIN::TFRM_MAIN(QWidget *parent)
    : QMainWindow(parent)
{
    FRM_MAIN = this;
    SetLoginMainWindow(this, &Tag);
    setObjectName(QStringLiteral("FRM_MAIN"));
    pnlMainBoard = new QStackedWidget(this);
    pnlMainBoard->setObjectName(QStringLiteral("pnlMainBoard"));
    buildShell();
    resize(1280, 800);
    SocketLink = new MainWindowLink(this);
    SocketLink->setObjectName(QStringLiteral("SocketLink"));
    FormCreate();
    // Outside the guarded creation steps: a window whose creation failed half-way must still
    // close through the whole routine.
    installCloseRoutine();
}

TFRM_MAIN::~TFRM_MAIN()
{
    // The today's-orders screen stops this window's order poll when it closes: it goes while the
    // poll is still there, not among the children after this window's members are gone.
    if (QWidget *today = TodayOrdersScreen(); today && isAncestorOf(today)) {
        if (FRM_ORD == today)
            FRM_ORD = nullptr;
        delete today;
    }
    releaseShell();
    if (FRM_MAIN == this) {
        FRM_MAIN = nullptr;
        SetLoginMainWindow(nullptr, nullptr);
    }
}

void TFRM_MAIN::SetInitializationHook(std::function<void(TFRM_MAIN *)> hook)
{
    initializationHook() = std::move(hook);
}

std::function<void(TFRM_MAIN *)> TFRM_MAIN::InitializationHook()
{
    return initializationHook();
}

void TFRM_MAIN::DockBoard(QWidget *board)
{
    if (board && pnlMainBoard->indexOf(board) < 0)
        pnlMainBoard->addWidget(board);
}

void TFRM_MAIN::BringBoardToFront(QWidget *board)
{
    if (board && pnlMainBoard->indexOf(board) >= 0)
        pnlMainBoard->setCurrentWidget(board);
}

void TFRM_MAIN::AddNoticeNo(const QString &no)
{
    const auto it = std::lower_bound(gsl_Notice_No.begin(), gsl_Notice_No.end(), no);
    if (it == gsl_Notice_No.end() || *it != no)
        gsl_Notice_No.insert(it, no);
}

void TFRM_MAIN::FormCreate()
{
    try {
        createGuardedSteps();
    } catch (const std::exception &e) {
        MsgBox(QStringLiteral("frmMain[FormCreate]:") + QString::fromUtf8(e.what()), QStringLiteral("I"));
    } catch (...) {
        MsgBox(QStringLiteral("frmMain[FormCreate]:") + QStringLiteral("unknown error"), QStringLiteral("I"));
    }
    if (ProgramEndRequested())
        return;
    // The embedded browser needs no emulation-mode registration on this platform.
    BuildSessionKey();
    WriteLog(QStringLiteral("NEW LOG : Form Create END"));
}

void TFRM_MAIN::createGuardedSteps()
{
    registerShippedFonts();
    ApplyEditionGlobals(G_EDITION_IDX);
    SetVersionFromMode();
    SetExeDate(func_GetFileDate(QCoreApplication::applicationFilePath()));
    SetSeparatorAndFormats();
    ResetLinkCounters();
    ChooseInterfaceLanguage();
    runUpdateCheck();
    if (ProgramEndRequested())
        return;
    G_REINIT_DONE = false;
    setWindowTitle(G_ED_CAPTION.at(G_EDITION_IDX));
    OpenEditionPictures(G_EDITION_IDX);
    QCoreApplication::setApplicationName(G_PROGRAM_NAME);
    QCoreApplication::processEvents();
    QThread::msleep(10);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SetFolderGlobals(AppPaths::dataDir(), AppClock::now().date());
    WriteStartLines();
    WriteLog(QStringLiteral("First Instance : ") + QString::number(G_FIRST_INSTANCE));
    OpenSettingsFile(G_INI_PATH);
    GS_CHK_STNO.clear();
    CreateWorkFolders();
    const QStringList removed = DeleteOldLogFile(G_LOG_DIR, AppClock::now().date());
    if (!removed.isEmpty())
        WriteLog(QStringLiteral("DeleteOldLogFile : ") + removed.join(QLatin1Char(',')));
    RegisterAddressContainers();
    proc_CreateStruct();
    ResetSessionCounters();
    gsl_Notice_No.clear();
    slDvryBrSelectList.clear();
    FB_STORE_STATUS_ST_POP = false;
}

void TFRM_MAIN::runUpdateCheck()
{
    if (!func_CheckUpdate(AppPaths::programDir(), G_EDITION_IDX))
        return;
    AppPaths::ensureDir(AppPaths::logDir());
    WriteLog(QStringLiteral("Update due"));
    MsgBox(QStringLiteral("프로그램 업데이트를 실행합니다."), QStringLiteral("I"));
    if (!StartUpdater(AppPaths::programDir(), G_UPDATER_NAME)) {
        // Ending now would leave the user with no program and no update; carry on instead.
        WriteLog(QStringLiteral("Updater could not be started : ") + G_UPDATER_NAME);
        return;
    }
    QThread::msleep(100);
    KillProcess(SystemProcessTable(), OwnProgramFileName());
    RequestProgramEnd();
}

void TFRM_MAIN::StopTimers()
{
    if (OrderBoardHooks *board = CurrentOrderBoardHooks())
        board->setPollingEnabled(false);
    // The shared connection's owner may also sit on the application when the connection was
    // opened before this window existed (the password change before a login).
    QList<MainWindowLink *> links = findChildren<MainWindowLink *>();
    if (QCoreApplication::instance())
        links += QCoreApplication::instance()->findChildren<MainWindowLink *>(Qt::FindDirectChildrenOnly);
    for (MainWindowLink *link : links)
        link->TmrSocketConnRetry.stop();
    housekeeping.stop();
    moneyRefresh.tmrCash.stop();
    orderPolling.stop();
    tmr_Initialization.stop();
    sessionTimeout.tmrSession.stop();
}

// The server's shutdown order closes this window, and closing it runs the close routine; its
// steps are installed here unless something (a test) installed its own.
void TFRM_MAIN::installCloseRoutine()
{
    SetMainWindowCloser([] {
        if (FRM_MAIN)
            FRM_MAIN->close();
    });
    CloseSteps &steps = CloseRoutineSteps();
    if (!steps.freeTcpClient)
        steps.freeTcpClient = [] {
            // The shutdown order that closes this window arrives inside a request whose callers
            // still hold the client: it is retired, not deleted under them.
            RetireTcpClient(G_TCP_CLIENT);
            G_CONNECTED = false;
        };
    if (!steps.stopTimers)
        steps.stopTimers = [] {
            if (FRM_MAIN)
                FRM_MAIN->StopTimers();
        };
    if (!steps.destroyStruct)
        steps.destroyStruct = [] {
            proc_DestroyStruct();
            CloseSettingsFile();
        };
    if (!steps.freeProgressWindow)
        steps.freeProgressWindow = [] { FreeProgressForm(); };
    if (!steps.freePrinterNamesAndNotices)
        steps.freePrinterNamesAndNotices = [] {
            // The steps outlive a window freed without the routine (tests, a failed start).
            if (FRM_MAIN)
                FRM_MAIN->gsl_Notice_No.clear();
        };
}

void TFRM_MAIN::FormShow()
{
    if (Tag == 99) {
        QCoreApplication::quit();
        return;
    }
    if (Tag == 1)
        return;
    Tag = 0;
    try {
        if (initializationHook())
            initializationHook()(this);
        else
            QApplication::restoreOverrideCursor();
    } catch (...) {
        // The initialization reports its own errors.
    }
}

void TFRM_MAIN::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFRM_MAIN::closeEvent(QCloseEvent *event)
{
    WriteLog(QStringLiteral("FormClose"));
    Tag = 99;
    event->accept();
    proc_Close(QString());
}

void TFRM_MAIN::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}
