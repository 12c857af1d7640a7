#include "link/frame_codec.h"
#include "link/rsa_key.h"
#include "link/session_cipher.h"

#include <gtest/gtest.h>

#include <QMap>

#include <QRegularExpression>

#include <QProcess>
#include <QTemporaryDir>

namespace
{
const QByteArray kKey("0123456789abcdefghijklmnopqrstuv");
}

TEST(FrameCodec, HeaderCarriesLittleEndianLengthAndTypeBytes)
{
    const QByteArray body(300, 'x');
    const QByteArray frame = Frame::build(body);
    ASSERT_EQ(frame.size(), 16 + 300);
    // L = 300 + 12 = 312 = 0x138, least significant byte first.
    EXPECT_EQ(frame.left(4), QByteArray("\x38\x01\x00\x00", 4));
    EXPECT_EQ(frame.mid(4, 12), QByteArray("\x01\x00\x00\x01\x00\x01\x00\x00\x00\x00\x01\x00", 12));
    EXPECT_EQ(Frame::header(0, Frame::kGetRsaType),
              QByteArray("\x0c\x00\x00\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00", 16));
}

TEST(FrameCodec, ReaderAnswersNeedMoreInvalidOrComplete)
{
    const QByteArray frame = Frame::build("hello");
    struct Case
    {
        QByteArray bytes;
        Frame::ReadStatus status;
    };
    QByteArray tooShort = Frame::header(0, Frame::kRequestType);
    tooShort[0] = 11;
    QByteArray huge = Frame::header(0, Frame::kRequestType);
    huge[3] = char(0x7f);
    const Case cases[] = {
        {QByteArray(), Frame::ReadStatus::NeedMore},
        {frame.left(15), Frame::ReadStatus::NeedMore},
        {frame.left(18), Frame::ReadStatus::NeedMore},
        {frame, Frame::ReadStatus::Complete},
        {frame + "trailing", Frame::ReadStatus::Complete},
        {tooShort, Frame::ReadStatus::Invalid},
        {huge, Frame::ReadStatus::Invalid},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Frame::readFrame(c.bytes).status, c.status) << c.bytes.toHex().constData();
    }
    EXPECT_EQ(Frame::readFrame(frame).frameSize, frame.size());
    EXPECT_EQ(Frame::bodyOf(frame + "x"), QByteArray("hello"));
}

TEST(SessionCipher, PaddingAlwaysAddsOneToSixteenBytes)
{
    for (int n : {0, 1, 15, 16, 17, 32}) {
        const QByteArray b64 = SessionCipher::encryptToBase64(QByteArray(n, 'a'), kKey);
        const QByteArray cipher = QByteArray::fromBase64(b64);
        EXPECT_EQ(cipher.size(), (n / 16 + 1) * 16) << n;
        EXPECT_FALSE(b64.contains('\n'));
        const auto plain = SessionCipher::decryptFromBase64(b64, kKey);
        ASSERT_TRUE(plain.has_value());
        EXPECT_EQ(*plain, QByteArray(n, 'a'));
    }
}

TEST(SessionCipher, MatchesOpensslCommandLineWithZeroIv)
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("enc"), QStringLiteral("-aes-256-cbc"), QStringLiteral("-a"), QStringLiteral("-A"),
                   QStringLiteral("-K"), QString::fromLatin1(kKey.toHex()), QStringLiteral("-iv"),
                   QStringLiteral("00000000000000000000000000000000")});
    ASSERT_TRUE(openssl.waitForStarted());
    const QByteArray plain = QStringLiteral("{\"VAL\":\"접수│\"}").toUtf8();
    openssl.write(plain);
    openssl.closeWriteChannel();
    ASSERT_TRUE(openssl.waitForFinished());
    EXPECT_EQ(SessionCipher::encryptToBase64(plain, kKey), openssl.readAllStandardOutput().trimmed());
}

