#include "orders/order_row_pages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringView>

namespace
{
// Pages longer than this always go through the general parser, which knows its own limits.
constexpr qsizetype kMaxDirectPage = 16 * 1024 * 1024;

// Reads a page of the usual shape straight from its text. Whatever it is not sure to read exactly
// as the general parser does (escapes of code points, control characters, lone surrogates,
// noncharacters, byte order marks, numbers beyond plain ones, nested values, a repeated row list, anything malformed)
// makes it give up, and the page goes the general way.
class DirectPageReader
{
public:
    explicit DirectPageReader(QStringView text) : m_p(text.utf16()), m_end(text.utf16() + text.size()) {}

    bool read(std::vector<PageRow> &rows)
    {
        bool haveRows = false;
        skipSpace();
        if (!take(u'{'))
            return false;
        skipSpace();
        if (!take(u'}')) {
            for (;;) {
                QString key;
                if (!string(&key))
                    return false;
                skipSpace();
                if (!take(u':'))
                    return false;
                skipSpace();
                if (key == QLatin1String("OUT_ROW1")) {
                    if (haveRows || !rowList(rows))
                        return false;
                    haveRows = true;
                } else if (!scalar()) {
                    return false;
                }
                skipSpace();
                if (take(u'}'))
                    break;
                if (!take(u','))
                    return false;
                skipSpace();
            }
        }
        skipSpace();
        return m_p == m_end;
    }

private:
    bool take(char16_t c)
    {
        if (m_p < m_end && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    void skipSpace()
    {
        while (m_p < m_end && (*m_p == u' ' || *m_p == u'\t' || *m_p == u'\n' || *m_p == u'\r'))
            ++m_p;
    }

    // Noncharacters, and the byte order mark, which the general parser drops inside a text.
    static bool nonCharacter(char32_t c)
    {
        return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE || c == 0xFEFF;
    }

    // A string at the cursor; its text in `out` when given.
    bool string(QString *out)
    {
        if (!take(u'"'))
            return false;
        const char16_t *start = m_p;
        bool escaped = false;
        for (;;) {
            if (m_p == m_end)
                return false;
            const char16_t c = *m_p;
            if (c == u'"')
                break;
            if (c == u'\\') {
                if (m_end - m_p < 2)
                    return false;
                switch (m_p[1]) {
                case u'"':
                case u'\\':
                case u'/':
                case u'b':
                case u'f':
                case u'n':
                case u'r':
                case u't': break;
                default: return false;
                }
                escaped = true;
                m_p += 2;
                continue;
            }
            if (c < 0x20)
                return false;
            if (c >= 0xD800 && c <= 0xDFFF) {
                if (c > 0xDBFF || m_end - m_p < 2 || m_p[1] < 0xDC00 || m_p[1] > 0xDFFF)
                    return false;
                const char32_t full = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(m_p[1]) - 0xDC00);
                if (nonCharacter(full))
                    return false;
                m_p += 2;
                continue;
            }
            if (nonCharacter(c))
                return false;
            ++m_p;
        }
        const char16_t *stop = m_p;
        ++m_p;  // the closing quote
        if (!out)
            return true;
        if (!escaped) {
            *out = QString(reinterpret_cast<const QChar *>(start), stop - start);
            return true;
        }
        QString text;
        text.reserve(stop - start);
        for (const char16_t *q = start; q < stop; ++q) {
            if (*q != u'\\') {
                text.append(QChar(*q));
                continue;
            }
            ++q;
            switch (*q) {
            case u'b': text.append(QChar(u'\b')); break;
            case u'f': text.append(QChar(u'\f')); break;
            case u'n': text.append(QChar(u'\n')); break;
            case u'r': text.append(QChar(u'\r')); break;
            case u't': text.append(QChar(u'\t')); break;
            default: text.append(QChar(*q)); break;  // " \ /
            }
        }
        *out = text;
        return true;
    }

    static bool digit(char16_t c) { return c >= u'0' && c <= u'9'; }

    // A plain number: an optional minus, a whole part without leading zeros, an optional fraction;
    // at most fifteen digits in all.
    bool number()
    {
        int digits = 0;
        take(u'-');
        if (m_p == m_end || !digit(*m_p))
            return false;
        if (*m_p == u'0') {
            ++m_p;
            ++digits;
        } else {
            while (m_p < m_end && digit(*m_p)) {
                ++m_p;
                ++digits;
            }
        }
        if (take(u'.')) {
            if (m_p == m_end || !digit(*m_p))
                return false;
            while (m_p < m_end && digit(*m_p)) {
                ++m_p;
                ++digits;
            }
        }
        if (m_p < m_end && (*m_p == u'e' || *m_p == u'E'))
            return false;
        return digits <= 15;
    }

    bool word(QLatin1StringView w)
    {
        if (m_end - m_p < w.size())
            return false;
        for (qsizetype i = 0; i < w.size(); ++i)
            if (m_p[i] != char16_t(uchar(w.at(i).toLatin1())))
                return false;
        m_p += w.size();
        return true;
    }

    bool scalar()
    {
        if (m_p == m_end)
            return false;
        switch (*m_p) {
        case u'"': return string(nullptr);
        case u't': return word(QLatin1StringView("true"));
        case u'f': return word(QLatin1StringView("false"));
        case u'n': return word(QLatin1StringView("null"));
        default: return number();
        }
    }

    // The row list: an array of texts only.
    bool rowList(std::vector<PageRow> &rows)
    {
        if (!take(u'['))
            return false;
        skipSpace();
        if (take(u']'))
            return true;
        for (;;) {
            PageRow row;
            if (!string(&row.text))
                return false;
            row.isText = true;
            rows.push_back(std::move(row));
            skipSpace();
            if (take(u']'))
                return true;
            if (!take(u','))
                return false;
            skipSpace();
        }
    }

    const char16_t *m_p;
    const char16_t *m_end;
};
} // namespace

bool ReadOrderRowPageByDocument(const QString &page, std::vector<PageRow> &rows, QString *error)
{
    rows.clear();
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(page.toUtf8(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) {
        if (error)
            *error = err.errorString();
        return false;
    }
    const QJsonArray list = doc.object().value(QLatin1String("OUT_ROW1")).toArray();
    rows.reserve(size_t(list.size()));
    for (const QJsonValue &v : list) {
        PageRow row;
        if (v.isString()) {
            row.text = v.toString();
            row.isText = true;
        }
        rows.push_back(std::move(row));
    }
    return true;
}

bool ReadOrderRowPage(const QString &page, std::vector<PageRow> &rows, QString *error)
{
    rows.clear();
    if (page.size() <= kMaxDirectPage) {
        DirectPageReader reader(page);
        if (reader.read(rows))
            return true;
        rows.clear();
    }
    return ReadOrderRowPageByDocument(page, rows, error);
}
