// The settlement screen's other tabs (item breakdown, unpaid and receivable amounts, transfers)
// and the withdrawal panel over the ledger tab.

#include "store/ui/settlement_screen.h"

#include "boards/ui/web_popup.h"
#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/ui/window_placement.h"
#include "grid/grid_table_model.h"
#include "grid/ui/combo_box_fill.h"
#include "link/reply_check.h"
#include "link/link_state.h"
#include "main/top_menu.h"
#include "main/ui/start_forms.h"
#include "records/business_rules.h"
#include "records/session_records.h"
#include "reference/page_addresses.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "store/money_amount.h"
#include "store/money_breakdown.h"
#include "store/ui/money_delegate.h"
#include "store/ui/money_transfer_dialog.h"
#include "text/phone_helpers.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
QLineEdit *tabShownOnly(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    return e;
}

const char *const kDetailCaptions[kBreakdownSums] = {
    "배송관리비 정산\n(월정액)",   "배송관리비 정산\n(초과건당)",     "배송관리비 정산\n(선분할)",
    "배송관리비 정산\n(일차감)",   "배달대행료 정산\n(자체 발행)",    "배달대행료 정산\n(플랫폼사 발행)",
    "배달대행 건당관리비\n수발주정산", "배달플랫폼\n사용료 정산",        "배달플랫폼\n영업수수료",
    "일비/리스비\n정산",          "토르빈 플랫폼\n 영업수수료",       "온라인플랫폼\n영업수수료",
    "QYX플랫폼\n영업수수료"};

const QHash<QString, QString> kOstdClassNames = {{"1", "제휴본사"}, {"2", "총판"}, {"3", "가맹점"}, {"4", "배송원"}};
const QHash<QString, QString> kOstdStatusNames = {{"0", "미처리"}, {"1", "처리완료"}};
const QHash<QString, QString> kTargetStatusNames = {{"1", "정상"}, {"2", "정지"}, {"9", "캐쉬부족"}, {"3", "퇴직"}, {"0", "삭제"}};

enum TargetColumn
{
    kTgtNo,
    kTgtGroup,
    kTgtName,
    kTgtCode,
    kTgtType,
    kTgtDayNo,
    kTgtStatus,
    kTgtCash,
};
} // namespace

// ---- withdrawal ---------------------------------------------------------------------------

