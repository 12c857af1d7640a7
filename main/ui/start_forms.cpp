#include "main/ui/start_forms.h"

#include "common/program_globals.h"
#include "common/screen_placeholders.h"
#include "main/top_menu.h"
#include "main/ui/main_window.h"
#include "main/ui/reception_host.h"
#include "main/ui/shell_popups.h"
#include "main/ui/today_orders_dock.h"

#include <QHash>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

QWidget *FRM_CHR_MAIN = nullptr;
QWidget *FRM_ORD_OLD = nullptr;
QWidget *FRM_ORD = nullptr;
QWidget *FRM_ACP = nullptr;
QWidget *frmCardApprList = nullptr;
QWidget *frmChrome = nullptr;
QWidget *frmSessionTimeSet = nullptr;

namespace
{
QHash<int, StartFormMaker> &makers()
{
    static QHash<int, StartFormMaker> map;
    return map;
}

QWidget *&slot(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_CHR_MAIN: return FRM_CHR_MAIN;
    case StartForm::TFRM_ORD_OLD: return FRM_ORD_OLD;
    case StartForm::TFRM_ORD: return FRM_ORD;
    case StartForm::TFRM_ACP: return FRM_ACP;
    case StartForm::TfrmCardApprList: return frmCardApprList;
    case StartForm::TfrmChrome: return frmChrome;
    case StartForm::TfrmAd: return frmAd;
    case StartForm::TfrmSessionTimeSet: break;
    }
    return frmSessionTimeSet;
}

QString boardScreenName(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_CHR_MAIN: return QString::fromLatin1(ScreenName::kHome);
    case StartForm::TFRM_ORD_OLD: return QString::fromLatin1(ScreenName::kPast);
    case StartForm::TFRM_ORD: return QString::fromLatin1(ScreenName::kToday);
    case StartForm::TFRM_ACP: return QString::fromLatin1(ScreenName::kReception);
    default: return {};
    }
}

// The later screen a start form stands in for, or null when the program must make it itself.
const char *laterScreenOf(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_ORD_OLD: return LaterScreen::kHistory;
    case StartForm::TfrmSessionTimeSet: return LaterScreen::kSettings;
    default: return nullptr;
    }
}

QWidget *placeholder(StartForm form, TFRM_MAIN *main)
{
    if (const char *later = laterScreenOf(form))
        NoteScreenPlaceholder(later, StartFormClassName(form));
    const bool board = IsBoardForm(form);
    QWidget *w = nullptr;
    if (board) {
        w = MakeScreenPlaceholder(ScreenUserName(boardScreenName(form)), main);
        main->DockBoard(w);
    } else {
        w = new QWidget(main, Qt::Window);
        w->hide();
    }
    w->setObjectName(StartFormClassName(form));
    return w;
}

QHash<QString, StartFormMaker> &boardMakers()
{
    static QHash<QString, StartFormMaker> map;
    return map;
}
} // namespace

void SetStartFormMaker(StartForm form, StartFormMaker maker)
{
    makers().insert(static_cast<int>(form), std::move(maker));
}

QString StartFormClassName(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_CHR_MAIN: return QStringLiteral("TFRM_CHR_MAIN");
    case StartForm::TFRM_ORD_OLD: return QStringLiteral("TFRM_ORD_OLD");
    case StartForm::TFRM_ORD: return QStringLiteral("TFRM_ORD");
    case StartForm::TFRM_ACP: return QStringLiteral("TFRM_ACP");
    case StartForm::TfrmCardApprList: return QStringLiteral("TfrmCardApprList");
    case StartForm::TfrmChrome: return QStringLiteral("TfrmChrome");
    case StartForm::TfrmAd: return QStringLiteral("TfrmAd");
    case StartForm::TfrmSessionTimeSet: break;
    }
    return QStringLiteral("TfrmSessionTimeSet");
}

bool IsBoardForm(StartForm form)
{
    return form == StartForm::TFRM_CHR_MAIN || form == StartForm::TFRM_ORD_OLD || form == StartForm::TFRM_ORD
           || form == StartForm::TFRM_ACP;
}

