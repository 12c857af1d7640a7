#include "layout_check.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "records/delivery_group_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/reception_rules.h"
#include "reception/ui/accept_window.h"
#include "reference/reference_state.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include <memory>

namespace
{
const QList<ReceptionWindow::Kind> kDeliveryKinds{ReceptionWindow::Kind::Delivery,
                                                  ReceptionWindow::Kind::DeliveryModify};

// A window whose customer lookup lets another call in, as a reply's wait or a message box would.
class ReenteringWindow : public TFRM_ACCEPT
{
public:
    using TFRM_ACCEPT::TFRM_ACCEPT;
    std::function<void()> duringLookup;
    QString telSeenAtLookup;
    void proc_Load_Customer() override
    {
        telSeenAtLookup = CTE_CU_TEL->text();
        if (duringLookup) {
            auto once = std::move(duringLookup);
            duringLookup = nullptr;
            once();
        }
    }
};

class AcceptWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetLanguageTexts();
        ResetReferenceRecords();
        gsl_Out_DVRY.clear();
        CCB_O8.clear();
        G_USER_INFO = TUSER_INFO();
        G_USER_INFO.USER_TYPE_CD = "1001";
        G_USER_INFO.UserAuthGrade = 1;
        G_USER_INFO.MULTI_TYPE = "N";
        G_USER_SET.MenuPopup = "N";
        for (int i = 1; i <= 40; ++i) {
            const QString code = QStringLiteral("10000%1").arg(i, 2, 10, QLatin1Char('0'));
            TST_LIST &s = G_ST_LIST.append(code);
            s.ST_CODE = code;
            s.ST_NAME = QStringLiteral("가게%1").arg(i);
            s.SHOP_TYPE = i == 3 ? "7" : (i == 2 ? "2" : "1");
            s.DATA_STAUS = "1";
            s.ST_SHAREYN = "N";
            s.MULTI_TYPE = "N";
            s.TEL_TYPE_CD = "1001";
            s.READY_TIME = "20";
            s.DVRY_LOCK_TIME = 15;
            s.DVRY_TYPE_CD = "OWN";
            TDVRY_LIST out;
            out.DVRY_TYPE_CD = "G2";
            out.DT_NAME = QStringLiteral("이웃그룹");
            s.DVRY_OUT_LIST = {out};
        }
        CCB_O8.add(QStringLiteral("OWN"), QStringLiteral("우리그룹"));
        CCB_O8.add(QStringLiteral("G2"), QStringLiteral("이웃그룹"));
        TDVRY_GRP_INFO own;
        own.DVRY_TYPE_CD = "OWN";
        own.STATUS_TYPE = "1";
        TDVRY_GRP_INFO g2;
        g2.DVRY_TYPE_CD = "G2";
        g2.STATUS_TYPE = "1";
        g2.DELAY_TIME = 6;
        g2.BMNG_TIME = "Y";
        g2.MNG_STIME = "2200";
        g2.MNG_ETIME = "0400";
        G_DVRY_GRP_INFO = {own, g2};
        gsl_Out_DVRY = {QStringLiteral("G2")};
        for (const auto &[dt, name] : {std::pair{"1001", "전화"}, std::pair{"1002", "앱"}}) {
            TCOM_CODE_LIST c;
            c.SY_CODE = "O3";
            c.DT_CODE = dt;
            c.DT_NAME = QString::fromUtf8(name);
            c.DT_VALUE = "1";
            c.DT_VALUE2 = "12";
            G_COM_CODE_LIST.append(c);
        }
        TFRM_ACCEPT::SetClockForTest(QStringLiteral("1200"));
        InstallReceptionWindows();
    }

    void TearDown() override
    {
        host.reset();
        TFRM_ACP::SetWindowMaker(nullptr, kDeliveryKinds);
        TFRM_ACCEPT::SetClockForTest(QString());
        ResetReferenceRecords();
        gsl_Out_DVRY.clear();
        CCB_O8.clear();
    }

    TFRM_ACP *makeHost()
    {
        host = std::make_unique<TFRM_ACP>();
        host->resize(1280, 800);
        host->show();
        return host.get();
    }

    static TFRM_ACCEPT *acc(ReceptionWindow *w) { return qobject_cast<TFRM_ACCEPT *>(w); }

    static ReceptionCall call(int storeIndex, const QString &tel)
    {
        const TST_LIST &s = G_ST_LIST.at(storeIndex);
        return ReceptionCall{s.ST_CODE, s.ST_NAME, s.TEL_TYPE_CD, storeIndex, tel, true};
    }

    std::unique_ptr<TFRM_ACP> host;
};

