#include "reception/ui/menu_board_panel.h"

#include "common/message_box.h"
#include "grid/grid_table_model.h"
#include "reception/menu_board_sale.h"
#include "reception/ui/accept_window.h"
#include "reception/ui/menu_board_popup.h"
#include "reception/ui/menu_option_panel.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const int kMenuTileHeight = 68;

QString menuBoardWon(qint64 v)
{
    return QLocale(QLocale::Korean).toString(v);
}

// Columns of a line in the item list (see OrderItemLine); the hidden ones keep what the savers read.
void menuBoardFillLine(QTreeWidgetItem *item, const OrderItemLine &l)
{
    item->setText(0, l.no);
    item->setText(1, l.name);
    item->setText(2, menuBoardWon(l.unitPrice));
    item->setData(2, Qt::UserRole, l.unitPrice);
    item->setText(3, QString::number(l.quantity));
    item->setText(4, menuBoardWon(l.amount));
    item->setData(4, Qt::UserRole, l.amount);
    item->setText(5, QString::number(l.sequence));
    item->setText(6, l.key);
    const int codeColumns[4] = {7, 10, 15, 18};
    for (int k = 0; k < 4; ++k) {
        item->setText(codeColumns[k], l.options[k].no);
        item->setText(codeColumns[k] + 1, l.options[k].name);
        item->setText(codeColumns[k] + 2, QString::number(l.options[k].price));
    }
    item->setText(13, QStringLiteral("-"));
    item->setText(14, QStringLiteral("+"));
    item->setText(21, l.plainName);
    item->setText(22, QString::number(l.depositUnit));
    item->setText(23, QString::number(l.depositAmount));
    for (int c : {2, 3, 4})
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    for (int c : {13, 14})
        item->setTextAlignment(c, Qt::AlignCenter);
}

} // namespace

// Tile -------------------------------------------------------------------------------------------

MenuBoardTileWidget::MenuBoardTileWidget(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("TFRM_GOODS"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedHeight(kMenuTileHeight);
    auto *col = new QVBoxLayout(this);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(1);
    auto *top = new QHBoxLayout;
    top->setSpacing(2);
    CLB_ADULT = new QLabel(QStringLiteral("+19"), this);
    CLB_ADULT->setObjectName(QStringLiteral("CLB_ADULT"));
    CLB_ADULT->setStyleSheet(QStringLiteral("color: #D00000; font-weight: bold;"));
    SB_NAME = new QPushButton(this);
    SB_NAME->setObjectName(QStringLiteral("SB_NAME"));
    SB_NAME->setFlat(true);
    CBT_USE = new QPushButton(this);
    CBT_USE->setObjectName(QStringLiteral("CBT_USE"));
    CBT_USE->setFixedSize(40, 20);
    top->addWidget(CLB_ADULT);
    top->addWidget(SB_NAME, 1);
    top->addWidget(CBT_USE, 0, Qt::AlignTop);
    col->addLayout(top, 1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(2);
    SB_MINUS = new QPushButton(QStringLiteral("-"), this);
    SB_MINUS->setObjectName(QStringLiteral("SB_MINUS"));
    CLB_CHARGE = new QPushButton(this);
    CLB_CHARGE->setObjectName(QStringLiteral("CLB_CHARGE"));
    CLB_CHARGE->setFlat(true);
    SB_PLUS = new QPushButton(QStringLiteral("+"), this);
    SB_PLUS->setObjectName(QStringLiteral("SB_PLUS"));
    for (QPushButton *b : {SB_MINUS, SB_PLUS})
        b->setFixedSize(28, 24);
    bottom->addWidget(SB_MINUS);
    bottom->addWidget(CLB_CHARGE, 1);
    bottom->addWidget(SB_PLUS);
    col->addLayout(bottom);
    connect(SB_NAME, &QPushButton::clicked, this, [this] { emit pressed(0); });
    connect(CLB_CHARGE, &QPushButton::clicked, this, [this] { emit pressed(0); });
    connect(SB_PLUS, &QPushButton::clicked, this, [this] { emit pressed(1); });
    connect(SB_MINUS, &QPushButton::clicked, this, [this] { emit pressed(2); });
    connect(CBT_USE, &QPushButton::clicked, this, &MenuBoardTileWidget::saleSwitchPressed);
}

void MenuBoardTileWidget::showTile(const MenuBoardTile &tile, int width, bool narrow)
{
    m_tile = tile;
    setFixedWidth(width);
    const int len = int(tile.name.trimmed().size());
    QFont f = SB_NAME->font();
    f.setPointSize(len < 6 ? (narrow ? 12 : 13) : len <= 8 ? 10 : 8);
    SB_NAME->setFont(f);
    SB_NAME->setText(tile.name);
    SB_NAME->setToolTip(tile.name);
    SB_PLUS->setToolTip(tile.goodsNo);
    CLB_CHARGE->setText(menuBoardWon(tile.price) + QStringLiteral("원"));
    CLB_CHARGE->setToolTip(QString::number(tile.price));
    SB_PLUS->setVisible(tile.plusMinus);
    SB_MINUS->setVisible(tile.plusMinus);
    CLB_ADULT->setVisible(tile.adult);
    CBT_USE->setVisible(tile.saleSwitch);
    setOnSale(tile.onSale);
    QFrame::show();
}

void MenuBoardTileWidget::setOnSale(bool onSale)
{
    m_tile.onSale = onSale;
    CBT_USE->setText(onSale ? QStringLiteral("판매") : QStringLiteral("품절"));
    CBT_USE->setStyleSheet(onSale ? QString() : QStringLiteral("background-color: #E04040; color: white;"));
}

void MenuBoardTileWidget::enterEvent(QEnterEvent *event)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(249, 255, 224));
    setPalette(p);
    QFrame::enterEvent(event);
}

