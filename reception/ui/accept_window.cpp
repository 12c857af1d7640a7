#include "reception/ui/accept_window.h"
#include "reception/ui/menu_board_panel.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "grid/courier_grid.h"
#include "grid/grid_table_model.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reception/reception_rules.h"
#include "reference/edition_table.h"
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "text/phone_helpers.h"
#include "records/delivery_group_records.h"
#include "settings/settings_file.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace
{
QString GroupName(const QString &code)
{
    return CCB_O8.nameOf(code);
}

QString &testClock()
{
    static QString clock;
    return clock;
}

template <typename T>
T *named(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit *hiddenEdit(QWidget *parent, const char *name)
{
    auto *e = named(new QLineEdit(parent), name);
    e->hide();
    return e;
}

QTableView *gridView(QWidget *parent, const char *name, GridTableModel *&model, const QStringList &captions,
                     const QList<int> &hiddenColumns = {})
{
    auto *view = named(new QTableView(parent), name);
    model = new GridTableModel(view);
    QList<GridColumn> cols;
    for (int i = 0; i < captions.size(); ++i)
        cols.append(GridColumn{QStringLiteral("col%1").arg(i), captions.at(i), GridValueType::Text, {}});
    model->setColumns(cols);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    for (int c : hiddenColumns)
        view->setColumnHidden(c, true);
    return view;
}

QComboBox *choiceCombo(QWidget *parent, const char *name, const QList<ChoiceItem> &items)
{
    auto *c = named(new QComboBox(parent), name);
    for (const ChoiceItem &item : items)
        c->addItem(item.text, item.value);
    return c;
}

QSpinBox *amountEdit(QWidget *parent, const char *name)
{
    auto *s = named(new QSpinBox(parent), name);
    s->setRange(-999999999, 999999999);
    s->setGroupSeparatorShown(true);
    s->setButtonSymbols(QAbstractSpinBox::NoButtons);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QPushButton *tagButton(QWidget *parent, const char *name, const QString &caption, int tag)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setProperty("Tag", tag);
    return b;
}

void clearWithHint(QLineEdit *e)
{
    e->clear();
    e->setToolTip(QString());
}

// Money shown with thousands separators; the cell keeps the number.
class ThousandsDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return QLocale(QLocale::Korean).toString(value.toLongLong());
    }
};

QHash<QString, QString> codeNames(const CodeNameTable &table)
{
    QHash<QString, QString> names;
    for (const CodeNameItem &item : table.items())
        names.insert(item.value, item.description);
    return names;
}

const QStringList kChosungRows{QStringLiteral("전체"),  QStringLiteral("ㄱ-ㄴ"), QStringLiteral("ㄷ-ㄹ"),
                               QStringLiteral("ㅁ-ㅂ"), QStringLiteral("ㅅ-ㅇ"), QStringLiteral("ㅈ-ㅊ"),
                               QStringLiteral("ㅋ-ㅌ"), QStringLiteral("ㅍ-ㅎ"), QStringLiteral("기타")};
} // namespace

void TFRM_ACCEPT::SetClockForTest(const QString &hhnn)
{
    testClock() = hhnn;
}

QString TFRM_ACCEPT::nowHhnn()
{
    return testClock().isEmpty() ? QTime::currentTime().toString(QStringLiteral("HHmm")) : testClock();
}

TFRM_ACCEPT::TFRM_ACCEPT(Kind kind, QWidget *parent)
    : ReceptionWindow(kind, parent, NoPlaceholder{})
{
    setObjectName(QStringLiteral("TFRM_ACCEPT"));
    setWindowTitle(QStringLiteral("접수"));
    GI_GUBUN = kind == Kind::DeliveryModify ? 1 : 0;
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    buildLeftColumn();
    buildPages();
    buildFloatingPanels();
    bindCustomerAddressFee();
    menuBoard = new AcceptMenuBoard(this);
    layout->addWidget(cxGroupBox1, 0);
    layout->addWidget(cxPageControl1, 1);
    FSELECT_ST_GOODS.clear();
    // The wheel routing follows the mouse over the goods buttons and the name grids.
    for (QWidget *w : {static_cast<QWidget *>(CGB_GOODS), static_cast<QWidget *>(cxScrollBox1->viewport()),
                       static_cast<QWidget *>(CTV_GOODS_GRP), static_cast<QWidget *>(cxGroupBox18),
                       static_cast<QWidget *>(CTE_GOODS_NAME)})
        w->installEventFilter(this);
    hide();
}

