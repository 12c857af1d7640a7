#include "order_test_support.h"

#include "orders/order_record.h"
#include "orders/same_day_record.h"

using namespace ordertest;

namespace
{
constexpr int kTextColumns[] = {
#define CD_COL(name, col) col,
    A1_TEXT_FIELDS(CD_COL)
#undef CD_COL
};
const char *const kTextNames[] = {
#define CD_NAME(name, col) #name,
    A1_TEXT_FIELDS(CD_NAME)
#undef CD_NAME
};

struct IntCase
{
    int A1Values::*field;
    int column;
    const char *name;
};
const IntCase kIntCases[] = {
#define CD_INT(name, col) {&A1Values::name, col, #name},
    A1_INT_FIELDS(CD_INT)
#undef CD_INT
};

// A row whose every column holds a marker: its column number for the number columns, "c<i>"
// for the others; the distance column holds 14.5.
QString markerRow()
{
    QStringList cols;
    for (int i = 0; i < kA1RowColumns; ++i)
        cols.append(QStringLiteral("c%1").arg(i));
    for (const IntCase &c : kIntCases)
        cols[c.column] = QString::number(c.column);
    cols[kA1DistanceColumn] = QStringLiteral("14.5");
    cols[5] = QStringLiteral("3001");  // keeps the courier store fields
    return cols.join(sep());
}

class OrderRecord : public ::testing::Test
{
protected:
    void SetUp() override { resetWorld(); }
};
} // namespace

TEST_F(OrderRecord, EveryColumnFillsItsField)
{
    TA1ORDER o;
    o.set(A1::ORD_TYPE, u"0");
    o.set(A1::MASTER_ST_NAME, u"본점");
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, markerRow(), {}));
    for (int f = 0; f < A1::kTextCount; ++f) {
        const int col = kTextColumns[f];
        if (col < 0 || col == 5)
            continue;
        EXPECT_EQ(o.text(A1::Field(f)), QStringLiteral("c%1").arg(col)) << kTextNames[f];
    }
    for (const IntCase &c : kIntCases)
        EXPECT_EQ(o.*(c.field), c.column) << c.name;
    EXPECT_DOUBLE_EQ(o.DVRY_DISTANCE, 14.5);
    EXPECT_EQ(o.ORD_STATUS_CD(), u"3001");
    // Fields without a column keep what they held.
    EXPECT_EQ(o.ORD_TYPE(), u"0");
    EXPECT_EQ(o.MASTER_ST_NAME(), u"본점");
    EXPECT_EQ(o.SHARE_GROUP(), u"1");
    ASSERT_NE(o.OLD_ORDER, nullptr);
}

TEST_F(OrderRecord, NumbersAreLenient)
{
    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(
        o, liveRow("1", "1001", {{1, ""}, {2, "1a"}, {15, "99999999999999"}, {14, "x"}}), {}));
    EXPECT_EQ(o.ORD_TODAY_NO, 0);
    EXPECT_EQ(o.ORD_TODAY_ADD_NO, 0);
    EXPECT_EQ(o.DVRY_AMT, 0) << "an overflowing number is not a whole number";
    EXPECT_EQ(o.DVRY_DISTANCE, 0.0);
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "1001", {{14, "1.5"}}), {}));
    EXPECT_DOUBLE_EQ(o.DVRY_DISTANCE, 1.5);
}

// The number columns and the status read every form of number as the general conversion does.
TEST_F(OrderRecord, NumberFormsReadAsTheGeneralConversion)
{
    for (const char *text : {"0", "-0", "007", "-12", "123456789", "-123456789", "1234567890", "2147483647",
                             "2147483648", "-2147483649", " 12", "12 ", "+5", "-", "--1", "1a", "", "1.0",
                             "\xef\xbc\x91\xef\xbc\x92"}) {
        const QString t = QString::fromUtf8(text);
        bool ok = false;
        const int general = t.toInt(&ok);
        TA1ORDER o;
        ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "1001", {{15, t}}), {}));
        EXPECT_EQ(o.DVRY_AMT, ok ? general : 0) << text;
        EXPECT_EQ(StatusNumber(t, -7), ok ? general : -7) << text;
    }
}

// Splitting finds every separator wherever it falls in a row, whatever the row's length.
TEST_F(OrderRecord, RowSplitFindsEverySeparator)
{
    const QChar sep(0x2502);
    const QString pieces[] = {QString(), QStringLiteral("a"), QStringLiteral("가나다"), QStringLiteral("1234567"),
                              QString(QChar(0x0225)) + QChar(0x2503), QStringLiteral("0123456789abcdef")};
    for (int len = 1; len <= 40; ++len) {
        QStringList parts;
        for (int i = 0; i < len; ++i)
            parts.append(pieces[(i * 7 + len) % 6]);
        const QString row = parts.join(sep);
        QString buffer;
        std::vector<FieldSpan> columns;
        ASSERT_TRUE(SplitRowSpans(row, sep, buffer, columns));
        ASSERT_EQ(int(columns.size()), len) << len;
        for (int i = 0; i < len; ++i)
            EXPECT_EQ(QStringView(buffer).mid(columns[size_t(i)].pos, columns[size_t(i)].len), parts.at(i))
                << len << " piece " << i;
    }
}

