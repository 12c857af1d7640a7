#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// The reference data the session loads after the login, and again on a synchronization: an
// ordered list of named steps per user class, each name bound to the function that does it. The
// sequence itself is plain data, so it can be checked with fake loaders.

using ReferenceLoader = std::function<void()>;
using ReferenceLoaderTable = QHash<QString, ReferenceLoader>;

// Names of the steps. Loaders of the server's lists, then the board set-up woven into the load,
// then the notices and stored messages.
namespace RefStep
{
inline constexpr char kSysCode[] = "proc_syscode";
inline constexpr char kO3List[] = "procO3List";
inline constexpr char kHdList[] = "proc_HdList";
inline constexpr char kBrList[] = "proc_BrList";
inline constexpr char kDvryOutList[] = "proc_Dvry_Out_List";
inline constexpr char kStList[] = "proc_StList";
inline constexpr char kGoodsGroup[] = "proc_Goods_group";
inline constexpr char kConfigAddrInfo[] = "proc_LoadConfigAddrInfo";
inline constexpr char kLoadAddr[] = "proc_Load_Addr";
inline constexpr char kSysAddr[] = "proc_Sys_Addr";
inline constexpr char kTelList[] = "proc_Load_TelList";
inline constexpr char kWkTelList[] = "proc_Load_WkTelList";
inline constexpr char kMyWorkList[] = "GetMyWorkList";
inline constexpr char kPastBranches[] = "proc_GetComboMngBrList";
inline constexpr char kPtList[] = "procPTList";
inline constexpr char kShareList[] = "proc_Share_List";
inline constexpr char kBoardBrName[] = "SetComboBrNameList";
inline constexpr char kBoardBrCode[] = "SetComboBrCodeList";
inline constexpr char kBoardDvryType[] = "SetComboDvryTypeCDList";
inline constexpr char kMainBrName[] = "SetComboBrNameList2";
inline constexpr char kMainBrCode[] = "SetComboBrCodeList2";
inline constexpr char kDvryBrSelectAdd[] = "procDvryBRSelectAddList";
inline constexpr char kSavedBranches[] = "GORDBR_SELECT_LIST";
inline constexpr char kBrStCodes[] = "SetBrStCodeList";
inline constexpr char kBoardBrSt[] = "SetComboBrStList";
inline constexpr char kBoardBrChange[] = "BoardBranchChange";
inline constexpr char kDvryBrWkCount[] = "procDvryBRSelectWkCount";
inline constexpr char kFilter[] = "proc_Filter";
inline constexpr char kDvryList[] = "proc_Dvry_List";
inline constexpr char kComCsCode[] = "proc_Com_CS_Code";
inline constexpr char kSetStat[] = "proc_Set_Stat";
inline constexpr char kNoticeInfo[] = "proc_Notice_Info";
inline constexpr char kLoadMessage[] = "proc_Load_Message";
inline constexpr char kReInitBoardLists[] = "ReInitBoardLists";
} // namespace RefStep

struct SequenceStep
{
    QString name;
    bool logStart = true;  // "NEW LOG : <name> Start" before it
    bool advance = true;   // one progress advance after it
    bool operator==(const SequenceStep &) const = default;
};

// The start-up load for a user class ("1" store, "5" distributor, "7" partner head office), up
// to and including the server configuration.
QList<SequenceStep> StartupLoadSteps(const QString &userClass);
// The synchronization's load: partType 0 everything, 1 the store data only.
QList<SequenceStep> ReInitLoadSteps(const QString &userClass, int partType);

// The steps bound to the program's loaders. The steps of the windows (board and panel set-up,
// status bar, notices, stored messages) are bound by the windows; a step of a screen that is not
// built yet is bound to its named stand-in (main/screen_placeholders.h).
ReferenceLoaderTable DefaultReferenceLoaders();
// The steps of the start-up and synchronization sequences that table has no binding for.
QStringList UnboundReferenceSteps(const ReferenceLoaderTable &table);

// Runs one named step; a name without a binding is logged and skipped.
void RunReferenceStep(const ReferenceLoaderTable &table, const QString &name);

// What the start-up and the synchronization need of the main window; the program binds every
// member (the start-up self-check says which are not).
struct SequenceWindow
{
    std::function<void()> advance;             // progress gauge step and message pump
    std::function<void()> pump;                // message pump alone
    std::function<void(bool)> setBusy;         // hourglass cursor and window disabled, or back
    std::function<void(bool)> setHousekeeping; // TMR_CHK_PROCESS (and the board's polling)
    std::function<void()> releaseTopButtons;   // proc_TopMenuButtonDownFalse(true)
    std::function<void()> frontToday;          // today's orders to the front
    std::function<void(bool)> networkCallerId; // show picture and connect, or hide
    std::function<void()> todayAction;         // the "배달&TAKE" button's action
    std::function<void(const QString &title)> showProgress;  // synchronization's progress window
    std::function<void()> closeProgress;
};

// The data timer's sequence after the login.
void RunStartupSequence(const QString &userClass, const ReferenceLoaderTable &table, const SequenceWindow &window);

// Which reception windows are open (shown); the reception host implements it.
class IReceptionWindows
{
public:
    virtual ~IReceptionWindows() = default;
    virtual bool anyDeliveryOpen() const = 0;
    virtual bool deliveryModifyOpen() const = 0;
    virtual bool anyQuickOpen() const = 0;
    virtual bool quickModifyOpen() const = 0;
};

// True when no reception window is open; otherwise tells the user which kind to close first.
bool func_CheckAccepWindow(const IReceptionWindows *windows);

// The synchronization ("동기화"); refused while a reception window is open (partType 0).
// Polling stops for its duration and always resumes after it.
void proc_ReInitialization(int iPartType, const QString &userClass, const ReferenceLoaderTable &table,
                           const SequenceWindow &window, const IReceptionWindows *receptions);