void TFRM_ACCEPT::buildLeftColumn()
{
    cxGroupBox1 = named(new QGroupBox(this), "cxGroupBox1");
    cxGroupBox1->setFixedWidth(470);
    auto *col = new QVBoxLayout(cxGroupBox1);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(4);

    // Order head
    cxGroupBox23 = named(new QGroupBox(cxGroupBox1), "cxGroupBox23");
    auto *head = new QGridLayout(cxGroupBox23);
    head->setContentsMargins(4, 4, 4, 4);
    CLB_TOTAL = named(new QLabel(QStringLiteral("발주가맹점"), cxGroupBox23), "CLB_TOTAL");
    CTE_ST_NAME = named(new QLineEdit(cxGroupBox23), "CTE_ST_NAME");
    CTE_ST_NAME->setReadOnly(true);
    head->addWidget(CLB_TOTAL, 0, 0);
    head->addWidget(CTE_ST_NAME, 0, 1, 1, 3);
    head->addWidget(named(new QLabel(QStringLiteral("발주경로"), cxGroupBox23), "cxLabel3"), 1, 0);
    CCB_O3 = named(new QComboBox(cxGroupBox23), "CCB_O3");
    head->addWidget(CCB_O3, 1, 1);

    auto *kinds = new QWidget(cxGroupBox23);
    auto *kindRow = new QHBoxLayout(kinds);
    kindRow->setContentsMargins(0, 0, 0, 0);
    cxGroupBox2 = named(new QFrame(kinds), "cxGroupBox2");
    auto *k2 = new QHBoxLayout(cxGroupBox2);
    k2->setContentsMargins(0, 0, 0, 0);
    CRB_ORD = named(new QRadioButton(QStringLiteral("배달"), cxGroupBox2), "CRB_ORD");
    CRG_TAKEOUT = named(new QRadioButton(QStringLiteral("테이크아웃"), cxGroupBox2), "CRG_TAKEOUT");
    k2->addWidget(CRB_ORD);
    k2->addWidget(CRG_TAKEOUT);
    cxGroupBox13 = named(new QFrame(kinds), "cxGroupBox13");
    auto *k13 = new QHBoxLayout(cxGroupBox13);
    k13->setContentsMargins(0, 0, 0, 0);
    CRB_SEDRAN = named(new QRadioButton(QStringLiteral("편의점심부름"), cxGroupBox13), "CRB_SEDRAN");
    k13->addWidget(CRB_SEDRAN);
    pnlSameDay = named(new QFrame(kinds), "pnlSameDay");
    auto *ks = new QHBoxLayout(pnlSameDay);
    ks->setContentsMargins(0, 0, 0, 0);
    rdoSameDay = named(new QRadioButton(QStringLiteral("당일배송"), pnlSameDay), "rdoSameDay");
    ks->addWidget(rdoSameDay);
    kindRow->addWidget(cxGroupBox2);
    kindRow->addWidget(cxGroupBox13);
    kindRow->addWidget(pnlSameDay);
    kindRow->addStretch();
    head->addWidget(kinds, 1, 2, 1, 2);

    lbMakeTime = named(new QLabel(QStringLiteral("조리시간"), cxGroupBox23), "lbMakeTime");
    CCB_WAIT_TIME = choiceCombo(cxGroupBox23, "CCB_WAIT_TIME", CookingTimeChoices());
    edCustName = named(new QLineEdit(cxGroupBox23), "edCustName");
    edCustName->hide();
    lblDelay = named(new QLabel(cxGroupBox23), "lblDelay");
    lblDelay->setMinimumWidth(60);
    auto *waitRow = new QHBoxLayout;
    waitRow->addWidget(CCB_WAIT_TIME);
    waitRow->addWidget(edCustName);
    waitRow->addWidget(lblDelay);
    head->addWidget(lbMakeTime, 2, 0);
    head->addLayout(waitRow, 2, 1);
    CLB_READY_CTH = named(new QLabel(cxGroupBox23), "CLB_READY_CTH");
    CGB_READH_CTH = named(new QFrame(cxGroupBox23), "CGB_READH_CTH");
    auto *ready = new QHBoxLayout(CGB_READH_CTH);
    ready->setContentsMargins(0, 0, 0, 0);
    CBR_READY_CTH_Y = named(new QRadioButton(QStringLiteral("사용"), CGB_READH_CTH), "CBR_READY_CTH_Y");
    CBR_READY_CTH_N = named(new QRadioButton(QStringLiteral("미사용"), CGB_READH_CTH), "CBR_READY_CTH_N");
    ready->addWidget(CBR_READY_CTH_Y);
    ready->addWidget(CBR_READY_CTH_N);
    lbHideReadyCTH = named(new QLabel(cxGroupBox23), "lbHideReadyCTH");
    lbHideReadyCTH->hide();
    head->addWidget(CLB_READY_CTH, 2, 2);
    head->addWidget(CGB_READH_CTH, 2, 3);

    cxLabel4 = named(new QLabel(QStringLiteral("배달료"), cxGroupBox23), "cxLabel4");
    CSE_DEL_FEE = amountEdit(cxGroupBox23, "CSE_DEL_FEE");
    CCB_TAKEOUT_TIME = choiceCombo(cxGroupBox23, "CCB_TAKEOUT_TIME", TakeoutTimeChoices());
    CCB_TAKEOUT_TIME->hide();
    CCB_DEL_CNT = named(new QComboBox(cxGroupBox23), "CCB_DEL_CNT");
    for (int i = 1; i <= 5; ++i)
        CCB_DEL_CNT->addItem(QString::number(i));
    auto *feeRow = new QHBoxLayout;
    feeRow->addWidget(CSE_DEL_FEE);
    feeRow->addWidget(CCB_TAKEOUT_TIME);
    feeRow->addWidget(CCB_DEL_CNT);
    head->addWidget(cxLabel4, 3, 0);
    head->addLayout(feeRow, 3, 1);
    cxLabel5 = named(new QLabel(cxGroupBox23), "cxLabel5");
    CCE_BASE_FEE = amountEdit(cxGroupBox23, "CCE_BASE_FEE");
    head->addWidget(cxLabel5, 3, 2);
    head->addWidget(CCE_BASE_FEE, 3, 3);

    lbLockTime = named(new QLabel(cxGroupBox23), "lbLockTime");
    CCB_LOCK_TIME = choiceCombo(cxGroupBox23, "CCB_LOCK_TIME", LockTimeChoices());
    CCB_READ_TIME = choiceCombo(cxGroupBox23, "CCB_READ_TIME", KitchenTimeChoices());
    CCB_READ_TIME->hide();
    lbHideLockTime = named(new QLabel(cxGroupBox23), "lbHideLockTime");
    lbHideLockTime->hide();
    auto *lockRow = new QHBoxLayout;
    lockRow->addWidget(CCB_LOCK_TIME);
    lockRow->addWidget(CCB_READ_TIME);
    head->addWidget(lbLockTime, 4, 2);
    head->addLayout(lockRow, 4, 3);
    cxLabel8o = named(new QLabel(QStringLiteral("배송그룹"), cxGroupBox23), "cxLabel8o");
    CCB_O8 = named(new QComboBox(cxGroupBox23), "CCB_O8");
    head->addWidget(cxLabel8o, 4, 0);
    head->addWidget(CCB_O8, 4, 1);
    lbServiceAddPrice = named(new QLabel(QStringLiteral("서비스구분"), cxGroupBox23), "lbServiceAddPrice");
    edAddPrice = amountEdit(cxGroupBox23, "edAddPrice");
    edAddPrice->hide();
    lbPenalty = named(new QLabel(cxGroupBox23), "lbPenalty");
    lbPenalty->hide();
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(edAddPrice);
    addRow->addWidget(lbPenalty);
    addRow->addStretch();
    head->addWidget(lbServiceAddPrice, 5, 0);
    head->addLayout(addRow, 5, 1, 1, 3);
    col->addWidget(cxGroupBox23);

    // App-channel order panel
    pnlA2 = named(new QFrame(cxGroupBox1), "pnlA2");
    auto *a2 = new QGridLayout(pnlA2);
    a2->setContentsMargins(0, 0, 0, 0);
    const char *a2Names[] = {"edtOrdTime", "edtGubun", "dtpMin", "ccbKitchenTime", "edtTel", "edtMemo"};
    for (int i = 0; i < 6; ++i)
        a2->addWidget(named(new QLineEdit(pnlA2), a2Names[i]), i / 3, i % 3);
    hiddenEdit(pnlA2, "edtTbGroupNo");
    hiddenEdit(pnlA2, "edtTableNo");
    pnlA2->hide();
    col->addWidget(pnlA2);

    // Customer
    pnlCustArea = named(new QFrame(cxGroupBox1), "pnlCustArea");
    auto *cu = new QGridLayout(pnlCustArea);
    cu->setContentsMargins(0, 0, 0, 0);
    cu->addWidget(named(new QLabel(QStringLiteral("전화번호"), pnlCustArea), "cxLabel6"), 0, 0);
    CTE_CU_TEL = named(new QLineEdit(pnlCustArea), "CTE_CU_TEL");
    edtCuTel = named(new QLineEdit(pnlCustArea), "edtCuTel");
    edtCuTel->setReadOnly(true);
    edtCuTel->hide();
    CBT_CU_TEL = named(new QPushButton(QStringLiteral("검색"), pnlCustArea), "CBT_CU_TEL");
    auto *telRow = new QHBoxLayout;
    telRow->addWidget(CTE_CU_TEL);
    telRow->addWidget(edtCuTel);
    telRow->addWidget(CBT_CU_TEL);
    cu->addLayout(telRow, 0, 1, 1, 2);
    cxLabel7 = named(new QLabel(QStringLiteral("주소"), pnlCustArea), "cxLabel7");
    CTE_ADDR1 = named(new QLineEdit(pnlCustArea), "CTE_ADDR1");
    CBT_ADDR = named(new QPushButton(QStringLiteral("주소찾기"), pnlCustArea), "CBT_ADDR");
    cu->addWidget(cxLabel7, 1, 0);
    cu->addWidget(CTE_ADDR1, 1, 1);
    cu->addWidget(CBT_ADDR, 1, 2);
    cxLabel8 = named(new QLabel(QStringLiteral("건물명칭"), pnlCustArea), "cxLabel8");
    CTE_ADDR_NAME = named(new QLineEdit(pnlCustArea), "CTE_ADDR_NAME");
    CLB_DIS = named(new QLabel(QStringLiteral("0.000km"), pnlCustArea), "CLB_DIS");
    cu->addWidget(cxLabel8, 2, 0);
    cu->addWidget(CTE_ADDR_NAME, 2, 1);
    cu->addWidget(CLB_DIS, 2, 2);
    cu->addWidget(named(new QLabel(QStringLiteral("상세주소"), pnlCustArea), "cxLabel9"), 3, 0);
    CM_ADDR_DETAIL = named(new QLineEdit(pnlCustArea), "CM_ADDR_DETAIL");
    cxButton76 = named(new QPushButton(QStringLiteral("상세주소문구"), pnlCustArea), "cxButton76");
    cu->addWidget(CM_ADDR_DETAIL, 3, 1);
    cu->addWidget(cxButton76, 3, 2);
    cu->addWidget(named(new QLabel(QStringLiteral("메모"), pnlCustArea), "cxLabel10"), 4, 0);
    CM_ETC = named(new QLineEdit(pnlCustArea), "CM_ETC");
    cu->addWidget(CM_ETC, 4, 1);
    auto *memoButtons = new QHBoxLayout;
    CBT_FAV = named(new QPushButton(QStringLiteral("상용구"), pnlCustArea), "CBT_FAV");
    CBT_MAP = named(new QPushButton(QStringLiteral("지도"), pnlCustArea), "CBT_MAP");
    btnShowMemo = named(new QPushButton(QStringLiteral("전체보기"), pnlCustArea), "btnShowMemo");
    memoButtons->addWidget(CBT_FAV);
    memoButtons->addWidget(CBT_MAP);
    memoButtons->addWidget(btnShowMemo);
    cu->addLayout(memoButtons, 5, 1, 1, 2);
    col->addWidget(pnlCustArea);

    // Items: 23 columns, of which the user sees the name, price, quantity, amount and "-"/"+".
    CTL_GOODS = named(new QTreeWidget(cxGroupBox1), "CTL_GOODS");
    CTL_GOODS->setColumnCount(23);
    QStringList headers;
    for (int i = 0; i < 23; ++i)
        headers << QString();
    headers[1] = QStringLiteral("상품명");
    headers[2] = QStringLiteral("단가");
    headers[3] = QStringLiteral("수량");
    headers[4] = QStringLiteral("금액");
    headers[13] = QStringLiteral("-");
    headers[14] = QStringLiteral("+");
    CTL_GOODS->setHeaderLabels(headers);
    for (int i = 0; i < 23; ++i)
        CTL_GOODS->setColumnHidden(i, !(i >= 1 && i <= 4) && i != 13 && i != 14);
    CTL_GOODS->setColumnWidth(1, 170);
    CTL_GOODS->setColumnWidth(2, 60);
    CTL_GOODS->setColumnWidth(3, 40);
    CTL_GOODS->setColumnWidth(4, 70);
    CTL_GOODS->setColumnWidth(13, 30);
    CTL_GOODS->setColumnWidth(14, 30);
    col->addWidget(CTL_GOODS, 1);

    // Amounts and payment
    cxGroupBox24 = named(new QGroupBox(cxGroupBox1), "cxGroupBox24");
    auto *amounts = new QGridLayout(cxGroupBox24);
    amounts->setContentsMargins(4, 4, 4, 4);
    CCR_GOODS_AMT = amountEdit(cxGroupBox24, "CCR_GOODS_AMT");
    CCR_DOWN_AMT = amountEdit(cxGroupBox24, "CCR_DOWN_AMT");
    CCR_SRV_AMT = amountEdit(cxGroupBox24, "CCR_SRV_AMT");
    CCR_AMOUNT = amountEdit(cxGroupBox24, "CCR_AMOUNT");
    CCR_PRE_AMT = amountEdit(cxGroupBox24, "CCR_PRE_AMT");
    cxLabel12 = named(new QLabel(QStringLiteral("할인금액"), cxGroupBox24), "cxLabel12");
    amounts->addWidget(new QLabel(QStringLiteral("상품금액"), cxGroupBox24), 0, 0);
    amounts->addWidget(CCR_GOODS_AMT, 0, 1);
    amounts->addWidget(cxLabel12, 0, 2);
    amounts->addWidget(CCR_DOWN_AMT, 0, 3);
    amounts->addWidget(new QLabel(QStringLiteral("봉사료"), cxGroupBox24), 1, 0);
    amounts->addWidget(CCR_SRV_AMT, 1, 1);
    amounts->addWidget(new QLabel(QStringLiteral("받을금액"), cxGroupBox24), 1, 2);
    amounts->addWidget(CCR_AMOUNT, 1, 3);
    amounts->addWidget(named(new QLabel(G_ED_MONEY_WORD.at(G_EDITION_IDX).isEmpty()
                                            ? QStringLiteral("머니")
                                            : G_ED_MONEY_WORD.at(G_EDITION_IDX),
                                        cxGroupBox24),
                             "cxLabel25"),
                       2, 0);
    amounts->addWidget(CCR_PRE_AMT, 2, 1);
    amounts->addWidget(named(new QLabel(QStringLiteral("결제방식"), cxGroupBox24), "cxLabel16"), 3, 0);
    btnCardPayed = named(new QPushButton(QStringLiteral("카드"), cxGroupBox24), "btnCardPayed");
    btnCashPayed = named(new QPushButton(QStringLiteral("현금(P)"), cxGroupBox24), "btnCashPayed");
    btnPrePayed = named(new QPushButton(QStringLiteral("선결제"), cxGroupBox24), "btnPrePayed");
    payGroup = new QButtonGroup(this);
    auto *payRow = new QHBoxLayout;
    for (QPushButton *b : {btnCardPayed, btnCashPayed, btnPrePayed}) {
        b->setCheckable(true);
        payGroup->addButton(b);
        payRow->addWidget(b);
    }
    btnCashPayed->setText(QStringLiteral("현금"));
    amounts->addLayout(payRow, 3, 1, 1, 3);
    col->addWidget(cxGroupBox24);

    // Bottom button groups, one visible at a time
    auto *bottom = new QWidget(cxGroupBox1);
    auto *bottomCol = new QVBoxLayout(bottom);
    bottomCol->setContentsMargins(0, 0, 0, 0);
    auto group = [&](const char *name, const QList<QPushButton *> &buttons, bool switched) {
        auto *frame = named(new QFrame(bottom), name);
        auto *row = new QHBoxLayout(frame);
        row->setContentsMargins(0, 0, 0, 0);
        for (QPushButton *b : buttons) {
            b->setParent(frame);
            row->addWidget(b);
            if (switched)
                statusButtons.append(b);
        }
        bottomCol->addWidget(frame);
        frame->hide();
        return frame;
    };
    CBT_ACCEPT = tagButton(nullptr, "CBT_ACCEPT", QStringLiteral("접수"), 1001);
    CBT_REQ = tagButton(nullptr, "CBT_REQ", QStringLiteral("문의"), 4003);
    btnOrdSaveReady = tagButton(nullptr, "btnOrdSaveReady", QStringLiteral("배달요청"), 2001);
    CBT_CLOSE = named(new QPushButton(QStringLiteral("닫기")), "CBT_CLOSE");
    CGB_ACC = group("CGB_ACC", {CBT_ACCEPT, CBT_REQ, btnOrdSaveReady, CBT_CLOSE}, false);
    auto close = [](const char *name) { return named(new QPushButton(QStringLiteral("닫기")), name); };
    CGB_ST1001 = group("CGB_ST1001",
                       {tagButton(nullptr, "CBT_10009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "cxButton86", QStringLiteral("배달요청"), 2001),
                        tagButton(nullptr, "CBT_12001", QStringLiteral("배달요청"), 2001),
                        tagButton(nullptr, "CBT_11002", QStringLiteral("대기"), 1002),
                        tagButton(nullptr, "CBT_14002", QStringLiteral("취소"), 4002)},
                       true);
    CGB_ST1001->layout()->addWidget(close("CBT_CLOSE1001"));
    CGB_ST2001 = group("CGB_ST2001",
                       {tagButton(nullptr, "CBT_20009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_22001", QStringLiteral("지정배차"), 3001),
                        tagButton(nullptr, "CBT_23003", QStringLiteral("출발"), 3003),
                        tagButton(nullptr, "CBT_21002", QStringLiteral("대기"), 1002),
                        tagButton(nullptr, "CBT_24002", QStringLiteral("취소"), 4002)},
                       true);
    CGB_ST2001->layout()->addWidget(close("CBT_CLOSE2001"));
    CGB_ST3001 = group("CGB_ST3001",
                       {tagButton(nullptr, "CBT_30009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_33003", QStringLiteral("출발"), 3003),
                        tagButton(nullptr, "CBT_33002", QStringLiteral("배차취소"), 3002),
                        tagButton(nullptr, "CBT_34002", QStringLiteral("취소"), 4002)},
                       true);
    CGB_ST3001->layout()->addWidget(close("CBT_CLOSE3001"));
    CGB_ST3003 = group("CGB_ST3003",
                       {tagButton(nullptr, "CBT_40009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_44001", QStringLiteral("완료"), 4001),
                        tagButton(nullptr, "CBT_44002", QStringLiteral("취소"), 4002)},
                       true);
    auto *startCancel = tagButton(CGB_ST3003, "CBT_43004", QStringLiteral("출발취소"), 3004);
    startCancel->hide();
    CGB_ST3003->layout()->addWidget(close("CBT_CLOSE3003"));
    CGB_ST4001 = group("CGB_ST4001",
                       {tagButton(nullptr, "CBT_50009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_54002", QStringLiteral("취소"), 4002),
                        tagButton(nullptr, "CBT_540021", QStringLiteral("취소+정산취소"), 4002)},
                       true);
    CGB_ST4001->layout()->addWidget(tagButton(CGB_ST4001, "CBT_AJ_RECALC", QStringLiteral("수정정산"), 1009));
    CGB_ST4001->layout()->addWidget(close("CBT_CLOSE4001"));
    CGB_ST1002 = group("CGB_ST1002",
                       {tagButton(nullptr, "CBT_60009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_61003", QStringLiteral("대기해제"), 1003),
                        tagButton(nullptr, "CBT_64002", QStringLiteral("취소"), 4002)},
                       true);
    CGB_ST1002->layout()->addWidget(tagButton(CGB_ST1002, "CBT_63001", QStringLiteral("배차"), 3001));
    CGB_ST1002->layout()->addWidget(close("CBT_CLOSE1002"));
    CGB_ST5001 = group("CGB_ST5001",
                       {tagButton(nullptr, "CBT_70009", QStringLiteral("수정"), 1009),
                        tagButton(nullptr, "CBT_71001", QStringLiteral("접수"), 1001),
                        tagButton(nullptr, "CBT_72001", QStringLiteral("준비"), 2001)},
                       true);
    CGB_ST5001->layout()->addWidget(tagButton(CGB_ST5001, "CBT_AJ_CANCEL", QStringLiteral("정산취소"), 2001));
    CGB_ST5001->layout()->addWidget(close("CBT_CLOSE5001"));
    cxButton28 = tagButton(nullptr, "cxButton28", QStringLiteral("지정배차"), 1009);
    cxButton32 = tagButton(nullptr, "cxButton32", QStringLiteral("배차취소"), 3002);
    cxGroupBox10 = group("cxGroupBox10", {cxButton28, cxButton32}, true);
    pnlSameDayEdit = group("pnlSameDayEdit",
                           {named(new QPushButton(QStringLiteral("수정")), "btnSameDayEdit"),
                            named(new QPushButton(QStringLiteral("취소")), "btnSameDayCancel")},
                           false);
    col->addWidget(bottom);
    for (QPushButton *b : bottom->findChildren<QPushButton *>())
        if (b->text() == QStringLiteral("닫기"))
            connect(b, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Close_Accept);

    // Hidden value holders
    CTE_ST_NO = hiddenEdit(cxGroupBox1, "CTE_ST_NO");
    CTE_ORD_NO = hiddenEdit(cxGroupBox1, "CTE_ORD_NO");
    CTE_CU_NO = hiddenEdit(cxGroupBox1, "CTE_CU_NO");
    CTE_AREA1 = hiddenEdit(cxGroupBox1, "CTE_AREA1");
    CTE_AREA2 = hiddenEdit(cxGroupBox1, "CTE_AREA2");
    CTE_AREA7 = hiddenEdit(cxGroupBox1, "CTE_AREA7");
    CTE_CU_MAP_X = hiddenEdit(cxGroupBox1, "CTE_CU_MAP_X");
    CTE_CU_MAP_Y = hiddenEdit(cxGroupBox1, "CTE_CU_MAP_Y");
    CTE_ST_MAX_X = hiddenEdit(cxGroupBox1, "CTE_ST_MAX_X");
    CTE_ST_MAX_Y = hiddenEdit(cxGroupBox1, "CTE_ST_MAX_Y");
    CTE_ORG_ORD_NO = hiddenEdit(cxGroupBox1, "CTE_ORG_ORD_NO");
    CTE_DIS = hiddenEdit(cxGroupBox1, "CTE_DIS");
    edSTAddPrice = hiddenEdit(cxGroupBox1, "edSTAddPrice");
    edtCupPrice = hiddenEdit(cxGroupBox1, "edtCupPrice");
    edtShareGroup = hiddenEdit(cxGroupBox1, "edtShareGroup");
    CTE_ADDR_NAME_OLD = hiddenEdit(cxGroupBox1, "CTE_ADDR_NAME_OLD");
    CTE_ADDR_NAME_NEW = hiddenEdit(cxGroupBox1, "CTE_ADDR_NAME_NEW");
    edtOrdCount = hiddenEdit(cxGroupBox1, "edtOrdCount");
    CTE_DVRY_TYPE_NAME = hiddenEdit(cxGroupBox1, "CTE_DVRY_TYPE_NAME");
    for (int i = 8; i <= 12; ++i)
        CTE_CU_ADDR << hiddenEdit(cxGroupBox1, QStringLiteral("CTE_CU_ADDR_%1").arg(i).toLatin1().constData());
}

void TFRM_ACCEPT::buildPages()
{
    cxPageControl1 = named(new QTabWidget(this), "cxPageControl1");
    cxPageControl1->setTabPosition(QTabWidget::West);
    auto page = [this](const QString &caption, const char *name) {
        auto *w = named(new QWidget(cxPageControl1), name);
        cxPageControl1->addTab(w, caption);
        return w;
    };
    auto searchRow = [](QWidget *parent, QLineEdit *&edit, const char *editName, const char *buttonName) {
        auto *row = new QHBoxLayout;
        edit = named(new QLineEdit(parent), editName);
        auto *button = named(new QPushButton(QStringLiteral("검색"), parent), buttonName);
        row->addWidget(edit);
        row->addWidget(button);
        return std::pair{row, button};
    };

    // 0 stores
    QWidget *p0 = page(QStringLiteral("  발주가맹점  "), "cxTabSheet1");
    auto *l0 = new QVBoxLayout(p0);
    auto [row0, search0] = searchRow(p0, CTE_ST_NAME_SEARCH, "CTE_ST_NAME_SEARCH", "cxButton31");
    l0->addLayout(row0);
    CTV_STNOLIST = gridView(p0, "CTV_STNOLIST", stores,
                            {QStringLiteral("가맹점코드"), QStringLiteral("가맹점명"), QStringLiteral("메인여부"),
                             QStringLiteral("대표번호"), QStringLiteral("머니"), QStringLiteral("좌표X"),
                             QStringLiteral("좌표Y"), QStringLiteral("가맹점상태"), QStringLiteral("발주경로"),
                             QStringLiteral("CTV_STNOLISTTYPE")},
                            {kStCode, kStX, kStY, kStStatus, kStTelType, kStShopType});
    QList<GridColumn> storeColumns = stores->columns();
    storeColumns[kStCash].type = GridValueType::Integer;
    stores->setColumns(storeColumns);
    CTV_STNOLIST->setItemDelegateForColumn(kStCash, new ThousandsDelegate(CTV_STNOLIST));
    l0->addWidget(CTV_STNOLIST);
    connect(search0, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Filter_Store_List);
    connect(CTE_ST_NAME_SEARCH, &QLineEdit::returnPressed, this, &TFRM_ACCEPT::proc_Filter_Store_List);
    connect(CTV_STNOLIST, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        proc_Change_Store(stores->recordOfRow(index.row()));
    });

    // 1 delivery groups
    QWidget *p1 = page(QStringLiteral("발주배송그룹"), "cxTabSheet4");
    auto *l1 = new QVBoxLayout(p1);
    auto [row1, search1] = searchRow(p1, CTE_DVRY_NAME, "CTE_DVRY_NAME", "cxButton1");
    l1->addLayout(row1);
    CTV_DVRY_TYPE = gridView(p1, "CTV_DVRY_TYPE", groups,
                             {QStringLiteral("배송그룹명"), QStringLiteral("배송그룹"),
                              QStringLiteral("서비스\r\n가능유무"), QStringLiteral("지연"), QStringLiteral("할증"),
                              QStringLiteral("연락처")},
                             {kGrpCode, kGrpTel});
    l1->addWidget(CTV_DVRY_TYPE);
    connect(search1, &QPushButton::clicked, this, &TFRM_ACCEPT::proc_Filter_Dvry_Group);
    connect(CTE_DVRY_NAME, &QLineEdit::returnPressed, this, &TFRM_ACCEPT::proc_Filter_Dvry_Group);
    connect(CTV_DVRY_TYPE, &QTableView::clicked, this, [this](const QModelIndex &index) {
        const int rec = groups->recordOfRow(index.row());
        if (rec < 0)
            return;
        const int item = CCB_O8->findData(groups->recordValue(rec, kGrpCode).toString());
        if (item >= 0)
            CCB_O8->setCurrentIndex(item);
        CTE_DVRY_TYPE_NAME->setText(groups->recordValue(rec, kGrpName).toString());
        proc_Cooking_Time();
        proc_Delivery_Charge(false);
    });
    connect(cxPageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1)
            proc_Filter_Dvry_Group();
    });

    // 2 customer
    QWidget *p2 = page(QStringLiteral("  고객정보  "), "cxTabSheet2");
    auto *l2 = new QVBoxLayout(p2);
    auto *cust = new QGridLayout;
    auto field = [&](int r, int c, const QString &caption, QLineEdit *&edit, const char *name, QLabel **label = nullptr) {
        auto *lab = new QLabel(caption, p2);
        if (label)
            *label = lab;
        edit = named(new QLineEdit(p2), name);
        cust->addWidget(lab, r, c * 2);
        cust->addWidget(edit, r, c * 2 + 1);
    };
    field(0, 0, QStringLiteral("고객명"), CTE_CU_NAME, "CTE_CU_NAME");
    field(0, 1, QStringLiteral("이용횟수"), CTE_USE_CNT, "CTE_USE_CNT");
    field(1, 0, QStringLiteral("고객메모"), CTE_CU_MEMO, "CTE_CU_MEMO");
    field(2, 0, QStringLiteral("어플인증일자"), CTE_APP_AUTH_DT, "CTE_APP_AUTH_DT", &cxLabel24);
    field(2, 1, QStringLiteral("첫주문일자"), CTE_FIRST_ORD_DT, "CTE_FIRST_ORD_DT");
    field(3, 0, QStringLiteral("머니"), CTE_LUMBO_PAY, "CTE_LUMBO_PAY", &cxLabel26);
    field(3, 1, QStringLiteral("어플\r\n주문횟수"), CTE_APP_CNT, "CTE_APP_CNT", &cxLabel27);
    cxLabel24->setObjectName(QStringLiteral("cxLabel24"));
    cxLabel26->setObjectName(QStringLiteral("cxLabel26"));
    cxLabel27->setObjectName(QStringLiteral("cxLabel27"));
    cxLabel23 = named(new QLabel(QStringLiteral("제휴앱회원"), p2), "cxLabel23");
    cust->addWidget(cxLabel23, 4, 0);
    CCB_GENDER = named(new QComboBox(p2), "CCB_GENDER");
    CCB_GENDER->addItems({QStringLiteral("알수없음"), QStringLiteral("남"), QStringLiteral("여")});
    CCB_AGE = named(new QComboBox(p2), "CCB_AGE");
    CCB_AGE->addItems({QStringLiteral("알수없음"), QStringLiteral("10대"), QStringLiteral("20대"), QStringLiteral("30대"),
                       QStringLiteral("40대"), QStringLiteral("50대"), QStringLiteral("60대 이상")});
    cust->addWidget(new QLabel(QStringLiteral("성별"), p2), 5, 0);
    cust->addWidget(CCB_GENDER, 5, 1);
    cust->addWidget(new QLabel(QStringLiteral("연령"), p2), 5, 2);
    cust->addWidget(CCB_AGE, 5, 3);
    l2->addLayout(cust);
    cxPageControl3 = named(new QTabWidget(p2), "cxPageControl3");
    GridTableModel *custGoods = nullptr;
    CTV_CU_ORD = gridView(cxPageControl3, "CTV_CU_ORD", custOrders,
                          {QStringLiteral("주문일시"), QStringLiteral("주문번호"), QStringLiteral("상태"),
                           QStringLiteral("발주경로"), QStringLiteral("주소")});
    cxPageControl3->addTab(CTV_CU_ORD, QStringLiteral("주문내역"));
    cxPageControl3->addTab(gridView(cxPageControl3, "CTV_CUST_GOODS", custGoods,
                                    {QStringLiteral("상품명"), QStringLiteral("수량"), QStringLiteral("금액")}),
                           QStringLiteral("상품내역"));
    l2->addWidget(cxPageControl3, 1);

    // 3 address names
    QWidget *p3 = page(QStringLiteral("  주소명칭  "), "cxTabSheet3");
    auto *l3 = new QVBoxLayout(p3);
    cxPageControl2 = named(new QTabWidget(p3), "cxPageControl2");
    auto *mapPage = named(new QWidget(cxPageControl2), "cxTabSheet7");
    auto *mapLayout = new QVBoxLayout(mapPage);
    mapLayout->addWidget(named(new QWidget(mapPage), "CRM_MAP"));
    cxPageControl2->addTab(mapPage, QStringLiteral("지도"));
    auto *detailPage = named(new QWidget(cxPageControl2), "cxTabSheet8");
    auto *detailLayout = new QVBoxLayout(detailPage);
    CTV_BUNJI2 = gridView(detailPage, "CTV_BUNJI2", bunji, {QStringLiteral("번지")});
    detailLayout->addWidget(CTV_BUNJI2);
    cxPageControl2->addTab(detailPage, QStringLiteral("상세지명"));
    auto *namesPage = named(new QWidget(cxPageControl2), "cxTabSheet14");
    auto *namesLayout = new QHBoxLayout(namesPage);
    CTV_CHOSUNG = gridView(namesPage, "CTV_CHOSUNG", chosung, {QStringLiteral("초성")});
    CTV_CHOSUNG->setMaximumWidth(90);
    CTV_ADDR_GRP = gridView(namesPage, "CTV_ADDR_GRP", addrGroups,
                            {QStringLiteral("그룹"), QStringLiteral("그룹번호"), QStringLiteral("순서")}, {1, 2});
    CTV_ADDR_GRP->setMaximumWidth(140);
    namesLayout->addWidget(CTV_CHOSUNG);
    namesLayout->addWidget(CTV_ADDR_GRP);
    auto *namesRight = new QVBoxLayout;
    CTE_ADDR_WORD_S2 = named(new QLineEdit(namesPage), "CTE_ADDR_WORD_S2");
    namesRight->addWidget(CTE_ADDR_WORD_S2);
    cxPageControl4 = named(new QTabWidget(namesPage), "cxPageControl4");
    GridTableModel *words = nullptr;
    cxPageControl4->addTab(gridView(cxPageControl4, "CTV_ADDR_WORD", words,
                                    {QStringLiteral("명칭"), QStringLiteral("주소")}),
                           QStringLiteral("자주사용하는명칭"));
    cxGridADDRGrpAll = gridView(cxPageControl4, "cxGridADDRGrpAll", addrResults,
                                {QStringLiteral("명칭"), QStringLiteral("주소")});
    cxPageControl4->addTab(cxGridADDRGrpAll, QStringLiteral("주소검색"));
    namesRight->addWidget(cxPageControl4);
    namesLayout->addLayout(namesRight, 1);
    cxPageControl2->addTab(namesPage, QStringLiteral("자주사용하는명칭"));
    l3->addWidget(cxPageControl2);

    // 4 menu board
    QWidget *p4 = page(QStringLiteral("메뉴판"), "cxTabSheet6");
    auto *l4 = new QVBoxLayout(p4);
    auto *filterBar = named(new QFrame(p4), "cxGroupBox16");
    auto *fb = new QHBoxLayout(filterBar);
    fb->setContentsMargins(0, 0, 0, 0);
    CTE_GOODS_NAME = named(new QLineEdit(filterBar), "CTE_GOODS_NAME");
    CCB_CHARGE = named(new QComboBox(filterBar), "CCB_CHARGE");
    CCB_CHARGE->addItems({QStringLiteral("배달가"), QStringLiteral("매장가")});
    fb->addWidget(CTE_GOODS_NAME, 1);
    fb->addWidget(CCB_CHARGE);
    fb->addWidget(named(new QPushButton(QStringLiteral("검색"), filterBar), "cxButton2"));
    l4->addWidget(filterBar);
    pnlAlarmPopup = named(new QLabel(QStringLiteral("팝업메뉴를 사용중입니다."), p4), "pnlAlarmPopup");
    pnlAlarmPopup->setAlignment(Qt::AlignCenter);
    pnlAlarmPopup->hide();
    l4->addWidget(pnlAlarmPopup);
    auto *board = new QHBoxLayout;
    CTV_GOODS_GRP = gridView(p4, "CTV_GOODS_GRP", goodsGroups, {QStringLiteral("상품그룹"), QStringLiteral("그룹번호")},
                             {1});
    CTV_GOODS_GRP->setMaximumWidth(150);
    board->addWidget(CTV_GOODS_GRP);
    auto *goodsSide = new QVBoxLayout;
    cxGroupBox18 = named(new QFrame(p4), "cxGroupBox18");
    auto *consonants = new QHBoxLayout(cxGroupBox18);
    consonants->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kChosungRows.size(); ++i) {
        auto *b = new QPushButton(kChosungRows.at(i), cxGroupBox18);
        b->setObjectName(i == 0 ? QStringLiteral("CBT_ST_ALL") : QStringLiteral("CBT_ST_ACC%1").arg(i));
        b->setProperty("Tag", i);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        consonants->addWidget(b);
        if (i == 0)
            CBT_ST_ALL = b;
    }
    goodsSide->addWidget(cxGroupBox18);
    cxScrollBox1 = named(new QScrollArea(p4), "cxScrollBox1");
    cxScrollBox1->setWidgetResizable(true);
    CGB_GOODS = named(new QFrame, "CGB_GOODS");
    new QGridLayout(CGB_GOODS);
    cxScrollBox1->setWidget(CGB_GOODS);
    goodsSide->addWidget(cxScrollBox1, 1);
    board->addLayout(goodsSide, 1);
    l4->addLayout(board, 1);

    // 5 history
    QWidget *p5 = page(QStringLiteral("상세이력"), "cxTabSheet11");
    auto *l5 = new QVBoxLayout(p5);
    auto *strip = new QHBoxLayout;
    for (const char *code : {"1001", "2001", "3001", "3003", "4001", "4002", "1002"}) {
        auto *b = new QPushButton(QString::fromLatin1(code), p5);
        b->setObjectName(QStringLiteral("CBT_") + QString::fromLatin1(code));
        b->setCheckable(true);
        b->setEnabled(false);
        strip->addWidget(b);
    }
    l5->addLayout(strip);
    GridTableModel *hist = nullptr;
    CTV_ORD_HIST = gridView(p5, "CTV_ORD_HIST", hist,
                            {QStringLiteral("일시"), QStringLiteral("상태"), QStringLiteral("처리자"), QStringLiteral("내용")});
    l5->addWidget(CTV_ORD_HIST);

    // 6 money transfer
    QWidget *p6 = page(QStringLiteral("머니송금"), "cxTabSheet9");
    auto *l6 = new QGridLayout(p6);
    cxCurrencyEdit2 = named(new QLineEdit(p6), "cxCurrencyEdit2");
    cxCurrencyEdit3 = named(new QLineEdit(p6), "cxCurrencyEdit3");
    cxCurrencyEdit2->setReadOnly(true);
    cxCurrencyEdit3->setReadOnly(true);
    cxTextEdit4 = named(new QLineEdit(p6), "cxTextEdit4");
    cxCurrencyEdit1 = amountEdit(p6, "cxCurrencyEdit1");
    cxTextEdit3 = named(new QLineEdit(p6), "cxTextEdit3");
    l6->addWidget(new QLabel(QStringLiteral("잔액"), p6), 0, 0);
    l6->addWidget(cxCurrencyEdit2, 0, 1);
    l6->addWidget(new QLabel(QStringLiteral("송금가능액"), p6), 1, 0);
    l6->addWidget(cxCurrencyEdit3, 1, 1);
    l6->addWidget(new QLabel(QStringLiteral("받을자"), p6), 2, 0);
    l6->addWidget(cxTextEdit4, 2, 1);
    l6->addWidget(new QLabel(QStringLiteral("송금액"), p6), 3, 0);
    l6->addWidget(cxCurrencyEdit1, 3, 1);
    l6->addWidget(new QLabel(QStringLiteral("메모"), p6), 4, 0);
    l6->addWidget(cxTextEdit3, 4, 1);
    l6->addWidget(named(new QPushButton(QStringLiteral("송금하기"), p6), "cxButton29"), 5, 1);
    GridTableModel *sendCash = nullptr;
    l6->addWidget(gridView(p6, "CTV_SEND_CASH", sendCash,
                           {QStringLiteral("일시"), QStringLiteral("받는자"), QStringLiteral("금액")}),
                  6, 0, 1, 2);
    l6->setRowStretch(6, 1);

    // 7 manual dispatch
    QWidget *p7 = page(QStringLiteral("지정배차"), "cxTabSheet10");
    auto *l7 = new QVBoxLayout(p7);
    auto *row7 = new QHBoxLayout;
    cxLabel36 = named(new QLabel(QStringLiteral("배송원명"), p7), "cxLabel36");
    CTE_DVLY_SEARCH = named(new QLineEdit(p7), "CTE_DVLY_SEARCH");
    row7->addWidget(cxLabel36);
    row7->addWidget(CTE_DVLY_SEARCH, 1);
    l7->addLayout(row7);
    QStringList courierCaptions{QStringLiteral("배송원명"), QStringLiteral("접속"), QStringLiteral("지사"),
                                QStringLiteral("전화번호"), QStringLiteral("배차"), QStringLiteral("선택")};
    while (courierCaptions.size() < kWorkerGridColumns)
        courierCaptions << QString();
    CTV_DVRY = gridView(p7, "CTV_DVRY", couriers, courierCaptions, {6, 7, 8, 9, 10, 11});
    l7->addWidget(CTV_DVRY);
    connect(CTE_DVLY_SEARCH, &QLineEdit::textEdited, this, &TFRM_ACCEPT::proc_Filter_Worker_List);

    // 8 all remarks
    QWidget *p8 = page(QStringLiteral("특이사항 모두 보기"), "cxTabSheet5");
    auto *l8 = new QVBoxLayout(p8);
    auto memo = [&](const QString &caption, const char *name) {
        l8->addWidget(new QLabel(caption, p8));
        auto *e = named(new QPlainTextEdit(p8), name);
        e->setReadOnly(true);
        l8->addWidget(e);
        return e;
    };
    edtOrdCuMemo = memo(QStringLiteral("고객 → 가맹점"), "edtOrdCuMemo");
    edtOrdStMemo = memo(QStringLiteral("가맹점"), "edtOrdStMemo");
    edtOrdCuWk = memo(QStringLiteral("고객 → 배송원"), "edtOrdCuWk");
    edtOrdStWk = memo(QStringLiteral("가맹점 → 배송원"), "edtOrdStWk");
    edtSyMemo = memo(QStringLiteral("시스템"), "edtSyMemo");
}

