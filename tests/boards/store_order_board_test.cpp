// The store-order board against scripted replies: what goes on the grid and in what record
// order, the new-order ring, the counters, and what a reply cut short leaves behind.

#include "../link/link_test_support.h"
#include "orders/order_test_support.h"

#include "boards/store_order_board.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <deque>
#include <stdexcept>

using namespace ordertest;

namespace
{
// A store-order row of 41 fields: plausible defaults, then the overrides (field -> text).
QString storeRow(const QString &no, const QString &status, std::map<int, QString> over = {}, int fieldCount = 41)
{
    QStringList f;
    for (int i = 0; i < 41; ++i)
        f.append(QString());
    f[0] = no;
    f[1] = QStringLiteral("1");
    f[2] = QStringLiteral("Y");
    f[3] = QStringLiteral("1");
    f[4] = QStringLiteral("2026-12-11 09:10:00");
    f[7] = QStringLiteral("12");
    f[8] = QStringLiteral("3");
    f[9] = QStringLiteral("0");
    f[10] = status;
    f[11] = QStringLiteral("1002");
    f[12] = QStringLiteral("S000101");
    f[13] = QStringLiteral("행복치킨 본점");
    f[15] = QStringLiteral("01012345678");
    f[18] = QStringLiteral("김민준");
    f[22] = QStringLiteral("2026-12-11 09:05:00");
    f[23] = QStringLiteral("1002");
    f[24] = QStringLiteral("0");
    f[29] = QStringLiteral("18000");
    f[31] = QStringLiteral("1");
    f[33] = QStringLiteral("1001");
    f[36] = QStringLiteral("후라이드치킨 1");
    f[40] = QStringLiteral("0212345678");
    for (const auto &[i, v] : over)
        f[i] = v;
    return f.mid(0, fieldCount).join(sep());
}

QString replyPage(const QStringList &rows, const QString &mark, const QString &msg = QString(),
                  const QString &code = QStringLiteral("1"))
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), code);
    o.insert(QStringLiteral("OUT_MSG"), msg);
    o.insert(QStringLiteral("OUT_VAL"), mark);
    o.insert(QStringLiteral("OUT_ROW1"), QJsonArray::fromStringList(rows));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

struct StoreOrderSent
{
    QString code, callType, payload, pageCount;
    int timeoutMs = 0;
    QStringList fields() const { return payload.split(sep()); }
};

class StoreOrderBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetWorld();
        G_USER_INFO.ID = QStringLiteral("store01");
        G_USER_INFO.USER_TYPE_CD = "1001";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = "B000101";
        G_USER_INFO.ST = "S000101";
        G_USER_INFO.MULTI_TYPE = "2";
        G_ST_LIST.append(QStringLiteral("S000101"), TST_LIST());
        board.setRequest([this](const QString &code, const QString &callType, const QString &val,
                                const QString &pageCount, int timeoutMs) {
            sent.push_back({code, callType, val, pageCount, timeoutMs});
            if (replies.empty())
                return QStringList();
            QStringList r = replies.front();
            replies.pop_front();
            return r;
        });
        StoreOrderBoard::Hooks hooks;
        hooks.log = [this](const QString &l) { logLines.append(l); };
        hooks.addStore = [this](const QString &code) {
            if (failOnStore == code)
                throw std::runtime_error("store list broken");
            addedStores.append(code);
            G_ST_LIST.append(code, TST_LIST());
        };
        hooks.payName = [](const QString &code) {
            return code == QLatin1String("1002")   ? QStringLiteral("카드")
                   : code == QLatin1String("1005") ? QStringLiteral("간편결제")
                                                   : QString();
        };
        hooks.setTopAreaEnabled = [this](bool on) { topArea.append(on); };
        hooks.searchTimerOn = [this](bool reset) { timerOn.append(reset); };
        hooks.filter = [this] { ++filtered; };
        board.setHooks(hooks);
        board.setSoundPlayer(&sounds);
        board.setNewOrderList(&newOrders);
    }

    // Loads once with the given reply pages.
    bool load(const QStringList &pages)
    {
        replies.push_back(pages);
        return board.proc_Load_A2_Order_new();
    }

    QString cell(int record, const char *column) const
    {
        const GridTableModel &m = board.CTV_TAKEOUT();
        return m.recordValue(record, m.columnIndex(QString::fromLatin1(column))).toString();
    }
    QString cellOf(const QString &no, const char *column) const { return cell(board.recordOf(no), column); }

    // Order numbers as the grid holds its records, and as it shows its rows.
    QStringList records() const
    {
        QStringList out;
        for (int r = 0; r < board.CTV_TAKEOUT().recordCount(); ++r)
            out.append(cell(r, "CTV_TAKEOUT_ORD_NO"));
        return out;
    }
    QStringList shownRows() const
    {
        QStringList out;
        const GridTableModel &m = board.CTV_TAKEOUT();
        for (int row = 0; row < m.rowCount(); ++row)
            out.append(cell(m.recordOfRow(row), "CTV_TAKEOUT_ORD_NO"));
        return out;
    }
    // The grid, the number list and the look-up agree.
    void expectAligned() const
    {
        EXPECT_EQ(records(), board.gsl_A2OrdNo());
        for (int i = 0; i < board.gsl_A2OrdNo().size(); ++i)
            EXPECT_EQ(board.recordOf(board.gsl_A2OrdNo().at(i)), i);
    }
    std::array<int, 10> counts(std::initializer_list<std::pair<int, int>> set) const
    {
        std::array<int, 10> a{};
        for (const auto &[i, v] : set)
            a[size_t(i)] = v;
        return a;
    }

    LogCapture dailyLog;
    StoreOrderBoard board;
    std::vector<StoreOrderSent> sent;
    std::deque<QStringList> replies;
    QStringList logLines, addedStores, newOrders;
    QList<bool> topArea, timerOn;
    int filtered = 0;
    QString failOnStore;
    RecordingSounds sounds;
};
} // namespace

