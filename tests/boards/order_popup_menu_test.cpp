// The order popup's widgets: items carry their parameters and show what the plan shows.

#include "boards/ui/order_popup_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace
{
QList<QAction *> commands(QMenu *menu)
{
    QList<QAction *> out;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            out.append(a);
    return out;
}
} // namespace

TEST(OrderPopupMenu, CancelReasonsCarryTheReasonAndTheSettlementFlag)
{
    QWidget host;
    OrderPopupMenu popup(&host);
    popup.setCancelReasons({{QStringLiteral("C01"), QStringLiteral("고객취소")}, {QStringLiteral("C02"), QStringLiteral("가맹점취소")}});
    popup.setCancelReasons({{QStringLiteral("C01"), QStringLiteral("고객취소")}, {QStringLiteral("C02"), QStringLiteral("가맹점취소")}});

    QList<OrderMenuCommand> seen;
    QObject::connect(&popup, &OrderPopupMenu::commandTriggered, [&](const OrderMenuCommand &c) { seen.append(c); });

    const QList<QAction *> plain = commands(popup.action(OrderMenuItem::NStatusCancel)->menu());
    const QList<QAction *> settle = commands(popup.action(OrderMenuItem::NStatusCancelNAcc)->menu());
    ASSERT_EQ(plain.size(), 2);  // a second load replaces the reasons
    ASSERT_EQ(settle.size(), 2);
    plain.at(1)->trigger();
    settle.at(0)->trigger();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen.at(0).role, OrderMenuRole::StatusChange);
    EXPECT_EQ(seen.at(0).tag, 4002);
    EXPECT_EQ(seen.at(0).hint, QStringLiteral("C02"));
    EXPECT_EQ(seen.at(0).groupIndex, 0);
    EXPECT_EQ(seen.at(1).hint, QStringLiteral("C01"));
    EXPECT_EQ(seen.at(1).groupIndex, 1);
}

TEST(OrderPopupMenu, ItemsCarryTheirTagsAndHints)
{
    QWidget host;
    OrderPopupMenu popup(&host);
    QList<OrderMenuCommand> seen;
    QObject::connect(&popup, &OrderPopupMenu::commandTriggered, [&](const OrderMenuCommand &c) { seen.append(c); });
    popup.action(OrderMenuItem::NStatusStartCancel)->trigger();
    popup.action(OrderMenuItem::NStatusCancelWait)->trigger();
    popup.action(OrderMenuItem::NEtcSubOrdStTelMsg)->trigger();
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen.at(0).tag, 3004);
    EXPECT_EQ(seen.at(0).caption, QStringLiteral("배달요청변경"));
    EXPECT_EQ(seen.at(1).role, OrderMenuRole::CancelThenWait);
    EXPECT_EQ(seen.at(1).hint, QStringLiteral("XXXXX"));
    EXPECT_EQ(seen.at(2).role, OrderMenuRole::MessageText);
    EXPECT_EQ(seen.at(2).tag, 5);

    // The courier submenu's composer item.
    QAction *compose = popup.action(OrderMenuItem::NEtcDvryMsg)->menu()->actions().last();
    compose->trigger();
    EXPECT_EQ(seen.last().role, OrderMenuRole::Compose);
    EXPECT_EQ(seen.last().tag, 4);
}

TEST(OrderPopupMenu, ShowsExactlyWhatThePlanShows)
{
    QWidget host;
    OrderPopupMenu popup(&host);
    OrderMenuPlan plan;
    plan.visible[size_t(OrderMenuItem::NStatusReady)] = true;
    plan.visible[size_t(OrderMenuItem::NEtcDvryMsg)] = true;
    plan.visible[size_t(OrderMenuItem::NEtcDvryShow)] = true;  // never offered, whatever the plan says
    popup.applyPlan(plan);
    QStringList visible;
    for (QAction *a : popup.menu()->actions())
        if (a->isVisible() && !a->isSeparator())
            visible.append(a->objectName());
    EXPECT_EQ(visible, (QStringList{"NStatusReady", "NEtcDvryMsg"}));
    EXPECT_FALSE(popup.action(OrderMenuItem::NEtcSubSenderTelMsg)->isVisible());
}