TEST_F(AcceptWindowTest, CallOpensAFreshWindowOnTheFirstFreeTab)
{
    TFRM_ACP *h = makeHost();
    QSignalSpy opened(h, &TFRM_ACP::callOpened);
    TFRM_ACCEPT *w = acc(h->proc_New_Call(call(4, "01012345678"), 1));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w, h->FRM_ACP_LIST.at(0));
    EXPECT_TRUE(h->tabShown(0));
    EXPECT_EQ(h->pages->tabText(0), QStringLiteral("접수1"));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(w->isHidden());
    // Leave traces of a finished order in the window, then take a second call on it.
    w->GS_GRP_NO = "B77";
    w->GS_DELIVERY_CHARGE = "old";
    w->CCB_DEL_CNT->setCurrentIndex(3);
    w->CM_ETC->setText(QStringLiteral("지난 주문"));
    w->proc_Close_Accept();
    EXPECT_FALSE(h->tabShown(0));
    w = acc(h->proc_New_Call(call(0, QString()), 0));
    ASSERT_EQ(w, h->FRM_ACP_LIST.at(0));

    const struct
    {
        const char *what;
        QString actual;
        QString expected;
    } state[] = {
        {"store", w->CTE_ST_NO->text(), "1000001"},
        {"store name", w->CTE_ST_NAME->text(), QStringLiteral("가게1")},
        {"caller (the store itself)", w->CTE_CU_TEL->text(), ""},
        {"bundle", w->GS_GRP_NO, ""},
        {"memo", w->CM_ETC->text(), ""},
        {"count", w->CCB_DEL_CNT->currentText(), "1"},
        {"order path", w->CCB_O3->currentData().toString(), "1001"},
        {"cooking time", w->CCB_WAIT_TIME->currentText(), QStringLiteral("20분")},
        {"lock time", w->CCB_LOCK_TIME->currentText(), QStringLiteral("20초")},
        {"distance", w->CLB_DIS->text(), "0.000km"},
        {"ready label", w->CLB_READY_CTH->text(), QStringLiteral("배차후\r\n조리")},
        {"delivery group", w->CCB_O8->currentData().toString(), "OWN"},
    };
    for (const auto &s : state)
        EXPECT_EQ(s.actual, s.expected) << s.what;
    EXPECT_TRUE(w->GB_LOAD);
    EXPECT_TRUE(w->GB_CAL_CHARGE);
    EXPECT_FALSE(w->GB_GOODS);
    EXPECT_TRUE(w->CRB_ORD->isChecked());
    EXPECT_TRUE(w->CBR_READY_CTH_N->isChecked());
    EXPECT_FALSE(w->CGB_ACC->isHidden());
    EXPECT_TRUE(w->CGB_ST1001->isHidden());
    EXPECT_EQ(w->cxPageControl1->currentIndex(), 1) << "a call opens on the delivery groups";
    EXPECT_FALSE(w->cxPageControl1->isTabVisible(5));
    EXPECT_EQ(w->stores->recordCount(), 40);
}

