#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

class RepeatedTexts;

// One row of a reply: either a text whose fields are joined by the field separator, or an object
// with the keys "C_0", "C_1", ... Columns are read by position; a column the row does not have
// reads as the empty text, so a short row can never be read past its end and extra columns of a
// long row are simply never asked for.
class ReplyRow
{
public:
    ReplyRow() = default;

    // Splits on `separator` after turning "&quot;" and "&#92;" back into '"' and '\'.
    // Every separator ends a field, so a row ending with one has an empty last field.
    static ReplyRow fromText(const QString &row, const QString &separator);
    static ReplyRow fromText(QString &&row, const QString &separator);
    // Splits on `separator` leaving the escapes as they are.
    static ReplyRow fromRawText(const QString &row, const QString &separator);
    static ReplyRow fromRawText(QString &&row, const QString &separator);
    static ReplyRow fromFields(const QStringList &fields);
    static ReplyRow fromObject(const QJsonObject &row);
    // A reply array element: a string row or an object row; anything else is an empty row.
    static ReplyRow fromJson(const QJsonValue &row, const QString &separator);

    // Number of columns: the field count of a text row, one past the highest "C_n" of an object.
    int count() const { return m_count; }
    bool has(int column) const;

    // The column's text unchanged; "" when the row does not have it or it is JSON null.
    QString text(int column) const;
    // The same text, handed out by `repeats` when the row before had it in this column.
    QString text(int column, RepeatedTexts &repeats) const;
    // Whether text(column) equals value, without making the text.
    bool textIs(int column, QLatin1StringView value) const;
    // The column's text trimmed; "" when missing or null (the tolerant reader of optional columns).
    QString trimmed(int column) const;
    // The column as an integer, `fallback` when missing or not a whole number.
    int toInt(int column, int fallback) const;

private:
    enum class Kind : quint8
    {
        Fields,  // m_fields
        Text,    // m_text cut at m_starts
        Object,  // m_object
    };
    static ReplyRow fromSplit(QString row, const QString &separator);
    // Field `column` (0 <= column < m_count) of a text row.
    QStringView textView(int column) const
    {
        const qsizetype start = m_starts[column];
        return QStringView(m_text).sliced(start, m_starts[column + 1] - m_separatorSize - start);
    }

    Kind m_kind = Kind::Fields;
    int m_count = 0;
    QStringList m_fields;
    // A text row is kept whole with the start of every field (then the end plus the separator's
    // size): a field becomes a text only when it is read, and reading a row never builds a list
    // of texts that the caller copies out of again.
    QString m_text;
    qsizetype m_separatorSize = 0;
    QVarLengthArray<qsizetype, 48> m_starts;
    QJsonObject m_object;
};

// The texts of the rows of one reply read one after the other. Neighbouring rows repeat most of
// their codes (the stores of one branch share its head office, bank, region and flags), so a column
// whose text is the one of the row before gets that text again, shared, instead of a new copy:
// thousands of rows then make a fraction of the texts.
class RepeatedTexts
{
private:
    friend class ReplyRow;
    struct Column
    {
        // The texts handed out again while rows repeat them: two, as rows often alternate
        // between a few values (two head offices, a few districts).
        QString kept[2];
        int older = 0;        // the slot the next kept text replaces
        size_t lastHash = 0;  // hash of the column's text in the row before
    };
    // A column keeps a text only once two rows in a row had the same one: a column that differs
    // in every row (names, numbers) then costs no more than a plain copy.
    QVarLengthArray<Column, 48> m_columns;
};

// Text of a JSON object's field `name`, trimmed; "" when it is missing or null.
QString JsonStr(const QJsonObject &node, const QString &name);
