#include "reference/address_loaders.h"
#include "row_separator.h"
#include "reference/address_search.h"

#include "common/program_globals.h"
#include "link/sandbox_link_fixture.h"
#include "reference/page_addresses.h"
#include "records/address_tree.h"
#include "records/business_rules.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "settings/address_region.h"
#include "text/cp949.h"
#include "text/text_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>

namespace
{

void switchOnly(std::initializer_list<int> numbers)
{
    for (int i = 1; i <= kAddrAreaCount; ++i)
        G_ADDR_AREA[i] = QStringLiteral("N");
    for (int n : numbers)
        G_ADDR_AREA[n] = QStringLiteral("Y");
}

int entryCount(const QString &province)
{
    int n = 0;
    if (const TADDR_1 *p = G_ADDR_1.find(province)) {
        for (const TADDR_2 &d : p->ADDR2)
            n += d.ADDR_INFO.count();
    }
    return n;
}

QString fileLine(const QStringList &fields)
{
    return QString::fromLatin1(PackNibbles(Cp949::encode(fields.join('|')), false));
}

// The region files shipped with the program and a folder of hand-made ones.
class RegionFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_ADDR_1.clear();
        G_USER_SET.WORD_ADDR_NO = QString();
        G_USER_INFO.GUBUN = QStringLiteral("R");
        previousExeDir = G_EXE_DIR;
        G_EXE_DIR.clear();
    }
    void TearDown() override
    {
        G_ADDR_1.clear();
        G_EXE_DIR = previousExeDir;
        switchOnly({});
    }
    // A program folder with DOC/addr1.dat and the given province files.
    void writeDoc(const QStringList &regionLines, const QMap<QString, QStringList> &files)
    {
        QDir(dir.path()).mkpath("DOC");
        QFile region(dir.path() + "/DOC/addr1.dat");
        ASSERT_TRUE(region.open(QIODevice::WriteOnly));
        region.write(Cp949::encode(regionLines.join("\r\n") + "\r\n"));
        region.close();
        for (auto it = files.begin(); it != files.end(); ++it) {
            QFile f(dir.path() + "/DOC/" + it.key());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write((it.value().join("\r\n") + "\r\n").toLatin1());
        }
        G_EXE_DIR = dir.path() + '/';
    }

    LogCapture log;
    ScriptedMsgBox boxes;
    QTemporaryDir dir;
    QString previousExeDir;
};

TEST_F(RegionFilesTest, ShippedFilesCoverTheDemoRegions)
{
    switchOnly({1, 13});
    int steps = 0;
    proc_Load_Addr([&] { ++steps; });
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_EQ(steps, 3);
    ASSERT_TRUE(G_ADDR_1.contains(QStringLiteral("서울")));
    const TADDR_1 &seoul = *G_ADDR_1.find(QStringLiteral("서울"));
    EXPECT_TRUE(std::is_sorted(seoul.SL_ADDR2().begin(), seoul.SL_ADDR2().end()));
    const TADDR_2 &gangnam = *seoul.ADDR2.find(QStringLiteral("강남구"));
    EXPECT_TRUE(gangnam.SL_ADDR3.contains(QStringLiteral("역삼동")));
    EXPECT_TRUE(gangnam.SL_ADDR8.contains(QStringLiteral("역삼1동")));
    ASSERT_GT(gangnam.ADDR_INFO.count(), 10);
    const TADDR_INFO &e = gangnam.ADDR_INFO.at(0);
    EXPECT_EQ(gangnam.SL_ADDR_NO().first(), QString::number(e.ADDR_NO));
    EXPECT_TRUE(e.ADDR_7.startsWith(e.KEYWORD_TEXT + "\r\n"));
    EXPECT_NEAR(e.lat_y, 37.51, 0.05);
    EXPECT_GT(entryCount(QStringLiteral("부산")), 10);
    EXPECT_EQ(entryCount(QStringLiteral("경기")), 0) << "a province switched off reads no file";
    EXPECT_FALSE(G_USER_SET.WORD_ADDR_NO.isEmpty());
}

TEST_F(RegionFilesTest, NoProvinceSwitchedOnShowsTheMessageOnce)
{
    switchOnly({});
    proc_Load_Addr();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].second, QString::fromUtf8(kNoRegionMsg));
    EXPECT_EQ(boxes.shown[0].first, "I");
}

