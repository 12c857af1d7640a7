#pragma once

#include <QList>
#include <QString>

struct TGOODS_LIST;
struct TST_LIST;

// The goods of the order being taken: goods lines (one per goods number and chosen options) with
// their extra goods beneath, and the amounts that follow from them. Kept apart from the tree
// widget so that the arithmetic is checked without a window; the window shows what this holds.

inline constexpr int kOrderItemMaxQuantity = 99;
inline constexpr qint64 kOrderItemMaxUnitPrice = 999999;
inline constexpr qint64 kOrderGoodsAmountMax = 99999999;

struct OrderItemOption
{
    QString no;
    QString name;
    qint64 price = 0;
};

struct OrderItemLine
{
    QString no;          // goods number, or the extra item's number on an extra line
    QString name;        // shown name: goods name with the option and deposit suffix
    QString plainName;   // goods name alone; empty on an extra line
    qint64 unitPrice = 0;
    int quantity = 1;
    qint64 amount = 0;
    int sequence = 0;    // order of the goods line (an extra line carries its goods line's)
    QString key;         // goods number and the four option numbers joined by ","
    OrderItemOption options[4];
    qint64 depositUnit = 0;
    qint64 depositAmount = 0;
    QList<OrderItemLine> extras;  // only on goods lines
};

enum class OrderItemChange
{
    Changed,         // the lines changed; the totals are recalculated
    Recalculated,    // nothing changed, but the totals were recalculated all the same
    Unchanged,       // nothing happened
    RefusedAdult,
    RefusedSoldOut,
    RefusedCap,      // the quantity or the goods amount would pass its limit
};

// The message a refusal shows; empty for the other results.
QString OrderItemRefusalText(OrderItemChange change);

// A goods price text as whole won: 0 when it is not a number, bounded to the unit-price limit.
qint64 OrderPriceValue(const QString &text);
// The price of a goods item as the board's tile shows it and as the line it makes charges it:
// the delivery price for a delivery order, the in-store price otherwise.
qint64 MenuGoodsPrice(const TGOODS_LIST &goods, bool deliveryOrder);

struct OrderAmounts
{
    qint64 goods = 0;     // 상품금액
    qint64 discount = 0;  // 할인금액
    qint64 service = 0;   // 봉사료
    qint64 prepaid = 0;   // 머니
    qint64 amount = 0;    // 받을금액
    qint64 deposit = 0;   // cup deposit contained in the goods amount
};

class OrderItemTree
{
public:
    // Adds one unit (minus false) or takes one away (minus true) of the goods line for that goods
    // and option combination, or of that extra item beneath it when extraNo is not empty.
    // adultVerified: the customer has an adult verification date. deliveryOrder picks the price.
    OrderItemChange addGoods(const TST_LIST &store, bool minus, const QString &goodsNo, const QString (&ops)[4],
                             const QString &extraNo, bool deliveryOrder, bool adultVerified);
    OrderItemChange addGoods(const TST_LIST &store, bool minus, const QString &goodsNo, bool deliveryOrder,
                             bool adultVerified);

    // The "-"/"+" of a line in the list: extraRow -1 addresses the goods line itself. "+" stops at
    // the same cap as every other way of adding; "-" at 1 deletes the line (with its extras).
    OrderItemChange stepQuantity(int row, int extraRow, int delta);
    // Deletes a goods line with its extras, or one extra line.
    bool removeLine(int row, int extraRow);
    // A unit price typed into the list, bounded to the column's limits.
    OrderItemChange setUnitPrice(int row, int extraRow, qint64 price);

    // The item edit: a line's goods name and option names as the dispatcher typed them (trimmed);
    // the shown name becomes the goods name with the option text. The editRefusal check first.
    bool renameLine(int row, int extraRow, const QString &goodsName, const QString (&optionNames)[4]);

    void clear();
    const QList<OrderItemLine> &lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // The goods line with that key; -1 when none.
    int indexOfKey(const QString &key) const;

    // Recalculates every line amount and deposit, and the amounts: with goods lines the goods
    // amount is their sum, with none the typed amount stays. In the modify window an order paid
    // in advance whose amount to collect is 0 keeps 0.
    OrderAmounts charge(OrderAmounts typed, bool modifyWindow, bool prepaidDown, qint64 currentAmount);

    // The sum of all line amounts and of the deposits (without recalculating the lines).
    qint64 goodsTotal() const;
    qint64 depositTotal() const;

private:
    static void recalcLine(OrderItemLine &line);
    bool wouldPassAmountCap(qint64 extra) const;
    QList<OrderItemLine> m_lines;
};

// Why an item edit cannot be saved (goods name over 300 UTF-8 bytes, an option name over 100),
// with the index of the edit concerned (0 the goods name, 1-4 the options); empty when it can.
QString OrderItemEditRefusal(const QString &goodsName, const QString (&optionNames)[4], int *field = nullptr);

// The goods line key of a goods and its four option numbers.
QString OrderItemKey(const QString &goodsNo, const QString (&ops)[4]);
