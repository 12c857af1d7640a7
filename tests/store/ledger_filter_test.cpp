// The ledger's categories and filter: which rows a user sees for each choice of categories,
// classes, target word and texts.

#include "money_test_support.h"

#include "../link/link_test_support.h"

#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "store/ledger_filter.h"
#include "store/ledger_search.h"

#include <gtest/gtest.h>

namespace
{
// Rows: cash type, class, target code, target name, memo, category.
GridTableModel *ledgerModel(QObject *parent)
{
    auto *m = new GridTableModel(parent);
    QList<GridColumn> cols;
    for (int c = 0; c < kLedgerColumnCount; ++c)
        cols.append({QStringLiteral("c%1").arg(c), QString(), GridValueType::Text, {}});
    m->setColumns(cols);
    auto row = [&](const char *type, const char *cls, const char *code, const char *name, const char *memo,
                   const char *category) {
        QVariantList r(kLedgerColumnCount);
        r[kLedgerCashType] = QString::fromUtf8(type);
        r[kLedgerConType] = QString::fromUtf8(cls);
        r[kLedgerConCode] = QString::fromUtf8(code);
        r[kLedgerConName] = QString::fromUtf8(name);
        r[kLedgerMemo] = QString::fromUtf8(memo);
        r[kLedgerCategory] = QString::fromUtf8(category);
        m->appendRecord(r);
    };
    row("1001", "3", "S000101", "행복치킨", "배달대행료 차감", "배달대행료");
    row("1001", "2", "B000101", "강남총판", "배달대행료 입금", "배달대행료");
    row("1005", "1", "H0001", "제휴본사", "머니송금", "머니송금");
    row("4001", "", "B0002X", "플랫폼사", "플랫폼 수수료", "배송관리비");
    row("", "", "", "", "유형 없음", "기타");
    return m;
}

int shown(GridTableModel *m, const LedgerFilterInput &in)
{
    const QList<FilterGroup> groups = LedgerFilterGroups(in);
    m->beginUpdate();
    for (int i = 0; i < groups.size(); ++i)
        m->setFilterGroup(i, groups[i]);
    m->endUpdate();
    return m->rowCount();
}
} // namespace

TEST(LedgerFilter, RowsShownForEachChoice)
{
    QObject owner;
    GridTableModel *m = ledgerModel(&owner);
    const QStringList all{"1001", "1005", "4001"};
    struct Case
    {
        const char *name;
        LedgerFilterInput in;
        int rows;
    };
    LedgerFilterInput base;
    base.cashTypes = all;
    auto with = [&](auto change) {
        LedgerFilterInput in = base;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"everything checked", base, 4},
        {"no category: no row at all", with([](auto &in) { in.cashTypes.clear(); }), 0},
        {"one category", with([](auto &in) { in.cashTypes = {"1005"}; }), 1},
        {"all class boxes cleared: no class condition",
         with([](auto &in) { std::fill(std::begin(in.classes), std::end(in.classes), false); }), 4},
        {"없음 alone: rows without a class",
         with([](auto &in) {
             std::fill(std::begin(in.classes), std::end(in.classes), false);
             in.classes[4] = true;
         }),
         1},
        {"총판 alone",
         with([](auto &in) {
             std::fill(std::begin(in.classes), std::end(in.classes), false);
             in.classes[1] = true;
         }),
         1},
        {"target word in the name", with([](auto &in) { in.targetWord = QStringLiteral("행복"); }), 1},
        {"target word in the code", with([](auto &in) { in.targetWord = QStringLiteral("B0001"); }), 1},
        {"플랫폼사 ignores the class boxes",
         with([](auto &in) {
             in.byTarget = false;
             std::fill(std::begin(in.classes), std::end(in.classes), false);
             in.targetWord = QStringLiteral("행복");
         }),
         1},
        {"content text", with([](auto &in) { in.content = QStringLiteral("입금"); }), 1},
        {"category text", with([](auto &in) { in.category = QStringLiteral("배달"); }), 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(shown(m, c.in), c.rows) << c.name;
}

TEST(LedgerFilter, SignatureChangesWithWhatTheFilterReads)
{
    LedgerFilterInput a;
    a.cashTypes = {"1001"};
    LedgerFilterInput b = a;
    EXPECT_EQ(LedgerFilterSignature(a), LedgerFilterSignature(b));
    b.content = QStringLiteral("x");
    EXPECT_NE(LedgerFilterSignature(a), LedgerFilterSignature(b));
    // "플랫폼사" reads only the 총판 box and its fixed word.
    LedgerFilterInput p = a;
    p.byTarget = false;
    LedgerFilterInput q = p;
    q.classes[0] = false;
    q.targetWord = QStringLiteral("typed");
    EXPECT_EQ(LedgerFilterSignature(p), LedgerFilterSignature(q));
    EXPECT_EQ(LedgerFilterSignature(p), QStringLiteral("1001,Y,B0002,,,"));
}

TEST(LedgerCategories, LoadAllCheckedAndNoEmptyCashType)
{
    G_FIELD_SEP = QStringLiteral("│");
    LogCapture log;
    FakeMoneyRequests fake;
    fake.answer = [](int, const QString &) {
        return QStringList{QStringLiteral(
            "{\"OUT_CODE\":\"1\",\"OUT_ROW1\":[{\"C_0\":\"1\",\"C_3\":\"배달대행료\"},{\"C_0\":\"2\",\"C_3\":\"송금\"}],"
            "\"OUT_ROW2\":[{\"C_0\":\"1\",\"C_1\":\"1001\"},{\"C_0\":\"1\",\"C_1\":\"1002\"},{\"C_0\":\"2\",\"C_1\":\"\"},"
            "{\"C_0\":\"9\",\"C_1\":\"7777\"}]}")};
    };
    QList<CashCategory> cats;
    ASSERT_TRUE(LoadCashCategories(QStringLiteral("5"), cats));
    ASSERT_EQ(fake.sent.size(), 1);
    EXPECT_EQ(fake.sent[0].code, QStringLiteral("CS04_05_V02"));
    EXPECT_EQ(fake.sent[0].val, QStringLiteral("CB│1│"));
    ASSERT_EQ(cats.size(), 2);
    EXPECT_EQ(cats[0].codes, QStringLiteral("1001,1002,"));
    EXPECT_TRUE(cats[1].codes.isEmpty());
    EXPECT_EQ(CheckedCashTypes(cats), (QStringList{"1001", "1002"}));
    cats[0].checked = false;
    EXPECT_TRUE(CheckedCashTypes(cats).isEmpty());

    // No reply: the categories stay as they were.
    fake.answer = {};
    QList<CashCategory> before = cats;
    EXPECT_FALSE(LoadCashCategories(QStringLiteral("7"), cats));
    EXPECT_EQ(fake.sent[1].val, QStringLiteral("CH│1│"));
    EXPECT_EQ(cats.size(), before.size());
}
