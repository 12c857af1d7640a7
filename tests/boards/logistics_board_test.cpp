// The logistics board: keys, stamps, in/out, full reloads, refused pages and rows, and its filter.

#include "orders/same_day_test_support.h"

#include "link/link_state.h"
#include "boards/logistics_board.h"
#include "boards/same_day_filter.h"

using namespace ordertest;

namespace
{
QString leg(const QString &no, const QString &logiNo, const QString &status, const QString &stamp,
            const QString &from = QStringLiteral("U000101"), const QString &to = QStringLiteral("U000201"),
            const QString &courier = QString())
{
    QStringList f;
    for (int i = 0; i < 26; ++i)
        f.append(QString());
    f[0] = no;
    f[1] = logiNo;
    f[2] = status;
    f[7] = courier;
    f[10] = stamp;
    f[21] = from;
    f[22] = to;
    f[23] = QStringLiteral("출발 ") + from;
    f[24] = QStringLiteral("도착 ") + to;
    f[25] = QStringLiteral("1009");
    return f.join(sep()) + sep();
}

QString legPage(const QStringList &rows, const QString &mark, const QString &msg = QString(),
                const QString &code = QStringLiteral("1"))
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), code);
    o.insert(QStringLiteral("OUT_MSG"), msg);
    o.insert(QStringLiteral("OUT_VAL"), mark);
    o.insert(QStringLiteral("OUT_ROW1"), QJsonArray::fromStringList(rows));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

class LogisticsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        G_FIELD_SEP = sep();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.BR_ST_CODE = "U000101";
        LogisticsBoard::Hooks hooks;
        hooks.log = [this](const QString &l) { log.append(l); };
        hooks.countView = [this] { ++afterLoads; };
        board.setHooks(hooks);
    }
    QString cell(int record, const char *field) const
    {
        const GridTableModel &g = board.grdHUBView();
        return g.recordValue(record, g.columnIndex(QStringLiteral("grdHUBCol_") + QString::fromLatin1(field)))
            .toString();
    }

    LogisticsBoard board;
    QStringList log;
    int afterLoads = 0;
};

TEST_F(LogisticsTest, PairsAreRowsAndOnlyNewerStampsRewriteThem)
{
    board.applyPages({legPage({leg("S1", "L1", "6101", "20261211090000000"),
                               leg("S1", "L2", "7101", "20261211090000000", "U000301", "U000101"),
                               leg("S1", "L1", "6201", "20261211090000000"),
                               leg("S1", "L1", "6203", "20261211091000000"),
                               leg("S2", "L3", "8101", "20261211090000000", "U000301", "U000401")},
                              "77")});
    const GridTableModel &g = board.grdHUBView();
    ASSERT_EQ(g.recordCount(), 3);
    EXPECT_EQ(board.gslHUBKeys(), (QStringList{"S1_L1", "S1_L2", "S2_L3"}));
    EXPECT_EQ(cell(0, "ORD_STATUS_CD"), QStringLiteral("6203")) << "same stamp skipped, newer one taken";
    EXPECT_EQ(cell(0, "StaGroup"), QStringLiteral("9"));
    EXPECT_EQ(cell(1, "StaGroup"), QStringLiteral("10"));
    EXPECT_EQ(cell(0, "inout"), QStringLiteral("입고"));
    EXPECT_EQ(cell(1, "inout"), QStringLiteral("출고"));
    EXPECT_EQ(cell(2, "inout"), QString());
    EXPECT_EQ(board.sHUBDaySyncDate, QStringLiteral("77"));
    EXPECT_EQ(afterLoads, 1);

    // A leg that now neither starts nor ends here loses its in/out text.
    board.applyPages({legPage({leg("S1", "L1", "6301", "20261211092000000", "X1", "X2")}, "78")});
    EXPECT_EQ(cell(0, "inout"), QString());
}

TEST_F(LogisticsTest, NonDistributorsHaveNoInOut)
{
    G_USER_INFO.USER_TYPE_CD = "7001";
    board.applyPages({legPage({leg("S1", "L1", "6101", "20261211090000000")}, "1")});
    EXPECT_EQ(cell(0, "inout"), QString());
}

TEST_F(LogisticsTest, FullReloadOnlyFromTheFirstPage)
{
    board.applyPages({legPage({leg("S1", "L1", "6101", "1"), leg("S2", "L2", "6101", "1")}, "5")});
    board.applyPages({legPage({leg("S3", "L3", "6101", "1")}, "6", QStringLiteral("ALL")),
                      legPage({leg("S4", "L4", "6101", "1")}, "7", QStringLiteral("A second")) });
    EXPECT_EQ(board.gslHUBKeys(), (QStringList{"S3_L3", "S4_L4"}));
    EXPECT_EQ(board.grdHUBView().recordCount(), 2);
    EXPECT_EQ(board.sHUBDaySyncDate, QStringLiteral("7")) << "the mark of every page";
}

TEST_F(LogisticsTest, RefusedPageStopsTheLoadButKeepsWhatCameBefore)
{
    board.applyPages({legPage({leg("S1", "L1", "6101", "1")}, "5"),
                      legPage({leg("S2", "L2", "6101", "1")}, "6", QStringLiteral("오류"), QStringLiteral("9")),
                      legPage({leg("S3", "L3", "6101", "1")}, "7")});
    EXPECT_EQ(board.gslHUBKeys(), QStringList{"S1_L1"});
    EXPECT_EQ(board.sHUBDaySyncDate, QStringLiteral("5"));
    EXPECT_TRUE(log.contains(QStringLiteral("CS01_43_V02 is Fail 9:오류")));
    EXPECT_EQ(afterLoads, 1) << "counts and filter still run";
}

