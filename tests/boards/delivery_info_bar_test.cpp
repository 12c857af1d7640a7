#include "boards/ui/delivery_info_bar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
const QString kStx(QChar(0x0002));

TDVRY_GRP_INFO group()
{
    TDVRY_GRP_INFO g;
    g.DVRY_TYPE_CD = "D001";
    g.STATUS_TYPE = "0";
    return g;
}

std::array<QStringList, 8> oneBranch()
{
    std::array<QStringList, 8> s;
    s[2] = QStringList{"D001"};
    s[4] = QStringList{"B1"};
    return s;
}

const QDateTime kBarNow(QDate(2026, 12, 14), QTime(12, 0));
} // namespace

TEST(DeliveryInfoBar, ShownWhileThereIsALineOrANotice)
{
    QWidget screen;
    auto *container = new QWidget(&screen);
    screen.show();
    DeliveryInfoBar bar(container);
    EXPECT_FALSE(bar.barVisible());

    bool changed = false;
    bar.proc_Dvry_Display({}, changed, {group()}, oneBranch(), kBarNow);
    EXPECT_TRUE(bar.barVisible());
    EXPECT_EQ(bar.LB_NOTICE->text(), "  [영업상태 : 배차불가][배송원 콜 보기 : 배송원 콜 안보임]");

    // Two branches: no line, but a notice keeps the bar.
    std::array<QStringList, 8> two = oneBranch();
    two[4] << "B2";
    bar.proc_Dvry_Display({"공지" + kStx + "5"}, changed, {group()}, two, kBarNow);
    EXPECT_EQ(bar.LB_NOTICE->text(), "");
    EXPECT_TRUE(bar.barVisible());

    // Neither: hidden on the same call.
    bar.proc_Dvry_Display({}, changed, {group()}, two, kBarNow);
    EXPECT_FALSE(bar.barVisible());
}

TEST(DeliveryInfoBar, TickerBlinksStepsAndOpensTheNoticeClicked)
{
    QWidget screen;
    auto *container = new QWidget(&screen);
    screen.show();
    DeliveryInfoBar bar(container);
    bool changed = true;
    bar.proc_Dvry_Display({"첫째" + kStx + "7", "둘째" + kStx + "8"}, changed, {}, {}, kBarNow);
    EXPECT_FALSE(changed);
    ASSERT_TRUE(bar.barVisible());

    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        bar.tick();
        seen << (bar.tickerLabel->isVisible() ? bar.tickerLabel->text() : QStringLiteral("-"));
    }
    EXPECT_EQ(seen, (QStringList{"첫째", "첫째", "-", "첫째", "첫째", "-", "둘째"}));

    // While the notice list is open nothing moves.
    bar.bArticle = true;
    for (int i = 0; i < 6; ++i)
        bar.tick();
    EXPECT_TRUE(bar.tickerLabel->isVisible());
    EXPECT_EQ(bar.tickerLabel->text(), "둘째");

    QSignalSpy clicked(&bar, &DeliveryInfoBar::noticeClicked);
    QTest::mouseClick(bar.tickerLabel, Qt::LeftButton);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 8);
}