TEST_F(OrderRecord, ShareGroupAndCourierStoreRules)
{
    G_USER_INFO.MNG_DVRY_TYPE_CD = "OWN";
    G_SL_BR_DVRY_TYPE = {QStringLiteral("BRG"), QStringLiteral("BRH")};
    const QStringList shares = {QStringLiteral("SHG"), QStringLiteral("SHH")};
    struct Case
    {
        const char *group;
        const char *status;
        const char *share;
        bool courierStoreKept;
    } cases[] = {
        {"OWN", "3001", "0", true},  {"SHG", "3003", "0", true},  {"BRG", "4001", "0", true},
        {"XXX", "2001", "1", false}, {"XXX", "4002", "1", false}, {"XXX", "abc", "1", false},
    };
    for (const Case &c : cases) {
        TA1ORDER o;
        ASSERT_TRUE(proc_SetA1OrderFromRow(
            o, liveRow("1", c.status, {{35, c.group}, {48, "CST"}, {52, "CDV"}}), shares));
        EXPECT_EQ(o.SHARE_GROUP(), QString::fromLatin1(c.share)) << c.group;
        EXPECT_EQ(o.CTH_ST_CODE().isEmpty(), !c.courierStoreKept) << c.status;
        EXPECT_EQ(o.CTH_DVRY_TYPE_CD().isEmpty(), !c.courierStoreKept) << c.status;
    }
}

TEST_F(OrderRecord, ShortOrOverlongRowLeavesAKnownOrderUntouched)
{
    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("7", "1001", {{26, "old memo"}}), {}));
    QStringList shortCols = liveRow("7", "3001", {{26, "new memo"}}).split(sep());
    shortCols = shortCols.mid(0, 100);
    QString error;
    EXPECT_FALSE(proc_SetA1OrderFromRow(o, shortCols.join(sep()), {}, &error));
    EXPECT_TRUE(error.contains(QLatin1String("100 of 123")));
    EXPECT_EQ(o.ORD_STATUS_CD(), u"1001");
    EXPECT_EQ(o.ORD_MEMO(), u"old memo");
    EXPECT_FALSE(proc_SetA1OrderFromRow(o, liveRow("7", "3001", {{26, QString(70000, QLatin1Char('x'))}}), {}));
    EXPECT_EQ(o.ORD_MEMO(), u"old memo");
}

TEST_F(OrderRecord, ReplyEscapesAreUndone)
{
    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "1001", {{26, "문 앞 &quot;조용히&quot; C:&#92;"}}), {}));
    EXPECT_EQ(o.ORD_MEMO(), u"문 앞 \"조용히\" C:\\");
}

TEST_F(OrderRecord, SnapshotKeepsThePreviousValues)
{
    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "1001", {{2, "4"}}), {}));
    o.OLD_ORDER->set(A1::EA_END_IMG, u"img.jpg");
    proc_CopyA1OldOrder(*o.OLD_ORDER, o);
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "3001", {{2, "5"}}), {}));
    EXPECT_EQ(o.OLD_ORDER->ORD_STATUS_CD(), u"1001");
    EXPECT_EQ(o.OLD_ORDER->ORD_TODAY_ADD_NO, 4);
    EXPECT_EQ(o.OLD_ORDER->EA_END_IMG(), u"img.jpg");
    EXPECT_EQ(o.ORD_STATUS_CD(), u"3001");
    EXPECT_EQ(o.ORD_TODAY_ADD_NO, 5);
}

