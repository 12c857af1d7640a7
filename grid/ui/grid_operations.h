#pragma once

#include <QString>
#include <QVariant>

class QAbstractItemView;
class QWidget;

// Operations every grid screen shares. A record is a row of the grid's data in the order it
// was added (the GridTableModel record, or the row of the model beneath any filter/sort proxy);
// a row is what the view shows.

// Searches the records from fromRecord on for the first shown one whose value in `column`
// contains `text` (case-sensitive), focuses it and returns its index + 1 (where the next search
// starts). An empty (trimmed) text returns fromRecord. Nothing found: message
// "찾는 검색어가 더이상 없습니다." and 0.
int GridFindNext(QAbstractItemView *view, const QString &text, int column, int fromRecord);

// Makes the record the view's current row (scrolled into sight); false when the filter hides it.
bool GridFocusRecord(QAbstractItemView *view, int record, int column = 0);

// Sets `column` of every record, in one update.
void GridSetColumnAll(QAbstractItemView *view, const QVariant &value, int column);
// Sets `column` of every record that passes the grid's filter, in one update.
void GridSetColumnFiltered(QAbstractItemView *view, const QVariant &value, int column);

// Moves the focused record: 1 to the top, 2 one row up, 3 one row down, 4 to the bottom.
// False (and no change) without a focused row, at that end already, or for another mode.
bool GridMoveRecord(QAbstractItemView *view, int mode);

// Scrolls the first grid that is a direct child of container one page down or up.
void GridScrollPage(QWidget *container, bool down);