void MenuBoardTileWidget::leaveEvent(QEvent *event)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    QFrame::leaveEvent(event);
}

// Board ------------------------------------------------------------------------------------------

AcceptMenuBoard::AcceptMenuBoard(TFRM_ACCEPT *window)
    : QObject(window)
    , w(window)
{
    w->CCB_CHARGE->clear();
    w->CCB_CHARGE->addItems(MenuPriceClassTexts());
    w->CTL_GOODS->setColumnCount(24);
    for (int c = 21; c < 24; ++c)
        w->CTL_GOODS->setColumnHidden(c, true);
    w->CTL_GOODS->setSelectionMode(QAbstractItemView::ExtendedSelection);
    options = new MenuOptionPanel(
        w->PNL_OPTION,
        [this](bool minus, const QString &goodsNo, const QString (&ops)[4], const QString &extraNo) {
            return addGoods(minus, goodsNo, ops, extraNo);
        },
        [this](const QString &key) { return m_items.indexOfKey(key) >= 0; });
    buildEditPanel();
    m_viewport = w->cxScrollBox1->viewport();
    w->cxScrollBox1->viewport()->installEventFilter(this);

    auto rebuild = [this] { loadGoodsButtons(); };
    // The search, Enter and the price class start from the first group and every consonant.
    auto fromTop = [this] {
        if (w->goodsGroups->recordCount() > 0)
            w->CTV_GOODS_GRP->setCurrentIndex(w->goodsGroups->index(0, 0));
        w->CBT_ST_ALL->setChecked(true);
        w->cxGroupBox18->setProperty("Tag", 0);
        loadGoodsButtons();
    };
    connect(w->CCB_CHARGE, &QComboBox::currentIndexChanged, this, fromTop);
    connect(w->CTE_GOODS_NAME, &QLineEdit::returnPressed, this, fromTop);
    if (auto *search = w->findChild<QPushButton *>(QStringLiteral("cxButton2")))
        connect(search, &QPushButton::clicked, this, fromTop);
    for (QPushButton *b : w->cxGroupBox18->findChildren<QPushButton *>()) {
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (w->goodsGroups->recordCount() > 0)
                w->CTV_GOODS_GRP->setCurrentIndex(w->goodsGroups->index(0, 0));
            w->cxGroupBox18->setProperty("Tag", b->property("Tag"));
            loadGoodsButtons();
        });
    }
    connect(w->CTV_GOODS_GRP, &QTableView::clicked, this, [this] {
        w->CBT_ST_ALL->setChecked(true);
        w->cxGroupBox18->setProperty("Tag", 0);
        loadGoodsButtons();
    });
    connect(w->cxPageControl1, &QTabWidget::currentChanged, this, [this, rebuild](int index) {
        if (index != 4)
            return;
        if (G_USER_SET.MenuPopup == QLatin1String("Y"))
            showMenuPopup();
        else
            rebuild();
    });
    // A new store refills the group list; an open board follows it.
    connect(w->goodsGroups, &QAbstractItemModel::modelReset, this, [this] {
        if (w->cxPageControl1->currentIndex() == 4)
            QTimer::singleShot(0, this, [this] { loadGoodsButtons(); });
    });
    connect(w->CRB_ORD, &QRadioButton::toggled, this, [this] {
        w->FSELECT_ST_CLOSE = true;
        if (w->cxPageControl1->currentIndex() == 4)
            loadGoodsButtons();
    });

    connect(w->CTL_GOODS, &QTreeWidget::itemClicked, this, &AcceptMenuBoard::treeClicked);
    connect(w->CTL_GOODS, &QTreeWidget::itemDoubleClicked, this, &AcceptMenuBoard::treeDoubleClicked);
    for (QSpinBox *box : {w->CCR_GOODS_AMT, w->CCR_DOWN_AMT, w->CCR_SRV_AMT, w->CCR_PRE_AMT})
        connect(box, &QSpinBox::editingFinished, this, [this] { charge(); });
    w->CCR_GOODS_AMT->setRange(-int(kOrderGoodsAmountMax), int(kOrderGoodsAmountMax));
    w->CCR_DOWN_AMT->setRange(0, 9999999);
    w->CCR_SRV_AMT->setRange(0, 9999999);
    w->CCR_AMOUNT->setReadOnly(true);
}

