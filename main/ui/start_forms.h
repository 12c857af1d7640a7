#pragma once

#include "main/status_bar_texts.h"
#include "start/ui/ad_panel.h"  // frmAd

#include <QList>
#include <QStringList>
#include <QString>

#include <functional>

class IOrderPrinter;
class ISameDayLabelPrinter;
class QWidget;
class TFRM_MAIN;

// The forms the program start creates after the main window, in this order. Their screens
// belong to other parts of the program; each installs a maker for its form. Until one does, a
// plain placeholder stands in (board screens dock into the main window's board panel, the others
// stay hidden).
enum class StartForm
{
    TFRM_CHR_MAIN,      // home-page browser board
    TFRM_ORD_OLD,       // past orders
    TFRM_ORD,           // today's orders
    TFRM_ACP,           // reception host
    TfrmCardApprList,   // card slip
    TfrmChrome,         // promotion picture popup
    TfrmAd,             // advertisement panel of the login dialog
    TfrmSessionTimeSet, // session-length dialog
};

using StartFormMaker = std::function<QWidget *(TFRM_MAIN *main)>;
void SetStartFormMaker(StartForm form, StartFormMaker maker);

// The class name of a start form ("TFRM_ORD").
QString StartFormClassName(StartForm form);
// True for the four board screens that dock into the board panel.
bool IsBoardForm(StartForm form);

// Creates the eight forms in order and keeps them in the globals below.
void CreateStartForms(TFRM_MAIN *main);

extern QWidget *FRM_CHR_MAIN;
extern QWidget *FRM_ORD_OLD;
extern QWidget *FRM_ORD;
extern QWidget *FRM_ACP;
extern QWidget *frmCardApprList;
extern QWidget *frmChrome;
extern QWidget *frmSessionTimeSet;

// The user's name of a board screen ("FRM_CONFIG" -> "설정"), shown while the screen is not built.
QString ScreenUserName(const QString &screenName);

// Board screens made on first use (settings, settlement, products, store, staff, statistics).
// Each owner installs a maker; until one does, a placeholder with the screen's name stands in.
void SetBoardScreenMaker(const QString &screenName, StartFormMaker maker);
bool HasStartFormMaker(StartForm form);
bool HasBoardScreenMaker(const QString &screenName);
// The screens made on first use, and the later part of the program each belongs to.
QStringList BoardScreenNames();
const char *LaterScreenOfBoard(const QString &screenName);
QWidget *MakeBoardScreen(const QString &screenName, TFRM_MAIN *main);

// What the main window's buttons ask of parts of the program built elsewhere; each may be empty.
struct ShellActionHooks
{
    std::function<void()> reinitialize;                // "동기화": reload the reference data
    std::function<QString()> focusedOrderPrintKey;     // today's orders: the focused order's print key
    std::function<void(const QString &key, int kind, int copies)> print;
    std::function<void()> loadCash;                    // reload the money balance (rewrites panel 3)
    std::function<void(const QList<StatusColour> &)> applyStatusColours;  // the boards' count labels
    std::function<void(QWidget *main)> openControlScreen;  // "관제": the user's control screen
    IOrderPrinter *orderPrinter = nullptr;        // receipts of the order dispatch
    ISameDayLabelPrinter *labelPrinter = nullptr; // labels of the same-day board
};
ShellActionHooks &ShellActions();

// Installs the main window's own start forms: the home-page browser, the reception host, the
// card-slip window and the promotion popup.
void InstallShellForms();
