#include "tests/devices/caller_id_fixture.h"

#include "devices/caller_id_records.h"
#include "devices/call_history.h"

TEST(CidRequests, ExtensionGoldens)
{
    const QString r101 = func_BuildCidRequest(QStringLiteral(" 1 2 3"));
    EXPECT_EQ(r101.size(), 93);
    EXPECT_EQ(r101, QStringLiteral("101") + QStringLiteral("0000") + QString(14, QLatin1Char(' ')) + QStringLiteral("123 ")
                        + QStringLiteral("00") + QString(14 + 8 + 4 + 20 + 20, QLatin1Char(' ')));

    const QString comma = func_BuildCidRequest(QStringLiteral("1234,5678901234"));
    EXPECT_EQ(comma.size(), 93);
    EXPECT_EQ(comma.mid(3, 4), QStringLiteral("9999"));
    EXPECT_EQ(comma.mid(21, 4), QStringLiteral("1234"));
    EXPECT_EQ(comma.mid(25, 2), QStringLiteral(",5"));
    EXPECT_EQ(comma.mid(27, 14), QStringLiteral("678901234     "));

    // With a comma and fewer than five characters the result is blank.
    EXPECT_EQ(func_BuildCidRequest(QStringLiteral("12,")).mid(25, 2), QStringLiteral("  "));

    const QString r102 = func_BuildCidRequest2(QStringLiteral("12345"));
    EXPECT_EQ(r102.size(), 49);
    EXPECT_EQ(r102, QStringLiteral("1020000") + QString(14, QLatin1Char(' ')) + QStringLiteral("1234") + QStringLiteral("00")
                        + QString(22, QLatin1Char(' ')));

    EXPECT_EQ(func_PadRight(QStringLiteral(" ab "), 4, QLatin1Char('.')), QStringLiteral("ab.."));
    EXPECT_EQ(func_PadRight(QStringLiteral("abcdef"), 4), QStringLiteral("abcdef"));
    EXPECT_EQ(func_ByteHex(0x5f), QStringLiteral("5F"));
    EXPECT_EQ(func_ByteHex(300), QStringLiteral("00"));
}

TEST(CidServerAnswer, RecordsIgnoredStopAndMalformed)
{
    const QChar sep(0x01);
    const CidServerAnswer two = ReadCidServerAnswer(
        QStringLiteral("1,021112222,01012345678,10:00:01") + sep + QStringLiteral("2,023334444,01099998888,10:00:02"),
        QStringLiteral("123456"));
    ASSERT_EQ(two.calls.size(), 2);
    EXPECT_EQ(two.calls.at(0).sTelNum.trimmed(), QStringLiteral("01012345678"));
    EXPECT_EQ(two.calls.at(1).sMainLn.trimmed(), QStringLiteral("023334444"));
    EXPECT_EQ(two.calls.at(1).sType, QStringLiteral("117"));
    EXPECT_EQ(two.calls.at(1).sStation, QStringLiteral("1234"));
    EXPECT_EQ(two.calls.at(1).sResult, QStringLiteral("00"));
    EXPECT_TRUE(two.logRead);
    EXPECT_TRUE(two.bad.isEmpty());

    EXPECT_TRUE(ReadCidServerAnswer(QStringLiteral("   "), QString()).ignored);
    const CidServerAnswer refused = ReadCidServerAnswer(QStringLiteral("1,2,3,4!"), QString());
    EXPECT_TRUE(refused.ignored);
    EXPECT_TRUE(refused.calls.isEmpty());
    const CidServerAnswer stop = ReadCidServerAnswer(QStringLiteral("@"), QString());
    EXPECT_TRUE(stop.stop);
    EXPECT_TRUE(stop.bad.isEmpty());
    EXPECT_FALSE(ReadCidServerAnswer(QStringLiteral("101 ,,,"), QString()).logRead);

    // A cut record between two calls, and a trailing separator: both calls arrive, the cut one
    // is reported, the empty piece is not.
    const CidServerAnswer mixed = ReadCidServerAnswer(QStringLiteral("1,02111,0101,10:00") + sep + QStringLiteral("1,2,3") + sep
                                                          + QStringLiteral("2,02333,0109,10:01") + sep,
                                                      QString());
    EXPECT_EQ(mixed.calls.size(), 2);
    EXPECT_EQ(mixed.bad, QStringList{QStringLiteral("1,2,3")});
    // Overlong fields are cut to their widths.
    const CidServerAnswer longer = ReadCidServerAnswer(QStringLiteral("12345,012345678901234567,0,123456789"), QString());
    ASSERT_EQ(longer.calls.size(), 1);
    EXPECT_EQ(longer.calls.at(0).sLine, QStringLiteral("1234"));
    EXPECT_EQ(longer.calls.at(0).sMainLn.size(), 14);
    EXPECT_EQ(longer.calls.at(0).sSndTime, QStringLiteral("12345678"));
}

