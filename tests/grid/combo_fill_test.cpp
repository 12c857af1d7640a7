#include "grid/combo_fill.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace
{
THD_LIST &addHd(const char *code, const char *name, const char *status)
{
    THD_LIST hd;
    hd.HD_CODE = code;
    hd.HD_Name = QString::fromUtf8(name);
    hd.DATA_STATUS = status;
    return G_HD_LIST.append(QString::fromUtf8(code), std::move(hd));
}

void addBr(THD_LIST &hd, const char *code, const char *name, const char *status, const char *group)
{
    TBR_LIST br;
    br.HD_CODE = hd.HD_CODE;
    br.BR_CODE = code;
    br.BR_Name = QString::fromUtf8(name);
    br.DATA_STATUS = status;
    br.DVRY_TYPE_CD = group;
    hd.BR_LIST.append(QString::fromUtf8(code), std::move(br));
}

TST_LIST &addStore(const char *code, const char *name, const char *br, const char *status,
                   const char *group = "", const char *shopType = "1")
{
    TST_LIST st;
    st.ST_CODE = code;
    st.ST_NAME = QString::fromUtf8(name);
    st.BR_CODE = br;
    st.DATA_STAUS = status;
    st.DVRY_TYPE_CD = group;
    st.SHOP_TYPE = shopType;
    return G_ST_LIST.append(QString::fromUtf8(code), std::move(st));
}

void addCode(const char *sy, const char *dt, const char *name, const char *value2,
             const char *status = "1", const char *parent = "")
{
    TCOM_CODE_LIST row;
    row.SY_CODE = sy;
    row.DT_CODE = dt;
    row.DT_NAME = QString::fromUtf8(name);
    row.DT_VALUE2 = QString::fromUtf8(value2);
    row.DATA_STATUS = status;
    row.PARENT_DT_CODE = parent;
    G_COM_CODE_LIST.append(row);
}

QStringList texts(const QList<ComboItem> &items)
{
    QStringList out;
    for (const ComboItem &i : items)
        out << i.text;
    return out;
}

QStringList texts(const QList<CheckItem> &items)
{
    QStringList out;
    for (const CheckItem &i : items)
        out << i.text + (i.checked ? "+" : "-");
    return out;
}

class ComboFillTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    void SetUp() override
    {
        ResetReferenceRecords();
        ResetMessageRecords();
        ResetSessionRecords();
        G_USER_INFO.GRP_NAME = QStringLiteral("우리총판");
        // Head office H1 (active) with B1 (active), B2 (ended "2"), B3 (active, not chosen);
        // H2 stopped with its active branch B4; H3 active with B5.
        THD_LIST &h1 = addHd("H1", "본사1", "1");
        addBr(h1, "B1", "강남", "1", "G1");
        addBr(h1, "B2", "서초", "2", "G2");
        addBr(h1, "B3", "송파", "1", "G3");
        THD_LIST &h2 = addHd("H2", "본사2", "0");
        addBr(h2, "B4", "마포", "1", "G4");
        THD_LIST &h3 = addHd("H3", "본사3", "1");
        addBr(h3, "B5", "용산", "1", "G5");
        addBr(h3, "B6", "중구", "0", "G6");
        G_SL_BR_CODE = {"B1", "B2", "B4", "B5"};
        OpenSettingsFile(dir.filePath("test_env.ini"));
    }
    void TearDown() override
    {
        CloseSettingsFile();
        ResetReferenceRecords();
        ResetMessageRecords();
        ResetSessionRecords();
    }
};

TEST_F(ComboFillTest, BranchListFollowsTheChoiceAndActivity)
{
    ComboFill f = BrListComboFill(true);
    EXPECT_EQ(texts(f.items), (QStringList{"전체", "강남", "용산"}));
    EXPECT_EQ(f.items.at(1).value, "B1");
    EXPECT_EQ(f.select, ComboFill::kSelectFirstIfAny);
    EXPECT_TRUE(f.clear);

    G_SL_BR_CODE.clear();
    f = BrListComboFill(false);
    EXPECT_EQ(f.items, (QList<ComboItem>{{"0", "우리총판", 0}}));
    EXPECT_EQ(f.select, 0);
    EXPECT_EQ(texts(BrListComboFill(true).items), QStringList{"전체"});
}

