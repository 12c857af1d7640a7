#pragma once

#include <QString>

#include <utility>

// Longest head of `text` whose length in the Korean 8-bit code page is at most `maxBytes`
// (two bytes per Hangul syllable, one per ASCII character). A character is never split: when the
// next one does not fit whole, the cut falls before it.
QString CutToCodePageBytes(const QString &text, int maxBytes);
// The same for a text the caller gives up: one that fits is handed on without a copy.
QString CutToCodePageBytes(QString &&text, int maxBytes);

// Stores `text` into `field` cut to `width` code-page bytes.
void SetFixed(QString &field, const QString &text, int width);

// A short text of a shared record: it holds at most N bytes of the Korean code page and cuts
// every value assigned to it, so a record can never carry more than its field allows.
// The text itself stays Unicode; only its width is measured in code-page bytes.
// QString's in-place editors (append, insert, replace, resize ...) bypass the cut: assign instead.
template <int N>
class FixedText : public QString
{
    static_assert(N > 0, "a fixed-width field needs a width");

public:
    static constexpr int kWidth = N;

    FixedText() = default;
    FixedText(const FixedText &) = default;
    FixedText(FixedText &&) noexcept = default;
    FixedText(const QString &text) : QString(CutToCodePageBytes(text, N)) {}
    FixedText(QString &&text) : QString(CutToCodePageBytes(std::move(text), N)) {}
    FixedText(const char *text) : FixedText(QString::fromUtf8(text)) {}
    FixedText(QLatin1StringView text) : FixedText(QString(text)) {}

    FixedText &operator=(const FixedText &) = default;
    FixedText &operator=(FixedText &&) noexcept = default;
    FixedText &operator=(const QString &text)
    {
        QString::operator=(CutToCodePageBytes(text, N));
        return *this;
    }
    FixedText &operator=(QString &&text)
    {
        if (fits(text))
            QString::operator=(std::move(text));
        else
            QString::operator=(CutToCodePageBytes(text, N));
        return *this;
    }
    FixedText &operator=(const char *text) { return *this = QString::fromUtf8(text); }
    FixedText &operator=(QLatin1StringView text) { return *this = QString(text); }

    FixedText &operator+=(const QString &text)
    {
        return *this = static_cast<const QString &>(*this) + text;
    }

    const QString &str() const { return *this; }

private:
    // Whether text needs no cut, decided here for the usual short and ASCII values so that
    // storing thousands of reply fields calls no converter: a text of at most N/2 characters
    // always fits (two bytes at most per character), an ASCII one of at most N as well.
    static bool fits(const QString &text)
    {
        const qsizetype size = text.size();
        if (size * 2 <= N)
            return true;
        if (size > N)
            return false;
        const QChar *chars = text.constData();
        for (qsizetype i = 0; i < size; ++i) {
            if (chars[i].unicode() >= 0x80)
                return false;
        }
        return true;
    }
};
