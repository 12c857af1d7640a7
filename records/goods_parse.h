#pragma once

#include <QString>
#include <QStringList>

struct TST_GOODS_GROUP_LIST;
class ReplyRow;

// Merging goods replies into the goods cache of the store entries of G_ST_LIST.
//
// Both parsers merge: a row whose key is cached overwrites that entry (or, with status "0", only
// marks it deleted: DATA_STATUS "0", ST_CODE ""), a new key appends an entry. Nothing cached is
// ever removed, except the additional goods of a goods item that is stored again.
//
// Sections of a reply page: "OUT_ROW1" goods, "OUT_ROW2" (group, goods) pairs, "OUT_ROW3" options
// and additional goods. A row too short to read is skipped with a log line and the rest of the
// reply is still merged.

inline constexpr char kGoodsSyncCode[] = "CS00_06_V04";
inline constexpr char kGoodsDetailCode[] = "CS05_01_V02";

// The pages of the goods load of one store; every row goes into the store at index `row` of
// G_ST_LIST. The first page's non-blank "OUT_VAL" becomes the store's GOODS_SYNC_DT.
void ParseGoodsSync(const QStringList &pages, int row);

// The pages of the goods-detail request: rows are "C_0".. objects, each naming its store in
// "C_0"; rows of stores not in G_SL_ST_CODE are dropped. A non-blank "OUT_VAL" is written into the
// mark of the next store whose run of rows starts.
void ParseGoodsDetail(const QStringList &pages);

// One goods-group row of the group load ("C_0".."C_4") into a new group.
void FillGoodsGroupRow(TST_GOODS_GROUP_LIST &group, const ReplyRow &row);