TST_LIST *AcceptMenuBoard::store() const
{
    return G_ST_LIST.value(w->storeIndexTag);
}

MenuBoardFilter AcceptMenuBoard::currentFilter(QString *storeCode) const
{
    MenuBoardFilter f;
    const QModelIndex current = w->CTV_GOODS_GRP->currentIndex();
    if (w->goodsGroups->recordCount() > 0) {
        const int row = current.isValid() ? current.row() : 0;
        if (!current.isValid())
            w->CTV_GOODS_GRP->setCurrentIndex(w->goodsGroups->index(0, 0));
        f.groupNo = w->goodsGroups->recordValue(row, 1).toString();
    }
    f.name = w->CTE_GOODS_NAME->text().trimmed();
    f.chargeIndex = w->CCB_CHARGE->currentIndex();
    f.consonantTag = w->cxGroupBox18->property("Tag").toInt();
    f.deliveryOrder = w->CRB_ORD->isChecked();
    const TST_LIST *st = store();
    *storeCode = st ? QString(st->ST_CODE) : QString();
    return f;
}

void AcceptMenuBoard::loadGoodsButtons()
{
    if (G_USER_SET.MenuPopup == QLatin1String("Y")) {
        for (MenuBoardTileWidget *t : m_tiles)
            t->hide();
        m_shown = 0;
        return;
    }
    QString code;
    const MenuBoardFilter f = currentFilter(&code);
    if (code == w->FSELECT_ST_GOODS && f.name == w->FSELECT_ST_GOODS_ITEM_NM &&
        QString::number(f.chargeIndex) == w->FSELECT_ST_GOODS_CHARGE && f.groupNo == w->FSELECT_ST_GOODS_GRP &&
        !w->FSELECT_ST_CLOSE && QString::number(f.consonantTag) == w->FSELECT_ST_GOODS_SEARCHIDX)
        return;
    w->FSELECT_ST_CLOSE = false;
    const TST_LIST *st = store();
    const QList<MenuBoardTile> tiles = st ? BuildMenuBoard(*st, f) : QList<MenuBoardTile>();
    for (MenuBoardTileWidget *t : m_tiles)
        t->hide();
    const bool narrow = w->window()->width() < 1100;
    m_tileWidth = narrow ? 140 : 180;
    for (int i = 0; i < tiles.size(); ++i) {
        if (m_tiles.size() < i + 1) {
            auto *t = new MenuBoardTileWidget(w->CGB_GOODS);
            t->installEventFilter(w);
            connect(t, &MenuBoardTileWidget::pressed, this, [this, t](int action) { tilePressed(t, action); });
            connect(t, &MenuBoardTileWidget::saleSwitchPressed, this, [this, t] { changeGoodsStatus(t); });
            m_tiles.append(t);
        }
        m_tiles.at(i)->showTile(tiles.at(i), m_tileWidth, narrow);
    }
    m_shown = int(tiles.size());
    if (m_shown == 0)
        w->CGB_GOODS->setMinimumHeight(0);
    layoutTiles();
    w->PNL_OPTION->hide();
    w->FSELECT_ST_GOODS = code;
    w->FSELECT_ST_GOODS_ITEM_NM = f.name;
    w->FSELECT_ST_GOODS_CHARGE = QString::number(f.chargeIndex);
    w->FSELECT_ST_GOODS_GRP = f.groupNo;
    w->FSELECT_ST_GOODS_SEARCHIDX = QString::number(f.consonantTag);
}