TEST(DeviceCallRecord, ChannelStoreTelephoneIsTheCalledLine)
{
    CallerIdWorld world;
    G_COM_CID[1].CH[1] = "0000102";
    const auto rec = BuildDeviceCallRecord({1, QStringLiteral("2"), 2, QStringLiteral("010-1234-5678")}, QStringLiteral("10:11:12"));
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->sType, QStringLiteral("917"));
    EXPECT_EQ(rec->sLine, QStringLiteral("2   "));
    EXPECT_EQ(rec->sStation, QStringLiteral("2   "));
    EXPECT_EQ(rec->sMainLn.trimmed(), QStringLiteral("023334444"));
    EXPECT_EQ(rec->sTelNum.trimmed(), QStringLiteral("01012345678"));
    EXPECT_EQ(rec->sSndTime, QStringLiteral("10:11:12"));
    EXPECT_EQ(DeviceCallLogLine({1, QStringLiteral("2"), 2, QStringLiteral("0101")}),
              QStringLiteral("Station : [2] PriNum : [2] CustTel : [0101]"));

    // An empty channel entry, channel 9 and an unknown store code: the first store's telephone.
    G_COM_CID[0].CH[2] = "9999999";
    for (int channel : {1, 3, 9, 0})
        EXPECT_EQ(DeviceChannelStoreTel({0, QString::number(channel), channel, QString()}), QStringLiteral("02-111-2222"))
            << channel;
    // A store without telephone drops the call.
    G_ST_LIST.at(1).ST_TEL = "  ";
    EXPECT_FALSE(BuildDeviceCallRecord({1, QStringLiteral("2"), 2, QStringLiteral("0101")}, QStringLiteral("10:11:12")));
}

TEST(CallHistory, LogLinesToRowsAndBack)
{
    const auto row = ParseCallLogLine(QStringLiteral("(2026-12-11 10:00:00:123) 10:00:00,021112222,01012345678,1"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->sndTime, QStringLiteral("10:00:00"));
    EXPECT_EQ(row->caller, QStringLiteral("010-1234-5678"));
    EXPECT_EQ(row->mainLine, QStringLiteral("02-111-2222"));
    EXPECT_EQ(row->received, QStringLiteral("수신"));
    EXPECT_EQ(row->line, QStringLiteral("1"));
    const HEADER rec = CallRecordOfHistoryRow(*row, QStringLiteral("123456"));
    EXPECT_EQ(rec.sType, QStringLiteral("117"));
    EXPECT_EQ(rec.sTelNum.trimmed(), QStringLiteral("01012345678"));
    EXPECT_EQ(rec.sMainLn.trimmed(), QStringLiteral("021112222"));
    EXPECT_EQ(rec.sStation, QStringLiteral("1234"));
    EXPECT_EQ(rec.sLine, QStringLiteral("1   "));

    for (const char *bad : {"no bracket 10:00,1,2,3", "(x) 10:00,021112222,0101", "", "(x) "})
        EXPECT_FALSE(ParseCallLogLine(QString::fromLatin1(bad))) << bad;
}
