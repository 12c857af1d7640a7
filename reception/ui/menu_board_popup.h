#pragma once

#include "reception/menu_board_filter.h"
#include "reception/menu_board_keypad.h"
#include "reception/order_items.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class AcceptMenuBoard;
class MenuBoardTileWidget;
class MenuOptionPanel;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
struct TST_LIST;

// The popup menu board: a touch-sized window over the reception in which the goods are picked
// from pages of twenty tiles, the lines adjusted with a keypad, and the result handed back to the
// reception window that opened it ("닫기"); its close box discards the picks.
class TFRM_ACP_MENU_POP : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_ACP_MENU_POP(QWidget *parent);

    // The one popup of the program, created on first use over that window.
    static TFRM_ACP_MENU_POP *instance(QWidget *mainWindow);

    // Inputs set by the opener before proc_LoadStart.
    QString FS_ST_CODE;
    QString FS_SELL_TYPE;    // "0" delivery price, "1" in-store price
    QString FS_CU_ADULT_YN;  // the customer's adult-verification date; empty when none
    QPointer<AcceptMenuBoard> sender;

    int FI_STLIST_STCODE_IDX = -1;
    int FI_GRP_PAGE = 1;
    int FI_GOODS_PAGE = 1;

    void proc_LoadStart();
    void proc_SetGroup(int page);
    void proc_SetGoodsStruct();
    void proc_SetGoods(int page);
    void proc_SetKeyInput(MenuKeypad::Mode mode, const QString &title, qint64 value);
    // Puts the opener's items and amounts into the board.
    void copyIn(const OrderItemTree &items, qint64 discount, qint64 service);
    // "닫기": hands the items and amounts back to the opener and hides the board.
    void applyAndClose();

    OrderItemTree &items() { return m_items; }
    const QList<MenuBoardTile> &goods() const { return m_goods; }
    qint64 discount() const { return m_discount; }
    qint64 service() const { return m_service; }

    // Controls
    QList<QPushButton *> btnGrpPos;  // ten group buttons
    QPushButton *btnGrpAll = nullptr, *btnGrpPrev = nullptr, *btnGrpNext = nullptr;
    QList<QPushButton *> btnGoodsFilter;  // tags 0..8
    QList<MenuBoardTileWidget *> GSL_GOODS;
    QPushButton *btnGoodsPrev = nullptr, *btnGoodsNext = nullptr;
    QTreeWidget *treeGoods = nullptr;
    QPushButton *btnLinePlus = nullptr, *btnLineMinus = nullptr, *btnLineDelete = nullptr, *btnLineQty = nullptr,
                *btnLinePrice = nullptr, *btnDiscount = nullptr, *btnService = nullptr, *btnMenuClose = nullptr;
    QLabel *edtGoodsSum = nullptr, *edtDiscountAmt = nullptr, *edtServiceAmt = nullptr, *edtTotalSum = nullptr;
    QFrame *pnlKeypad = nullptr;
    QLabel *lblKeyTitle = nullptr, *lblKeyValue = nullptr;
    QList<QPushButton *> keys;  // "1".."9", "0", "00", "CLS"
    QPushButton *btnKeyEnter = nullptr, *btnKeyCancel = nullptr;
    QFrame *pnlOption = nullptr;
    MenuOptionPanel *options = nullptr;

private:
    TST_LIST *store() const;
    OrderItemChange add(bool minus, const QString &goodsNo, const QString (&ops)[4], const QString &extraNo);
    void tilePressed(MenuBoardTileWidget *tile, int action);
    void refresh();
    bool currentLine(int *row, int *extra) const;
    void keyEnter();

    OrderItemTree m_items;
    QList<MenuBoardTile> m_goods;
    QString m_groupNo;
    int m_consonant = 0;
    qint64 m_discount = 0;
    qint64 m_service = 0;
    MenuKeypad m_pad;
    int m_padRow = -1, m_padExtra = -1;
};