void AcceptMenuBoard::layoutTiles()
{
    // Tiles sit side by side from the top left, as many to a line as the board is wide; the
    // board is as high as its last line, so the scroll area scrolls through all of them.
    if (m_shown == 0)
        return;  // an empty board keeps the height its build gave it
    const int area = w->cxScrollBox1->viewport()->width();
    const int perRow = qMax(1, (area - 2) / (m_tileWidth + 2));
    for (int i = 0; i < m_shown; ++i)
        m_tiles.at(i)->move(2 + (i % perRow) * (m_tileWidth + 2), 2 + (i / perRow) * (kMenuTileHeight + 2));
    const int lines = (m_shown + perRow - 1) / perRow;
    w->CGB_GOODS->setMinimumHeight(2 + lines * (kMenuTileHeight + 2));
}

bool AcceptMenuBoard::eventFilter(QObject *watched, QEvent *event)
{
    // The tiles fill the width the board has now.
    if (event->type() == QEvent::Resize && watched == m_viewport)
        layoutTiles();
    return QObject::eventFilter(watched, event);
}

void AcceptMenuBoard::tilePressed(MenuBoardTileWidget *tile, int action)
{
    const QString none[4];
    const QString no = tile->tile().goodsNo;
    if (action == 1 || (action == 0 && tile->tile().plusMinus))
        addGoods(false, no, none, QString());
    else if (action == 2)
        addGoods(true, no, none, QString());
    else
        showGoodsOption(no);
}

OrderItemChange AcceptMenuBoard::addGoods(bool minus, const QString &goodsNo, const QString (&ops)[4],
                                          const QString &extraNo)
{
    const TST_LIST *st = store();
    if (!st)
        return OrderItemChange::Unchanged;
    const OrderItemChange r = m_items.addGoods(*st, minus, goodsNo, ops, extraNo, w->CRB_ORD->isChecked(),
                                               !w->CTE_APP_AUTH_DT->text().trimmed().isEmpty());
    const QString refusal = OrderItemRefusalText(r);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, QStringLiteral("I"));
        return r;
    }
    if (r == OrderItemChange::Unchanged)
        return r;
    if (m_items.isEmpty())
        w->CCR_GOODS_AMT->setValue(0);
    charge();
    return r;
}

void AcceptMenuBoard::charge()
{
    OrderAmounts typed;
    typed.goods = w->CCR_GOODS_AMT->value();
    typed.discount = w->CCR_DOWN_AMT->value();
    typed.service = w->CCR_SRV_AMT->value();
    typed.prepaid = w->CCR_PRE_AMT->value();
    typed.deposit = w->edtCupPrice->text().toLongLong();
    const OrderAmounts out =
        m_items.charge(typed, w->GI_GUBUN == 1, w->btnPrePayed->isChecked(), w->CCR_AMOUNT->value());
    const QSignalBlocker block(w->CCR_GOODS_AMT);
    w->CCR_GOODS_AMT->setValue(int(out.goods));
    w->CCR_AMOUNT->setValue(int(std::clamp<qint64>(out.amount, w->CCR_AMOUNT->minimum(), w->CCR_AMOUNT->maximum())));
    w->edtCupPrice->setText(QString::number(out.deposit));
    // While goods are listed the goods amount is their sum; typed only for an order without them.
    w->CCR_GOODS_AMT->setReadOnly(!m_items.isEmpty());
    if (w->GI_GUBUN == 1)
        w->GB_GOODS = true;
    fillTree();
}

