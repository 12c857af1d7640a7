#include "store/ui/money_delegate.h"

#include "store/money_amount.h"

MoneyDelegate::MoneyDelegate(QObject *parent, QString empty)
    : QStyledItemDelegate(parent)
    , m_empty(std::move(empty))
{
}

QString MoneyDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (!value.isValid() || value.isNull())
        return m_empty;
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return GroupedWon(value.toLongLong());
    return QStyledItemDelegate::displayText(value, locale);
}