TEST_F(ComboFillTest, HeadOfficeComboForPartnerAndDistributor)
{
    ComboFill f = HdComboFill("7", true);
    EXPECT_EQ(texts(f.items), (QStringList{" 전   체 ", "제휴본사:본사3", "제휴본사:본사2", "제휴본사:본사1",
                                           " 총  판 :강남", " 총  판 :서초", " 총  판 :송파",
                                           " 총  판 :마포", " 총  판 :용산"}));
    EXPECT_EQ(f.items.at(1).tag, 7000);
    EXPECT_EQ(f.items.at(4).tag, 5000);
    EXPECT_EQ(f.items.at(0).value, "");

    // A distributor without the all item: branches only, without prefix.
    f = HdComboFill("5", false);
    EXPECT_EQ(texts(f.items), (QStringList{"강남", "서초", "송파", "마포", "용산"}));

    f = HdBranchComboFill("H3", false, ">");
    EXPECT_FALSE(f.clear);
    EXPECT_EQ(texts(f.items), QStringList{">용산"});
}

TEST_F(ComboFillTest, StoreCombosLeaveTheBoxAloneWithoutMatches)
{
    addStore("S1", "행복치킨", "B1", "1", "G1");
    addStore("S2", "행복피자", "B1", "0", "G1");
    addStore("S3", "나라분식", "B3", "1", "G9");
    addStore("S4", "행복족발", "B5", "1", "G1");

    ComboFill f = StoreComboFill("B1", "");
    EXPECT_EQ(texts(f.items), QStringList{"행복치킨"});
    EXPECT_TRUE(f.change);
    EXPECT_EQ(texts(StoreComboFill("", "행복").items), (QStringList{"행복치킨", "행복족발"}));
    EXPECT_FALSE(StoreComboFill("", "없는가게").change);

    // Ex: by branch or by delivery group; the all item alone still changes the box.
    f = StoreComboExFill("B3", "G1", true, "");
    EXPECT_EQ(texts(f.items), (QStringList{"전체", "행복치킨", "나라분식", "행복족발"}));
    EXPECT_FALSE(StoreComboExFill("B3", "G1", false, "없는").change);
    EXPECT_TRUE(StoreComboExFill("B3", "G1", true, "없는").change);
}

TEST_F(ComboFillTest, CodeAndGoodsGroupCombos)
{
    addCode("O1", "01", "취소1", "", "1", "A");
    addCode("O1", "02", "취소2", "", "0", "A");
    addCode("O1", "03", "취소3", "", "1", "B");
    addCode("O2", "01", "다른", "");
    EXPECT_EQ(texts(ComCodeComboFill("O1", "", false).items), (QStringList{"취소1", "취소2", "취소3"}));
    EXPECT_EQ(texts(ComCodeComboFill("O1", "A", true).items), QStringList{"취소1"});

    TST_LIST &st = addStore("S1", "행복치킨", "B1", "1");
    const auto group = [&](const char *no, const char *name, const char *use, const char *status) {
        TST_GOODS_GROUP_LIST g;
        g.GRP_NO = no;
        g.GRP_NAME = QString::fromUtf8(name);
        g.GRP_USE_TYPE = use;
        g.DATA_STATUS = status;
        st.GOODS_GRP_LST.append(QString::fromUtf8(no), std::move(g));
    };
    group("10", "세트", "5", "1");
    group("11", "사이드", "1", "1");
    group("12", "음료", "5", "0");
    ComboFill f = GoodsGroupComboFill("10");
    EXPECT_EQ(texts(f.items), (QStringList{"전체", "세트[행복치킨]"}));
    EXPECT_EQ(f.select, 1);
    EXPECT_EQ(GoodsGroupComboFill("12").select, -1);
}

TEST_F(ComboFillTest, BranchCheckLists)
{
    EXPECT_EQ(texts(BrListCheckItems(true)), (QStringList{"전체+", "강남+", "용산+"}));
    EXPECT_EQ(texts(BrCodeCheckItems(false)), (QStringList{"B1+", "B5+"}));
    EXPECT_EQ(texts(BrDvryTypeCheckItems(true)), (QStringList{"0+", "G1+", "G5+"}));

    // Master stores: every active branch, chosen or not; "99999999" without a master.
    G_SL_MASTER_BR_CODE = {"B3"};
    G_SL_MASTER_ST_CODE = {"S9"};
    G_SL_MASTER_DVRY_TYPE = {"G3"};
    const QList<CheckItem> m = BrMasterCheckItems(false);
    ASSERT_EQ(m.size(), 3);
    EXPECT_EQ(m.at(0).shortText, "99999999");
    EXPECT_EQ(m.at(0).text, "99999999");
    EXPECT_EQ(m.at(1).shortText, "S9");
    EXPECT_EQ(m.at(1).text, "G3");

    // Without a branch choice.
    G_SL_BR_CODE.clear();
    EXPECT_EQ(texts(BrListCheckItems(true)), QStringList{"우리총판-"});
    EXPECT_EQ(texts(BrCodeCheckItems(false)), QStringList{"0+"});
    EXPECT_EQ(texts(BrDvryTypeCheckItems(false)), QStringList{"0+"});
    EXPECT_EQ(texts(BrCodeCheckItems(true)), QStringList{"0+"});
}

