// The address search passes with a scripted address service, the saved-name filters and the
// hand-over of a chosen address.
#include "reception/address_search_passes.h"
#include "reception/address_search_receiver.h"
#include "reception/saved_name_filter.h"
#include "link/address_service.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
// Store at the origin of a small grid; 0.01 degrees of latitude are about 1.1 km.
const QString kStoreLng = QStringLiteral("127.0000");
const QString kStoreLat = QStringLiteral("37.5000");

QJsonObject searchHit(const QString &kind, const QString &building, double latOffset, const QString &sub = {})
{
    return {{"SCH_TYPE", kind},
            {"SIDO", "서울특별시"},
            {"SIGUNGU", "강남구"},
            {"DONG", "역삼동"},
            {"JIBUN_ADDR", "서울특별시 강남구 역삼동 12"},
            {"ROAD_ADDR", "서울특별시 강남구 테헤란로 10"},
            {"H_DONG", "역삼1동"},
            {"ROAD_NAME", "테헤란로"},
            {"BUILDING_NAME", building},
            {"MAIN_ADDERSS_NO", "12"},
            {"SUB_ADDERSS_NO", sub},
            {"MAIN_BUILDING_NO", "10"},
            {"SUB_BUILDING_NO", ""},
            {"LOCATION_X", "127.0000"},
            {"LOCATION_Y", QString::number(37.5 + latOffset, 'f', 4)}};
}

QString serviceReply(const QJsonArray &hits, const QString &code = QStringLiteral("1"))
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"RETURN_CODE", code}, {"RETURN_MESSAGE", "m"},
                                                       {"RETURN_VALUE", "v"}, {"OUT_ROW1", hits}})
                                 .toJson(QJsonDocument::Compact));
}

// Answers the address pass and the keyword pass from two scripted texts and records the forms.
struct ScriptedService
{
    QString addressReply, keywordReply;
    QList<FormFields> posted;
    AddressServicePost post()
    {
        return [this](const FormFields &f) {
            posted.append(f);
            for (const auto &p : f)
                if (p.first == QLatin1String("addrType"))
                    return p.second == QLatin1String("A") ? addressReply : keywordReply;
            return QString();
        };
    }
};

TMSG_ADDR savedName(const QString &word, const QString &building, const QString &lat, const QString &dong = "역삼동",
                    const QString &lot = "12", const QString &c1 = "ㄱ", const QString &grp = "아파트")
{
    TMSG_ADDR a;
    a.ADDR_NO = "7";
    a.WORD_ADDR = word;
    a.ADDR_10 = building;
    a.ADDR_3 = dong;
    a.ADDR_8 = dong.left(2) + "1동";
    a.ADDR_4 = "서울특별시 강남구 " + dong + " " + lot;
    a.ADDR_6 = "서울특별시 강남구 테헤란로 5";
    a.ADDR_11 = lot;
    a.ADDR_LAT_X = lat.isEmpty() ? QString() : kStoreLng;
    a.ADDR_LAT_Y = lat;
    a.WORD_ADDR_NAME = c1;
    a.GRP_TEXT = grp;
    return a;
}

TEST(AddressSearchPasses, SavedNamesThenAddressHitsWithinRadiusThenKeywordHits)
{
    ScriptedService svc;
    // An address hit 3.3 km away is dropped at a 2 km radius; a keyword hit at the same distance stays.
    svc.addressReply = serviceReply({searchHit("address", "가까운빌딩", 0.005, "3"), searchHit("address", "먼빌딩", 0.03)});
    svc.keywordReply = serviceReply({searchHit("FD6", "먼가게", 0.03)});
    AddressSearch search(svc.post());
    AddressSearchStore store{kStoreLng, kStoreLat,
                             {savedName("한빛아파트", "한빛아파트", "37.5050"), savedName("한빛먼곳", "한빛빌딩", "37.6000"),
                              savedName("한빛무좌표", "한빛상가", ""), savedName("다른곳", "푸른빌딩", "37.5010")}};
    const AddressSearchOutcome out = search.run(QStringLiteral(" 한빛 "), QStringLiteral("2"), store);
    ASSERT_EQ(out.status, AddressSearchStatus::Searched);
    QStringList shown;
    for (const AddressSearchRow &r : out.rows)
        shown << r.display.section(QStringLiteral("\r\n"), 0, 0);
    // A saved name without coordinates is always within the radius.
    EXPECT_EQ(shown, (QStringList{"한빛아파트", "한빛무좌표 한빛상가", "가까운빌딩", "먼가게"}));
    EXPECT_EQ(out.rows.at(2).addr.ADDR_11, QStringLiteral("12-3"));
    EXPECT_EQ(out.rows.at(3).addr.ADDR_11, QStringLiteral("12")) << "no trailing dash without a sub number";
    EXPECT_EQ(out.rows.at(3).addr.ADDR_NO, QStringLiteral("FD6"));
    ASSERT_EQ(svc.posted.size(), 2);
    EXPECT_EQ(svc.posted.at(0), (FormFields{{"addrType", "A"}, {"addr", "한빛"}, {"rx", kStoreLng}, {"ry", kStoreLat},
                                            {"radius", "2000"}, {"page", "1"}, {"pagesize", "15"}}));
    EXPECT_FALSE(out.serviceFailed);
}

