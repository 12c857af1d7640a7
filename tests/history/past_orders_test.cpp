// The past-orders searches (payloads, period, reading pages), the row fill of the general grid,
// its filters and counters, and the screen's search, menus and layouts.
#include "orders/order_test_support.h"
#include "orders/same_day_test_support.h"

#include "boards/order_board_columns.h"
#include "common/program_globals.h"
#include "history/past_orders_filter.h"
#include "history/past_orders_rows.h"
#include "history/past_orders_search.h"
#include "history/ui/past_orders_screen.h"
#include "platform/clock.h"
#include "records/reference_records.h"
#include "settings/settings_file.h"

#include "text/phone_helpers.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>

#include <map>

using namespace ordertest;

namespace
{
// A past row: the live row without its last column (the POS path).
QString pastRow(const QString &no, const QString &status, std::map<int, QString> over = {})
{
    QStringList f = liveRow(no, status, std::move(over)).split(sep());
    f.removeLast();
    return f.join(sep());
}

QString failPage(const QString &code, const QString &msg)
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), code);
    o.insert(QStringLiteral("OUT_MSG"), msg);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QStringList fieldsOf(const QString &payload)
{
    QStringList f = payload.split(sep());
    EXPECT_TRUE(f.last().isEmpty()) << "every field is followed by the separator";
    f.removeLast();
    return f;
}

PastSearchLogin storeLogin()
{
    PastSearchLogin l;
    l.id = QStringLiteral("demo");
    l.userTypeCd = QStringLiteral("1002");
    l.hd = QStringLiteral("HD1");
    l.br = QStringLiteral("BR1");
    l.st = QStringLiteral("ST01");
    return l;
}

TEST(PastSearch, GeneralPayloadPerUserClassAndBranchChoice)
{
    const PastSearchPeriod period{QDate(2026, 11, 1), QDate(2026, 11, 30), false};
    EXPECT_EQ(fieldsOf(PastGeneralPayload(storeLogin(), {}, period)),
              QStringList({"demo", "1002", "HD1", "BR1", "ST01", "20261101", "20261130", "0"}));

    // A chosen branch is searched as a distributor of that branch, whatever the login's class.
    PastSearchLogin head = storeLogin();
    head.userTypeCd = QStringLiteral("7001");
    head.br.clear();
    const PastBranchSelection sel{QStringLiteral("HD9"), QStringLiteral("BR7"), QStringLiteral("D7")};
    EXPECT_EQ(fieldsOf(PastGeneralPayload(head, sel, {QDate(2026, 11, 1), QDate(2026, 11, 2), true})),
              QStringList({"demo", "5", "HD9", "BR7", "ST01", "20261101", "20261102", "1"}));
    EXPECT_EQ(fieldsOf(PastGeneralPayload(head, {}, period)).mid(1, 3), QStringList({"7001", "HD1", ""}));

    // The store search ignores the branch choice and sends no completion flag.
    EXPECT_EQ(fieldsOf(PastStorePayload(storeLogin(), period)),
              QStringList({"demo", "1002", "HD1", "BR1", "ST01", "20261101", "20261130"}));
}

TEST(PastSearch, SameDayKindAndPayload)
{
    struct Case
    {
        const char *type;
        int normal, local;
        const char *kind;
    };
    const Case cases[] = {{"7001", 0, 0, "1"}, {"5001", 1, 1, "3"}, {"5001", 1, 0, "1"},
                          {"5001", 0, 1, "2"}, {"5001", 0, 0, ""},  {"1002", 2, 0, ""}};
    for (const Case &c : cases) {
        PastSearchLogin l = storeLogin();
        l.userTypeCd = QLatin1String(c.type);
        l.sameDayNormal = c.normal;
        l.sameDayLocal = c.local;
        EXPECT_EQ(PastSameDayKind(l), QLatin1String(c.kind)) << c.type << c.normal << c.local;
    }
    PastSearchLogin l = storeLogin();
    l.userTypeCd = QStringLiteral("5001");
    l.sameDayNormal = 1;
    EXPECT_EQ(fieldsOf(PastSameDayPayload(l, {QDate(2026, 12, 1), QDate(2026, 12, 3), true})),
              QStringList({"demo", "5", "HD1", "BR1", "1", "20261201", "20261203", "1"}));
}

