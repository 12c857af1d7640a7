#include "store/ui/product_screen.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "grid/ui/combo_box_fill.h"
#include "grid/ui/grid_operations.h"
#include "grid/xlsx_export.h"
#include "main/top_menu.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "reference/goods_loaders.h"
#include "reference/reference_loaders.h"
#include "store/goods_upload.h"
#include "store/product_goods_list.h"
#include "store/product_goods_ops.h"
#include "store/ui/add_goods_dialog.h"
#include "store/ui/app_goods_match_tab.h"
#include "store/ui/goods_group_tab.h"
#include "text/date_helpers.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace
{
using PC = ProductGoodsColumn;

QString productCellText(const QVariant &v, PC column)
{
    if (ProductGoodsColumnOf(column).number && column != PC::ViewNo)
        return QLocale(QLocale::English).toString(qint64(v.toDouble()));
    return v.toString();
}

void selectProductComboValue(QComboBox *box, const QString &value)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemData(i).toString() == value) {
            box->setCurrentIndex(i);
            return;
        }
}
} // namespace

std::function<QString(QWidget *, const QString &)> &TFRM_PRODUCT::SaveFileChooser()
{
    static std::function<QString(QWidget *, const QString &)> f = [](QWidget *parent, const QString &proposed) {
        return QFileDialog::getSaveFileName(parent, QString(), proposed, QStringLiteral("xlsx (*.xlsx)"));
    };
    return f;
}

std::function<QString(QWidget *)> &TFRM_PRODUCT::OpenFileChooser()
{
    static std::function<QString(QWidget *)> f = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), QStringLiteral("xlsx (*.xlsx)"));
    };
    return f;
}

TFRM_PRODUCT::TFRM_PRODUCT(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("상품"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(this);
    outer->addWidget(m_tabs);

    auto *page = new QWidget(m_tabs);
    auto *v = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    m_branchBox = new QComboBox(page);
    m_storeBox = new QComboBox(page);
    m_storeBox->setMinimumContentsLength(14);
    m_storeSearch = new QLineEdit(page);
    auto *storeFind = new QPushButton(QStringLiteral("검색"), page);
    auto *query = new QPushButton(QStringLiteral("조회"), page);
    top->addWidget(new QLabel(QStringLiteral("총판"), page));
    top->addWidget(m_branchBox);
    top->addWidget(new QLabel(QStringLiteral("가맹점"), page));
    top->addWidget(m_storeBox);
    top->addWidget(m_storeSearch);
    top->addWidget(storeFind);
    top->addWidget(query);
    top->addStretch();
    v->addLayout(top);

    auto *bar = new QHBoxLayout;
    m_selectedName = new QLabel(page);
    m_nameSearch = new QLineEdit(page);
    auto *nameFind = new QPushButton(QStringLiteral("찾기"), page);
    m_addButton = new QPushButton(QStringLiteral("추가"), page);
    auto *modify = new QPushButton(QStringLiteral("수정"), page);
    m_addGoodsButton = new QPushButton(QStringLiteral("추가상품관리"), page);
    auto *exportButton = new QPushButton(QStringLiteral("엑셀다운"), page);
    m_uploadButton = new QPushButton(QStringLiteral("엑셀업로드\n(상품추가)"), page);
    m_uploadButton->setMinimumWidth(m_uploadButton->fontMetrics().horizontalAdvance(QStringLiteral("엑셀업로드(상품추가)")) + 24);
    bar->addWidget(new QLabel(QStringLiteral("상품명"), page));
    bar->addWidget(m_nameSearch);
    bar->addWidget(nameFind);
    bar->addWidget(m_selectedName, 1);
    bar->addWidget(m_addButton);
    bar->addWidget(modify);
    bar->addWidget(m_addGoodsButton);
    bar->addWidget(exportButton);
    bar->addWidget(m_uploadButton);
    v->addLayout(bar);

    m_grid = new QTableWidget(page);
    m_grid->setColumnCount(int(PC::Count));
    QStringList captions;
    for (int c = 0; c < int(PC::Count); ++c)
        captions << ProductGoodsCaption(PC(c));
    m_grid->setHorizontalHeaderLabels(captions);
    for (int c = 0; c < int(PC::Count); ++c)
        m_grid->setColumnHidden(c, !ProductGoodsColumnOf(PC(c)).shown);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    v->addWidget(m_grid, 1);
    m_tabs->addTab(page, QStringLiteral("상품관리"));

    connect(m_branchBox, &QComboBox::currentIndexChanged, this, [this] {
        m_brCode = ComboValue(m_branchBox);
        const bool was = m_filling;
        m_filling = true;
        FillStoreCombo(m_storeBox, m_brCode, QString());
        m_filling = was;
    });
    connect(m_storeBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            selectStore();
    });
    connect(query, &QPushButton::clicked, this, [this] { selectStore(); });
    auto storeSearch = [this] {
        if (m_editor && m_editor->isVisible()) {
            MsgBox(QStringLiteral("상품 입력 창이 열려있어 변경할 수 없습니다."), QStringLiteral("I"));
            return;
        }
        FillStoreCombo(m_storeBox, m_brCode, m_storeSearch->text().trimmed());
    };
    connect(storeFind, &QPushButton::clicked, this, storeSearch);
    connect(m_storeSearch, &QLineEdit::returnPressed, this, storeSearch);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { focusRow(); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { openEditor(2); });
    connect(nameFind, &QPushButton::clicked, this, [this] { findName(); });
    connect(m_nameSearch, &QLineEdit::textEdited, this, [this] { m_searchPos = 0; });
    connect(m_addButton, &QPushButton::clicked, this, [this] { openEditor(1); });
    connect(modify, &QPushButton::clicked, this, [this] { openEditor(2); });
    connect(m_addGoodsButton, &QPushButton::clicked, this, [this] { openAddGoods(); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportGoods(); });
    connect(m_uploadButton, &QPushButton::clicked, this, [this] { uploadGoods(); });

    fillBranches();
    m_groupTab = new GoodsGroupTab(m_tabs);
    m_tabs->addTab(m_groupTab, QStringLiteral("상품그룹 및 순서"));
    m_matchTab = new AppGoodsMatchTab(m_tabs);
    m_matchTab->chooseSaveFile = [this](const QString &proposed) { return SaveFileChooser()(this, proposed); };
    m_matchTab->chooseOpenFile = [this] { return OpenFileChooser()(this); };
    m_tabs->addTab(m_matchTab, QStringLiteral("주문어플상품매칭"));
}

