#include "settings/color_text.h"
#include "text/cp949.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
// Leaves a socket file at path: it is there, but no one (not even the superuser) can open it to
// read, the way a file is that the user may not read.
bool placeUnopenableSettingsFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

bool isSocketFile(const QString &path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("CourierDesk_env.ini")); }
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading)
{
    TIniFile ini(path());
    EXPECT_FALSE(ini.FileExists());
    EXPECT_EQ(ini.ReadString(QStringLiteral("USER"), QStringLiteral("GUBUN"), QStringLiteral("T")), QStringLiteral("T"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("User"), QStringLiteral("FONT_SIZE"), 10), 10);
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("User"), QStringLiteral("bOrdConfirmMsg"), false));
    EXPECT_TRUE(ini.ReadSection(QStringLiteral("User")).isEmpty());
    EXPECT_FALSE(ini.FileExists());
}

TEST_F(SettingsFileTest, UpperAndMixedCaseSectionsAreOneSection)
{
    TIniFile ini(path());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("USER"), QStringLiteral("SAVEID"), QStringLiteral("Y")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("FONT_SIZE"), QStringLiteral("12")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("user"), QStringLiteral("saveid"), QStringLiteral("N")));

    const QString text = QString::fromUtf8(fileBytes(path()));
    EXPECT_EQ(text.count(QLatin1Char('[')), 1) << text.toStdString();
    EXPECT_EQ(text, QStringLiteral("[USER]\nSAVEID=N\nFONT_SIZE=12\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("uSeR"), QStringLiteral("Font_Size"), QString()), QStringLiteral("12"));
    EXPECT_EQ(ini.ReadSections(), QStringList{QStringLiteral("USER")});
}

TEST_F(SettingsFileTest, EveryWriteIsInTheFileAtOnce)
{
    TIniFile writer(path());
    TIniFile otherReader(path());
    ASSERT_TRUE(writer.WriteString(QStringLiteral("CID"), QStringLiteral("SERVER_IP"), QStringLiteral("10.0.0.1")));
    EXPECT_TRUE(fileBytes(path()).contains("SERVER_IP=10.0.0.1"));
    EXPECT_EQ(otherReader.ReadString(QStringLiteral("CID"), QStringLiteral("SERVER_IP"), QString()),
              QStringLiteral("10.0.0.1"));
    // A change made behind the object's back is seen by the next read: nothing is cached.
    putBytes(path(), "[CID]\nSERVER_IP=10.0.0.2\n");
    EXPECT_EQ(writer.ReadString(QStringLiteral("CID"), QStringLiteral("SERVER_IP"), QString()), QStringLiteral("10.0.0.2"));
}

TEST_F(SettingsFileTest, WritesKeepOtherLinesAndLineEnds)
{
    putBytes(path(), "; kept comment\r\n[Print1]\r\nUSE=1\r\n\r\n[ORD]\r\nDISPOS=4\r\n");
    TIniFile ini(path());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("print1"), QStringLiteral("NAME"), QStringLiteral("COM3")));
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("ORD"), QStringLiteral("dispos"), 7));
    EXPECT_EQ(fileBytes(path()),
              QByteArray("; kept comment\r\n[Print1]\r\nUSE=1\r\nNAME=COM3\r\n\r\n[ORD]\r\nDISPOS=7\r\n"));
}

TEST_F(SettingsFileTest, ValuesAndConversions)
{
    putBytes(path(), "[User]\nMsg1 = \"  quoted \" \nFONT_SIZE=abc\nMsgTime= 2000 \nbOrdConfirmMsg=2\n"
                     "dtAdPopUp=2026-12-31\nbad=2026-13-01\nMsg2=\xEC\x95\x88\xEB\x85\x95\n");
    TIniFile ini(path());
    const QString u = QStringLiteral("User");
    EXPECT_EQ(ini.ReadString(u, QStringLiteral("Msg1"), QString()), QStringLiteral("  quoted "));
    EXPECT_EQ(ini.ReadInteger(u, QStringLiteral("FONT_SIZE"), 10), 10);
    EXPECT_EQ(ini.ReadInteger(u, QStringLiteral("MsgTime"), 1500), 2000);
    EXPECT_TRUE(ini.ReadBool(u, QStringLiteral("bOrdConfirmMsg"), false));
    EXPECT_EQ(ini.ReadDate(u, QStringLiteral("dtAdPopUp"), QDate()), QDate(2026, 12, 31));
    EXPECT_EQ(ini.ReadDate(u, QStringLiteral("bad"), QDate(2000, 1, 1)), QDate(2000, 1, 1));
    EXPECT_EQ(ini.ReadString(u, QStringLiteral("Msg2"), QString()), QStringLiteral("안녕"));
}

