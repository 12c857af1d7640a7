#include "boards/order_bundle_feed.h"

#include "boards/order_bundle.h"

void OrderBundleFeed::beginUpdate(OrderBoard board)
{
    if (m_next)
        m_next->beginUpdate(board);
}

void OrderBundleFeed::endUpdate(OrderBoard board)
{
    if (m_next)
        m_next->endUpdate(board);
}

void OrderBundleFeed::boardReset(OrderBoard board)
{
    if (board == OrderBoard::Live) {
        m_liveRows.clear();
        if (m_bundle)
            m_bundle->boardReset();
    }
    if (m_next)
        m_next->boardReset(board);
}

void OrderBundleFeed::rowInserted(OrderBoard board, int row, const TA1ORDER &order)
{
    if (board == OrderBoard::Live) {
        m_liveRows.insert(qBound(0, row, int(m_liveRows.size())), order.ORD_NO().toString());
        if (m_bundle)
            m_bundle->orderChanged(order);
    } else if (m_bundle) {
        m_bundle->orderFinished(order.ORD_NO().toString());
    }
    if (m_next)
        m_next->rowInserted(board, row, order);
}

void OrderBundleFeed::rowChanged(OrderBoard board, int row, const TA1ORDER &order)
{
    if (board == OrderBoard::Live) {
        if (row >= 0 && row < m_liveRows.size())
            m_liveRows[row] = order.ORD_NO().toString();
        if (m_bundle)
            m_bundle->orderChanged(order);
    } else if (m_bundle) {
        m_bundle->orderFinished(order.ORD_NO().toString());
    }
    if (m_next)
        m_next->rowChanged(board, row, order);
}

void OrderBundleFeed::rowRemoved(OrderBoard board, int row)
{
    if (board == OrderBoard::Live && row >= 0 && row < m_liveRows.size()) {
        const QString no = m_liveRows.takeAt(row);
        if (m_bundle)
            m_bundle->orderDeleted(no);
    }
    if (m_next)
        m_next->rowRemoved(board, row);
}

void OrderBundleFeed::batchApplied()
{
    if (m_next)
        m_next->batchApplied();
}
