// The reception window's customer page: the lookup by telephone, its grids and the save.
#include "reception/ui/accept_window.h"

#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "records/session_records.h"
#include "reception/reception_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

namespace
{
void setCustomerGridColumns(GridTableModel *model, QTableView *view, const QStringList &captions,
                            const QList<int> &visible)
{
    QList<GridColumn> cols;
    for (int i = 0; i < captions.size(); ++i)
        cols.append(GridColumn{QStringLiteral("cu%1").arg(i), captions.at(i), GridValueType::Text, {}});
    model->setColumns(cols);
    for (int i = 0; i < captions.size(); ++i)
        view->setColumnHidden(i, !visible.contains(i));
}

void selectCustomerCombo(QComboBox *combo, const QString &code)
{
    const int i = combo->findData(code);
    combo->setCurrentIndex(i >= 0 ? i : 0);
}

const QStringList kCustomerOrderCaptions = {
    QStringLiteral("오더번호"), QStringLiteral("접수\r\n시간"), QStringLiteral("상태"), QStringLiteral("발주경로"),
    QStringLiteral("도착지"), QStringLiteral("결제금액"), QStringLiteral("배송원명"), QStringLiteral("배송원연락처"),
    QStringLiteral("접수시간2"), QStringLiteral("도착주소3"), QStringLiteral("입력주소"), QStringLiteral("좌표Y"),
    QStringLiteral("좌표X"), QStringLiteral("구주소"), QStringLiteral("신주소"), QStringLiteral("주문번호"),
    QStringLiteral("서비스")};
} // namespace

void TFRM_ACCEPT::bindCustomerAddressFee()
{
    // The customer page's combos carry the codes the server sends.
    CCB_GENDER->clear();
    CCB_GENDER->addItem(QStringLiteral("알수없음"), QStringLiteral("0"));
    CCB_GENDER->addItem(QStringLiteral("남성"), QStringLiteral("M"));
    CCB_GENDER->addItem(QStringLiteral("여성"), QStringLiteral("F"));
    CCB_AGE->clear();
    CCB_AGE->addItem(QStringLiteral("알수없음"), QStringLiteral("0"));
    for (int i = 1; i <= 7; ++i)
        CCB_AGE->addItem(QStringLiteral("%10대").arg(i), QString::number(i));
    CCB_AGE->addItem(QStringLiteral("80대이상"), QStringLiteral("8"));

    auto *grid = qobject_cast<QGridLayout *>(CTE_CU_NAME->parentWidget()->layout()->itemAt(0)->layout());
    QWidget *page = CTE_CU_NAME->parentWidget();
    CRB_CUST = new QLineEdit(page);
    CRB_CUST->setObjectName(QStringLiteral("CRB_CUST"));
    CRB_CUST->setReadOnly(true);
    cxLabel18 = new QLabel(QStringLiteral("회원소속"), page);
    cxLabel18->setObjectName(QStringLiteral("cxLabel18"));
    cxImageComboBox1 = new QComboBox(page);
    cxImageComboBox1->setObjectName(QStringLiteral("cxImageComboBox1"));
    cxImageComboBox1->addItem(QStringLiteral("내고객"), QStringLiteral("1"));
    cxImageComboBox1->addItem(QStringLiteral("타고객"), QStringLiteral("2"));
    CBT_APP_SEND = new QPushButton(QStringLiteral("어플다운문자발송"), page);
    CBT_APP_SEND->setObjectName(QStringLiteral("CBT_APP_SEND"));
    CBT_APP_SEND->hide();
    cxButton19 = new QPushButton(QStringLiteral("저장"), page);
    cxButton19->setObjectName(QStringLiteral("cxButton19"));
    if (grid) {
        grid->addWidget(CRB_CUST, 4, 1);
        grid->addWidget(cxLabel18, 4, 2);
        grid->addWidget(cxImageComboBox1, 4, 3);
        grid->addWidget(CBT_APP_SEND, 4, 2, 1, 2);
        grid->addWidget(cxButton19, 1, 3);
    }
    connect(cxButton19, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Save_Customer);

    setCustomerGridColumns(custOrders, CTV_CU_ORD, kCustomerOrderCaptions, {1, 2, 3, 4, 5, 6});
    CTV_CUST_GOODS = cxPageControl3->findChild<QTableView *>(QStringLiteral("CTV_CUST_GOODS"));
    custGoodsModel = CTV_CUST_GOODS ? qobject_cast<GridTableModel *>(CTV_CUST_GOODS->model()) : nullptr;
    if (custGoodsModel)
        setCustomerGridColumns(custGoodsModel, CTV_CUST_GOODS,
                               {QStringLiteral("상품일련번호"), QStringLiteral("옵션1코드"), QStringLiteral("옵션2코드"),
                                QStringLiteral("상품명(옵션)"), QStringLiteral("누적갯수"), QStringLiteral("상품가격"),
                                QStringLiteral("옵션3코드"), QStringLiteral("옵션4코드")},
                               {3, 4, 5});

    connect(CBT_CU_TEL, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Load_Customer);
    connect(CTE_CU_TEL, &QLineEdit::returnPressed, this, &TFRM_ACCEPT::proc_Load_Customer);
    bindAddressSearch();
    bindDeliveryFee();
}