void CreateStartForms(TFRM_MAIN *main)
{
    constexpr StartForm kOrder[] = {StartForm::TFRM_CHR_MAIN, StartForm::TFRM_ORD_OLD, StartForm::TFRM_ORD,
                                    StartForm::TFRM_ACP, StartForm::TfrmCardApprList, StartForm::TfrmChrome,
                                    StartForm::TfrmAd, StartForm::TfrmSessionTimeSet};
    for (const StartForm form : kOrder) {
        const StartFormMaker maker = makers().value(static_cast<int>(form));
        QWidget *w = maker ? maker(main) : placeholder(form, main);
        slot(form) = w;
    }
}

QString ScreenUserName(const QString &screenName)
{
    static const QHash<QString, QString> names = {
        {QString::fromLatin1(ScreenName::kHome), QStringLiteral("홈")},
        {QString::fromLatin1(ScreenName::kToday), QStringLiteral("배달&TAKE (오늘 주문)")},
        {QString::fromLatin1(ScreenName::kPast), QStringLiteral("과거배송")},
        {QString::fromLatin1(ScreenName::kReception), QStringLiteral("접수")},
        {QString::fromLatin1(ScreenName::kConfig), QStringLiteral("설정")},
        {QString::fromLatin1(ScreenName::kCalculate), QStringLiteral("정산")},
        {QString::fromLatin1(ScreenName::kProduct), QStringLiteral("상품")},
        {QString::fromLatin1(ScreenName::kStoreInfo), QStringLiteral("가맹점")},
        {QString::fromLatin1(ScreenName::kStaff), QStringLiteral("직원")},
        {QString::fromLatin1(ScreenName::kStatistics), QStringLiteral("통계")},
    };
    return names.value(screenName, QStringLiteral("화면"));
}

bool HasStartFormMaker(StartForm form)
{
    return bool(makers().value(static_cast<int>(form)));
}

bool HasBoardScreenMaker(const QString &screenName)
{
    return bool(boardMakers().value(screenName));
}

QStringList BoardScreenNames()
{
    return {QString::fromLatin1(ScreenName::kConfig),    QString::fromLatin1(ScreenName::kCalculate),
            QString::fromLatin1(ScreenName::kProduct),   QString::fromLatin1(ScreenName::kStoreInfo),
            QString::fromLatin1(ScreenName::kStaff),     QString::fromLatin1(ScreenName::kStatistics)};
}

const char *LaterScreenOfBoard(const QString &screenName)
{
    if (screenName == QLatin1String(ScreenName::kConfig))
        return LaterScreen::kSettings;
    if (screenName == QLatin1String(ScreenName::kStaff))
        return LaterScreen::kStaff;
    if (screenName == QLatin1String(ScreenName::kStatistics))
        return LaterScreen::kHistory;
    return LaterScreen::kStore;
}

void SetBoardScreenMaker(const QString &screenName, StartFormMaker maker)
{
    boardMakers().insert(screenName, std::move(maker));
}

QWidget *MakeBoardScreen(const QString &screenName, TFRM_MAIN *main)
{
    if (screenName.isEmpty())
        return nullptr;
    const StartFormMaker maker = boardMakers().value(screenName);
    QWidget *w = maker ? maker(main) : MakeScreenPlaceholder(ScreenUserName(screenName), main);
    if (w)
        w->setObjectName(screenName);
    return w;
}

ShellActionHooks &ShellActions()
{
    static ShellActionHooks hooks;
    return hooks;
}

void InstallShellForms()
{
    InstallTodayOrdersScreen();
    SetStartFormMaker(StartForm::TFRM_CHR_MAIN, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TFRM_CHR_MAIN(main);
        main->DockBoard(w);
        return w;
    });
    SetStartFormMaker(StartForm::TFRM_ACP, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TFRM_ACP(main);
        main->DockBoard(w);
        QObject::connect(w, &TFRM_ACP::windowClosed, main, &TFRM_MAIN::ReceptionWindowClosed);
        QObject::connect(w, &TFRM_ACP::callOpened, main, [main, w] {
            G_CUR_FORM = QString::fromLatin1(ScreenName::kReception);
            main->BringBoardToFront(w);
        });
        return w;
    });
    SetStartFormMaker(StartForm::TfrmCardApprList, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TfrmCardApprList(main);
        w->hide();
        return w;
    });
    SetStartFormMaker(StartForm::TfrmChrome, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TfrmChrome(main);
        w->hide();
        return w;
    });
}