TEST_F(ComboFillTest, PathAndPosTypeChoicesTickFromTheSettingsFile)
{
    addCode("O3", "1001", "전화", "1");
    addCode("O3", "1039", "배민", "1");
    addCode("O3", "1050", "숨김", "0");
    addCode("O3", "1069", "쿠팡", "10");
    addCode("PT", "7", "포스A", "1");
    addCode("PT", "8", "포스B", "1");
    ASSERT_TRUE(G_INI->WriteString("CHECK_PATH_CD", "1001", "0"));
    ASSERT_TRUE(G_INI->WriteString("CHECK_PATH_CD", "5000", "0"));
    ASSERT_TRUE(G_INI->WriteString("CHECK_POS_TYPE_CD", "8", "0"));
    G_SL_SEL_PATH_CD = {"stale"};

    const QList<CheckItem> path = PathCheckItems();
    EXPECT_EQ(texts(path), (QStringList{"전체+", "전화-", "상생배민+", "빠른배민-", "쿠팡+", "쿠팡(0순위)+"}));
    QList<int> tags;
    for (const CheckItem &i : path)
        tags << i.tag;
    EXPECT_EQ(tags, (QList<int>{0, 1001, 1039, 5000, 1069, 5001}));
    EXPECT_EQ(G_SL_SEL_PATH_CD, (QStringList{"0", "1039", "1069", "5001"}));

    EXPECT_EQ(texts(PosTypeCheckItems()), (QStringList{"전체+", "포스A+", "포스B-"}));
    EXPECT_EQ(G_SL_SEL_POS_TYPE, (QStringList{"0", "7"}));

    // Without a settings file every item is ticked.
    CloseSettingsFile();
    EXPECT_EQ(texts(PathCheckItems()).filter("-"), QStringList{});
}

TEST_F(ComboFillTest, AddressChoices)
{
    TADDR_1 seoul;
    seoul.ADDR1 = "서울";
    TADDR_2 gangnam;
    gangnam.ADDR2 = "강남구";
    gangnam.SL_ADDR3 = {"역삼동", "논현동"};
    gangnam.SL_ADDR8 = {"역삼1동"};
    for (const char *kw : {"학교", "병원", "학교"}) {
        TADDR_INFO a;
        a.KEYWORD_TEXT = QString::fromUtf8(kw);
        gangnam.ADDR_INFO.append(QString::number(gangnam.ADDR_INFO.count()), std::move(a));
    }
    seoul.ADDR2.append("강남구", std::move(gangnam));
    G_ADDR_1.append("서울", std::move(seoul));
    TADDR_1 busan;
    busan.ADDR1 = "부산";
    G_ADDR_1.append("부산", std::move(busan));

    struct Case
    {
        int mode;
        const char *key;
        QStringList texts;
    };
    const Case cases[] = {
        {0, "", {"서울", "부산"}},
        {5, "", {"전체", "서울", "부산"}},
        {1, "서울", {"강남구"}},
        {6, "서울", {"전체", "강남구"}},
        {1, "전체", {"전체"}},
        {1, "제주", {}},
        {2, "서울|강남구", {"전체", "역삼동", "논현동"}},
        {3, "서울|강남구", {"전체", "역삼1동"}},
        {2, "서울|전체", {"전체"}},
        {2, "서울", {}},
        {4, "서울|강남구", {"전체", "병원", "학교"}},
        {4, "서울|없는구", {"전체"}},
        {7, "서울", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(AddrComboTexts(c.mode, QString::fromUtf8(c.key)), c.texts) << c.mode << " " << c.key;

    EXPECT_EQ(AddrCheckNames(2, "서울|강남구"), (QStringList{"역삼동", "논현동"}));
    EXPECT_EQ(AddrCheckNames(3, "서울|강남구"), QStringList{"역삼1동"});
    EXPECT_TRUE(AddrCheckNames(4, "서울|강남구").isEmpty());
    EXPECT_TRUE(AddrCheckNames(2, "서울강남구").isEmpty());
}

TEST_F(ComboFillTest, ShopTypeSearchAndHourText)
{
    addStore("S1", "화물", "B1", "1", "", "7");
    addStore("S2", "퀵", "B1", "1", "", "5");
    addStore("S3", "배달", "B1", "1", "", "2");
    EXPECT_EQ(FindStoreByShopType(1), 2);
    EXPECT_EQ(FindStoreByShopType(2), 1);
    EXPECT_EQ(FindStoreByShopType(3), -1);
    EXPECT_EQ(FormatHhNn("0930"), "09:30");
}
} // namespace
