#include "store/ui/settlement_screen.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "grid/ui/combo_box_fill.h"
#include "grid/ui/grid_export.h"
#include "main/top_menu.h"
#include "main/ui/start_forms.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/reference_loaders.h"
#include "reference/reference_state.h"
#include "store/money_amount.h"
#include "store/ui/money_delegate.h"
#include "store/ui/money_transfer_dialog.h"
#include "text/phone_helpers.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTime>
#include <QVBoxLayout>

namespace
{
QDate settlementToday()
{
    return QDate::currentDate();
}

GridColumn textColumn(const char *name, const QString &caption)
{
    return {QString::fromLatin1(name), caption, GridValueType::Text, {}};
}

GridColumn moneyColumn(const char *name, const QString &caption)
{
    return {QString::fromLatin1(name), caption, GridValueType::Integer, {}};
}

const QHash<QString, QString> kConTypeNames = {{"1", "제휴본사"}, {"2", "총판"}, {"3", "가맹점"}, {"4", "배송원"}, {"5", "고객"}};

// "hhnn" -> "hh:nn" for the notice.
QString hourMinute(const QString &hhnn)
{
    return hhnn.left(2) + QLatin1Char(':') + hhnn.mid(2, 2);
}
} // namespace

QDateEdit *SettlementDateEdit(QWidget *parent, const QDate &d)
{
    auto *e = new QDateEdit(d, parent);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd (ddd)"));
    e->setMinimumWidth(150);
    return e;
}

QTableView *SettlementGrid(QAbstractItemModel *model, QWidget *parent)
{
    auto *v = new QTableView(parent);
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->verticalHeader()->setVisible(false);
    v->verticalHeader()->setDefaultSectionSize(30);
    v->horizontalHeader()->setMinimumHeight(30);
    v->horizontalHeader()->setStretchLastSection(true);
    return v;
}

TFRM_CALCULATE::Services &TFRM_CALCULATE::services()
{
    static Services s;
    return s;
}

