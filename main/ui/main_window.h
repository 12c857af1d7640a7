#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class MainWindowLink;
class QStackedWidget;

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

    // Adds a notice number keeping the list sorted and free of duplicates.
    void AddNoticeNo(const QString &no);

    // The close routine's timer step: the order board's polling and the window's own timers.
    void StopTimers();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void createGuardedSteps();
    void runUpdateCheck();
    void installCloseRoutine();
};

extern TFRM_MAIN *FRM_MAIN;