TEST_F(LogisticsTest, ShortRowsAndEscapesAreHandled)
{
    board.applyPages({legPage({QStringLiteral("S9") + sep() + QStringLiteral("L9"),
                               leg("S1", "L1", "6101", "1").replace(QStringLiteral("1009"),
                                                                    QStringLiteral("&quot;1009&quot;"))},
                              "5")});
    ASSERT_EQ(board.gslHUBKeys(), QStringList{"S1_L1"});
    EXPECT_EQ(cell(0, "ORD_TYPE_CD"), QStringLiteral("\"1009\""));
    EXPECT_EQ(log.filter(QStringLiteral("refused")).size(), 1);
}

TEST_F(LogisticsTest, LoadSendsTheMarkAndMarksTheLinkDownWithoutReply)
{
    G_USER_INFO.ID = QStringLiteral("desk01");
    G_USER_INFO.HD = "H0001";
    G_USER_INFO.BR = "B000101";
    QStringList payloads;
    QList<QStringList> replies = {{legPage({leg("S1", "L1", "6101", "1")}, "41")}, {}};
    board.setRequest([&](const QString &code, const QString &callType, const QString &val, const QString &, int) {
        EXPECT_EQ(code, QStringLiteral("CS01_43_V02"));
        EXPECT_EQ(callType, QStringLiteral("ADM13"));
        payloads.append(val);
        return replies.takeFirst();
    });
    G_CONNECTED = true;
    ASSERT_TRUE(board.proc_Load_HUB_SameDay());
    EXPECT_FALSE(board.proc_Load_HUB_SameDay());
    EXPECT_FALSE(G_CONNECTED);
    EXPECT_EQ(payloads.at(0).split(sep()), (QStringList{"desk01", "5", "H0001", "B000101", "U000101", "1", "", ""}));
    EXPECT_EQ(payloads.at(1).split(sep()).at(6), QStringLiteral("41"));
    EXPECT_EQ(board.sHUBDaySyncDate, QStringLiteral("41"));
}

TEST_F(LogisticsTest, FilterByStatusSearchAndInOut)
{
    board.applyPages({legPage({leg("S1", "L1", "6101", "1", "U000101", "U000201", QStringLiteral("김하늘")),
                               leg("S2", "L2", "1001", "1", "U000301", "U000101"),
                               leg("S3", "L3", "8101", "1", "U000301", "U000401")},
                              "5")});
    SameDayFilter f;
    SameDayFilterBar bar;
    SameDayFilterScope scope;
    scope.userClass = QStringLiteral("5");
    scope.brSt = QStringLiteral("U000101");
    GridTableModel &g = board.grdHUBView();
    auto shown = [&] {
        QStringList out;
        for (int r = 0; r < g.rowCount(); ++r)
            out.append(board.gslHUBKeys().at(g.recordOfRow(r)));
        return out;
    };
    struct Case
    {
        const char *what;
        std::function<void()> set;
        QStringList expected;
    };
    const Case cases[] = {
        {"start: only the in box", [&] {}, {"S1_L1"}},
        {"both boxes: no in/out condition", [&] { bar.out = true; }, {"S1_L1", "S2_L2", "S3_L3"}},
        {"neither box", [&] { bar.in = false; bar.out = false; }, {"S1_L1", "S2_L2", "S3_L3"}},
        {"out box", [&] { bar.in = false; bar.out = true; }, {"S2_L2"}},
        {"courier search", [&] { bar.in = false; bar.worker = QStringLiteral("하늘"); }, {"S1_L1"}},
        {"destination search", [&] { bar.in = false; bar.order = QStringLiteral("U000401"); }, {"S3_L3"}},
        {"status buttons, legs do not count",
         [&] { bar.in = false; bar.btnSameDayTotalClick(false); bar.btnSameDayRegClick(1, true);
               bar.btnSameDayRegClick(9, true); },
         {"S2_L2"}},
        {"the hidden same-day button",
         [&] { bar.in = false; bar.btnSameDayTotalClick(false); bar.all = true; }, {"S1_L1"}},
        {"trunk users: legs of their hub", [&] { bar.in = false; scope.gansun = 1; }, {"S1_L1", "S2_L2"}},
        // A partner head office's legs carry no in/out mark: the checked in box at start must not
        // hide them all.
        {"head office: the in box sets no condition", [&] { scope.userClass = QStringLiteral("7"); },
         {"S1_L1", "S2_L2", "S3_L3"}},
        {"head office: the out box neither", [&] { scope.userClass = QStringLiteral("7"); bar.in = false; bar.out = true; },
         {"S1_L1", "S2_L2", "S3_L3"}},
    };
    for (const Case &c : cases) {
        bar = SameDayFilterBar();
        scope.gansun = 0;
        scope.userClass = QStringLiteral("5");
        c.set();
        f.proc_HUBFilter(bar, scope, &g);
        EXPECT_EQ(shown(), c.expected) << c.what;
    }
}
} // namespace
