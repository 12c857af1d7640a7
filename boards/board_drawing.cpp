#include "boards/board_drawing.h"

#include "grid/grid_table_model.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

namespace
{
const QString kCash = QStringLiteral("현금");

int statusNumber(const QString &status)
{
    return TextToIntDef(status.trimmed(), 1001);
}

// Text colour and font shared by the three grids: a card-approval kind colours the text (12
// approval cancelled and 22 receipt cancelled in the cancel colour), cash orders are bold.
void applyTextRules(BoardCellLook &look, const BoardRowCells &cells, quint32 cancelColour, quint32 otherColour)
{
    const QString tran = cells.tranType.trimmed();
    if (!tran.isEmpty()) {
        const int kind = TextToIntDef(tran, 11);
        look.hasText = true;
        look.text = (kind == 12 || kind == 22) ? cancelColour : otherColour;
    }
    look.hasFont = true;
    look.bold = cells.payType == kCash;
}

bool lowAccuracyDelivery(const BoardRowCells &cells)
{
    return cells.takeoutYn == QLatin1String("N") && TextToIntDef(cells.xyAccType.trimmed(), 1) == 3;
}

quint32 liveBackground(int status, const BoardColours &c)
{
    switch (status) {
    case 1001: return c.statusColour(1001);
    case 1002: return c.statusColour(1002);
    case 1007: return kStatus1007Rgb;
    case 2001:
    case 2002: return c.statusColour(2001);
    case 3001: return c.statusColour(3001);
    case 3003: return c.statusColour(3003);
    case 4001: return c.statusColour(4001);
    case 4002: return c.statusColour(4002);
    case 4003: return c.statusColour(4003);
    default: return c.normalB;
    }
}

quint32 storeBackground(int status, const BoardColours &c)
{
    switch (status) {
    case 1001: return c.statusColour(1001);
    case 1002:
    case 1007: return c.statusColour(1002);
    case 2001:
    case 2002: return c.statusColour(2001);
    case 3001: return c.statusColour(3001);
    case 3003: return c.statusColour(3003);
    case 4001: return c.statusColour(4001);
    case 4002: return c.statusColour(4002);
    case 4003: return c.statusColour(4003);
    default: return 0xFFFFFF;
    }
}
} // namespace

void BoardColours::takeUserColours(const TUSER_SET &set)
{
    normalB = set.ColorNormalB & 0xFFFFFF;
    normalF = set.ColorNormalF & 0xFFFFFF;
    stNoChkB = set.ColorOrdStNoChkB & 0xFFFFFF;
    stNoChkF = set.ColorOrdStNoChkF & 0xFFFFFF;
    dvryNoAddrB = set.ColorOrdDvryNoAddrB & 0xFFFFFF;
    cardCancelF = set.ColorOrdCardCancelF & 0xFFFFFF;
}

void BoardColours::setStatusColour(const QString &key, TColor colour)
{
    static const int kTags[] = {1001, 2001, 3001, 3003, 4001, 1002, 4002, 4003};
    if (!key.startsWith(QLatin1String("CB_")))
        return;
    bool ok = false;
    const int tag = key.mid(3).toInt(&ok);
    if (!ok)
        return;
    for (int t : kTags)
        if (t == tag)
            status.insert(tag, RgbOfTColor(colour));
}

quint32 BoardColours::statusColour(int tag) const
{
    return status.value(tag, 0xFFFFFF);
}

quint32 RgbOfTColor(TColor colour)
{
    if (IsSystemColor(colour)) {
        switch (SystemColorIndex(colour)) {
        case 5: return 0xFFFFFF;  // window
        case 8: return 0x000000;  // window text
        case 15: return 0xF0F0F0; // button face
        default: return 0xFFFFFF;
        }
    }
    return (quint32(ColorRed(colour)) << 16) | (quint32(ColorGreen(colour)) << 8) | quint32(ColorBlue(colour));
}

const BoardLookColumns &BoardLookColumnsOf(BoardGrid grid)
{
    static const BoardLookColumns live{
        QStringLiteral("CTV_MAIN_STATUS_CD"),  QStringLiteral("CTV_MAIN_ORD_PATH_CD"),
        QStringLiteral("CTV_MAIN_ARR_TIME"),   QStringLiteral("CTV_MAIN_ORD_DATE2"),
        QStringLiteral("CTV_MAIN_TAKEOUT_YN"), QStringLiteral("CTV_MAIN_XY_ACC_TYPE"),
        QStringLiteral("CTV_MAIN_TRAN_TYPE"),  QStringLiteral("CTV_MAINPAY_TYPE_CD"),
    };
    static const BoardLookColumns completed{
        QStringLiteral("CTV_MAIN_COMP_STATUS_CD"),  QString(), QString(), QString(),
        QStringLiteral("CTV_MAIN_COMP_TAKEOUT_YN"), QStringLiteral("CTV_MAIN_COMP_XY_ACC_TYPE"),
        QStringLiteral("CTV_MAIN_COMP_TRAN_TYPE"),  QStringLiteral("CTV_MAIN_COMP_PAY_TYPE_CD"),
    };
    static const BoardLookColumns store{
        QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"), QString(), QString(), QString(), QString(), QString(),
        QStringLiteral("CTV_TAKEOUT_CHARGE_HISTORY"), QStringLiteral("CTV_TAKEOUT_PAY_TYPE_CD"),
    };
    switch (grid) {
    case BoardGrid::Live: return live;
    case BoardGrid::Completed: return completed;
    case BoardGrid::StoreOrders: break;
    }
    return store;
}

