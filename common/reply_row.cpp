#include "common/reply_row.h"

#include "text/text_helpers.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
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
    return fromSplit(UnescapeJsonVal(row), separator);
}

ReplyRow ReplyRow::fromText(QString &&row, const QString &separator)
{
    // A row without an entity is split as it came, without a copy.
    if (!row.contains(QLatin1Char('&')))
        return fromSplit(std::move(row), separator);
    return fromSplit(UnescapeJsonVal(row), separator);
}

ReplyRow ReplyRow::fromRawText(const QString &row, const QString &separator)
{
    return fromSplit(row, separator);
}

ReplyRow ReplyRow::fromRawText(QString &&row, const QString &separator)
{
    return fromSplit(std::move(row), separator);
}

// Every separator ends a field, so "a│b│" gives "a", "b", "" like the reply format expects; an
// empty row has no field and an empty separator leaves the row as its one field.
ReplyRow ReplyRow::fromSplit(QString row, const QString &separator)
{
    ReplyRow r;
    r.m_kind = Kind::Text;
    if (row.isEmpty())
        return r;
    r.m_text = std::move(row);
    r.m_separatorSize = separator.size();
    r.m_starts.append(0);
    const QStringView text(r.m_text);
    if (separator.size() == 1) {
        // Fields are a few characters long: a plain walk beats a search call per field.
        const char16_t sep = separator.front().unicode();
        const char16_t *chars = text.utf16();
        for (qsizetype at = 0, size = text.size(); at < size; ++at) {
            if (chars[at] == sep)
                r.m_starts.append(at + 1);
        }
    } else if (!separator.isEmpty()) {
        for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, at + r.m_separatorSize))
            r.m_starts.append(at + r.m_separatorSize);
    }
    r.m_starts.append(text.size() + r.m_separatorSize);
    r.m_count = int(std::min<qsizetype>(r.m_starts.size() - 1, std::numeric_limits<int>::max()));
    return r;
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
    r.m_kind = Kind::Object;
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
    if (m_kind == Kind::Object)
        return m_object.contains(columnKey(column));
    return column < m_count;
}

QString ReplyRow::text(int column) const
{
    if (column < 0)
        return QString();
    switch (m_kind) {
    case Kind::Object:
        return valueText(m_object.value(columnKey(column)));
    case Kind::Text:
        return column < m_count ? textView(column).toString() : QString();
    case Kind::Fields:
        break;
    }
    return m_fields.value(column);
}

QString ReplyRow::text(int column, RepeatedTexts &repeats) const
{
    if (m_kind != Kind::Text || column < 0 || column >= m_count || column >= 4096)
        return text(column);
    const QStringView field = textView(column);
    if (field.size() <= 1)
        return field.toString();
    if (repeats.m_columns.size() <= column)
        repeats.m_columns.resize(column + 1);
    RepeatedTexts::Column &col = repeats.m_columns[column];
    for (const QString &kept : col.kept) {
        if (kept.size() == field.size() && !kept.isNull() && kept == field)
            return kept;
    }
    const size_t hash = qHash(field);
    QString made = field.toString();
    if (hash == col.lastHash) {
        // The row before had it too: more rows will likely follow.
        col.kept[col.older] = made;
        col.older ^= 1;
    }
    col.lastHash = hash;
    return made;
}

bool ReplyRow::textIs(int column, QLatin1StringView value) const
{
    if (m_kind == Kind::Text)
        return column >= 0 && column < m_count ? textView(column) == value : value.isEmpty();
    return text(column) == value;
}

QString ReplyRow::trimmed(int column) const
{
    if (m_kind == Kind::Text)
        return column >= 0 && column < m_count ? textView(column).trimmed().toString() : QString();
    return text(column).trimmed();
}

int ReplyRow::toInt(int column, int fallback) const
{
    bool ok = false;
    const int v = m_kind == Kind::Text ? (column >= 0 && column < m_count ? textView(column).trimmed().toInt(&ok) : 0)
                                       : text(column).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

QString JsonStr(const QJsonObject &node, const QString &name)
{
    return valueText(node.value(name)).trimmed();
}