TEST(PastSearch, PeriodOfAtMostThirtyOneDays)
{
    EXPECT_TRUE(PastPeriodAllowed(QDate(2024, 1, 1), QDate(2024, 2, 1)));
    EXPECT_FALSE(PastPeriodAllowed(QDate(2024, 1, 1), QDate(2024, 2, 2)));
    // Either order: a from-date after the to-date is measured the same way.
    EXPECT_TRUE(PastPeriodAllowed(QDate(2024, 2, 1), QDate(2024, 1, 1)));
    EXPECT_FALSE(PastPeriodAllowed(QDate(2024, 2, 2), QDate(2024, 1, 1)));
    EXPECT_FALSE(PastPeriodAllowed(QDate(), QDate(2024, 1, 1)));
}

TEST(PastSearch, FailingLaterPageKeepsTheRowsReadAndSaysTheListIsIncomplete)
{
    QStringList seen, log;
    const QStringList pages = {page({"a", "b"}), failPage(QStringLiteral("9"), QStringLiteral("timeout")),
                               page({"c"})};
    const PastPageOutcome out = ReadPastPages(
        QStringLiteral("CS01_50_V02"), pages, [&](const QString &r) { seen << r; return true; },
        [&](const QString &l) { log << l; });
    EXPECT_EQ(seen, QStringList({"a", "b"}));
    EXPECT_EQ(out.rowsRead, 2);
    EXPECT_TRUE(out.failedPage);
    EXPECT_EQ(log, QStringList({"CS01_50_V02 is Fail 9:timeout"}));
    EXPECT_TRUE(out.incomplete());
    EXPECT_TRUE(PastIncompleteText(out).contains(QStringLiteral("2건")));

    // A row the reader cannot take is skipped and counted; the rows after it still load.
    seen.clear();
    const PastPageOutcome bad = ReadPastPages(
        QStringLiteral("CS01_50_V02"), {page({"a", "short", "c"})},
        [&](const QString &r) { if (r == QLatin1String("short")) return false; seen << r; return true; }, {});
    EXPECT_EQ(seen, QStringList({"a", "c"}));
    EXPECT_EQ(bad.badRows, 1);
    EXPECT_TRUE(PastIncompleteText(bad).contains(QStringLiteral("1건")));

    log.clear();
    const PastPageOutcome none = ReadPastPages(QStringLiteral("CS01_50_V02"), {}, [](const QString &) { return true; },
                                               [&](const QString &l) { log << l; });
    EXPECT_TRUE(none.noReply);
    EXPECT_FALSE(none.incomplete());
    EXPECT_EQ(log, QStringList({"CS01_50_V02 ERR[NO RESULT]"}));
    EXPECT_TRUE(PastIncompleteText(ReadPastPages(QStringLiteral("X"), {page({"a"})},
                                                 [](const QString &) { return true; }, {}))
                    .isEmpty());
}

class PastRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        grid.setColumns(PastGeneralColumns());
        ctx.now = QDateTime(QDate(2026, 12, 11), QTime(12, 0));
        ctx.board.now = ctx.now;
        ctx.exportPaths = {QStringLiteral("1001")};
    }
    QString cell(int record, BoardCol::Id id) const
    {
        return grid.recordValue(record, PastGeneralColumn(id)).toString();
    }
    int add(const QString &row)
    {
        QString error;
        EXPECT_TRUE(AppendPastGeneralRow(grid, row, ctx, scratch, &error)) << error.toStdString();
        return grid.recordCount() - 1;
    }
    GridTableModel grid;
    PastRowContext ctx;
    PayTotals scratch;
};

