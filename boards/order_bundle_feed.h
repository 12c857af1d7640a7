#pragma once

#include "orders/order_seams.h"

#include <QStringList>

class OrderBundle;

// Puts the bundle form into the live-order dispatch: a board sink that passes everything on to the
// board's own sink and, while the form is open, tells the form what the batch did to the live
// board (an order arrived or changed, left the board, the board was emptied) and which orders
// reached the completed board.
//
// Binding: engine.setBoardSink(&feed) with feed = OrderBundleFeed(&boardSink, &window.bundle()).
class OrderBundleFeed : public IBoardSink
{
public:
    OrderBundleFeed(IBoardSink *next, OrderBundle *bundle) : m_next(next), m_bundle(bundle) {}

    void beginUpdate(OrderBoard board) override;
    void endUpdate(OrderBoard board) override;
    void boardReset(OrderBoard board) override;
    void rowInserted(OrderBoard board, int row, const TA1ORDER &order) override;
    void rowChanged(OrderBoard board, int row, const TA1ORDER &order) override;
    void rowRemoved(OrderBoard board, int row) override;
    void batchApplied() override;

private:
    IBoardSink *m_next;
    OrderBundle *m_bundle;
    QStringList m_liveRows;  // order number of every live board row, in row order
};