void TFRM_ACCEPT::proc_Load_Customer()
{
    if (CTE_CU_TEL->isReadOnly())
        return;
    const std::optional<QString> payload = CustomerLookupPayload(CTE_ST_NO->text(), CTE_CU_TEL->text());
    if (!payload)
        return;
    const QStringList pages = customerRequestList
                                  ? customerRequestList(QString::fromLatin1(kCustomerLookupCode), QStringLiteral("ADM1"), *payload)
                                  : QStringList();
    const CustomerLookupResult r = ReadCustomerLookup(pages, StoreGoodsLookup(CTE_ST_NO->text()));
    if (r.noReply)
        return;
    custOrders->clearRecords();
    custAddrs->clearRecords();
    if (custGoodsModel)
        custGoodsModel->clearRecords();
    if (r.customer) {
        const CustomerRecord &c = *r.customer;
        CTE_CU_NO->setText(c.no);
        selectCustomerCombo(CCB_GENDER, c.gender);
        selectCustomerCombo(CCB_AGE, c.age);
        CTE_CU_NAME->setText(c.name);
        edCustName->setText(c.name);
        CTE_USE_CNT->setText(c.useCount);
        if (c.member()) {
            CRB_CUST->setText(QStringLiteral("회원"));
            CBT_APP_SEND->hide();
            cxLabel18->show();
            cxImageComboBox1->show();
        } else {
            CRB_CUST->setText(QStringLiteral("비회원"));
            CBT_APP_SEND->setEnabled(c.appSendAllowed());
            CBT_APP_SEND->show();
            cxLabel18->hide();
            cxImageComboBox1->hide();
        }
        CTE_APP_AUTH_DT->setText(CustomerDateTimeText(c.authDateTime));
        CTE_FIRST_ORD_DT->setText(CustomerDateTimeText(c.firstOrderDateTime));
        CTE_LUMBO_PAY->setText(QLocale(QLocale::English).toString(c.money));
        selectCustomerCombo(cxImageComboBox1, c.ownCustomer ? QStringLiteral("1") : QStringLiteral("2"));
        CTE_CU_MEMO->setText(c.memo);
        CTE_APP_CNT->setText(c.appCount);
    }
    for (const CustomerPastOrder &o : r.orders) {
        QVariantList cells(o.columns.begin(), o.columns.end());
        cells << o.orderNo << o.orderKind;
        custOrders->appendRecord(cells);
    }
    // The newest order gives the address, then the fee.
    if (!r.orders.isEmpty()) {
        const QStringList &c = r.orders.first().columns;
        CTE_ADDR_NAME->setText(c.at(14));
        CTE_ADDR1->setText(c.at(13));
        CTE_ADDR1->setToolTip(c.at(9));
        CM_ADDR_DETAIL->setText(c.at(10));
        CTE_CU_MAP_X->setText(c.at(12));
        CTE_CU_MAP_Y->setText(c.at(11));
        CTE_ADDR_NAME_OLD->setText(c.at(13));
        CTE_ADDR_NAME_NEW->setText(c.at(14));
        proc_Delivery_Charge(false);
        pnl_Cu_Old_Addr->hide();
    }
    if (custGoodsModel)
        for (const CustomerPastGoods &g : r.goods)
            custGoodsModel->appendRecord({g.goodsNo, g.op1, g.op2, g.name, g.quantity, g.price, g.op3, g.op4});
    cxPageControl3->setCurrentIndex(0);
    cxPageControl2->setCurrentIndex(2);
    if (GI_GUBUN == 0)
        proc_Show_Addr_Search();
}

void TFRM_ACCEPT::proc_Save_Customer()
{
    const QString payload = CustomerSavePayload(CTE_ST_NO->text(), CTE_CU_TEL->text(), G_USER_INFO.ID,
                                                CTE_CU_NAME->text(), CTE_CU_MEMO->text());
    const QString reply = customerRequestOne
                              ? customerRequestOne(QString::fromLatin1(kCustomerSaveCode), QStringLiteral("ADM1"), payload)
                              : QString();
    // The order number stays: in the modify window it names the loaded order for every later request.
    MsgBox(CustomerSaveMessage(reply), QStringLiteral("I"));
}

// Another store for the order: the customer is looked up again at the new store, and the address
// stays, so the dispatcher does not lose what was typed.
void TFRM_ACCEPT::proc_Change_Store(int storeRecord)
{
    if (storeRecord < 0)
        return;
    const QString code = stores->recordValue(storeRecord, kStCode).toString();
    if (code == CTE_ST_NO->text())
        return;
    const TMSG_ADDR kept = currentAddress();
    const QString keptDetail = CM_ADDR_DETAIL->text();
    if (!CTE_ST_NO->text().isEmpty() && CTL_GOODS->topLevelItemCount() > 0
        && MsgBox(QStringLiteral("등록된 상품이 있습니다.\r\n가맹점을 변경하시면 등록된 상품이 사라집니다.\r\n변경하시겠습니까?"),
                  QStringLiteral("Q"))
               != 1)
        return;
    CTE_ST_NO->setText(code);
    CTL_GOODS->clear();
    proc_Set_Store_Layout();
    proc_Load_Customer();
    proc_Set_Addr_Data(kept);
    CM_ADDR_DETAIL->setText(keptDetail);
}