TEST_F(PastRows, GeneralGridUsesTheTodayBoardsColumnNames)
{
    EXPECT_EQ(grid.column(PastGeneralColumn(BoardCol::ORD_NO)).name, QStringLiteral("CTV_MAIN_ORD_NO"));
    EXPECT_EQ(grid.column(PastGeneralColumn(BoardCol::PAY_TYPE_CD)).name, BoardColumnName(OrderBoard::Live, BoardCol::PAY_TYPE_CD));
    EXPECT_GE(grid.columnIndex(QStringLiteral("CTV_MAIN_ORD_ST_DISTANCE")), 0);
}

TEST_F(PastRows, PrivacyByPathAndAge)
{
    const std::map<int, QString> contact = {{11, "01012345678"}, {106, "01087654321"}, {25, "01055556666"},
                                            {26, "벨 누르지 마세요"}, {110, "서울"}, {111, "강남구"},
                                            {112, "역삼동"}};
    struct Case
    {
        const char *name;
        const char *path;
        const char *ordered;
        const char *status;
        bool hidden;
        const char *addr;  // expected when hidden
    };
    const Case cases[] = {
        {"recent, allowed path", "1001", "2026-12-05 12:00:01", "4001", false, ""},
        {"six days", "1001", "2026-12-04 12:00:01", "4001", false, ""},
        {"seven days", "1001", "2026-12-04 12:00:00", "4001", true, "서울 강남구 역삼동"},
        {"path not allowed out", "1016", "2026-12-10 12:00:00", "4001", true, "서울 강남구 역삼동"},
        {"cancelled", "1016", "2026-12-10 12:00:00", "4002", true, "******************************"},
    };
    for (const Case &c : cases) {
        std::map<int, QString> over = contact;
        over[29] = QLatin1String(c.path);
        over[6] = QLatin1String(c.ordered);
        const int r = add(pastRow(QStringLiteral("P1"), QLatin1String(c.status), over));
        if (c.hidden) {
            for (const BoardCol::Id id : {BoardCol::CU_TEL, BoardCol::CU_TEL2, BoardCol::WK_TEL, BoardCol::WK_TEL2})
                EXPECT_EQ(cell(r, id), QStringLiteral("***-****-****")) << c.name;
            EXPECT_EQ(cell(r, BoardCol::ADDR4), QString::fromUtf8(c.addr)) << c.name;
            EXPECT_EQ(cell(r, BoardCol::ORD_MEMO), QString()) << c.name;
        } else {
            // Shown, but always with the middle block hidden.
            EXPECT_EQ(cell(r, BoardCol::CU_TEL), FormatPhone(QStringLiteral("01012345678"), 1)) << c.name;
            EXPECT_NE(cell(r, BoardCol::CU_TEL), QStringLiteral("010-1234-5678")) << c.name;
            EXPECT_EQ(cell(r, BoardCol::CU_TEL2), FormatPhone(QStringLiteral("01087654321"), 1)) << c.name;
            EXPECT_EQ(cell(r, BoardCol::WK_TEL2), QStringLiteral("01055556666")) << c.name;
            EXPECT_EQ(cell(r, BoardCol::ORD_MEMO), QStringLiteral("벨 누르지 마세요")) << c.name;
            EXPECT_EQ(cell(r, BoardCol::EXCEL_CU_TEL), cell(r, BoardCol::CU_TEL)) << c.name;
        }
    }
}