void TFRM_ACCEPT::buildFloatingPanels()
{
    auto panel = [this](const char *name, const QString &title) {
        auto *f = named(new QFrame(this), name);
        f->setFrameShape(QFrame::Box);
        auto *l = new QVBoxLayout(f);
        l->addWidget(new QLabel(title, f));
        f->hide();
        return f;
    };
    PNL_OPTION = panel("PNL_OPTION", QStringLiteral("옵션"));
    for (int i = 1; i <= 4; ++i) {
        auto *empty = new QLabel(QStringLiteral(" 옵션%1의 상품이 없습니다.").arg(i), PNL_OPTION);
        empty->setObjectName(QStringLiteral("pnlOp%1NoGoods").arg(i));
        PNL_OPTION->layout()->addWidget(empty);
    }
    pnlGoodsModify = panel("pnlGoodsModify", QStringLiteral("상품수정"));
    pnlUserMsg = panel("pnlUserMsg", QStringLiteral("사용자 저장 문구"));
    CGB_DVRY_CHARGE = panel("CGB_DVRY_CHARGE", QStringLiteral("배달료 계산"));
    CMM_DVRY_CHARGE = named(new QPlainTextEdit(CGB_DVRY_CHARGE), "CMM_DVRY_CHARGE");
    CGB_DVRY_CHARGE->layout()->addWidget(CMM_DVRY_CHARGE);
    pnl_Cu_Old_Addr = panel("pnl_Cu_Old_Addr", QStringLiteral("고객이용 주소내역"));
    CTV_CU_ORD_ACP = gridView(pnl_Cu_Old_Addr, "CTV_CU_ORD_ACP", custAddrs,
                              {QStringLiteral("주문일시"), QStringLiteral("주소"), QStringLiteral("상태")});
    pnl_Cu_Old_Addr->layout()->addWidget(CTV_CU_ORD_ACP);
    PNL_OPTION->adjustSize();
    // Centred in a 1024 x 768 area.
    PNL_OPTION->move((1024 - PNL_OPTION->width()) / 2, (768 - PNL_OPTION->height()) / 2);
}