void TFRM_CALCULATE::buildWithdrawalPanel()
{
    CGB_WITHDRAWAL = new QFrame(this);
    CGB_WITHDRAWAL->setObjectName(QStringLiteral("CGB_WITHDRAWAL"));
    CGB_WITHDRAWAL->setFrameShape(QFrame::Box);
    CGB_WITHDRAWAL->setAutoFillBackground(true);
    CGB_WITHDRAWAL->resize(405, 460);
    auto *v = new QVBoxLayout(CGB_WITHDRAWAL);
    auto *title = new QLabel(QStringLiteral("머니 출금"), CGB_WITHDRAWAL);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(title);
    auto *group = new QGroupBox(CGB_WITHDRAWAL);
    auto *g = new QGridLayout(group);
    lbGrpNameCashOut = new QLabel(QStringLiteral("제휴본사명"), group);
    CTE_STOCK_NAME1 = tabShownOnly(group);
    CTE_NOW_CASH1 = tabShownOnly(group);
    CTE_NOW_CASH2 = tabShownOnly(group);
    edtCashDepositSP = tabShownOnly(group);
    g->addWidget(lbGrpNameCashOut, 0, 0);
    g->addWidget(CTE_STOCK_NAME1, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("머니잔액"), group), 1, 0);
    g->addWidget(CTE_NOW_CASH1, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("출금가능금액"), group), 2, 0);
    g->addWidget(CTE_NOW_CASH2, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("보호예치금"), group), 3, 0);
    g->addWidget(edtCashDepositSP, 3, 1);
    v->addWidget(group);
    auto *mine = new QGroupBox(QStringLiteral("내계좌 정보"), CGB_WITHDRAWAL);
    auto *mv = new QVBoxLayout(mine);
    pnlCashMine = new QWidget(mine);
    auto *mg = new QGridLayout(pnlCashMine);
    mg->setContentsMargins(0, 0, 0, 0);
    CICB_BANK = new QComboBox(pnlCashMine);
    CICB_BANK->setEnabled(false);
    CTE_BANK_ACC = tabShownOnly(pnlCashMine);
    CTE_ACCOUNT_OWNER = tabShownOnly(pnlCashMine);
    mg->addWidget(new QLabel(QStringLiteral("은행명"), pnlCashMine), 0, 0);
    mg->addWidget(CICB_BANK, 0, 1);
    mg->addWidget(new QLabel(QStringLiteral("계좌번호"), pnlCashMine), 1, 0);
    mg->addWidget(CTE_BANK_ACC, 1, 1);
    mg->addWidget(new QLabel(QStringLiteral("예금주"), pnlCashMine), 2, 0);
    mg->addWidget(CTE_ACCOUNT_OWNER, 2, 1);
    mv->addWidget(pnlCashMine);
    v->addWidget(mine);
    auto *amountBox = new QGroupBox(QStringLiteral("출금 정보"), CGB_WITHDRAWAL);
    auto *av = new QVBoxLayout(amountBox);
    pnlCashAmount = new QWidget(amountBox);
    auto *ag = new QGridLayout(pnlCashAmount);
    ag->setContentsMargins(0, 0, 0, 0);
    CTE_WITHDRAWAL_AMT = new QLineEdit(pnlCashAmount);
    CTE_WITHDRAWAL_AMT->setMaxLength(50);
    CTE_WITHDRAWAL_PINNO = new QLineEdit(pnlCashAmount);
    CTE_WITHDRAWAL_PINNO->setMaxLength(15);
    CTE_WITHDRAWAL_PINNO->setEchoMode(QLineEdit::Password);
    CTE_WITHDRAWAL_PINNO->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), CTE_WITHDRAWAL_PINNO));
    ag->addWidget(new QLabel(QStringLiteral("출금금액"), pnlCashAmount), 0, 0);
    ag->addWidget(CTE_WITHDRAWAL_AMT, 0, 1);
    ag->addWidget(new QLabel(QStringLiteral("PIN번호"), pnlCashAmount), 1, 0);
    ag->addWidget(CTE_WITHDRAWAL_PINNO, 1, 1);
    av->addWidget(pnlCashAmount);
    v->addWidget(amountBox);
    auto *buttons = new QHBoxLayout;
    CBT_PAY_WITHDRAWAL = new QPushButton(QStringLiteral("출금"), CGB_WITHDRAWAL);
    CBT_PAY_CANCEL = new QPushButton(QStringLiteral("취소"), CGB_WITHDRAWAL);
    buttons->addStretch();
    buttons->addWidget(CBT_PAY_WITHDRAWAL);
    buttons->addWidget(CBT_PAY_CANCEL);
    v->addLayout(buttons);

    pnlConfirm = new QFrame(CGB_WITHDRAWAL);
    pnlConfirm->setFrameShape(QFrame::Box);
    pnlConfirm->setAutoFillBackground(true);
    auto *cv = new QVBoxLayout(pnlConfirm);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("● 예금주명:"), pnlConfirm));
    lbAccountName = new QLabel(pnlConfirm);
    nameRow->addWidget(lbAccountName, 1);
    cv->addLayout(nameRow);
    auto *accRow = new QHBoxLayout;
    accRow->addWidget(new QLabel(QStringLiteral("● 계좌번호:"), pnlConfirm));
    lbAccountNo = new QLabel(pnlConfirm);
    accRow->addWidget(lbAccountNo, 1);
    cv->addLayout(accRow);
    cv->addWidget(new QLabel(QStringLiteral("출금시 수수료 ") + QString::fromUtf8(kWithdrawalFee) + QStringLiteral(" 이 발생하고"),
                             pnlConfirm));
    cv->addWidget(new QLabel(QStringLiteral("입금되기까지 몇 분정도 걸릴 수 있습니다."), pnlConfirm));
    cv->addWidget(new QLabel(QStringLiteral("출금을 진행 하시겠습니까?"), pnlConfirm));
    auto *cb = new QHBoxLayout;
    btnConfirmYes = new QPushButton(QStringLiteral("확인"), pnlConfirm);
    btnConfirmNo = new QPushButton(QStringLiteral("취소"), pnlConfirm);
    cb->addStretch();
    cb->addWidget(btnConfirmYes);
    cb->addWidget(btnConfirmNo);
    cv->addLayout(cb);
    pnlConfirm->hide();
    CGB_WITHDRAWAL->hide();

    connect(CBT_PAY_WITHDRAWAL, &QPushButton::clicked, this, [this] { withdrawalConfirmToggle(); });
    connect(btnConfirmNo, &QPushButton::clicked, this, [this] { withdrawalConfirmToggle(); });
    connect(btnConfirmYes, &QPushButton::clicked, this, [this] { btnConfirmYesClick(); });
    connect(CBT_PAY_CANCEL, &QPushButton::clicked, this, [this] { CBT_PAY_CANCELClick(); });
}

void TFRM_CALCULATE::CBT_WITHDRAWALClick()
{
    CGB_WITHDRAWAL->move(std::max(0, (width() - CGB_WITHDRAWAL->width()) / 2),
                         std::max(0, (height() - CGB_WITHDRAWAL->height()) / 2));
    const std::optional<MoneyBalance> b = RequestMoneyBalance(UserClass(), G_USER_INFO.USER_CODE);
    CTE_WITHDRAWAL_AMT->setText(QStringLiteral("0"));
    CTE_WITHDRAWAL_PINNO->clear();
    if (!b)
        return;
    m_balance = *b;
    CICB_BANK->setCurrentIndex(CICB_BANK->findData(b->bank));
    CTE_NOW_CASH1->setText(GroupedWon(b->balance));
    CTE_NOW_CASH2->setText(GroupedWon(b->withdrawable));
    edtCashDepositSP->setText(GroupedWon(b->deposit));
    CTE_BANK_ACC->setText(FormatNumberGroups(b->account, 1));
    CTE_BANK_ACC->setToolTip(b->account);
    CTE_ACCOUNT_OWNER->setText(b->holder);
    showWithdrawalConfirm(false);
    prcCashEnableSet(false);
    CGB_WITHDRAWAL->show();
    CGB_WITHDRAWAL->raise();
}