void TFRM_PRODUCT::fillBranches()
{
    // A store's own login does not load the store list; its own store is loaded here so that it
    // finds itself in the boxes.
    const QString own = QString(G_USER_INFO.ST).trimmed();
    if (!own.isEmpty() && G_SL_ST_CODE.indexOf(own) < 0) {
        proc_Add_StNo(own);
        proc_GetStInfo(own);
    }
    // The first store of the first branch is chosen (the login's own store when it has one), but
    // nothing is loaded until the user asks.
    m_filling = true;
    FillHdBranchCombo(m_branchBox, QString(), true, QString());
    const int s = own.isEmpty() ? -1 : G_SL_ST_CODE.indexOf(own);
    const int ownBranch = s < 0 ? -1 : m_branchBox->findData(QString(G_ST_LIST.at(s).BR_CODE));
    if (m_branchBox->count() > 0)
        m_branchBox->setCurrentIndex(qMax(0, ownBranch));
    m_brCode = ComboValue(m_branchBox);
    FillStoreCombo(m_storeBox, m_brCode, QString());
    if (s >= 0 && m_storeBox->findData(own) >= 0)
        m_storeBox->setCurrentIndex(m_storeBox->findData(own));
    m_filling = false;
}

void TFRM_PRODUCT::selectStore()
{
    if (m_editor && m_editor->isVisible()) {
        MsgBox(QStringLiteral("상품 입력 창이 열려있어 변경할 수 없습니다."), QStringLiteral("I"));
        return;
    }
    if (m_storeBox->currentIndex() < 0) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return;
    }
    m_stCode = ComboValue(m_storeBox);
    m_shopType.clear();
    const int s = G_SL_ST_CODE.indexOf(m_stCode);
    if (s >= 0)
        m_shopType = QString(G_ST_LIST.at(s).SHOP_TYPE);
    const bool convenience = m_shopType == QLatin1String("2");
    m_addButton->setEnabled(!convenience);
    m_addGoodsButton->setEnabled(!convenience);
    m_uploadButton->setEnabled(!convenience);
    proc_Goods2(m_stCode, false);
    fillList();
    m_goodsNo.clear();
    m_selectedName->clear();
}