TEST_F(StoreOrderBoardTest, FirstLoadAsksForEverythingAndShowsNewestFirst)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A2", "2001")}, "100", "A"),
                      replyPage({storeRow("A3", "4001")}, "100", "A")}));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, "CS01_48_V01");
    EXPECT_EQ(sent[0].callType, "ADM9");
    EXPECT_EQ(sent[0].pageCount, "3000");
    EXPECT_EQ(sent[0].timeoutMs, 30000);
    EXPECT_EQ(sent[0].payload, QStringList({"store01", "1001", "H0001", "B000101", "S000101", "2", "", "1", "", ""})
                                       .join(sep())
                                   + sep());

    EXPECT_EQ(records(), QStringList({"A1", "A2", "A3"}));
    EXPECT_EQ(shownRows(), QStringList({"A3", "A2", "A1"}));
    expectAligned();
    EXPECT_EQ(board.gsA2SyncDate, "100");
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 3}, {1, 2}, {5, 1}}));
    EXPECT_TRUE(logLines.contains("Send and Recv Succ"));
    EXPECT_EQ(topArea, QList<bool>({false, true}));
    EXPECT_EQ(timerOn, QList<bool>({true}));

    // The next load carries the mark.
    ASSERT_TRUE(load({replyPage({}, "101")}));
    EXPECT_EQ(sent[1].fields().value(6), "100");
    EXPECT_EQ(board.gsA2SyncDate, "101");
}

TEST_F(StoreOrderBoardTest, RowsTheBoardDoesNotShowStillAddTheirStore)
{
    struct Case
    {
        const char *what;
        const char *status;
        std::map<int, QString> over;
    };
    const std::vector<Case> cases = {
        {"returned", "4005", {}},
        {"held", "1004", {}},
        {"status 1009", "1009", {}},
        {"delivery-app kind 1016", "1001", {{23, "1016"}}},
        {"kind 1017", "2001", {{23, "1017"}}},
    };
    int n = 0;
    for (const Case &c : cases) {
        const QString store = QStringLiteral("S9%1").arg(n++, 5, 10, QLatin1Char('0'));
        auto over = c.over;
        over[12] = store;
        ASSERT_TRUE(load({replyPage({storeRow("X" + store, c.status, over)}, "1", "A")})) << c.what;
        EXPECT_EQ(board.CTV_TAKEOUT().recordCount(), 0) << c.what;
        EXPECT_TRUE(board.gsl_A2OrdNo().isEmpty()) << c.what;
        EXPECT_TRUE(addedStores.contains(store)) << c.what;
        EXPECT_TRUE(G_SL_ST_CODE.contains(store)) << c.what;
    }
    // A known store is not added again.
    ASSERT_TRUE(load({replyPage({storeRow("B1", "1001")}, "2", "A")}));
    EXPECT_FALSE(addedStores.contains("S000101"));
    EXPECT_TRUE(sounds.played.isEmpty());
}