TEST_F(RegionFilesTest, SejongTakesItsProvinceAsDistrictAndOthersNeedOne)
{
    auto line = [](const QString &no, const QString &province, const QString &district) {
        QStringList f(16);
        f[0] = no;
        f[2] = QStringLiteral("장소") + no;
        f[3] = province;
        f[4] = district;
        f[13] = "36.48";
        f[14] = "127.28";
        return fileLine(f);
    };
    writeDoc({QStringLiteral("1|서울|강남구|역삼동|역삼1동"), QStringLiteral("2|세종||한솔동|한솔동"), QStringLiteral("bad|line")},
             {{"ADDR_01.dat", {line("5", QStringLiteral("서울"), QString()), line("12", QStringLiteral("서울"), QStringLiteral("강남구")),
                               line("7", QStringLiteral("서울"), QStringLiteral("송파구")), fileLine({"1", "2", "short"})}},
              {"ADDR_08.dat", {line("3", QStringLiteral("세종"), QString())}}});
    switchOnly({1, 8});
    proc_Load_Addr();
    EXPECT_EQ(G_ADDR_1.find(QStringLiteral("세종"))->ADDR2.find(QStringLiteral("세종"))->ADDR_INFO.count(), 1);
    const TADDR_1 &seoul = *G_ADDR_1.find(QStringLiteral("서울"));
    EXPECT_EQ(seoul.SL_ADDR2(), (QStringList{QStringLiteral("강남구"), QStringLiteral("송파구")}));
    EXPECT_EQ(seoul.ADDR2.find(QStringLiteral("송파구"))->SL_ADDR_NO(), QStringList{"7"});
    EXPECT_EQ(entryCount(QStringLiteral("서울")), 2) << "the line without a district is skipped";
    EXPECT_EQ(G_USER_SET.WORD_ADDR_NO, "12");
    EXPECT_TRUE(log.contains("addr1.dat line 3 skipped: short line"));
    EXPECT_TRUE(log.contains("ADDR_01.dat line 4 skipped: short line (3 fields)"));
}

TEST_F(RegionFilesTest, TestServerModeReadsTheTFiles)
{
    QStringList f(15);
    f[0] = "1";
    f[3] = QStringLiteral("서울");
    f[4] = QStringLiteral("강남구");
    QStringList g = f;
    g[0] = "2";
    writeDoc({QStringLiteral("1|서울|강남구|역삼동|역삼1동")}, {{"ADDR_01.dat", {fileLine(f)}}, {"TADDR_01.dat", {fileLine(f), fileLine(g)}}});
    switchOnly({1});
    G_USER_INFO.GUBUN = QStringLiteral("T");
    proc_Load_Addr();
    EXPECT_EQ(entryCount(QStringLiteral("서울")), 2);
}

TEST(ProvinceAliases, AreFilledSoThatAddressesAreShortened)
{
    G_SL_PROVINCE.clear();
    FillProvinceAliases();
    EXPECT_EQ(G_SL_PROVINCE, G_PROVINCE_NAMES);
    EXPECT_EQ(G_SL_PROVINCE.size(), 47);
    QString shortText;
    StripProvinceText(QStringLiteral("서울특별시 강남구 역삼동 123-4"), shortText, G_SL_PROVINCE);
    EXPECT_EQ(shortText, QStringLiteral("역삼동 123-4"));
    G_SL_PROVINCE.clear();
}

TEST(AddressReply, UnwrapTrimsThenDropsOneCharacterEachSide)
{
    EXPECT_EQ(UnwrapAddressReply(QStringLiteral("  ({\"a\":1})\r\n")), "{\"a\":1}");
    EXPECT_EQ(UnwrapAddressReply("ab"), "");
    EXPECT_EQ(UnwrapAddressReply(" a "), "");
    EXPECT_EQ(UnwrapAddressReply(""), "");
    EXPECT_EQ(EncodeForm({{"addr", QStringLiteral("역삼동 1&2=3")}, {"page", "1"}}),
              "addr=%EC%97%AD%EC%82%BC%EB%8F%99%201%262%3D3&page=1");
    EXPECT_EQ(SearchRadiusMetres("3"), 3000);
    EXPECT_EQ(SearchRadiusMetres("abc"), 5000);
    EXPECT_EQ(SearchRadiusMetres("1e300"), 5000);
}