TFRM_CALCULATE::TFRM_CALCULATE(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FRM_CALCULATE"));
    setWindowTitle(QStringLiteral("정산"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    CPC_CALCULATE = new QTabWidget(this);
    CPC_CALCULATE->setObjectName(QStringLiteral("CPC_CALCULATE"));
    root->addWidget(CPC_CALCULATE);
    CTS_CALCULATE0 = buildLedgerTab();
    tsCashDetail = buildBreakdownTab();
    tsCashOstd = buildOutstandingTab();
    tsPaySend = buildTransferTab();
    CPC_CALCULATE->addTab(CTS_CALCULATE0, QStringLiteral("머니내역"));
    CPC_CALCULATE->addTab(tsCashDetail, QStringLiteral("항목별내역"));
    CPC_CALCULATE->addTab(tsCashOstd, QStringLiteral("미차감내역"));
    CPC_CALCULATE->addTab(tsPaySend, QStringLiteral("머니송금"));
    buildWithdrawalPanel();

    // Creation, in order: targets, captions, periods, rights, banks, categories, filter.
    FillHdCombo(cbCalcCashConSearchTarget, UserClass(), false);
    FillHdCombo(cbCashDTGrpTarget, UserClass(), false);
    const QString cls = UserClass();
    lbGrpNameCashOut->setText(QStringLiteral("제휴본사명"));
    if (cls == QLatin1String("5")) {
        for (QLabel *l : {lbGrpName, lbCashDTGrpName, lbPaySendGrpNM, lbGrpNameCashOut})
            l->setText(QStringLiteral("총판명"));
    } else if (cls == QLatin1String("7")) {
        lbGrpName->setText(QStringLiteral("제휴본사/총판"));
        lbCashDTGrpName->setText(QStringLiteral("제휴본사/총판"));
        lbPaySendGrpNM->setText(QStringLiteral("제휴본사명"));
    }
    CTE_STOCK_NAME1->setText(G_USER_INFO.GRP_NAME);
    edtPaySendGrpNM->setText(G_USER_INFO.GRP_NAME);
    for (const TCOM_CODE_LIST &c : G_COM_CODE_LIST)
        if (c.SY_CODE == QLatin1String("BT"))
            CICB_BANK->addItem(c.DT_NAME, QString(c.DT_CODE));
    CICB_BANK->setCurrentIndex(-1);
    applyRights();
    procLoadCashGrp();
    procFilterCashList();
    if (!G_CASH_LIMIT_FROM.isEmpty() && !G_CASH_LIMIT_TO.isEmpty())
        lbInfomation->setText(QStringLiteral("※ ") + hourMinute(G_CASH_LIMIT_FROM) + QStringLiteral(" ~ ")
                              + hourMinute(G_CASH_LIMIT_TO) + QStringLiteral(" 사이에는 일주일 단위로 조회 할 수 있습니다."));
    pnlInfomation->hide();
    CPC_CALCULATE->setCurrentIndex(0);
    // The first list of targets loads with the screen.
    if (CPC_CALCULATE->isTabVisible(3) && radPaySendTarget[0])
        radPaySendTargetClick(0);
}

TFRM_CALCULATE::~TFRM_CALCULATE() = default;

void TFRM_CALCULATE::applyRights()
{
    const bool level1 = HasAuthGrade(1);
    const bool level2 = HasAuthGrade(2);
    CBT_WITHDRAWAL->setEnabled(level1);
    CTV_CASH_VIEW->setColumnHidden(kLedgerBalance, !level1);
    btnPaySend->setEnabled(level1);
    const QString cls = UserClass();
    const bool transfers = cls == QLatin1String("5") || cls == QLatin1String("7");
    CPC_CALCULATE->setTabVisible(1, level2);
    CPC_CALCULATE->setTabVisible(3, level2 && transfers);
    CBT_EXCEL0->setEnabled(level2);
    btnCashDTExcelSave->setEnabled(level2);
}

// ---- ledger tab ---------------------------------------------------------------------------

QWidget *TFRM_CALCULATE::buildLedgerTab()
{
    auto *tab = new QWidget(this);
    auto *v = new QVBoxLayout(tab);
    pnlInfomation = new QWidget(tab);
    auto *infoRow = new QHBoxLayout(pnlInfomation);
    infoRow->setContentsMargins(4, 0, 4, 0);
    lbInfomation = new QLabel(pnlInfomation);
    lbInfomation->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    infoRow->addWidget(lbInfomation);
    v->addWidget(pnlInfomation);

    auto *search = new QGroupBox(tab);
    auto *g = new QGridLayout(search);
    g->addWidget(new QLabel(QStringLiteral("기간"), search), 0, 0);
    CDE_FROM0 = SettlementDateEdit(search, settlementToday().addDays(-6));
    CDE_TO0 = SettlementDateEdit(search, settlementToday());
    auto *period = new QHBoxLayout;
    period->addWidget(CDE_FROM0);
    period->addWidget(new QLabel(QStringLiteral("~"), search));
    period->addWidget(CDE_TO0);
    g->addLayout(period, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("정산대상"), search), 0, 2);
    cbCalcCashConSearchTarget = new QComboBox(search);
    cbCalcCashConSearchTarget->setMinimumWidth(220);
    g->addWidget(cbCalcCashConSearchTarget, 0, 3);
    lbGrpName = new QLabel(QStringLiteral("제휴본사명"), search);
    g->addWidget(lbGrpName, 0, 4);
    CBT_SEARCH0 = new QPushButton(QStringLiteral("검색"), search);
    CBT_EXCEL0 = new QPushButton(QStringLiteral("엑셀다운"), search);
    CBT_WITHDRAWAL = new QPushButton(QStringLiteral("출금"), search);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CBT_SEARCH0);
    buttons->addWidget(CBT_EXCEL0);
    buttons->addWidget(CBT_WITHDRAWAL);
    buttons->addStretch();
    g->addLayout(buttons, 0, 5);

    btnCalcCashCon1 = new QPushButton(QStringLiteral("대상코드/대상명"), search);
    btnCalcCashCon0 = new QPushButton(QStringLiteral("플랫폼사"), search);
    for (QPushButton *b : {btnCalcCashCon1, btnCalcCashCon0})
        b->setCheckable(true);
    auto *toggles = new QButtonGroup(search);
    toggles->setExclusive(true);
    toggles->addButton(btnCalcCashCon1);
    toggles->addButton(btnCalcCashCon0);
    btnCalcCashCon1->setChecked(true);
    auto *toggleRow = new QHBoxLayout;
    toggleRow->addWidget(btnCalcCashCon1);
    toggleRow->addWidget(btnCalcCashCon0);
    g->addLayout(toggleRow, 1, 0, 1, 2);
    pnlCalcCashSearch = new QWidget(search);
    auto *classes = new QHBoxLayout(pnlCalcCashSearch);
    classes->setContentsMargins(0, 0, 0, 0);
    chkCalcCashConHD = new QCheckBox(QStringLiteral("제휴본사"), pnlCalcCashSearch);
    chkCalcCashConBR = new QCheckBox(QStringLiteral("총판"), pnlCalcCashSearch);
    chkCalcCashConST = new QCheckBox(QStringLiteral("가맹점"), pnlCalcCashSearch);
    chkCalcCashConWK = new QCheckBox(QStringLiteral("배송원"), pnlCalcCashSearch);
    chkCalcCashConEmpty = new QCheckBox(QStringLiteral("없음"), pnlCalcCashSearch);
    for (QCheckBox *c : {chkCalcCashConHD, chkCalcCashConBR, chkCalcCashConST, chkCalcCashConWK, chkCalcCashConEmpty}) {
        c->setChecked(true);
        classes->addWidget(c);
        connect(c, &QCheckBox::clicked, this, [this] { procFilterCashList(); });
    }
    classes->addWidget(new QLabel(QStringLiteral("정산대상검색어"), pnlCalcCashSearch));
    edtCalcCashConSearchWord = new QLineEdit(pnlCalcCashSearch);
    classes->addWidget(edtCalcCashConSearchWord);
    g->addWidget(pnlCalcCashSearch, 1, 2, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("내용 검색"), search), 2, 0);
    edtCalcCashConSearchContent = new QLineEdit(search);
    g->addWidget(edtCalcCashConSearchContent, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("분류 검색"), search), 2, 2);
    edtCalcCashConSearchInSearch = new QLineEdit(search);
    g->addWidget(edtCalcCashConSearchInSearch, 2, 3);
    cxButton1 = new QPushButton(QStringLiteral("결과내검색"), search);
    g->addWidget(cxButton1, 2, 4);
    g->setColumnStretch(5, 1);
    v->addWidget(search);

    auto *split = new QSplitter(Qt::Horizontal, tab);
    auto *left = new QWidget(split);
    auto *lv = new QVBoxLayout(left);
    lv->setContentsMargins(0, 0, 0, 0);
    chkCalcCachGrp = new QCheckBox(QStringLiteral("전체 분류"), left);
    chkCalcCachGrp->setChecked(true);
    lv->addWidget(chkCalcCachGrp);
    categoryModel = new QStandardItemModel(0, 2, this);
    categoryModel->setHorizontalHeaderLabels({QString(), QStringLiteral("분류명")});
    cxGridCalcCashGrpList = SettlementGrid(categoryModel, left);
    cxGridCalcCashGrpList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cxGridCalcCashGrpList->setColumnWidth(0, 45);
    cxGridCalcCashGrpList->verticalHeader()->setDefaultSectionSize(25);
    lv->addWidget(cxGridCalcCashGrpList);
    left->setMinimumWidth(200);
    split->addWidget(left);

    auto *right = new QWidget(split);
    auto *rv = new QVBoxLayout(right);
    rv->setContentsMargins(0, 0, 0, 0);
    cashModel = new GridTableModel(this);
    cashModel->setColumns({moneyColumn("CTV_CASH_VIEWColumn1", QStringLiteral("페이처리순번")),
                           textColumn("CTV_CASH_VIEWColumn2", QStringLiteral("일시")),
                           textColumn("CTV_CASH_VIEWColumn5", QStringLiteral("분류")),
                           textColumn("CAV_LOG_MEMO", QStringLiteral("내용")),
                           moneyColumn("CTV_CASH_VIEWColumn4", QStringLiteral("금액")),
                           moneyColumn("CTV_CASH_VIEW_CASH", QStringLiteral("잔액")),
                           textColumn("CTV_CASH_VIEWColumn6", QStringLiteral("당일 접수번호")),
                           textColumn("CTV_CASH_VIEWColumn7", QStringLiteral("주문번호")),
                           textColumn("CAV_CASH_TYPE_CD", QStringLiteral("분류코드")),
                           {QStringLiteral("CAV_CON_GRP_TYPE"), QStringLiteral("정산대상분류"), GridValueType::Text, kConTypeNames},
                           textColumn("CAV_CON_GRP_CODE", QStringLiteral("정산대상코드")),
                           textColumn("CAV_CON_GRP_NAME", QStringLiteral("정산대상명"))});
    cashModel->sort(kLedgerSeq, Qt::DescendingOrder);
    CTV_CASH_VIEW = SettlementGrid(cashModel, right);
    CTV_CASH_VIEW->setColumnHidden(kLedgerCashType, true);
    auto *money = new MoneyDelegate(CTV_CASH_VIEW);
    CTV_CASH_VIEW->setItemDelegateForColumn(kLedgerAmount, money);
    CTV_CASH_VIEW->setItemDelegateForColumn(kLedgerBalance, money);
    CTV_CASH_VIEW->setColumnWidth(kLedgerAt, 150);
    CTV_CASH_VIEW->setColumnWidth(kLedgerMemo, 220);
    rv->addWidget(CTV_CASH_VIEW);
    auto *footer = new QHBoxLayout;
    lbCashIncomplete = new QLabel(right);
    lbCashIncomplete->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lbCashIncomplete->hide();
    lbCashCount = new QLabel(QStringLiteral("0 건"), right);
    lbCashSum = new QLabel(QStringLiteral("합계 0"), right);
    footer->addWidget(lbCashIncomplete);
    footer->addStretch();
    footer->addWidget(lbCashCount);
    footer->addSpacing(20);
    footer->addWidget(lbCashSum);
    rv->addLayout(footer);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({290, 900});
    v->addWidget(split, 1);

    pnlStatus = new QFrame(this);
    pnlStatus->setFrameShape(QFrame::Box);
    pnlStatus->setAutoFillBackground(true);
    auto *sv = new QVBoxLayout(pnlStatus);
    sv->addWidget(new QLabel(QStringLiteral("[머니내역]"), pnlStatus));
    sv->addWidget(new QLabel(QStringLiteral("조회 중 입니다. 잠시 기다리세요."), pnlStatus));
    gaugeCash = new QProgressBar(pnlStatus);
    gaugeCash->setRange(0, 100);
    sv->addWidget(gaugeCash);
    pnlStatus->adjustSize();
    pnlStatus->hide();

    connect(CBT_SEARCH0, &QPushButton::clicked, this, [this] { CBT_SEARCH0Click(); });
    connect(CBT_EXCEL0, &QPushButton::clicked, this, [this] { CBT_EXCEL0Click(); });
    connect(CBT_WITHDRAWAL, &QPushButton::clicked, this, [this] { CBT_WITHDRAWALClick(); });
    connect(btnCalcCashCon1, &QPushButton::clicked, this, [this] { toggleTarget(true); });
    connect(btnCalcCashCon0, &QPushButton::clicked, this, [this] { toggleTarget(false); });
    connect(cxButton1, &QPushButton::clicked, this, [this] { procFilterCashList(); });
    for (QLineEdit *e : {edtCalcCashConSearchWord, edtCalcCashConSearchContent, edtCalcCashConSearchInSearch}) {
        connect(e, &QLineEdit::editingFinished, this, [this] { procFilterCashList(); });
    }
    connect(chkCalcCachGrp, &QCheckBox::clicked, this, [this] { allCategoriesClicked(); });
    connect(categoryModel, &QStandardItemModel::itemChanged, this, [this](QStandardItem *item) {
        if (item->column() == 0 && !m_categoryTag)
            categoryEdited();
    });
    connect(cashModel, &QAbstractItemModel::rowsInserted, this, [this] { updateCashFooter(); });
    connect(cashModel, &QAbstractItemModel::rowsRemoved, this, [this] { updateCashFooter(); });
    connect(cashModel, &QAbstractItemModel::modelReset, this, [this] { updateCashFooter(); });
    connect(cashModel, &QAbstractItemModel::layoutChanged, this, [this] { updateCashFooter(); });
    return tab;
}