// Set-up ---------------------------------------------------------------------------------------

void TFRM_ACCEPT::SetCall(const ReceptionCall &call)
{
    ReceptionWindow::SetCall(call);
    CTE_ST_NO->setText(call.storeCode);
    CTE_ST_NAME->setText(call.storeName);
    const int path = CCB_O3->findData(call.orderPath);
    if (path >= 0)
        CCB_O3->setCurrentIndex(path);
    else
        CCB_O3->setProperty("pendingPath", call.orderPath);
    storeIndexTag = call.storeIndex;
    CTE_CU_TEL->setText(call.callerTel);
    edtCuTel->setText(call.callerTel);
}

void TFRM_ACCEPT::fillKeypads(const QStringList &bunjiKeys)
{
    bunji->beginUpdate();
    bunji->clearRecords();
    for (const QString &key : bunjiKeys)
        bunji->appendRecord({key});
    bunji->endUpdate();
    chosung->beginUpdate();
    chosung->clearRecords();
    for (const QString &row : kChosungRows)
        chosung->appendRecord({row});
    chosung->endUpdate();
    CTV_CHOSUNG->setCurrentIndex(chosung->index(0, 0));
}

// The past-order and history grids keep codes and show the main window's names for them.
void TFRM_ACCEPT::applyCodeLookups()
{
    const QHash<QString, QString> paths = codeNames(::CCB_O3);
    const QHash<QString, QString> statuses = codeNames(::CCB_O2);
    custOrders->setColumnLookup(3, paths);
    custOrders->setColumnLookup(2, statuses);
    custAddrs->setColumnLookup(2, statuses);
    if (auto *hist = qobject_cast<GridTableModel *>(CTV_ORD_HIST->model()))
        hist->setColumnLookup(1, statuses);
}