WithdrawalInput TFRM_CALCULATE::withdrawalInput() const
{
    WithdrawalInput in;
    in.pin = CTE_WITHDRAWAL_PINNO->text();
    in.amount = CTE_WITHDRAWAL_AMT->text();
    in.withdrawable = m_balance.withdrawable;
    in.bankText = CICB_BANK->currentText();
    in.bankCode = CICB_BANK->currentData().toString();
    in.account = CTE_BANK_ACC->toolTip();
    in.holder = CTE_ACCOUNT_OWNER->text();
    return in;
}

void TFRM_CALCULATE::showWithdrawalConfirm(bool show)
{
    if (!pnlConfirm)
        return;
    pnlCashMine->setEnabled(!show);
    pnlCashAmount->setEnabled(!show);
    CBT_PAY_WITHDRAWAL->setEnabled(!show);
    CBT_PAY_CANCEL->setEnabled(!show);
    if (show) {
        pnlConfirm->setGeometry(2, 37, CGB_WITHDRAWAL->width() - 4, std::min(CGB_WITHDRAWAL->height() - 39, 260));
        pnlConfirm->show();
        pnlConfirm->raise();
    } else {
        pnlConfirm->hide();
    }
}

void TFRM_CALCULATE::withdrawalConfirmToggle()
{
    if (pnlConfirm->isVisible()) {
        showWithdrawalConfirm(false);
        return;
    }
    const WithdrawalInput in = withdrawalInput();
    const QString message = WithdrawalCheck(in);
    if (!message.isEmpty()) {
        MsgBox(message, QStringLiteral("I"));
        return;
    }
    lbAccountName->setText(in.holder);
    lbAccountNo->setText(in.account);
    showWithdrawalConfirm(true);
}

void TFRM_CALCULATE::btnConfirmYesClick()
{
    const WithdrawalInput in = withdrawalInput();
    // A check that fails now, or a user who may not withdraw, is told so instead of leaving the
    // confirmation up with nothing happening.
    const QString message = WithdrawalCheck(in);
    const QString kind = WithdrawalKind(UserClass());
    if (!message.isEmpty() || kind.isEmpty()) {
        MsgBox(message.isEmpty() ? QStringLiteral("출금을 사용할 수 없는 사용자입니다.") : message, QStringLiteral("I"));
        showWithdrawalConfirm(false);
        return;
    }
    QString result;
    RequestCheck(G_TCP_CLIENT, QString::fromLatin1(kWithdrawalRequestCode), QStringLiteral("ADM1"), QStringLiteral("성공했습니다."),
                 QStringLiteral("실패했습니다."), WithdrawalPayload(in, kind, G_USER_INFO.USER_CODE), 0, result);
    if (result == QStringLiteral("1│")) {
        prcCashEnableSet(true);
        CGB_WITHDRAWAL->hide();
    } else {
        showWithdrawalConfirm(false);
    }
}

void TFRM_CALCULATE::CBT_PAY_CANCELClick()
{
    prcCashEnableSet(true);
    CGB_WITHDRAWAL->hide();
}

// ---- item breakdown -----------------------------------------------------------------------

