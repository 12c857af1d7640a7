#include "boards/ui/order_popup_menu.h"

#include <QAction>
#include <QMenu>

namespace
{
const char kRole[] = "orderRole";
const char kTag[] = "Tag";
const char kHint[] = "Hint";
const char kGroupIndex[] = "GroupIndex";
} // namespace

OrderPopupMenu::OrderPopupMenu(QWidget *parent) : QObject(parent), m_menu(new QMenu(parent))
{
    m_menu->setObjectName(QStringLiteral("PPM_LIST"));
    for (const OrderMenuItemInfo &info : OrderMenuItems()) {
        QAction *a = nullptr;
        switch (info.role) {
        case OrderMenuRole::Separator:
            a = m_menu->addSeparator();
            break;
        case OrderMenuRole::CancelReasons:
        case OrderMenuRole::MessageMenu: {
            QMenu *sub = m_menu->addMenu(info.caption);
            sub->setObjectName(QString::fromLatin1(info.name) + QStringLiteral("_menu"));
            a = sub->menuAction();
            if (info.id == OrderMenuItem::NStatusCancel)
                m_cancel = sub;
            else if (info.id == OrderMenuItem::NStatusCancelNAcc)
                m_cancelSettlement = sub;
            for (const OrderMessageEntry &e : OrderMessageEntries(info.id)) {
                if (e.kind == OrderMessageEntry::Separator) {
                    sub->addSeparator();
                    continue;
                }
                OrderMenuCommand c;
                c.role = e.kind == OrderMessageEntry::Compose ? OrderMenuRole::Compose : OrderMenuRole::MessageText;
                c.tag = e.tag;
                c.caption = e.caption;
                QAction *item = addCommand(sub, e.caption, c);
                if (e.item) {
                    item->setObjectName(QString::fromLatin1(OrderMenuItemInfoOf(*e.item).name));
                    m_actions[size_t(*e.item)] = item;
                }
            }
            break;
        }
        default: {
            OrderMenuCommand c;
            c.role = info.role;
            c.tag = info.tag;
            c.hint = info.hint;
            c.groupIndex = info.groupIndex;
            c.caption = info.caption;
            a = addCommand(m_menu, info.caption, c);
            // Headers are titles, not commands.
            if (info.role == OrderMenuRole::Header)
                a->setEnabled(false);
            break;
        }
        }
        a->setObjectName(QString::fromLatin1(info.name));
        a->setProperty(kTag, info.tag);
        a->setProperty(kHint, info.hint);
        a->setProperty(kGroupIndex, info.groupIndex);
        m_actions[size_t(info.id)] = a;
    }
    OrderMenuPlan nothing;
    applyPlan(nothing);
}

OrderPopupMenu::~OrderPopupMenu()
{
    if (!m_menu->parent())
        delete m_menu;
}

QAction *OrderPopupMenu::addCommand(QMenu *menu, const QString &caption, const OrderMenuCommand &c)
{
    QAction *a = menu->addAction(caption);
    a->setProperty(kRole, int(c.role));
    a->setProperty(kTag, c.tag);
    a->setProperty(kHint, c.hint);
    a->setProperty(kGroupIndex, c.groupIndex);
    connect(a, &QAction::triggered, this, [this, a] { emit commandTriggered(commandOf(a)); });
    return a;
}

OrderMenuCommand OrderPopupMenu::commandOf(const QAction *action)
{
    OrderMenuCommand c;
    if (!action)
        return c;
    const QVariant role = action->property(kRole);
    c.role = role.isValid() ? OrderMenuRole(role.toInt()) : OrderMenuRole::None;
    c.tag = action->property(kTag).toInt();
    c.hint = action->property(kHint).toString();
    c.groupIndex = action->property(kGroupIndex).toInt();
    c.caption = action->text();
    return c;
}

void OrderPopupMenu::setCancelReasons(const QList<OrderCancelReason> &reasons)
{
    for (QMenu *sub : {m_cancel, m_cancelSettlement}) {
        sub->clear();
        const int groupIndex = sub == m_cancelSettlement ? 1 : 0;
        for (const OrderCancelReason &r : reasons) {
            OrderMenuCommand c;
            c.role = OrderMenuRole::StatusChange;
            c.tag = 4002;
            c.hint = r.code;
            c.groupIndex = groupIndex;
            c.caption = r.name;
            addCommand(sub, r.name, c);
        }
    }
}

void OrderPopupMenu::applyPlan(const OrderMenuPlan &plan)
{
    for (int i = 0; i < kOrderMenuItemCount; ++i)
        if (m_actions[size_t(i)])
            m_actions[size_t(i)]->setVisible(plan.visible[size_t(i)]);
    // The two items that are never offered.
    m_actions[size_t(OrderMenuItem::NEtcDvryAnother)]->setVisible(false);
    m_actions[size_t(OrderMenuItem::NEtcDvryShow)]->setVisible(false);
}

void OrderPopupMenu::popup(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}
