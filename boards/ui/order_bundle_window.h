#pragma once

#include "boards/order_bundle.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class QCheckBox;
class QTableWidget;

// The bundle window "묶음배송": the members of the bundle above, the orders that may join below,
// with "추가", "삭제" and "전체삭제". It shows what OrderBundle holds and closes when the form does.
//
// Binding: the screen keeps one window; the popup item "묶음배송" (and the board's cell click)
// calls openFor(popup fields); the order dispatch calls bundle().orderChanged / orderFinished /
// orderDeleted / boardReset while bundle().isOpen() (the open flag).
class OrderBundleWindow : public QWidget
{
    Q_OBJECT

public:
    // hooks: link, message box, log and the live-order reload (closed and changed are the
    // window's own). live / waiting: the live board's orders and the control screens' waiting
    // orders (G_MAP_ORDERS).
    OrderBundleWindow(OrderBundleHooks hooks, std::function<const TA1Orders &()> live,
                      std::function<const TA1Orders &()> waiting, std::function<QDateTime()> now = {},
                      QWidget *parent = nullptr);

    bool openFor(const OrderPopupFields &popup);
    OrderBundle &bundle() { return m_bundle; }
    QTableWidget *members() const { return m_upper; }
    QTableWidget *candidates() const { return m_lower; }

protected:
    // Closed from its title bar: the form closes too (the open flag drops, the dispatch leaves it).
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();

    OrderBundle m_bundle;
    std::function<const TA1Orders &()> m_live;
    std::function<const TA1Orders &()> m_waiting;
    std::function<QDateTime()> m_now;
    QTableWidget *m_upper = nullptr;
    QTableWidget *m_lower = nullptr;
    QCheckBox *m_all = nullptr;
    QList<int> m_lowerRows;  // candidate index of each shown lower row
};