TEST_F(PastRows, SharedBoardRulesFillTheRow)
{
    const QString recent = QStringLiteral("2026-12-10 09:00:00");
    // A takeout order: no address, no delivery fee.
    int r = add(pastRow(QStringLiteral("T1"), QStringLiteral("4001"), {{6, recent}, {32, "Y"}, {15, "3500"}}));
    EXPECT_EQ(cell(r, BoardCol::ADDR4), QString());
    EXPECT_EQ(grid.recordValue(r, PastGeneralColumn(BoardCol::DVRY_AMT)).toInt(), 0);
    // Courier cash: "현금(P)"; a pick-up payment carries its prefix.
    r = add(pastRow(QStringLiteral("T2"), QStringLiteral("4001"), {{6, recent}, {19, "1"}, {20, "1001"}, {90, "2"}}));
    EXPECT_EQ(cell(r, BoardCol::PAY_TYPE_CD), QStringLiteral("현금(P)"));
    r = add(pastRow(QStringLiteral("T3"), QStringLiteral("4001"), {{6, recent}, {19, "3"}, {20, "1001"}, {90, "2"}}));
    EXPECT_EQ(cell(r, BoardCol::PAY_TYPE_CD), QStringLiteral("출발지-현금(P)"));
    // Arrival 930 is 09:30; the pick-up service of path 1039 shows as 5000.
    r = add(pastRow(QStringLiteral("T4"), QStringLiteral("4001"), {{6, recent}, {49, "930"}, {29, "1039"}, {109, "2"}}));
    EXPECT_EQ(cell(r, BoardCol::CTH_WK_ARR_TIME), QStringLiteral("09:30"));
    EXPECT_EQ(cell(r, BoardCol::ORD_PATH_CD), QStringLiteral("5000"));
    // Distance in kilometres from whole metres.
    r = add(pastRow(QStringLiteral("T5"), QStringLiteral("4001"), {{6, recent}, {14, "1234.9"}}));
    EXPECT_DOUBLE_EQ(grid.recordValue(r, PastGeneralColumn(BoardCol::DISTANCE)).toDouble(), 1.234);
}

TEST_F(PastRows, ShortRowIsRefusedWithoutTouchingTheGrid)
{
    QString error;
    EXPECT_FALSE(AppendPastGeneralRow(grid, QStringLiteral("1") + sep() + QStringLiteral("2"), ctx, scratch, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(grid.recordCount(), 0);
}

TEST_F(PastRows, FiltersAndCounters)
{
    const QString recent = QStringLiteral("2026-12-10 09:00:00");
    for (const auto &[code, name] : {std::pair{"1001", "현금"}, std::pair{"1002", "카드"}}) {
        TCOM_CODE_LIST c;
        c.SY_CODE = "O7";
        c.DT_CODE = QString::fromUtf8(code);
        c.DT_NAME = QString::fromUtf8(name);
        G_COM_CODE_LIST.append(c);
    }
    // status, phone, today number, pay (charge, code, courier cash), amount, store-to-destination coordinates
    add(pastRow("A", "4001", {{6, recent}, {106, "01011112222"}, {3, "11"}, {19, "1"}, {20, "1001"}, {21, "10000"}}));
    add(pastRow("B", "4001", {{6, recent}, {106, "01033334444"}, {3, "77"}, {19, "3"}, {20, "1001"}, {21, "5000"}}));
    add(pastRow("C", "4001", {{6, recent}, {3, "12"}, {19, "1"}, {20, "1001"}, {90, "2"}, {21, "7000"}}));
    add(pastRow("D", "2002", {{6, recent}, {3, "13"}}));
    add(pastRow("E", "1007", {{6, recent}, {3, "14"}}));
    add(pastRow("F", "4002", {{6, recent}, {3, "15"}, {76, "37.5"}, {77, "127.0"}, {73, "37.6"}, {74, "127.0"}}));
    ASSERT_EQ(grid.recordCount(), 6);

    PastFilterInput in;
    ApplyPastGeneralFilter(grid, in);
    PastCounts c = CountPastGeneral(grid);
    EXPECT_EQ(c.labels[0], 5) << "F is about 11 km from its store, beyond the 10 km limit";
    EXPECT_EQ(c.labels[5], 3);
    EXPECT_EQ(c.labels[2], 1) << "2002 counts under 요청";
    EXPECT_EQ(c.labels[7], 1) << "1007 counts under 대기";
    // A pick-up cash payment is cash, not prepaid.
    EXPECT_EQ(c.payText, QStringLiteral("선결제(0):0 현금(2):15,000 현금(P)(1):7,000 카드(0):0"));

    // The "요청" and "대기" buttons show what their counters count.
    in.statusAll = false;
    in.statuses = {2001, 1002};
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 2);

    // Phone and order-number boxes: either may match (the phone as shown, its middle hidden).
    in = PastFilterInput();
    in.cuTel = QStringLiteral("4444");
    in.ordNo = QStringLiteral("11");
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 2);

    // No limit shows the far row too.
    in = PastFilterInput();
    in.distanceLimit = PastDistanceLimit(10);
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 6);
    EXPECT_EQ(PastDistanceLabel(4), QStringLiteral("5km"));
    EXPECT_EQ(PastDistanceLabel(10), QStringLiteral("무제한"));

    // Affiliation: only with a branch chosen, and not when all three buttons agree.
    in = PastFilterInput();
    in.distanceLimit = 9999;
    in.sel = {QStringLiteral("HD1"), QStringLiteral("BR9"), QStringLiteral("D9")};
    in.ordIn = in.wkIn = in.cthWkOut = true;
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 6);
    in.wkIn = in.cthWkOut = false;
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 0) << "no row was ordered by BR9";
    in.sel.br = QStringLiteral("BR1");
    ApplyPastGeneralFilter(grid, in);
    EXPECT_EQ(grid.rowCount(), 6);
}

