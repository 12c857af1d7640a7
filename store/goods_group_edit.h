#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The goods groups of one store as the groups tab edits them before "저장": each row carries its
// pending change (marker "0" unchanged, "1" added, "2" changed, "3" deleted) and the goods lists
// of its contents.

inline constexpr char kGoodsGroupSaveCode[] = "CS05_05_V01";
inline constexpr char kGoodsGroupGoodsCode[] = "CS05_06_V02";
inline constexpr char kGoodsOrderCode[] = "CS05_08_V01";
inline constexpr char kGoodsGroupOnlyDelete[] = "ONLY_DELETE";

struct GoodsGroupRow
{
    QString name;
    QString no;       // "N<record>" for a group added since the store was chosen
    QString marker = QStringLiteral("0");
    QString type;     // use type "1".."5"
    QStringList orig; // goods the group holds in the cache
    QStringList add;
    QStringList del;
    QStringList sort; // the group's goods in their moved order, when moved
    bool pending() const { return marker != QLatin1String("0") || !add.isEmpty() || !del.isEmpty() || !sort.isEmpty(); }
};

// The use-type name of a group kind ("" for kinds without one).
QString GoodsGroupTypeName(const QString &type);

// A group added ("1"), changed ("2"), deleted ("3") or restored ("4"). Returns true when a row
// was removed (a deleted group that was never saved).
bool ApplyGoodsGroupChange(QList<GoodsGroupRow> &rows, const QString &status, const QString &no, const QString &name,
                           const QString &type);

// Adding goods to a group and removing them: the added and removed lists stay the difference to
// what the group held.
void AddGoodsToGroup(GoodsGroupRow &row, const QString &goodsNo);
void RemoveGoodsFromGroup(GoodsGroupRow &row, const QString &goodsNo);
// The goods the group shows: its moved order, else what it held and what was added, without the
// removed ones.
QStringList GoodsGroupShownGoods(const GoodsGroupRow &row);
// The entries "저장" sends for the group's contents (duplicates dropped; "ONLY_DELETE" when the
// group ends up empty).
QStringList GoodsGroupSaveEntries(const GoodsGroupRow &row);

// Payloads. The owner is the master store for kinds "4" and "5", else the store.
QString GoodsGroupOwner(const QString &type, const QString &stCode, const QString &masterStCode);
QString GoodsGroupSavePayload(const GoodsGroupRow &row, const QString &owner, const QString &userId, int position);
// Batch rows of the group's contents (five fields each); *rowCount gets their number.
QString GoodsGroupGoodsPayload(const GoodsGroupRow &row, const QString &owner, int *rowCount);
// Batch rows of the display order of all goods (four fields each).
QString GoodsOrderPayload(const QString &stCode, const QStringList &goodsNos, const QString &userId);

// The additional goods of a product: one candidate row of the dialog.
struct AddGoodsChoice
{
    QString goodsNo;
    bool ticked = false;
    bool loaded = false; // ticked when the dialog was loaded
};
// Batch rows of "CS05_07_V01": every ticked row, and every unticked one that was ticked when
// loaded; *rowCount gets their number (0: nothing to send).
QString AddGoodsSavePayload(const QString &stCode, const QString &goodsNo, const QList<AddGoodsChoice> &rows,
                            int *rowCount);
// The number of rows whose tick differs from the loaded state (the dialog's pending changes).
int AddGoodsPendingCount(const QList<AddGoodsChoice> &rows);
