// The live and completed board rows: what a user may see of a customer, the path, distance and
// fee rules, the blanking of old orders, the pay buckets and the completed time columns.
#include "orders/order_test_support.h"

#include "grid/grid_table_model.h"
#include "boards/order_board_columns.h"
#include "boards/order_rows.h"
#include "platform/clock.h"
#include "text/hangul_initials.h"
#include "text/phone_helpers.h"

#include <QDateTime>
#include <QSet>

#include <map>
#include <vector>

using namespace ordertest;

namespace
{
TA1ORDER order(const QString &status, std::map<int, QString> over = {}, const QString &no = QStringLiteral("A1"))
{
    TA1ORDER o;
    QString error;
    EXPECT_TRUE(proc_SetA1OrderFromRow(o, liveRow(no, status, std::move(over)), {}, &error))
        << error.toStdString();
    return o;
}

// A distributor of branch BR1 and head office HD1 that sees store ST01.
BoardRowContext distributorContext()
{
    BoardRowContext c;
    c.login.userClass = QStringLiteral("5");
    c.login.BR = QStringLiteral("BR1");
    c.login.HD = QStringLiteral("HD1");
    c.login.selBranches = {QStringLiteral("BR1")};
    c.storeCodes = {QStringLiteral("ST01")};
    c.now = QDateTime(QDate(2026, 12, 11), QTime(12, 0));
    return c;
}

class Rows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        live.setColumns(BoardColumns(OrderBoard::Live));
        comp.setColumns(BoardColumns(OrderBoard::Completed));
        SetBoardRowLogger([this](const QString &l) { logs.append(l); });
    }
    void TearDown() override { SetBoardRowLogger({}); }

    QVariant liveCell(int record, BoardCol::Id id) const
    {
        return live.recordValue(record, BoardColumnIndex(OrderBoard::Live, id));
    }
    QVariant compCell(int record, BoardCol::Id id) const
    {
        return comp.recordValue(record, BoardColumnIndex(OrderBoard::Completed, id));
    }
    int fillLive(const TA1ORDER &o, const BoardRowContext &ctx)
    {
        const int r = live.appendRecord({});
        proc_SetA1Order(live, r, &o, ctx);
        return r;
    }
    int fillComp(const TA1ORDER &o, const BoardRowContext &ctx)
    {
        const int r = comp.appendRecord({});
        proc_SetA1CompOrder(comp, r, &o, ctx, totals);
        return r;
    }

    GridTableModel live, comp;
    PayTotals totals;
    QStringList logs;
};
} // namespace

