#include "reference/reference_sequence.h"

#include "reference/address_loaders.h"
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"
#include "records/session_records.h"
#include "settings/address_region.h"

namespace
{
// Steps whose owners are not part of the program yet (the order boards' set-up).
void notBuiltYet() {}
} // namespace

ReferenceLoaderTable DefaultReferenceLoaders()
{
    using namespace RefStep;
    ReferenceLoaderTable t;
    auto bind = [&t](const char *name, ReferenceLoader f) { t.insert(QString::fromLatin1(name), std::move(f)); };
    bind(kSysCode, proc_syscode);
    bind(kO3List, procO3List);
    bind(kHdList, proc_HdList);
    bind(kBrList, proc_BrList);
    bind(kDvryOutList, proc_Dvry_Out_List);
    bind(kStList, proc_StList);
    bind(kTelList, proc_Load_TelList);
    bind(kWkTelList, proc_Load_WkTelList);
    bind(kMyWorkList, GetMyWorkList);
    bind(kPtList, procPTList);
    bind(kShareList, proc_Share_List);
    bind(kComCsCode, proc_Com_CS_Code);
    bind(kConfigAddrInfo, [] { LoadAddrArea(G_USER_INFO.GUBUN); });
    bind(kGoodsGroup, proc_Goods_group);
    bind(kLoadAddr, [] { proc_Load_Addr(); });
    bind(kSysAddr, proc_Sys_Addr);
    // The board set-up belongs to the today's-orders screen; the status bar, notices and stored
    // messages to the main window, which binds them over these.
    for (const char *name : {kPastBranches, kBoardBrName, kBoardBrCode, kBoardDvryType, kMainBrName, kMainBrCode,
                             kDvryBrSelectAdd, kSavedBranches, kBrStCodes, kBoardBrSt, kBoardBrChange,
                             kDvryBrWkCount, kFilter, kDvryList, kReInitBoardLists, kSetStat, kNoticeInfo,
                             kLoadMessage})
        bind(name, notBuiltYet);
    return t;
}
