#pragma once

#include <QString>
#include <QStringList>

// Goods groups and the per-store goods cache, loaded from the server into G_ST_LIST.

inline constexpr char kGoodsGroupCode[] = "CS00_05_V01";

// Goods groups of every store of the session (start-up and re-initialization, after the store
// list): appends each store's groups after its default group and rebuilds the printer groups.
void proc_Goods_group();
// Goods groups of one store (after its record was loaded); printer groups are added to.
void proc_GetStGoods_group(const QString &stCode);
// The goods of one store, once per run: a store whose sync mark is set is not asked again unless
// `clear` forces a reload, which empties the store's goods first (its groups stay, with their
// goods copies emptied, so the reply's group rows find their groups again).
void proc_Goods2(const QString &stCode, bool clear);

// The pure step of the group loaders: merges the reply pages into G_ST_LIST (and G_GRP_PRINT).
// `rebuildPrinterGroups` empties G_GRP_PRINT before the first page.
void ParseGoodsGroups(const QStringList &pages, bool rebuildPrinterGroups);