// Server rows and the address service against the sandbox.
class AddressSandboxTest : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        G_ADDR_1.clear();
        G_USER_SET.WORD_ADDR_NO = QString();
        G_FIELD_SEP = kSep;
        G_URL_ADDR_SEARCH2 = host->webBaseUrl() + "/address/search";
    }
    void TearDown() override
    {
        G_ADDR_1.clear();
        G_URL_ADDR_SEARCH2.clear();
        switchOnly({});
        SandboxLinkTest::TearDown();
    }
    QList<SandboxRequest> sent(const QString &code) const
    {
        QList<SandboxRequest> out;
        for (const SandboxRequest &r : host->receivedRequests()) {
            if (r.reqNum == code)
                out << r;
        }
        return out;
    }
};

TEST_F(AddressSandboxTest, ServerRowsFollowTheFileEntriesOfTheirDistrict)
{
    switchOnly({1, 13});
    proc_Load_Addr();
    const QString fileMark = G_USER_SET.WORD_ADDR_NO;
    const int gangnamBefore = G_ADDR_1.find(QStringLiteral("서울"))->ADDR2.find(QStringLiteral("강남구"))->ADDR_INFO.count();
    proc_Sys_Addr();
    ASSERT_EQ(sent("CS00_12_V01").size(), 1);
    EXPECT_EQ(sent("CS00_12_V01")[0].val, fileMark + kSep);
    EXPECT_EQ(sent("CS00_12_V01")[0].callType, "ADM3");
    const TADDR_2 &gangnam = *G_ADDR_1.find(QStringLiteral("서울"))->ADDR2.find(QStringLiteral("강남구"));
    ASSERT_GT(gangnam.ADDR_INFO.count(), gangnamBefore);
    const TADDR_INFO &added = gangnam.ADDR_INFO.at(gangnamBefore);
    EXPECT_GE(added.ADDR_NO, 5001);
    EXPECT_EQ(gangnam.SL_ADDR_NO().at(gangnamBefore), QString::number(added.ADDR_NO));
    EXPECT_EQ(added.ADDR_13, QStringLiteral("서버 등록"));
    EXPECT_GT(G_USER_SET.WORD_ADDR_NO.toInt(), 5001);

    // The next call asks only for what is newer and gets nothing new.
    const int total = entryCount(QStringLiteral("서울")) + entryCount(QStringLiteral("부산"));
    proc_Sys_Addr();
    EXPECT_EQ(sent("CS00_12_V01").last().val, G_USER_SET.WORD_ADDR_NO + kSep);
    EXPECT_EQ(entryCount(QStringLiteral("서울")) + entryCount(QStringLiteral("부산")), total);
}

TEST_F(AddressSandboxTest, ServerRowsOfProvincesSwitchedOffAreLeftOutAndShortRowsSkipped)
{
    switchOnly({13});
    proc_Load_Addr();
    host->setHandler("CS00_12_V01", [](const SandboxRequest &) {
        QStringList busan(17);
        busan[0] = "9001";
        busan[2] = QStringLiteral("광안리해수욕장");
        busan[3] = QStringLiteral("부산");
        busan[4] = QStringLiteral("수영구");
        QStringList seoul = busan;
        seoul[0] = "9002";
        seoul[3] = QStringLiteral("서울");
        seoul[4] = QStringLiteral("강남구");
        return SandboxReply::rowsOf({{"9003", "1", "짧은"}, busan, seoul});
    });
    proc_Sys_Addr();
    EXPECT_EQ(G_ADDR_1.find(QStringLiteral("부산"))->ADDR2.find(QStringLiteral("수영구"))->SL_ADDR_NO().last(), "9001");
    EXPECT_EQ(entryCount(QStringLiteral("서울")), 0);
    EXPECT_EQ(G_USER_SET.WORD_ADDR_NO, "9001");
    EXPECT_TRUE(log.contains("CS00_12_V01 row 0 skipped: short line (4 fields)")) << log.lines().join('\n').toStdString();

    host->setHandler("CS00_12_V01", [](const SandboxRequest &) { return SandboxReply::code("0", "조회 실패"); });
    proc_Sys_Addr();
    EXPECT_TRUE(log.contains(QStringLiteral("CS00_12_V01 is Fail 0:조회 실패")));
}

