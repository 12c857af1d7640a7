#pragma once

#include "reception/order_items.h"

#include <QObject>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
struct TGOODS_LIST;

// The options panel of a menu board: the four option lists and the extra goods of one goods item,
// the composed name and the "-"/"+" that add the goods with the picked options. It fills a frame
// the owner provides (with a vertical layout) and adds through the owner's item list.
class MenuOptionPanel : public QObject
{
    Q_OBJECT
public:
    using AddFn = std::function<OrderItemChange(bool minus, const QString &goodsNo, const QString (&ops)[4],
                                                const QString &extraNo)>;
    using HasLineFn = std::function<bool(const QString &key)>;
    MenuOptionPanel(QFrame *panel, AddFn add, HasLineFn hasLine);

    // Fills the panel for a goods item shown at that price and shows it over its parent.
    void fill(const TGOODS_LIST *goods, qint64 price);
    void reset();
    QString goodsNo() const;

    QLabel *cxGroupBox21 = nullptr;
    QListWidget *CTV_OP[4] = {nullptr, nullptr, nullptr, nullptr};
    QLabel *pnlOpNoGoods[4] = {nullptr, nullptr, nullptr, nullptr};
    QTableWidget *CTV_ADD_GOODS = nullptr;
    QPushButton *cxButton22 = nullptr, *cxButton21 = nullptr, *cxButton18 = nullptr;
    QLineEdit *CTE_GOOD_NAME = nullptr;

private:
    void selectOption();
    void optionPlusMinus(bool minus);
    void addGoodsClick(int row, int column);

    QFrame *m_panel;
    AddFn m_add;
    HasLineFn m_hasLine;
    QString m_optionGoods;
};
