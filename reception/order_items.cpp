#include "reception/order_items.h"

#include "records/business_rules.h"
#include "records/reference_lookups.h"
#include "records/reference_records.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace {

const TGOOD_OP *orderItemsFindOption(const CompactKeyedList<TGOOD_OP> &list, const QString &no)
{
    for (int i = 0; i < list.count(); ++i) {
        if (list.at(i).ST_GOODS_OP_NO == no)
            return &list.at(i);
    }
    return nullptr;
}

const CompactKeyedList<TGOOD_OP> &orderItemsOptionList(const TGOODS_LIST &goods, int k)
{
    switch (k) {
    case 0:
        return goods.OP1;
    case 1:
        return goods.OP2;
    case 2:
        return goods.OP3;
    default:
        return goods.OP4;
    }
}

void orderItemsFillOptions(OrderItemLine &line, const TGOODS_LIST &goods, const QString (&ops)[4])
{
    for (int k = 0; k < 4; ++k) {
        line.options[k] = OrderItemOption{};
        if (ops[k].isEmpty())
            continue;
        line.options[k].no = ops[k];
        if (const TGOOD_OP *op = orderItemsFindOption(orderItemsOptionList(goods, k), ops[k])) {
            line.options[k].name = op->OPTION_NAME;
            line.options[k].price = OrderPriceValue(op->OPTION_PRICE);
        }
    }
}

qint64 orderItemsBound(qint64 v, qint64 limit)
{
    return std::clamp(v, -limit, limit);
}

} // namespace

QString OrderItemRefusalText(OrderItemChange change)
{
    switch (change) {
    case OrderItemChange::RefusedAdult:
        return QStringLiteral("성인 인증을 받은 고객만 성인 상품을 추가할 수 있습니다.");
    case OrderItemChange::RefusedSoldOut:
        return QStringLiteral("품절 상품을 추가할 수 없습니다.");
    case OrderItemChange::RefusedCap:
        return QStringLiteral("수량은 %1개, 상품금액은 %2원까지 입력할 수 있습니다.")
            .arg(kOrderItemMaxQuantity)
            .arg(QLocale(QLocale::Korean).toString(kOrderGoodsAmountMax));
    default:
        return QString();
    }
}

qint64 OrderPriceValue(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? orderItemsBound(v, kOrderItemMaxUnitPrice) : 0;
}

qint64 MenuGoodsPrice(const TGOODS_LIST &goods, bool deliveryOrder)
{
    return OrderPriceValue(GetGoodsPrice(deliveryOrder ? 0 : 1, goods));
}

QString OrderItemKey(const QString &goodsNo, const QString (&ops)[4])
{
    return QStringList{goodsNo, ops[0], ops[1], ops[2], ops[3]}.join(QLatin1Char(','));
}

QString OrderItemEditRefusal(const QString &goodsName, const QString (&optionNames)[4], int *field)
{
    auto over = [](const QString &text, int bytes) { return text.trimmed().toUtf8().size() > bytes; };
    int at = -1;
    QString text;
    if (over(goodsName, 300)) {
        at = 0;
        text = QStringLiteral("상품명 글자수를 줄여주세요");
    } else if (over(optionNames[0], 100)) {
        at = 1;
        text = QStringLiteral("옵션명1 글자수를 줄여주세요");
    } else {
        for (int k = 1; k < 4 && at < 0; ++k) {
            if (over(optionNames[k], 100)) {
                at = k + 1;
                text = QStringLiteral("옵션명%1 줄여주세요").arg(k + 1);
            }
        }
    }
    if (field)
        *field = at;
    return text;
}

bool OrderItemTree::renameLine(int row, int extraRow, const QString &goodsName, const QString (&optionNames)[4])
{
    if (row < 0 || row >= m_lines.size() || extraRow >= m_lines[row].extras.size())
        return false;
    if (!OrderItemEditRefusal(goodsName, optionNames).isEmpty())
        return false;
    OrderItemLine &line = extraRow < 0 ? m_lines[row] : m_lines[row].extras[extraRow];
    const QString name = goodsName.trimmed();
    for (int k = 0; k < 4; ++k)
        line.options[k].name = optionNames[k].trimmed();
    line.plainName = name;
    line.name = name + MakeOptionText(line.options[0].name, line.options[1].name, line.options[2].name,
                                      line.options[3].name, QString());
    return true;
}

