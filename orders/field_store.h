#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <array>
#include <utility>
#include <vector>

// The text fields of an order record, kept compactly: one buffer holds the texts (usually the
// reply row itself, shared, not copied) and each field is a span of it. A board holds tens of
// thousands of orders with a snapshot each; a QString per field would cost more than the whole
// memory budget before any text is stored. Copying a store (the snapshot refresh) shares the
// buffer and copies the spans.
struct FieldSpan
{
    quint16 pos = 0;
    quint16 len = 0;
};

// Longest text a store can hold; a longer reply row is refused as hostile.
inline constexpr int kMaxFieldBuffer = 65000;
// A span of this length stands for the one ASCII character in `pos`: the flags and codes that
// the dispatch sets ("0", "1", "Y") cost no buffer space and never copy a shared buffer.
inline constexpr quint16 kCharSpan = 0xFFFF;

// The ASCII characters, one after the other, for one-character spans.
const QChar *AsciiChars();

template <int N>
class FieldStore
{
public:
    static constexpr int kCount = N;

    QStringView view(int field) const
    {
        const FieldSpan s = m_spans[size_t(field)];
        if (s.len == kCharSpan)
            return QStringView(AsciiChars() + s.pos, 1);
        return s.len ? QStringView(m_buf).mid(s.pos, s.len) : QStringView();
    }
    QString text(int field) const { return view(field).toString(); }

    // Sets one field; the view of another field stays valid only until the next change.
    void setText(int field, QStringView value)
    {
        if (value.isEmpty()) {
            m_spans[size_t(field)] = {};
            return;
        }
        if (value.size() == 1 && value.at(0).unicode() < 128) {
            m_spans[size_t(field)] = {quint16(value.at(0).unicode()), kCharSpan};
            return;
        }
        const QString copy = value.toString();  // the value may be a view of this buffer
        if (m_buf.size() + copy.size() > kMaxFieldBuffer)
            compact(field);
        if (m_buf.size() + copy.size() > kMaxFieldBuffer)
            return;  // cannot happen for values that came from a row of this store's size
        m_spans[size_t(field)] = {quint16(m_buf.size()), quint16(copy.size())};
        m_buf.append(copy);
    }

    // Takes `buffer` as the new text and the spans of the fields given in `columnOf` (field ->
    // column, -1: keep the field's present text). `columns` are the spans of the split row.
    void assignRow(const QString &buffer, const std::vector<FieldSpan> &columns,
                   const std::array<int, N> &columnOf)
    {
        // Fields that no column fills keep their text: carry them over before the swap.
        QVarLengthArray<std::pair<int, QString>, 8> kept;
        for (int f = 0; f < N; ++f)
            if (columnOf[size_t(f)] < 0 && m_spans[size_t(f)].len)
                kept.append({f, text(f)});  // usually a one-character flag: no copy of the row
        m_buf = buffer;
        for (int f = 0; f < N; ++f) {
            const int c = columnOf[size_t(f)];
            m_spans[size_t(f)] = c >= 0 && c < int(columns.size()) ? columns[size_t(c)] : FieldSpan{};
        }
        for (const auto &k : kept)
            setText(k.first, k.second);
    }

    void clear()
    {
        m_buf.clear();
        m_spans = {};
    }

    const QString &buffer() const { return m_buf; }

private:
    // Rebuilds the buffer with only the texts in use (not `skip`, which is about to change).
    void compact(int skip)
    {
        QString fresh;
        std::array<FieldSpan, N> spans{};
        for (int f = 0; f < N; ++f) {
            if (f == skip || !m_spans[size_t(f)].len)
                continue;
            if (m_spans[size_t(f)].len == kCharSpan) {
                spans[size_t(f)] = m_spans[size_t(f)];
                continue;
            }
            spans[size_t(f)] = {quint16(fresh.size()), m_spans[size_t(f)].len};
            fresh.append(view(f));
        }
        m_buf = fresh;
        m_spans = spans;
    }

    QString m_buf;
    std::array<FieldSpan, N> m_spans{};
};

// Splits a reply row at the one-character separator into spans of `buffer`. The separator ends
// every field, the last one included, so a row of n columns gives n + 1 pieces, the last one
// empty. The reply escaping ("&quot;" for ", "&#92;" for \) is undone first; without escapes
// the row itself becomes the buffer and nothing is copied. False for a row longer than a store
// can hold.
bool SplitRowSpans(const QString &row, QChar sep, QString &buffer, std::vector<FieldSpan> &columns);
