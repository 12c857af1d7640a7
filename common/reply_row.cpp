#include "common/reply_row.h"

#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariant>

#include <cmath>

namespace
{
QStringList splitEveryField(const QString &row, const QString &separator)
{
    if (separator.isEmpty())
        return row.isEmpty() ? QStringList() : QStringList{row};
    // Qt keeps empty parts, so "a│b│" gives "a", "b", "" like the reply format expects.
    return row.isEmpty() ? QStringList() : row.split(separator, Qt::KeepEmptyParts);
}

QString valueText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        return QString();
    }
}

QString columnKey(int column)
{
    return QStringLiteral("C_") + QString::number(column);
}
} // namespace

ReplyRow ReplyRow::fromText(const QString &row, const QString &separator)
{
    return fromFields(splitEveryField(UnescapeJsonVal(row), separator));
}

ReplyRow ReplyRow::fromRawText(const QString &row, const QString &separator)
{
    return fromFields(splitEveryField(row, separator));
}

ReplyRow ReplyRow::fromFields(const QStringList &fields)
{
    ReplyRow r;
    r.m_fields = fields;
    r.m_count = int(fields.size());
    return r;
}

ReplyRow ReplyRow::fromObject(const QJsonObject &row)
{
    ReplyRow r;
    r.m_isObject = true;
    r.m_object = row;
    for (auto it = row.begin(); it != row.end(); ++it) {
        const QString key = it.key();
        if (!key.startsWith(QStringLiteral("C_")))
            continue;
        bool ok = false;
        const int n = key.mid(2).toInt(&ok);
        if (ok && n >= 0 && n < 100000 && n + 1 > r.m_count)
            r.m_count = n + 1;
    }
    return r;
}

ReplyRow ReplyRow::fromJson(const QJsonValue &row, const QString &separator)
{
    if (row.isString())
        return fromText(row.toString(), separator);
    if (row.isObject())
        return fromObject(row.toObject());
    return ReplyRow();
}

bool ReplyRow::has(int column) const
{
    if (column < 0)
        return false;
    if (m_isObject)
        return m_object.contains(columnKey(column));
    return column < m_fields.size();
}

QString ReplyRow::text(int column) const
{
    if (column < 0)
        return QString();
    if (m_isObject)
        return valueText(m_object.value(columnKey(column)));
    return m_fields.value(column);
}

QString ReplyRow::trimmed(int column) const
{
    return text(column).trimmed();
}

int ReplyRow::toInt(int column, int fallback) const
{
    bool ok = false;
    const int v = text(column).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

QString JsonStr(const QJsonObject &node, const QString &name)
{
    return valueText(node.value(name)).trimmed();
}
