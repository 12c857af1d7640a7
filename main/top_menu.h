#pragma once

#include <QList>
#include <QString>

struct TUSER_INFO;

// The main window's top bar: its buttons, who may use them, which screen each brings to the
// front, and the small decisions of the reception and modify buttons. No widgets here.

enum class TopButton
{
    Home,         // "홈"
    Reception,    // "접수"
    Print,        // "인쇄"
    Today,        // "배달&TAKE"
    Past,         // "과거배송"
    Product,      // "상품"
    Config,       // "설정"
    Admin,        // "관리자웹"
    Calculate,    // "정산"
    Worker,       // "직원"
    MyInfo,       // "가맹점"
    Statistic,    // "통계"
    WorkControl,  // "관제"
    Refresh,      // "동기화"
    Remote,       // "원격"
};

struct TopButtonInfo
{
    TopButton button;
    QString objectName;  // "cxButton3"
    QString caption;     // as the button shows it ("배달&TAKE")
    bool screen;         // screen buttons form one radio group; action buttons stand alone
    bool rightEdge;      // anchored to the right edge of the bar
};

// The fifteen buttons in bar order, left to right, the right-edge ones last.
const QList<TopButtonInfo> &TopButtons();
const TopButtonInfo &TopButtonOf(TopButton button);

struct TopButtonState
{
    bool enabled = true;
    bool visible = true;
};

struct TopMenuRights
{
    TopButtonState state[15];
    bool sidePanelsVisible = false;  // the slide-out panel strip
    // Today's orders: the delivery-group settings button, and the connection panel moved to the
    // left when that button stays hidden.
    bool dvryGrpSetVisible = false;
    bool connectViewLeft = false;

    const TopButtonState &of(TopButton b) const { return state[static_cast<int>(b)]; }
};

// Rights of the top bar for a logged-in user. anyPrinterUsed: a receipt printer is in use.
TopMenuRights TopMenuRightsFor(const TUSER_INFO &user, bool anyPrinterUsed);

// Screen names kept in G_CUR_FORM.
namespace ScreenName
{
inline constexpr char kHome[] = "FRM_CHR_MAIN";
inline constexpr char kReception[] = "FRM_ACP";
inline constexpr char kToday[] = "FRM_ORD";
inline constexpr char kPast[] = "FRM_ORD_OLD";
inline constexpr char kConfig[] = "FRM_CONFIG";
inline constexpr char kCalculate[] = "FRM_CALCULATE";
inline constexpr char kProduct[] = "FRM_PRODUCT";
inline constexpr char kStoreInfo[] = "FRM_STOREINFO";
inline constexpr char kStaff[] = "FRM_PEOPLE_NEW";
inline constexpr char kStatistics[] = "FRM_STATISTICS";
} // namespace ScreenName

// The screen a screen button brings to the front; empty for action buttons.
QString ScreenOfButton(TopButton button);

// What marking the current screen's button does (proc_TopMenuButtonDownFalse).
struct ButtonDown
{
    bool any = false;          // false: nothing is pressed
    TopButton button = TopButton::Home;
    bool rerunToday = false;   // run the today's-orders switch instead of only pressing it
    QString curForm;           // G_CUR_FORM afterwards
};
ButtonDown TopMenuButtonDown(const QString &curForm, bool activeButton, bool hasGrade4);

// Reception: which kind of window to open.
enum class ReceptionKind { None, Delivery, Quick };
// askResult is the answer of the kind question (6 delivery, 7 quick); it is asked only when both
// kinds of store exist (NeedsKindQuestion).
bool NeedsKindQuestion(bool hasDelivery, bool hasQuick);
ReceptionKind ChooseReceptionKind(bool hasDelivery, bool hasQuick, int askResult);
// The screen a new reception window returns to: 2 past orders, 1 today's orders, 0 any other.
int ReceptionReturnScreen(const QString &curForm);
// The first free slot among busy (index = slot of the kind, 0-based), or -1.
int FirstFreeSlot(const QList<bool> &busy);
// "접수1".."접수10" for slots 0..9.
QString ReceptionTabCaption(int slot);
// "수정[배차-12]"
QString ModifyTabCaption(const QString &statusName, const QString &dayNumber);
// The order kind of a modify call as a number, 1 when it is not one.
int ModifyOrderKind(const QString &ordGubun);

// Control screens.
enum class ControlScreen { List, Map, Order };
ControlScreen ControlScreenFor(const QString &viewWorkControlType);

// Administration page: the last non-empty of the four edition pages replaces the current one.
QString ChooseAdminPage(const QString &current, const QString &hoz, const QString &duxel, const QString &spelk,
                        const QString &piska);
// The message the administration button shows when the user's group is not in normal state; empty
// when it shows nothing.
QString AdminGroupStateMessage(const QString &userTypeCd);

// True for an absolute http or https address with a host: the only addresses handed to the
// desktop's browser.
bool IsWebAddress(const QString &url);
