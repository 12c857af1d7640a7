#pragma once

#include "common/program_globals.h"
#include "reference/reference_state.h"
#include "records/courier_records.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Reply pages as the link hands them to the loaders.
namespace ReplyPages
{
// Fields each followed by the field separator, as the server writes a row.
inline QString row(const QStringList &fields)
{
    QString text;
    for (const QString &f : fields)
        text += f + G_FIELD_SEP;
    return text;
}

// A row of `count` fields, with the given fields set.
inline QStringList fields(int count, const QList<QPair<int, QString>> &set)
{
    QStringList f(count);
    for (const auto &[i, v] : set)
        f[i] = v;
    return f;
}

inline QJsonObject objectRow(const QStringList &values)
{
    QJsonObject o;
    for (int i = 0; i < values.size(); ++i)
        o.insert(QStringLiteral("C_%1").arg(i), values.at(i));
    return o;
}

inline QString page(const QJsonArray &rows, const QJsonObject &extra = {}, const QString &outVal = {})
{
    QJsonObject o = extra;
    o.insert(QStringLiteral("OUT_CODE"), QStringLiteral("1"));
    o.insert(QStringLiteral("OUT_MSG"), QString());
    o.insert(QStringLiteral("OUT_VAL"), outVal);
    o.insert(QStringLiteral("OUT_ROW1"), rows);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

inline QString textPage(const QList<QStringList> &rows, const QJsonObject &extra = {}, const QString &outVal = {})
{
    QJsonArray a;
    for (const QStringList &r : rows)
        a.append(row(r));
    return page(a, extra, outVal);
}

inline QString failPage(const QString &code, const QString &msg)
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), code);
    o.insert(QStringLiteral("OUT_MSG"), msg);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
} // namespace ReplyPages

// Every list the reference loaders fill, back to its start state.
inline void ResetAllReference()
{
    ResetReferenceRecords();
    ResetReferenceState();
    ResetCourierRecords();
    ResetMessageRecords();
}
