#include "reception/menu_board_filter.h"

#include "reception/order_items.h"
#include "records/reference_records.h"

#include <QStringList>

namespace {

const qint64 kMenuBandMin = -99999999;
const qint64 kMenuBandMax = 999999999;

bool menuBoardNoExtras(const TGOODS_LIST &g)
{
    return g.OP1.isEmpty() && g.OP2.isEmpty() && g.OP3.isEmpty() && g.OP4.isEmpty() && g.ADD.isEmpty() &&
           g.OPTION_1_CNT.toInt() == 0 && g.OPTION_2_CNT.toInt() == 0 && g.OPTION_3_CNT.toInt() == 0 &&
           g.OPTION_4_CNT.toInt() == 0 && g.ADD_GOODS_CNT.toInt() == 0;
}

} // namespace

const QStringList &MenuPriceClassTexts()
{
    static const QStringList texts{QStringLiteral("전체"),        QStringLiteral("5천원이하"), QStringLiteral("1만원이하"),
                                   QStringLiteral("1만5천원이하"), QStringLiteral("2만원이하"), QStringLiteral("3만원이하"),
                                   QStringLiteral("4만원이하"),    QStringLiteral("4만원초과")};
    return texts;
}

MenuPriceBand MenuPriceBandOf(int chargeIndex)
{
    // Each class starts where the one before it ends, so no price falls between two classes.
    switch (chargeIndex) {
    case 1: return {-1, 5000};
    case 2: return {5000, 10000};
    case 3: return {10000, 15000};
    case 4: return {15000, 20000};
    case 5: return {20000, 30000};
    case 6: return {30000, 40000};
    case 7: return {40000, kMenuBandMax};
    default: return {kMenuBandMin, kMenuBandMax};
    }
}

const QStringList &MenuConsonantCaptions()
{
    static const QStringList captions{QStringLiteral("전체"),  QStringLiteral("ㄱ-ㄴ"), QStringLiteral("ㄷ-ㄹ"),
                                      QStringLiteral("ㅁ-ㅂ"), QStringLiteral("ㅅ-ㅇ"), QStringLiteral("ㅈ-ㅊ"),
                                      QStringLiteral("ㅋ-ㅌ"), QStringLiteral("ㅍ-ㅎ"), QStringLiteral("기타")};
    return captions;
}

bool MenuConsonantPasses(int tag, const QString &initialKey)
{
    static const QStringList ranges{QString(),          QStringLiteral("ㄱ-ㄴ"), QStringLiteral("ㄷ-ㄹ"),
                                    QStringLiteral("ㅁ-ㅃ"), QStringLiteral("ㅅ-ㅇ"), QStringLiteral("ㅈ-ㅊ"),
                                    QStringLiteral("ㅋ-ㅌ"), QStringLiteral("ㅍ-ㅎ")};
    QString from, to;
    if (tag >= 1 && tag <= 7) {
        from = ranges.at(tag).mid(0, 1);
        to = ranges.at(tag).mid(2, 1);
    } else if (tag == 8) {
        from = QStringLiteral("ㅎ");
        to = QStringLiteral("ㄱ");
    } else {
        return true;
    }
    if (from < to)
        return from <= initialKey && initialKey <= to;
    return initialKey < to && !(initialKey > from);
}

QList<MenuBoardTile> BuildMenuBoard(const TST_LIST &store, const MenuBoardFilter &filter)
{
    QList<MenuBoardTile> tiles;
    const MenuPriceBand band = MenuPriceBandOf(filter.chargeIndex);
    const QString name = filter.name.trimmed();
    const bool kindOne = store.SHOP_TYPE == QLatin1String("1");
    const TST_GOODS_GROUP_LIST *group = nullptr;
    if (!filter.groupNo.isEmpty()) {
        group = store.GOODS_GRP_LST.value(store.GOODS_GRP_LST.indexOf(filter.groupNo));
        if (!group)
            return tiles;
    }
    const int count = group ? group->GOODS.count() : store.GOODS_LIST.count();
    tiles.reserve(count);
    for (int i = 0; i < count; ++i) {
        const TGOODS_LIST &candidate = group ? group->GOODS.at(i) : store.GOODS_LIST.at(i);
        if (candidate.DATA_STATUS != QLatin1String("1"))
            continue;
        if (kindOne && candidate.ORD_STATUS != QLatin1String("1"))
            continue;
        if (!name.isEmpty() && !QString(candidate.GOODS_NAME).contains(name))
            continue;
        // The store's own record holds the price, the options and the sale status.
        const TGOODS_LIST *goods = group ? store.GOODS_LIST.find(candidate.ST_GOODS_NO) : &candidate;
        if (!goods)
            continue;  // a group copy of goods the store no longer lists could not be ordered
        const qint64 price = MenuGoodsPrice(*goods, filter.deliveryOrder);
        if (!(price > band.lower && price <= band.upper))
            continue;
        if (!MenuConsonantPasses(filter.consonantTag, goods->GOODS_NAM))
            continue;
        MenuBoardTile t;
        t.goodsNo = goods->ST_GOODS_NO;
        t.name = goods->GOODS_NAME;
        t.price = price;
        t.plusMinus = menuBoardNoExtras(*goods);
        t.adult = !kindOne && goods->ADULT_YN == QLatin1String("Y");
        t.saleSwitch = !kindOne;
        t.onSale = goods->ORD_STATUS == QLatin1String("1");
        tiles.append(t);
    }
    return tiles;
}

int MenuBoardPageCount(qsizetype tileCount, int pageSize)
{
    if (pageSize <= 0 || tileCount <= 0)
        return 1;
    return int((tileCount + pageSize - 1) / pageSize);
}

QList<MenuBoardTile> MenuBoardPage(const QList<MenuBoardTile> &tiles, int page, int pageSize)
{
    if (pageSize <= 0 || page < 0)
        return {};
    const qsizetype start = qsizetype(page) * pageSize;
    if (start >= tiles.size())
        return {};
    return tiles.mid(start, pageSize);
}

void MenuBoardSetSaleStatus(TST_LIST &store, const QString &goodsNo, const QString &status)
{
    const QString one = status.left(1);
    if (TGOODS_LIST *g = store.GOODS_LIST.find(goodsNo))
        g->ORD_STATUS = one;
    for (int i = 0; i < store.GOODS_GRP_LST.count(); ++i) {
        TST_GOODS_GROUP_LIST &group = store.GOODS_GRP_LST[i];
        TGOODS_LIST *copy = group.GOODS.find(QLatin1Char(' ') + goodsNo);
        if (!copy)
            copy = group.GOODS.find(goodsNo);
        if (copy)
            copy->ORD_STATUS = one;
    }
}
