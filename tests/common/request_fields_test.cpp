#include "common/program_globals.h"

#include <gtest/gtest.h>

namespace
{
const QString kSep = QString(QChar(0x2502));

QStringList splitPayload(const QString &payload)
{
    QStringList parts = payload.split(kSep);
    parts.removeLast();  // the separator after the last field
    return parts;
}
} // namespace

// Every sender joins its fields here, so a separator typed into free text can never add a field
// and shift the ones after it; what it becomes still reads as a bar.
TEST(JoinRequestFields, EachFieldStaysOneFieldWhateverItHolds)
{
    ResetProgramGlobals();
    struct Case
    {
        QStringList fields;
        QStringList sent;
    };
    const Case cases[] = {
        {{}, {}},
        {{QString()}, {QString()}},
        {{QStringLiteral("a"), QString(), QStringLiteral("b")}, {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        // a memo, a cancel reason, a message text
        {{QStringLiteral("O1"), QStringLiteral("문 앞│벨 X")}, {QStringLiteral("O1"), QStringLiteral("문 앞|벨 X")}},
        {{QStringLiteral("│"), QStringLiteral("││x│")}, {QStringLiteral("|"), QStringLiteral("||x|")}},
        // quotes and backslashes are the link's business, not the join's
        {{QStringLiteral("say \"hi\" C:\\")}, {QStringLiteral("say \"hi\" C:\\")}},
    };
    for (const Case &c : cases) {
        const QString payload = JoinRequestFields(c.fields);
        EXPECT_TRUE(payload.isEmpty() || payload.endsWith(kSep)) << payload.toStdString();
        EXPECT_EQ(splitPayload(payload), c.sent) << c.fields.join(QLatin1Char(',')).toStdString();
    }
}

TEST(JoinRequestFields, HasFieldSeparatorFindsItAlsoBeforeTheProgramSetItsSeparator)
{
    ResetProgramGlobals();
    EXPECT_TRUE(HasFieldSeparator(QStringLiteral("pw│tail")));
    EXPECT_FALSE(HasFieldSeparator(QStringLiteral("pw|tail")));
    EXPECT_FALSE(HasFieldSeparator(QString()));
    G_FIELD_SEP.clear();
    EXPECT_TRUE(HasFieldSeparator(QStringLiteral("pw│tail")));
    EXPECT_EQ(JoinRequestFields({QStringLiteral("a│b")}), QStringLiteral("a|b"));
    ResetProgramGlobals();
}