TEST(BoardColumns, NamesCaptionsAndInternalColumnsOfBothBoards)
{
    const QList<GridColumn> live = BoardColumns(OrderBoard::Live);
    const QList<GridColumn> comp = BoardColumns(OrderBoard::Completed);
    ASSERT_EQ(live.size(), 134);
    ASSERT_EQ(comp.size(), 131);
    QSet<QString> names;
    for (const GridColumn &c : live + comp)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 134 + 131) << "every component name is unique";

    // The spellings that differ between the boards are the ones saved layouts know.
    for (const char *name : {"CTV_MAINPAY_TYPE_CD", "CTV_MAIN_DRVY_CNT", "CTV_MAIN_DRVY_TYPE_CD", "CTV_MAIN_BTOB_YN"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
    for (const char *name : {"CTV_MAIN_COMP_PAY_TYPE_CD", "CTV_MAIN_COMP_DVRY_CNT", "CTV_MAIN_COMP_DVRY_TYPE_CD"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
    for (const char *name : {"CTV_MAIN_COMP_PRE_CTH_YN", "CTV_MAIN_COMP_BTOB_YN", "CTV_MAIN_COMP_AUTO_GRP_YN"})
        EXPECT_FALSE(names.contains(QLatin1String(name))) << name;

    // Internal columns: the screen's technical columns on both boards, the board's own ones.
    const QStringList liveInternal = BoardInternalColumnNames(OrderBoard::Live);
    const QStringList compInternal = BoardInternalColumnNames(OrderBoard::Completed);
    for (const char *suffix : {"CHK", "TODAY_NO", "ORD_DATE2", "WK_TEL2", "EA_LAT_Y", "ORD_ST_DISTANCE", "ARR_TIME",
                               "SearchAddr4", "SearchWKNAME", "SearchSTNAME", "EXCEL_CU_TEL", "BM_ADDR"}) {
        EXPECT_TRUE(liveInternal.contains(QStringLiteral("CTV_MAIN_") + QLatin1String(suffix))) << suffix;
        EXPECT_TRUE(compInternal.contains(QStringLiteral("CTV_MAIN_COMP_") + QLatin1String(suffix))) << suffix;
    }
    for (const char *suffix : {"ORD_ST_CODE", "CU_TEL2", "MASTER_ST_CODE", "CU_TEL", "ADDR4", "STATUS_CD"}) {
        EXPECT_FALSE(liveInternal.contains(QStringLiteral("CTV_MAIN_") + QLatin1String(suffix))) << suffix;
        EXPECT_FALSE(compInternal.contains(QStringLiteral("CTV_MAIN_COMP_") + QLatin1String(suffix))) << suffix;
    }
    EXPECT_TRUE(liveInternal.contains(QStringLiteral("CTV_MAIN_CASHCANCLE")));
    EXPECT_FALSE(compInternal.contains(QStringLiteral("CTV_MAIN_COMP_CASHCANCLE")));
    EXPECT_FALSE(liveInternal.contains(QStringLiteral("CTV_MAIN_PICKUP_READY_TYPE")));
    EXPECT_TRUE(compInternal.contains(QStringLiteral("CTV_MAIN_COMP_PICKUP_READY_TYPE")));

    // The edition's words replace three captions on both boards.
    const QList<GridColumn> worded =
        BoardColumns(OrderBoard::Completed, {}, {QStringLiteral("머니"), QStringLiteral("배달료"), QStringLiteral("배달수수료")});
    EXPECT_EQ(worded.at(BoardColumnIndex(OrderBoard::Completed, BoardCol::PAY_MILEAGE)).caption, QStringLiteral("머니"));
    EXPECT_EQ(worded.at(BoardColumnIndex(OrderBoard::Completed, BoardCol::MNG_FEE)).caption, QStringLiteral("배달수수료"));
}

TEST_F(Rows, CustomerTelephoneIsMaskedByLoginClass)
{
    struct Case
    {
        const char *cls;
        const char *ordBr;
        const char *ordHd;
        const char *store;
        bool masked;
    };
    const Case cases[] = {
        {"5", "BR2", "HD1", "ST99", true},   // distributor: another branch's order from a foreign store
        {"5", "BR2", "HD1", "ST01", false},  // ... from a store it sees
        {"5", "BR1", "HD9", "ST99", false},  // its own branch
        {"7", "BR2", "HD9", "ST99", true},   // partner head office: another head office's order
        {"7", "BR2", "HD1", "ST99", false},  // its own head office
        {"1", "BR2", "HD9", "ST99", false},  // a store never masks
    };
    for (const Case &c : cases) {
        BoardRowContext ctx = distributorContext();
        ctx.login.userClass = QLatin1String(c.cls);
        const TA1ORDER o = order(QStringLiteral("1001"), {{11, QStringLiteral("01012345678")},
                                                          {106, QStringLiteral("01087654321")},
                                                          {43, QLatin1String(c.ordBr)},
                                                          {65, QLatin1String(c.ordHd)},
                                                          {33, QLatin1String(c.store)}});
        const int r = fillLive(o, ctx);
        EXPECT_EQ(liveCell(r, BoardCol::CU_TEL).toString(), FormatPhone(QStringLiteral("01012345678"), c.masked ? 1 : 0))
            << c.cls << " " << c.ordBr << " " << c.store;
        EXPECT_NE(liveCell(r, BoardCol::CU_TEL).toString(), FormatPhone(QStringLiteral("01012345678"), c.masked ? 0 : 1));
        // The receiving customer's number is never masked.
        EXPECT_EQ(liveCell(r, BoardCol::CU_TEL2).toString(), FormatPhone(QStringLiteral("01087654321"), 0));
    }
}

TEST_F(Rows, PathDistanceAndFees)
{
    struct PathCase
    {
        const char *path;
        const char *service;
        const char *shown;
    };
    for (const PathCase &c : {PathCase{"1039", "2", "5000"}, PathCase{"1039", "1", "1039"},
                              PathCase{"1069", "2", "5001"}, PathCase{"1069", "", "1069"},
                              PathCase{"1001", "2", "1001"}}) {
        const int r = fillLive(order(QStringLiteral("1001"), {{29, QLatin1String(c.path)}, {109, QLatin1String(c.service)}}),
                               distributorContext());
        EXPECT_EQ(liveCell(r, BoardCol::ORD_PATH_CD).toString(), QLatin1String(c.shown)) << c.path << "/" << c.service;
    }

    for (const auto &[metres, km] : {std::pair{"1234.9", 1.234}, std::pair{"0", 0.0}, std::pair{"-5", 0.0},
                                     std::pair{"999", 0.999}}) {
        const int r = fillLive(order(QStringLiteral("1001"), {{14, QLatin1String(metres)}}), distributorContext());
        EXPECT_DOUBLE_EQ(liveCell(r, BoardCol::DISTANCE).toDouble(), km) << metres;
    }

    // Fees: a takeout order shows none; a delivered one shows the management fee once a
    // courier has it.
    struct FeeCase
    {
        const char *status;
        const char *takeout;
        int dvryAmt;
        int mngFee;
    };
    for (const FeeCase &c : {FeeCase{"3001", "Y", 0, 0}, FeeCase{"4001", "Y", 0, 0}, FeeCase{"1001", "N", 3500, 0},
                             FeeCase{"2001", "N", 3500, 0}, FeeCase{"3001", "N", 3500, 700},
                             FeeCase{"3003", "N", 3500, 700}, FeeCase{"4001", "N", 3500, 700},
                             FeeCase{"4002", "N", 3500, 0}, FeeCase{"x", "N", 3500, 0}}) {
        const int r = fillLive(order(QLatin1String(c.status), {{32, QLatin1String(c.takeout)},
                                                               {15, QStringLiteral("3500")},
                                                               {58, QStringLiteral("700")}}),
                               distributorContext());
        EXPECT_EQ(liveCell(r, BoardCol::DVRY_AMT).toInt(), c.dvryAmt) << c.status << c.takeout;
        EXPECT_EQ(liveCell(r, BoardCol::MNG_FEE).toInt(), c.mngFee) << c.status << c.takeout;
    }
}

TEST_F(Rows, RefillClearsTheTickAndSearchTextsFollowTheOrder)
{
    const int r = fillLive(order(QStringLiteral("1001"), {{24, QStringLiteral("김민준")}}), distributorContext());
    live.setRecordValue(r, BoardColumnIndex(OrderBoard::Live, BoardCol::CHK), true);
    proc_SetA1Order(live, r, nullptr, distributorContext());
    EXPECT_EQ(logs, QStringList{QStringLiteral("proc_SetA1Order ERR")});
    EXPECT_TRUE(liveCell(r, BoardCol::CHK).toBool()) << "a missing order writes nothing";

    const TA1ORDER moved = order(QStringLiteral("3001"), {{24, QStringLiteral("이서연")}, {13, QStringLiteral("서울 강남구 삼성동 2-2")}});
    proc_SetA1Order(live, r, &moved, distributorContext());
    EXPECT_FALSE(liveCell(r, BoardCol::CHK).toBool());
    EXPECT_EQ(liveCell(r, BoardCol::STATUS_CD).toString(), QStringLiteral("3001"));
    EXPECT_EQ(liveCell(r, BoardCol::SearchWKNAME).toString(), DivHan2(QStringLiteral("이서연")));
    EXPECT_EQ(liveCell(r, BoardCol::SearchAddr4).toString(), DivHan2(moved.GetAddr()));
    EXPECT_EQ(liveCell(r, BoardCol::ADDR4).toString(), moved.GetAddr());
}

TEST_F(Rows, ContactDataReachSpreadsheetColumnsOnlyForAllowedPaths)
{
    BoardRowContext ctx = distributorContext();
    ctx.exportPaths = {QStringLiteral("1016")};
    const int allowed = fillLive(order(QStringLiteral("1001"), {{29, QStringLiteral("1016")}, {31, QStringLiteral("홍길동")},
                                                                {11, QStringLiteral("01012345678")}}),
                                 ctx);
    EXPECT_EQ(liveCell(allowed, BoardCol::EXCEL_ADDR), liveCell(allowed, BoardCol::ADDR4));
    EXPECT_EQ(liveCell(allowed, BoardCol::EXCEL_CU_TEL), liveCell(allowed, BoardCol::CU_TEL));
    EXPECT_EQ(liveCell(allowed, BoardCol::EXCEL_CU_NAME).toString(), QStringLiteral("홍길동"));
    const int other = fillLive(order(QStringLiteral("1001"), {{29, QStringLiteral("1001")}, {31, QStringLiteral("홍길동")}}),
                               ctx);
    for (const BoardCol::Id id : {BoardCol::EXCEL_ADDR, BoardCol::EXCEL_CU_TEL, BoardCol::EXCEL_CU_NAME})
        EXPECT_TRUE(liveCell(other, id).toString().isEmpty());
}

TEST_F(Rows, OldCompletedOrdersLoseTheirContactData)
{
    const BoardRowContext ctx = distributorContext();  // now: 2026-12-11 12:00
    const std::map<int, QString> contact = {{11, QStringLiteral("01012345678")}, {106, QStringLiteral("01087654321")},
                                            {25, QStringLiteral("01055556666")}, {26, QStringLiteral("문 앞")},
                                            {110, QStringLiteral("서울특별시")}, {111, QStringLiteral("강남구")},
                                            {112, QStringLiteral("역삼동")}, {113, QString()}};
    const auto with = [&](std::map<int, QString> extra) {
        std::map<int, QString> m = contact;
        for (const auto &[k, v] : extra)
            m[k] = v;
        return m;
    };
    struct Case
    {
        const char *status;
        std::map<int, QString> times;
        const char *path;
        QString addr;  // empty: the order's own address
    };
    const QString stars30(30, QLatin1Char('*'));
    const Case cases[] = {
        {"4001", {{10, QStringLiteral("2026-12-08 11:00:00")}}, "1001", QStringLiteral("서울특별시 강남구 역삼동")},
        {"4001", {{10, QStringLiteral("2026-12-10 11:00:00")}}, "1001", QString()},
        {"4001", {{10, QStringLiteral("not a date")}}, "1001", QString()},
        {"4002", {{6, QStringLiteral("2026-12-08 11:00:00")}}, "1001", stars30},
        {"4002", {{6, QStringLiteral("2026-12-09 13:00:00")}}, "1001", QString()},
        {"4001", {{10, QStringLiteral("2026-12-01 11:00:00")}}, "1016", QString()},  // an exportable path
    };
    BoardRowContext exportCtx = ctx;
    exportCtx.exportPaths = {QStringLiteral("1016")};
    for (const Case &c : cases) {
        std::map<int, QString> over = with(c.times);
        over[29] = QLatin1String(c.path);
        const TA1ORDER o = order(QLatin1String(c.status), over);
        const int r = fillComp(o, exportCtx);
        const bool blanked = !c.addr.isEmpty();
        SCOPED_TRACE(std::string(c.status) + " " + c.times.begin()->second.toStdString());
        for (const BoardCol::Id id : {BoardCol::CU_TEL, BoardCol::CU_TEL2, BoardCol::WK_TEL, BoardCol::WK_TEL2})
            EXPECT_EQ(compCell(r, id).toString() == QStringLiteral("***-****-****"), blanked);
        EXPECT_EQ(compCell(r, BoardCol::ADDR4).toString(), blanked ? c.addr : o.GetAddr());
        EXPECT_EQ(compCell(r, BoardCol::ORD_MEMO).toString(), blanked ? QString() : QStringLiteral("문 앞"));
    }
}

TEST_F(Rows, PayBucketsCountEachCompletedOrderOnce)
{
    struct Case
    {
        const char *no;
        const char *status;
        const char *payType;
        const char *goodsPay;
        const char *branch;
        int bucket;  // -1: not counted
    };
    const Case cases[] = {
        {"C1", "4001", "1001", "", "BR1", 0},   {"C2", "4001", "1001", "2", "BR1", 3},
        {"C3", "4001", "1002", "", "BR1", 1},   {"C4", "4001", "1003", "", "BR1", 2},
        {"C5", "4002", "1002", "", "BR1", -1},  // cancelled
        {"C6", "4001", "1002", "", "BR9", -1},  // does not count for this login
    };
    std::array<int, 4> counts{};
    std::array<double, 4> sums{};
    std::vector<int> records;
    for (const Case &c : cases) {
        const TA1ORDER o = order(QLatin1String(c.status), {{20, QLatin1String(c.payType)}, {90, QLatin1String(c.goodsPay)},
                                                           {43, QLatin1String(c.branch)}, {47, QString()},
                                                           {21, QStringLiteral("15000")}},
                                 QLatin1String(c.no));
        records.push_back(fillComp(o, distributorContext()));
        if (c.bucket >= 0) {
            counts[size_t(c.bucket)] += 1;
            sums[size_t(c.bucket)] += 15000;
        }
    }
    EXPECT_EQ(totals.FI_AMT_CNT, counts);
    EXPECT_EQ(totals.FI_AMT_SUM, sums);

    // A refill of the same order (an incremental update) does not add it again; a change of its
    // amount replaces its share.
    const TA1ORDER card = order(QStringLiteral("4001"), {{20, QStringLiteral("1002")}, {21, QStringLiteral("20000")}},
                                QStringLiteral("C3"));
    proc_SetA1CompOrder(comp, records[2], &card, distributorContext(), totals);
    EXPECT_EQ(totals.FI_AMT_CNT[1], 1);
    EXPECT_DOUBLE_EQ(totals.FI_AMT_SUM[1], 20000);
    // Cancelled afterwards: its share goes.
    const TA1ORDER cancelled = order(QStringLiteral("4002"), {{20, QStringLiteral("1002")}}, QStringLiteral("C3"));
    proc_SetA1CompOrder(comp, records[2], &cancelled, distributorContext(), totals);
    EXPECT_EQ(totals.FI_AMT_CNT[1], 0);
    EXPECT_DOUBLE_EQ(totals.FI_AMT_SUM[1], 0);
}

TEST_F(Rows, CompletedTimeColumns)
{
    AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(12, 0)));
    const TA1ORDER cancelled = order(QStringLiteral("4002"), {{6, QStringLiteral("2026-12-11 10:00:00")},
                                                              {10, QString()},
                                                              {105, QStringLiteral("2026-12-11 10:25:00")}});
    const int r = fillComp(cancelled, distributorContext());
    // The cancel date is the end: 25 minutes from the order, as text with "분".
    EXPECT_EQ(compCell(r, BoardCol::ADD_TIME_ALL).toString(), QStringLiteral("25분"));
    EXPECT_EQ(compCell(r, BoardCol::READY_TIME2).toInt(), 1);

    const TA1ORDER finished = order(QStringLiteral("4001"), {{6, QStringLiteral("2026-12-11 10:00:00")},
                                                             {51, QStringLiteral("2026-12-11 10:05:00")},
                                                             {10, QStringLiteral("2026-12-11 10:47:00")}});
    const int f = fillComp(finished, distributorContext());
    EXPECT_EQ(compCell(f, BoardCol::ADD_TIME_ALL).toString(), QStringLiteral("47분"));
    EXPECT_EQ(compCell(f, BoardCol::ADD_TIME).toString(), QStringLiteral("42분"));
    EXPECT_FALSE(compCell(f, BoardCol::END_DATE).toString().isEmpty());

    // No order time: no total.
    const TA1ORDER timeless = order(QStringLiteral("4001"), {{6, QString()}, {10, QStringLiteral("2026-12-11 10:47:00")}});
    EXPECT_TRUE(compCell(fillComp(timeless, distributorContext()), BoardCol::ADD_TIME_ALL).toString().isEmpty());
    AppClock::clearFixed();
}

// A refill that knows what the row was written from writes only the changed cells; the row must
// end up as a refill of every cell leaves it, whichever single field changes (each change below
// moves one field of the order), and with the cells the count pass rewrites in between.
TEST_F(Rows, RefillOfTheChangedCellsEndsAsAFullRefill)
{
    BoardRowContext ctx = distributorContext();
    ctx.exportPaths = {QStringLiteral("1016")};
    ctx.brDvryYn = QStringLiteral("Y");
    G_COM_CODE_LIST.clear();
    for (const auto &[code, name] : {std::pair{"1001", "현금"}, std::pair{"1002", "카드"}}) {
        TCOM_CODE_LIST c;
        c.SY_CODE = "O7";
        c.DT_CODE = code;
        c.DT_NAME = QString::fromUtf8(name);
        G_COM_CODE_LIST.append(c);
    }
    std::map<int, QString> over = {{19, QStringLiteral("1")}, {20, QStringLiteral("1001")}, {11, QStringLiteral("01012345678")},
                                   {24, QStringLiteral("김민준")}, {73, QStringLiteral("37.5")}, {74, QStringLiteral("127.0")},
                                   {76, QStringLiteral("37.4")}, {77, QStringLiteral("127.1")}};
    const std::vector<std::pair<int, QString>> changes = {
        {5, QStringLiteral("3001")}, {24, QStringLiteral("이서연")}, {71, QStringLiteral("W1")},
        {50, QStringLiteral("2026-12-11 09:10:00")}, {8, QStringLiteral("2026-12-11 09:20:00")},
        {8, QStringLiteral("20261211 0930")}, {10, QStringLiteral("2026-12-11 09:40:00")},
        {9, QStringLiteral("2026-12-11 09:15:00")}, {107, QStringLiteral("2026-12-11 11:00:00")},
        {6, QStringLiteral("2026-12-11 08:59:00")}, {13, QStringLiteral("서울 강남구 삼성동 2-2")},
        {37, QStringLiteral("101동")}, {44, QStringLiteral("서울 강남구 테헤란로 1")}, {45, QStringLiteral("앱 주소")},
        {70, QStringLiteral("빌딩")}, {66, QStringLiteral("1")}, {11, QStringLiteral("0212345678")},
        {106, QStringLiteral("01099998888")}, {25, QStringLiteral("01055556666")}, {30, QStringLiteral("021234567")},
        {78, QStringLiteral("05012345678")}, {88, QStringLiteral("0311234567")}, {20, QStringLiteral("1002")},
        {40, QStringLiteral("1001")}, {90, QStringLiteral("2")}, {20, QStringLiteral("1001")}, {19, QStringLiteral("3")},
        {29, QStringLiteral("1016")}, {31, QStringLiteral("홍길동")}, {29, QStringLiteral("1039")},
        {109, QStringLiteral("2")}, {73, QStringLiteral("37.6")}, {74, QStringLiteral("127.2")},
        {76, QStringLiteral("37.3")}, {77, QStringLiteral("127.3")}, {14, QStringLiteral("1234.5")},
        {15, QStringLiteral("4000")}, {58, QStringLiteral("700")}, {12, QStringLiteral("7")}, {1, QStringLiteral("42")},
        {3, QStringLiteral("77")}, {2, QStringLiteral("1")}, {28, QStringLiteral("2")}, {16, QStringLiteral("20000")},
        {34, QStringLiteral("삼성점")}, {33, QStringLiteral("ST02")}, {43, QStringLiteral("BR2")},
        {65, QStringLiteral("HD2")}, {110, QStringLiteral("서울특별시")}, {111, QStringLiteral("강남구")},
        {112, QStringLiteral("삼성동")}, {113, QStringLiteral("삼성1동")}, {91, QStringLiteral("서울")},
        {93, QStringLiteral("역삼동")}, {95, QStringLiteral("1")}, {96, QStringLiteral("2")}, {97, QStringLiteral("길")},
        {98, QStringLiteral("3")}, {99, QStringLiteral("상세")}, {57, QStringLiteral("1")}, {38, QStringLiteral("25")},
        {32, QStringLiteral("Y")}, {11, QString()}, {6, QString()}, {87, QStringLiteral("20261211100000000")},
    };
    const int pickup = BoardColumnIndex(OrderBoard::Live, BoardCol::PICKUP_DATE);
    const int end = BoardColumnIndex(OrderBoard::Live, BoardCol::END_DATE);
    const int partial = live.appendRecord({});
    const int full = live.appendRecord({});
    TA1ORDER last = order(QStringLiteral("1001"), over);
    proc_SetA1Order(live, partial, &last, ctx);
    for (const auto &[column, value] : changes) {
        // What the count pass writes in between.
        for (const int r : {partial, full}) {
            live.recordCells(r)[pickup] = QStringLiteral("09:30(1분00초)");
            live.recordCells(r)[end] = QStringLiteral("10:00");
        }
        over[column] = value;
        const TA1ORDER o = order(over.count(5) ? over.at(5) : QStringLiteral("1001"), over);
        proc_SetA1Order(live, partial, &o, ctx, &last);
        proc_SetA1Order(live, full, &o, ctx);
        for (int c = 0; c < live.columnCount(); ++c)
            EXPECT_EQ(live.recordValue(partial, c), live.recordValue(full, c))
                << "after column " << column << ": " << live.column(c).name.toStdString();
        last = o;
    }
}