TEST_F(AddressSandboxTest, AddressAndKeywordSearchesAroundTheStore)
{
    const QVariantList st = host->database()->rows("SELECT lng_x, lat_y, dong, name FROM stores WHERE st_code = 'S000101'").first();
    const QString lng = st.at(0).toString(), lat = st.at(1).toString(), dong = st.at(2).toString();

    const QString reply = PostGisXY(AddressSearchFields("A", dong, lng, lat, "5", 1));
    const QList<TAddrSearchRow> rows = ParseAddressReply(reply);
    ASSERT_FALSE(rows.isEmpty()) << dong.toStdString();
    EXPECT_LE(rows.size(), 15);
    for (const TAddrSearchRow &r : rows) {
        EXPECT_TRUE(r.isAddress());
        EXPECT_TRUE(r.JIBUN_ADDR.contains(dong));
        EXPECT_LE(GetDistance(lng, lat, r.LOCATION_X, r.LOCATION_Y), 5000);
    }
    const QList<TAddrSearchRow> places =
        ParseAddressReply(PostGisXY(AddressSearchFields("K", QStringLiteral("행복치킨 본점"), lng, lat, "5", 1)));
    ASSERT_FALSE(places.isEmpty());
    EXPECT_EQ(places[0].BUILDING_NAME, QStringLiteral("행복치킨 본점"));
    EXPECT_FALSE(places[0].isAddress());

    // Both searches together; a tiny radius keeps only the store's own spot.
    EXPECT_FALSE(SearchAddresses(dong, lng, lat, "5", 1).isEmpty());
    const QList<TAddrSearchRow> near = SearchAddresses(QStringLiteral("행복치킨 본점"), lng, lat, "0.001", 1);
    ASSERT_EQ(near.size(), 1);

    // Pages go on where the last one ended.
    const QList<TAddrSearchRow> page2 = ParseAddressReply(PostGisXY(AddressSearchFields("A", dong, lng, lat, "20", 2)));
    if (!page2.isEmpty())
        EXPECT_NE(page2[0].JIBUN_ADDR + page2[0].LOCATION_X, rows[0].JIBUN_ADDR + rows[0].LOCATION_X);
}

TEST_F(AddressSandboxTest, FailuresGiveNoRows)
{
    // A refused search is logged with its message and value.
    EXPECT_TRUE(ParseAddressReply(PostGisXY(AddressSearchFields("A", "", "", "", "5", 1))).isEmpty());
    EXPECT_TRUE(log.contains(QStringLiteral("proc_Load_Addr_Daum : RETURN_MESSAGE : 검색어를 확인하세요.:addr")));

    // HTTP error, a server the client does not trust, nothing listening: all the empty text.
    host->setRoute("/address/search", [](const WebRequest &) { return WebReply::error(500); });
    EXPECT_EQ(PostGisXY(KeywordResolveFields("역삼동", 1)), "");
    host->setRoute("/address/search", [](const WebRequest &) { return WebReply::text("({\"RETURN_CODE\":\"1\"})"); });
    EXPECT_EQ(PostGisXY(KeywordResolveFields("역삼동", 1)), "{\"RETURN_CODE\":\"1\"}");
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, QString());
    EXPECT_EQ(PostGisXY(KeywordResolveFields("역삼동", 1)), "");
    G_URL_ADDR_SEARCH2 = QStringLiteral("https://127.0.0.1:%1/address/search").arg(closedPort());
    EXPECT_EQ(PostGisXY(KeywordResolveFields("역삼동", 1)), "");
    G_URL_ADDR_SEARCH2 = QStringLiteral("http://127.0.0.1/address/search");
    EXPECT_EQ(PostGisXY(KeywordResolveFields("역삼동", 1)), "");
}

TEST_F(AddressSandboxTest, ASilentServiceIsCutOffByTheTimeOut)
{
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(PostAddressForm(QStringLiteral("https://127.0.0.1:%1/x").arg(silent.serverPort()), {}, 300), "");
    EXPECT_LT(t.elapsed(), 3000);
}
} // namespace
