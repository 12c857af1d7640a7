// The new-order alarm window: filled from the detail, laid out without clipping, its buttons and
// its countdown.

#include "boards/ui/new_order_alarm_window.h"

#include "layout_check.h"

#include "common/message_box.h"
#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace
{
QString alarmRow(std::map<int, QString> fields, int count)
{
    QStringList cols(count);
    for (const auto &[i, v] : fields)
        cols[i] = v;
    return cols.join(QChar(0x2502)) + QChar(0x2502);
}

QString detailPage()
{
    QJsonObject page{{"OUT_CODE", "1"}, {"OUT_MSG", ""}};
    page.insert("OUT_ROW1", QJsonArray{alarmRow({{2, "1001"}, {3, "1001"}, {11, "2026-12-11 10:00:00"},
                                            {28, "서울특별시 강남구 역삼동 123-4"}, {34, "1"}, {35, "1002"},
                                            {36, "32000"}, {44, "2345.6"}, {45, "1234"}, {64, "101동 202호"}},
                                           70)});
    page.insert("OUT_ROW2", QJsonArray{alarmRow({{1, "G1"}, {2, "양념치킨"}, {3, "1"}, {4, "19000"}, {6, "1"}, {11, "1"}}, 20)});
    page.insert("OUT_ROW3", QJsonArray{alarmRow({{0, "1"}, {2, "치킨무"}, {3, "500"}, {4, "1"}}, 8)});
    return QString::fromUtf8(QJsonDocument(page).toJson(QJsonDocument::Compact));
}

struct Fixture
{
    QDateTime now = QDateTime(QDate(2026, 12, 11), QTime(10, 1, 0));
    QStringList sent;
    QList<QPair<QString, QString>> boxes;
    MsgBoxHandler previous;
    NewOrderAlarmHooks hooks;

    Fixture()
    {
        G_USER_INFO.ID = QStringLiteral("tester");
        hooks.requestList = [](const QString &, const QString &, const QString &, const QString &) {
            return QStringList{detailPage()};
        };
        hooks.request = [this](const QString &code, const QString &, const QString &val) {
            sent.append(code + QLatin1Char(' ') + val);
            return QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"\"}");
        };
        hooks.msgBox = [this](const QString &text, const QString &kind) {
            boxes.append({kind, text});
            return 1;
        };
        hooks.log = [](const QString &) {};
    }
};
} // namespace

TEST(NewOrderAlarmWindow, ShowsTheOrderWithoutClippingAndSendsTheChosenMinutes)
{
    Fixture fx;
    NewOrderAlarmWindow window(fx.hooks, [&] { return fx.now; });
    window.setRejectReasons({{QStringLiteral("고객요청"), 12}});
    window.openFor(QStringLiteral("1001"), QString(), QStringLiteral("20261211000042"));
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.findChild<QLineEdit *>("CTE_ORDER_NUM")->text(), QStringLiteral("1,234"));
    EXPECT_EQ(window.findChild<QLineEdit *>("CTE_DIS")->text(), QStringLiteral("2.345Km"));
    EXPECT_EQ(window.findChild<QLineEdit *>("CTE_PAY_GUBUN")->text(), QStringLiteral("카드"));
    QTreeWidget *goods = window.findChild<QTreeWidget *>("CTL_GOODS");
    ASSERT_EQ(goods->topLevelItemCount(), 1);
    EXPECT_EQ(goods->topLevelItem(0)->childCount(), 1);
    EXPECT_TRUE(window.findChild<QPushButton *>("CBT_30")->isChecked());
    QApplication::processEvents();
    const QStringList problems = LayoutCheck::Problems(&window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    window.findChild<QPushButton *>("CBT_90")->click();
    EXPECT_TRUE(fx.sent.isEmpty());  // a time button only chooses
    window.findChild<QPushButton *>("cxButton1")->click();
    ASSERT_EQ(fx.sent.size(), 1);
    const QString sep(QChar(0x2502));
    EXPECT_EQ(fx.sent.at(0), "CS01_12_V02 20261211000042" + sep + "tester" + sep + "1001" + sep + "1001" + sep + "90" + sep);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.findChild<QLineEdit *>("CTE_ORDER_NUM")->text().isEmpty());
}

TEST(NewOrderAlarmWindow, CountdownRunsAndTheDeadlineHidesTheWindow)
{
    Fixture fx;
    NewOrderAlarmWindow window(fx.hooks, [&] { return fx.now; });
    window.openFor(QStringLiteral("1001"), QString(), QStringLiteral("20261211000042"));
    // The countdown leaves the goods tree as it is: the same items, a collapsed branch stays so.
    QTreeWidget *goods = window.findChild<QTreeWidget *>("CTL_GOODS");
    ASSERT_EQ(goods->topLevelItemCount(), 1);
    QTreeWidgetItem *line = goods->topLevelItem(0);
    line->setExpanded(false);
    fx.now = fx.now.addSecs(1);
    window.tickOnce();
    EXPECT_EQ(window.findChild<QLineEdit *>("CTE_WAIT_TIME")->text(), QStringLiteral("3분 59초"));
    EXPECT_EQ(goods->topLevelItem(0), line);
    EXPECT_FALSE(line->isExpanded());
    fx.now = QDateTime(QDate(2026, 12, 11), QTime(10, 5, 0));
    window.tickOnce();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(fx.sent.isEmpty());
}
