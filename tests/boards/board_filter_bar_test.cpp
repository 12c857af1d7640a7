#include "boards/ui/board_filter_bar.h"

#include "grid/grid_table_model.h"
#include "grid/ui/check_combo_box.h"
#include "layout_check.h"
#include "boards/board_globals.h"
#include "orders/order_globals.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include "common/qstring_print.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace
{
// A live board with the columns the status, search and distance filters read.
void fillLive(GridTableModel &m)
{
    auto col = [](const char *name, GridValueType type = GridValueType::Text) {
        return GridColumn{QString::fromLatin1(name), QString::fromLatin1(name), type, {}};
    };
    m.setColumns({col("CTV_MAIN_ORD_NO"), col("CTV_MAIN_STATUS_CD"), col("CTV_MAINPAY_TYPE_CD"),
                  col("CTV_MAIN_ORD_ST_DISTANCE", GridValueType::Float), col("CTV_MAIN_ORD_ST_NAME"),
                  col("CTV_MAIN_SearchSTNAME"), col("CTV_MAIN_DRVY_TYPE_CD"), col("CTV_MAIN_DVRY_GRP_TYPE")});
    m.appendRecords({{"A1", "1001", "현금", 2.0, "행복치킨", "ㅎㅂㅊㅋ", "G1", "1"},
                     {"A2", "2001", "카드", 4.0, "피자나라", "ㅍㅈㄴㄹ", "G2", "1"},
                     {"A3", "3001", "현금", 12.0, "행복분식", "ㅎㅂㅂㅅ", "G1", "1"},
                     {"A4", "1002", "카드", 1.0, "피자나라", "ㅍㅈㄴㄹ", "G3", "2"}});
}

QStringList barShown(const GridTableModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.recordValue(m.recordOfRow(r), 0).toString();
    out.sort();
    return out;
}

class BoardFilterBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetOrderGlobals();
        ResetBoardGlobals();
        G_USER_INFO.USER_TYPE_CD = "5001";
        G_USER_INFO.HD = "H01";
        G_USER_INFO.BR = "B1";
        ASSERT_TRUE(dir.isValid());
        ini = std::make_unique<TIniFile>(dir.filePath("settings.ini"));
        ini->WriteString("Status", "CB_1001", "clWhite");
        screen = std::make_unique<QWidget>();
        bar = new BoardFilterBar(screen.get());
        auto *layout = new QVBoxLayout(screen.get());
        layout->addWidget(bar->normalFilter());
        layout->addWidget(bar->selectionPanel());
        layout->addWidget(bar->shareFilter());
        layout->addWidget(bar->CBT_SEARCH);
        layout->addWidget(bar->btnDvryGrpSet);
        bar->setSettings(ini.get());
        BoardFilterBar::Hooks h;
        h.recount = [this] { ++recounts; };
        h.pausePolling = [this] { events << "pause"; };
        h.resumePolling = [this] { events << "resume"; };
        h.recountCouriers = [this] { events << "couriers"; };
        h.clearCompletedLoaded = [this] { events << "completedAgain"; };
        bar->setHooks(h);
        fillLive(live);
        bar->setModels(&live, nullptr, nullptr);
        bar->resetButtons();
        bar->setDistancePosition(10);
    }
    void TearDown() override
    {
        screen.reset();
        ResetOrderGlobals();
        ResetBoardGlobals();
    }

    QTemporaryDir dir;
    std::unique_ptr<TIniFile> ini;
    std::unique_ptr<QWidget> screen;
    BoardFilterBar *bar = nullptr;
    GridTableModel live;
    int recounts = 0;
    QStringList events;
};
} // namespace

