#include "reception/menu_board_keypad.h"

void MenuKeypad::open(Mode mode, qint64 value)
{
    m_mode = mode;
    m_value = qBound<qint64>(-kMaxValue, value, kMaxValue);
    m_first = true;
}

void MenuKeypad::press(const QString &key)
{
    bool digit = false;
    const int d = key.size() == 1 ? key.toInt(&digit) : 0;
    if (m_first) {
        m_value = digit ? d : 0;
    } else if (key == QLatin1String("CLS")) {
        m_value = 0;
    } else if (key == QLatin1String("00")) {
        m_value = qMin(m_value, kMaxValue) * 100;
    } else if (digit) {
        m_value = qMin(m_value, kMaxValue) * 10 + d;
    } else {
        return;  // not a key of the pad
    }
    if (m_value > kMaxValue)
        m_value = kMaxValue;
    m_first = false;
}

QString MenuKeypad::refusal(qint64 goodsSum, qint64 service) const
{
    if (m_mode == Quantity && m_value <= 0)
        return QStringLiteral("상품수량은 0보다 커야합니다.");
    if (m_mode == Quantity && m_value > 99)
        return QStringLiteral("상품수량은 최대 99개 입니다.");
    if (m_mode == Discount && m_value > goodsSum + service)
        return QStringLiteral("할인가격은 상품과 서비스금액의 합보다 클 수 없습니다.");
    return QString();
}