QWidget *TFRM_CALCULATE::buildBreakdownTab()
{
    auto *tab = new QWidget(this);
    auto *v = new QVBoxLayout(tab);
    auto *search = new QGroupBox(tab);
    auto *h = new QHBoxLayout(search);
    h->addWidget(new QLabel(QStringLiteral("기간"), search));
    dtCashDTFrom = SettlementDateEdit(search, QDate::currentDate().addDays(-6));
    dtCashDTTo = SettlementDateEdit(search, QDate::currentDate());
    h->addWidget(dtCashDTFrom);
    h->addWidget(new QLabel(QStringLiteral("~"), search));
    h->addWidget(dtCashDTTo);
    lbCashDTGrpName = new QLabel(QStringLiteral("제휴본사명"), search);
    h->addWidget(lbCashDTGrpName);
    cbCashDTGrpTarget = new QComboBox(search);
    cbCashDTGrpTarget->setMinimumWidth(220);
    h->addWidget(cbCashDTGrpTarget);
    cxButton2 = new QPushButton(QStringLiteral("검색"), search);
    btnCashDTExcelSave = new QPushButton(QStringLiteral("엑셀다운"), search);
    h->addWidget(cxButton2);
    h->addWidget(btnCashDTExcelSave);
    h->addStretch();
    v->addWidget(search);

    QList<GridColumn> columns{{QStringLiteral("GC_dtl_date"), QStringLiteral("날짜"), GridValueType::Text, {}}};
    for (int i = 0; i < kBreakdownSums; ++i)
        columns.append({QStringLiteral("GC_dtl_sum%1").arg(i + 1, 2, 10, QLatin1Char('0')), QString::fromUtf8(kDetailCaptions[i]),
                        GridValueType::Integer, {}});
    detailModel = new GridTableModel(this);
    detailModel->setColumns(columns);
    cxGridBandCashDetail = SettlementGrid(detailModel, tab);
    cxGridBandCashDetail->horizontalHeader()->setMinimumHeight(45);
    cxGridBandCashDetail->horizontalHeader()->setStretchLastSection(false);
    auto *dash = new MoneyDelegate(cxGridBandCashDetail, QStringLiteral("-"));
    cxGridBandCashDetail->setColumnWidth(0, 105);
    for (int c = 1; c <= kBreakdownSums; ++c) {
        cxGridBandCashDetail->setItemDelegateForColumn(c, dash);
        cxGridBandCashDetail->setColumnWidth(c, c == 7 ? 160 : 130);
    }
    v->addWidget(cxGridBandCashDetail, 1);
    detailFooter = new QStandardItemModel(1, kBreakdownSums + 1, this);
    cxGridBandCashDetailFooter = SettlementGrid(detailFooter, tab);
    cxGridBandCashDetailFooter->horizontalHeader()->setVisible(false);
    cxGridBandCashDetailFooter->horizontalHeader()->setStretchLastSection(false);
    cxGridBandCashDetailFooter->setFixedHeight(34);
    cxGridBandCashDetailFooter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c <= kBreakdownSums; ++c)
        cxGridBandCashDetailFooter->setColumnWidth(c, cxGridBandCashDetail->columnWidth(c));
    connect(cxGridBandCashDetail->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int c, int, int size) { cxGridBandCashDetailFooter->setColumnWidth(c, size); });
    v->addWidget(cxGridBandCashDetailFooter);
    updateDetailFooter();
    connect(cxButton2, &QPushButton::clicked, this, [this] { cxButton2Click(); });
    connect(btnCashDTExcelSave, &QPushButton::clicked, this, [this] { CBT_EXCEL0Click(); });
    return tab;
}

void TFRM_CALCULATE::updateDetailFooter()
{
    detailFooter->setItem(0, 0, new QStandardItem(QStringLiteral("합계")));
    for (int c = 1; c <= kBreakdownSums; ++c) {
        QList<QVariant> cells;
        for (int r = 0; r < detailModel->recordCount(); ++r)
            cells.append(detailModel->recordValue(r, c));
        qint64 sum = 0;
        auto *item = new QStandardItem(SumAmounts(cells, sum) ? GroupedWon(sum) : QStringLiteral("합계 초과"));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        detailFooter->setItem(0, c, item);
    }
}

void TFRM_CALCULATE::cxButton2Click()
{
    const QDate start = dtCashDTFrom->date();
    const QDate end = dtCashDTTo->date();
    const QString periodError = MonthPeriodError(start, end);
    if (!periodError.isEmpty()) {
        MsgBox(periodError, QStringLiteral("I"));
        return;
    }
    const QString kind = cbCashDTGrpTarget->currentIndex() < 0 ? QString() : BreakdownKind(ComboTag(cbCashDTGrpTarget));
    if (kind.isEmpty()) {
        MsgBox(QStringLiteral("제휴본사/총판 정보가 부정확합니다"), QStringLiteral("I"));
        return;
    }
    QList<BreakdownRow> rows;
    int unread = 0;
    if (!LoadBreakdown(kind, ComboValue(cbCashDTGrpTarget), start, end, rows, &unread))
        return;
    std::vector<QVariantList> records;
    for (const BreakdownRow &r : rows) {
        QVariantList cells{r.date};
        for (const QVariant &s : r.sums)
            cells.append(s);
        records.push_back(cells);
    }
    detailModel->beginUpdate();
    detailModel->clearRecords();
    detailModel->appendRecords(std::move(records));
    detailModel->endUpdate();
    updateDetailFooter();
    if (unread > 0)
        MsgBox(QStringLiteral("금액을 읽을 수 없는 항목이 %1건 있습니다. 합계에 들어가지 않았습니다.").arg(unread), QStringLiteral("I"));
}

// ---- unpaid and receivable ----------------------------------------------------------------

QWidget *TFRM_CALCULATE::buildOutstandingTab()
{
    auto *tab = new QWidget(this);
    auto *v = new QVBoxLayout(tab);
    cxPageControl1 = new QTabWidget(tab);
    miSu.receivable = true;
    miJi.receivable = false;
    cxPageControl1->addTab(buildOutstandingPage(miSu), QStringLiteral("미수금 내역"));
    cxPageControl1->addTab(buildOutstandingPage(miJi), QStringLiteral("미지불 내역"));
    cxPageControl1->setCurrentIndex(1);
    v->addWidget(cxPageControl1);
    return tab;
}

