#pragma once

#include <QHeaderView>
#include <QList>
#include <QRect>
#include <QStringList>

// A horizontal grid header with bands: rows of captions above the column captions, each band
// spanning the neighbouring columns that share it. A column names its bands top down as a path
// ({"배달대행료", "세금계산서"}); neighbouring columns (in display order, hidden ones skipped) whose
// paths agree up to a level share that level's band. A column with a shorter path than the deepest
// one has its own caption reach up over the levels it has no band for. Captions may break lines
// with "\n".
//
// Clicks on a band emit bandClicked(); clicks on a column caption keep QHeaderView's own
// sectionClicked(). A band can show a sort mark at the right of its caption.
class BandedHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit BandedHeaderView(QWidget *parent = nullptr);

    // The bands of a column, top down; an empty path puts the column under no band.
    void setBandPath(int logical, const QStringList &path);
    QStringList bandPath(int logical) const;
    // Number of band rows (the longest path).
    int bandLevels() const;

    // One band as the header draws it: its level, its path (up to and including its caption),
    // the columns it spans in display order and its place in the header's viewport.
    struct Band
    {
        int level = 0;
        QStringList path;
        QList<int> logicalColumns;
        QRect rect;
    };
    // Every band of the shown columns, level by level, left to right.
    QList<Band> bands() const;
    // The band at a point of the viewport; level -1 when there is none.
    Band bandAt(const QPoint &pos) const;

    // The sort mark on a band (path as in Band::path); an empty path clears it.
    void setBandSortIndicator(const QStringList &path, Qt::SortOrder order);
    QStringList bandSortPath() const { return m_sortPath; }
    Qt::SortOrder bandSortOrder() const { return m_sortOrder; }

    QSize sizeHint() const override;

signals:
    // A band was clicked; firstLogical is its first shown column in display order.
    void bandClicked(const QStringList &path, int firstLogical);

protected:
    void paintEvent(QPaintEvent *e) override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    int rowHeight() const;
    int lineCount(const QString &text) const;
    // Top of a column's own caption: below the bands its path has.
    int captionTop(int logical) const;
    bool inBandArea(const QPoint &pos) const;
    void paintBand(QPainter *painter, const Band &band) const;

    QList<QStringList> m_paths; // by logical column
    QStringList m_sortPath;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QStringList m_pressedBand;
    bool m_pressedInBands = false;
};
