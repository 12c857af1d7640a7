#pragma once

#include "boards/board_drawing.h"

#include <QHash>
#include <QStyledItemDelegate>

#include <functional>

class GridTableModel;

// Paints the rows of an order grid in the colours of their status (BoardRowLook), draws the
// check-box column as a check box and gives memo cells their own text as hint. It works on a
// view whose model is the grid's GridTableModel or a proxy of it.
class BoardDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // colours: read at every paint, so a colour chosen by the user shows at the next repaint.
    // now: Unix seconds (the program's clock by default).
    BoardDelegate(BoardGrid grid, GridTableModel *model, std::function<BoardColours()> colours,
                  QObject *parent = nullptr);

    void setClock(std::function<qint64()> nowSecs) { m_now = std::move(nowSecs); }

    // The look the delegate gives the row of a view index (the painting uses the same).
    BoardCellLook lookOf(const QModelIndex &index, bool selected) const;

    // The text the cell shows (after lookups and number formats).
    QString shownText(const QModelIndex &index) const;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int recordOf(const QModelIndex &index) const;

    BoardGrid m_grid;
    GridTableModel *m_model;
    std::function<BoardColours()> m_colours;
    std::function<qint64()> m_now;
    // Where the look columns are; resolved again when the model's columns change.
    mutable BoardLookIndexes m_indexes;
    mutable bool m_indexesValid = false;
    // Display formats of the number columns by column name (filled on first use).
    QString formatOf(const QModelIndex &index) const;
    mutable QHash<QString, QString> m_formats;
};

// Installs a BoardDelegate on the view; returns it (owned by the view).
class QAbstractItemView;
BoardDelegate *InstallBoardDelegate(QAbstractItemView *view, BoardGrid grid, GridTableModel *model,
                                    std::function<BoardColours()> colours);
