#pragma once

#include <QString>

#include <functional>

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
extern QWidget *frmAd;
extern QWidget *frmSessionTimeSet;
