#include "boards/ui/order_bundle_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
const QStringList kHeaders = {QString(),
                              QStringLiteral("발주가맹점"),
                              QStringLiteral("포장완료"),
                              QStringLiteral("조리시간"),
                              QStringLiteral("경과시간"),
                              QStringLiteral("도착지"),
                              QStringLiteral("거리"),
                              QStringLiteral("배달료")};

QTableWidget *makeGrid(const QString &name, QWidget *parent)
{
    auto *t = new QTableWidget(0, int(kHeaders.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(kHeaders);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    t->setColumnWidth(0, 26);
    return t;
}

void fillGrid(QTableWidget *grid, const QList<const BundleRow *> &rows, const QDateTime &now)
{
    grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        check->setCheckState(rows.at(r)->checked ? Qt::Checked : Qt::Unchecked);
        grid->setItem(r, 0, check);
        const QStringList texts = BundleRowTexts(rows.at(r)->order, now);
        for (int c = 0; c < texts.size(); ++c)
            grid->setItem(r, c + 1, new QTableWidgetItem(texts.at(c)));
    }
}
} // namespace

OrderBundleWindow::OrderBundleWindow(OrderBundleHooks hooks, std::function<const TA1Orders &()> live,
                                     std::function<const TA1Orders &()> waiting, std::function<QDateTime()> now,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      m_bundle([this, hooks]() mutable {
          hooks.closed = [this] { close(); };
          hooks.changed = [this] { refresh(); };
          return hooks;
      }()),
      m_live(std::move(live)), m_waiting(std::move(waiting)),
      m_now(now ? std::move(now) : [] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("TfrmOrdBundle"));
    setWindowTitle(QStringLiteral("묶음배송"));
    resize(822, 614);
    auto *outer = new QVBoxLayout(this);
    auto *header = new QLabel(QStringLiteral("묶음배송"), this);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setStyleSheet(QStringLiteral("background: white; font-weight: bold; padding: 6px;"));
    outer->addWidget(header);
    m_all = new QCheckBox(QStringLiteral("전체"), this);
    m_all->setObjectName(QStringLiteral("chkCtvMainAllCheck"));
    outer->addWidget(m_all);
    m_upper = makeGrid(QStringLiteral("CTV_MAIN"), this);
    outer->addWidget(m_upper, 1);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("추가"), this);
    add->setObjectName(QStringLiteral("btnOrdBundleAdd"));
    auto *del = new QPushButton(QStringLiteral("삭제"), this);
    del->setObjectName(QStringLiteral("btnOrdBundleDel"));
    auto *all = new QPushButton(QStringLiteral("전체삭제"), this);
    all->setObjectName(QStringLiteral("btnOrdBundleAllCancel"));
    buttons->addStretch(1);
    for (QPushButton *b : {add, del, all})
        buttons->addWidget(b);
    outer->addLayout(buttons);
    m_lower = makeGrid(QStringLiteral("CTV_MAIN2"), this);
    outer->addWidget(m_lower, 1);

    connect(m_all, &QCheckBox::clicked, this, [this](bool on) { m_bundle.setAllChecked(on); });
    connect(m_upper, &QTableWidget::cellClicked, this, [this](int row, int) { m_bundle.toggleMember(row); });
    connect(m_lower, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row >= 0 && row < m_lowerRows.size())
            m_bundle.toggleCandidate(m_lowerRows.at(row));
    });
    connect(add, &QPushButton::clicked, this, [this] { m_bundle.add(m_waiting()); });
    connect(del, &QPushButton::clicked, this, [this] { m_bundle.remove(m_waiting()); });
    connect(all, &QPushButton::clicked, this, [this] { m_bundle.dissolve(); });
}

bool OrderBundleWindow::openFor(const OrderPopupFields &popup)
{
    if (!m_bundle.open(popup, m_live(), m_waiting()))
        return false;
    if (!m_bundle.isOpen())
        return false;
    m_all->setChecked(false);
    refresh();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    show();
    raise();
    return true;
}

void OrderBundleWindow::refresh()
{
    const QDateTime now = m_now();
    QList<const BundleRow *> upper;
    for (const BundleRow &r : m_bundle.members())
        upper.append(&r);
    fillGrid(m_upper, upper, now);
    QList<const BundleRow *> lower;
    m_lowerRows = m_bundle.shownCandidates();
    for (int i : m_lowerRows)
        lower.append(&m_bundle.candidates().at(i));
    fillGrid(m_lower, lower, now);
    m_all->setChecked(m_bundle.allChecked());
}

void OrderBundleWindow::closeEvent(QCloseEvent *event)
{
    // The form's own close comes back here through its closed hook; it is then closed already.
    m_bundle.close();
    QWidget::closeEvent(event);
}