TEST_F(OrderRecord, DerivedTexts)
{
    G_COM_CODE_LIST.clear();
    TCOM_CODE_LIST cash;
    cash.SY_CODE = "O7";
    cash.DT_CODE = "1001";
    cash.DT_NAME = QStringLiteral("현금");
    G_COM_CODE_LIST.append(cash);
    TOrderLogin login;
    login.prepaidPaths = {QStringLiteral("1016")};

    struct PayCase
    {
        const char *charge, *pay, *goodsPay, *path, *expected;
    } pays[] = {
        {"1", "1001", "", "1001", "현금"},
        {"1", "1001", "2", "1001", "현금(P)"},
        {"3", "1001", "", "1001", "출발지-현금"},
        {"3", "1001", "2", "1001", "출발지-현금(P)"},
        {"2", "1001", "", "1001", "선결제"},
        {"2", "1001", "", "1016", "선결제(현금)"},
        {"2", "9999", "", "1016", "선결제"},
    };
    for (const PayCase &c : pays) {
        TA1ORDER o;
        ASSERT_TRUE(proc_SetA1OrderFromRow(
            o, liveRow("1", "1001", {{19, c.charge}, {20, c.pay}, {90, c.goodsPay}, {29, c.path}}), {}));
        EXPECT_EQ(o.GetPayType(login), QString::fromUtf8(c.expected)) << c.charge << c.pay << c.path;
    }

    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(
        o, liveRow("1", "1001", {{32, "Y"}, {93, "역삼동"}, {97, "테헤란로"}, {95, "12"}, {98, "3"}, {96, "빌딩"}, {99, "2층"}}), {}));
    EXPECT_EQ(o.GetAddr(), QString()) << "a take-out order has no destination";
    EXPECT_EQ(o.GetSaAddr(), QStringLiteral("역삼동 테헤란로[12 3(빌딩)]2층"));
    EXPECT_FALSE(o.GetDvryOrder());
    // Without a detail no empty brackets are left; without a building no empty parentheses.
    const struct
    {
        const char *no, *sub, *building, *expected;
    } details[] = {
        {"", "", "", "역삼동 테헤란로2층"},
        {"12", "3", "", "역삼동 테헤란로[12 3]2층"},
        {"", "", "빌딩", "역삼동 테헤란로[ (빌딩)]2층"},
    };
    for (const auto &d : details) {
        TA1ORDER bare;
        ASSERT_TRUE(proc_SetA1OrderFromRow(bare, liveRow("1", "1001", {{32, "Y"}, {93, "역삼동"}, {97, "테헤란로"},
                                                                        {95, d.no}, {98, d.sub}, {96, d.building},
                                                                        {99, "2층"}}),
                                           {}));
        EXPECT_EQ(bare.GetSaAddr(), QString::fromUtf8(d.expected)) << d.no << d.sub << d.building;
    }
}

TEST_F(OrderRecord, OwnOrderAndSelections)
{
    TOrderLogin store;
    store.userClass = QStringLiteral("1");
    store.selPaths = {QStringLiteral("1001")};
    store.selPosTypes = {QStringLiteral("P1")};
    TOrderLogin dist;
    dist.userClass = QStringLiteral("5");
    dist.BR = QStringLiteral("BR1");
    dist.selBranches = {QStringLiteral("BR1")};

    struct Case
    {
        const TOrderLogin *login;
        std::map<int, QString> cols;
        const char *status;
        bool view;
    } cases[] = {
        {&store, {{29, ""}, {122, "P1"}}, "1001", false},
        {&store, {{29, "1001"}}, "1001", true},
        {&store, {{29, "2000"}, {122, "P1"}}, "1001", true},
        {&store, {{29, "2000"}, {122, "P2"}}, "1001", false},
        {&dist, {{43, "BR1"}}, "3003", true},
        {&dist, {{43, "BR9"}, {47, "BR1"}}, "3003", true},
        {&dist, {{43, "BR9"}, {47, ""}}, "2001", true},
        {&dist, {{43, "BR9"}, {47, ""}}, "3001", false},
    };
    for (const Case &c : cases) {
        TA1ORDER o;
        ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", c.status, c.cols), {}));
        EXPECT_EQ(o.GetOrderViewYN(*c.login), c.view) << c.status;
    }
    TA1ORDER o;
    ASSERT_TRUE(proc_SetA1OrderFromRow(o, liveRow("1", "1001", {{43, "BR1"}, {65, "HD2"}}), {}));
    EXPECT_TRUE(o.GetMyOrder(dist));
    TOrderLogin partner;
    partner.userClass = QStringLiteral("7");
    partner.HD = QStringLiteral("HD2");
    EXPECT_TRUE(o.GetMyOrder(partner));
    EXPECT_FALSE(o.GetMyOrder(store));
}

// ---- same-day records -----------------------------------------------------------------------

namespace
{
QString a3ColumnsRow(int columns, std::map<int, QString> over = {})
{
    QStringList cols;
    for (int i = 0; i < columns; ++i)
        cols.append(QStringLiteral("s%1").arg(i));
    for (int c : {1, 2, 3, 10, 13, 14, 15, 16, 19, 24, 34, 35, 45, 47, 49})
        cols[c] = QString::number(c);
    cols[12] = QStringLiteral("2.5");
    cols[5] = QStringLiteral("3001");
    cols[86] = QString();
    cols[76] = QString();
    for (const auto &[c, v] : over)
        cols[c] = v;
    return cols.join(sep());
}
} // namespace