void TFRM_PRODUCT::fillList()
{
    const QList<QVariantList> rows = ProductGoodsRows(m_stCode);
    m_grid->setUpdatesEnabled(false);
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < int(PC::Count); ++c) {
            auto *item = new QTableWidgetItem(productCellText(rows.at(r).at(c), PC(c)));
            if (ProductGoodsColumnOf(PC(c)).number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->setUpdatesEnabled(true);
    m_searchPos = 0;
}

void TFRM_PRODUCT::focusRow()
{
    const int r = m_grid->currentRow();
    if (r < 0)
        return;
    m_goodsNo = m_grid->item(r, int(PC::GoodsNo)) ? m_grid->item(r, int(PC::GoodsNo))->text() : QString();
    m_selectedName->setText(m_grid->item(r, int(PC::Name)) ? m_grid->item(r, int(PC::Name))->text() : QString());
}

void TFRM_PRODUCT::findName()
{
    m_searchPos = GridFindNext(m_grid, m_nameSearch->text(), int(PC::Name), m_searchPos);
}

void TFRM_PRODUCT::proc_GoodsInfoChangeAfter(const QString &stCode, const QString &goodsNo)
{
    if (goodsNo.isEmpty())
        return;
    proc_GetGoodsDetailInfo(stCode, goodsNo);
    // Only the list of that store follows; another store's list keeps its own goods.
    if (stCode != m_stCode)
        return;
    const int keep = m_grid->currentRow();
    fillList();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        if (m_grid->item(r, int(PC::GoodsNo))->text() == goodsNo) {
            m_grid->setCurrentCell(r, int(PC::Name));
            return;
        }
    if (keep >= 0 && keep < m_grid->rowCount())
        m_grid->setCurrentCell(keep, int(PC::Name));
}

void TFRM_PRODUCT::exportGoods()
{
    if (m_stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return;
    }
    const int s = G_SL_ST_CODE.indexOf(m_stCode);
    const QString storeName = s >= 0 ? G_ST_LIST.at(s).ST_NAME : m_storeBox->currentText();
    const QString path = SaveFileChooser()(this, ProductGoodsExportFileName(storeName, NowStr(QStringLiteral("yyyymmdd"))));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.dir().exists()) {
        MsgBox(QStringLiteral("저장경로가 잘못되었습니다."), QStringLiteral("I"));
        return;
    }
    const ProductGoodsExport source(ProductGoodsRows(m_stCode), false);
    const XlsxExportResult result = ExportTableToXlsx(source, path);
    if (!result.ok) {
        MsgBox(result.error, QStringLiteral("I"));
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") != "offscreen")
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int TFRM_PRODUCT::uploadGoods()
{
    if (m_stCode.isEmpty() || m_shopType == QLatin1String("2"))
        return 0;
    if (MsgBox(m_storeBox->currentText() + QStringLiteral(" 가맹점으로 업로드를 계속 진행하시겠습니까?"),
               QStringLiteral("Q")) != 1)
        return 0;
    const QString path = OpenFileChooser()(this);
    if (path.isEmpty())
        return 0;
    const GoodsUploadCheck check = CheckGoodsUploadFile(path);
    if (!check.ok()) {
        MsgBox(check.report(), QStringLiteral("I"));
        return 0;
    }
    int unchanged = 0;
    const QList<GoodsUploadRow> rows = GoodsUploadNewRows(m_stCode, check.rows, &unchanged);
    if (rows.isEmpty()) {
        MsgBox(QStringLiteral("새로 등록할 상품이 없습니다.\r\n(파일의 %1개 상품은 이미 같은 내용으로 등록되어 있습니다.)").arg(unchanged),
               QStringLiteral("I"));
        return 0;
    }
    const GoodsUploadResult result = RunGoodsUpload(m_stCode, G_USER_INFO.ID, rows, DefaultGoodsRequest());
    if (!result.failures.isEmpty())
        MsgBox(result.report() + QStringLiteral("\r\n\r\n%1개 상품을 등록했습니다.").arg(result.added), QStringLiteral("I"));
    if (result.added > 0) {
        proc_Goods2(m_stCode, true);
        fillList();
    }
    return result.added;
}

void TFRM_PRODUCT::openEditor(int mode)
{
    if (mode == 2 && m_goodsNo.isEmpty()) {
        MsgBox(QStringLiteral("선택된 상품이 없어 정보를 수정할 수 없습니다."), QStringLiteral("I"));
        return;
    }
    if (m_editor && m_editor->isVisible()) {
        MsgBox(QStringLiteral("상품을 추가, 수정중 입니다."), QStringLiteral("I"));
        return;
    }
    if (m_stCode.isEmpty()) {
        MsgBox(QStringLiteral("선택된 가맹점이 없습니다."), QStringLiteral("I"));
        return;
    }
    if (!m_editor)
        m_editor = new ProductEditDialog(this);
    if (mode == 2)
        proc_GetGoodsDetailInfo(m_stCode, m_goodsNo);
    m_editor->proc_GetMode(mode, m_stCode, mode == 2 ? m_goodsNo : QString());
    m_editor->show();
    m_editor->raise();
}

AddGoodsDialog *TFRM_PRODUCT::openAddGoods()
{
    if (m_goodsNo.isEmpty()) {
        MsgBox(QStringLiteral("상품을 선택해야 합니다."), QStringLiteral("I"));
        return nullptr;
    }
    if (m_addGoods && m_addGoods->isVisible()) {
        MsgBox(QStringLiteral("추가상품을 구성중 입니다."), QStringLiteral("I"));
        return nullptr;
    }
    if (!m_addGoods) {
        m_addGoods = new AddGoodsDialog(this);
        m_addGoods->onSaved = [this](const QString &st, const QString &goodsNo) {
            proc_ChangeGoodsOptCnt(goodsNo, QStringLiteral("2"));
            proc_GoodsInfoChangeAfter(st, goodsNo);
        };
    }
    if (!m_addGoods->proc_AddGoodsList(m_stCode, m_goodsNo))
        return nullptr;
    m_addGoods->show();
    m_addGoods->raise();
    return m_addGoods;
}

ProductEditDialog::ProductEditDialog(TFRM_PRODUCT *screen)
    : QDialog(screen, Qt::Dialog)
    , m_screen(screen)
{
    setWindowTitle(QStringLiteral("상품"));
    auto *form = new QFormLayout(this);
    m_name = new QLineEdit(this);
    m_name->setMaxLength(100);
    m_price = new QLineEdit(this);
    m_discount = new QLineEdit(this);
    m_period = new QLineEdit(this);
    m_period->setPlaceholderText(QStringLiteral("yyyy-mm-dd~yyyy-mm-dd"));
    m_time = new QLineEdit(this);
    m_time->setPlaceholderText(QStringLiteral("hh:nn~hh:nn"));
    m_period->setMinimumWidth(m_period->fontMetrics().horizontalAdvance(QStringLiteral("yyyy-mm-dd~yyyy-mm-dd ")) + 24);
    m_name->setMinimumWidth(m_period->minimumWidth() + 60);
    m_limitDay = new QLineEdit(this);
    m_limitOnce = new QLineEdit(this);
    m_status = new QComboBox(this);
    m_status->addItem(QStringLiteral("정상"), QStringLiteral("1"));
    m_status->addItem(QStringLiteral("정지"), QStringLiteral("2"));
    m_status->addItem(QStringLiteral("삭제"), QStringLiteral("0"));
    m_ordStatus = new QComboBox(this);
    m_ordStatus->addItem(QStringLiteral("사용안함"), QStringLiteral("0"));
    m_ordStatus->addItem(QStringLiteral("정상"), QStringLiteral("1"));
    m_ordStatus->addItem(QStringLiteral("정지"), QStringLiteral("2"));
    form->addRow(QStringLiteral("상품명"), m_name);
    form->addRow(QStringLiteral("상품상태"), m_status);
    form->addRow(QStringLiteral("주문배달상태"), m_ordStatus);
    form->addRow(QStringLiteral("주문배달가격"), m_price);
    form->addRow(QStringLiteral("주문배달할인가"), m_discount);
    form->addRow(QStringLiteral("주문배달 할인기간"), m_period);
    form->addRow(QStringLiteral("주문배달 할인시간"), m_time);
    form->addRow(QStringLiteral("주문배달 1일 제한"), m_limitDay);
    form->addRow(QStringLiteral("주문배달 1회 제한"), m_limitOnce);
    auto *buttons = new QHBoxLayout;
    auto *save = new QPushButton(QStringLiteral("저장"), this);
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    form->addRow(buttons);
    connect(save, &QPushButton::clicked, this, [this] { saveBase(); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

void ProductEditDialog::proc_GetMode(int iType, const QString &stCode, const QString &goodsNo)
{
    m_stCode = stCode;
    m_goodsNo = iType == 2 ? goodsNo : QString();
    m_name->clear();
    m_price->setText(QStringLiteral("0"));
    m_discount->setText(QStringLiteral("0"));
    m_limitDay->setText(QStringLiteral("0"));
    m_limitOnce->setText(QStringLiteral("0"));
    m_period->clear();
    m_time->clear();
    m_status->setCurrentIndex(0);
    m_ordStatus->setCurrentIndex(1);
    if (m_goodsNo.isEmpty())
        return;
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (s < 0)
        return;
    const int k = G_ST_LIST.at(s).SL_GOODS_NO().indexOf(goodsNo);
    if (k < 0)
        return;
    const TGOODS_LIST &g = G_ST_LIST.at(s).GOODS_LIST.at(k);
    m_name->setText(g.GOODS_NAME);
    m_price->setText(GoodsUploadNumberText(GoodsNumber(g.ORD_PRICE)));
    m_discount->setText(GoodsUploadNumberText(GoodsNumber(g.ORD_DN_PRICE)));
    m_limitDay->setText(GoodsUploadNumberText(GoodsNumber(g.ORD_LIMIT_DAY)));
    m_limitOnce->setText(GoodsUploadNumberText(GoodsNumber(g.ORD_LIMIT_ONCE)));
    m_period->setText(GoodsPeriodText(QString(g.ORD_DN_PERIOD).trimmed()));
    m_time->setText(GoodsTimeWindowText(QString(g.ORD_DN_TIME).trimmed()));
    selectProductComboValue(m_status, g.DATA_STATUS);
    selectProductComboValue(m_ordStatus, g.ORD_STATUS);
}

bool ProductEditDialog::saveBase()
{
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("상품명을 입력하세요."), QStringLiteral("I"));
        return false;
    }
    double price = 0;
    double discount = 0;
    if (!GoodsUploadNumber(m_price->text(), &price) || price < 0 || !GoodsUploadNumber(m_discount->text(), &discount)
        || discount < 0 || discount > price) {
        MsgBox(QStringLiteral("상품가격이 잘못입력되거나\r\n할인금액이 상품가격보다 크게 입력되었습니다."), QStringLiteral("I"));
        return false;
    }
    // The discount period and time are sent back as they stand, so saving keeps them.
    QString period;
    QString window;
    if (!ParseGoodsPeriod(m_period->text(), &period) || !ParseGoodsTimeWindow(m_time->text(), &window)) {
        MsgBox(QStringLiteral("날짜 형식이 잘못 입력되었습니다."), QStringLiteral("I"));
        return false;
    }
    if (window.isEmpty() && !period.isEmpty())
        window = QStringLiteral("00002359");
    double day = 0;
    double once = 0;
    GoodsUploadNumber(m_limitDay->text(), &day);
    GoodsUploadNumber(m_limitOnce->text(), &once);
    GoodsBaseData d;
    d.stCode = m_stCode;
    d.goodsNo = m_goodsNo;
    d.userId = G_USER_INFO.ID;
    d.name = name;
    d.status = m_status->currentData().toString();
    d.ordStatus = m_ordStatus->currentData().toString();
    d.price = GoodsUploadNumberText(price);
    d.discount = GoodsUploadNumberText(discount);
    d.period = period;
    d.timeWindow = window;
    d.limitDay = GoodsUploadNumberText(day);
    d.limitOnce = GoodsUploadNumberText(once);
    const QString code = QString::fromLatin1(kGoodsBaseSaveCode);
    const QString reply = DefaultGoodsRequest()(code, QStringLiteral("ADM1"), GoodsBasePayload(d));
    const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
    if (reply.isEmpty() || o.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return false;
    }
    const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
    const QString outMsg = o.value(QStringLiteral("OUT_MSG")).toString();
    if (outCode != QLatin1String("1")) {
        MsgBox(QStringLiteral("실패했습니다.\r\n") + outCode + QStringLiteral(":") + outMsg, QStringLiteral("I"));
        return false;
    }
    if (m_goodsNo.isEmpty())
        m_goodsNo = o.value(QStringLiteral("OUT_VAL")).toString().trimmed();
    MsgBox(QStringLiteral("저장했습니다.\r\n") + outMsg, QStringLiteral("I"));
    m_screen->proc_GoodsInfoChangeAfter(m_stCode, m_goodsNo);
    return true;
}

QWidget *MakeProductScreen(TFRM_MAIN *main)
{
    return new TFRM_PRODUCT(main);
}

void InstallProductScreen()
{
    SetBoardScreenMaker(QString::fromLatin1(ScreenName::kProduct), [](TFRM_MAIN *main) { return MakeProductScreen(main); });
}
