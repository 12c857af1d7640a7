#include "grid/ui/banded_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include <algorithm>

namespace
{
constexpr int kBandPadding = 8; // vertical room around a caption's lines
} // namespace

BandedHeaderView::BandedHeaderView(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setDefaultAlignment(Qt::AlignCenter);
    // As a table's own header: captions can be clicked (sorting, the screens' own handlers).
    setSectionsClickable(true);
    // A band spans many sections: any change of one of them moves the band's edges.
    connect(this, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
    connect(this, &QHeaderView::sectionMoved, viewport(), qOverload<>(&QWidget::update));
    connect(this, &QHeaderView::geometriesChanged, viewport(), qOverload<>(&QWidget::update));
}

void BandedHeaderView::setBandPath(int logical, const QStringList &path)
{
    if (logical < 0)
        return;
    if (m_paths.size() <= logical)
        m_paths.resize(logical + 1);
    m_paths[logical] = path;
    // The height changes with the number of band rows: the view lays itself out again.
    emit geometriesChanged();
    viewport()->update();
}

QStringList BandedHeaderView::bandPath(int logical) const
{
    return logical >= 0 && logical < m_paths.size() ? m_paths.at(logical) : QStringList();
}

int BandedHeaderView::bandLevels() const
{
    int levels = 0;
    for (const QStringList &p : m_paths)
        levels = std::max(levels, int(p.size()));
    return levels;
}

int BandedHeaderView::lineCount(const QString &text) const
{
    return int(text.count(QLatin1Char('\n'))) + 1;
}

int BandedHeaderView::rowHeight() const
{
    return fontMetrics().height() + kBandPadding;
}

QList<BandedHeaderView::Band> BandedHeaderView::bands() const
{
    QList<Band> out;
    const int levels = bandLevels();
    int top = 0;
    for (int level = 0; level < levels; ++level) {
        int lines = 1;
        const int levelStart = int(out.size());
        Band current;
        current.level = -1;
        auto close = [&] {
            if (current.level < 0)
                return;
            const int first = current.logicalColumns.first();
            const int last = current.logicalColumns.last();
            const int x = sectionViewportPosition(first);
            const int right = sectionViewportPosition(last) + sectionSize(last);
            current.rect = QRect(x, top, right - x, 0);
            lines = std::max(lines, lineCount(current.path.last()));
            out.append(current);
            current = Band();
            current.level = -1;
        };
        for (int visual = 0; visual < count(); ++visual) {
            const int logical = logicalIndex(visual);
            if (logical < 0 || isSectionHidden(logical))
                continue;
            const QStringList path = bandPath(logical);
            if (path.size() <= level) {
                close();
                continue;
            }
            const QStringList prefix = path.mid(0, level + 1);
            if (current.level >= 0 && current.path == prefix) {
                current.logicalColumns.append(logical);
                continue;
            }
            close();
            current.level = level;
            current.path = prefix;
            current.logicalColumns = {logical};
        }
        close();
        const int height = lines * fontMetrics().height() + kBandPadding;
        for (int i = levelStart; i < out.size(); ++i)
            out[i].rect.setHeight(height);
        top += height;
    }
    return out;
}

BandedHeaderView::Band BandedHeaderView::bandAt(const QPoint &pos) const
{
    for (const Band &b : bands())
        if (b.rect.contains(pos))
            return b;
    Band none;
    none.level = -1;
    return none;
}

int BandedHeaderView::captionTop(int logical) const
{
    const int depth = int(bandPath(logical).size());
    if (depth == 0)
        return 0;
    int top = 0;
    for (const Band &b : bands())
        if (b.level == depth - 1 && b.logicalColumns.contains(logical))
            top = b.rect.bottom() + 1;
    return top;
}

bool BandedHeaderView::inBandArea(const QPoint &pos) const
{
    return bandAt(pos).level >= 0;
}

void BandedHeaderView::setBandSortIndicator(const QStringList &path, Qt::SortOrder order)
{
    m_sortPath = path;
    m_sortOrder = order;
    viewport()->update();
}

QSize BandedHeaderView::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    int captionLines = 1;
    for (int logical = 0; logical < count(); ++logical) {
        if (!model() || isSectionHidden(logical))
            continue;
        captionLines = std::max(captionLines,
                                lineCount(model()->headerData(logical, Qt::Horizontal).toString()));
    }
    int bandHeight = 0;
    const QList<Band> all = bands();
    for (int level = 0; level < bandLevels(); ++level) {
        int h = rowHeight();
        for (const Band &b : all)
            if (b.level == level)
                h = b.rect.height();
        bandHeight += h;
    }
    s.setHeight(std::max(s.height(), bandHeight + captionLines * fontMetrics().height() + kBandPadding));
    return s;
}

void BandedHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect.adjusted(0, captionTop(logicalIndex), 0, 0), logicalIndex);
}

void BandedHeaderView::paintBand(QPainter *painter, const Band &band) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = band.rect;
    opt.section = band.logicalColumns.first();
    opt.text = band.path.last();
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    opt.state |= QStyle::State_Raised;
    if (isEnabled())
        opt.state |= QStyle::State_Enabled;
    if (!m_sortPath.isEmpty() && band.path == m_sortPath)
        opt.sortIndicator = m_sortOrder == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                              : QStyleOptionHeader::SortUp;
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
}

void BandedHeaderView::paintEvent(QPaintEvent *e)
{
    QHeaderView::paintEvent(e);
    QPainter painter(viewport());
    for (const Band &b : bands())
        if (b.rect.intersects(viewport()->rect()))
            paintBand(&painter, b);
}

void BandedHeaderView::mousePressEvent(QMouseEvent *e)
{
    const Band band = bandAt(e->position().toPoint());
    m_pressedInBands = band.level >= 0;
    if (m_pressedInBands) {
        m_pressedBand = band.path;
        e->accept();
        return;
    }
    QHeaderView::mousePressEvent(e);
}

void BandedHeaderView::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_pressedInBands) {
        m_pressedInBands = false;
        const Band band = bandAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && band.level >= 0 && band.path == m_pressedBand)
            emit bandClicked(band.path, band.logicalColumns.first());
        m_pressedBand.clear();
        e->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(e);
}

void BandedHeaderView::mouseMoveEvent(QMouseEvent *e)
{
    if (m_pressedInBands) {
        e->accept();
        return;
    }
    QHeaderView::mouseMoveEvent(e);
}

void BandedHeaderView::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (inBandArea(e->position().toPoint())) {
        e->accept();
        return;
    }
    QHeaderView::mouseDoubleClickEvent(e);
}