QWidget *TFRM_CALCULATE::buildOutstandingPage(OutstandingPage &p)
{
    auto *page = new QWidget(this);
    auto *v = new QVBoxLayout(page);
    auto *search = new QGroupBox(page);
    auto *g = new QGridLayout(search);
    g->addWidget(new QLabel(QStringLiteral("차감일자"), search), 0, 0);
    p.from = SettlementDateEdit(search, QDate::currentDate().addDays(-6));
    p.to = SettlementDateEdit(search, QDate::currentDate());
    auto *period = new QHBoxLayout;
    period->addWidget(p.from);
    period->addWidget(new QLabel(QStringLiteral("~"), search));
    period->addWidget(p.to);
    g->addLayout(period, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("정산처리"), search), 0, 2);
    auto *radios = new QHBoxLayout;
    p.all = new QRadioButton(QStringLiteral("전체"), search);
    p.open = new QRadioButton(QStringLiteral("미정산"), search);
    p.settled = new QRadioButton(QStringLiteral("정산완료"), search);
    p.open->setChecked(true);
    radios->addWidget(p.all);
    radios->addWidget(p.open);
    radios->addWidget(p.settled);
    g->addLayout(radios, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("정산구분"), search), 1, 0);
    p.targetType = new QComboBox(search);
    if (!p.receivable) {
        p.targetType->addItem(QStringLiteral("제휴본사"), QStringLiteral("1"));
        p.targetType->addItem(QStringLiteral("총판"), QStringLiteral("2"));
    }
    p.targetType->addItem(QStringLiteral("가맹점"), QStringLiteral("3"));
    p.targetType->addItem(QStringLiteral("배송원"), QStringLiteral("4"));
    p.targetType->setCurrentIndex(p.targetType->findData(QStringLiteral("3")));
    g->addWidget(p.targetType, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("정산대상"), search), 1, 2);
    p.targetName = tabShownOnly(search);
    g->addWidget(p.targetName, 1, 3);
    p.search = new QPushButton(QStringLiteral("검색"), search);
    g->addWidget(p.search, 1, 4);
    g->setColumnStretch(5, 1);
    v->addWidget(search);

    auto *split = new QSplitter(Qt::Horizontal, page);
    auto *left = new QWidget(split);
    auto *lv = new QVBoxLayout(left);
    lv->setContentsMargins(0, 0, 0, 0);
    auto *find = new QHBoxLayout;
    find->addWidget(new QLabel(QStringLiteral("대상"), left));
    p.targetSearch = new QLineEdit(left);
    find->addWidget(p.targetSearch, 1);
    p.targetFind = new QPushButton(QStringLiteral("찾기"), left);
    find->addWidget(p.targetFind);
    lv->addLayout(find);
    p.targetModel = new GridTableModel(this);
    p.targetModel->setColumns({{QStringLiteral("GRP_NAME"), QStringLiteral("대상명"), GridValueType::Text, {}},
                               {QStringLiteral("GRP_CODE"), QStringLiteral("대상코드"), GridValueType::Text, {}}});
    p.targetGrid = SettlementGrid(p.targetModel, left);
    p.targetGrid->setColumnHidden(1, true);
    lv->addWidget(p.targetGrid);
    left->setMinimumWidth(300);
    split->addWidget(left);
    p.amountModel = new GridTableModel(this);
    if (p.receivable)
        p.amountModel->setColumns({{QStringLiteral("GMS_PUT_DATE"), QStringLiteral("차감일자"), GridValueType::Text, {}},
                                   {QStringLiteral("GMS_CASH_TYPE_NAME"), QStringLiteral("정산구분"), GridValueType::Text, {}},
                                   {QStringLiteral("GMS_YA_CASH"), QStringLiteral("정산금액"), GridValueType::Integer, {}},
                                   {QStringLiteral("GMS_MEMO"), QStringLiteral("사유"), GridValueType::Text, {}},
                                   {QStringLiteral("GMS_AJ_STATUS"), QStringLiteral("정산상태"), GridValueType::Text, kOstdStatusNames},
                                   {QStringLiteral("GMS_AJ_DATE"), QStringLiteral("정산완료일시"), GridValueType::Text, {}},
                                   {QStringLiteral("GMS_GRP_CODE"), QStringLiteral("정산대상코드"), GridValueType::Text, {}}});
    else
        p.amountModel->setColumns({{QStringLiteral("GMJ_PUT_DATE"), QStringLiteral("차감일자"), GridValueType::Text, {}},
                                   {QStringLiteral("GMJ_GRP_TYPE"), QStringLiteral("정산구분"), GridValueType::Text, kOstdClassNames},
                                   {QStringLiteral("GMJ_CASH"), QStringLiteral("정산금액"), GridValueType::Integer, {}},
                                   {QStringLiteral("GMJ_MEMO"), QStringLiteral("사유"), GridValueType::Text, {}},
                                   {QStringLiteral("GMJ_AJ_STATUS"), QStringLiteral("정산상태"), GridValueType::Text, kOstdStatusNames},
                                   {QStringLiteral("GMJ_AJ_DATE"), QStringLiteral("정산완료일시"), GridValueType::Text, {}},
                                   {QStringLiteral("GMJ_GRP_CODE"), QStringLiteral("정산대상코드"), GridValueType::Text, {}}});
    p.amountGrid = SettlementGrid(p.amountModel, split);
    p.amountGrid->setColumnHidden(6, true);
    p.amountGrid->setItemDelegateForColumn(2, new MoneyDelegate(p.amountGrid));
    split->addWidget(p.amountGrid);
    split->setStretchFactor(1, 1);
    split->setSizes({353, 800});
    v->addWidget(split, 1);

    OutstandingPage *pp = &p;
    connect(p.search, &QPushButton::clicked, this, [this, pp] { searchOutstanding(*pp); });
    connect(p.targetFind, &QPushButton::clicked, this, [this, pp] { outstandingTargetFind(*pp); });
    connect(p.targetSearch, &QLineEdit::returnPressed, this, [this, pp] { outstandingTargetFind(*pp); });
    connect(p.targetGrid, &QTableView::clicked, this, [this, pp](const QModelIndex &i) { outstandingTargetClicked(*pp, i.row()); });
    return page;
}

