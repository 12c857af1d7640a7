#include "reception/ui/menu_board_popup.h"

#include "common/message_box.h"
#include "reception/menu_board_sale.h"
#include "reception/reception_rules.h"
#include "reception/ui/menu_board_panel.h"
#include "reception/ui/menu_option_panel.h"
#include "records/reference_records.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int kPopupGroupsPerPage = 10;
const int kPopupGoodsPerPage = 20;

QString menuPopupWon(qint64 v)
{
    return QLocale(QLocale::Korean).toString(v);
}

QPointer<TFRM_ACP_MENU_POP> &menuPopupInstance()
{
    static QPointer<TFRM_ACP_MENU_POP> p;
    return p;
}

} // namespace

TFRM_ACP_MENU_POP *TFRM_ACP_MENU_POP::instance(QWidget *mainWindow)
{
    QPointer<TFRM_ACP_MENU_POP> &p = menuPopupInstance();
    if (!p)
        p = new TFRM_ACP_MENU_POP(mainWindow);
    return p;
}

TFRM_ACP_MENU_POP::TFRM_ACP_MENU_POP(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TFRM_ACP_MENU_POP"));
    setWindowTitle(QStringLiteral("메뉴판"));
    setFixedSize(1024, 768);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(4);

    auto *groupRow = new QHBoxLayout;
    btnGrpAll = new QPushButton(QStringLiteral("전체"), this);
    btnGrpAll->setObjectName(QStringLiteral("btnGrpAll"));
    groupRow->addWidget(btnGrpAll);
    for (int i = 0; i < kPopupGroupsPerPage; ++i) {
        auto *b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btnGrpPos%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        b->setMinimumWidth(60);
        btnGrpPos << b;
        groupRow->addWidget(b, 1);
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (b->toolTip().isEmpty())
                return;
            m_groupNo = b->toolTip();
            proc_SetGoodsStruct();
        });
    }
    btnGrpPrev = new QPushButton(QStringLiteral("<"), this);
    btnGrpNext = new QPushButton(QStringLiteral(">"), this);
    groupRow->addWidget(btnGrpPrev);
    groupRow->addWidget(btnGrpNext);
    root->addLayout(groupRow);
    connect(btnGrpAll, &QPushButton::clicked, this, [this] {
        m_groupNo.clear();
        proc_SetGoodsStruct();
    });
    connect(btnGrpPrev, &QPushButton::clicked, this, [this] { proc_SetGroup(qMax(1, FI_GRP_PAGE - 1)); });
    connect(btnGrpNext, &QPushButton::clicked, this, [this] { proc_SetGroup(FI_GRP_PAGE + 1); });

    auto *filterRow = new QHBoxLayout;
    for (int tag = 0; tag < MenuConsonantCaptions().size(); ++tag) {
        auto *b = new QPushButton(MenuConsonantCaptions().at(tag), this);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setChecked(tag == 0);
        btnGoodsFilter << b;
        filterRow->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, tag] {
            m_consonant = tag;
            proc_SetGoodsStruct();
        });
    }
    root->addLayout(filterRow);

    auto *middle = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    auto *tiles = new QGridLayout;
    tiles->setSpacing(4);
    for (int i = 0; i < kPopupGoodsPerPage; ++i) {
        auto *t = new MenuBoardTileWidget(this);
        t->setObjectName(QStringLiteral("FR_GOODS_%1").arg(i, 2, 10, QLatin1Char('0')));
        GSL_GOODS << t;
        tiles->addWidget(t, i / 3, i % 3);
        t->hide();
        connect(t, &MenuBoardTileWidget::pressed, this, [this, t](int action) { tilePressed(t, action); });
        connect(t, &MenuBoardTileWidget::saleSwitchPressed, this, [this, t] {
            TST_LIST *st = store();
            QString word;
            const QString status = GoodsSaleNextStatus(t->tile().onSale, &word);
            if (!st || MsgBox(GoodsSaleQuestion(word), QStringLiteral("Q")) != 1)
                return;
            const GoodsSaleSwitchResult r = ChangeGoodsSaleStatus(*st, t->tile().goodsNo, status);
            MsgBox(r.message, QStringLiteral("I"));
            if (r.ok)
                t->setOnSale(status == QLatin1String("1"));
        });
    }
    left->addLayout(tiles);
    left->addStretch(1);
    auto *paging = new QHBoxLayout;
    btnGoodsPrev = new QPushButton(QStringLiteral("<"), this);
    btnGoodsNext = new QPushButton(QStringLiteral(">"), this);
    paging->addStretch(1);
    paging->addWidget(btnGoodsPrev);
    paging->addWidget(btnGoodsNext);
    left->addLayout(paging);
    connect(btnGoodsPrev, &QPushButton::clicked, this, [this] { proc_SetGoods(qMax(1, FI_GOODS_PAGE - 1)); });
    connect(btnGoodsNext, &QPushButton::clicked, this, [this] {
        pnlOption->hide();
        proc_SetGoods(FI_GOODS_PAGE + 1);
    });
    middle->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    treeGoods = new QTreeWidget(this);
    treeGoods->setObjectName(QStringLiteral("treeGoods"));
    treeGoods->setHeaderLabels({QStringLiteral("상품명"), QStringLiteral("단가"), QStringLiteral("수량"),
                                QStringLiteral("금액")});
    treeGoods->setColumnWidth(0, 190);
    treeGoods->setColumnWidth(1, 75);
    treeGoods->setColumnWidth(2, 45);
    right->addWidget(treeGoods, 1);
    auto *lineButtons = new QHBoxLayout;
    btnLinePlus = new QPushButton(QStringLiteral("+"), this);
    btnLineMinus = new QPushButton(QStringLiteral("-"), this);
    btnLineDelete = new QPushButton(QStringLiteral("삭제"), this);
    btnLineQty = new QPushButton(QStringLiteral("수량"), this);
    btnLinePrice = new QPushButton(QStringLiteral("단가"), this);
    for (QPushButton *b : {btnLinePlus, btnLineMinus, btnLineDelete, btnLineQty, btnLinePrice})
        lineButtons->addWidget(b);
    right->addLayout(lineButtons);
    auto *amounts = new QGridLayout;
    auto amount = [&](int row, const QString &caption, QLabel *&value) {
        amounts->addWidget(new QLabel(caption, this), row, 0);
        value = new QLabel(QStringLiteral("0"), this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameShape(QFrame::Box);
        amounts->addWidget(value, row, 1);
    };
    amount(0, QStringLiteral("상품합계"), edtGoodsSum);
    amount(1, QStringLiteral("할인가"), edtDiscountAmt);
    amount(2, QStringLiteral("봉사료"), edtServiceAmt);
    amount(3, QStringLiteral("받을금액"), edtTotalSum);
    btnDiscount = new QPushButton(QStringLiteral("할인입력"), this);
    btnService = new QPushButton(QStringLiteral("봉사료입력"), this);
    amounts->addWidget(btnDiscount, 1, 2);
    amounts->addWidget(btnService, 2, 2);
    right->addLayout(amounts);
    btnMenuClose = new QPushButton(QStringLiteral("닫기"), this);
    btnMenuClose->setObjectName(QStringLiteral("btnMenuClose"));
    btnMenuClose->setMinimumHeight(44);
    right->addWidget(btnMenuClose);
    middle->addLayout(right, 2);
    root->addLayout(middle, 1);

    auto lineStep = [this](int delta) {
        int row = -1, extra = -1;
        if (!currentLine(&row, &extra))
            return;
        const QString refusal = OrderItemRefusalText(m_items.stepQuantity(row, extra, delta));
        if (!refusal.isEmpty())
            MsgBox(refusal, QStringLiteral("I"));
        refresh();
    };
    connect(btnLinePlus, &QPushButton::clicked, this, [lineStep] { lineStep(1); });
    connect(btnLineMinus, &QPushButton::clicked, this, [lineStep] { lineStep(-1); });
    connect(btnLineDelete, &QPushButton::clicked, this, [this] {
        int row = -1, extra = -1;
        if (currentLine(&row, &extra) && m_items.removeLine(row, extra))
            refresh();
    });
    auto lineKeypad = [this](MenuKeypad::Mode mode) {
        int row = -1, extra = -1;
        if (!currentLine(&row, &extra))
            return;
        const OrderItemLine &g = m_items.lines().at(row);
        const OrderItemLine &l = extra < 0 ? g : g.extras.at(extra);
        m_padRow = row;
        m_padExtra = extra;
        proc_SetKeyInput(mode, mode == MenuKeypad::Quantity ? QStringLiteral("수량") : QStringLiteral("단가"),
                         mode == MenuKeypad::Quantity ? l.quantity : l.unitPrice);
    };
    connect(btnLineQty, &QPushButton::clicked, this, [lineKeypad] { lineKeypad(MenuKeypad::Quantity); });
    connect(btnLinePrice, &QPushButton::clicked, this, [lineKeypad] { lineKeypad(MenuKeypad::UnitPrice); });
    connect(btnDiscount, &QPushButton::clicked, this,
            [this] { proc_SetKeyInput(MenuKeypad::Discount, QStringLiteral("할인가"), m_discount); });
    connect(btnService, &QPushButton::clicked, this,
            [this] { proc_SetKeyInput(MenuKeypad::Service, QStringLiteral("봉사료"), m_service); });
    connect(btnMenuClose, &QPushButton::clicked, this, &TFRM_ACP_MENU_POP::applyAndClose);

    // Keypad, over the board while a value is typed.
    pnlKeypad = new QFrame(this);
    pnlKeypad->setObjectName(QStringLiteral("pnlKeypad"));
    pnlKeypad->setFrameShape(QFrame::Box);
    pnlKeypad->setAutoFillBackground(true);
    pnlKeypad->setProperty("slidesOver", true);
    auto *pad = new QGridLayout(pnlKeypad);
    lblKeyTitle = new QLabel(pnlKeypad);
    lblKeyValue = new QLabel(pnlKeypad);
    lblKeyValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblKeyValue->setFrameShape(QFrame::Box);
    pad->addWidget(lblKeyTitle, 0, 0);
    pad->addWidget(lblKeyValue, 0, 1, 1, 2);
    const QStringList keyTexts{"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", "00", "CLS"};
    for (int i = 0; i < keyTexts.size(); ++i) {
        auto *k = new QPushButton(keyTexts.at(i), pnlKeypad);
        k->setMinimumSize(70, 48);
        keys << k;
        pad->addWidget(k, 1 + i / 3, i % 3);
        connect(k, &QPushButton::clicked, this, [this, k] {
            m_pad.press(k->text());
            lblKeyValue->setText(menuPopupWon(m_pad.value()));
        });
    }
    btnKeyEnter = new QPushButton(QStringLiteral("입력"), pnlKeypad);
    btnKeyCancel = new QPushButton(QStringLiteral("취소"), pnlKeypad);
    pad->addWidget(btnKeyEnter, 5, 0, 1, 2);
    pad->addWidget(btnKeyCancel, 5, 2);
    connect(btnKeyEnter, &QPushButton::clicked, this, &TFRM_ACP_MENU_POP::keyEnter);
    connect(btnKeyCancel, &QPushButton::clicked, pnlKeypad, &QWidget::hide);
    pnlKeypad->hide();

    pnlOption = new QFrame(this);
    pnlOption->setObjectName(QStringLiteral("pnlOption"));
    pnlOption->setFrameShape(QFrame::Box);
    new QVBoxLayout(pnlOption);
    for (int i = 1; i <= 4; ++i) {
        auto *empty = new QLabel(QStringLiteral(" 옵션%1의 상품이 없습니다.").arg(i), pnlOption);
        empty->setObjectName(QStringLiteral("pnlOp%1NoGoods").arg(i));
        pnlOption->layout()->addWidget(empty);
    }
    options = new MenuOptionPanel(
        pnlOption,
        [this](bool minus, const QString &goodsNo, const QString (&ops)[4], const QString &extraNo) {
            return add(minus, goodsNo, ops, extraNo);
        },
        [this](const QString &key) { return m_items.indexOfKey(key) >= 0; });
    pnlOption->hide();
}

