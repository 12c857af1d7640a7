#include "text/shared_text.h"

#include <gtest/gtest.h>

#include <QList>

namespace
{
// Texts of every way a slot keeps its characters: in the slot or on the heap, one byte or two a
// character, with the characters that sit at the edges of those kinds.
QList<QString> storageCases()
{
    return {
        QStringLiteral("0"),
        QStringLiteral("1234567890123456"),                    // Latin-1, just fits the slot
        QStringLiteral("12345678901234567"),                   // Latin-1, one over
        QString::fromLatin1("caf\xe9 cr\xe8me"),               // Latin-1 above ASCII
        QStringLiteral("양념치킨"),                            // UTF-16 in the slot
        QStringLiteral("후라이드치킨 (대)"),                   // UTF-16 on the heap
        QStringLiteral("a") + QChar(0) + QStringLiteral("b"),  // an embedded NUL
        QString::fromUcs4(U"\U0001F600x"),                     // a surrogate pair
        QString(1000, QChar(u'가')),
    };
}

TEST(SharedText, KeepsEveryTextAsItWasGiven)
{
    for (const QString &text : storageCases()) {
        const SharedText shared(text);
        EXPECT_EQ(shared.str(), text) << text.toStdString();
        EXPECT_EQ(shared.size(), text.size());
        EXPECT_TRUE(shared == text);
        EXPECT_TRUE(text == shared);
        EXPECT_FALSE(shared != QStringView(text));
        EXPECT_TRUE(shared == SharedText(text)) << "equal texts in different slots";
        EXPECT_FALSE(shared == QString(text + QLatin1Char('x')));
        EXPECT_FALSE(shared == text.left(text.size() - 1));
    }
    EXPECT_FALSE(SharedText(QStringLiteral("abc")) == SharedText(QStringLiteral("abd")));
    // Same length, one Latin-1 and one wide: never equal.
    EXPECT_FALSE(SharedText(QStringLiteral("ab")) == SharedText(QStringLiteral("가b")));
}

TEST(SharedText, EmptyIsOneValueWhateverItCameFrom)
{
    SharedText empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.str(), QString());
    EXPECT_TRUE(empty == QString());
    EXPECT_TRUE(empty == QStringLiteral(""));
    EXPECT_TRUE(empty == "");
    EXPECT_TRUE(empty == SharedText(QString()));
    EXPECT_FALSE(empty == QStringLiteral(" "));
    SharedText filled(QStringLiteral("x"));
    filled = QString();
    EXPECT_TRUE(filled.isEmpty());
}

TEST(SharedText, CopiesAreIndependentValues)
{
    SharedText a(QStringLiteral("12000"));
    SharedText b = a;
    b = QStringLiteral("13000");
    EXPECT_EQ(a, "12000");
    EXPECT_EQ(b, "13000");

    SharedText c = a;
    a = SharedText();
    EXPECT_EQ(c, "12000") << "the text lives while any copy holds it";

    SharedText moved = std::move(c);
    EXPECT_EQ(moved, "12000");
    EXPECT_TRUE(c.isEmpty());

    moved = moved;  // self-assignment keeps the text
    EXPECT_EQ(moved, "12000");
}

TEST(SharedText, ReleasesItsSlotsWithTheLastCopy)
{
    const qsizetype before = SharedText::liveCount();
    {
        QList<SharedText> copies;
        for (const QString &text : storageCases())
            copies << SharedText(text) << SharedText(text);
        QList<SharedText> more = copies;
        EXPECT_EQ(SharedText::liveCount(), before + 2 * storageCases().size());
        copies.clear();
        EXPECT_EQ(SharedText::liveCount(), before + 2 * storageCases().size());
    }
    EXPECT_EQ(SharedText::liveCount(), before);
    // Freed slots are used again and hold their new text.
    const SharedText again(QStringLiteral("다시"));
    EXPECT_EQ(again.str(), QStringLiteral("다시"));
}

TEST(SharedText, ReadsLikeAnOrdinaryText)
{
    const SharedText price(QStringLiteral(" 12000 "));
    const QString plain = price;
    EXPECT_EQ(plain, QStringLiteral(" 12000 "));
    EXPECT_EQ(price.trimmed(), QStringLiteral("12000"));
    bool ok = false;
    EXPECT_EQ(SharedText(QStringLiteral("42")).toInt(&ok), 42);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(QStringList{QStringLiteral(" 12000 ")}.contains(price));
    EXPECT_TRUE(price == u" 12000 ");
}

TEST(SharedFixedText, CutsLikeAFixedTextField)
{
    struct Case
    {
        const char *name;
        QString text;
        QString expected;
    };
    // A five-byte field.
    const QList<Case> cases = {
        {"ascii fits", QStringLiteral("12345"), QStringLiteral("12345")},
        {"ascii over", QStringLiteral("1234567"), QStringLiteral("12345")},
        {"hangul fits", QStringLiteral("가나"), QStringLiteral("가나")},
        {"hangul drops the half", QStringLiteral("가나다"), QStringLiteral("가나")},
        {"mixed", QStringLiteral("a가나다"), QStringLiteral("a가나")},
        {"empty", QString(), QString()},
    };
    for (const Case &c : cases) {
        SharedFixedText<5> byText;
        byText = c.text;
        EXPECT_EQ(byText.str(), c.expected) << c.name;
        // Handed a shared text (as the goods parser does), the field cuts it the same way and
        // leaves the shared one as it was.
        const SharedText shared(c.text);
        SharedFixedText<5> byShared;
        byShared = shared;
        EXPECT_EQ(byShared.str(), c.expected) << c.name;
        EXPECT_EQ(shared.str(), c.text) << c.name;
        // A wider field copied into this one is cut as well.
        SharedFixedText<20> wide;
        wide = c.text;
        byShared = wide;
        EXPECT_EQ(byShared.str(), c.expected) << c.name;
    }
}
} // namespace