void TFRM_CALCULATE::searchOutstanding(OutstandingPage &p)
{
    const QDate start = p.from->date();
    const QDate end = p.to->date();
    const QString periodError = MonthPeriodError(start, end);
    if (!periodError.isEmpty()) {
        MsgBox(periodError, QStringLiteral("I"));
        return;
    }
    const OutstandingState state = p.open->isChecked()      ? OutstandingState::Open
                                   : p.settled->isChecked() ? OutstandingState::Settled
                                                            : OutstandingState::All;
    const OutstandingResult r =
        LoadOutstanding(p.receivable, p.targetType->currentData().toString(), G_USER_INFO.USER_CODE, start, end, state);
    std::vector<QVariantList> records;
    for (const OutstandingRow &row : r.rows)
        records.push_back({row.putDate, p.receivable ? row.kindName : row.grpType, row.amount, row.memo, row.status,
                           row.doneAt, row.code});
    p.amountModel->beginUpdate();
    p.amountModel->clearRecords();
    p.amountModel->appendRecords(std::move(records));
    p.amountModel->endUpdate();
    p.targets = r.targets;
    std::vector<QVariantList> targets{{QStringLiteral("전체"), QString::fromLatin1(kAllTargets)}};
    for (const OutstandingTarget &t : r.targets)
        targets.push_back({t.name, t.code});
    p.targetModel->beginUpdate();
    p.targetModel->clearRecords();
    p.targetModel->appendRecords(std::move(targets));
    p.targetModel->endUpdate();
    // A target chosen before stays chosen only while the new rows still name it.
    p.listFilter = KeptTargetFilter(p.listFilter, r.targets);
    if (p.listFilter.isEmpty()) {
        p.targetName->setText(QStringLiteral("전체"));
        p.targetName->setToolTip(QString::fromLatin1(kAllTargets));
    }
    applyOutstandingFilter(p);
}

void TFRM_CALCULATE::applyOutstandingFilter(OutstandingPage &p)
{
    FilterGroup g{FilterJoin::Or, {}, false};
    if (!p.listFilter.isEmpty())
        g.add(FilterCondition::make(6, FilterOp::Equal, p.listFilter));
    p.amountModel->setFilterGroup(0, g);
}

void TFRM_CALCULATE::outstandingTargetClicked(OutstandingPage &p, int row)
{
    p.listFilter.clear();
    const int rec = p.targetModel->recordOfRow(row);
    if (rec >= 0) {
        const QString code = p.targetModel->recordValue(rec, 1).toString().trimmed();
        p.targetName->setText(p.targetModel->recordValue(rec, 0).toString());
        p.targetName->setToolTip(code);
        if (code != QLatin1String(kAllTargets))
            p.listFilter = code;
    }
    applyOutstandingFilter(p);
}

void TFRM_CALCULATE::outstandingTargetFind(OutstandingPage &p)
{
    const QString text = p.targetSearch->text().trimmed();
    FilterGroup g{FilterJoin::Or, {}, false};
    if (!text.isEmpty())
        g.add(FilterCondition::make(0, FilterOp::Like, QString(QLatin1Char('%') + text + QLatin1Char('%'))));
    p.targetModel->setFilterGroup(0, g);
}

// ---- transfers ----------------------------------------------------------------------------

