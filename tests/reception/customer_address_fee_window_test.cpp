// The reception window's customer lookup, address search and fee against scripted exchanges, and
// the address popup's hand-over to a window that is not a reception window.
#include "layout_check.h"

#include "common/message_box.h"
#include "common/program_globals.h"
#include "grid/grid_table_model.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/reception_rules.h"
#include "reception/ui/accept_window.h"
#include "reception/ui/address_search_popup.h"
#include "reference/reference_state.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace
{
QString jsonText(const QJsonObject &o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QJsonObject keyed(const QStringList &values)
{
    QJsonObject o;
    for (int i = 0; i < values.size(); ++i)
        o.insert(QStringLiteral("C_%1").arg(i), values.at(i));
    return o;
}

QString feeReplyText(const QString &fee, const QString &surcharge)
{
    return jsonText({{"OUT_CODE", "1"}, {"OUT_VAL", "기본"}, {"OUT_ROW1", QJsonArray{keyed({fee, "700", surcharge, "2500.4"})}}});
}

QJsonObject serviceHit(const QString &kind, const QString &building)
{
    return {{"SCH_TYPE", kind}, {"SIDO", "서울특별시"}, {"SIGUNGU", "강남구"}, {"DONG", "역삼동"},
            {"JIBUN_ADDR", "서울특별시 강남구 역삼동 12"}, {"ROAD_ADDR", "서울특별시 강남구 테헤란로 10"},
            {"H_DONG", "역삼1동"}, {"ROAD_NAME", "테헤란로"}, {"BUILDING_NAME", building}, {"MAIN_ADDERSS_NO", "12"},
            {"SUB_ADDERSS_NO", ""}, {"MAIN_BUILDING_NO", "10"}, {"SUB_BUILDING_NO", ""}, {"LOCATION_X", "127.0300"},
            {"LOCATION_Y", "37.5000"}};
}

class ReceptionCustomerFeeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetReferenceRecords();
        G_USER_SET = TUSER_SET();
        G_USER_SET.SearchAutoDaum = "Y";
        G_USER_SET.AddrPopup = "N";
        TST_LIST &s = G_ST_LIST.append(QStringLiteral("S0001"));
        s.ST_CODE = "S0001";
        s.ST_LNG_X = "127.0276";
        s.ST_LAT_Y = "37.4979";
        SetMsgBoxHandler([this](const QString &text, const QString &) {
            messages << text;
            return 1;
        });
    }
    void TearDown() override
    {
        SetMsgBoxHandler({});
        ResetReferenceRecords();
        G_USER_SET = TUSER_SET();
    }

    // A window ready to ask for fees: store, store position and a delivery group.
    std::unique_ptr<TFRM_ACCEPT> makeWindow(ReceptionWindow::Kind kind = ReceptionWindow::Kind::Delivery)
    {
        auto w = std::make_unique<TFRM_ACCEPT>(kind);
        w->feeCache.setRequest([this](const QString &, const QString &, const QString &payload) {
            feePayloads << payload;
            return feeReply;
        });
        w->CTE_ST_NO->setText(QStringLiteral("S0001"));
        w->CTE_ST_MAX_X->setText(QStringLiteral("127.0276"));
        w->CTE_ST_MAX_Y->setText(QStringLiteral("37.4979"));
        w->CCB_O8->addItem(QStringLiteral("우리그룹"), QStringLiteral("OWN"));
        w->CCB_O8->setCurrentIndex(0);
        w->CRB_ORD->setChecked(true);
        w->GB_CAL_CHARGE = true;
        return w;
    }

    QStringList messages, feePayloads;
    QString feeReply = feeReplyText("3000", "0");
};