void AcceptMenuBoard::fillTree()
{
    QTreeWidget *tree = w->CTL_GOODS;
    tree->setUpdatesEnabled(false);
    tree->clear();
    for (const OrderItemLine &l : m_items.lines()) {
        auto *item = new QTreeWidgetItem(tree);
        menuBoardFillLine(item, l);
        for (const OrderItemLine &e : l.extras)
            menuBoardFillLine(new QTreeWidgetItem(item), e);
    }
    tree->expandAll();
    tree->setUpdatesEnabled(true);
}

void AcceptMenuBoard::treeClicked(QTreeWidgetItem *item, int column)
{
    if (!item || (column != 13 && column != 14))
        return;
    QTreeWidgetItem *parent = item->parent();
    const int row = w->CTL_GOODS->indexOfTopLevelItem(parent ? parent : item);
    const int extraRow = parent ? parent->indexOfChild(item) : -1;
    const OrderItemChange r = m_items.stepQuantity(row, extraRow, column == 14 ? 1 : -1);
    const QString refusal = OrderItemRefusalText(r);
    if (!refusal.isEmpty())
        MsgBox(refusal, QStringLiteral("I"));
    if (r == OrderItemChange::Changed) {
        if (m_items.isEmpty())
            w->CCR_GOODS_AMT->setValue(0);
        charge();
    }
}

void AcceptMenuBoard::showGoodsOption(const QString &goodsNo)
{
    const TST_LIST *st = store();
    if (const TGOODS_LIST *goods = st ? st->GOODS_LIST.find(goodsNo) : nullptr)
        options->fill(goods, MenuGoodsPrice(*goods, w->CRB_ORD->isChecked()));
}

void AcceptMenuBoard::treeDoubleClicked(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    if (column == 4)
        treeClicked(item, 13);  // the amount column takes one away, as "-" does
    else if (column == 1)
        showItemEdit(item);
}

void AcceptMenuBoard::adoptItems(const OrderItemTree &items, qint64 discount, qint64 service)
{
    m_items = items;
    w->CCR_DOWN_AMT->setValue(int(std::clamp<qint64>(discount, 0, w->CCR_DOWN_AMT->maximum())));
    w->CCR_SRV_AMT->setValue(int(std::clamp<qint64>(service, 0, w->CCR_SRV_AMT->maximum())));
    if (m_items.isEmpty())
        w->CCR_GOODS_AMT->setValue(0);
    charge();
    if (m_items.isEmpty())
        w->CCR_GOODS_AMT->setReadOnly(false);
}

void AcceptMenuBoard::showMenuPopup()
{
    w->pnlAlarmPopup->show();
    if (auto *header = w->findChild<QFrame *>(QStringLiteral("cxGroupBox16")))
        header->hide();
    TFRM_ACP_MENU_POP *pop = TFRM_ACP_MENU_POP::instance(w->window());
    pop->FS_ST_CODE = w->CTE_ST_NO->text();
    pop->FS_SELL_TYPE = w->CRB_ORD->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    pop->FS_CU_ADULT_YN = w->CTE_APP_AUTH_DT->text();
    pop->sender = this;
    pop->proc_LoadStart();
    if (pop->FI_STLIST_STCODE_IDX < 0)
        return;
    pop->copyIn(m_items, w->CCR_DOWN_AMT->value(), w->CCR_SRV_AMT->value());
    pop->move(pop->screen() ? pop->screen()->availableGeometry().topLeft() : QPoint(0, 0));
    pop->show();
    pop->raise();
}

void AcceptMenuBoard::clear()
{
    m_items.clear();
    w->CTL_GOODS->clear();
    w->CCR_GOODS_AMT->setReadOnly(false);
    w->PNL_OPTION->hide();
    options->reset();
}

// Item edit ---------------------------------------------------------------------------------------

