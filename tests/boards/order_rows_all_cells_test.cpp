// Every cell of the live and completed board rows, for orders of several statuses, pay kinds and
// paths under three logins, compared with the rows as they were recorded: a change of the row
// fill that moves any cell (value or type) shows here. Each row is kept as a short digest of its
// cells; a mismatch prints the row's cells. After a deliberate change of a fill rule, run with
// CD_PRINT_ROW_DIGESTS=1 to print the new table.
#include "orders/order_test_support.h"

#include "grid/grid_table_model.h"
#include "boards/order_board_columns.h"
#include "boards/order_rows.h"
#include "platform/clock.h"

#include <QCryptographicHash>
#include <QDateTime>

#include <cstdio>
#include <map>
#include <vector>

using namespace ordertest;

// Named apart: the test files of a folder may be compiled together.
namespace allcells
{
// Every column of the reply filled with something plausible and distinct, so that a cell taking
// the wrong field shows.
std::map<int, QString> fullRow()
{
    std::map<int, QString> r;
    for (int c = 0; c < kA1RowColumns; ++c)
        r[c] = QStringLiteral("f%1").arg(c);
    const std::map<int, QString> fixed = {
        {1, "7"}, {2, "2"}, {3, "41"}, {4, "1001"}, {6, "2026-12-11 09:00:00"}, {7, "2026-12-11 09:01:00"},
        {8, "2026-12-11 09:20:00"}, {9, "2026-12-11 09:10:00"}, {10, "2026-12-11 09:45:00"},
        {11, "01012345678"}, {12, "3"}, {13, "서울 강남구 역삼동 1-1"}, {14, "1234.5"}, {15, "3500"},
        {16, "18000"}, {17, "1000"}, {18, "500"}, {19, "1"}, {20, "1001"}, {21, "21000"}, {22, "300"},
        {23, "11"}, {24, "김민준"}, {25, "01055556666"}, {26, "문 앞에 두세요"}, {27, "삼성점"},
        {28, "2"}, {29, "1001"}, {30, "021234567"}, {31, "홍길동"}, {32, "N"}, {33, "ST01"},
        {34, "역삼점"}, {35, "D1"}, {36, "1"}, {37, "101동"}, {38, "25"}, {39, "짜장면 외 2"},
        {40, "1001"}, {41, "1"}, {42, "21000"}, {43, "BR1"}, {44, "서울 강남구 테헤란로 1"},
        {45, "앱 주소"}, {46, "user01"}, {47, "BR1"}, {48, "ST02"}, {49, "2026-12-11 09:12:00"},
        {50, "2026-12-11 09:05:00"}, {51, "2026-12-11 09:03:00"}, {52, "D2"}, {53, "90"}, {54, "D1"},
        {55, "4"}, {56, "800"}, {57, "1"}, {58, "700"}, {59, "V1"}, {60, "12345678"}, {61, "mod01"},
        {62, "ST00"}, {63, "BR3"}, {64, "HD3"}, {65, "HD1"}, {66, "1"}, {67, "2026-12-11 09:11:00"},
        {68, "N"}, {69, "P-77"}, {70, "빌딩"}, {71, "W1"}, {72, "신한카드"}, {73, "37.5"}, {74, "127.0"},
        {75, "강남총판"}, {76, "37.4"}, {77, "127.1"}, {78, "05012345678"}, {79, "Y"}, {80, "Y"},
        {81, "1"}, {82, "HD1"}, {83, "BR1"}, {84, "1001>1002"}, {86, "1"},
        {87, "20261211090000000"}, {88, "0311234567"}, {89, "09:30"}, {90, "1"}, {91, "서울"},
        {93, "역삼동"}, {95, "1"}, {96, "2"}, {97, "길"}, {98, "3"}, {99, "상세"}, {100, "Y"},
        {101, "1000"}, {102, "-500"}, {103, "A0"}, {104, "2000"}, {105, "2026-12-11 10:00:00"},
        {106, "01099998888"}, {107, "2026-12-11 11:00:00"}, {108, "1"}, {109, "1"},
        {110, "서울특별시"}, {111, "강남구"}, {112, "역삼동"}, {113, "역삼1동"}, {114, "G1"},
        {115, "2"}, {116, "N"}, {117, "B1"}, {118, "Y"}, {119, "EXT-1"}, {120, "N"}, {121, "ST01"},
        {122, "P1"},
    };
    for (const auto &[c, v] : fixed)
        r[c] = v;
    return r;
}

struct OrderCase
{
    const char *name;
    std::map<int, QString> over;
};

// Statuses, pay kinds (cash, cash the courier carries, card, prepaid path), takeout, the paths
// the board renames, the paths allowed in spreadsheets, orders of other branches and head
// offices (masked for some logins), old finished and cancelled orders, empty and odd times.
std::vector<OrderCase> orderCases()
{
    return {
        {"received-cash", {{5, "1001"}}},
        {"waiting-card", {{5, "1002"}, {20, "1002"}, {40, "1002"}, {19, "3"}}},
        {"ready-courier-cash", {{5, "2001"}, {20, "1001"}, {90, "2"}, {40, "1001"}}},
        {"picked-foreign", {{5, "3001"}, {43, "BR2"}, {65, "HD9"}, {33, "ST99"}, {121, "ST99"}}},
        {"started-takeout", {{5, "3003"}, {32, "Y"}, {29, "1039"}, {109, "2"}, {14, "0"}}},
        {"done-old-export", {{5, "4001"}, {10, "2026-12-01 10:00:00"}, {29, "1016"}, {40, ""}}},
        {"done-old", {{5, "4001"}, {10, "2026-12-01 10:00:00"}, {43, "BR2"}, {33, "ST99"}}},
        {"cancelled-old", {{5, "4002"}, {6, "2026-12-02 08:00:00"}, {29, "1069"}, {109, "2"}}},
        {"cancelled-new", {{5, "4002"}, {105, "2026-12-11 11:30:00"}, {65, "HD2"}, {20, "1003"}}},
        {"other-odd-times", {{5, "4003"}, {8, "20261211 0930"}, {9, ""}, {10, ""}, {6, "2026-12-11 9:5"},
                             {107, "bad"}, {13, ""}, {73, "0"}, {66, "0"}, {58, "-1"}, {14, "nan"}}},
        {"prepaid-path", {{5, "1001"}, {29, "1050"}, {19, "2"}, {40, ""}, {11, "0212345678"}}},
    };
}

struct LoginCase
{
    const char *name;
    BoardRowContext ctx;
};

std::vector<LoginCase> loginCases()
{
    BoardRowContext base;
    base.login.BR = QStringLiteral("BR1");
    base.login.HD = QStringLiteral("HD1");
    base.login.selBranches = {QStringLiteral("BR1")};
    base.login.selPaths = {QStringLiteral("1001"), QStringLiteral("1050")};
    base.login.prepaidPaths = {QStringLiteral("1050")};
    base.storeCodes = {QStringLiteral("ST01")};
    base.exportPaths = {QStringLiteral("1016")};
    base.now = QDateTime(QDate(2026, 12, 11), QTime(12, 0));

    BoardRowContext distributor = base;
    distributor.login.userClass = QStringLiteral("5");
    distributor.brDvryYn = QStringLiteral("Y");
    distributor.cookViewType = QStringLiteral("3");
    BoardRowContext head = base;
    head.login.userClass = QStringLiteral("7");
    head.brDvryYn = QStringLiteral("N");
    BoardRowContext store = base;
    store.login.userClass = QStringLiteral("1");
    store.storeCodes.clear();
    store.exportPaths.clear();
    return {{"distributor", distributor}, {"head-office", head}, {"store", store}};
}

QString cellText(const QVariant &v)
{
    if (!v.isValid())
        return QStringLiteral("-");
    if (v.metaType().id() == QMetaType::Double)
        return QStringLiteral("double:") + QString::number(v.toDouble(), 'g', 17);
    return QString::fromLatin1(v.metaType().name()) + QLatin1Char(':') + v.toString();
}

QString rowText(const GridTableModel &grid, int record)
{
    QStringList cells;
    for (int c = 0; c < grid.columnCount(); ++c)
        cells.append(grid.column(c).name + QLatin1Char('=') + cellText(grid.recordValue(record, c)));
    return cells.join(QLatin1Char('\n'));
}

QString digest(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// The digests recorded from the row fill (row name -> digest).
const std::map<QString, QString> &recorded()
{
    static const std::map<QString, QString> m = {
#include "order_rows_all_cells_digests.inc"
    };
    return m;
}

class AllCells : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        AppClock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(12, 0)));
        G_COM_CODE_LIST.clear();
        for (const auto &[code, name] : {std::pair{"1001", "현금"}, std::pair{"1002", "카드"}, std::pair{"1003", "선결제"}}) {
            TCOM_CODE_LIST c;
            c.SY_CODE = "O7";
            c.DT_CODE = code;
            c.DT_NAME = QString::fromUtf8(name);
            G_COM_CODE_LIST.append(c);
        }
        live.setColumns(BoardColumns(OrderBoard::Live));
        comp.setColumns(BoardColumns(OrderBoard::Completed));
    }
    void TearDown() override { AppClock::clearFixed(); }

    GridTableModel live, comp;
};