TEST(SessionCipher, RejectsMalformedCipherText)
{
    const QByteArray good = QByteArray::fromBase64(SessionCipher::encryptToBase64("payload", kKey));
    QByteArray wrongPad = good;
    wrongPad[wrongPad.size() - 1] = char(wrongPad.at(wrongPad.size() - 1) ^ 0x55);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("not base64 !!"),
        good.left(good.size() - 1).toBase64(),  // not whole blocks
        wrongPad.toBase64(),                    // garbage padding after decryption
    };
    for (const QByteArray &c : cases)
        EXPECT_FALSE(SessionCipher::decryptFromBase64(c, kKey).has_value()) << c.constData();
    // A different key turns the padding into garbage as well.
    EXPECT_FALSE(SessionCipher::decryptFromBase64(good.toBase64(), QByteArray(32, 'z')).has_value());
}

TEST(SessionCipher, SessionKeyIsTheDeviceCodeThenRandomDigits)
{
    const QRegularExpression form(QStringLiteral("^CDK[0-9]{29}$"));
    const QString a = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
    const QString b = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
    EXPECT_EQ(a.size(), 32);
    EXPECT_TRUE(form.match(a).hasMatch()) << a.toStdString();
    EXPECT_TRUE(form.match(b).hasMatch()) << b.toStdString();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.toUtf8().size(), 32) << "the key text is the 32 AES key bytes";

    // A shorter code is followed by more digits; a longer one is cut to three characters.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^X[0-9]{31}$")).match(SessionCipher::makeSessionKey(QStringLiteral("X"))).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ABC[0-9]{29}$"))
                    .match(SessionCipher::makeSessionKey(QStringLiteral("ABCD")))
                    .hasMatch());

    // Every digit turns up about equally often (expected 580 each; the bounds are many deviations wide).
    QMap<QChar, int> counts;
    for (int i = 0; i < 200; ++i) {
        const QString key = SessionCipher::makeSessionKey(QStringLiteral("CDK"));
        for (QChar c : QStringView(key).mid(3))
            ++counts[c];
    }
    ASSERT_EQ(counts.size(), 10);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        EXPECT_TRUE(it.value() > 430 && it.value() < 730) << it.key().toLatin1() << ": " << it.value();
}

TEST(RsaKey, PemLinesAreSixtyFourCharactersWithCrLf)
{
    const QByteArray b64(130, 'A');
    const QByteArray pem = RsaKey::pemFromBase64Der(b64);
    const QList<QByteArray> lines = pem.split('\n');
    ASSERT_EQ(lines.size(), 6);  // 5 lines and the empty rest after the last LF
    EXPECT_EQ(lines[0], "-----BEGIN PUBLIC KEY-----\r");
    EXPECT_EQ(lines[1].size(), 65);
    EXPECT_EQ(lines[2].size(), 65);
    EXPECT_EQ(lines[3], "AA\r");
    EXPECT_EQ(lines[4], "-----END PUBLIC KEY-----\r");
}

TEST(RsaKey, WrappedKeyRoundTripsAndHasNoLineBreaks)
{
    auto pair = RsaKey::KeyPair::generate(2048);
    ASSERT_TRUE(pair);
    const QByteArray sessionKey = SessionCipher::makeSessionKey(QStringLiteral("CDK")).toLatin1();
    const auto wrapped = RsaKey::publicEncryptBase64(pair->publicDerBase64(), sessionKey);
    ASSERT_TRUE(wrapped.has_value());
    EXPECT_FALSE(wrapped->contains('\n'));
    EXPECT_FALSE(wrapped->contains('\r'));
    const auto unwrapped = pair->privateDecrypt(QByteArray::fromBase64(*wrapped));
    ASSERT_TRUE(unwrapped.has_value());
    EXPECT_EQ(*unwrapped, sessionKey);

    QString error;
    EXPECT_FALSE(RsaKey::publicEncryptBase64("bm90IGEga2V5", sessionKey, &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}
