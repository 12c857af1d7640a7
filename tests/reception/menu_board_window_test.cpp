#include "layout_check.h"
#include "link/link_test_support.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/ui/accept_window.h"
#include "reception/ui/menu_board_panel.h"
#include "reception/ui/menu_board_popup.h"
#include "reception/ui/menu_option_panel.h"
#include "reference/reference_state.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include <memory>

namespace
{

TGOOD_OP menuWindowOp(const QString &no, const QString &name, const QString &price)
{
    TGOOD_OP op;
    op.ST_GOODS_OP_NO = no;
    op.OPTION_NAME = name;
    op.OPTION_PRICE = price;
    op.DATA_STATUS = QStringLiteral("1");
    op.VIEW_ORDER = no;
    return op;
}

// One delivery store of kind `shopType` with a group, plain goods and a goods with options.
class MenuBoardWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetLanguageTexts();
        ResetReferenceRecords();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.USER_TYPE_CD = "1001";
        G_USER_INFO.UserAuthGrade = 1;
        G_USER_INFO.MULTI_TYPE = "N";
        G_USER_SET.MenuPopup = "N";
        TST_LIST &s = G_ST_LIST.append(QStringLiteral("1000001"));
        s.ST_CODE = "1000001";
        s.ST_NAME = QStringLiteral("산들커피");
        s.SHOP_TYPE = "1";
        s.DATA_STAUS = "1";
        s.ST_SHAREYN = "N";
        s.MULTI_TYPE = "N";
        s.TEL_TYPE_CD = "1001";
        s.READY_TIME = "20";
        s.DVRY_TYPE_CD = "OWN";
        s.GOODS_GRP_LST.append(QStringLiteral("0")).GRP_NO = QStringLiteral("0");
        TST_GOODS_GROUP_LIST &grp = s.GOODS_GRP_LST.append(QStringLiteral("G1"));
        grp.GRP_NO = "G1";
        grp.GRP_NAME = QStringLiteral("커피");
        grp.DATA_STATUS = "1";
        grp.GRP_USE_TYPE = "1";
        const struct
        {
            const char *no, *name, *nam, *price, *deposit;
        } goods[] = {{"1", "아메리카노", "ㅇ", "4000", "300"}, {"2", "카페라떼", "ㅋ", "4500", "0"},
                     {"3", "치즈케이크", "ㅊ", "6000", ""},    {"4", "빙수", "ㅂ", "9000", ""}};
        for (const auto &g : goods) {
            TGOODS_LIST rec;
            rec.ST_GOODS_NO = QString::fromUtf8(g.no);
            rec.GOODS_NAME = QString::fromUtf8(g.name);
            rec.GOODS_NAM = QString::fromUtf8(g.nam);
            rec.ORD_PRICE = QString::fromUtf8(g.price);
            rec.SELL_PRICE = QString::fromUtf8(g.price);
            rec.DATA_STATUS = "1";
            rec.ORD_STATUS = "1";
            rec.CUP_DEPOSIT_PRICE = QString::fromUtf8(g.deposit);
            if (rec.ST_GOODS_NO == QLatin1String("4")) {
                rec.OP1.append(QStringLiteral("001"), menuWindowOp("001", QStringLiteral("팥"), "0"));
                rec.OP1.append(QStringLiteral("002"), menuWindowOp("002", QStringLiteral("망고"), "2000"));
                rec.ADD.append(QStringLiteral("A01"), menuWindowOp("A01", QStringLiteral("떡 추가"), "500"));
                rec.OPTION_1_CNT = "2";
                rec.ADD_GOODS_CNT = "1";
            }
            s.GOODS_LIST.append(rec.ST_GOODS_NO, rec);
            if (rec.ST_GOODS_NO != QLatin1String("3"))
                grp.GOODS.append(QLatin1Char(' ') + QString(rec.ST_GOODS_NO), rec);
        }
        InstallReceptionWindows();
        host = std::make_unique<TFRM_ACP>();
        host->resize(1280, 800);
        host->show();
        w = qobject_cast<TFRM_ACCEPT *>(
            host->proc_New_Call(ReceptionCall{s.ST_CODE, s.ST_NAME, s.TEL_TYPE_CD, 0, QStringLiteral("01012345678"), true},
                                1));
        ASSERT_NE(w, nullptr);
        w->cxPageControl1->setCurrentIndex(4);
        QApplication::processEvents();
    }

    void TearDown() override
    {
        host.reset();
        TFRM_ACP::SetWindowMaker(nullptr, {ReceptionWindow::Kind::Delivery, ReceptionWindow::Kind::DeliveryModify});
        ResetReferenceRecords();
    }

    MenuBoardTileWidget *tile(const QString &name) const
    {
        for (int i = 0; i < w->menuBoard->shownTiles(); ++i) {
            if (w->menuBoard->tiles().at(i)->tile().name == name)
                return w->menuBoard->tiles().at(i);
        }
        return nullptr;
    }
    QStringList shownNames() const
    {
        QStringList out;
        for (int i = 0; i < w->menuBoard->shownTiles(); ++i)
            out << w->menuBoard->tiles().at(i)->tile().name;
        return out;
    }
    QStringList treeLines() const
    {
        QStringList out;
        for (int i = 0; i < w->CTL_GOODS->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *it = w->CTL_GOODS->topLevelItem(i);
            out << it->text(1) + QLatin1Char('|') + it->text(3) + QLatin1Char('|') + it->text(4);
            for (int c = 0; c < it->childCount(); ++c)
                out << QStringLiteral("  ") + it->child(c)->text(1) + QLatin1Char('|') + it->child(c)->text(3);
        }
        return out;
    }

    ScriptedMsgBox boxes;
    std::unique_ptr<TFRM_ACP> host;
    TFRM_ACCEPT *w = nullptr;
};

