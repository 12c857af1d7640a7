#include "store/goods_group_edit.h"

#include "common/program_globals.h"

namespace
{
void appendGroupEntryOnce(QStringList &list, const QString &no)
{
    if (!list.contains(no))
        list << no;
}

QStringList withoutGroupDuplicates(const QStringList &list)
{
    QStringList out;
    for (const QString &s : list)
        appendGroupEntryOnce(out, s);
    return out;
}
} // namespace

QString GoodsGroupTypeName(const QString &type)
{
    static const QStringList names = {QStringLiteral("매장판매상품"), QString(), QStringLiteral("배달주문상품"),
                                      QStringLiteral("상품통계용"), QStringLiteral("프린터용")};
    bool ok = false;
    const int t = type.toInt(&ok);
    return ok && t >= 1 && t <= names.size() ? names.at(t - 1) : QString();
}

bool ApplyGoodsGroupChange(QList<GoodsGroupRow> &rows, const QString &status, const QString &no, const QString &name,
                           const QString &type)
{
    if (status == QLatin1String("1")) {
        GoodsGroupRow row;
        row.name = name;
        row.type = type;
        row.marker = QStringLiteral("1");
        row.no = QStringLiteral("N") + QString::number(rows.size());
        rows << row;
        return false;
    }
    int r = -1;
    for (int i = 0; i < rows.size() && r < 0; ++i)
        if (rows.at(i).no == no)
            r = i;
    if (r < 0)
        return false;
    GoodsGroupRow &row = rows[r];
    if (status == QLatin1String("2")) {
        if (row.name == name && row.type == type)
            return false;
        if (row.marker != QLatin1String("1") && row.marker != QLatin1String("3"))
            row.marker = QStringLiteral("2");
        row.name = name;
        row.type = type;
    } else if (status == QLatin1String("3")) {
        if (row.marker == QLatin1String("1")) {
            rows.removeAt(r);
            return true;
        }
        row.marker = QStringLiteral("3");
    } else if (status == QLatin1String("4")) {
        if (row.marker == QLatin1String("3"))
            row.marker = QStringLiteral("2");
    }
    return false;
}

void AddGoodsToGroup(GoodsGroupRow &row, const QString &goodsNo)
{
    if (GoodsGroupShownGoods(row).contains(goodsNo))
        return;
    if (!row.sort.isEmpty())
        row.sort << goodsNo;
    if (row.orig.contains(goodsNo))
        row.del.removeAll(goodsNo);
    else
        appendGroupEntryOnce(row.add, goodsNo);
}

void RemoveGoodsFromGroup(GoodsGroupRow &row, const QString &goodsNo)
{
    row.sort.removeAll(goodsNo);
    if (row.orig.contains(goodsNo))
        appendGroupEntryOnce(row.del, goodsNo);
    else
        row.add.removeAll(goodsNo);
}

QStringList GoodsGroupShownGoods(const GoodsGroupRow &row)
{
    if (!row.sort.isEmpty())
        return row.sort;
    QStringList out = row.orig + row.add;
    for (const QString &d : row.del)
        out.removeOne(d);
    return out;
}

QStringList GoodsGroupSaveEntries(const GoodsGroupRow &row)
{
    QStringList out;
    if (!row.sort.isEmpty()) {
        out = withoutGroupDuplicates(row.sort);
    } else {
        out = withoutGroupDuplicates(row.orig + row.add);
        for (const QString &d : row.del)
            out.removeAll(d);
    }
    if (out.isEmpty())
        out << QString::fromLatin1(kGoodsGroupOnlyDelete);
    return out;
}

QString GoodsGroupOwner(const QString &type, const QString &stCode, const QString &masterStCode)
{
    const bool master = type == QLatin1String("4") || type == QLatin1String("5");
    return master && !masterStCode.isEmpty() ? masterStCode : stCode;
}

QString GoodsGroupSavePayload(const GoodsGroupRow &row, const QString &owner, const QString &userId, int position)
{
    const QString no = row.no.startsWith(QLatin1Char('N')) ? QString() : row.no;
    const QString status = row.marker == QLatin1String("3") ? QStringLiteral("0") : QStringLiteral("1");
    return JoinRequestFields({owner, userId, row.name, no, status, row.type, QString::number(position)});
}

QString GoodsGroupGoodsPayload(const GoodsGroupRow &row, const QString &owner, int *rowCount)
{
    QString out;
    int n = 0;
    const QStringList entries = GoodsGroupSaveEntries(row);
    for (int k = 0; k < entries.size(); ++k) {
        const QString e = entries.at(k).trimmed();
        if (e.isEmpty())
            continue;
        const QString goods = e == QLatin1String(kGoodsGroupOnlyDelete) ? QString() : e;
        out += JoinRequestFields({row.no, n == 0 ? QStringLiteral("0") : QStringLiteral("1"), goods,
                                  QString::number(k), owner});
        ++n;
    }
    *rowCount = n;
    return out;
}

QString GoodsOrderPayload(const QString &stCode, const QStringList &goodsNos, const QString &userId)
{
    QString out;
    for (int i = 0; i < goodsNos.size(); ++i)
        out += JoinRequestFields({stCode, goodsNos.at(i), QString::number(i), userId});
    return out;
}

QString AddGoodsSavePayload(const QString &stCode, const QString &goodsNo, const QList<AddGoodsChoice> &rows,
                            int *rowCount)
{
    QString out;
    int n = 0;
    for (const AddGoodsChoice &c : rows) {
        if (!c.ticked && c.ticked == c.loaded)
            continue;
        out += JoinRequestFields({stCode, c.ticked ? QStringLiteral("1") : QStringLiteral("0"), goodsNo, c.goodsNo,
                                  QString::number(n)});
        ++n;
    }
    *rowCount = n;
    return out;
}

int AddGoodsPendingCount(const QList<AddGoodsChoice> &rows)
{
    int n = 0;
    for (const AddGoodsChoice &c : rows)
        n += c.ticked != c.loaded ? 1 : 0;
    return n;
}
