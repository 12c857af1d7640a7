#pragma once

#include "main/order_polling.h"
#include "main/shell_timers.h"
#include "start/start_initialization.h"
#include "main/top_menu.h"
#include "main/ui/slide_out_panels.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class MainWindowLink;
class QButtonGroup;
class QFrame;
class QLabel;
class MessageCenter;
class MessageWindows;
class QStackedWidget;
class QToolButton;
class QStatusBar;
class ReceptionWindow;
class ShellBoardHooks;
struct TUSER_INFO;

// The main window. Its creation prepares everything that needs no logged-in user and checks for
// a newer version; showing it starts the initialization; closing it runs the close routine.
class TFRM_MAIN : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFRM_MAIN(QWidget *parent = nullptr);
    ~TFRM_MAIN() override;

    // 99 = closing (a later show ends the application), 1 = do not initialize on show,
    // anything else = initialize on show.
    int Tag = 0;

    QStackedWidget *pnlMainBoard = nullptr;  // the board screens dock here
    // The window's side of the shared connection: its events and the retry timer
    // TmrSocketConnRetry, running from the window's creation.
    MainWindowLink *SocketLink = nullptr;
    QString GS_CHK_STNO;
    QStringList gsl_Notice_No;               // unread notice numbers, sorted, no duplicates
    QStringList slDvryBrSelectList;
    bool FB_STORE_STATUS_ST_POP = false;

    // Docks a board screen into the board panel (the today's-orders, past-orders, reception
    // host and home-page screens do this when they are created).
    void DockBoard(QWidget *board);
    void BringBoardToFront(QWidget *board);

    // The start-up initialization run when the window is first shown (installed by the login
    // and initialization code; without one the window only restores the cursor).
    static void SetInitializationHook(std::function<void(TFRM_MAIN *)> hook);
    static std::function<void(TFRM_MAIN *)> InitializationHook();
    // After a login: the top bar's rights, the status bar and colours, the home page in front, the
    // housekeeping tick running, and the platform-payment check of a branch account.
    void StartShell();

    // The shell: top bar, slide-out panel strip, status bar (built at creation).
    QFrame *cxGroupBox1 = nullptr;                 // the top bar
    QHash<TopButton, QToolButton *> topButtons;
    SlideOutPanels *ATP_MAIN = nullptr;            // slide-out panel strip
    QStatusBar *DSB_STATUS = nullptr;
    QLabel *statusPanels[8] = {};
    QLabel *imgRefresh = nullptr;                  // refresh picture in status panel 2
    QLabel *CIG_SERVER = nullptr;                  // server link picture
    HousekeepingTick housekeeping;                 // TMR_CHK_PROCESS
    // Notices and messages: checked by the order-page poll once the shell runs; their windows
    // open over this.
    MessageCenter *messageCenter = nullptr;
    MessageWindows *messageWindows = nullptr;
    // The order-page poll (TMR_SEARCH) with the window's duties bound; the order board binds its
    // own when it is made.
    OrderPolling orderPolling;
    MoneyRefresh moneyRefresh;                     // tmrCash
    ShellTimer tmr_Initialization;                 // one-shot data timer of the start-up
    SessionTimeout sessionTimeout;                 // tmrSession, the idle logout

    // Sets the top bar's enabled/visible states and the panel strip for the logged-in user.
    void ApplyTopMenuRights(const TUSER_INFO &user, bool anyPrinterUsed);
    // Runs a top button's click.
    void TopButtonClick(TopButton button);
    // Marks the current screen's button as pressed.
    void proc_TopMenuButtonDownFalse(bool bActiveButton);
    // Brings the named screen to the front (creating a screen made on first use) and records it.
    void FrontScreen(const QString &name);
    QWidget *ScreenWidget(const QString &name) const;
    // Home page: loads it when iType is 1, then brings it to the front.
    void proc_Load_Main(int iType);
    // Picture iIdx (0..3) of the link-state pictures into image; other indexes do nothing.
    void proc_Load_image(QLabel *image, int iIdx);
    // Status bar texts for the logged-in user.
    void proc_Set_Stat();
    void procApplyStatusColor();
    void imgRefreshClick();
    // Opens an existing order in the delivery / quick modify window.
    void proc_Ord_Modify(const QString &sOrdNo, const QString &sStCd, const QString &sOrdGubun, const QString &sNum,
                         const QString &sOrderType, const QString &sShareGroup);
    void proc_Ord_Modify_Quick(const QString &sOrdNo, const QString &sStCd, const QString &sNum,
                               const QString &sOrdGubun);
    // A reception window closed itself: when it was the host's last, the screen it was opened
    // from comes back.
    void ReceptionWindowClosed(ReceptionWindow *window);
    // Frees the board screens at exit.
    void proc_SubFormClose(int iType);

    // Adds a notice number keeping the list sorted and free of duplicates.
    void AddNoticeNo(const QString &no);

    // The close routine's timer step: the order board's polling and the window's own timers.
    void StopTimers();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildShell();
    void receptionClick();
    void todayClick();
    void pastClick();
    void adminClick();
    void workControlClick();
    void remoteClick();
    void printClick();
    QToolButton *button(TopButton b) const { return topButtons.value(b); }
    ShellBoardHooks *m_boardHooks = nullptr;
    void releaseShell();
    bool m_pastInitialized = false;
    void FormCreate();
    void FormShow();
    void createGuardedSteps();
    void runUpdateCheck();
    void installCloseRoutine();
};

extern TFRM_MAIN *FRM_MAIN;