TEST_F(StoreOrderBoardTest, AnUnconfirmedNewOrderRingsOnceAndLeavesTheListWhenItComesAgain)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "2001")}, "10", "A")}));
    EXPECT_TRUE(sounds.played.isEmpty());

    // Two unconfirmed orders, a confirmed one and a requested one with confirm type "0": one ring.
    ASSERT_TRUE(load({replyPage({storeRow("N1", "1001", {{3, "0"}}), storeRow("N2", "1001", {{3, "0"}}),
                                 storeRow("C1", "1001", {{3, "1"}}), storeRow("R1", "2001", {{3, "0"}})},
                                "11")}));
    EXPECT_EQ(sounds.played, QList<int>({3}));
    EXPECT_EQ(newOrders, QStringList({"N1", "N2"}));

    // N1 comes again, still unconfirmed: no ring, and it leaves the list.
    ASSERT_TRUE(load({replyPage({storeRow("N1", "1001", {{3, "0"}})}, "12")}));
    EXPECT_EQ(sounds.played, QList<int>({3}));
    EXPECT_EQ(newOrders, QStringList({"N2"}));

    // A number the alarm still holds does not ring when it first reaches the board.
    newOrders.append("N9");
    ASSERT_TRUE(load({replyPage({storeRow("N9", "1001", {{3, "0"}})}, "13")}));
    EXPECT_EQ(sounds.played, QList<int>({3}));
    EXPECT_EQ(newOrders, QStringList({"N2", "N9"}));
}

TEST_F(StoreOrderBoardTest, NewRowsOfAnIncrementalReplyGoToTheTopInReverseOrder)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "2001"), storeRow("A2", "2001")}, "10", "A")}));
    ASSERT_TRUE(load({replyPage({storeRow("B1", "1001"), storeRow("B2", "1001")}, "11"),
                      replyPage({storeRow("A1", "4001")}, "11")}));
    EXPECT_EQ(records(), QStringList({"B2", "B1", "A1", "A2"}));
    expectAligned();
    EXPECT_EQ(cellOf("A1", "CTV_TAKEOUT_ORD_STATUS_CD"), "4001");
    EXPECT_EQ(cellOf("A2", "CTV_TAKEOUT_ORD_STATUS_CD"), "2001");

    ASSERT_TRUE(load({replyPage({storeRow("C1", "1001"), storeRow("B1", "4002")}, "12")}));
    EXPECT_EQ(records(), QStringList({"C1", "B2", "B1", "A1", "A2"}));
    expectAligned();
    EXPECT_EQ(cellOf("B1", "CTV_TAKEOUT_ORD_STATUS_CD"), "4002");
}

TEST_F(StoreOrderBoardTest, AReplyFlaggedFullEmptiesTheBoardFirstEvenWithAMark)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A2", "4001")}, "10", "A")}));
    ASSERT_TRUE(load({replyPage({storeRow("B1", "2001"), storeRow("A2", "4002")}, "20", "A")}));
    EXPECT_EQ(sent[1].fields().value(6), "10");
    // Rows are appended as on a first load and shown newest first.
    EXPECT_EQ(records(), QStringList({"B1", "A2"}));
    EXPECT_EQ(shownRows(), QStringList({"B1", "A2"}));
    expectAligned();
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 2}, {1, 1}, {7, 1}}));
    EXPECT_EQ(board.gsA2SyncDate, "20");
}