TEST(AddressSearchPasses, KeyIsRememberedOnlyAfterTheServiceAnswered)
{
    ScriptedService svc;
    AddressSearch search(svc.post());
    const AddressSearchStore store{kStoreLng, kStoreLat, {}};
    // No answer: the same search may be asked again.
    AddressSearchOutcome out = search.run("역삼동", "5", store);
    EXPECT_TRUE(out.serviceFailed);
    EXPECT_TRUE(out.keywordRefused);
    EXPECT_EQ(svc.posted.size(), 1) << "no keyword pass after the address pass got no answer";
    EXPECT_TRUE(search.lastKey().isEmpty());
    // A refusal of the keyword pass: not remembered either.
    svc.addressReply = serviceReply({});
    svc.keywordReply = serviceReply({}, "9");
    out = search.run("역삼동", "5", store);
    EXPECT_EQ(out.status, AddressSearchStatus::Searched);
    EXPECT_TRUE(out.keywordRefused);
    EXPECT_TRUE(search.lastKey().isEmpty());
    // Both answered: remembered; the same text and radius are refused, another radius is searched.
    svc.keywordReply = serviceReply({searchHit("FD6", "가게", 0.0)});
    EXPECT_EQ(search.run("역삼동", "5", store).status, AddressSearchStatus::Searched);
    EXPECT_EQ(search.lastKey(), QStringLiteral("역삼동|5"));
    const int posts = int(svc.posted.size());
    EXPECT_EQ(search.run("역삼동", "5", store).status, AddressSearchStatus::SameSearch);
    EXPECT_EQ(svc.posted.size(), posts) << "nothing sent for a repeated search";
    EXPECT_EQ(search.run("역삼동", "3", store).status, AddressSearchStatus::Searched);
}

TEST(AddressSearchPasses, RefusedTextsSendNothing)
{
    ScriptedService svc;
    AddressSearch search(svc.post());
    const AddressSearchStore store{kStoreLng, kStoreLat, {}};
    EXPECT_EQ(search.run("   ", "5", store).status, AddressSearchStatus::EmptyText);
    EXPECT_EQ(search.run("a b c d e", "5", store).status, AddressSearchStatus::TooManyWords);
    EXPECT_TRUE(svc.posted.isEmpty());
    EXPECT_EQ(search.run("a b c d", "5", store).status, AddressSearchStatus::Searched);
    EXPECT_EQ(AddressSearchMessage(AddressSearchStatus::SameSearch), QStringLiteral("검색어를 변경하세요"));
}

TEST(AddressSearchPasses, UnreadableReplyKeepsRowsAlreadyListed)
{
    ScriptedService svc;
    svc.addressReply = QStringLiteral("<html>oops</html>");
    AddressSearch search(svc.post());
    const AddressSearchStore store{kStoreLng, kStoreLat, {savedName("한빛", "한빛", "37.5")}};
    const AddressSearchOutcome out = search.run("한빛", "5", store);
    EXPECT_EQ(out.rows.size(), 1);
    EXPECT_TRUE(out.serviceFailed);
    EXPECT_TRUE(out.keywordRefused);
}