TEST_F(ReceptionCustomerFeeTest, CustomerFillsThePageTheNewestAddressAndAsksTheFee)
{
    for (const auto kind : {ReceptionWindow::Kind::Delivery, ReceptionWindow::Kind::DeliveryModify}) {
        feePayloads.clear();
        auto w = makeWindow(kind);
        QStringList sent;
        w->customerRequestList = [&](const QString &code, const QString &, const QString &payload) {
            sent << code + QLatin1Char(':') + payload;
            const QStringList order = {"2026-03-04 18:20:00", "4001", "", "서울특별시 강남구 역삼동 12", "23000", "김배달",
                                       "01099998888", "역삼동 12", "3층", "37.5100", "127.0300", "1",
                                       "서울특별시 강남구 테헤란로 10", "P0001", "1"};
            QStringList older = order;
            older[9] = "37.6";
            return QStringList{jsonText(
                {{"OUT_CODE", "1"},
                 {"OUT_ROW1", QJsonArray{keyed({"C9", "F", "3", "김고객", "N", "", "1500", "2", "조용히", "2", "7", "",
                                                "", "Y", "2025-12-01 09:05:00"})}},
                 {"OUT_ROW2", QJsonArray{keyed(order), keyed(older)}},
                 {"OUT_ROW3", QJsonArray{}}})};
        };
        w->CTE_CU_TEL->setText(QStringLiteral("010-1234 5678"));
        w->cxPageControl1->setCurrentIndex(0);
        w->proc_Load_Customer();
        ASSERT_EQ(sent.size(), 1);
        EXPECT_EQ(sent.first(), QStringLiteral("CS01_03_V02:") + JoinRequestFields({"S0001", "01012345678"}));
        EXPECT_EQ(w->CTE_CU_NAME->text(), QStringLiteral("김고객"));
        EXPECT_EQ(w->edCustName->text(), QStringLiteral("김고객"));
        EXPECT_EQ(w->CCB_GENDER->currentData().toString(), QStringLiteral("F"));
        EXPECT_EQ(w->CTE_LUMBO_PAY->text(), QStringLiteral("1,500"));
        EXPECT_EQ(w->CRB_CUST->text(), QStringLiteral("비회원"));
        EXPECT_FALSE(w->CBT_APP_SEND->isHidden());
        EXPECT_TRUE(w->CBT_APP_SEND->isEnabled());
        EXPECT_TRUE(w->cxImageComboBox1->isHidden());
        EXPECT_EQ(w->CTE_FIRST_ORD_DT->text(), QStringLiteral("2025-12-01\r\n09:05"));
        EXPECT_EQ(w->custOrders->recordCount(), 2);
        EXPECT_EQ(w->CTE_CU_MAP_Y->text(), QStringLiteral("37.5100")) << "the newest order's address";
        EXPECT_EQ(w->CM_ADDR_DETAIL->text(), QStringLiteral("3층"));
        EXPECT_EQ(w->CTE_ADDR_NAME_NEW->text(), QStringLiteral("서울특별시 강남구 테헤란로 10"));
        ASSERT_EQ(feePayloads.size(), 1);
        EXPECT_EQ(w->CSE_DEL_FEE->value(), 3000);
        EXPECT_EQ(w->CLB_DIS->text(), QStringLiteral("2.5Km"));
        // The new-order window opens the address page to confirm the address; the modify window stays.
        EXPECT_EQ(w->cxPageControl1->currentIndex(), kind == ReceptionWindow::Kind::Delivery ? 3 : 0);
    }
}

TEST_F(ReceptionCustomerFeeTest, NoReplyAndMaskedTelephoneChangeNothing)
{
    auto w = makeWindow();
    int asked = 0;
    w->customerRequestList = [&](const QString &, const QString &, const QString &) {
        ++asked;
        return QStringList();
    };
    w->CTE_CU_NAME->setText(QStringLiteral("그대로"));
    w->CTE_CU_TEL->setText(QStringLiteral("0101234"));
    w->proc_Load_Customer();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(w->CTE_CU_NAME->text(), QStringLiteral("그대로"));
    w->CTE_CU_TEL->setReadOnly(true);
    w->proc_Load_Customer();
    EXPECT_EQ(asked, 1);
}

