// The bundle window: the grids show the form's rows, the clicks tick them, the buttons act, and
// the window goes away when the form closes itself.

#include "boards/ui/order_bundle_window.h"

#include "layout_check.h"

#include "records/session_records.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

namespace
{
std::shared_ptr<TA1ORDER> requested(const QString &no, const QString &store)
{
    auto o = std::make_shared<TA1ORDER>();
    o->set(A1::ORD_NO, no);
    o->set(A1::ORD_STATUS_CD, u"2001");
    o->set(A1::MANUAL_GRP_YN, u"Y");
    o->set(A1::TAKEOUT_YN, u"N");
    o->set(A1::ORD_ST_NAME, store);
    o->DVRY_AMT = 3000;
    return o;
}
} // namespace

TEST(OrderBundleWindow, GridsFollowTheFormAndTheWindowClosesWithIt)
{
    G_USER_INFO.ID = QStringLiteral("tester");
    G_USER_INFO.USER_TYPE_CD = "5001";
    TA1Orders live;
    for (const char *no : {"20261211000001", "20261211000002", "20261211000003"})
        live.Add(requested(QString::fromLatin1(no), QStringLiteral("역삼점")));
    QStringList sent;
    QStringList shown;
    OrderBundleHooks hooks;
    hooks.request = [&](const QString &code, const QString &, const QString &val) {
        sent.append(val);
        return QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"\",\"OUT_ROW1\":[\"5001\\u2502\"]}");
    };
    hooks.msgBox = [&](const QString &text, const QString &) {
        shown.append(text);
        return 1;
    };
    hooks.log = [](const QString &) {};
    OrderBundleWindow window(hooks, [&]() -> const TA1Orders & { return live; },
                             [&]() -> const TA1Orders & { return live; });
    OrderPopupFields popup;
    popup.FPOP_ORDER_NO = QStringLiteral("20261211000001");
    ASSERT_TRUE(window.openFor(popup));
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.members()->rowCount(), 1);
    EXPECT_EQ(window.candidates()->rowCount(), 2);
    EXPECT_EQ(window.candidates()->item(0, 1)->text(), QStringLiteral("역삼점"));
    QApplication::processEvents();
    const QStringList problems = LayoutCheck::Problems(&window);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();

    emit window.candidates()->cellClicked(1, 2);
    EXPECT_EQ(window.candidates()->item(1, 0)->checkState(), Qt::Checked);
    window.findChild<QPushButton *>("btnOrdBundleAdd")->click();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_TRUE(sent.at(0).startsWith(QStringLiteral("0")));
    EXPECT_EQ(window.bundle().edtGrpNo, QStringLiteral("5001"));
    EXPECT_EQ(window.members()->rowCount(), 2);
    EXPECT_EQ(window.candidates()->rowCount(), 1);

    // A member is dispatched meanwhile: the form says so and the window goes.
    auto moved = std::make_shared<TA1ORDER>(*live.GetRecord(2));
    moved->set(A1::ORD_STATUS_CD, u"3001");
    moved->set(A1::ORD_GRP_NO, u"5001");
    window.bundle().orderChanged(*moved);
    EXPECT_EQ(shown, QStringList{"묶음 주문의 상태가 변경되었습니다."});
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.bundle().isOpen());

    // Opened again and closed from its title bar: the form closes with it, so the dispatch no
    // longer feeds a window nobody sees.
    live.GetRecord(2)->set(A1::ORD_STATUS_CD, u"2001");
    ASSERT_TRUE(window.openFor(popup));
    ASSERT_TRUE(window.bundle().isOpen());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.bundle().isOpen());
    EXPECT_TRUE(window.bundle().members().isEmpty());
}
