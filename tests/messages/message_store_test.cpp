#include "messages/message_store.h"

#include "text/cp949.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace
{
TMSG_LIST message(const QString &no, const QString &title, const QString &content)
{
    TMSG_LIST m;
    m.MSG_NO = no;
    m.PUT_DATE = QStringLiteral("20261211093000");
    m.CHNL_TYPE = QStringLiteral("1");
    m.MSG_TYPE_CD = QStringLiteral("4001");
    m.MSG_TITLE = title;
    m.MSG_CONTENT = content;
    m.BTN_1_TEXT = title;
    m.ADD_VALUE_3 = content;
    m.MOD_DATE = QStringLiteral("20261211093001");
    m.CONF_YN = QStringLiteral("N");
    return m;
}
} // namespace

// Every text field comes back byte for byte, whatever it holds.
TEST(MessageStore, RoundTripsAwkwardTexts)
{
    const QChar etx(3), stx(2);
    const QList<QPair<QString, QString>> texts = {
        {QStringLiteral("plain"), QStringLiteral("안녕하세요")},
        {QStringLiteral("line feeds"), QStringLiteral("첫 줄\n둘째 줄\n")},
        {QStringLiteral("CR LF pairs"), QStringLiteral("a\r\nb\r\n\r\n")},
        {QStringLiteral("lone CR"), QStringLiteral("a\rb")},
        {QStringLiteral("ETX inside"), QStringLiteral("x") + etx + QStringLiteral("y") + etx},
        {QStringLiteral("STX inside"), stx + QStringLiteral("z") + stx},
        {QStringLiteral("backslashes"), QStringLiteral("C:\\path\\e\\s\\r\\\\")},
        {QStringLiteral("escape look-alikes"), QStringLiteral("&quot;&#92;│|")},
        {QStringLiteral("outside the old code page"), QStringLiteral("emoji 😀, 汉字 简体, ẞ, ñ")},
        {QStringLiteral("empty"), QString()},
    };
    QList<TMSG_LIST> in;
    for (int i = 0; i < texts.size(); ++i)
        in << message(QString::number(1000 + i), texts.at(i).first + texts.at(i).second, texts.at(i).second);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CID/20261211_tester.Dat"));
    ASSERT_TRUE(MessageStore::save(path, in));
    const MessageStore::LoadResult out = MessageStore::load(path);
    ASSERT_TRUE(out.complete) << out.error.toStdString();
    ASSERT_EQ(out.messages.size(), in.size());
    for (int i = 0; i < in.size(); ++i) {
        SCOPED_TRACE(texts.at(i).first.toStdString());
        for (int f = 0; f < TMSG_LIST::kFieldCount; ++f)
            EXPECT_EQ(out.messages.at(i).field(f), in.at(i).field(f)) << "field " << f;
    }
    // One line per message, CR LF ended, each field followed by ETX.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), in.size());
    EXPECT_TRUE(bytes.endsWith(QByteArray("\x03\r\n")));
}

// An older installation's file: Korean code page, line feeds of the text as STX.
TEST(MessageStore, ReadsAnOlderFile)
{
    QStringList fields(TMSG_LIST::kFieldCount);
    fields[0] = QStringLiteral("77");
    fields[5] = QStringLiteral("공지");
    fields[6] = QStringLiteral("첫 줄") + QChar(2) + QStringLiteral("둘째 줄");
    QString line;
    for (const QString &f : fields)
        line += f + QChar(3);
    const MessageStore::LoadResult r = MessageStore::parse(Cp949::encode(line + QStringLiteral("\r\n")));
    ASSERT_TRUE(r.complete);
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_EQ(r.messages.at(0).MSG_TITLE, QStringLiteral("공지"));
    EXPECT_EQ(r.messages.at(0).MSG_CONTENT, QStringLiteral("첫 줄\n둘째 줄"));
}

// A broken line ends the reading; what came before it is kept.
TEST(MessageStore, BrokenLineKeepsTheLinesBefore)
{
    QByteArray bytes = MessageStore::serialize({message("1", "a", "b"), message("2", "c", "d")});
    bytes += "3\x03short\x03\r\n";
    bytes += MessageStore::serialize({message("4", "e", "f")});
    const MessageStore::LoadResult r = MessageStore::parse(bytes);
    EXPECT_FALSE(r.complete);
    ASSERT_EQ(r.messages.size(), 2);
    EXPECT_EQ(QString(r.messages.at(1).MSG_NO), QStringLiteral("2"));
}

// A write that cannot finish leaves the previous file as it was (no half-written file).
TEST(MessageStore, FailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.Dat"));
    ASSERT_TRUE(MessageStore::save(path, {message("1", "before", "x")}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // The temporary file cannot be made where a folder of its name already stands in the way.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/day.Dat")));
    QString error;
    EXPECT_FALSE(MessageStore::save(blocked + QStringLiteral("/day.Dat"), {message("2", "after", "y")}, &error));
    EXPECT_FALSE(error.isEmpty());

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(MessageStore::load(dir.filePath(QStringLiteral("missing.Dat"))).exists);
}
