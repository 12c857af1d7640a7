#include "main/reference_sequence.h"

#include "records/session_records.h"
#include "settings/address_region.h"

namespace
{
// Steps whose owners (the order boards, notices and messages) are not part of the program yet.
void notBuiltYet() {}
} // namespace

ReferenceLoaderTable DefaultReferenceLoaders()
{
    using namespace RefStep;
    ReferenceLoaderTable t;
    auto bind = [&t](const char *name, ReferenceLoader f) { t.insert(QString::fromLatin1(name), std::move(f)); };
    for (const char *name : {kSysCode, kO3List, kHdList, kBrList, kDvryOutList, kStList, kGoodsGroup, kLoadAddr,
                             kSysAddr, kTelList, kWkTelList, kMyWorkList, kPtList, kShareList, kComCsCode})
        bind(name, notBuiltYet);
    bind(kConfigAddrInfo, [] { LoadAddrArea(G_USER_INFO.GUBUN); });
    for (const char *name : {kPastBranches, kBoardBrName, kBoardBrCode, kBoardDvryType, kMainBrName, kMainBrCode,
                             kDvryBrSelectAdd, kSavedBranches, kBrStCodes, kBoardBrSt, kBoardBrChange,
                             kDvryBrWkCount, kFilter, kDvryList, kReInitBoardLists, kSetStat, kNoticeInfo,
                             kLoadMessage})
        bind(name, notBuiltYet);
    return t;
}