TST_LIST *TFRM_ACP_MENU_POP::store() const
{
    return G_ST_LIST.value(FI_STLIST_STCODE_IDX);
}

void TFRM_ACP_MENU_POP::proc_LoadStart()
{
    pnlKeypad->hide();
    pnlOption->hide();
    FI_STLIST_STCODE_IDX = G_ST_LIST.indexOf(FS_ST_CODE);
    FI_GRP_PAGE = 1;
    FI_GOODS_PAGE = 1;
    m_items.clear();
    m_discount = m_service = 0;
    m_groupNo.clear();
    refresh();
    if (FI_STLIST_STCODE_IDX < 0) {
        MsgBox(QStringLiteral("선택된 가맹점 정보를 찾지 못했습니다."), QStringLiteral("I"));
        hide();
        return;
    }
    proc_SetGroup(FI_GRP_PAGE);
    proc_SetGoodsStruct();
}

void TFRM_ACP_MENU_POP::proc_SetGroup(int page)
{
    FI_GRP_PAGE = qMax(1, page);
    QList<QStringList> groups;
    if (const TST_LIST *st = store()) {
        for (const QStringList &row : GoodsGroupRows(*st, false)) {
            if (!row.value(1).isEmpty())
                groups << row;
        }
    }
    for (int i = 0; i < kPopupGroupsPerPage; ++i) {
        const int g = (FI_GRP_PAGE - 1) * kPopupGroupsPerPage + i;
        btnGrpPos.at(i)->setText(g < groups.size() ? groups.at(g).at(0) : QString());
        btnGrpPos.at(i)->setToolTip(g < groups.size() ? groups.at(g).at(1) : QString());
    }
    btnGrpPrev->setEnabled(FI_GRP_PAGE > 1);
    btnGrpNext->setEnabled(FI_GRP_PAGE * kPopupGroupsPerPage < groups.size());
}