void TFRM_ACCEPT::hideBottomGroups()
{
    for (QFrame *g : {CGB_ACC, CGB_ST1001, CGB_ST2001, CGB_ST3001, CGB_ST3003, CGB_ST4001, CGB_ST1002, CGB_ST5001,
                      cxGroupBox10, pnlSameDayEdit})
        g->hide();
}

void TFRM_ACCEPT::selectPayment(QPushButton *button)
{
    button->setChecked(true);
}

// The fields every start empties, whichever way the window is opened.
void TFRM_ACCEPT::resetOrderFields()
{
    for (QLineEdit *e : {CTE_DVRY_NAME, CTE_DVRY_TYPE_NAME, CTE_CU_MEMO, CTE_CU_NO, CTE_AREA1, CTE_AREA2, CTE_AREA7,
                         CTE_CU_NAME, CTE_USE_CNT, CTE_APP_AUTH_DT, CTE_FIRST_ORD_DT, CTE_LUMBO_PAY, CTE_APP_CNT,
                         CTE_DIS, CTE_CU_MAP_X, CTE_CU_MAP_Y, CTE_ST_MAX_X, CTE_ST_MAX_Y, CM_ETC, CTE_DVLY_SEARCH,
                         edtOrdCount, CTE_ORG_ORD_NO})
        e->clear();
    for (QLineEdit *e : {CTE_ADDR1, CTE_ADDR_NAME, CTE_ADDR_NAME_OLD, CTE_ADDR_NAME_NEW, CM_ADDR_DETAIL, CTE_CU_MAP_X,
                         CTE_CU_MAP_Y, CTE_DIS})
        clearWithHint(e);
    for (QLineEdit *e : CTE_CU_ADDR)
        e->clear();
    for (QPlainTextEdit *m : {edtOrdCuMemo, edtOrdStMemo, edtOrdCuWk, edtOrdStWk, edtSyMemo, CMM_DVRY_CHARGE})
        m->clear();
    cxLabel7->setToolTip(QString());
    lbMakeTime->setToolTip(QString());
    CLB_READY_CTH->setToolTip(QString());
    CLB_DIS->setText(QStringLiteral("0.000km"));
    CRB_ORD->setChecked(true);
    CCB_WAIT_TIME->clear();
    for (const ChoiceItem &item : CookingTimeChoices())
        CCB_WAIT_TIME->addItem(item.text, item.value);
    CCB_WAIT_TIME->setCurrentIndex(3);  // "7분"
    menuBoard->clear();
    for (QSpinBox *a : {CCR_GOODS_AMT, CCR_DOWN_AMT, CCR_SRV_AMT, CCR_AMOUNT, CCR_PRE_AMT, CSE_DEL_FEE})
        a->setValue(0);
    CCB_GENDER->setCurrentIndex(0);
    CCB_AGE->setCurrentIndex(0);
    GS_DELIVERY_CHARGE.clear();
    // An order's bundle, remarks and status come only from the order loaded next.
    GS_GRP_NO.clear();
    GS_ST_TEL.clear();
    GS_HD_CD.clear();
    GS_BR_CD.clear();
    GS_ORD_DT.clear();
    CCR_DOWN_AMT->setToolTip(QString());
    CCR_DOWN_AMT->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
    cxLabel12->setToolTip(QString());
    cxLabel12->setStyleSheet(QStringLiteral("background-color: #EFF5E9;"));
    cxLabel4->setStyleSheet(QStringLiteral("background-color: #E9EEF5;"));
    CLB_READY_CTH->setText(G_TXT_GRP_KIND[4] + QStringLiteral("\r\n") + G_TXT_COOK);
    CBR_READY_CTH_N->setChecked(true);
    cxLabel8->setText(QStringLiteral("건물명칭"));
    cxLabel27->setText(QStringLiteral("어플\r\n주문횟수"));
    lbMakeTime->setText(QStringLiteral("조리시간"));
    lbLockTime->setText(QStringLiteral("배달대행\r\nLOCK TIME"));
    cxLabel4->setText(QStringLiteral("배달료"));
    cxLabel5->setText(QStringLiteral("건당\r\n관리비"));
    CCB_TAKEOUT_TIME->hide();
    CCB_READ_TIME->hide();
    CCB_O8->show();
    CSE_DEL_FEE->show();
    CCB_DEL_CNT->show();
    CCB_DEL_CNT->setCurrentIndex(0);  // "1"
    CCB_CHARGE->setCurrentIndex(0);
    CTE_GOODS_NAME->clear();
    custOrders->clearRecords();
    custAddrs->clearRecords();
    // Address page: the map, detail and saved-name tabs wait for an address; customer page: orders.
    for (int i = 0; i < cxPageControl2->count(); ++i)
        cxPageControl2->setTabVisible(i, false);
    cxPageControl2->setCurrentIndex(0);
    cxPageControl3->setCurrentIndex(0);
    CGB_DVRY_CHARGE->hide();
    CTE_ADDR_WORD_S2->clear();
    addrResults->clearRecords();
    // Menu board filters
    CTE_ST_NAME_SEARCH->clear();
    CBT_ST_ALL->setChecked(true);
    cxGroupBox18->setProperty("Tag", CBT_ST_ALL->property("Tag"));
    cxGroupBox18->setToolTip(CBT_ST_ALL->text());
}