TA1ORDER makeOrder(const std::map<int, QString> &over)
{
    std::map<int, QString> row = fullRow();
    for (const auto &[c, v] : over)
        row[c] = v;
    TA1ORDER o;
    QString error;
    EXPECT_TRUE(proc_SetA1OrderFromRow(o, liveRow(row.at(0), row.at(5), row), {}, &error)) << error.toStdString();
    return o;
}
} // namespace allcells

using allcells::AllCells;

// Each order under each login: a fresh live row, a live row that held another order before (a
// full refill and a refill of the changed cells), and a completed row, fresh and refilled.
TEST_F(AllCells, EveryCellOfTheFilledRowsIsAsRecorded)
{
    using namespace allcells;
    const std::vector<OrderCase> orders = orderCases();
    const TA1ORDER previous = makeOrder({{5, "2001"}, {24, "이서연"}, {13, "서울 강남구 삼성동 2-2"}, {73, "37.6"},
                                         {32, "Y"}, {20, "1002"}, {29, "1016"}, {11, "01011112222"}});
    std::map<QString, QString> actual;
    std::map<QString, QString> texts;
    const auto keep = [&](const QString &name, const GridTableModel &grid, int record) {
        texts[name] = rowText(grid, record);
        actual[name] = digest(texts[name]);
    };
    for (const LoginCase &login : loginCases()) {
        for (const OrderCase &oc : orders) {
            const TA1ORDER o = makeOrder(oc.over);
            const QString base = QLatin1String(login.name) + QLatin1Char('/') + QLatin1String(oc.name);

            const int fresh = live.appendRecord({});
            proc_SetA1Order(live, fresh, &o, login.ctx);
            keep(base + QStringLiteral("/live"), live, fresh);

            const int full = live.appendRecord({});
            proc_SetA1Order(live, full, &previous, login.ctx);
            proc_SetA1Order(live, full, &o, login.ctx);
            keep(base + QStringLiteral("/live-refilled"), live, full);

            const int partial = live.appendRecord({});
            proc_SetA1Order(live, partial, &previous, login.ctx);
            proc_SetA1Order(live, partial, &o, login.ctx, &previous);
            keep(base + QStringLiteral("/live-changed-cells"), live, partial);

            PayTotals totals;
            const int done = comp.appendRecord({});
            proc_SetA1CompOrder(comp, done, &o, login.ctx, totals);
            keep(base + QStringLiteral("/completed"), comp, done);

            const int again = comp.appendRecord({});
            proc_SetA1CompOrder(comp, again, &previous, login.ctx, totals);
            proc_SetA1CompOrder(comp, again, &o, login.ctx, totals);
            keep(base + QStringLiteral("/completed-refilled"), comp, again);
        }
    }

    if (qEnvironmentVariableIsSet("CD_PRINT_ROW_DIGESTS")) {
        for (const auto &[name, d] : actual)
            std::printf("        {\"%s\", \"%s\"},\n", qPrintable(name), qPrintable(d));
    }
    EXPECT_EQ(actual.size(), recorded().size()) << "rows recorded";
    for (const auto &[name, d] : actual) {
        const auto it = recorded().find(name);
        if (it == recorded().end()) {
            ADD_FAILURE() << "no recorded row " << name.toStdString() << ":\n" << texts[name].toStdString();
            continue;
        }
        EXPECT_EQ(d, it->second) << name.toStdString() << ":\n" << texts[name].toStdString();
    }
}
