#include "boards/order_board_columns.h"

#include <array>

namespace
{
struct BoardColumnDef
{
    BoardCol::Id id;
    const char *idText;
    const char *caption;
    GridValueType liveType;
    GridValueType compType;
    int liveTag;
    int compTag;
    bool inComp;
    BoardLookup lookup;
    const char *format;
};

constexpr GridValueType Text = GridValueType::Text;
constexpr GridValueType Integer = GridValueType::Integer;
constexpr GridValueType Float = GridValueType::Float;

const BoardColumnDef kDefs[] = {
#define CD_BOARD_COL_DEF(id, caption, liveType, compType, liveTag, compTag, inComp, lookup, format) \
    {BoardCol::id, #id, caption, liveType, compType, liveTag, compTag, inComp, BoardLookup::lookup, format},
    CD_BOARD_COLUMNS(CD_BOARD_COL_DEF)
#undef CD_BOARD_COL_DEF
};
static_assert(std::size(kDefs) == BoardCol::kCount);

QString liveName(const BoardColumnDef &d)
{
    // The pay-type column of the live board lost its underscore long ago; saved layouts know it
    // under that name.
    if (d.id == BoardCol::PAY_TYPE_CD)
        return QStringLiteral("CTV_MAINPAY_TYPE_CD");
    return QStringLiteral("CTV_MAIN_") + QLatin1String(d.idText);
}

QString compName(const BoardColumnDef &d)
{
    if (!d.inComp)
        return {};
    if (d.id == BoardCol::DRVY_CNT)
        return QStringLiteral("CTV_MAIN_COMP_DVRY_CNT");
    if (d.id == BoardCol::DRVY_TYPE_CD)
        return QStringLiteral("CTV_MAIN_COMP_DVRY_TYPE_CD");
    return QStringLiteral("CTV_MAIN_COMP_") + QLatin1String(d.idText);
}

QString caption(const BoardColumnDef &d, OrderBoard board)
{
    if (board == OrderBoard::Completed && d.id == BoardCol::CASHCANCLE)
        return QStringLiteral("정산취소여부");
    return QString::fromUtf8(d.caption);
}

QHash<QString, QString> fixedLookup(BoardLookup kind)
{
    switch (kind) {
    case BoardLookup::TranType:
        return {{QStringLiteral("11"), QStringLiteral("신용승인")},
                {QStringLiteral("12"), QStringLiteral("승인취소")},
                {QStringLiteral("21"), QStringLiteral("현금영수증")},
                {QStringLiteral("22"), QStringLiteral("영수증취소")}};
    case BoardLookup::Service:
        return {{QStringLiteral("N"), QStringLiteral("배달")}, {QStringLiteral("Y"), QStringLiteral("테이크아웃")}};
    case BoardLookup::MngType:
        return {{QStringLiteral("1"), QStringLiteral("내그룹(미공유)")},
                {QStringLiteral("2"), QStringLiteral("타그룹(공유)")},
                {QStringLiteral("3"), QStringLiteral("타소속")}};
    case BoardLookup::XyAccuracy:
        return {{QStringLiteral("1"), QStringLiteral("높음")},
                {QStringLiteral("2"), QStringLiteral("중간")},
                {QStringLiteral("3"), QStringLiteral("낮음")}};
    case BoardLookup::PickupReady:
        return {{QStringLiteral("1"), QStringLiteral("포장완료")}};
    default:
        return {};
    }
}

QHash<QString, QString> lookupOf(BoardLookup kind, const BoardColumnLookups &l)
{
    switch (kind) {
    case BoardLookup::Status: return l.status;
    case BoardLookup::OrderKind: return l.orderKind;
    case BoardLookup::OrderPath: return l.orderPath;
    case BoardLookup::DeliveryGroup: return l.deliveryGroup;
    case BoardLookup::PosPath: return l.posPath;
    case BoardLookup::VanKind: return l.vanKind;
    case BoardLookup::DvryCount: return l.dvryCount;
    default: return fixedLookup(kind);
    }
}

struct BoardTables
{
    QList<BoardColumnInfo> infos;
    std::array<int, BoardCol::kCount> index{};
};

BoardTables build(OrderBoard board)
{
    BoardTables t;
    t.index.fill(-1);
    for (const BoardColumnDef &d : kDefs) {
        const bool live = board == OrderBoard::Live;
        if (!live && !d.inComp)
            continue;
        BoardColumnInfo info;
        info.id = d.id;
        info.name = live ? liveName(d) : compName(d);
        info.tag = live ? d.liveTag : d.compTag;
        info.format = QString::fromUtf8(d.format);
        info.lookup = d.lookup;
        t.index[size_t(d.id)] = int(t.infos.size());
        t.infos.append(info);
    }
    return t;
}

const BoardTables &tables(OrderBoard board)
{
    static const BoardTables live = build(OrderBoard::Live);
    static const BoardTables comp = build(OrderBoard::Completed);
    return board == OrderBoard::Live ? live : comp;
}
} // namespace

QHash<QString, QString> BoardLookupNames(BoardLookup kind, const BoardColumnLookups &lookups)
{
    return lookupOf(kind, lookups);
}

QString BoardColumnName(OrderBoard board, BoardCol::Id id)
{
    const int i = BoardColumnIndex(board, id);
    return i < 0 ? QString() : tables(board).infos.at(i).name;
}

const QList<BoardColumnInfo> &BoardColumnInfos(OrderBoard board)
{
    return tables(board).infos;
}

int BoardColumnIndex(OrderBoard board, BoardCol::Id id)
{
    if (id < 0 || id >= BoardCol::kCount)
        return -1;
    return tables(board).index[size_t(id)];
}

int BoardColumnTag(OrderBoard board, int column)
{
    const QList<BoardColumnInfo> &infos = tables(board).infos;
    return column >= 0 && column < infos.size() ? infos.at(column).tag : 0;
}

QStringList BoardInternalColumnNames(OrderBoard board)
{
    QStringList names;
    for (const BoardColumnInfo &info : tables(board).infos)
        if (info.tag == 1)
            names.append(info.name);
    return names;
}

QList<GridColumn> BoardColumns(OrderBoard board, const BoardColumnLookups &lookups, const BoardCaptionWords &words)
{
    QList<GridColumn> columns;
    columns.reserve(tables(board).infos.size());
    for (const BoardColumnDef &d : kDefs) {
        if (board == OrderBoard::Completed && !d.inComp)
            continue;
        GridColumn c;
        c.name = board == OrderBoard::Live ? liveName(d) : compName(d);
        c.caption = caption(d, board);
        if (d.id == BoardCol::PAY_MILEAGE && !words.money.isEmpty())
            c.caption = words.money;
        else if (d.id == BoardCol::DVRY_AMT && !words.fee.isEmpty())
            c.caption = words.fee;
        else if (d.id == BoardCol::MNG_FEE && !words.commission.isEmpty())
            c.caption = words.commission;
        c.type = board == OrderBoard::Live ? d.liveType : d.compType;
        c.lookup = lookupOf(d.lookup, lookups);
        columns.append(c);
    }
    return columns;
}