int OrderItemTree::indexOfKey(const QString &key) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).key == key)
            return i;
    }
    return -1;
}

void OrderItemTree::clear()
{
    m_lines.clear();
}

void OrderItemTree::recalcLine(OrderItemLine &line)
{
    line.amount = line.unitPrice * line.quantity;
    line.depositAmount = line.depositUnit * line.quantity;
}

qint64 OrderItemTree::goodsTotal() const
{
    qint64 sum = 0;
    for (const OrderItemLine &g : m_lines) {
        sum += g.unitPrice * g.quantity;
        for (const OrderItemLine &e : g.extras)
            sum += e.unitPrice * e.quantity;
    }
    return sum;
}

qint64 OrderItemTree::depositTotal() const
{
    qint64 sum = 0;
    for (const OrderItemLine &g : m_lines) {
        if (g.depositUnit == 0)
            continue;  // extras count only under a goods line that carries a deposit
        sum += g.depositUnit * g.quantity;
        for (const OrderItemLine &e : g.extras)
            sum += e.depositUnit * e.quantity;
    }
    return sum;
}

bool OrderItemTree::wouldPassAmountCap(qint64 extra) const
{
    const qint64 total = goodsTotal() + extra;
    return total > kOrderGoodsAmountMax || total < -kOrderGoodsAmountMax;
}

OrderItemChange OrderItemTree::addGoods(const TST_LIST &store, bool minus, const QString &goodsNo, bool deliveryOrder,
                                        bool adultVerified)
{
    const QString none[4];
    return addGoods(store, minus, goodsNo, none, QString(), deliveryOrder, adultVerified);
}

OrderItemChange OrderItemTree::addGoods(const TST_LIST &store, bool minus, const QString &goodsNo,
                                        const QString (&ops)[4], const QString &extraNo, bool deliveryOrder,
                                        bool adultVerified)
{
    if (goodsNo.isEmpty())
        return OrderItemChange::Unchanged;
    const TGOODS_LIST *goods = store.GOODS_LIST.find(goodsNo);
    if (!goods)
        return OrderItemChange::Unchanged;  // a goods the store no longer sells adds nothing
    if (!minus && store.SHOP_TYPE != QStringLiteral("1") && goods->ADULT_YN == QStringLiteral("Y") && !adultVerified)
        return OrderItemChange::RefusedAdult;
    if (!minus && goods->ORD_STATUS != QStringLiteral("1"))
        return OrderItemChange::RefusedSoldOut;
    const TGOOD_OP *extra = nullptr;
    if (!extraNo.isEmpty()) {
        extra = orderItemsFindOption(goods->ADD, extraNo);
        if (!extra)
            return OrderItemChange::Unchanged;  // an unknown extra item adds nothing
    }
    const QString key = OrderItemKey(goodsNo, ops);
    const int row = indexOfKey(key);
    if (row < 0 && minus)
        return OrderItemChange::Unchanged;

    auto makeExtra = [&](const OrderItemLine &parent) {
        OrderItemLine e;
        e.no = extraNo;
        e.name = extra->OPTION_NAME;
        e.unitPrice = OrderPriceValue(extra->OPTION_PRICE);
        e.quantity = 1;
        e.sequence = parent.sequence;
        e.key = parent.key;
        for (int k = 0; k < 4; ++k)
            e.options[k] = parent.options[k];
        recalcLine(e);
        return e;
    };

    if (row < 0) {
        OrderItemLine line;
        line.no = goodsNo;
        line.plainName = goods->GOODS_NAME;
        line.quantity = 1;
        line.key = key;
        line.depositUnit = OrderPriceValue(goods->CUP_DEPOSIT_PRICE);
        orderItemsFillOptions(line, *goods, ops);
        QStringList suffix;
        qint64 unit = MenuGoodsPrice(*goods, deliveryOrder) + line.depositUnit;
        for (const OrderItemOption &o : line.options) {
            if (!o.name.isEmpty())
                suffix << o.name;
            unit += o.price;
        }
        if (line.depositUnit != 0)
            suffix << QStringLiteral("컵보증금");
        line.name = suffix.isEmpty() ? line.plainName
                                     : line.plainName + QLatin1Char('(') + suffix.join(QLatin1Char(',')) +
                                           QLatin1Char(')');
        line.unitPrice = orderItemsBound(unit, kOrderItemMaxUnitPrice);
        const qint64 added = line.unitPrice + (extra ? OrderPriceValue(extra->OPTION_PRICE) : 0);
        if (wouldPassAmountCap(added))
            return OrderItemChange::RefusedCap;
        line.sequence = int(m_lines.size()) + 1;
        recalcLine(line);
        if (extra)
            line.extras.append(makeExtra(line));
        m_lines.append(line);
        return OrderItemChange::Changed;
    }

    OrderItemLine &line = m_lines[row];
    if (!extra)
        return stepQuantity(row, -1, minus ? -1 : 1);
    for (int i = 0; i < line.extras.size(); ++i) {
        if (line.extras.at(i).no == extraNo)
            return stepQuantity(row, i, minus ? -1 : 1);
    }
    if (minus)
        return OrderItemChange::Recalculated;
    if (wouldPassAmountCap(OrderPriceValue(extra->OPTION_PRICE)))
        return OrderItemChange::RefusedCap;
    line.extras.append(makeExtra(line));
    return OrderItemChange::Changed;
}