TEST_F(BoardFilterBarTest, StatusButtonsKeepAllButtonInStep)
{
    EXPECT_EQ(barShown(live), QStringList({"A1", "A2", "A3", "A4"}));
    QToolButton *accepted = bar->statusButtons[kStAccepted];
    accepted->click(); // raising one raises 전체
    EXPECT_FALSE(bar->CBT_ST_ALL->isChecked());
    accepted->click(); // pressing the last one puts 전체 down
    EXPECT_TRUE(bar->CBT_ST_ALL->isChecked());

    bar->CBT_ST_ALL->click(); // 전체 up raises all eight: no status criteria
    for (QToolButton *b : bar->statusButtons)
        EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(barShown(live), QStringList({"A1", "A2", "A3", "A4"}));
    bar->statusButtons[kStRequested]->click();
    EXPECT_EQ(barShown(live), QStringList({"A2"}));
    bar->statusButtons[kStWaiting]->click();
    EXPECT_EQ(barShown(live), QStringList({"A2", "A4"}));

    bar->CBT_PAY_CASH->click();
    bar->CBT_PAY_PRE->click();
    EXPECT_FALSE(bar->CBT_PAY_ALL->isChecked());
    EXPECT_EQ(barShown(live), QStringList({"A2", "A4"}));
    bar->CBT_PAY_ALL->click(); // 결제 down presses the three: no payment criteria
    EXPECT_TRUE(bar->CBT_PAY_CASH->isChecked() && bar->CBT_PAY_CARD->isChecked() && bar->CBT_PAY_PRE->isChecked());
    bar->CBT_PAY_ALL->click();
    EXPECT_FALSE(bar->CBT_PAY_CASH->isChecked() || bar->CBT_PAY_CARD->isChecked() || bar->CBT_PAY_PRE->isChecked());
    EXPECT_EQ(barShown(live), QStringList({"A2", "A4"})) << "결제 up with none down restricts nothing";
    EXPECT_GT(recounts, 6) << "every click recounts";
}

TEST_F(BoardFilterBarTest, DistanceSliderSavesAndFilters)
{
    struct Step
    {
        int position;
        const char *label;
        double km;
        QStringList shown;
    };
    for (const Step &s : {Step{0, "1km", 1, {"A4"}}, Step{3, "4km", 4, {"A1", "A2", "A4"}},
                          Step{10, "무제한", 9999, {"A1", "A2", "A3", "A4"}}}) {
        SCOPED_TRACE(s.position);
        bar->TrackBar1->setValue(s.position);
        EXPECT_EQ(bar->lbDvryDistance->text(), QString::fromUtf8(s.label));
        EXPECT_EQ(G_DVRY_DIST_KM, s.km);
        EXPECT_EQ(TIniFile(ini->FileName()).ReadString("ORD", "DISPOS", "?"), QString::number(s.position));
        EXPECT_EQ(barShown(live), s.shown);
    }
    bar->CBT_DVRY_DIST->click();
    EXPECT_TRUE(bar->CBT_DVRY_DIST->isChecked()) << "the distance button cannot be raised";
}

TEST_F(BoardFilterBarTest, SearchBoxesUseTheirHints)
{
    screen->show();
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    BoardSearchBox *store = bar->CTE_CU_NAME;
    EXPECT_EQ(store->placeholderText(), QStringLiteral("가 맹 점  명"));
    store->setSearchText(store->hint());
    EXPECT_TRUE(store->text().isEmpty());

    // A caller puts the hint in as text: it counts as no search.
    store->setText(store->hint());
    bar->proc_Filter();
    EXPECT_EQ(barShown(live).size(), 4);

    store->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(events.value(0), "pause");
    EXPECT_TRUE(store->text().isEmpty()) << "entering a box clears the hint";
    store->insert(QStringLiteral("ㅍㅈ"));
    QTest::keyClick(store, Qt::Key_Return);
    EXPECT_EQ(barShown(live), QStringList({"A2", "A4"})) << "Enter filters at once";
    EXPECT_EQ(events.last(), "resume");

    store->clear();
    QTest::keyClicks(store, QStringLiteral("   "));
    events.clear();
    bar->CTE_ORD_NO->setFocus(); // leaving the box with blanks only
    QApplication::processEvents();
    EXPECT_TRUE(store->text().isEmpty());
    EXPECT_EQ(barShown(live).size(), 4);
    EXPECT_EQ(events, QStringList({"resume", "pause"}));
}