void TFRM_ACP_MENU_POP::proc_SetGoodsStruct()
{
    MenuBoardFilter f;
    f.groupNo = m_groupNo;
    f.consonantTag = m_consonant;
    f.deliveryOrder = FS_SELL_TYPE != QLatin1String("1");
    const TST_LIST *st = store();
    m_goods = st ? BuildMenuBoard(*st, f) : QList<MenuBoardTile>();
    proc_SetGoods(1);
}

void TFRM_ACP_MENU_POP::proc_SetGoods(int page)
{
    FI_GOODS_PAGE = qMax(1, page);
    const QList<MenuBoardTile> shown = MenuBoardPage(m_goods, FI_GOODS_PAGE - 1, kPopupGoodsPerPage);
    for (int i = 0; i < kPopupGoodsPerPage; ++i) {
        MenuBoardTileWidget *t = GSL_GOODS.at(i);
        if (i < shown.size()) {
            t->showTile(shown.at(i), 161, true);
            t->setFixedHeight(75);
        } else {
            t->hide();
        }
    }
    btnGoodsPrev->setEnabled(FI_GOODS_PAGE > 1);
    btnGoodsNext->setEnabled(qsizetype(FI_GOODS_PAGE) * kPopupGoodsPerPage < m_goods.size());
}