TEST(PastPay, ClassesAndRowColours)
{
    EXPECT_EQ(PastPayClass(QStringLiteral("현금")), 0);
    EXPECT_EQ(PastPayClass(QStringLiteral("출발지-현금")), 0);
    EXPECT_EQ(PastPayClass(QStringLiteral("카드")), 1);
    EXPECT_EQ(PastPayClass(QStringLiteral("출발지-카드")), 1);
    EXPECT_EQ(PastPayClass(QStringLiteral("현금(P)")), 3);
    EXPECT_EQ(PastPayClass(QStringLiteral("선결제(카드)")), 2);
    EXPECT_EQ(PastPayClass(QStringLiteral("선결제")), 2);

    PastStatusColours c;
    for (int i = 0; i < 9; ++i)
        c.byLabel[size_t(i)] = 100 + i;
    EXPECT_EQ(PastGeneralRowColour("4001", "N", "1", "", c).background, 105);
    EXPECT_EQ(PastGeneralRowColour("1007", "N", "1", "", c).background, 107);
    EXPECT_EQ(PastGeneralRowColour("xx", "N", "1", "", c).background, 101) << "1001 when not a number";
    EXPECT_EQ(PastGeneralRowColour("9999", "N", "1", "", c).background, c.normalB);
    EXPECT_EQ(PastGeneralRowColour("4001", "N", "3", "", c).background, c.noAddrB);
    EXPECT_EQ(PastGeneralRowColour("4001", "Y", "3", "", c).background, 105);
    EXPECT_FALSE(PastGeneralRowColour("4001", "N", "1", " ", c).font.has_value());
    EXPECT_EQ(*PastGeneralRowColour("4001", "N", "1", "22", c).font, c.cardCancelF);
    EXPECT_EQ(*PastGeneralRowColour("4001", "N", "1", "11", c).font, c.normalF);
}

TEST(PastStore, RowsGoOnTopWithPayTexts)
{
    GridTableModel grid;
    grid.setColumns(PastStoreColumns());
    QStringList f;
    for (int i = 0; i < 40; ++i)
        f.append(QString());
    f[0] = QStringLiteral("S1");
    f[31] = QStringLiteral("1");
    f[33] = QStringLiteral("1001");
    EXPECT_TRUE(InsertPastStoreRow(grid, f.join(sep()), {}));
    f[0] = QStringLiteral("S2");
    f[31] = QStringLiteral("2");
    EXPECT_TRUE(InsertPastStoreRow(grid, f.join(sep()), {}));
    EXPECT_FALSE(InsertPastStoreRow(grid, f.mid(0, 36).join(sep()), {}));
    ASSERT_EQ(grid.recordCount(), 2);
    const int no = grid.columnIndex(QStringLiteral("CTV_TAKEOUT_ORD_NO"));
    const int pay = grid.columnIndex(QStringLiteral("CTV_TAKEOUT_PAY_TYPE_CD"));
    EXPECT_EQ(grid.recordValue(0, no).toString(), QStringLiteral("S2"));
    EXPECT_EQ(grid.recordValue(0, pay).toString(), QStringLiteral("선결제"));
    EXPECT_EQ(grid.recordValue(1, pay).toString(), QStringLiteral("현금"));
    EXPECT_EQ(PastStorePayText("2", "1002", "1001", "카드", {"1001"}), QStringLiteral("선결제(카드)"));
    EXPECT_EQ(PastStorePayText("1", "1002", "1001", "카드", {}), QStringLiteral("카드"));
}