TEST_F(BoardFilterBarTest, GroupAndDispatchModes)
{
    G_BR_CHECKED = 1;
    bar->btnSelectBaeCha->click();
    EXPECT_FALSE(bar->btnSelectGrp->isChecked());
    EXPECT_TRUE(bar->CBT_ORD_IN->isHidden());
    EXPECT_FALSE(bar->CBT_ORD_IN->isChecked());
    EXPECT_FALSE(bar->btnMyReadyCall->isHidden());
    EXPECT_TRUE(bar->btnMyReadyCall->isChecked());
    EXPECT_TRUE(bar->inputs().designatedDown);

    bar->btnSelectGrp->click();
    EXPECT_TRUE(bar->btnSelectGrp->isChecked());
    EXPECT_FALSE(bar->btnSelectBaeCha->isChecked());
    EXPECT_TRUE(bar->btnMyReadyCall->isHidden());
    EXPECT_FALSE(bar->btnMyReadyCall->isChecked());
    EXPECT_TRUE(bar->CBT_ORD_IN->isChecked() && bar->CBT_WK_IN->isChecked());
    EXPECT_TRUE(bar->CBT_ORD_IN->isEnabled()) << "enabled while the selection flag is 1";

    // Own group only: the branch's group and sharing orders.
    G_SL_ORD_FILTER[2] = QStringList({"G1"});
    bar->CBT_WK_IN->click();
    EXPECT_EQ(barShown(live), QStringList({"A1", "A3", "A4"}));
    bar->CBT_WK_IN->click();
    bar->CBT_ORD_IN->click();
    EXPECT_EQ(barShown(live), QStringList({"A2"}));

    G_BR_CHECKED = 3;
    bar->btnSelectGrp->click();
    EXPECT_FALSE(bar->CBT_ORD_IN->isEnabled());
    EXPECT_EQ(barShown(live).size(), 4);
}

TEST_F(BoardFilterBarTest, BranchListThroughTheCheckCombo)
{
    bar->setUserClass("5");
    EXPECT_FALSE(bar->cccbBrName->isHidden());
    EXPECT_TRUE(bar->cccbPathCd->isHidden());
    bar->loadBranches({BranchChoice{"강남점", "B1", "G1", "99999999", "99999999", true},
                       BranchChoice{"서초점", "B2", "G2", "99999999", "99999999", true}},
                      0, {});
    EXPECT_EQ(bar->cccbBrName->itemCount(), 2);
    screen->show();
    bar->cccbBrName->showPopup();
    EXPECT_TRUE(bar->selections().FCB_SELECT_MNGBR);
    bar->cccbBrName->setChecked(0, false);
    bar->cccbBrName->setChecked(1, false); // the last ticked: it comes back
    EXPECT_FALSE(bar->cccbBrName->isChecked(0));
    EXPECT_TRUE(bar->cccbBrName->isChecked(1));
    EXPECT_TRUE(G_SL_ORD_FILTER[1].isEmpty()) << "nothing is published while the list is open";
    events.clear();
    bar->cccbBrName->hidePopup();
    EXPECT_FALSE(bar->selections().FCB_SELECT_MNGBR);
    EXPECT_EQ(G_SL_ORD_FILTER[1], QStringList({"B2"}));
    EXPECT_TRUE(events.contains("couriers"));
    EXPECT_TRUE(bar->CBT_ORD_IN->isEnabled());
    EXPECT_EQ(TIniFile(ini->FileName()).ReadSection("CHECK_BRH01B1"), QStringList({"B2"}));

    bar->takeBranchTicks({true, true});
    EXPECT_TRUE(bar->cccbBrName->isChecked(0)) << "a control screen's ticks show in the list";
    EXPECT_EQ(G_SL_ORD_FILTER[1], QStringList({"B1", "B2"}));
}

TEST_F(BoardFilterBarTest, CountLabelsAndColours)
{
    bar->setCount(2001, 17);
    EXPECT_EQ(bar->countLabel(2001)->text(), "17");
    EXPECT_EQ(bar->countLabel(2001)->objectName(), "CLB_READY_CNT");
    EXPECT_EQ(bar->countLabel(4003)->objectName(), "CLB_ETC_CNT");
    EXPECT_EQ(bar->countLabel(0)->objectName(), "CLB_TOTAL_CNT");
    EXPECT_EQ(bar->countLabel(9999), nullptr);
    bar->setStatusColour("CB_3001", ColorFromRgb(0x40, 0x80, 0x80));
    EXPECT_EQ(bar->countLabel(3001)->palette().color(QPalette::Window), QColor(0x40, 0x80, 0x80));
    bar->setStatusColour("CB_6000", ColorFromRgb(1, 2, 3)); // a same-day key: no label here
    bar->setStatusColour("garbage", ColorFromRgb(1, 2, 3));
}

TEST_F(BoardFilterBarTest, PanelsFitTheirTexts)
{
    bar->setUserClass("1");
    bar->loadPaths({CheckItem{"전체", {}, 0, true}, CheckItem{"전화", {}, 1001, true}});
    screen->resize(1400, 300);
    screen->show();
    EXPECT_EQ(LayoutCheck::Problems(screen.get()), QStringList());
}