TEST_F(StoreOrderBoardTest, PaymentText)
{
    G_SL_O3_COL11 = QStringList{"3001"};
    struct Case
    {
        const char *charge, *pay, *path, *expected;
    };
    const Case cases[] = {
        {"1", "1001", "1002", "현금"},
        {"1", "1002", "3001", "카드"},
        // Charge type 2 is paid in advance whatever the payment code says.
        {"2", "1001", "1002", "선결제"},
        {"2", "1001", "3001", "선결제"},  // a path with a name, but cash has none here
        {"2", "1002", "3001", "선결제(카드)"},
        {"2", "1002", "1002", "선결제"},  // the path does not name its payment
        // Neither cash nor card: prepaid as well.
        {"1", "1005", "3001", "선결제(간편결제)"},
        {"1", "1003", "3001", "선결제"},
        {"", "", "", "선결제"},
    };
    QStringList rows;
    int n = 0;
    for (const Case &c : cases)
        rows.append(storeRow(QStringLiteral("P%1").arg(n++), "2001", {{31, c.charge}, {33, c.pay}, {11, c.path}}));
    ASSERT_TRUE(load({replyPage(rows, "1", "A")}));
    n = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(cellOf(QStringLiteral("P%1").arg(n), "CTV_TAKEOUT_PAY_TYPE_CD"), QString::fromUtf8(c.expected))
            << "case " << n << " charge " << c.charge << " pay " << c.pay;
        ++n;
    }
}

TEST_F(StoreOrderBoardTest, CellsTakeTheirFormats)
{
    ASSERT_TRUE(load({replyPage({storeRow("F1", "1001", {{4, ""}, {1, "x"}, {7, ""}, {24, "7"}, {25, "2026-12-11 10:30:00"}}),
                                 storeRow("F2", "1001", {{1, "3"}, {24, "abc"}, {28, "not a time"}})},
                                "1", "A")}));
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORD_DATE"), "12-11 09:05");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_MOD_DATE"), "12-11 09:05");  // no modification time: the order time
    EXPECT_EQ(cellOf("F2", "CTV_TAKEOUT_MOD_DATE"), "12-11 09:10");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_TAKEOUT_DATE"), "12-11 10:30");
    EXPECT_EQ(cellOf("F2", "CTV_TAKEOUT_END_DATE"), "");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORD_CU_TEL"), "010-1234-5678");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORG_ORD_NO"), "1");
    EXPECT_EQ(cellOf("F2", "CTV_TAKEOUT_ORG_ORD_NO"), "3");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORD_TODAY_ALL_NO"), "1");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_TABLE_NO"), "7");
    EXPECT_EQ(cellOf("F2", "CTV_TAKEOUT_TABLE_NO"), "0");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORD_ST_NAME"), "행복치킨 본점");
    EXPECT_EQ(cellOf("F1", "CTV_TAKEOUT_ORD_AMT"), "18000");
}

TEST_F(StoreOrderBoardTest, TheStoreTelephoneIsReadFromARowOfFortyOneFields)
{
    ASSERT_TRUE(load({replyPage({storeRow("T1", "1001", {}, 41), storeRow("T2", "1001", {}, 40)}, "1", "A")}));
    EXPECT_EQ(cellOf("T1", "CTV_TAKEOUT_ORD_ST_TEL"), "0212345678");
    EXPECT_EQ(cellOf("T2", "CTV_TAKEOUT_ORD_ST_TEL"), "");
    // A later row without the field leaves the telephone the row had.
    ASSERT_TRUE(load({replyPage({storeRow("T1", "2001", {}, 40)}, "2")}));
    EXPECT_EQ(cellOf("T1", "CTV_TAKEOUT_ORD_ST_TEL"), "0212345678");
    EXPECT_EQ(cellOf("T1", "CTV_TAKEOUT_ORD_STATUS_CD"), "2001");
}

TEST_F(StoreOrderBoardTest, CountersFollowStatusChanges)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A2", "1002"), storeRow("A3", "2001"),
                                 storeRow("A4", "3001"), storeRow("A5", "4001")},
                                "1", "A")}));
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 5}, {1, 3}, {5, 1}}));

    ASSERT_TRUE(load({replyPage({storeRow("A1", "4002"), storeRow("A3", "4001"), storeRow("A4", "4001"),
                                 storeRow("A5", "4001"), storeRow("A6", "1001")},
                                "2")}));
    // A status without a counter (3001) leaves nothing to take away when it moves on.
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 6}, {1, 2}, {5, 3}, {7, 1}}));

    // A status cell that is not a number counts as 1001 when it moves.
    board.CTV_TAKEOUT().setRecordValue(board.recordOf("A2"), board.CTV_TAKEOUT().columnIndex("CTV_TAKEOUT_ORD_STATUS_CD"),
                                      QStringLiteral("?"));
    ASSERT_TRUE(load({replyPage({storeRow("A2", "4002")}, "3")}));
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 6}, {1, 1}, {5, 3}, {7, 2}}));
}

