#pragma once

#include <QString>

// The number keypad of the popup menu board: one value typed key by key for a line's unit price
// (mode 1) or quantity (mode 2), the discount (mode 3) or the service charge (mode 4).
class MenuKeypad
{
public:
    enum Mode
    {
        UnitPrice = 1,
        Quantity = 2,
        Discount = 3,
        Service = 4,
    };
    static constexpr qint64 kMaxValue = 1000000;

    void open(Mode mode, qint64 value);
    // A key: "0".."9", "00" or "CLS". The first key after opening replaces the value.
    void press(const QString &key);
    qint64 value() const { return m_value; }
    Mode mode() const { return m_mode; }

    // Why "입력" cannot take the value; empty when it can. goodsSum and service bound the discount.
    QString refusal(qint64 goodsSum, qint64 service) const;

private:
    Mode m_mode = Quantity;
    qint64 m_value = 0;
    bool m_first = true;
};