TEST_F(MenuBoardWindowTest, TappingGoodsFillsTheItemsAndTheAmounts)
{
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("아메리카노"), QStringLiteral("카페라떼"),
                                         QStringLiteral("치즈케이크"), QStringLiteral("빙수")}));
    MenuBoardTileWidget *coffee = tile(QStringLiteral("아메리카노"));
    ASSERT_NE(coffee, nullptr);
    EXPECT_EQ(coffee->CLB_CHARGE->text(), QStringLiteral("4,000원"));
    coffee->SB_NAME->click();
    coffee->SB_PLUS->click();
    tile(QStringLiteral("카페라떼"))->CLB_CHARGE->click();
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("아메리카노(컵보증금)|2|8,600"), QStringLiteral("카페라떼|1|4,500")}));
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 13100);
    EXPECT_EQ(w->edtCupPrice->text(), QStringLiteral("600"));

    w->CCR_DOWN_AMT->setValue(1000);
    w->CCR_SRV_AMT->setValue(500);
    w->proc_Charge();
    EXPECT_EQ(w->CCR_AMOUNT->value(), 12600);

    // The list's own "-" and "+": "-" at one deletes the line.
    QTreeWidgetItem *latte = w->CTL_GOODS->topLevelItem(1);
    emit w->CTL_GOODS->itemClicked(latte, 13);
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("아메리카노(컵보증금)|2|8,600")}));
    coffee->SB_MINUS->click();
    coffee->SB_MINUS->click();
    EXPECT_TRUE(treeLines().isEmpty());
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 0);
    EXPECT_EQ(w->CCR_AMOUNT->value(), -500);
    EXPECT_FALSE(w->CCR_GOODS_AMT->isReadOnly());
}

TEST_F(MenuBoardWindowTest, OptionsPanelAddsTheChosenOptionsAndExtras)
{
    MenuBoardTileWidget *ice = tile(QStringLiteral("빙수"));
    ASSERT_NE(ice, nullptr);
    EXPECT_TRUE(ice->SB_PLUS->isHidden());
    ice->SB_NAME->click();
    AcceptMenuBoard *b = w->menuBoard;
    ASSERT_FALSE(w->PNL_OPTION->isHidden());
    EXPECT_EQ(b->options->cxGroupBox21->text(), QStringLiteral("빙수(9000원) 옵션"));
    EXPECT_FALSE(b->options->cxButton21->isEnabled());
    EXPECT_EQ(b->options->CTV_OP[0]->count(), 2);
    b->options->CTV_OP[0]->setCurrentRow(1);
    EXPECT_EQ(b->options->CTE_GOOD_NAME->text(), QStringLiteral("빙수(망고)"));
    b->options->cxButton21->click();
    b->options->cxButton21->click();
    // An extra's "+" goes under the listed line, its "-" takes it away again.
    emit b->options->CTV_ADD_GOODS->cellClicked(0, 2);
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("빙수(망고)|2|22,000"), QStringLiteral("  떡 추가|1")}));
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 22500);
    emit b->options->CTV_ADD_GOODS->cellClicked(0, 0);
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("빙수(망고)|2|22,000")}));
    b->options->CTV_OP[0]->setCurrentRow(-1);
    b->options->cxButton21->click();
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("옵션1이 선택되지 않았습니다."));
}