TEST_F(OrderRecord, SameDayRowIsStrictAndRefusesWithoutDamage)
{
    TA3ORDER o;
    ASSERT_TRUE(proc_SetA3OrderFromRow(o, a3ColumnsRow(98, {{91, "5000"}})));
    EXPECT_EQ(o.EA_END_IMG(), QString());
    EXPECT_EQ(o.PENALTY_AMT, 0);
    EXPECT_EQ(o.MOD_DATE(), u"s68");
    EXPECT_EQ(o.ORD_CU_NAME(), u"s85");
    EXPECT_EQ(o.EXT_URL(), u"s92");
    EXPECT_EQ(o.EXT_SUB_CODE(), u"s97");
    EXPECT_EQ(o.DVRY_MNG_FEE, 49);
    ASSERT_TRUE(proc_SetA3OrderFromRow(o, a3ColumnsRow(99)));
    EXPECT_EQ(o.EA_END_IMG(), u"s98");

    QString error;
    EXPECT_FALSE(proc_SetA3OrderFromRow(o, a3ColumnsRow(99, {{13, ""}, {22, "changed"}}), &error));
    EXPECT_TRUE(error.contains(QLatin1String("DVRY_AMT")));
    EXPECT_EQ(o.ORD_MEMO(), u"s22");
    EXPECT_FALSE(proc_SetA3OrderFromRow(o, a3ColumnsRow(97)));
    EXPECT_FALSE(proc_SetA3OrderFromRow(o, a3ColumnsRow(99, {{12, "far"}})));
}

TEST_F(OrderRecord, SameDaySlotsAndCopy)
{
    const std::pair<const char *, const char *> slotCases[] = {
        {"1001", "1"}, {"1007", "6"}, {"2001", "2"}, {"2002", "-1"}, {"3003", "4"}, {"4003", "8"},
        {"6301", "9"}, {"7203", "10"}, {"8301", "11"}, {"8433", "12"}, {"5001", "-1"}, {"x", ""},
    };
    for (const auto &[status, slot] : slotCases)
        EXPECT_EQ(SameDayStatusSlot(QString::fromLatin1(status)), QString::fromLatin1(slot)) << status;

    struct Copy
    {
        std::map<int, QString> cols;
        const char *store;
        bool courierStore;
    } copies[] = {
        {{{71, "SOL"}, {72, "집화"}, {5, "3001"}, {41, "CST"}}, "SOL", true},
        {{{71, "SOL"}, {76, "LOGI"}, {5, "2001"}, {41, "CST"}}, "LOGI", false},
        {{{71, "SOL"}, {76, "LOGI"}, {86, "LOC"}, {5, "3003"}}, "LOC", true},
    };
    for (const Copy &c : copies) {
        TA3ORDER o;
        ASSERT_TRUE(proc_SetA3OrderFromRow(o, a3ColumnsRow(99, c.cols)));
        o.set(A3::ORD_TYPE, u"1");
        o.PENALTY_AMT = 700;
        TA1ORDER a1;
        proc_A3ToA1Order(o, a1);
        EXPECT_EQ(a1.ORD_ST_CODE(), QString::fromLatin1(c.store));
        EXPECT_EQ(!a1.CTH_ST_CODE().isEmpty(), c.courierStore);
        EXPECT_EQ(a1.ORD_TYPE(), u"1");
        EXPECT_EQ(a1.TAKEOUT_YN(), u"N");
        EXPECT_EQ(a1.ORD_DATA_YN(), u"Y");
        EXPECT_EQ(a1.TAKEOUT_DATE(), o.PICKUP_DATE());
        EXPECT_EQ(a1.PENALTY_AMT, 700);
        EXPECT_TRUE(a1.OLD_ORDER->CTH_WK_CODE().isEmpty());
    }
}

TEST_F(OrderRecord, SameDayOwnOrderOfADistributor)
{
    TA3ORDER o;
    ASSERT_TRUE(proc_SetA3OrderFromRow(o, a3ColumnsRow(99, {{29, "G1"}, {67, "2"}})));
    const QString d = QStringLiteral("5");
    EXPECT_TRUE(o.GetMyOrder(d, "NONE", "HD", "G1", 1)) << "same delivery group";
    EXPECT_TRUE(o.GetMyOrder(d, "NONE", "HD", "G2", 0)) << "normal type off";
    EXPECT_FALSE(o.GetMyOrder(d, "NONE", "HD", "G2", 1)) << "all three conditions hold";
    EXPECT_TRUE(o.GetMyOrder(d, "s36", "HD", "G2", 1)) << "its own branch";
    EXPECT_TRUE(o.GetMyOrder(QStringLiteral("7"), "", "s81", "", 0));
    EXPECT_FALSE(o.GetMyOrder(QStringLiteral("7"), "", "HDX", "", 0));
}