void TFRM_ACCEPT::proc_Acc_init()
{
    countInit();
    // No fee request while the fields are reset (their change handlers would send one). Nothing
    // here hands control to other events: a call that arrives meanwhile waits in the host.
    GB_LOAD = false;
    GB_CAL_CHARGE = false;
    GS_ADDR_SEARCH.clear();
    GS_ADDR_CLICK.clear();
    cxGroupBox2->show();
    cxGroupBox13->hide();
    pnlSameDay->hide();
    CLB_READY_CTH->show();
    CGB_READH_CTH->show();
    GS_ST_CD.clear();
    GS_WK_CODE.clear();
    GB_GOODS = false;
    GS_GOODS.clear();
    strDetailAddr.clear();
    const QString pendingPath = CCB_O3->property("pendingPath").toString();
    proc_InitStGrid();
    proc_Set_Ord_Path(QString());
    if (!pendingPath.isEmpty() || !call().orderPath.isEmpty()) {
        const int path = CCB_O3->findData(pendingPath.isEmpty() ? call().orderPath : pendingPath);
        if (path >= 0)
            CCB_O3->setCurrentIndex(path);
    }
    CCB_O3->setProperty("pendingPath", QVariant());
    applyCodeLookups();
    resetOrderFields();
    proc_Set_Status_Buttons(true);
    hideBottomGroups();
    fillKeypads({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                 QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                 QStringLiteral("-"), QStringLiteral("<")});
    if (GI_GUBUN == 0) {
        CGB_ACC->show();
        CTE_ORD_NO->clear();
        const QString store = CTE_ST_NO->text();
        proc_St_Favarity3(store, false);
        proc_Goods2(store, false);
        proc_Set_Store_Layout();
        proc_Load_Customer();
        cxPageControl1->setTabVisible(0, true);
        for (int i : {5, 6, 7})
            cxPageControl1->setTabVisible(i, false);
        cxPageControl1->setCurrentIndex(1);
        CCB_O3->setEnabled(true);
        GB_CAL_CHARGE = true;
        proc_Delivery_Charge(false);
        if (!call().storeNormal)
            cxPageControl1->setCurrentIndex(0);
    } else if (GI_GUBUN == 1) {
        cxPageControl1->setTabVisible(0, false);
        for (int i : {5, 6, 7})
            cxPageControl1->setTabVisible(i, true);
        cxLabel36->setText(QStringLiteral("배송원명/\n단말기번호"));
        proc_Load_Order();
        btnDvrySearchClick();
        proc_Load_Order_History();
        proc_Load_Send_Cash_List();
        cxPageControl1->setCurrentIndex(5);
        CCB_O3->setEnabled(false);
        if (GI_ORD == 2)
            proc_Set_Status_Buttons(false);
    }
    GB_CAL_CHARGE = true;
    for (QPushButton *b : GSL_GOODS)
        b->hide();
    GB_LOAD = true;
    if (GS_DELIVERY_CHARGE.isEmpty())
        proc_Delivery_Charge(true);
}

void TFRM_ACCEPT::proc_Init()
{
    countInit();
    FSELECT_ST_CLOSE = true;
    GB_LOAD = false;
    GB_CAL_CHARGE = false;
    CTL_GOODS->setEnabled(true);
    cxPageControl1->widget(4)->setEnabled(true);
    CM_ADDR_DETAIL->setEnabled(true);
    CM_ETC->setEnabled(true);
    pnlCustArea->show();
    pnlA2->hide();
    struct Finish
    {
        TFRM_ACCEPT *w;
        ~Finish()
        {
            // Also when a step below throws: the window ends usable and ready for fee requests.
            w->CTE_ADDR_WORD_S2->clear();
            w->addrResults->clearRecords();
            for (QPushButton *b : w->GSL_GOODS)
                b->hide();
            w->GB_CAL_CHARGE = true;
            w->GB_LOAD = true;
        }
    };

    // Service kind: delivery
    cxGroupBox2->show();
    CRB_ORD->setChecked(true);
    cxGroupBox13->hide();
    pnlSameDay->hide();
    CLB_READY_CTH->show();
    CGB_READH_CTH->show();
    CCB_WAIT_TIME->setEnabled(true);
    GB_GOODS = false;
    GS_ST_CD = GI_GUBUN == 1 ? GS_ST_CD : QString();
    const QString modifyStatus = GS_ST_CD;
    GS_WK_CODE.clear();
    proc_InitStGrid();
    edCustName->clear();
    strDetailAddr.clear();
    GS_ADDR_SEARCH.clear();
    resetOrderFields();
    GS_ST_CD = modifyStatus;
    if (stores->recordCount() == 1) {
        CTE_ST_NAME->setText(stores->recordValue(0, kStName).toString());
        CTE_ST_NO->setText(stores->recordValue(0, kStCode).toString());
    }
    proc_Set_Status_Buttons(true);
    pnl_Cu_Old_Addr->hide();
    PNL_OPTION->hide();
    proc_Set_Ord_Path(QString());
    const int defaultPath = G_ED_RCV_COMBO_IDX.at(G_EDITION_IDX);
    if (defaultPath < CCB_O3->count())
        CCB_O3->setCurrentIndex(defaultPath);
    applyCodeLookups();
    if (stores->recordCount() == 1) {
        const int path = CCB_O3->findData(stores->recordValue(0, kStTelType).toString());
        if (path >= 0)
            CCB_O3->setCurrentIndex(path);
    }
    edAddPrice->setValue(0);
    edAddPrice->setProperty("Tag", 0);
    edAddPrice->hide();
    lbPenalty->clear();
    lbPenalty->hide();
    edSTAddPrice->setText(QStringLiteral("0"));
    lbServiceAddPrice->setText(QStringLiteral("서비스구분"));
    selectPayment(btnCardPayed);
    cxLabel26->setVisible(G_ED_RCV_SHOW1.at(G_EDITION_IDX));
    CTE_LUMBO_PAY->setVisible(G_ED_RCV_SHOW2.at(G_EDITION_IDX));
    fillKeypads({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                 QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("0"),
                 QStringLiteral("-"), QStringLiteral("<")});
    proc_Set_Service_Kind();
    hideBottomGroups();
    for (QPushButton *b : {btnCardPayed, btnCashPayed, btnPrePayed})
        b->setEnabled(true);
    btnPrePayed->setText(QStringLiteral("선결제"));
    btnPrePayed->setToolTip(QString());
    edtCuTel->clear();
    edtCuTel->hide();
    CTE_CU_TEL->show();
    CTE_CU_TEL->clear();
    if (!cxGroupBox2->isEnabled()) {
        cxGroupBox2->setEnabled(true);
        CRB_ORD->setEnabled(true);
        CRG_TAKEOUT->setEnabled(true);
    }

    Finish finish{this};
    if (GI_GUBUN == 0) {
        CGB_ACC->show();
        CTE_ORD_NO->clear();
        if (CTE_ST_NO->text().size() != 7)
            CTE_ST_NO->setText(G_ST_LIST.isEmpty() ? QString() : QString(G_ST_LIST.at(0).ST_CODE));
        proc_St_Favarity3(CTE_ST_NO->text(), false);
        proc_Goods2(CTE_ST_NO->text(), false);
        proc_Set_Store_Layout();
        cxPageControl1->setTabVisible(0, true);
        for (int i : {5, 6, 7})
            cxPageControl1->setTabVisible(i, false);
        CCB_O3->setEnabled(true);
        GB_CAL_CHARGE = true;
        proc_Delivery_Charge(false);
        if (G_USER_SET.ACC_START == 1)
            GB_LOAD = true;
        proc_Show_Addr_Search();
        cxPageControl1->setCurrentIndex(0);
    } else if (GI_GUBUN == 1) {
        cxPageControl1->setTabVisible(0, false);
        for (int i : {5, 6, 7})
            cxPageControl1->setTabVisible(i, true);
        cxLabel36->setText(QStringLiteral("배송원명/\n단말기번호"));
        if (sOrderType == QLatin1String("2")) {
            proc_A2Order_Load();
            proc_A2Order_History();
        } else {
            proc_Load_Order();
            proc_Load_Order_History();
            proc_Load_Send_Cash_List();
        }
        btnDvrySearchClick();
        cxPageControl1->setCurrentIndex(5);
        const bool own = G_SL_ST_CODE.contains(CTE_ST_NO->text());
        if (!own) {
            proc_SetEnable(false);
            auto indicator = [this](const char *name) {
                auto *b = findChild<QPushButton *>(QString::fromLatin1(name));
                return b && b->isChecked();
            };
            cxButton28->setEnabled(indicator("CBT_2001"));
            cxButton32->setEnabled(indicator("CBT_3001"));
            edtCuTel->setText(CTE_CU_TEL->text().isEmpty() ? QString() : QStringLiteral("***********"));
            edtCuTel->show();
            CTE_CU_TEL->hide();
            cxPageControl1->setTabVisible(6, false);
            if (sOrderType == QLatin1String("1009")) {
                cxPageControl1->setCurrentIndex(5);
            } else if (CRB_ORD->isChecked()) {
                cxPageControl1->setTabVisible(7, true);
                cxPageControl1->setCurrentIndex(7);
            }
        } else {
            proc_SetEnable(true);
        }
        if (sOrderType == QLatin1String("1009"))
            proc_SameDayViewSet();
        else if (sOrderType == QLatin1String("2"))
            proc_A2ORDERViewSet();
        if (GS_DELIVERY_CHARGE.isEmpty())
            proc_Delivery_Charge(true);
        if (GI_ORD == 2)
            proc_Set_Status_Buttons(false);
    }
    const bool anyMemo = !edtOrdCuMemo->toPlainText().isEmpty() || !edtOrdStMemo->toPlainText().isEmpty()
                         || !edtOrdCuWk->toPlainText().isEmpty() || !edtOrdStWk->toPlainText().isEmpty()
                         || !edtSyMemo->toPlainText().isEmpty();
    btnShowMemo->setProperty("skin", anyMemo ? QStringLiteral("QYX_ACP_BTN3") : QStringLiteral("QYX_GRID"));
}