TEST_F(MenuBoardWindowTest, GroupConsonantAndPriceFiltersRebuildTheBoard)
{
    ASSERT_GE(w->goodsGroups->recordCount(), 2);
    w->CTV_GOODS_GRP->setCurrentIndex(w->goodsGroups->index(1, 0));
    emit w->CTV_GOODS_GRP->clicked(w->goodsGroups->index(1, 0));
    EXPECT_EQ(shownNames(),
              QStringList({QStringLiteral("아메리카노"), QStringLiteral("카페라떼"), QStringLiteral("빙수")}));
    auto *consonant = w->cxGroupBox18->findChild<QPushButton *>(QStringLiteral("CBT_ST_ACC6"));  // ㅋ-ㅌ
    ASSERT_NE(consonant, nullptr);
    consonant->click();
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("카페라떼")}));
    w->CCB_CHARGE->setCurrentIndex(2);  // up to 10,000 won, from the first group again
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("치즈케이크"), QStringLiteral("빙수")}));
    w->CTE_GOODS_NAME->setText(QStringLiteral("케이크"));
    emit w->CTE_GOODS_NAME->returnPressed();
    EXPECT_EQ(shownNames(), QStringList({QStringLiteral("치즈케이크")}));

    // Nothing changed: the board is left as it is (an open options panel stays).
    w->CTE_GOODS_NAME->clear();
    w->CCB_CHARGE->setCurrentIndex(0);
    tile(QStringLiteral("빙수"))->SB_NAME->click();
    w->proc_Load_Goods_Buttons();
    EXPECT_FALSE(w->PNL_OPTION->isHidden());
}

TEST_F(MenuBoardWindowTest, DoubleClicksTakeOneAwayAndEditTheName)
{
    MenuBoardTileWidget *coffee = tile(QStringLiteral("아메리카노"));
    coffee->SB_PLUS->click();
    coffee->SB_PLUS->click();
    QTreeWidgetItem *line = w->CTL_GOODS->topLevelItem(0);
    emit w->CTL_GOODS->itemDoubleClicked(line, 4);
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("아메리카노(컵보증금)|1|4,300")}));
    emit w->CTL_GOODS->itemDoubleClicked(w->CTL_GOODS->topLevelItem(0), 1);
    AcceptMenuBoard *b = w->menuBoard;
    ASSERT_FALSE(w->pnlGoodsModify->isHidden());
    EXPECT_FALSE(w->CTL_GOODS->isEnabled());
    EXPECT_EQ(b->edtGoodsName->text(), QStringLiteral("아메리카노"));
    EXPECT_FALSE(b->edtOpName[0]->isEnabled());
    b->edtGoodsName->setText(QString(101, QChar(0xAC00)));
    b->btnGoodsModify->click();
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("상품명 글자수를 줄여주세요"));
    EXPECT_FALSE(w->pnlGoodsModify->isHidden());
    b->edtGoodsName->setText(QStringLiteral("아이스 아메리카노"));
    b->btnGoodsModify->click();
    EXPECT_TRUE(w->pnlGoodsModify->isHidden());
    EXPECT_TRUE(w->CTL_GOODS->isEnabled());
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("아이스 아메리카노|1|4,300")}));
    EXPECT_EQ(w->CTL_GOODS->topLevelItem(0)->text(21), QStringLiteral("아이스 아메리카노"));
}