TEST_F(AcceptWindowTest, EveryWindowTakesItsOwnTabAndASecondCallWaitsForTheFirst)
{
    TFRM_ACP::SetWindowMaker(
        [](ReceptionWindow::Kind kind, QWidget *parent) -> ReceptionWindow * {
            return new ReenteringWindow(kind, parent);
        },
        kDeliveryKinds);
    TFRM_ACP *h = makeHost();
    auto *first = static_cast<ReenteringWindow *>(h->FRM_ACP_LIST.at(0));
    auto *second = static_cast<ReenteringWindow *>(h->FRM_ACP_LIST.at(1));
    ReceptionWindow *duringResult = first;
    first->duringLookup = [&] { duringResult = h->proc_New_Call(call(5, "0215880000"), 1); };
    ReceptionWindow *got = h->proc_New_Call(call(4, "01011112222"), 1);
    EXPECT_EQ(got, first);
    EXPECT_EQ(duringResult, nullptr) << "queued, not started inside the first set-up";
    EXPECT_EQ(first->CTE_CU_TEL->text(), QStringLiteral("01011112222"));
    EXPECT_EQ(first->telSeenAtLookup, QStringLiteral("01011112222"));
    EXPECT_EQ(second->CTE_CU_TEL->text(), QStringLiteral("0215880000")) << "the waiting call got the next window";
    EXPECT_EQ(second->CTE_ST_NO->text(), QStringLiteral("1000006"));
    EXPECT_TRUE(h->tabShown(0));
    EXPECT_TRUE(h->tabShown(1));

    for (int i = 2; i < 5; ++i)
        EXPECT_EQ(h->proc_New_Call(call(i, QString()), 0), h->FRM_ACP_LIST.at(i));
    EXPECT_EQ(h->proc_New_Call(call(1, QString()), 0), nullptr) << "all five in use";
    // The modify window joins on its own tab.
    h->openInTab(h->FRM_MOD_LIST, 5, QStringLiteral("수정[접수-1]"));
    h->FRM_MOD_LIST->GI_GUBUN = 1;
    h->FRM_MOD_LIST->proc_Init();
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(h->tabShown(i)) << i;

    // Closing the current window makes the first still open tab current.
    h->pages->setCurrentIndex(3);
    acc(h->FRM_ACP_LIST.at(3))->proc_Close_Accept();
    EXPECT_FALSE(h->tabShown(3));
    EXPECT_EQ(h->pages->currentIndex(), 0);
}

TEST_F(AcceptWindowTest, ManagementHoursShowAfterTheWholeLoad)
{
    TFRM_ACP *h = makeHost();
    TFRM_ACCEPT *w = acc(h->proc_New_Call(call(0, QString()), 1));
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->groups->recordCount(), 2);
    EXPECT_EQ(w->groups->recordValue(0, kGrpName).toString(), QStringLiteral("(내그룹)우리그룹"));
    EXPECT_EQ(w->groups->recordValue(1, kGrpStatus).toString(), QStringLiteral("0"))
        << "noon is outside 22:00-04:00, also after the refresh";
    EXPECT_EQ(w->groups->recordValue(1, kGrpDelay).toString(), QStringLiteral("6분지연"));
    EXPECT_EQ(w->groups->recordValue(1, kGrpSurcharge).toString(), QStringLiteral("미할증"));
    TFRM_ACCEPT::SetClockForTest(QStringLiteral("2330"));
    w->proc_Filter_Dvry_Group();
    EXPECT_EQ(w->groups->recordValue(1, kGrpStatus).toString(), QStringLiteral("1"));

    // Choosing the neighbouring group shows its delay; the own group has none.
    EXPECT_TRUE(w->lblDelay->text().isEmpty());
    w->CCB_O8->setCurrentIndex(1);
    w->proc_Cooking_Time();
    EXPECT_EQ(w->lblDelay->text(), QStringLiteral("+6분"));
    w->CTE_DVRY_NAME->setText(QStringLiteral("내그룹"));
    w->proc_Filter_Dvry_Group();
    EXPECT_EQ(w->groups->rowCount(), 1);
    w->CTE_DVRY_NAME->setText(QStringLiteral("  "));
    w->proc_Filter_Dvry_Group();
    EXPECT_EQ(w->groups->rowCount(), 2);
    w->CTE_ST_NAME_SEARCH->setText(QStringLiteral("가게1"));
    w->proc_Filter_Store_List();
    EXPECT_EQ(w->stores->rowCount(), 11);  // 가게1, 가게10..가게19
}