void TFRM_ACP_MENU_POP::tilePressed(MenuBoardTileWidget *tile, int action)
{
    const QString none[4];
    const QString no = tile->tile().goodsNo;
    if (action == 1 || (action == 0 && tile->tile().plusMinus)) {
        add(false, no, none, QString());
    } else if (action == 2) {
        add(true, no, none, QString());
    } else if (const TST_LIST *st = store()) {
        pnlKeypad->hide();
        if (const TGOODS_LIST *g = st->GOODS_LIST.find(no))
            options->fill(g, tile->tile().price);
    }
}

OrderItemChange TFRM_ACP_MENU_POP::add(bool minus, const QString &goodsNo, const QString (&ops)[4],
                                       const QString &extraNo)
{
    const TST_LIST *st = store();
    if (!st)
        return OrderItemChange::Unchanged;
    const OrderItemChange r = m_items.addGoods(*st, minus, goodsNo, ops, extraNo, FS_SELL_TYPE != QLatin1String("1"),
                                               !FS_CU_ADULT_YN.trimmed().isEmpty());
    const QString refusal = OrderItemRefusalText(r);
    if (!refusal.isEmpty())
        MsgBox(refusal, QStringLiteral("I"));
    refresh();
    return r;
}

bool TFRM_ACP_MENU_POP::currentLine(int *row, int *extra) const
{
    QTreeWidgetItem *item = treeGoods->currentItem();
    if (!item)
        return false;
    QTreeWidgetItem *parent = item->parent();
    *row = treeGoods->indexOfTopLevelItem(parent ? parent : item);
    *extra = parent ? parent->indexOfChild(item) : -1;
    return *row >= 0 && *row < m_items.lines().size();
}

