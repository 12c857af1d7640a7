#pragma once

#include "orders/order_list.h"
#include "boards/order_menu_plan.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One row of the bundle form: an order as it was when the row was last filled, and its tick.
struct BundleRow
{
    QString ordNo;
    bool checked = false;
    TA1ORDER order;
};

// What the bundle form needs from outside. Empty members: the shared connection, the program's
// message box and log; nothing for the others.
struct OrderBundleHooks
{
    std::function<QString(const QString &code, const QString &callType, const QString &val)> request;
    std::function<int(const QString &text, const QString &kind)> msgBox;
    std::function<void(const QString &line)> log;
    std::function<void()> reloadLiveOrders;  // proc_Load_Order
    std::function<void()> closed;            // the form closed itself (the window hides)
    std::function<void()> changed;           // rows or edits changed (the window refreshes)
};

// The bundle form: the members of one bundle (upper grid) and the waiting delivery requests that
// may join it (lower grid). Every change is one request to the server; the order thread keeps the
// rows current while the form is open. The form can close itself in the middle of any step (a
// member's status changed, too few members left); from then on nothing touches its rows.
class OrderBundle
{
public:
    explicit OrderBundle(OrderBundleHooks hooks = {});

    // nOrdBundleClick: opens the form for the popup order. live is the live board's order list,
    // mapOrders the control screens' waiting orders. False when the form did not open.
    bool open(const OrderPopupFields &popup, const TA1Orders &live, const TA1Orders &mapOrders);
    bool isOpen() const { return m_open; }  // G_BUNDLE_OPEN
    void close();

    // The form's hidden edits.
    QString edtGrpNo;
    QString edtOrdNo;
    QString edtDvryTypeCd;
    QString edtStLatY;
    QString edtStLngX;

    const QList<BundleRow> &members() const { return m_members; }
    const QList<BundleRow> &candidates() const { return m_candidates; }
    QStringList FGrpOrdNo() const;
    QStringList FOrdBundleOrdNo() const;
    // procFilter: the candidate rows shown (manual bundling allowed, requested, in no bundle).
    QList<int> shownCandidates() const;
    static bool candidateShown(const BundleRow &row);

    // Ticks.
    bool allChecked() const { return m_allChecked; }
    void setAllChecked(bool on);
    void toggleMember(int row);
    void toggleCandidate(int row);

    // "추가": ticked candidates join the bundle one by one from the bottom; "삭제": ticked members
    // leave it; "전체삭제": the bundle is dissolved.
    void add(const TA1Orders &mapOrders);
    void remove(const TA1Orders &mapOrders);
    void dissolve();
    // One bundle request: kind 0 new bundle (ordNo joins the members), 1 add, 2 remove, 3 dissolve.
    bool funcOrdBundle(int kind, const QString &ordNo);

    // The order thread, while the form is open: a live order changed or arrived, an order
    // finished (completed or cancelled), an order left the board, the board was emptied.
    void orderChanged(const TA1ORDER &order);
    void orderFinished(const QString &ordNo);
    void orderDeleted(const QString &ordNo);
    void boardReset();

private:
    enum class Grid
    {
        Members,
        Candidates,
    };
    // proc_SetA1Order for a row (appended when the number is new); false when the fill closed the
    // form.
    bool fill(Grid grid, const TA1ORDER &order);
    int indexOf(Grid grid, const QString &no) const;
    void removeFrom(Grid grid, const QString &no);
    void changed();
    int box(const QString &text, const QString &kind) const;
    void log(const QString &line) const;
    void reload() const;
    void makeBase(const BundleRow &row);

    OrderBundleHooks m_hooks;
    bool m_open = false;
    bool m_allChecked = false;
    QList<BundleRow> m_members;
    QList<BundleRow> m_candidates;
};

// The visible texts of a bundle row: store, pickup-ready, cooking minutes, minutes since the
// request, destination, distance, delivery fee.
QStringList BundleRowTexts(const TA1ORDER &order, const QDateTime &now);
