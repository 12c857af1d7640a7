#include "main/ui/store_status_panel.h"

#include "common/daily_log.h"
#include "grid/ui/combo_box_fill.h"
#include "start/login.h"
#include "start/ui/app_style.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

namespace
{
// A branch list that reports its drop-down opening and closing.
class BranchCombo : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void(bool)> popupChanged;
    void showPopup() override
    {
        if (popupChanged)
            popupChanged(true);
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (popupChanged)
            popupChanged(false);
    }
};

// Grey rows for stores not connected, red text for stores whose status is not 1, and the
// business-day cell drawn as seven day names, open days blue, closed days red and bold.
class StoreRowDelegate : public QStyledItemDelegate
{
public:
    StoreRowDelegate(const GridTableModel *grid, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_grid(grid)
    {
    }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // Money shows with thousands separators (",0").
        if (index.column() == CTV_STLIST_VIEW_PAY || index.column() == CTV_STLIST_VIEW_CASH_OSDT) {
            const QVariant v = index.data(Qt::DisplayRole);
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (ok)
                option->text = QLocale(QLocale::Korean, QLocale::SouthKorea).toString(n);
        }
        if (option->state & QStyle::State_Selected)
            return;
        try {
            const int record = m_grid->recordOfRow(index.row());
            const StoreRowLook look = StoreRowLookOf(m_grid->recordValue(record, CTV_STLIST_VIEW_CONN_YN).toString(),
                                                     m_grid->recordValue(record, CTV_STLIST_VIEW_STATUS).toString());
            option->backgroundBrush = look.grey ? QColor(0xD8, 0xD8, 0xD8) : QColor(Qt::white);
            option->palette.setColor(QPalette::Text, look.red ? QColor(0xFF, 0, 0) : QColor(Qt::black));
        } catch (const std::exception &e) {
            WriteLog(QStringLiteral("CTV_STNOLISTCustomDrawCell:Err2:") + QString::fromUtf8(e.what()));
        }
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != CTV_STLIST_VIEW_WK_DAY) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        painter->save();
        painter->fillRect(opt.rect, (opt.state & QStyle::State_Selected) ? opt.palette.highlight() : opt.backgroundBrush);
        QRect r = opt.rect.adjusted(5, 2, 0, 2);
        for (const auto &[name, open] : StoreWeekdayMarks(index.data().toString())) {
            QFont f = opt.font;
            f.setBold(!open);
            painter->setFont(f);
            painter->setPen(open ? QColor(0, 0, 0xFF) : QColor(0xFF, 0, 0));
            painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetrics(f).elidedText(name, Qt::ElideRight, std::max(0, r.width())));
            r.setLeft(r.left() + 20);
        }
        painter->restore();
    }

private:
    const GridTableModel *m_grid;
};
} // namespace

StoreStatusPanel::StoreStatusPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("StoreStatusPanel"));
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(Scaled(4), Scaled(4), Scaled(4), Scaled(4));

    auto *top = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("가맹점현황"), this);
    lbStoreStatusRefresh = new QLabel(this);
    lbStoreStatusRefresh->setObjectName(QStringLiteral("lbStoreStatusRefresh"));
    lbStoreStatusRefresh->setMinimumWidth(Scaled(90));
    auto *combo = new BranchCombo(this);
    combo->popupChanged = [this](bool open) { setPopupOpen(open); };
    cbStStatusBR = combo;
    cbStStatusBR->setObjectName(QStringLiteral("cbStStatusBR"));
    cbStStatusBR->setMinimumWidth(Scaled(120));
    top->addWidget(caption);
    top->addWidget(lbStoreStatusRefresh);
    top->addWidget(cbStStatusBR);
    top->addStretch(1);
    root->addLayout(top);

    auto *second = new QHBoxLayout;
    chkStatusTel = new QCheckBox(QStringLiteral("연락처"), this);
    chkStatusAccount = new QCheckBox(QStringLiteral("가상계좌"), this);
    chkStatusWkDay = new QCheckBox(QStringLiteral("영업시간/요일"), this);
    chkStatusTel->setObjectName(QStringLiteral("chkStatusTel"));
    chkStatusAccount->setObjectName(QStringLiteral("chkStatusAccount"));
    chkStatusWkDay->setObjectName(QStringLiteral("chkStatusWkDay"));
    auto *nameLabel = new QLabel(QStringLiteral("가맹점명"), this);
    CTE_ST_NAME2 = new QLineEdit(this);
    CTE_ST_NAME2->setObjectName(QStringLiteral("CTE_ST_NAME2"));
    CTE_ST_NAME2->setMaxLength(50);
    cxButton18 = new QPushButton(QStringLiteral("검색"), this);
    cxButton18->setObjectName(QStringLiteral("cxButton18"));
    for (QWidget *w : {static_cast<QWidget *>(chkStatusTel), static_cast<QWidget *>(chkStatusAccount),
                       static_cast<QWidget *>(chkStatusWkDay), static_cast<QWidget *>(nameLabel),
                       static_cast<QWidget *>(CTE_ST_NAME2), static_cast<QWidget *>(cxButton18)})
        second->addWidget(w);
    root->addLayout(second);

    CTV_STLIST_VIEW = new QTableView(this);
    CTV_STLIST_VIEW->setObjectName(QStringLiteral("CTV_STLIST_VIEW"));
    CTV_STLIST_VIEW->setModel(&m_model.grid());
    CTV_STLIST_VIEW->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_STLIST_VIEW->setSelectionBehavior(QAbstractItemView::SelectRows);
    CTV_STLIST_VIEW->verticalHeader()->setVisible(false);
    CTV_STLIST_VIEW->verticalHeader()->setDefaultSectionSize(Scaled(30));
    CTV_STLIST_VIEW->horizontalHeader()->setFixedHeight(Scaled(30));
    CTV_STLIST_VIEW->setWordWrap(true);
    CTV_STLIST_VIEW->setItemDelegate(new StoreRowDelegate(&m_model.grid(), CTV_STLIST_VIEW));
    CTV_STLIST_VIEW->setColumnWidth(CTV_STLIST_VIEW_WK_DAY, Scaled(150));
    root->addWidget(CTV_STLIST_VIEW, 1);
    footer = new QLabel(this);
    footer->setObjectName(QStringLiteral("storeStatusFooter"));
    root->addWidget(footer);

    connect(cbStStatusBR, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
    connect(cxButton18, &QPushButton::clicked, this, [this] { search(); });
    connect(CTE_ST_NAME2, &QLineEdit::returnPressed, this, [this] {
        m_model.proc_StoreStatusTreeFilter(CTE_ST_NAME2->text());
        if (storeStateCount)
            storeStateCount();
        updateFooter();
    });
    connect(chkStatusTel, &QCheckBox::toggled, this, [this](bool on) { columnChoiceChanged(0, on); });
    connect(chkStatusAccount, &QCheckBox::toggled, this, [this](bool on) { columnChoiceChanged(1, on); });
    connect(chkStatusWkDay, &QCheckBox::toggled, this, [this](bool on) { columnChoiceChanged(2, on); });
    applyColumnChoices();
}

