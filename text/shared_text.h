#pragma once

#include "text/fixed_text.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <utility>

// A text field of the bulk caches (a store's goods and their options: hundreds of thousands of
// records, each with fifty texts, most of them the same flag, code or price). The record holds a
// four-byte handle; the characters live once in a process-wide table, reference counted, and every
// copy of the text (the goods item, its copy in a group, the same price in the next item) shares
// them. Short Latin-1 and short UTF-16 texts sit in the table slot itself. An empty text has no
// slot at all.
//
// The handle behaves as a value: copies are independent (assigning to one never changes another),
// and the text is released when its last handle goes. Reading gives a QString.
class SharedText
{
public:
    SharedText() noexcept = default;
    explicit SharedText(QStringView text) : m_id(create(text)) {}
    explicit SharedText(const QString &text) : SharedText(QStringView(text)) {}
    SharedText(const SharedText &other) noexcept : m_id(other.m_id) { retain(m_id); }
    SharedText(SharedText &&other) noexcept : m_id(std::exchange(other.m_id, 0u)) {}
    ~SharedText() { release(m_id); }

    SharedText &operator=(const SharedText &other) noexcept
    {
        if (m_id == other.m_id)  // a field stored again with the text it has
            return *this;
        retain(other.m_id);
        release(std::exchange(m_id, other.m_id));
        return *this;
    }
    SharedText &operator=(SharedText &&other) noexcept
    {
        if (this != &other)
            release(std::exchange(m_id, std::exchange(other.m_id, 0u)));
        return *this;
    }
    SharedText &operator=(QStringView text) { return *this = SharedText(text); }
    SharedText &operator=(const QString &text) { return *this = QStringView(text); }
    SharedText &operator=(const char *utf8) { return *this = QString::fromUtf8(utf8); }
    SharedText &operator=(QLatin1StringView text) { return *this = QString(text); }

    bool isEmpty() const noexcept { return m_id == 0; }
    qsizetype size() const noexcept;
    qsizetype length() const noexcept { return size(); }

    QString str() const;
    operator QString() const { return str(); }
    QString trimmed() const { return str().trimmed(); }
    int toInt(bool *ok = nullptr, int base = 10) const { return str().toInt(ok, base); }

    bool equals(QStringView text) const noexcept;
    bool equals(const SharedText &other) const noexcept;

    // True when a cut to `maxBytes` code-page bytes would leave the text as it is.
    bool fitsCodePageBytes(int maxBytes) const;

    // Texts alive in the table (for tests and memory checks).
    static qsizetype liveCount();

    friend bool operator==(const SharedText &a, const SharedText &b) noexcept { return a.equals(b); }
    friend bool operator!=(const SharedText &a, const SharedText &b) noexcept { return !a.equals(b); }
    friend bool operator==(const SharedText &a, QStringView b) noexcept { return a.equals(b); }
    friend bool operator!=(const SharedText &a, QStringView b) noexcept { return !a.equals(b); }
    friend bool operator==(QStringView a, const SharedText &b) noexcept { return b.equals(a); }
    friend bool operator!=(QStringView a, const SharedText &b) noexcept { return !b.equals(a); }
    friend bool operator==(const SharedText &a, const QString &b) noexcept { return a.equals(b); }
    friend bool operator!=(const SharedText &a, const QString &b) noexcept { return !a.equals(b); }
    friend bool operator==(const QString &a, const SharedText &b) noexcept { return b.equals(a); }
    friend bool operator!=(const QString &a, const SharedText &b) noexcept { return !b.equals(a); }
    friend bool operator==(const SharedText &a, const char16_t *b) noexcept { return a.equals(QStringView(b)); }
    friend bool operator!=(const SharedText &a, const char16_t *b) noexcept { return !a.equals(QStringView(b)); }
    friend bool operator==(const SharedText &a, const char *utf8) { return a.equals(QString::fromUtf8(utf8)); }
    friend bool operator!=(const SharedText &a, const char *utf8) { return !(a == utf8); }
    friend bool operator==(const char *utf8, const SharedText &b) { return b == utf8; }
    friend bool operator!=(const char *utf8, const SharedText &b) { return !(b == utf8); }

private:
    static quint32 create(QStringView text);
    static void retain(quint32 id) noexcept;
    static void release(quint32 id) noexcept;

    quint32 m_id = 0;  // 0: the empty text
};

// A shared text that holds at most N bytes of the Korean code page, cut like FixedText<N> on every
// assignment (a text that already fits keeps its shared characters).
template <int N>
class SharedFixedText : public SharedText
{
    static_assert(N > 0, "a fixed-width field needs a width");

public:
    static constexpr int kWidth = N;

    SharedFixedText() noexcept = default;
    SharedFixedText(const SharedFixedText &) noexcept = default;
    SharedFixedText(SharedFixedText &&) noexcept = default;
    SharedFixedText &operator=(const SharedFixedText &) noexcept = default;
    SharedFixedText &operator=(SharedFixedText &&) noexcept = default;

    SharedFixedText &operator=(const SharedText &text)
    {
        if (text.fitsCodePageBytes(N))
            SharedText::operator=(text);
        else
            SharedText::operator=(cut(text.str()));
        return *this;
    }
    SharedFixedText &operator=(const QString &text)
    {
        SharedText::operator=(cut(text));
        return *this;
    }
    SharedFixedText &operator=(QStringView text) { return *this = text.toString(); }
    SharedFixedText &operator=(const char *utf8) { return *this = QString::fromUtf8(utf8); }
    SharedFixedText &operator=(QLatin1StringView text) { return *this = QString(text); }

private:
    static QString cut(const QString &text);
};

template <int N>
QString SharedFixedText<N>::cut(const QString &text)
{
    return CutToCodePageBytes(text, N);
}