void TFRM_ACCEPT::proc_Set_Status_Buttons(bool enable)
{
    for (QPushButton *b : statusButtons)
        b->setEnabled(enable);
}

void TFRM_ACCEPT::proc_SetEnable(bool enableFlag)
{
    // The fee stays usable either way: everything else of the group is switched around it.
    for (QWidget *w : cxGroupBox23->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w != CSE_DEL_FEE)
            w->setEnabled(enableFlag);
    CTE_CU_TEL->setEnabled(enableFlag);
    edtCuTel->setEnabled(enableFlag);
    if (edAddPrice->isVisible() || edAddPrice->property("shown").toBool()) {
        lbServiceAddPrice->setText(QStringLiteral("요금지원"));
        bool on = enableFlag;
        const QString userType = G_USER_INFO.USER_TYPE_CD.left(1);
        if (userType == QLatin1String("7")) {
            if (const THD_LIST *hd = G_HD_LIST.find(G_USER_INFO.HD))
                on = hd->BR_MNG_ADD_PRICE_YN == QLatin1String("Y") ? HasAuthGrade(1) : false;
            if (!G_SL_BR_DVRY_TYPE.contains(CCB_O8->currentData().toString()))
                on = false;
        } else if (userType == QLatin1String("5")) {
            on = HasAuthGrade(1);
            if (G_DVRY_GRP_INFO.isEmpty() || CCB_O8->currentData().toString() != G_DVRY_GRP_INFO.first().DVRY_TYPE_CD)
                on = false;
        }
        static const QStringList closed{QStringLiteral("4001"), QStringLiteral("4002"), QStringLiteral("4003"),
                                        QStringLiteral("1003")};
        if (closed.contains(GS_ST_CD))
            on = false;
        edAddPrice->setEnabled(on);
    }
}

void TFRM_ACCEPT::proc_Close_Accept()
{
    wheelTag = 0;
    CLB_TOTAL->setProperty("Tag", 0);
    QWidget *p = parentWidget();
    while (p && !qobject_cast<TFRM_ACP *>(p))
        p = p->parentWidget();
    auto *host = qobject_cast<TFRM_ACP *>(p);
    // Hiding the window frees its tab; the host tells the main window, which brings back the
    // screen the window came from when no other reception is open.
    hide();
    if (host) {
        const int other = host->firstShownTab();
        if (other >= 0)
            host->pages->setCurrentIndex(other);
    }
}

// Lists ----------------------------------------------------------------------------------------

void TFRM_ACCEPT::proc_InitStGrid()
{
    const StoreGridFill fill = BuildStoreGrid(CTE_ST_NO->text(), G_USER_INFO.MULTI_TYPE);
    stores->beginUpdate();
    stores->clearRecords();
    std::vector<QVariantList> rows(fill.rows.begin(), fill.rows.end());
    stores->appendRecords(std::move(rows));
    stores->endUpdate();
    if (!fill.defaultCode.isEmpty()) {
        CTE_ST_NO->setText(fill.defaultCode);
        CTE_ST_NAME->setText(fill.defaultName);
    }
}

void TFRM_ACCEPT::proc_Load_Dvry_Group()
{
    groups->beginUpdate();
    groups->clearRecords();
    CCB_O8->blockSignals(true);
    CCB_O8->clear();
    const TST_LIST *store = G_ST_LIST.value(storeIndexTag);
    const QString now = nowHhnn();
    if (store) {
        const QString own = store->DVRY_TYPE_CD;
        CCB_O8->addItem(QStringLiteral("선택안함(내그룹만)"), own);
        QVariantList row(kGrpColumnCount);
        row[kGrpCode] = own;
        row[kGrpName] = QStringLiteral("(내그룹)") + GroupName(own);
        row[kGrpTel] = FormatPhone(store->DVRY_BR_TEL, 0);
        if (TDVRY_GRP_INFO *info = FindOwnGroupInfo(own)) {
            row[kGrpStatus] = GroupStatusShown(*info, now);
            row[kGrpDelay] = GroupDelayText(info->DELAY_TIME, true);
            row[kGrpSurcharge] = GroupSurchargeText(info->EX_YN, info->EX_CHARGE, info->EX_S_TIME, info->EX_E_TIME, now);
        }
        groups->appendRecord(row);
        for (const TDVRY_LIST &out : store->DVRY_OUT_LIST) {
            CCB_O8->addItem(out.DT_NAME, QString(out.DVRY_TYPE_CD));
            QVariantList r(kGrpColumnCount);
            r[kGrpCode] = QString(out.DVRY_TYPE_CD);
            r[kGrpName] = GroupName(out.DVRY_TYPE_CD).isEmpty() ? out.DT_NAME : GroupName(out.DVRY_TYPE_CD);
            r[kGrpTel] = FormatPhone(out.BR_TEL, 0);
            if (TDVRY_GRP_INFO *info = FindOutGroupInfo(out.DVRY_TYPE_CD)) {
                info->MNG_YN = GroupInManagementHours(*info, now);
                r[kGrpStatus] = GroupStatusShown(*info, now);
                r[kGrpDelay] = GroupDelayText(info->DELAY_TIME, false);
                r[kGrpSurcharge] =
                    GroupSurchargeText(info->EX_YN, info->EX_CHARGE, info->EX_S_TIME, info->EX_E_TIME, now);
            }
            groups->appendRecord(r);
        }
    }
    groups->endUpdate();
    if (groups->recordCount() > 0) {
        CCB_O8->setCurrentIndex(0);
        CTE_DVRY_TYPE_NAME->setText(groups->recordValue(0, kGrpName).toString());
    }
    CCB_O8->blockSignals(false);
    proc_Filter_Dvry_Group();
}

void TFRM_ACCEPT::proc_Filter_Dvry_Group()
{
    const QString now = nowHhnn();
    groups->beginUpdate();
    for (int r = 0; r < groups->recordCount(); ++r) {
        const QString code = groups->recordValue(r, kGrpCode).toString();
        // The own group is looked up like at load; the row keeps what it showed when no entry
        // belongs to its code.
        TDVRY_GRP_INFO *info = r == 0 ? FindOwnGroupInfo(code) : FindOutGroupInfo(code);
        if (!info)
            continue;
        groups->setRecordValue(r, kGrpStatus, GroupStatusShown(*info, now));
        groups->setRecordValue(r, kGrpDelay, GroupDelayText(info->DELAY_TIME, true));
        groups->setRecordValue(r, kGrpSurcharge,
                               GroupSurchargeText(info->EX_YN, info->EX_CHARGE, info->EX_S_TIME, info->EX_E_TIME, now));
    }
    const QString text = CTE_DVRY_NAME->text().trimmed();
    FilterGroup g;
    if (!text.isEmpty())
        g.add(FilterCondition::make(kGrpName, FilterOp::Contains, text));
    groups->setFilterGroup(0, g);
    groups->setFilterEnabled(true);
    groups->endUpdate();
}

void TFRM_ACCEPT::proc_Filter_Store_List()
{
    const QString text = CTE_ST_NAME_SEARCH->text().trimmed();
    FilterGroup g;
    if (!text.isEmpty())
        g.add(FilterCondition::make(kStName, FilterOp::Contains, text));
    stores->beginUpdate();
    stores->setFilterGroup(0, g);
    stores->setFilterEnabled(true);
    stores->endUpdate();
}

void TFRM_ACCEPT::proc_Filter_Worker_List()
{
    couriers->beginUpdate();
    for (int slot = 0; slot < 4; ++slot)
        couriers->clearFilterGroup(slot);
    SetWorkerFilter(*couriers, 7, 10, 9, 0, 11, 0, 1, 2, 3, CTE_DVLY_SEARCH->text().trimmed());
    couriers->setFilterEnabled(true);
    couriers->endUpdate();
}

int TFRM_ACCEPT::func_Get_Group_Delay() const
{
    return GroupDelayOf(CCB_O8->currentData().toString());
}

// Layout ---------------------------------------------------------------------------------------

