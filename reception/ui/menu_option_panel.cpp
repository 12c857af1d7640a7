#include "reception/ui/menu_option_panel.h"

#include "common/message_box.h"
#include "records/reference_records.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

MenuOptionPanel::MenuOptionPanel(QFrame *panel, AddFn add, HasLineFn hasLine)
    : QObject(panel)
    , m_panel(panel)
    , m_add(std::move(add))
    , m_hasLine(std::move(hasLine))
{
    auto *layout = static_cast<QVBoxLayout *>(panel->layout());
    panel->setMaximumWidth(838);
    panel->setProperty("slidesOver", true);  // shown over the window while options are picked
    panel->setAutoFillBackground(true);
    auto *titleRow = new QHBoxLayout;
    cxGroupBox21 = new QLabel(QStringLiteral("상품옵션"), panel);
    cxGroupBox21->setObjectName(QStringLiteral("cxGroupBox21"));
    cxButton18 = new QPushButton(QStringLiteral("닫기"), panel);
    cxButton18->setObjectName(QStringLiteral("cxButton18"));
    titleRow->addWidget(cxGroupBox21, 1);
    titleRow->addWidget(cxButton18);
    layout->insertLayout(0, titleRow);
    auto *columns = new QHBoxLayout;
    for (int k = 0; k < 4; ++k) {
        auto *col = new QVBoxLayout;
        col->addWidget(new QLabel(QStringLiteral(" 옵션%1").arg(k + 1), panel));
        CTV_OP[k] = new QListWidget(panel);
        CTV_OP[k]->setObjectName(QStringLiteral("CTV_OP%1").arg(k + 1));
        CTV_OP[k]->setMinimumSize(150, 120);
        col->addWidget(CTV_OP[k], 1);
        pnlOpNoGoods[k] = panel->findChild<QLabel *>(QStringLiteral("pnlOp%1NoGoods").arg(k + 1));
        if (pnlOpNoGoods[k]) {
            layout->removeWidget(pnlOpNoGoods[k]);
            col->addWidget(pnlOpNoGoods[k]);
        }
        columns->addLayout(col);
        connect(CTV_OP[k], &QListWidget::currentRowChanged, this, [this] { selectOption(); });
    }
    layout->addLayout(columns, 1);
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(new QLabel(QStringLiteral("추가상품"), panel));
    CTV_ADD_GOODS = new QTableWidget(0, 3, panel);
    CTV_ADD_GOODS->setObjectName(QStringLiteral("CTV_ADD_GOODS"));
    CTV_ADD_GOODS->horizontalHeader()->hide();
    CTV_ADD_GOODS->verticalHeader()->hide();
    CTV_ADD_GOODS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_ADD_GOODS->setColumnWidth(0, 40);
    CTV_ADD_GOODS->setColumnWidth(2, 40);
    CTV_ADD_GOODS->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    CTV_ADD_GOODS->setMaximumHeight(110);
    addRow->addWidget(CTV_ADD_GOODS, 1);
    layout->addLayout(addRow);
    auto *bar = new QHBoxLayout;
    cxButton22 = new QPushButton(QStringLiteral("-"), panel);
    cxButton22->setObjectName(QStringLiteral("cxButton22"));
    CTE_GOOD_NAME = new QLineEdit(panel);
    CTE_GOOD_NAME->setObjectName(QStringLiteral("CTE_GOOD_NAME"));
    CTE_GOOD_NAME->setReadOnly(true);
    cxButton21 = new QPushButton(QStringLiteral("+"), panel);
    cxButton21->setObjectName(QStringLiteral("cxButton21"));
    bar->addWidget(cxButton22);
    bar->addWidget(CTE_GOOD_NAME, 1);
    bar->addWidget(cxButton21);
    layout->addLayout(bar);
    connect(cxButton18, &QPushButton::clicked, panel, &QWidget::hide);
    connect(cxButton21, &QPushButton::clicked, this, [this] { optionPlusMinus(false); });
    connect(cxButton22, &QPushButton::clicked, this, [this] { optionPlusMinus(true); });
    connect(CTV_ADD_GOODS, &QTableWidget::cellClicked, this, &MenuOptionPanel::addGoodsClick);
}

QString MenuOptionPanel::goodsNo() const
{
    return m_optionGoods;
}

void MenuOptionPanel::reset()
{
    m_optionGoods.clear();
    m_panel->hide();
}

