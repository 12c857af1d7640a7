// The reception window's menu board in the assembled program against the demo world: the store's
// goods arrive from the sandbox, a tap on a tile lists the goods with its price and the amounts
// follow, a goods with options goes through the options panel.
#include "e2e_fixture.h"

#include "common/program_globals.h"
#include "main/top_menu.h"
#include "main/ui/reception_host.h"
#include "main/ui/start_forms.h"
#include "records/reference_records.h"
#include "reception/ui/accept_window.h"
#include "reception/ui/menu_board_panel.h"
#include "reception/ui/menu_option_panel.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

TEST_F(EndToEndTest, MenuBoardTapsFillTheOrderAndItsAmounts)
{
    startAs(QStringLiteral("branch01"), QStringLiteral("Branch!2026pw"));
    auto *acp = qobject_cast<TFRM_ACP *>(FRM_ACP);
    ASSERT_NE(acp, nullptr);
    ASSERT_TRUE(waitForStoreDetails());
    G_HAS_QUICK_STORE = false;
    window->TopButtonClick(TopButton::Reception);
    auto *w = qobject_cast<TFRM_ACCEPT *>(acp->FRM_ACP_LIST.at(0));
    ASSERT_NE(w, nullptr);
    w->cxPageControl1->setCurrentIndex(4);
    AcceptMenuBoard *board = w->menuBoard;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            w->FSELECT_ST_CLOSE = true;
            w->proc_Load_Goods_Buttons();
            return board->shownTiles() > 0;
        },
        30000));

    MenuBoardTileWidget *plain = nullptr;
    MenuBoardTileWidget *withOptions = nullptr;
    for (int i = 0; i < board->shownTiles(); ++i) {
        MenuBoardTileWidget *t = board->tiles().at(i);
        if (!t->tile().onSale)
            continue;
        if (t->tile().plusMinus && !plain)
            plain = t;
        if (!t->tile().plusMinus && !withOptions)
            withOptions = t;
    }
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(withOptions, nullptr);
    plain->SB_NAME->click();
    plain->SB_PLUS->click();
    ASSERT_EQ(w->CTL_GOODS->topLevelItemCount(), 1);
    EXPECT_EQ(w->CTL_GOODS->topLevelItem(0)->text(3), QStringLiteral("2"));
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 2 * plain->tile().price);

    withOptions->SB_NAME->click();
    ASSERT_FALSE(w->PNL_OPTION->isHidden());
    for (QListWidget *list : board->options->CTV_OP) {
        if (list->count() > 0)
            list->setCurrentRow(list->count() - 1);
    }
    board->options->cxButton21->click();
    ASSERT_EQ(w->CTL_GOODS->topLevelItemCount(), 2);
    const qint64 second = w->CTL_GOODS->topLevelItem(1)->data(4, Qt::UserRole).toLongLong();
    EXPECT_GE(second, withOptions->tile().price);
    w->CCR_DOWN_AMT->setValue(1000);
    w->proc_Charge();
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 2 * plain->tile().price + second);
    EXPECT_EQ(w->CCR_AMOUNT->value(), w->CCR_GOODS_AMT->value() - 1000);
    w->btnCashPayed->click();
    EXPECT_TRUE(w->btnCashPayed->isChecked());
    EXPECT_FALSE(w->btnCardPayed->isChecked());

    board->options->cxButton18->click();
    EXPECT_TRUE(w->PNL_OPTION->isHidden());
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        window->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_menu_board_demo.png"));
    w->proc_Close_Accept();
}