OrderItemChange OrderItemTree::stepQuantity(int row, int extraRow, int delta)
{
    if (row < 0 || row >= m_lines.size())
        return OrderItemChange::Unchanged;
    OrderItemLine &goodsLine = m_lines[row];
    if (extraRow >= goodsLine.extras.size())
        return OrderItemChange::Unchanged;
    OrderItemLine &line = extraRow < 0 ? goodsLine : goodsLine.extras[extraRow];
    const qint64 q = qint64(line.quantity) + delta;
    if (q <= 0) {
        removeLine(row, extraRow);
        return OrderItemChange::Changed;
    }
    if (q > kOrderItemMaxQuantity)
        return OrderItemChange::RefusedCap;
    if (delta > 0 && wouldPassAmountCap(line.unitPrice * delta))
        return OrderItemChange::RefusedCap;
    line.quantity = int(q);
    recalcLine(line);
    return OrderItemChange::Changed;
}

bool OrderItemTree::removeLine(int row, int extraRow)
{
    if (row < 0 || row >= m_lines.size())
        return false;
    if (extraRow < 0) {
        m_lines.removeAt(row);
        return true;
    }
    if (extraRow >= m_lines[row].extras.size())
        return false;
    m_lines[row].extras.removeAt(extraRow);
    return true;
}

OrderItemChange OrderItemTree::setUnitPrice(int row, int extraRow, qint64 price)
{
    if (row < 0 || row >= m_lines.size() || extraRow >= m_lines[row].extras.size())
        return OrderItemChange::Unchanged;
    OrderItemLine &line = extraRow < 0 ? m_lines[row] : m_lines[row].extras[extraRow];
    const qint64 bounded = orderItemsBound(price, kOrderItemMaxUnitPrice);
    if (wouldPassAmountCap((bounded - line.unitPrice) * line.quantity))
        return OrderItemChange::RefusedCap;
    line.unitPrice = bounded;
    recalcLine(line);
    return OrderItemChange::Changed;
}

OrderAmounts OrderItemTree::charge(OrderAmounts typed, bool modifyWindow, bool prepaidDown, qint64 currentAmount)
{
    OrderAmounts out = typed;
    if (!m_lines.isEmpty()) {
        for (OrderItemLine &g : m_lines) {
            recalcLine(g);
            for (OrderItemLine &e : g.extras)
                recalcLine(e);
        }
        out.goods = goodsTotal();
        out.deposit = depositTotal();
    } else {
        // Without goods lines no cup is sold: a deposit left from removed lines would otherwise
        // travel with a hand-typed goods amount.
        out.deposit = 0;
    }
    if (modifyWindow && currentAmount == 0 && prepaidDown)
        out.amount = 0;
    else
        out.amount = out.goods - out.discount + out.service - out.prepaid;
    return out;
}
