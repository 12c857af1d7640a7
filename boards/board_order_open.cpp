#include "boards/board_order_open.h"

#include "grid/grid_table_model.h"
#include "text/text_helpers.h"

#include <cmath>

namespace
{
QString prefixOf(BoardGrid grid)
{
    switch (grid) {
    case BoardGrid::Live: return QStringLiteral("CTV_MAIN_");
    case BoardGrid::Completed: return QStringLiteral("CTV_MAIN_COMP_");
    case BoardGrid::StoreOrders: break;
    }
    return QStringLiteral("CTV_TAKEOUT_");
}

// The day number written as decimal text whatever the cell holds (a number or its text).
QString decimalText(const QVariant &value)
{
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::abs(d) > 2e9)
        return value.toString().trimmed();
    return QString::number(qint64(d));
}
} // namespace

QString BoardCellText(const GridTableModel &model, int record, const QString &columnName)
{
    const int c = model.columnIndex(columnName);
    if (c < 0 || record < 0 || record >= model.recordCount())
        return QString();
    return model.recordValue(record, c).toString();
}

QString BoardOrderNoColumn(BoardGrid grid)
{
    return grid == BoardGrid::StoreOrders ? QStringLiteral("CTV_TAKEOUT_ORD_NO") : prefixOf(grid) + QStringLiteral("ORD_NO");
}

QString BoardStatusColumn(BoardGrid grid)
{
    return BoardLookColumnsOf(grid).status;
}

QString BoardCheckColumn(BoardGrid grid)
{
    return grid == BoardGrid::StoreOrders ? QString() : prefixOf(grid) + QStringLiteral("CHK");
}

BoardOrderOpen DecideBoardOrderOpen(BoardGrid grid, const GridTableModel &model, int record)
{
    BoardOrderOpen open;
    if (record < 0 || record >= model.recordCount())
        return open;
    const QString p = prefixOf(grid);
    const auto cell = [&](const QString &name) { return BoardCellText(model, record, name); };
    open.ordNo = cell(BoardOrderNoColumn(grid));
    open.status = cell(BoardStatusColumn(grid));
    if (grid == BoardGrid::StoreOrders) {
        open.dayNo = cell(QStringLiteral("CTV_TAKEOUT_ORD_TODAY_ALL_NO"));
        open.storeCode = cell(QStringLiteral("CTV_TAKEOUT_ORD_ST_CODE"));
        open.orderType = QStringLiteral("2");
        open.kind = BoardOrderOpen::Modify;
        return open;
    }
    const int dayColumn = model.columnIndex(p + QStringLiteral("TODAY_ALL_NO"));
    open.dayNo = dayColumn < 0 ? QString() : decimalText(model.recordValue(record, dayColumn));
    open.storeCode = cell(p + QStringLiteral("ORD_ST_CODE"));
    if (grid == BoardGrid::Live)
        open.shareGroup = cell(QStringLiteral("CTV_MAIN_SHARE_GROUP"));
    const QString kind = cell(p + QStringLiteral("TYPE_CD")).trimmed();
    if (kind == QLatin1String("1001") || kind == QLatin1String("1002") || kind == QLatin1String("1003"))
        open.kind = BoardOrderOpen::Modify;
    else if (kind == QLatin1String("1004") || kind == QLatin1String("1005") || kind == QLatin1String("1006")
             || kind == QLatin1String("1007"))
        open.kind = BoardOrderOpen::ModifyQuick;
    if (open.kind == BoardOrderOpen::ModifyQuick)
        open.shareGroup.clear();
    return open;
}