TEST_F(AcceptWindowTest, StoreKindsAndServiceKindSwitchTheLayout)
{
    TFRM_ACP *h = makeHost();
    TFRM_ACCEPT *w = acc(h->proc_New_Call(call(2, QString()), 1));  // same-day store
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->btnOrdSaveReady->text(), QStringLiteral("집화요청"));
    EXPECT_EQ(w->btnOrdSaveReady->property("Tag").toInt(), 6101);
    EXPECT_EQ(w->lbMakeTime->text(), QStringLiteral("고객명"));
    EXPECT_FALSE(w->edCustName->isHidden());
    EXPECT_EQ(w->sOrderType, QStringLiteral("1009"));
    // Back to a delivery store.
    w->CTE_ST_NO->setText(G_ST_LIST.at(0).ST_CODE);
    w->proc_Set_Store_Layout();
    EXPECT_EQ(w->btnOrdSaveReady->property("Tag").toInt(), 2001);
    EXPECT_TRUE(w->edCustName->isHidden());
    // Errand store.
    w->CTE_ST_NO->setText(G_ST_LIST.at(1).ST_CODE);
    w->proc_Set_Store_Layout();
    EXPECT_EQ(w->lbMakeTime->text(), QStringLiteral("준비시간"));
    EXPECT_TRUE(w->CRB_SEDRAN->isChecked());
    EXPECT_TRUE(w->CGB_READH_CTH->isHidden());
    // An unknown store empties the name only.
    w->CTE_ST_NO->setText(QStringLiteral("9999999"));
    w->proc_Set_Store_Layout();
    EXPECT_TRUE(w->CTE_ST_NAME->text().isEmpty());

    // Take-out parks the address in the hints and delivery brings it back exactly.
    w->CTE_ST_NO->setText(G_ST_LIST.at(0).ST_CODE);
    w->proc_Set_Store_Layout();
    w->CTE_ADDR1->setText(QStringLiteral("서울 중구 세종대로 110"));
    w->CTE_ADDR_NAME->setText(QStringLiteral("시청"));
    w->CM_ADDR_DETAIL->setText(QStringLiteral("3층"));
    w->CTE_CU_MAP_X->setText(QStringLiteral("126.97"));
    w->CTE_DIS->setText(QStringLiteral("1.5"));
    w->GS_DELIVERY_CHARGE = QStringLiteral("sent");
    w->CRG_TAKEOUT->setChecked(true);
    w->proc_Set_Service_Kind();
    EXPECT_TRUE(w->CTE_ADDR1->text().isEmpty());
    EXPECT_TRUE(w->CM_ADDR_DETAIL->text().isEmpty());
    EXPECT_TRUE(w->GS_DELIVERY_CHARGE.isEmpty());
    EXPECT_FALSE(w->CCB_TAKEOUT_TIME->isHidden());
    EXPECT_EQ(w->cxLabel4->text(), QStringLiteral("테이크아웃\r\n예정시간"));
    w->CRB_ORD->setChecked(true);
    w->proc_Set_Service_Kind();
    EXPECT_EQ(w->CTE_ADDR1->text(), QStringLiteral("서울 중구 세종대로 110"));
    EXPECT_EQ(w->CTE_ADDR_NAME->text(), QStringLiteral("시청"));
    EXPECT_EQ(w->CM_ADDR_DETAIL->text(), QStringLiteral("3층"));
    EXPECT_EQ(w->CTE_CU_MAP_X->text(), QStringLiteral("126.97"));
    EXPECT_EQ(w->CTE_DIS->text(), QStringLiteral("1.5"));
    EXPECT_TRUE(w->CCB_TAKEOUT_TIME->isHidden());
}