QWidget *TFRM_CALCULATE::buildTransferTab()
{
    auto *tab = new QWidget(this);
    auto *v = new QVBoxLayout(tab);
    auto *top = new QGroupBox(tab);
    auto *g = new QGridLayout(top);
    lbPaySendGrpNM = new QLabel(QStringLiteral("제휴본사명"), top);
    edtPaySendGrpNM = tabShownOnly(top);
    g->addWidget(lbPaySendGrpNM, 0, 0);
    g->addWidget(edtPaySendGrpNM, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("대상구분"), top), 0, 2);
    auto *radios = new QHBoxLayout;
    auto *group = new QButtonGroup(top);
    const QList<TransferChoice> choices = TransferChoices(UserClass());
    for (int i = 0; i < 4; ++i) {
        radPaySendTarget[i] = new QRadioButton(top);
        group->addButton(radPaySendTarget[i], i);
        radios->addWidget(radPaySendTarget[i]);
        if (i < choices.size()) {
            radPaySendTarget[i]->setText(choices.at(i).caption);
            radPaySendTarget[i]->setProperty("tag", choices.at(i).tag);
            radPaySendTarget[i]->setVisible(choices.at(i).visible);
        } else {
            radPaySendTarget[i]->hide();
        }
        connect(radPaySendTarget[i], &QRadioButton::clicked, this, [this, i] { radPaySendTargetClick(i); });
    }
    radPaySendTarget[0]->setChecked(true);
    g->addLayout(radios, 0, 3, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("송금대상"), top), 1, 0);
    edtPaySendTargetNM = tabShownOnly(top);
    g->addWidget(edtPaySendTargetNM, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("대상검색어"), top), 1, 2);
    edtTargetSearchWord = new QLineEdit(top);
    g->addWidget(edtTargetSearchWord, 1, 3);
    btnPaySendSearch = new QPushButton(QStringLiteral("검색"), top);
    btnPaySend = new QPushButton(QStringLiteral("송금"), top);
    btnReqPay = new QPushButton(QStringLiteral("머니\n송금\n요청"), top);
    btnReqPay->setMinimumHeight(70);
    g->addWidget(btnPaySendSearch, 1, 4);
    g->addWidget(btnPaySend, 1, 5);
    g->addWidget(btnReqPay, 0, 6, 2, 1);
    g->setColumnStretch(3, 1);
    v->addWidget(top);
    targetModel = new GridTableModel(this);
    targetModel->setColumns({{QStringLiteral("GPS_NO"), QStringLiteral("순번"), GridValueType::Text, {}},
                             {QStringLiteral("GPS_GRP_NM"), QStringLiteral("소속명"), GridValueType::Text, {}},
                             {QStringLiteral("GPS_TARGET_NM"), QStringLiteral("대상명"), GridValueType::Text, {}},
                             {QStringLiteral("GPS_TARGET_CD"), QStringLiteral("대상코드"), GridValueType::Text, {}},
                             {QStringLiteral("GPS_TARGET_TYPE"), QStringLiteral("대상구분"), GridValueType::Text, {}},
                             {QStringLiteral("cxGridColumn6"), QStringLiteral("당일 접수번호"), GridValueType::Text, {}},
                             {QStringLiteral("GPS_TARGET_STATUS"), QStringLiteral("대상상태"), GridValueType::Text, kTargetStatusNames},
                             {QStringLiteral("GPS_TARGET_CASH"), QStringLiteral("대상잔액"), GridValueType::Integer, {}}});
    cxGridPaySendTarget = SettlementGrid(targetModel, tab);
    for (int c : {int(kTgtNo), int(kTgtType), int(kTgtDayNo)})
        cxGridPaySendTarget->setColumnHidden(c, true);
    cxGridPaySendTarget->setItemDelegateForColumn(kTgtCash, new MoneyDelegate(cxGridPaySendTarget));
    v->addWidget(cxGridPaySendTarget, 1);
    connect(cxGridPaySendTarget->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                const int rec = current.isValid() ? targetModel->recordOfRow(current.row()) : -1;
                edtPaySendTargetNM->setText(rec < 0 ? QString() : targetModel->recordValue(rec, kTgtName).toString());
            });
    connect(btnPaySendSearch, &QPushButton::clicked, this, [this] { procFilterPaySendTarget(); });
    connect(edtTargetSearchWord, &QLineEdit::returnPressed, this, [this] { procFilterPaySendTarget(); });
    connect(btnPaySend, &QPushButton::clicked, this, [this] { btnPaySendClick(); });
    connect(btnReqPay, &QPushButton::clicked, this, [this] { btnReqPayClick(); });
    return tab;
}

int TFRM_CALCULATE::checkedTransferRadio() const
{
    for (int i = 0; i < 4; ++i)
        if (radPaySendTarget[i] && radPaySendTarget[i]->isChecked())
            return i;
    return -1;
}