TEST(PastStore, TickedStoresAndTheBoxesFilterTheStoreGrid)
{
    const QStringList list = {"S1", "S2", "S3"};
    const auto branch = [](const QString &c) { return c == QLatin1String("S3") ? QStringLiteral("B2") : QStringLiteral("B1"); };
    EXPECT_EQ(PastStoreSelection(",S1,S2,S3", list, branch, {}), QStringList()) << "every store ticked";
    EXPECT_EQ(PastStoreSelection(",S1,S9", list, branch, {}), QStringList({"S1"})) << "first store included, unknown skipped";
    EXPECT_EQ(PastStoreSelection(",S1,S3", list, branch, "B2"), QStringList({"S3"}));

    GridTableModel grid;
    grid.setColumns(PastStoreColumns());
    const auto row = [](const char *no, const char *store, const char *tel, const char *status) {
        QStringList f;
        for (int i = 0; i < 40; ++i)
            f.append(QString());
        f[0] = QLatin1String(no);
        f[10] = QLatin1String(status);
        f[12] = QLatin1String(store);
        f[13] = QStringLiteral("가게") + QLatin1String(store);
        f[15] = QLatin1String(tel);
        return f.join(sep());
    };
    InsertPastStoreRow(grid, row("A", "S1", "01011112222", "4001"), {});
    InsertPastStoreRow(grid, row("B", "S2", "01033334444", "4002"), {});
    InsertPastStoreRow(grid, row("C", "S3", "01055556666", "4001"), {});
    PastFilterInput in;
    ApplyPastStoreFilter(grid, in, {"S1", "S2"});
    EXPECT_EQ(grid.rowCount(), 2);
    in.statusAll = false;
    in.statuses = {4001};
    ApplyPastStoreFilter(grid, in, {});
    EXPECT_EQ(grid.rowCount(), 2);
    // The address and courier boxes leave this grid alone; the name and phone boxes share a group.
    in = PastFilterInput();
    in.cuAddr = QStringLiteral("nothing");
    in.wkName = QStringLiteral("nothing");
    ApplyPastStoreFilter(grid, in, {});
    EXPECT_EQ(grid.rowCount(), 3);
    in.cuName = QStringLiteral("S3");
    in.cuTel = QStringLiteral("2222");
    ApplyPastStoreFilter(grid, in, {});
    EXPECT_EQ(grid.rowCount(), 2);
}

