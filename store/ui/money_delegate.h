#pragma once

#include <QStyledItemDelegate>

// Shows the whole-won amounts of a money grid with thousands separators ("1,234", "-5,000");
// a cell without a value shows `empty` ("-" in the breakdown); any text is shown as it is.
class MoneyDelegate : public QStyledItemDelegate
{
public:
    explicit MoneyDelegate(QObject *parent = nullptr, QString empty = QString());
    QString displayText(const QVariant &value, const QLocale &locale) const override;

private:
    QString m_empty;
};