TEST_F(StoreOrderBoardTest, RecountCountsOnlyTheRowsTheFilterShows)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A2", "2001"), storeRow("A3", "3003"),
                                 storeRow("A4", "4001"), storeRow("A5", "4002"), storeRow("A6", "1007"),
                                 storeRow("A7", "1002", {{11, "3001"}})},
                                "1", "A")}));
    board.procA2Check();
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 7}, {1, 3}, {5, 1}, {7, 1}, {8, 2}}));

    GridTableModel &m = board.CTV_TAKEOUT();
    FilterGroup paths;
    paths.add(FilterCondition::make(m.columnIndex("CTV_TAKEOUT_ORD_PATH_CD"), FilterOp::Equal, QStringLiteral("1002")));
    m.setFilterGroup(0, paths);
    board.procA2Check();
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 6}, {1, 2}, {5, 1}, {7, 1}, {8, 2}}));

    m.setFilterGroup(0, FilterGroup().add(FilterCondition::make(m.columnIndex("CTV_TAKEOUT_ORD_NO"), FilterOp::Equal,
                                                                QStringLiteral("none"))));
    board.procA2Check();
    EXPECT_EQ(board.iA2OrdCount(), counts({}));
}

// An empty mark empties the grid, the number list and the counters together, so a reply that
// does not say it is a full list still leaves them agreeing.
TEST_F(StoreOrderBoardTest, AnEmptyMarkClearsGridListAndCountersTogether)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A2", "4001")}, "10", "A")}));
    board.reloadAll();
    ASSERT_TRUE(load({replyPage({storeRow("A2", "4001"), storeRow("B1", "1001")}, "11")}));
    EXPECT_EQ(records(), QStringList({"A2", "B1"}));
    expectAligned();
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 2}, {1, 1}, {5, 1}}));
    EXPECT_EQ(shownRows(), QStringList({"B1", "A2"}));

    // No reply at all: the board stays empty, the mark too, and the timer goes on without a reset.
    board.reloadAll();
    timerOn.clear();
    topArea.clear();
    EXPECT_FALSE(board.proc_Load_A2_Order_new());
    EXPECT_EQ(board.CTV_TAKEOUT().recordCount(), 0);
    EXPECT_TRUE(board.gsl_A2OrdNo().isEmpty());
    EXPECT_EQ(board.iA2OrdCount(), counts({}));
    EXPECT_TRUE(board.gsA2SyncDate.isEmpty());
    EXPECT_TRUE(logLines.contains("CS01_48_V01 ERR[NO RESULT]"));
    EXPECT_EQ(timerOn, QList<bool>({false}));
    EXPECT_EQ(topArea, QList<bool>({true}));

    // A grid emptied behind the board's back is rebuilt rather than misread.
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001")}, "20", "A")}));
    board.CTV_TAKEOUT().clearRecords();
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001"), storeRow("A9", "2001")}, "21")}));
    EXPECT_EQ(sent.back().fields().value(6), "");
    EXPECT_EQ(records(), QStringList({"A1", "A9"}));
    expectAligned();
}