TEST(PastSameDay, AffiliationStatusBoxesAndCounters)
{
    GridTableModel grid;
    grid.setColumns(PastSameDayColumns());
    const QString p = PastSameDayPrefix();
    const QString stamp = QStringLiteral("20261210090000");
    // no, status, ordering branch, dispatching branch, group type, phone, store name
    struct R
    {
        const char *no, *status, *ordBr, *cthBr, *grp, *tel, *store;
    };
    const R rows[] = {{"A", "4001", "BR1", "", "1", "01011112222", "강남허브"},
                      {"B", "1007", "BR2", "BR1", "2", "01033334444", "서초허브"},
                      {"C", "4002", "BR2", "", "1", "01055556666", "서초허브"},
                      {"D", "4003", "BR2", "", "2", "01077778888", "송파허브"}};
    for (const R &r : rows) {
        QString error;
        ASSERT_TRUE(AppendPastSameDayRow(grid, sameDayRow(QLatin1String(r.no), QLatin1String(r.status), stamp,
                                                          {{36, r.ordBr}, {40, r.cthBr}, {67, r.grp}, {9, r.tel},
                                                           {28, QString::fromUtf8(r.store)}}),
                                         &error))
            << error.toStdString();
    }
    const PastSameDayCounts c = CountPastSameDay(grid, p);
    EXPECT_EQ(c.total, 4);
    EXPECT_EQ(c.done, 1);
    EXPECT_EQ(c.waiting, 1) << "1007 waits too";
    EXPECT_EQ(c.cancelled, 1);
    EXPECT_EQ(c.inquiry, 1);

    // A distributor with the normal same-day flag: rows of its branch only, even the unshared.
    PastSameDayFilterInput in;
    in.userClass = QStringLiteral("5");
    in.br = QStringLiteral("BR1");
    in.sameDayNormal = 1;
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 1) << "A; B is its branch's but shared between groups, C is another branch's";
    // Without same-day flags: no affiliation filter.
    in.sameDayNormal = 0;
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 4);
    // A head office with a chosen branch sees what that branch ordered or carried.
    in = PastSameDayFilterInput();
    in.userClass = QStringLiteral("7");
    in.searchSameDay = true;
    in.chosenBranch = QStringLiteral("BR1");
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 2);
    // "대기" shows what its counter counts; the counters do not follow the filter.
    in = PastSameDayFilterInput();
    in.statusAll = false;
    in.statuses = {1002};
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(CountPastSameDay(grid, p).total, 4);
    // The store-name box looks at store names, the phone box at the customer's phone.
    in = PastSameDayFilterInput();
    in.cuName = QStringLiteral("송파");
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 1);
    in = PastSameDayFilterInput();
    in.cuTel = QStringLiteral("5555");
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 0) << "the phone's middle block is hidden";
    in.cuTel = QStringLiteral("6666");
    ApplyPastSameDayFilter(grid, p, in);
    EXPECT_EQ(grid.rowCount(), 1);
}

class PastScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        G_USER_INFO.ID = "demo";
        G_USER_INFO.USER_TYPE_CD = "1002";
        G_USER_INFO.ST = "ST01";
        G_SL_O3_VAL2 = {QStringLiteral("1001")};
        ASSERT_TRUE(dir.isValid());
        ini = std::make_unique<TIniFile>(dir.filePath(QStringLiteral("set.ini")));
        G_INI = ini.get();
        AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(12, 0)));
    }
    void TearDown() override
    {
        G_INI = nullptr;
        AppClock::clearFixed();
    }
    std::unique_ptr<TFRM_ORD_OLD> makeScreen()
    {
        auto s = std::make_unique<TFRM_ORD_OLD>();
        PastOrdersHooks hooks;
        hooks.message = [this](const QString &t) { messages << t; };
        hooks.modify = [this](const QString &no, const QString &st, const QString &gubun, const QString &num,
                              const QString &, const QString &) { opened << no + "/" + st + "/" + gubun + "/" + num; };
        hooks.modifyQuick = [this](const QString &no, const QString &, const QString &, const QString &) {
            opened << "quick " + no;
        };
        s->setHooks(hooks);
        s->setRequest([this](const QString &code, const QString &callType, const QString &val, const QString &pages,
                             int timeout) {
            sent << code + " " + callType + " " + pages + " " + QString::number(timeout) + " " + val;
            return replies;
        });
        s->proc_init();
        s->Tag = 1;
        return s;
    }
    QTemporaryDir dir;
    std::unique_ptr<TIniFile> ini;
    QStringList sent, messages, opened, replies;
};

TEST_F(PastScreen, SearchLoadsRowsAndAFailingPageKeepsThemWithAMessage)
{
    auto s = makeScreen();
    EXPECT_EQ(s->CDE_FROM->date(), QDate(2026, 12, 10));
    replies = {page({pastRow("P1", "4001", {{6, "2026-12-10 10:00:00"}, {3, "31"}}),
                     pastRow("P2", "4001", {{6, "2026-12-10 11:00:00"}, {4, "1005"}})}),
               failPage("0", "broken")};
    s->CBT_SEARCHClick();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_TRUE(sent.first().startsWith("CS01_50_V02 ADM3 10000 30000 demo" + sep() + "1002" + sep()));
    EXPECT_EQ(s->CTV_MAIN.recordCount(), 2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("2건")));
    EXPECT_EQ(s->countLabels.at(0)->text(), QStringLiteral("2"));
    EXPECT_TRUE(s->CBT_SEARCH->isEnabled());

    s->openRecord(0, 0);
    s->openRecord(0, 1);
    EXPECT_EQ(opened, QStringList({"P1/4001/2/31", "quick P2"}));

    // No reply keeps the rows.
    replies.clear();
    s->CBT_SEARCHClick();
    EXPECT_EQ(s->CTV_MAIN.recordCount(), 2);

    // A period over 31 days asks nothing and puts yesterday back.
    s->CDE_FROM->setDate(QDate(2026, 10, 1));
    s->CBT_SEARCHClick();
    EXPECT_EQ(sent.size(), 2);
    EXPECT_EQ(messages.last(), PastPeriodTooLongText());
    EXPECT_EQ(s->CDE_FROM->date(), QDate(2026, 12, 10));
}