TEST_F(MenuBoardWindowTest, PopupBoardPagesKeypadAndHandsTheItemsBack)
{
    TST_LIST &st = G_ST_LIST[0];
    for (int i = 0; i < 37; ++i) {  // 41 goods: three pages of twenty
        TGOODS_LIST rec = *st.GOODS_LIST.find(QStringLiteral("2"));
        rec.ST_GOODS_NO = QString::number(100 + i);
        rec.GOODS_NAME = QStringLiteral("음료%1").arg(i);
        st.GOODS_LIST.append(rec.ST_GOODS_NO, rec);
    }
    tile(QStringLiteral("아메리카노"))->SB_PLUS->click();
    G_USER_SET.MenuPopup = "Y";
    w->cxPageControl1->setCurrentIndex(0);
    w->cxPageControl1->setCurrentIndex(4);
    TFRM_ACP_MENU_POP *pop = TFRM_ACP_MENU_POP::instance(w->window());
    G_USER_SET.MenuPopup = "N";
    ASSERT_FALSE(pop->isHidden());
    EXPECT_FALSE(w->pnlAlarmPopup->isHidden());
    EXPECT_EQ(pop->items().lines().size(), 1) << "the window's items come along";
    EXPECT_EQ(pop->goods().size(), 41);
    EXPECT_FALSE(pop->btnGoodsPrev->isEnabled());
    pop->btnGoodsNext->click();
    pop->btnGoodsNext->click();
    EXPECT_EQ(pop->FI_GOODS_PAGE, 3);
    EXPECT_FALSE(pop->btnGoodsNext->isEnabled());
    EXPECT_FALSE(pop->GSL_GOODS.at(0)->isHidden());
    EXPECT_TRUE(pop->GSL_GOODS.at(1)->isHidden());
    pop->btnGoodsPrev->click();
    pop->btnGoodsPrev->click();
    EXPECT_EQ(pop->btnGrpPos.at(0)->text(), QStringLiteral("커피"));
    EXPECT_TRUE(pop->btnGrpPos.at(1)->text().isEmpty());

    pop->GSL_GOODS.at(1)->SB_NAME->click();  // 카페라떼
    ASSERT_EQ(pop->items().lines().size(), 2);
    pop->treeGoods->setCurrentItem(pop->treeGoods->topLevelItem(0));
    pop->btnLineQty->click();
    ASSERT_FALSE(pop->pnlKeypad->isHidden());
    auto key = [&](const QString &text) {
        for (QPushButton *k : pop->keys)
            if (k->text() == text)
                k->click();
    };
    key("1");
    key("0");
    key("0");
    pop->btnKeyEnter->click();
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("상품수량은 최대 99개 입니다."));
    EXPECT_FALSE(pop->pnlKeypad->isHidden());
    key("CLS");
    key("3");
    pop->btnKeyEnter->click();
    EXPECT_TRUE(pop->pnlKeypad->isHidden());
    EXPECT_EQ(pop->items().lines().at(0).quantity, 3);
    pop->btnDiscount->click();
    for (const char *k : {"9", "9", "9", "9", "9"})
        key(QString::fromLatin1(k));
    pop->btnKeyEnter->click();
    EXPECT_EQ(boxes.shown.last().second, QStringLiteral("할인가격은 상품과 서비스금액의 합보다 클 수 없습니다."));
    key("CLS");
    key("1");
    key("00");
    key("0");
    pop->btnKeyEnter->click();
    EXPECT_EQ(pop->discount(), 1000);
    EXPECT_EQ(pop->edtTotalSum->text(), QStringLiteral("16,400"));  // 3 × 4,300 + 4,500 − 1,000

    const QStringList problems = LayoutCheck::Problems(pop);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        pop->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_menu_popup.png"));

    pop->btnMenuClose->click();
    EXPECT_TRUE(pop->isHidden());
    EXPECT_EQ(treeLines(), QStringList({QStringLiteral("아메리카노(컵보증금)|3|12,900"), QStringLiteral("카페라떼|1|4,500")}));
    EXPECT_EQ(w->CCR_DOWN_AMT->value(), 1000);
    EXPECT_EQ(w->CCR_AMOUNT->value(), 16400);

    // Emptied on the board, emptied in the window; the close box keeps the window as it was.
    G_USER_SET.MenuPopup = "Y";
    w->cxPageControl1->setCurrentIndex(0);
    w->cxPageControl1->setCurrentIndex(4);
    G_USER_SET.MenuPopup = "N";
    pop->treeGoods->setCurrentItem(pop->treeGoods->topLevelItem(0));
    pop->btnLineDelete->click();
    pop->hide();
    EXPECT_EQ(treeLines().size(), 2);
    G_USER_SET.MenuPopup = "Y";
    w->cxPageControl1->setCurrentIndex(0);
    w->cxPageControl1->setCurrentIndex(4);
    G_USER_SET.MenuPopup = "N";
    pop->treeGoods->setCurrentItem(pop->treeGoods->topLevelItem(0));
    pop->btnLineDelete->click();
    pop->treeGoods->setCurrentItem(pop->treeGoods->topLevelItem(0));
    pop->btnLineDelete->click();
    pop->btnMenuClose->click();
    EXPECT_TRUE(treeLines().isEmpty());
    EXPECT_EQ(w->CCR_GOODS_AMT->value(), 0);
}

TEST_F(MenuBoardWindowTest, BoardWithGoodsPassesTheLayoutCheck)
{
    tile(QStringLiteral("아메리카노"))->SB_NAME->click();
    tile(QStringLiteral("빙수"))->SB_NAME->click();
    QApplication::processEvents();
    const QStringList problems = LayoutCheck::Problems(host.get());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        host->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_menu_board.png"));
}

} // namespace
