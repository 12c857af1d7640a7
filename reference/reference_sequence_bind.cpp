#include "reference/reference_sequence.h"

#include "reference/address_loaders.h"
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"
#include "common/screen_placeholders.h"
#include "records/session_records.h"
#include "settings/address_region.h"

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
    // The past-orders screen's branch list belongs to the order history, not built yet.
    bind(kPastBranches, ScreenPlaceholder(LaterScreen::kHistory, QString::fromLatin1(kPastBranches)));
    // The board set-up belongs to the today's-orders screen and the side panels, the status bar,
    // notices and stored messages to the main window: they bind their steps into the table.
    return t;
}