TEST_F(PastScreen, RowMenuOffersCourierLimitAndCardSlipsWhereTheyApply)
{
    G_ST_LIST.clear();
    G_ST_LIST.append(QStringLiteral("ST01")).ST_CODE = "ST01";
    auto s = makeScreen();
    replies = {page({pastRow("C1", "4001", {{6, "2026-12-10 10:00:00"}, {19, "1"}, {20, "1002"}, {71, "W1"}}),
                     pastRow("C2", "3003", {{6, "2026-12-10 10:00:00"}, {19, "1"}, {20, "1002"}}),
                     pastRow("C3", "4001", {{6, "2026-12-10 10:00:00"}, {19, "1"}, {20, "1001"}, {71, "W1"}, {33, "ST99"}})})};
    s->CBT_SEARCHClick();
    ASSERT_EQ(s->CTV_MAIN.recordCount(), 3);
    const PastMenuPlan a = PastGeneralMenuPlan(s->CTV_MAIN, 0, {QStringLiteral("ST01")});
    const PastMenuPlan b = PastGeneralMenuPlan(s->CTV_MAIN, 1, {QStringLiteral("ST01")});
    const PastMenuPlan c = PastGeneralMenuPlan(s->CTV_MAIN, 2, {QStringLiteral("ST01")});
    EXPECT_TRUE(a.courierLimit);
    EXPECT_FALSE(b.courierLimit) << "no courier";
    EXPECT_FALSE(c.courierLimit) << "store not in the list";
    EXPECT_FALSE(c.cardSlip) << "paid in cash";
    EXPECT_FALSE(b.cardSlip) << "not finished";
}

TEST_F(PastScreen, ColumnLayoutRoundTripsThroughTheSettingsFile)
{
    {
        auto s = makeScreen();
        s->resize(1200, 600);
        QHeaderView *h = s->cxGrid1->horizontalHeader();
        const int goods = s->CTV_MAIN.columnIndex(QStringLiteral("CTV_MAIN_GOODS_NAME"));
        h->moveSection(h->visualIndex(goods), 1);
        h->resizeSection(goods, 177);
    }
    EXPECT_FALSE(ini->ReadString(QStringLiteral("MAIN_GIRD"), QStringLiteral("Name_1"), QString()).isEmpty());
    auto s = makeScreen();
    QHeaderView *h = s->cxGrid1->horizontalHeader();
    const int goods = s->CTV_MAIN.columnIndex(QStringLiteral("CTV_MAIN_GOODS_NAME"));
    EXPECT_EQ(h->visualIndex(goods), 1);
    EXPECT_EQ(h->sectionSize(goods), 177);
    // Internal columns stay hidden, the store code is shown.
    EXPECT_TRUE(h->isSectionHidden(s->CTV_MAIN.columnIndex(QStringLiteral("CTV_MAIN_ORD_NO2"))));
    EXPECT_FALSE(h->isSectionHidden(s->CTV_MAIN.columnIndex(QStringLiteral("CTV_MAIN_ORD_ST_CODE"))));
    // The distance setting comes back too.
    s->TrackBar1->setValue(4);
    EXPECT_EQ(ini->ReadInteger(QStringLiteral("ORD_OLD"), QStringLiteral("DISPOS"), -1), 4);
    EXPECT_EQ(makeScreen()->lbDvryDistance->text(), QStringLiteral("5km"));
}
} // namespace