void MenuOptionPanel::fill(const TGOODS_LIST *goods, qint64 price)
{
    const QString goodsNo = goods->ST_GOODS_NO;
    m_optionGoods = goodsNo;
    cxGroupBox21->setText(QString(goods->GOODS_NAME) + QLatin1Char('(') + QString::number(price) +
                          QStringLiteral("원) 옵션"));
    cxGroupBox21->setToolTip(goodsNo);
    CTE_GOOD_NAME->setText(goods->GOODS_NAME);
    CTE_GOOD_NAME->setToolTip(goods->GOODS_NAME);
    const CompactKeyedList<TGOOD_OP> *lists[4] = {&goods->OP1, &goods->OP2, &goods->OP3, &goods->OP4};
    bool anyOption = false;
    for (int k = 0; k < 4; ++k) {
        const QSignalBlocker block(CTV_OP[k]);
        CTV_OP[k]->clear();
        QList<const TGOOD_OP *> active;
        for (int i = 0; i < lists[k]->count(); ++i) {
            if (lists[k]->at(i).DATA_STATUS == QLatin1String("1"))
                active.append(&lists[k]->at(i));
        }
        std::stable_sort(active.begin(), active.end(), [](const TGOOD_OP *a, const TGOOD_OP *b) {
            return QString(a->VIEW_ORDER) < QString(b->VIEW_ORDER);
        });
        for (const TGOOD_OP *op : active) {
            auto *item = new QListWidgetItem(QString(op->OPTION_NAME) + QLatin1Char(':') + QString(op->OPTION_PRICE) +
                                             QStringLiteral("원"));
            item->setData(Qt::UserRole, QString(op->ST_GOODS_OP_NO));
            item->setData(Qt::UserRole + 1, QString(op->OPTION_NAME));
            CTV_OP[k]->addItem(item);
        }
        CTV_OP[k]->setCurrentRow(-1);
        anyOption = anyOption || !active.isEmpty();
        if (pnlOpNoGoods[k])
            pnlOpNoGoods[k]->setVisible(active.isEmpty());
    }
    cxButton21->setEnabled(!anyOption);
    cxButton22->setEnabled(!anyOption);
    CTV_ADD_GOODS->setRowCount(0);
    for (int i = 0; i < goods->ADD.count(); ++i) {
        const TGOOD_OP &op = goods->ADD.at(i);
        if (op.DATA_STATUS != QLatin1String("1"))
            continue;
        const int r = CTV_ADD_GOODS->rowCount();
        CTV_ADD_GOODS->insertRow(r);
        CTV_ADD_GOODS->setItem(r, 0, new QTableWidgetItem(QStringLiteral("-")));
        auto *name = new QTableWidgetItem(QString(op.OPTION_NAME) + QLatin1Char(':') + QString(op.OPTION_PRICE) +
                                          QStringLiteral("원"));
        name->setData(Qt::UserRole, QString(op.ST_GOODS_OP_NO));
        CTV_ADD_GOODS->setItem(r, 1, name);
        CTV_ADD_GOODS->setItem(r, 2, new QTableWidgetItem(QStringLiteral("+")));
        CTV_ADD_GOODS->item(r, 0)->setTextAlignment(Qt::AlignCenter);
        CTV_ADD_GOODS->item(r, 2)->setTextAlignment(Qt::AlignCenter);
    }
    QWidget *host = m_panel->parentWidget();
    m_panel->adjustSize();
    m_panel->move((host->width() - m_panel->width()) / 2, (host->height() - m_panel->height()) / 2);
    m_panel->show();
    m_panel->raise();
}

void MenuOptionPanel::selectOption()
{
    QStringList names;
    for (QListWidget *list : CTV_OP) {
        if (QListWidgetItem *item = list->currentItem())
            names << item->data(Qt::UserRole + 1).toString();
    }
    const QString text = names.isEmpty() ? QString() : QLatin1Char('(') + names.join(QLatin1Char(',')) + QLatin1Char(')');
    CTE_GOOD_NAME->setText(CTE_GOOD_NAME->toolTip() + text);
    cxButton21->setEnabled(true);
    cxButton22->setEnabled(true);
}

void MenuOptionPanel::optionPlusMinus(bool minus)
{
    QString ops[4];
    for (int k = 0; k < 4; ++k) {
        if (CTV_OP[k]->count() == 0)
            continue;
        QListWidgetItem *item = CTV_OP[k]->currentItem();
        if (!item) {
            MsgBox(QStringLiteral("옵션%1이 선택되지 않았습니다.").arg(k + 1), QStringLiteral("I"));
            return;
        }
        ops[k] = item->data(Qt::UserRole).toString();
    }
    m_add(minus, m_optionGoods, ops, QString());
}

void MenuOptionPanel::addGoodsClick(int row, int column)
{
    if (column != 0 && column != 2)
        return;
    const QTableWidgetItem *name = CTV_ADD_GOODS->item(row, 1);
    if (!name)
        return;
    QString ops[4];
    for (int k = 0; k < 4; ++k) {
        if (QListWidgetItem *item = CTV_OP[k]->currentItem())
            ops[k] = item->data(Qt::UserRole).toString();
    }
    const QString extraNo = name->data(Qt::UserRole).toString();
    const bool minus = column == 0;
    // The extra goes under its goods line: the line is added first when it is not listed yet.
    if (!m_hasLine(OrderItemKey(m_optionGoods, ops))) {
        const OrderItemChange r = m_add(false, m_optionGoods, ops, QString());
        if (r != OrderItemChange::Changed || minus)
            return;
    }
    m_add(minus, m_optionGoods, ops, extraNo);
}