TEST_F(SettingsFileTest, CodePageFileIsReadAndRewrittenAsUtf8)
{
    putBytes(path(), QByteArray("[User]\nMsg1=") + Cp949::encode(QStringLiteral("배달완료")) + "\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString(QStringLiteral("User"), QStringLiteral("Msg1"), QString()), QStringLiteral("배달완료"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("Msg2"), QStringLiteral("x")));
    EXPECT_TRUE(fileBytes(path()).contains(QStringLiteral("배달완료").toUtf8()));
}

TEST_F(SettingsFileTest, UnsafeNamesAreRefusedAndLineBreaksInValuesCannotAddKeys)
{
    TIniFile ini(path());
    EXPECT_FALSE(ini.WriteString(QStringLiteral("A]B"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_FALSE(ini.WriteString(QStringLiteral("S"), QStringLiteral("k=x"), QStringLiteral("v")));
    EXPECT_FALSE(ini.WriteString(QString(), QStringLiteral("k"), QStringLiteral("v")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("Msg1"), QStringLiteral("a\r\n[USER]\nPW=x")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("USER")) && ini.ValueExists(QStringLiteral("USER"), QStringLiteral("PW")));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("User")), QStringList{QStringLiteral("Msg1")});
}

TEST_F(SettingsFileTest, FileThatCannotBeReadIsNeverReplacedByOneKey)
{
    // Whoever runs the test, the file is there and cannot be opened.
    ASSERT_TRUE(placeUnopenableSettingsFile(path()));
    TIniFile ini(path());
    EXPECT_FALSE(ini.WriteString(QStringLiteral("User"), QStringLiteral("FONT_SIZE"), QStringLiteral("12")));
    EXPECT_FALSE(ini.DeleteKey(QStringLiteral("USER"), QStringLiteral("SAVEID")));
    EXPECT_FALSE(ini.EraseSection(QStringLiteral("Print1")));
    EXPECT_TRUE(isSocketFile(path())) << "the file was replaced";
}

TEST_F(SettingsFileTest, SectionKeysDeleteAndErase)
{
    putBytes(path(), "[CHECK_BR0001B001]\nB001=1\nb001=1\nB002=1\n[Other]\nx=1\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadSection(QStringLiteral("check_br0001b001")), (QStringList{QStringLiteral("B001"), QStringLiteral("B002")}));
    ASSERT_TRUE(ini.DeleteKey(QStringLiteral("CHECK_BR0001B001"), QStringLiteral("b002")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("CHECK_BR0001B001"), QStringLiteral("B002")));
    ASSERT_TRUE(ini.EraseSection(QStringLiteral("CHECK_BR0001B001")));
    EXPECT_EQ(fileBytes(path()), QByteArray("[Other]\nx=1\n"));
}

TEST(ColorText, NamesAndNumbersBothWays)
{
    struct Case
    {
        const char *text;
        TColor value;
        const char *back;
    };
    const Case cases[] = {
        {"clRed", clRed, "clRed"},
        {"CLWHITE", clWhite, "clWhite"},
        {"clYellow", clYellow, "clYellow"},
        {"$000080FF", ColorFromRgb(255, 128, 0), "$000080FF"},
        {"$00FF0000", clBlue, "clBlue"},
        {"0x00123456", 0x123456, "$00123456"},
        {"32768", 0x008000, "clGreen"},
        {"clLtGray", 0xC0C0C0, "clSilver"},
        {"clWindow", clWindow, "clWindow"},
        {"-16777201", clBtnFace, "clBtnFace"},
    };
    for (const Case &c : cases) {
        TColor v = 0;
        ASSERT_TRUE(StringToColor(QString::fromLatin1(c.text), &v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
        EXPECT_EQ(ColorToString(v), QString::fromLatin1(c.back)) << c.text;
    }
    TColor v = 7;
    for (const char *bad : {"", "red", "$XYZ", "clNoSuch", "$1FFFFFFFF"})
        EXPECT_FALSE(StringToColor(QString::fromLatin1(bad), &v)) << bad;
    EXPECT_EQ(v, 7);
    EXPECT_EQ(ColorRed(ColorFromRgb(255, 128, 0)), 255);
    EXPECT_EQ(ColorGreen(ColorFromRgb(255, 128, 0)), 128);
    EXPECT_EQ(ColorBlue(ColorFromRgb(255, 128, 0)), 0);
}

TEST_F(SettingsFileTest, ReadIniColorUsesWindowColourOnlyWithoutFile)
{
    TIniFile ini(path());
    EXPECT_EQ(ReadIniColor(ini, QStringLiteral("User"), QStringLiteral("ColorNormalF"), clBlack), clWindow);
    ASSERT_TRUE(WriteIniColor(ini, QStringLiteral("User"), QStringLiteral("ColorNormalB"), ColorFromRgb(255, 128, 0)));
    EXPECT_EQ(ini.ReadString(QStringLiteral("User"), QStringLiteral("ColorNormalB"), QString()), QStringLiteral("$000080FF"));
    EXPECT_EQ(ReadIniColor(ini, QStringLiteral("User"), QStringLiteral("ColorNormalB"), clBlack), ColorFromRgb(255, 128, 0));
    EXPECT_EQ(ReadIniColor(ini, QStringLiteral("User"), QStringLiteral("ColorNormalF"), clBlack), clBlack);
    ASSERT_TRUE(ini.WriteString(QStringLiteral("User"), QStringLiteral("ColorNormalF"), QStringLiteral("nonsense")));
    EXPECT_EQ(ReadIniColor(ini, QStringLiteral("User"), QStringLiteral("ColorNormalF"), clBlack), clBlack);
}

TEST_F(SettingsFileTest, NamesWithBlanksAroundThemMeanTheSameInEveryOperation)
{
    // Each row writes under one spelling and uses another with every operation that takes a name.
    struct Case
    {
        const char *writeSection;
        const char *writeKey;
        const char *useSection;
        const char *useKey;
    };
    const Case cases[] = {
        {"SESSION ", "demo", "SESSION ", "demo"},
        {"SESSION ", "demo", "SESSION", "demo"},
        {"SESSION", "demo", " SESSION\t", " demo "},
        {"  User", "Msg1  ", "user", "MSG1"},
        {"CHECK_BR0001B001", " B001", "CHECK_BR0001B001 ", "B001 "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.writeSection) + "/" + c.writeKey + " used as " + c.useSection + "/" + c.useKey);
        QFile::remove(path());
        TIniFile ini(path());
        const QString ws = QString::fromLatin1(c.writeSection);
        const QString wk = QString::fromLatin1(c.writeKey);
        const QString us = QString::fromLatin1(c.useSection);
        const QString uk = QString::fromLatin1(c.useKey);
        ASSERT_TRUE(ini.WriteString(ws, wk, QStringLiteral("600")));
        // The file holds the trimmed names only.
        EXPECT_EQ(fileBytes(path()),
                  QStringLiteral("[%1]\n%2=600\n").arg(ws.trimmed(), wk.trimmed()).toUtf8());

        EXPECT_EQ(ini.ReadString(us, uk, QStringLiteral("def")), QStringLiteral("600"));
        EXPECT_EQ(ini.ReadString(ws, wk, QStringLiteral("def")), QStringLiteral("600"));
        EXPECT_EQ(ini.ReadInteger(us, uk, 0), 600);
        EXPECT_TRUE(ini.ReadBool(us, uk, false));
        EXPECT_TRUE(ini.SectionExists(us));
        EXPECT_TRUE(ini.ValueExists(us, uk));
        EXPECT_EQ(ini.ReadSection(us), QStringList{wk.trimmed()});
        EXPECT_EQ(ini.ReadSections(), QStringList{ws.trimmed()});

        // A second write under the other spelling replaces the value instead of adding a key.
        ASSERT_TRUE(ini.WriteString(us, uk, QStringLiteral("900")));
        EXPECT_EQ(ini.ReadSection(ws), QStringList{wk.trimmed()});
        EXPECT_EQ(ini.ReadInteger(ws, wk, 0), 900);

        ASSERT_TRUE(ini.DeleteKey(us, uk));
        EXPECT_FALSE(ini.ValueExists(ws, wk));
        ASSERT_TRUE(ini.WriteString(ws, wk, QStringLiteral("1")));
        ASSERT_TRUE(ini.EraseSection(us));
        EXPECT_FALSE(ini.SectionExists(ws));
    }
}

TEST_F(SettingsFileTest, NamesThatCannotStandInTheFileNameNothingInAnyOperation)
{
    putBytes(path(), "[A]\nB=1\nk=2\n");
    TIniFile ini(path());
    const QByteArray before = fileBytes(path());
    const struct
    {
        QString section;
        QString key;
    } cases[] = {
        {QStringLiteral("A]B"), QStringLiteral("k")},
        {QStringLiteral("A"), QStringLiteral("k=x")},
        {QStringLiteral("   "), QStringLiteral("k")},
        {QStringLiteral("A"), QStringLiteral(" ")},
        {QStringLiteral("A\nB"), QStringLiteral("k")},
        {QStringLiteral("A"), QStringLiteral(";k")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.section.toStdString() + "/" + c.key.toStdString());
        EXPECT_FALSE(ini.WriteString(c.section, c.key, QStringLiteral("v")));
        EXPECT_EQ(ini.ReadString(c.section, c.key, QStringLiteral("def")), QStringLiteral("def"));
        EXPECT_FALSE(ini.ValueExists(c.section, c.key));
        EXPECT_FALSE(ini.DeleteKey(c.section, c.key));
    }
    for (const QString &section : {QStringLiteral("A]B"), QStringLiteral(" "), QStringLiteral("A\rB")}) {
        EXPECT_FALSE(ini.SectionExists(section));
        EXPECT_TRUE(ini.ReadSection(section).isEmpty());
        EXPECT_FALSE(ini.EraseSection(section));
    }
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(SettingsFileTest, NamesNoOperationCouldReachAreNotListed)
{
    putBytes(path(), "[]\nk=v\n[A]\nkey=1\nbro\rken=2\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadSections(), QStringList{QStringLiteral("A")});
    EXPECT_EQ(ini.ReadSection(QStringLiteral("A")), QStringList{QStringLiteral("key")});
    for (const QString &section : ini.ReadSections())
        for (const QString &key : ini.ReadSection(section))
            EXPECT_TRUE(ini.ValueExists(section, key));
}
} // namespace