TEST_F(AcceptWindowTest, ModifyWindowRightsAndStatusButtons)
{
    TFRM_ACP *h = makeHost();
    auto *w = acc(h->FRM_MOD_LIST);
    ASSERT_NE(w, nullptr);
    h->openInTab(w, 5, QStringLiteral("수정[배차-3]"));
    // An order of a store outside the user's list, opened from past orders.
    w->CTE_ST_NO->setText(QStringLiteral("7777777"));
    w->GI_GUBUN = 1;
    w->GI_ORD = 2;
    w->GS_ST_CD = "2001";
    w->CTE_CU_TEL->setText(QStringLiteral("01099998888"));
    w->proc_Init();
    EXPECT_EQ(w->GS_ST_CD, QStringLiteral("2001")) << "the opener's status stays";
    EXPECT_FALSE(w->edtCuTel->isHidden()) << "the telephone is covered";
    EXPECT_FALSE(w->cxPageControl1->isTabVisible(0));
    EXPECT_TRUE(w->cxPageControl1->isTabVisible(5));
    EXPECT_FALSE(w->cxPageControl1->isTabVisible(6));
    EXPECT_FALSE(w->CCB_WAIT_TIME->isEnabled());
    EXPECT_TRUE(w->CSE_DEL_FEE->isEnabled()) << "the fee stays usable";
    for (QPushButton *b : w->statusButtons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(w->GB_LOAD);
    EXPECT_TRUE(w->GB_CAL_CHARGE);

    // Opened from today's orders for the user's own store: the buttons work.
    w->CTE_ST_NO->setText(G_ST_LIST.at(0).ST_CODE);
    w->GI_ORD = 1;
    w->proc_Init();
    for (QPushButton *b : w->statusButtons)
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(w->edtCuTel->isHidden());
    EXPECT_TRUE(w->CCB_WAIT_TIME->isEnabled());
    EXPECT_EQ(w->cxPageControl1->currentIndex(), 5);
}

TEST_F(AcceptWindowTest, NewAndModifyWindowsPassTheLayoutCheck)
{
    TFRM_ACP *h = makeHost();
    TFRM_ACCEPT *w = acc(h->proc_New_Call(call(0, "01012345678"), 1));
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    for (int page = 0; page < w->cxPageControl1->count(); ++page) {
        if (!w->cxPageControl1->isTabVisible(page))
            continue;
        w->cxPageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        const QStringList problems = LayoutCheck::Problems(h);
        EXPECT_TRUE(problems.isEmpty()) << "page " << page << ": " << problems.join(QLatin1Char('\n')).toStdString();
    }
    auto *m = acc(h->FRM_MOD_LIST);
    h->openInTab(m, 5, QStringLiteral("수정[접수-1]"));
    m->GI_GUBUN = 1;
    m->proc_Init();
    QApplication::processEvents();
    const QStringList problems = LayoutCheck::Problems(h);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
        h->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_window.png"));
}

TEST_F(AcceptWindowTest, WheelOverTheGoodsScrollsThemOnly)
{
    TFRM_ACP *h = makeHost();
    TFRM_ACCEPT *w = acc(h->proc_New_Call(call(0, QString()), 1));
    ASSERT_NE(w, nullptr);
    w->cxPageControl1->setCurrentIndex(4);
    w->CGB_GOODS->setMinimumHeight(3000);
    QApplication::processEvents();
    QScrollBar *bar = w->cxScrollBox1->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    auto wheel = [](QWidget *target, int delta) {
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        return QApplication::sendEvent(target, &e);
    };
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w->CGB_GOODS, &enter);
    EXPECT_EQ(w->wheelTag, 1);
    wheel(w->CGB_GOODS, -120);
    EXPECT_EQ(bar->value(), bar->singleStep()) << "one line down";
    wheel(w->CGB_GOODS, 120);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(w->cxPageControl1->currentIndex(), 4);
    // After the mouse has been over the goods groups the wheel is left alone.
    QApplication::sendEvent(w->CTV_GOODS_GRP, &enter);
    EXPECT_EQ(w->wheelTag, 0);
    wheel(w->CGB_GOODS, -120);
    EXPECT_EQ(bar->value(), 0);
}
} // namespace