void TFRM_CALCULATE::radPaySendTargetClick(int index)
{
    if (index < 0 || index > 3)
        return;
    const TransferLoad load = TransferLoadOfTag(radPaySendTarget[index]->property("tag").toInt());
    if (load.kind.isEmpty())
        return;
    LoadTransferTargets(load, G_USER_INFO.HD, G_USER_INFO.BR, m_targets);
    std::vector<QVariantList> records;
    int n = 0;
    for (const TransferTarget &t : m_targets) {
        const std::optional<qint64> cash = ParseServerAmount(t.cash);
        records.push_back({QString::number(++n), t.affiliation, t.name, t.code, t.kind, QString(), t.status,
                           cash ? QVariant(*cash) : QVariant(t.cash)});
    }
    targetModel->beginUpdate();
    targetModel->clearRecords();
    targetModel->appendRecords(std::move(records));
    targetModel->endUpdate();
    edtPaySendTargetNM->clear();
}

void TFRM_CALCULATE::procFilterPaySendTarget()
{
    const QString word = edtTargetSearchWord->text().trimmed();
    FilterGroup g{FilterJoin::And, {}, false};
    if (!word.isEmpty())
        g.add(FilterCondition::make(kTgtName, FilterOp::Like, QString(QLatin1Char('%') + word + QLatin1Char('%'))));
    targetModel->setFilterGroup(0, g);
}

void TFRM_CALCULATE::btnPaySendClick()
{
    const QModelIndex current = cxGridPaySendTarget->currentIndex();
    const int rec = current.isValid() ? targetModel->recordOfRow(current.row()) : -1;
    if (rec < 0)
        return;
    if (!HasAuthGrade(1)) {
        MsgBox(QStringLiteral("페이송금 권한이 없는 사용자입니다."), QStringLiteral("I"));
        return;
    }
    const QString source = TransferSourceKind(UserClass());
    if (source.isEmpty()) {
        MsgBox(QStringLiteral("페이송금을 사용할 수 없는 사용자입니다."), QStringLiteral("I"));
        return;
    }
    auto *popup = new TFRM_CALC_PAYSEND(this);
    popup->FSPSD_SEND_SOURCE_TYPE = source;
    popup->lbGrpNamePaySend->setText(UserClass() == QLatin1String("7") ? QStringLiteral("제휴본사명") : QStringLiteral("총판명"));
    popup->edtPaySendGrpName->setText(G_USER_INFO.GRP_NAME);
    const qint64 cash = AmountOrZero(QString(G_USER_INFO.GRP_CASH));
    const qint64 deposit = AmountOrZero(QString(G_USER_INFO.CASH_DEPOSIT));
    popup->setAmounts(cash, cash - deposit, deposit);
    popup->edtPaySendTargetGrpName->setText(targetModel->recordValue(rec, kTgtGroup).toString());
    popup->edtPaySendTargetName->setText(targetModel->recordValue(rec, kTgtName).toString());
    popup->FSPSD_SEND_TARGET_TYPE = targetModel->recordValue(rec, kTgtType).toString();
    popup->FSPSD_SEND_TARGET_CODE = targetModel->recordValue(rec, kTgtCode).toString();
    if (const std::optional<MoneyBalance> b = RequestMoneyBalance(UserClass(), G_USER_INFO.USER_CODE))
        popup->setAmounts(b->balance, b->withdrawable, b->deposit);
    connect(popup, &TFRM_CALC_PAYSEND::targetsStale, this, [this] { radPaySendTargetClick(checkedTransferRadio()); });
    if (services().runTransferPopup)
        services().runTransferPopup(popup);
    else
        popup->exec();
    delete popup;
}

void TFRM_CALCULATE::btnReqPayClick()
{
    const QUrl url(G_URL_PAY_SEND_URL.trimmed());
    // The page is posted the login password: only over HTTPS, never to any other address.
    if (!PageMayReceivePassword(url)) {
        WriteLog(QStringLiteral("Money request page refused: not an HTTPS address"));
        MsgBox(QStringLiteral("머니송금 요청 페이지 주소가 올바르지 않습니다."), QStringLiteral("I"));
        return;
    }
    if (!frmReqPay)
        frmReqPay = new TfrmReqPay(this);
    TfrmReqPay *popup = frmReqPay;
    popup->setWindowTitle(QStringLiteral("머니송금 요청"));
    popup->resize(470, 710);
    popup->postPage(url, TransferRequestPageBody(G_USER_INFO, SessionPasswordForPage(url)));
    CenterOnScreen(popup);
    if (services().runTransferPage)
        services().runTransferPage(popup);
    else
        popup->exec();
    frmReqPay = nullptr;
    delete popup;
}

void InstallSettlementScreen()
{
    SetBoardScreenMaker(QString::fromLatin1(ScreenName::kCalculate), [](TFRM_MAIN *) -> QWidget * {
        // The bank names of the withdrawal panel come from the common codes.
        proc_GetCodeList(QStringLiteral("BT"));
        return new TFRM_CALCULATE(nullptr);
    });
}