// The mark moves on only when the whole reply is on the board.
TEST_F(StoreOrderBoardTest, AReplyCutShortKeepsWhatItNeedsToBeAskedAgain)
{
    ASSERT_TRUE(load({replyPage({storeRow("A1", "1001")}, "10", "A")}));

    // An exception on page 1 of an incremental reply: the old mark is kept, the error logged,
    // the filter applied again, and the orders already on the board announced.
    failOnStore = "S000777";
    ASSERT_TRUE(load({replyPage({storeRow("N1", "1001", {{3, "0"}})}, "11"),
                      replyPage({storeRow("N2", "1001", {{12, "S000777"}})}, "11")}));
    EXPECT_EQ(board.gsA2SyncDate, "10");
    EXPECT_TRUE(logLines.contains("ProcNum:5:CS01_48_V01 Exception Err store list broken")) << logLines.join('\n').toStdString();
    EXPECT_EQ(filtered, 1);
    EXPECT_EQ(sounds.played, QList<int>({3}));
    EXPECT_EQ(records(), QStringList({"N1", "A1"}));
    expectAligned();
    EXPECT_EQ(topArea.last(), true);
    EXPECT_EQ(timerOn.last(), true);

    // Asked again from the old mark, the whole change arrives; N1 is applied again in place.
    failOnStore.clear();
    ASSERT_TRUE(load({replyPage({storeRow("N1", "1001", {{3, "0"}})}, "11"),
                      replyPage({storeRow("N2", "1001", {{12, "S000777"}})}, "11")}));
    EXPECT_EQ(sent.back().fields().value(6), "10");
    EXPECT_EQ(records(), QStringList({"N2", "N1", "A1"}));
    expectAligned();
    EXPECT_EQ(board.iA2OrdCount(), counts({{0, 3}, {1, 3}}));
    EXPECT_EQ(board.gsA2SyncDate, "11");

    // A failed later page: logged, the rest not read, the mark kept.
    ASSERT_TRUE(load({replyPage({storeRow("N3", "2001")}, "12"), replyPage({}, "", "busy", "0"),
                      replyPage({storeRow("N4", "2001")}, "12")}));
    EXPECT_TRUE(logLines.contains("CS01_48_V01 is Fail 0:busy"));
    EXPECT_EQ(board.gsA2SyncDate, "11");
    EXPECT_EQ(board.recordOf("N4"), -1);
    EXPECT_GE(board.recordOf("N3"), 0);

    // A full reply cut short leaves an empty mark, so the next load rebuilds the board.
    failOnStore = "S000778";
    ASSERT_TRUE(load({replyPage({storeRow("F1", "1001")}, "30", "A"),
                      replyPage({storeRow("F2", "1001", {{12, "S000778"}})}, "30", "A")}));
    EXPECT_TRUE(board.gsA2SyncDate.isEmpty());
    EXPECT_EQ(records(), QStringList({"F1"}));
    expectAligned();
}

TEST_F(StoreOrderBoardTest, HostileReplies)
{
    // A first page that is not a reply: logged as a failure, nothing applied, no mark.
    ASSERT_TRUE(load({QStringLiteral("<html>")}));
    EXPECT_TRUE(logLines.contains("CS01_48_V01 is Fail :"));
    EXPECT_TRUE(board.gsA2SyncDate.isEmpty());

    // Rows that are not texts, too short or without a number are skipped; the good one stays.
    QJsonArray rows;
    rows.append(QJsonObject{{QStringLiteral("C_0"), QStringLiteral("x")}});
    rows.append(QString(QStringLiteral("a") + sep() + QStringLiteral("b")));
    rows.append(storeRow("", "1001"));
    rows.append(QString(40000, QLatin1Char('x')));
    rows.append(storeRow("G1", "1001"));
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), QStringLiteral("1"));
    o.insert(QStringLiteral("OUT_MSG"), QStringLiteral("A"));
    o.insert(QStringLiteral("OUT_VAL"), QString(200, QLatin1Char('9')));
    o.insert(QStringLiteral("OUT_ROW1"), rows);
    ASSERT_TRUE(load({QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact))}));
    EXPECT_EQ(records(), QStringList({"G1"}));
    expectAligned();
    // An absurd mark is not kept: the next load asks for everything.
    EXPECT_TRUE(board.gsA2SyncDate.isEmpty());
    EXPECT_TRUE(logLines.contains("CS01_48_V01 sync mark refused, the board is rebuilt at the next load"));
}

TEST_F(StoreOrderBoardTest, ColumnsCarryTheirComponentNames)
{
    const QList<GridColumn> cols = StoreOrderColumns();
    EXPECT_EQ(cols.size(), 40);
    QSet<QString> names;
    for (const GridColumn &c : cols) {
        EXPECT_TRUE(c.name.startsWith("CTV_TAKEOUT_")) << c.name.toStdString();
        EXPECT_FALSE(c.caption.isEmpty()) << c.name.toStdString();
        names.insert(c.name);
    }
    EXPECT_EQ(names.size(), cols.size());
    for (const char *n : {"CTV_TAKEOUT_ORD_NO", "CTV_TAKEOUT_ORD_STATUS_CD", "CTV_TAKEOUT_PAY_TYPE_CD",
                          "CTV_TAKEOUT_ORD_PATH_CD", "CTV_TAKEOUT_ORD_ST_NAME", "CTV_TAKEOUT_ORD_TODAY_ALL_NO",
                          "CTV_TAKEOUT_CHARGE_HISTORY", "CTV_TAKEOUT_ORD_ST_TEL"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(n))) << n;
}