void TFRM_CALCULATE::procLoadCashGrp()
{
    QList<CashCategory> loaded;
    if (!LoadCashCategories(UserClass(), loaded))
        return;
    m_ledger.forget();
    m_categories = loaded;
    fillCategoryGrid();
    procSetCashGrpCodes();
}

void TFRM_CALCULATE::fillCategoryGrid()
{
    m_categoryTag = true;
    categoryModel->removeRows(0, categoryModel->rowCount());
    for (const CashCategory &c : m_categories) {
        auto *check = new QStandardItem;
        check->setCheckable(true);
        check->setEditable(false);
        check->setCheckState(c.checked ? Qt::Checked : Qt::Unchecked);
        auto *name = new QStandardItem(c.name);
        name->setEditable(false);
        categoryModel->appendRow({check, name});
    }
    m_categoryTag = false;
}

void TFRM_CALCULATE::setCategoryChecked(int row, bool checked)
{
    if (QStandardItem *item = categoryModel->item(row, 0))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TFRM_CALCULATE::categoryEdited()
{
    bool all = true;
    for (int r = 0; r < categoryModel->rowCount() && r < m_categories.size(); ++r) {
        m_categories[r].checked = categoryModel->item(r, 0)->checkState() == Qt::Checked;
        all = all && m_categories[r].checked;
    }
    m_categoryTag = true;
    chkCalcCachGrp->setChecked(all);
    m_categoryTag = false;
    procSetCashGrpCodes();
    procFilterCashList();
}

void TFRM_CALCULATE::allCategoriesClicked()
{
    if (m_categoryTag)
        return;
    const bool on = chkCalcCachGrp->isChecked();
    for (CashCategory &c : m_categories)
        c.checked = on;
    fillCategoryGrid();
    procSetCashGrpCodes();
    procFilterCashList();
}

void TFRM_CALCULATE::procSetCashGrpCodes()
{
    m_checkedTypes = CheckedCashTypes(m_categories);
}

void TFRM_CALCULATE::toggleTarget(bool byTarget)
{
    pnlCalcCashSearch->setVisible(byTarget);
    (byTarget ? btnCalcCashCon1 : btnCalcCashCon0)->setChecked(true);
    edtCalcCashConSearchWord->clear();
    procFilterCashList();
}

void TFRM_CALCULATE::procFilterCashList()
{
    LedgerFilterInput in;
    in.cashTypes = m_checkedTypes;
    in.byTarget = btnCalcCashCon1->isChecked();
    const QCheckBox *boxes[5] = {chkCalcCashConHD, chkCalcCashConBR, chkCalcCashConST, chkCalcCashConWK, chkCalcCashConEmpty};
    for (int i = 0; i < 5; ++i)
        in.classes[i] = boxes[i]->isChecked();
    in.targetWord = edtCalcCashConSearchWord->text();
    in.content = edtCalcCashConSearchContent->text();
    in.category = edtCalcCashConSearchInSearch->text();
    const QString signature = LedgerFilterSignature(in);
    if (signature == m_filterSignature)
        return;
    m_filterSignature = signature;
    const QList<FilterGroup> groups = LedgerFilterGroups(in);
    cashModel->beginUpdate();
    for (int i = 0; i < groups.size(); ++i)
        cashModel->setFilterGroup(i, groups.at(i));
    cashModel->endUpdate();
    updateCashFooter();
}

int TFRM_CALCULATE::shownCashRows() const
{
    return cashModel->rowCount();
}

qint64 TFRM_CALCULATE::shownCashSum(bool *overflow) const
{
    qint64 sum = 0;
    bool over = false;
    for (int row = 0; row < cashModel->rowCount(); ++row) {
        const QVariant &v = cashModel->recordCell(cashModel->recordOfRow(row), kLedgerAmount);
        if (v.typeId() == QMetaType::LongLong && !AddAmount(sum, v.toLongLong()))
            over = true;
    }
    if (overflow)
        *overflow = over;
    return sum;
}

void TFRM_CALCULATE::updateCashFooter()
{
    bool overflow = false;
    const qint64 sum = shownCashSum(&overflow);
    lbCashCount->setText(GroupedWon(shownCashRows()) + QStringLiteral(" 건"));
    lbCashSum->setText(overflow ? QStringLiteral("합계 계산 불가") : QStringLiteral("합계 ") + GroupedWon(sum));
}

void TFRM_CALCULATE::procSetEnable(bool on)
{
    if (on) {
        pnlStatus->hide();
    } else {
        placeOverlays();
        pnlStatus->show();
        pnlStatus->raise();
    }
    CPC_CALCULATE->setEnabled(on);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFRM_CALCULATE::prcCashEnableSet(bool on)
{
    CPC_CALCULATE->setEnabled(on);
}

void TFRM_CALCULATE::CBT_SEARCH0Click()
{
    const QString now = QTime::currentTime().toString(QStringLiteral("HHmm"));
    const bool notice = !G_CASH_LIMIT_FROM.isEmpty() && G_CASH_LIMIT_FROM <= now && G_CASH_LIMIT_TO >= now;
    pnlInfomation->setVisible(notice);
    procSetEnable(false);
    if (cbCalcCashConSearchTarget->currentIndex() < 0) {
        if (cbCalcCashConSearchTarget->count() == 0) {
            MsgBox(lbGrpName->text() + QStringLiteral("정보가 없습니다"), QStringLiteral("I"));
            procSetEnable(true);
            cbCalcCashConSearchTarget->setFocus();
            return;
        }
        cbCalcCashConSearchTarget->setCurrentIndex(0);
    }
    LedgerQuery q;
    q.start = CDE_FROM0->date();
    q.end = CDE_TO0->date();
    q.tag = ComboTag(cbCalcCashConSearchTarget);
    q.code = ComboValue(cbCalcCashConSearchTarget);
    q.showBalance = HasAuthGrade(2);
    q.today = settlementToday();
    LedgerSearch::Hooks hooks;
    hooks.clear = [this] {
        cashModel->clearRecords();
        m_ledgerIncomplete = false;
        lbCashIncomplete->hide();
    };
    hooks.append = [this](const QList<LedgerRow> &rows) {
        std::vector<QVariantList> records;
        records.reserve(size_t(rows.size()));
        for (const LedgerRow &r : rows) {
            QVariantList cells = LedgerRowCells(r);
            bool ok = false;
            const qlonglong seq = r.seq.toLongLong(&ok);
            cells[kLedgerSeq] = ok ? QVariant(seq) : QVariant(r.seq);
            records.push_back(std::move(cells));
        }
        cashModel->beginUpdate();
        cashModel->appendRecords(std::move(records));
        cashModel->endUpdate();
    };
    hooks.gauge = [this](int value) {
        gaugeCash->setValue(value);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    const LedgerReport report = m_ledger.run(q, hooks);
    if (report.outcome == LedgerOutcome::NoReply || report.outcome == LedgerOutcome::Failed) {
        m_ledgerIncomplete = true;
        lbCashIncomplete->setText(QStringLiteral("※ ") + LedgerIncompleteText());
        lbCashIncomplete->show();
    }
    updateCashFooter();
    procSetEnable(true);
}

void TFRM_CALCULATE::exportGrid(QTableView *view, const QString &name)
{
    const QString proposed = name + QStringLiteral(".xlsx");
    QString path;
    if (services().chooseSaveFile)
        path = services().chooseSaveFile(proposed);
    else
        path = QFileDialog::getSaveFileName(this, QString(), proposed, QStringLiteral("xlsx (*.xlsx)"));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        MsgBox(QStringLiteral("저장경로가 잘못되었습니다."), QStringLiteral("I"));
        return;
    }
    QString file = info.fileName();
    for (const QChar bad : QStringLiteral("\\/:*?\"<>|"))
        file.replace(bad, QLatin1Char('_'));
    const QString target = info.absoluteDir().filePath(file);
    if (QFileInfo::exists(target))
        QFile::remove(target);
    ExportGridToExcel(view, target, view == CTV_CASH_VIEW);
}

void TFRM_CALCULATE::CBT_EXCEL0Click()
{
    const int page = CPC_CALCULATE->currentIndex();
    if (page == 0)
        exportGrid(CTV_CASH_VIEW, QStringLiteral("캐쉬내역"));
    else if (page == 1)
        exportGrid(cxGridBandCashDetail, QStringLiteral("항목별내역"));
}

void TFRM_CALCULATE::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    showWithdrawalConfirm(false);
}

void TFRM_CALCULATE::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    placeOverlays();
}

void TFRM_CALCULATE::placeOverlays()
{
    pnlStatus->adjustSize();
    pnlStatus->resize(std::max(pnlStatus->width(), 320), pnlStatus->height());
    pnlStatus->move(std::max(0, (width() - pnlStatus->width()) / 2), std::max(0, (height() - pnlStatus->height()) / 2));
}
