#pragma once

#include "reception/menu_board_filter.h"
#include "reception/order_items.h"

#include <QFrame>
#include <QList>
#include <QObject>
#include <QPointer>


class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class MenuOptionPanel;
class QTreeWidgetItem;
class TFRM_ACCEPT;
struct TST_LIST;

// One goods tile of the reception window's menu board: the name, the price, "+"/"-" for goods
// without choices, the "+19" mark and the sale switch.
class MenuBoardTileWidget : public QFrame
{
    Q_OBJECT
public:
    explicit MenuBoardTileWidget(QWidget *parent);
    void showTile(const MenuBoardTile &tile, int width, bool narrow);
    const MenuBoardTile &tile() const { return m_tile; }
    void setOnSale(bool onSale);

    QPushButton *SB_NAME = nullptr, *CLB_CHARGE = nullptr, *SB_PLUS = nullptr, *SB_MINUS = nullptr,
                *CBT_USE = nullptr;
    QLabel *CLB_ADULT = nullptr;

signals:
    void pressed(int action);  // 0 name or price, 1 "+", 2 "-"
    void saleSwitchPressed();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    MenuBoardTile m_tile;
};

// The menu board, the options panel, the item list and the amounts of one reception window. The
// window keeps the controls; this binds them to the item tree and the board's filters.
class AcceptMenuBoard : public QObject
{
    Q_OBJECT
public:
    explicit AcceptMenuBoard(TFRM_ACCEPT *window);

    OrderItemTree &items() { return m_items; }
    const QList<MenuBoardTileWidget *> &tiles() const { return m_tiles; }
    int shownTiles() const { return m_shown; }

    // Rebuilds the tiles when a filter or the store changed since the last build (or when forced).
    void loadGoodsButtons();
    // Adds or takes away one unit; shows a refusal; then recalculates.
    OrderItemChange addGoods(bool minus, const QString &goodsNo, const QString (&ops)[4], const QString &extraNo);
    // Recalculates the line amounts and the amount boxes, and redraws the item list.
    void charge();
    // Fills the options panel for a goods of the window's store and shows it.
    void showGoodsOption(const QString &goodsNo);
    // Switches the sale status of a tile's goods after asking.
    void changeGoodsStatus(MenuBoardTileWidget *tile);
    // Empties the items (a new reception).
    void clear();
    // Takes the popup board's items and amounts, also an emptied list (nothing of the old lines
    // stays behind), and recalculates.
    void adoptItems(const OrderItemTree &items, qint64 discount, qint64 service);
    // With the popup board in use: the notice on the goods page and the popup over the window.
    void showMenuPopup();

    MenuOptionPanel *options = nullptr;  // fills the window's PNL_OPTION
    // Item edit panel
    QLabel *lblGoodsName = nullptr;
    QLineEdit *edtGoodsName = nullptr;
    QLineEdit *edtOpName[4] = {nullptr, nullptr, nullptr, nullptr};
    QPushButton *btnGoodsModify = nullptr, *btnGoodsModifyCancel = nullptr;

    // Opens the item edit for the list's line (double click in its name).
    void showItemEdit(QTreeWidgetItem *item);
    // Saves the item edit; false (with the message shown) when a name is too long.
    bool saveItemEdit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutTiles();
    TST_LIST *store() const;
    MenuBoardFilter currentFilter(QString *storeCode) const;
    void buildEditPanel();
    void treeDoubleClicked(QTreeWidgetItem *item, int column);
    void treeClicked(QTreeWidgetItem *item, int column);
    void fillTree();
    void tilePressed(MenuBoardTileWidget *tile, int action);

    TFRM_ACCEPT *w;
    OrderItemTree m_items;
    QList<MenuBoardTileWidget *> m_tiles;
    int m_shown = 0;
    // The board's scroll viewport, watched for its width; compared by address so that events
    // sent while the window is being torn down never reach into the window.
    const QObject *m_viewport = nullptr;
    int m_tileWidth = 180;
    int m_editRow = -1, m_editExtra = -1;
};