// The branch list may close while QWidget tears the children down, after the model is gone.
StoreStatusPanel::~StoreStatusPanel()
{
    static_cast<BranchCombo *>(cbStStatusBR)->popupChanged = nullptr;
    cbStStatusBR->disconnect(this);
}

void StoreStatusPanel::setPopupOpen(bool open)
{
    m_model.FB_STORE_STATUS_ST_POP = open;
    if (listOpenChanged)
        listOpenChanged(open);
}

void StoreStatusPanel::fillBranches()
{
    const QSignalBlocker block(cbStStatusBR);
    cbStStatusBR->clear();
    const QString cls = UserClass();
    for (const THD_LIST &hd : G_HD_LIST) {
        if ((cls == QLatin1String("7") || cls == QLatin1String("5")) && hd.HD_CODE != G_USER_INFO.HD)
            continue;
        for (const TBR_LIST &br : hd.BR_LIST)
            cbStStatusBR->addItem(br.BR_Name, QString(br.BR_CODE));
    }
    if (cbStStatusBR->count() > 0) {
        const int own = cbStStatusBR->findData(QString(G_USER_INFO.BR));
        cbStStatusBR->setCurrentIndex(own >= 0 ? own : 0);
    }
    rebuild();
}

void StoreStatusPanel::rebuild()
{
    setPopupOpen(true);
    m_model.searchText = CTE_ST_NAME2->text();
    m_model.rebuild(cbStStatusBR->currentData().toString(), tickCount ? tickCount() : 0);
    setPopupOpen(false);
    lbStoreStatusRefresh->setText(m_model.refreshLabel);
    if (phaseChanged)
        phaseChanged(m_model.FI_STORE_STATUS_ST_GAP);
    updateFooter();
}

void StoreStatusPanel::search()
{
    m_model.searchText = CTE_ST_NAME2->text();
    m_model.search(tickCount ? tickCount() : 0);
    lbStoreStatusRefresh->setText(m_model.refreshLabel);
    if (phaseChanged)
        phaseChanged(m_model.FI_STORE_STATUS_ST_GAP);
    if (storeStateCount)
        storeStateCount();
    updateFooter();
}

void StoreStatusPanel::applyColumnChoices()
{
    const StoreColumnChoices c = StoreColumnChoices::read(G_INI);
    for (QCheckBox *box : {chkStatusTel, chkStatusAccount, chkStatusWkDay})
        box->blockSignals(true);
    chkStatusTel->setChecked(c.tel);
    chkStatusAccount->setChecked(c.account);
    chkStatusWkDay->setChecked(c.wkDay);
    for (QCheckBox *box : {chkStatusTel, chkStatusAccount, chkStatusWkDay})
        box->blockSignals(false);
    for (int col = 0; col < kStorePanelColumnCount; ++col)
        CTV_STLIST_VIEW->setColumnHidden(col, !c.columnVisible(col));
}

void StoreStatusPanel::columnChoiceChanged(int which, bool checked)
{
    StoreColumnChoices::write(G_INI, which, checked);
    StoreColumnChoices c;
    c.tel = chkStatusTel->isChecked();
    c.account = chkStatusAccount->isChecked();
    c.wkDay = chkStatusWkDay->isChecked();
    for (int col = 0; col < kStorePanelColumnCount; ++col)
        CTV_STLIST_VIEW->setColumnHidden(col, !c.columnVisible(col));
}

void StoreStatusPanel::updateFooter()
{
    const QLocale locale(QLocale::Korean, QLocale::SouthKorea);
    footer->setText(QStringLiteral("머니 %1   미차감 %2   %3")
                        .arg(locale.toString(m_model.footerSum(CTV_STLIST_VIEW_PAY)),
                             locale.toString(m_model.footerSum(CTV_STLIST_VIEW_CASH_OSDT)), m_model.connectionSummary()));
}
