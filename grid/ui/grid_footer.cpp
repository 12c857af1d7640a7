#include "grid/ui/grid_footer.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

GridFooterBar::GridFooterBar(QTableView *table, QWidget *parent)
    : QWidget(parent)
    , m_table(table)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    if (!table)
        return;
    QHeaderView *h = table->horizontalHeader();
    connect(h, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
    connect(h, &QHeaderView::sectionMoved, this, qOverload<>(&QWidget::update));
    connect(h, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void GridFooterBar::setText(int logicalColumn, const QString &text)
{
    if (text.isEmpty())
        m_texts.remove(logicalColumn);
    else
        m_texts.insert(logicalColumn, text);
    update();
}

void GridFooterBar::clearTexts()
{
    m_texts.clear();
    update();
}

QSize GridFooterBar::sizeHint() const
{
    return {100, fontMetrics().height() + 8};
}

void GridFooterBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    if (!m_table)
        return;
    const QHeaderView *h = m_table->horizontalHeader();
    // Cells begin after the table's frame and its row header.
    // The bar sits beside the table, not around it: both are placed through their window.
    QWidget *top = window();
    if (m_table->window() != top)
        return;
    const int origin = m_table->viewport()->mapTo(top, QPoint(0, 0)).x() - mapTo(top, QPoint(0, 0)).x();
    const int viewRight = origin + m_table->viewport()->width();
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(rect().topLeft(), rect().topRight());
    p.setPen(palette().color(QPalette::ButtonText));
    p.setClipRect(QRect(origin, 0, std::max(0, viewRight - origin), height()));
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        const int logical = it.key();
        if (logical < 0 || logical >= h->count() || h->isSectionHidden(logical))
            continue;
        const QRect cell(origin + h->sectionViewportPosition(logical), 0, h->sectionSize(logical), height());
        p.drawText(cell.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignRight, it.value());
    }
}
