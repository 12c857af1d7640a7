#pragma once

#include "boards/order_menu_plan.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QWidget;

// The order popup PPM_LIST of the today's-orders screen: one action per item, named after its
// component and carrying its Tag, Hint and GroupIndex, the cancel-reason submenus and the four
// message submenus. A plan decides what shows; a click hands the item's command on.
//
// Binding: on a right click the screen plans the popup for the focused row
// (PlanOrderMenu + OrderPopupState::apply), and when that opens a menu calls applyPlan and
// popup(). commandTriggered goes to OrderActions::run.
class OrderPopupMenu : public QObject
{
    Q_OBJECT

public:
    explicit OrderPopupMenu(QWidget *parent = nullptr);
    ~OrderPopupMenu() override;

    QMenu *menu() const { return m_menu; }
    QAction *action(OrderMenuItem item) const { return m_actions[size_t(item)]; }

    // One item per reason under NStatusCancel (GroupIndex 0) and under NStatusCancelNAcc
    // (GroupIndex 1), Tag 4002 and the reason code as Hint; replaces earlier reasons.
    void setCancelReasons(const QList<OrderCancelReason> &reasons);
    // Shows exactly the items the plan shows.
    void applyPlan(const OrderMenuPlan &plan);
    void popup(const QPoint &globalPos);

    // The command a menu action carries.
    static OrderMenuCommand commandOf(const QAction *action);

signals:
    void commandTriggered(const OrderMenuCommand &command);

private:
    QAction *addCommand(QMenu *menu, const QString &caption, const OrderMenuCommand &command);

    QMenu *m_menu = nullptr;
    std::array<QAction *, kOrderMenuItemCount> m_actions{};
    QMenu *m_cancel = nullptr;
    QMenu *m_cancelSettlement = nullptr;
};