TEST_F(ReceptionCustomerFeeTest, FeeLabelSupportFloorAndManagementFee)
{
    auto w = makeWindow();
    feeReply = feeReplyText("3000", "500");
    w->edSTAddPrice->setText(QStringLiteral("1000"));
    w->CTE_CU_MAP_X->setText(QStringLiteral("-1"));
    w->CTE_CU_MAP_Y->setText(QStringLiteral("37.51"));
    w->proc_Delivery_Charge(false);
    EXPECT_TRUE(feePayloads.isEmpty()) << "no customer position";
    EXPECT_EQ(w->CCE_BASE_FEE->text(), QStringLiteral("배차후결정"));
    w->CTE_CU_MAP_X->setText(QStringLiteral("127.03"));
    w->GS_ST_CD = "3001";
    w->GS_WK_CODE = "W1";
    w->proc_Delivery_Charge(false);
    ASSERT_EQ(feePayloads.size(), 1);
    EXPECT_EQ(w->CSE_DEL_FEE->value(), 4000);
    EXPECT_TRUE(w->CMM_DVRY_CHARGE->toPlainText().endsWith(QStringLiteral("추가요금: 1000")));
    EXPECT_EQ(w->cxLabel4->text(), QStringLiteral("배달료\n할증:500"));
    EXPECT_EQ(w->CCE_BASE_FEE->value(), 700) << "a dispatched order with a courier shows its management fee";
    w->proc_Delivery_Charge(false);
    EXPECT_EQ(feePayloads.size(), 1) << "the same inputs are not asked again";
    // A fee typed below the store's support is raised to it.
    w->CSE_DEL_FEE->setValue(200);
    w->proc_Fee_Floor();
    EXPECT_EQ(w->CSE_DEL_FEE->value(), 1000);
}

TEST_F(ReceptionCustomerFeeTest, SearchAppliesTheFirstRowAndRemembersOnlyASearchThatWentThrough)
{
    auto w = makeWindow();
    QString addressReply;
    const QString keywordReply = jsonText({{"RETURN_CODE", "1"}, {"OUT_ROW1", QJsonArray{serviceHit("FD6", "한빛타워")}}});
    w->addrSearch = AddressSearch([&](const FormFields &f) {
        return f.first().second == QLatin1String("A") ? addressReply : keywordReply;
    });
    w->CTE_ADDR_WORD_S2->setText(QStringLiteral("한빛"));
    w->proc_Load_Addr_Daum(1);
    EXPECT_TRUE(w->GS_ADDR_SEARCH.isEmpty()) << "the service did not answer";
    EXPECT_TRUE(feePayloads.isEmpty());
    addressReply = jsonText({{"RETURN_CODE", "1"}, {"OUT_ROW1", QJsonArray{}}});
    w->proc_Load_Addr_Daum(1);
    EXPECT_EQ(w->GS_ADDR_SEARCH, QStringLiteral("한빛|5"));
    EXPECT_EQ(w->addrResults->recordCount(), 1);
    EXPECT_EQ(w->CTE_ADDR_NAME->text(), QStringLiteral("한빛타워"));
    EXPECT_EQ(w->CTE_AREA1->text(), QStringLiteral("서울특별시"));
    EXPECT_EQ(w->CTE_CU_MAP_X->text(), QStringLiteral("127.0300"));
    EXPECT_EQ(w->CTE_ADDR1->text(), QStringLiteral("서울특별시 강남구 역삼동 12[테헤란로 10]"));
    EXPECT_EQ(feePayloads.size(), 1);
    w->proc_Load_Addr_Daum(1);
    EXPECT_EQ(messages.last(), QStringLiteral("검색어를 변경하세요"));
    EXPECT_EQ(TFRM_ACCEPT::func_CheckChangeDetailAddr(" 3층 ", "3층"), QString());
    EXPECT_EQ(TFRM_ACCEPT::func_CheckChangeDetailAddr("", ""), QString());
    EXPECT_EQ(TFRM_ACCEPT::func_CheckChangeDetailAddr("3층", "4층"), QStringLiteral("4층"));
}