BoardLookIndexes BoardLookIndexesOf(const GridTableModel &model, BoardGrid grid)
{
    const BoardLookColumns &n = BoardLookColumnsOf(grid);
    const auto at = [&](const QString &name) { return name.isEmpty() ? -1 : model.columnIndex(name); };
    BoardLookIndexes i;
    i.status = at(n.status);
    i.orderPath = at(n.orderPath);
    i.arrTime = at(n.arrTime);
    i.orderDate2 = at(n.orderDate2);
    i.takeoutYn = at(n.takeoutYn);
    i.xyAccType = at(n.xyAccType);
    i.tranType = at(n.tranType);
    i.payType = at(n.payType);
    return i;
}

BoardRowCells BoardRowCellsAt(const GridTableModel &model, int record, const BoardLookIndexes &at)
{
    const int columns = model.columnCount();
    const auto raw = [&](int c) {
        return c < 0 || c >= columns ? QString() : model.recordValue(record, c).toString();
    };
    BoardRowCells cells;
    if (record < 0 || record >= model.recordCount())
        return cells;
    cells.status = raw(at.status);
    cells.orderPath = raw(at.orderPath);
    cells.arrTime = raw(at.arrTime);
    cells.orderDate2 = raw(at.orderDate2);
    cells.takeoutYn = raw(at.takeoutYn);
    cells.xyAccType = raw(at.xyAccType);
    cells.tranType = raw(at.tranType);
    // The pay type is read as the grid shows it (a code column shows its name).
    cells.payType = at.payType < 0 || at.payType >= columns ? QString() : model.displayText(record, at.payType);
    return cells;
}

BoardRowCells BoardRowCellsOf(const GridTableModel &model, int record, BoardGrid grid)
{
    return BoardRowCellsAt(model, record, BoardLookIndexesOf(model, grid));
}

bool IsWaitingAppOrder(const BoardRowCells &cells, qint64 nowSecs)
{
    if (cells.orderPath != QLatin1String("1016") || !cells.arrTime.isEmpty())
        return false;
    bool ok = false;
    const QDateTime taken = ParseFmtDateTime(cells.orderDate2.trimmed(), &ok);
    if (!ok)
        return false;
    return nowSecs - taken.toSecsSinceEpoch() > 10;
}

BoardCellLook BoardRowLook(BoardGrid grid, const BoardRowCells &cells, const BoardColours &colours,
                           qint64 nowSecs, bool selected)
{
    BoardCellLook look;
    if (selected)
        return look;
    const int status = statusNumber(cells.status);
    look.hasBackground = true;

    switch (grid) {
    case BoardGrid::Live: {
        look.background = liveBackground(status, colours);
        if (status == 1001 && IsWaitingAppOrder(cells, nowSecs)) {
            look.background = colours.stNoChkB;
            look.waitingAppOrder = true;
        }
        if (!look.waitingAppOrder && lowAccuracyDelivery(cells))
            look.background = colours.dvryNoAddrB;
        if (look.waitingAppOrder) {
            look.hasText = true;
            look.text = colours.stNoChkF;
        } else {
            applyTextRules(look, cells, colours.cardCancelF, colours.normalF);
        }
        break;
    }
    case BoardGrid::Completed: {
        quint32 background = 0x000000;
        if (lowAccuracyDelivery(cells))
            background = colours.dvryNoAddrB;
        // Only a pure red uncertain-address colour survives the status colour in this grid.
        if (background != 0xFF0000) {
            switch (status) {
            case 4001: background = colours.statusColour(4001); break;
            case 4002: background = colours.statusColour(4002); break;
            case 4003: background = colours.statusColour(4003); break;
            default: background = colours.normalB; break;
            }
        }
        look.background = background;
        applyTextRules(look, cells, colours.cardCancelF, colours.normalF);
        break;
    }
    case BoardGrid::StoreOrders:
        look.background = storeBackground(status, colours);
        applyTextRules(look, cells, 0xFF0000, 0x000000);
        break;
    }
    return look;
}

QString BoardCellHint(const QString &columnName, const QString &cellText)
{
    if (columnName == QLatin1String("CTV_MAIN_ORD_MEMO") || columnName == QLatin1String("CTV_MAIN_COMP_ORD_MEMO"))
        return cellText;
    return QString();
}