void TFRM_ACP_MENU_POP::refresh()
{
    int row = -1, extra = -1;
    const bool hadLine = currentLine(&row, &extra);
    treeGoods->clear();
    for (const OrderItemLine &l : m_items.lines()) {
        auto fill = [](QTreeWidgetItem *it, const OrderItemLine &line) {
            it->setText(0, line.name);
            it->setText(1, menuPopupWon(line.unitPrice));
            it->setText(2, QString::number(line.quantity));
            it->setText(3, menuPopupWon(line.amount));
            for (int c = 1; c < 4; ++c)
                it->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        };
        auto *it = new QTreeWidgetItem(treeGoods);
        fill(it, l);
        for (const OrderItemLine &e : l.extras)
            fill(new QTreeWidgetItem(it), e);
    }
    treeGoods->expandAll();
    if (hadLine && row < treeGoods->topLevelItemCount()) {
        QTreeWidgetItem *it = treeGoods->topLevelItem(row);
        treeGoods->setCurrentItem(extra >= 0 && extra < it->childCount() ? it->child(extra) : it);
    }
    OrderAmounts typed;
    typed.discount = m_discount;
    typed.service = m_service;
    const OrderAmounts out = m_items.charge(typed, false, false, 0);
    edtGoodsSum->setText(menuPopupWon(out.goods));
    edtDiscountAmt->setText(menuPopupWon(m_discount));
    edtServiceAmt->setText(menuPopupWon(m_service));
    edtTotalSum->setText(menuPopupWon(out.goods - m_discount + m_service));
}

void TFRM_ACP_MENU_POP::proc_SetKeyInput(MenuKeypad::Mode mode, const QString &title, qint64 value)
{
    pnlOption->hide();
    m_pad.open(mode, value);
    lblKeyTitle->setText(title);
    lblKeyValue->setText(menuPopupWon(m_pad.value()));
    pnlKeypad->adjustSize();
    pnlKeypad->move((width() - pnlKeypad->width()) / 2, (height() - pnlKeypad->height()) / 2);
    pnlKeypad->show();
    pnlKeypad->raise();
}

void TFRM_ACP_MENU_POP::keyEnter()
{
    const QString refusal = m_pad.refusal(m_items.charge({}, false, false, 0).goods, m_service);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, QStringLiteral("I"));
        return;
    }
    OrderItemChange r = OrderItemChange::Changed;
    switch (m_pad.mode()) {
    case MenuKeypad::UnitPrice:
        r = m_items.setUnitPrice(m_padRow, m_padExtra, m_pad.value());
        break;
    case MenuKeypad::Quantity: {
        if (m_padRow < 0 || m_padRow >= m_items.lines().size())
            break;
        const OrderItemLine &g = m_items.lines().at(m_padRow);
        if (m_padExtra >= g.extras.size())
            break;
        const int now = m_padExtra < 0 ? g.quantity : g.extras.at(m_padExtra).quantity;
        r = m_items.stepQuantity(m_padRow, m_padExtra, int(m_pad.value()) - now);
        break;
    }
    case MenuKeypad::Discount:
        m_discount = m_pad.value();
        break;
    case MenuKeypad::Service:
        m_service = m_pad.value();
        break;
    }
    const QString capped = OrderItemRefusalText(r);
    if (!capped.isEmpty()) {
        MsgBox(capped, QStringLiteral("I"));
        return;
    }
    pnlKeypad->hide();
    refresh();
}

void TFRM_ACP_MENU_POP::copyIn(const OrderItemTree &items, qint64 discount, qint64 service)
{
    m_items = items;
    m_discount = discount;
    m_service = service;
    refresh();
}

void TFRM_ACP_MENU_POP::applyAndClose()
{
    if (sender)
        sender->adoptItems(m_items, m_discount, m_service);
    hide();
}