void AcceptMenuBoard::buildEditPanel()
{
    QFrame *panel = w->pnlGoodsModify;
    panel->setProperty("slidesOver", true);
    panel->setAutoFillBackground(true);
    auto *form = new QGridLayout;
    lblGoodsName = new QLabel(QStringLiteral("상품명"), panel);
    lblGoodsName->setObjectName(QStringLiteral("lblGoodsName"));
    edtGoodsName = new QLineEdit(panel);
    edtGoodsName->setObjectName(QStringLiteral("edtGoodsName"));
    edtGoodsName->setMinimumWidth(320);
    form->addWidget(lblGoodsName, 0, 0);
    form->addWidget(edtGoodsName, 0, 1);
    for (int k = 0; k < 4; ++k) {
        edtOpName[k] = new QLineEdit(panel);
        edtOpName[k]->setObjectName(QStringLiteral("edtOp%1Name").arg(k + 1));
        form->addWidget(new QLabel(QStringLiteral("옵션명%1").arg(k + 1), panel), k + 1, 0);
        form->addWidget(edtOpName[k], k + 1, 1);
    }
    static_cast<QVBoxLayout *>(panel->layout())->addLayout(form);
    auto *buttons = new QHBoxLayout;
    btnGoodsModify = new QPushButton(QStringLiteral("수정"), panel);
    btnGoodsModify->setObjectName(QStringLiteral("btnGoodsModify"));
    btnGoodsModifyCancel = new QPushButton(QStringLiteral("취소"), panel);
    btnGoodsModifyCancel->setObjectName(QStringLiteral("btnGoodsModifyCancel"));
    buttons->addStretch(1);
    buttons->addWidget(btnGoodsModify);
    buttons->addWidget(btnGoodsModifyCancel);
    static_cast<QVBoxLayout *>(panel->layout())->addLayout(buttons);
    connect(btnGoodsModify, &QPushButton::clicked, this, [this] { saveItemEdit(); });
    connect(btnGoodsModifyCancel, &QPushButton::clicked, this, [this] {
        w->CTL_GOODS->setEnabled(true);
        w->pnlGoodsModify->hide();
    });
}

void AcceptMenuBoard::showItemEdit(QTreeWidgetItem *item)
{
    QTreeWidgetItem *parent = item->parent();
    m_editRow = w->CTL_GOODS->indexOfTopLevelItem(parent ? parent : item);
    m_editExtra = parent ? parent->indexOfChild(item) : -1;
    if (m_editRow < 0 || m_editRow >= m_items.lines().size())
        return;
    const OrderItemLine &goodsLine = m_items.lines().at(m_editRow);
    if (m_editExtra >= goodsLine.extras.size())
        return;
    const OrderItemLine &line = m_editExtra < 0 ? goodsLine : goodsLine.extras.at(m_editExtra);
    lblGoodsName->setText(line.plainName.isEmpty() ? QStringLiteral("추가상품") : QStringLiteral("상품명"));
    edtGoodsName->setText(line.plainName.isEmpty() ? line.name : line.plainName);
    for (int k = 0; k < 4; ++k) {
        edtOpName[k]->setText(line.options[k].name);
        edtOpName[k]->setEnabled(!line.options[k].name.isEmpty());
    }
    w->CTL_GOODS->setEnabled(false);
    QFrame *panel = w->pnlGoodsModify;
    panel->adjustSize();
    panel->move(w->width() / 2 - panel->width() / 2, w->height() / 2 - panel->height() / 2);
    panel->show();
    panel->raise();
}

bool AcceptMenuBoard::saveItemEdit()
{
    QString names[4];
    for (int k = 0; k < 4; ++k)
        names[k] = edtOpName[k]->text();
    int field = -1;
    const QString refusal = OrderItemEditRefusal(edtGoodsName->text(), names, &field);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, QStringLiteral("I"));
        (field == 0 ? edtGoodsName : edtOpName[field - 1])->setFocus();
        return false;
    }
    m_items.renameLine(m_editRow, m_editExtra, edtGoodsName->text(), names);
    w->pnlGoodsModify->hide();
    w->CTL_GOODS->setEnabled(true);
    charge();
    return true;
}

// Sale switch -------------------------------------------------------------------------------------

void AcceptMenuBoard::changeGoodsStatus(MenuBoardTileWidget *tile)
{
    TST_LIST *st = store();
    if (!st)
        return;
    QString word;
    const QString status = GoodsSaleNextStatus(tile->tile().onSale, &word);
    if (MsgBox(GoodsSaleQuestion(word), QStringLiteral("Q")) != 1)
        return;
    const GoodsSaleSwitchResult r = ChangeGoodsSaleStatus(*st, tile->tile().goodsNo, status);
    MsgBox(r.message, QStringLiteral("I"));
    if (r.ok)
        tile->setOnSale(status == QLatin1String("1"));
}