TEST_F(ReceptionCustomerFeeTest, AddressAndCustomerPagesAndThePopupPassTheLayoutCheck)
{
    auto w = makeWindow();
    w->resize(1280, 800);
    w->show();
    w->cxPageControl1->setProperty("Tag", 1);
    w->cxPageControl1->setCurrentIndex(2);
    QApplication::processEvents();
    // The pages this work fills; the left column is checked with the whole window elsewhere.
    EXPECT_TRUE(LayoutCheck::Problems(w->cxPageControl1).isEmpty())
        << LayoutCheck::Problems(w->cxPageControl1).join('\n').toStdString();
    w->cxPageControl1->setCurrentIndex(3);
    for (int sub : {1, 2}) {
        w->cxPageControl2->setCurrentIndex(sub);
        QApplication::processEvents();
        const QStringList problems = LayoutCheck::Problems(w->cxPageControl1);
        EXPECT_TRUE(problems.isEmpty()) << "sub-page " << sub << ": " << problems.join('\n').toStdString();
        if (!qEnvironmentVariableIsEmpty("CD_SCREENSHOT_DIR"))
            w->grab().save(qEnvironmentVariable("CD_SCREENSHOT_DIR") + QStringLiteral("/reception_address_%1.png").arg(sub));
    }
    AddressSearchPopup popup;
    popup.openFor(w.get(), TMSG_ADDR(), G_ST_LIST.value(0));
    QApplication::processEvents();
    EXPECT_TRUE(LayoutCheck::Problems(&popup).isEmpty()) << LayoutCheck::Problems(&popup).join('\n').toStdString();
}

TEST_F(ReceptionCustomerFeeTest, StoreChangeLooksTheCustomerUpAgainAndKeepsTheAddress)
{
    TST_LIST &other = G_ST_LIST.append(QStringLiteral("S0002"));
    other.ST_CODE = "S0002";
    other.SHOP_TYPE = "1";
    auto w = makeWindow();
    QStringList asked;
    w->customerRequestList = [&](const QString &, const QString &, const QString &payload) {
        asked << payload;
        return QStringList();
    };
    QVariantList cells(kStColumnCount);
    cells[kStCode] = QStringLiteral("S0002");
    w->stores->appendRecord(cells);
    w->CTE_CU_TEL->setText(QStringLiteral("01012345678"));
    TMSG_ADDR a;
    a.ADDR_1 = "서울특별시";
    a.ADDR_4 = "서울특별시 강남구 역삼동 12";
    a.ADDR_10 = "한빛타워";
    a.ADDR_LAT_X = "127.03";
    a.ADDR_LAT_Y = "37.5";
    w->proc_Set_Addr_Data(a);
    w->CM_ADDR_DETAIL->setText(QStringLiteral("3층"));
    w->proc_Change_Store(0);
    EXPECT_EQ(w->CTE_ST_NO->text(), QStringLiteral("S0002"));
    EXPECT_EQ(asked, QStringList{JoinRequestFields({"S0002", "01012345678"})});
    EXPECT_EQ(w->CTE_ADDR_NAME->text(), QStringLiteral("한빛타워"));
    EXPECT_EQ(w->CTE_CU_MAP_X->text(), QStringLiteral("127.03"));
    EXPECT_EQ(w->CM_ADDR_DETAIL->text(), QStringLiteral("3층"));
    w->proc_Change_Store(0);
    EXPECT_EQ(asked.size(), 1) << "the same store again changes nothing";
}

class PlainReceiver : public QObject, public AddressSearchReceiver
{
public:
    QStringList buildings;
    void receiveAddress(const TMSG_ADDR &addr) override { buildings << addr.ADDR_10; }
};

TEST_F(ReceptionCustomerFeeTest, PopupHandsOverToWhicheverWindowOpenedItAndCloseRestores)
{
    PlainReceiver quick;
    AddressSearchPopup popup;
    popup.setAddressService([](const FormFields &f) {
        return jsonText({{"RETURN_CODE", "1"},
                         {"OUT_ROW1", QJsonArray{serviceHit(f.first().second == QLatin1String("A") ? "address" : "FD6",
                                                            f.first().second == QLatin1String("A") ? "주소건물" : "가게")}}});
    });
    TMSG_ADDR old;
    old.ADDR_10 = "예전주소";
    popup.openFor(&quick, old, G_ST_LIST.value(0));
    popup.searchText->setText(QStringLiteral("역삼"));
    EXPECT_TRUE(popup.search().isEmpty());
    ASSERT_EQ(popup.results().size(), 2);
    EXPECT_EQ(quick.buildings, QStringList{"주소건물"}) << "the first row goes over at once";
    popup.resultList->setCurrentRow(1);
    EXPECT_EQ(quick.buildings.last(), QStringLiteral("가게"));
    popup.closeButton->click();
    EXPECT_EQ(quick.buildings.last(), QStringLiteral("예전주소"));
}
} // namespace