void TFRM_ACCEPT::proc_Set_Store_Layout()
{
    const int i = int(G_SL_ST_CODE.indexOf(CTE_ST_NO->text()));
    if (i < 0) {
        CTE_ST_NAME->clear();
        return;
    }
    const TST_LIST &store = G_ST_LIST.at(i);
    CTE_ST_NAME->setText(store.ST_NAME);
    const int path = CCB_O3->findData(QString(store.TEL_TYPE_CD));
    CCB_O3->setCurrentIndex(path);
    bool ok = false;
    int shopType = store.SHOP_TYPE.toInt(&ok);
    if (!ok)
        shopType = 1;
    if (shopType >= 1 && shopType <= 3) {
        const bool errand = shopType != 1;
        cxGroupBox2->setVisible(!errand);
        CRB_ORD->setChecked(true);
        cxGroupBox13->setVisible(errand);
        CRB_SEDRAN->setChecked(errand);
        pnlSameDay->hide();
        lbMakeTime->setText(errand ? QStringLiteral("준비시간") : QStringLiteral("조리시간"));
        CLB_READY_CTH->setVisible(!errand);
        CGB_READH_CTH->setVisible(!errand);
        cxLabel23->setText(errand ? QStringLiteral("세도란회원") : QStringLiteral("제휴앱회원"));
        cxLabel24->setText(errand ? QStringLiteral("성인인증일자") : QStringLiteral("어플인증일자"));
        lbLockTime->show();
        CCB_LOCK_TIME->show();
        CCB_WAIT_TIME->show();
        for (QWidget *w : {static_cast<QWidget *>(lbHideLockTime), static_cast<QWidget *>(lbHideReadyCTH),
                           static_cast<QWidget *>(edCustName)})
            w->hide();
        selectPayment(btnCardPayed);
        btnOrdSaveReady->setText(QStringLiteral("배달요청"));
        btnOrdSaveReady->setProperty("Tag", 2001);
        if (sOrderType == QLatin1String("1009") && GI_GUBUN == 0)
            sOrderType.clear();
    } else if (shopType == 7) {
        proc_SameDayViewSet();
    }
    if (CCB_O3->currentIndex() < 0 && GI_GUBUN == 0) {
        const int idx = G_ED_RCV_COMBO_IDX.at(G_EDITION_IDX);
        if (idx < CCB_O3->count())
            CCB_O3->setCurrentIndex(idx);
    }
    const int ready = ChoiceIndex(CookingTimeChoices(), store.READY_TIME.trimmed().toInt());
    if (ready >= 0)
        CCB_WAIT_TIME->setCurrentIndex(ready);
    CCB_LOCK_TIME->setProperty("Tag", store.DVRY_LOCK_TIME);
    CCB_LOCK_TIME->setCurrentIndex(ChoiceIndex(LockTimeChoices(), LockTimeValue(store.DVRY_LOCK_TIME)));
    if (shopType >= 1 && shopType <= 3) {
        CTE_ST_MAX_X->setText(store.ST_LNG_X);
        CTE_ST_MAX_Y->setText(store.ST_LAT_Y);
    }
    // Saved-name groups
    addrGroups->beginUpdate();
    addrGroups->clearRecords();
    if (store.ST_MSG_ADDR.count() > 0) {
        addrGroups->appendRecord({QStringLiteral("전체"), QString(), -1});
        for (int g = 0; g < store.ST_MSG_ADDR.count(); ++g) {
            const auto &grp = store.ST_MSG_ADDR.at(g);
            bool num = false;
            const int order = QString(grp.VIEW_ORDER).toInt(&num);
            addrGroups->appendRecord({grp.GRP_TEXT, QString(grp.GRP_NO), num ? order : 1});
        }
    }
    addrGroups->endUpdate();
    if (addrGroups->recordCount() > 0)
        CTV_ADDR_GRP->setCurrentIndex(addrGroups->index(0, 0));
    proc_Load_Dong();
    proc_Load_Addr_Word();
    if (shopType >= 1 && shopType <= 3) {
        const QString distance =
            G_INI ? G_INI->ReadString(QStringLiteral("ST_") + store.ST_CODE, QStringLiteral("LAST_DISTANCE"),
                                      QStringLiteral("5"))
                        .left(2)
                  : QStringLiteral("5");
        G_ST_LIST[i].LAST_DISTANCE = distance;
    }
    goodsGroups->beginUpdate();
    goodsGroups->clearRecords();
    if (G_USER_SET.MenuPopup == QLatin1String("N"))
        for (const QStringList &row : GoodsGroupRows(store, pnlA2->isVisible()))
            goodsGroups->appendRecord({row.at(0), row.at(1)});
    goodsGroups->endUpdate();
    storeIndexTag = i;
    proc_Load_Dvry_Group();
    proc_Cooking_Time();
    const bool seeMoney = HasAuthGrade(2);
    cxCurrencyEdit2->setEchoMode(seeMoney ? QLineEdit::Normal : QLineEdit::Password);
    cxCurrencyEdit3->setEchoMode(seeMoney ? QLineEdit::Normal : QLineEdit::Password);
    btnCashPayed->setText(store.WK_GOODS_PAY_TYPE == QLatin1String("2") ? QStringLiteral("현금(P)")
                                                                        : QStringLiteral("현금"));
    cxTextEdit4->clear();
    cxTextEdit4->setToolTip(QString());
    cxTextEdit4->setProperty("Tag", 0);
    cxCurrencyEdit1->setValue(0);
    cxTextEdit3->clear();
    proc_Filter_Dvry_Group();
}

void TFRM_ACCEPT::proc_SameDayViewSet()
{
    sOrderType = QStringLiteral("1009");
    cxGroupBox2->hide();
    cxGroupBox13->hide();
    CRB_ORD->setChecked(true);
    pnlSameDay->show();
    rdoSameDay->setChecked(true);
    CRB_SEDRAN->setChecked(false);
    CLB_READY_CTH->hide();
    CGB_READH_CTH->hide();
    lbLockTime->hide();
    CCB_LOCK_TIME->hide();
    lbMakeTime->setText(QStringLiteral("고객명"));
    CCB_WAIT_TIME->hide();
    edCustName->show();
    selectPayment(btnCashPayed);
    for (QPushButton *b : {btnCardPayed, btnCashPayed, btnPrePayed})
        b->setEnabled(false);
    btnOrdSaveReady->setText(QStringLiteral("집화요청"));
    btnOrdSaveReady->setProperty("Tag", 6101);
}

void TFRM_ACCEPT::proc_Set_Service_Kind()
{
    const bool delivery = CRB_ORD->isChecked() || !CRG_TAKEOUT->isChecked();
    if (delivery) {
        for (QWidget *w : {static_cast<QWidget *>(CCB_O8), static_cast<QWidget *>(CSE_DEL_FEE),
                           static_cast<QWidget *>(CCE_BASE_FEE), static_cast<QWidget *>(CCB_DEL_CNT)})
            w->setEnabled(true);
        cxLabel5->setText(QStringLiteral("건당\r\n관리비"));
        const QString feeWord = G_ED_FEE_WORD.at(G_EDITION_IDX);
        cxLabel4->setText(feeWord.isEmpty() ? QStringLiteral("배달료") : feeWord);
        CCB_TAKEOUT_TIME->hide();
        CCB_READ_TIME->hide();
        CSE_DEL_FEE->show();
        CCE_BASE_FEE->show();
        CCB_DEL_CNT->show();
        if (sOrderType != QLatin1String("1009") && !cxGroupBox13->isVisible()) {
            CLB_READY_CTH->show();
            CGB_READH_CTH->show();
        }
        for (QLineEdit *e : {CTE_ADDR_NAME, CTE_ADDR_NAME_OLD, CTE_ADDR_NAME_NEW, CTE_CU_MAP_X, CTE_CU_MAP_Y,
                             CM_ADDR_DETAIL})
            if (!e->toolTip().isEmpty())
                e->setText(e->toolTip());
        if (!CTE_DIS->toolTip().isEmpty()) {
            bool ok = false;
            const double dis = CTE_DIS->toolTip().toDouble(&ok);
            CTE_DIS->setText(QString::number(ok ? dis : 0));
        }
        if (!cxLabel7->toolTip().isEmpty())
            CTE_ADDR1->setText(cxLabel7->toolTip());
        proc_Delivery_Charge(false);
        return;
    }
    for (QWidget *w : {static_cast<QWidget *>(CSE_DEL_FEE), static_cast<QWidget *>(CCE_BASE_FEE),
                       static_cast<QWidget *>(CCB_DEL_CNT)})
        w->setEnabled(false);
    CSE_DEL_FEE->setValue(0);
    CCE_BASE_FEE->setValue(0);
    CCB_DEL_CNT->setCurrentIndex(0);
    cxLabel4->setText(QStringLiteral("테이크아웃\r\n예정시간"));
    cxLabel5->setText(QStringLiteral("주방\r\n발주시간"));
    CCB_TAKEOUT_TIME->show();
    CCB_READ_TIME->show();
    CSE_DEL_FEE->hide();
    CCE_BASE_FEE->hide();
    CCB_DEL_CNT->hide();
    CLB_READY_CTH->hide();
    CGB_READH_CTH->hide();
    for (QLineEdit *e : {CTE_ADDR_NAME, CTE_ADDR_NAME_OLD, CTE_ADDR_NAME_NEW, CTE_CU_MAP_X, CTE_CU_MAP_Y, CM_ADDR_DETAIL}) {
        e->setToolTip(e->text());
        e->clear();
    }
    cxLabel7->setToolTip(CTE_ADDR1->text());
    CTE_ADDR1->setToolTip(QString());
    CTE_ADDR1->clear();
    CTE_DIS->setToolTip(CTE_DIS->text());
    CTE_DIS->setText(QStringLiteral("0"));
    CLB_DIS->setText(QStringLiteral("0.000km"));
    GS_DELIVERY_CHARGE.clear();
    pnl_Cu_Old_Addr->hide();
}

void TFRM_ACCEPT::proc_Set_Ord_Path(const QString &sOrdPathCd)
{
    CCB_O3->clear();
    for (const OrderPathItem &item :
         OrderPathItems(G_COM_CODE_LIST, GI_GUBUN == 0, sOrdPathCd, G_ED_ORD_PATH.at(G_EDITION_IDX))) {
        CCB_O3->addItem(item.name, item.code);
        CCB_O3->setItemData(CCB_O3->count() - 1, item.tag, Qt::UserRole + 1);
    }
    CCB_O3->setCurrentIndex(-1);
}

void TFRM_ACCEPT::proc_Cooking_Time()
{
    if (GI_GUBUN == 1)
        return;
    const int delay = func_Get_Group_Delay();
    if (delay > 0) {
        lblDelay->setText(QStringLiteral("+") + QString::number(delay) + QStringLiteral("분"));
    } else {
        lblDelay->clear();
        CCB_WAIT_TIME->clear();
        for (const ChoiceItem &item : CookingTimeChoices())
            CCB_WAIT_TIME->addItem(item.text, item.value);
    }
    const TST_LIST *store = G_ST_LIST.value(storeIndexTag);
    bool ok = false;
    int ready = store ? store->READY_TIME.trimmed().toInt(&ok) : 0;
    if (!ok)
        ready = 15;
    const int idx = CCB_WAIT_TIME->findData(ready);
    if (idx >= 0)
        CCB_WAIT_TIME->setCurrentIndex(idx);
    CCB_WAIT_TIME->setProperty("Tag", ready);
}

// Wheel routing: over the goods buttons the wheel scrolls them one line, not the page control.
bool TFRM_ACCEPT::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == CGB_GOODS || watched == cxScrollBox1->viewport())
            wheelTag = 1;
        else
            wheelTag = 0;
    } else if (event->type() == QEvent::Wheel && wheelTag == 1 && cxPageControl1->currentIndex() == 4) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        QScrollBar *bar = cxScrollBox1->verticalScrollBar();
        bar->triggerAction(wheel->angleDelta().y() < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                       : QAbstractSlider::SliderSingleStepSub);
        return true;
    }
    return ReceptionWindow::eventFilter(watched, event);
}

void TFRM_ACCEPT::proc_Load_Goods_Buttons()
{
    menuBoard->loadGoodsButtons();
}

void TFRM_ACCEPT::proc_Charge()
{
    menuBoard->charge();
}

void InstallReceptionWindows()
{
    TFRM_ACP::SetWindowMaker(
        [](ReceptionWindow::Kind kind, QWidget *parent) -> ReceptionWindow * { return new TFRM_ACCEPT(kind, parent); },
        {ReceptionWindow::Kind::Delivery, ReceptionWindow::Kind::DeliveryModify});
}