TEST(SavedNameFilter, TextConsonantAndGroupFilters)
{
    struct Case
    {
        QString text, consonants, group;
        QStringList expected;
    };
    const QList<TMSG_ADDR> names = {savedName("가나", "가나", "37.5", "역삼동", "12-3", "ㄱ", "아파트"),
                                    savedName("다라", "다라", "37.5", "역삼동", "120", "ㄷ", "상가"),
                                    savedName("바사", "바사", "37.5", "신사동", "5", "ㅃ", "아파트"),
                                    savedName("ABC", "ABC", "37.5", "신사 동", "7", "A", "상가")};
    const QList<Case> cases = {
        {"역삼동", "", "", {"가나", "다라"}},
        {"역삼동 12-", "", "", {"가나"}},           // a lot-number prefix with a dash
        {"역삼동 12", "", "", {"가나", "다라"}},
        {"신사 동", "", "", {"ABC"}},               // a second word that is no number joins the dong
        {"", "ㅁ-ㅂ", "", {"바사"}},                 // the doubled consonant belongs to ㅁ-ㅂ
        {"", "기타", "", {"ABC"}},
        {"", "ㄱ-ㄴ", "", {"가나"}},
        {"", "전체", "상가", {"다라", "ABC"}},
    };
    for (const Case &c : cases) {
        SavedNameFilter f;
        SetSavedNameTextFilter(f, c.text);
        SetSavedNameConsonants(f, c.consonants);
        f.group = c.group;
        QStringList got;
        for (const TMSG_ADDR &a : FilterSavedNames(names, f))
            got << a.WORD_ADDR;
        EXPECT_EQ(got, c.expected) << c.text.toStdString() << " / " << c.consonants.toStdString();
    }
}

TEST(SavedNameFilter, DongListGetsAllRowOnlyWithSeveralDongs)
{
    EXPECT_EQ(DongListRows({" 역삼동 ", "", "신사동"}), (QStringList{"전체", "역삼동", "신사동"}));
    EXPECT_EQ(DongListRows({"역삼동", "  "}), (QStringList{"역삼동"}));
}

TEST(SavedNameFilter, LotKeypadStartsANumberAfterAWordAndContinuesOne)
{
    const struct
    {
        const char *text, *key, *expected;
    } cases[] = {{"", "1", "1"},       {"", "<", ""},          {"역삼동", "1", "역삼동 1"},
                 {"역삼동 1", "-", "역삼동 1-"}, {"역삼동 1-", "2", "역삼동 1-2"}, {" 역삼동 12 ", "<", "역삼동 1"}};
    for (const auto &c : cases)
        EXPECT_EQ(LotKeypadText(QString::fromUtf8(c.text), QString::fromUtf8(c.key)), QString::fromUtf8(c.expected))
            << c.text << " + " << c.key;
}

TEST(AddressSearchPasses, DistanceTextsInTenthsOfAKilometre)
{
    const std::pair<double, const char *> cases[] = {{1234, "1.2km"}, {1250, "1.2km"}, {1350, "1.4km"},
                                                     {2000, "2km"},   {0, "0km"},      {49, "0km"}};
    for (const auto &[metres, text] : cases)
        EXPECT_EQ(AddressDistanceText(metres), QString::fromLatin1(text)) << metres;
}

// A receiver that is not a reception window, as a quick-reception window would be.
class QuickReceiver : public QObject, public AddressSearchReceiver
{
public:
    QList<TMSG_ADDR> got;
    void receiveAddress(const TMSG_ADDR &addr) override { got.append(addr); }
};

TEST(AddressSearchHandOver, GoesToTheStoredReceiverAndNeverToAClosedOne)
{
    AddressSearchHandOver handOver;
    EXPECT_FALSE(handOver.deliver(TMSG_ADDR()));
    TMSG_ADDR a;
    a.ADDR_10 = "한빛빌딩";
    {
        QuickReceiver quick;
        handOver.setReceiver(&quick);
        EXPECT_TRUE(handOver.deliver(a));
        ASSERT_EQ(quick.got.size(), 1);
        EXPECT_EQ(quick.got.first().ADDR_10, QStringLiteral("한빛빌딩"));
    }
    EXPECT_FALSE(handOver.deliver(a)) << "a closed receiver gets nothing";
    QObject plain;
    handOver.setReceiver(&plain);
    EXPECT_FALSE(handOver.deliver(a)) << "an object that takes no address";
}
} // namespace
