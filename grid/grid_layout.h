#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TIniFile;

// A grid's column layout as the user arranged it, kept in a settings-file section:
// "Name_" + i holds the name of the column at display position i (from 0) and "Width_" + i its
// width in pixels; "Visible_" + i ("1"/"0") is written only for grids that keep visibility
// themselves (the boards take it from elsewhere). Every change is written at once.

struct GridLayoutColumn
{
    QString name;
    int width = 0;
    bool visible = true;
    bool operator==(const GridLayoutColumn &) const = default;
};

// Columns in display order.
using GridLayout = QList<GridLayoutColumn>;

struct SavedGridColumn
{
    QString name;      // empty when the position has no key
    int width = -1;    // -1 when missing or not a number
    int visible = -1;  // -1 when not stored, else 0 / 1
};

struct GridLayoutOptions
{
    // Columns the grid places itself (check-box columns): no keys at their position.
    QStringList skipNames;
    bool withVisibility = false;
};

// Writes every position of the layout; keys of positions past its end are left as they are.
// With `previous` (what the section holds), only positions that differ from it are written, so a
// column dragged wider costs one key instead of a rewrite of every position.
// False when the file could not be written.
bool SaveGridLayout(TIniFile &ini, const QString &section, const GridLayout &layout,
                    const GridLayoutOptions &options = {}, const GridLayout *previous = nullptr);

// The section's content as a layout to compare against (missing widths as -1).
GridLayout SavedAsLayout(const QList<SavedGridColumn> &saved);

// Reads positions 0 .. count - 1 of a section.
QList<SavedGridColumn> ReadGridLayout(const TIniFile &ini, const QString &section, int count);

// Applies saved positions to a grid's current layout: for each position i with a saved name
// (not empty, not skipped), the first column of that name moves to position i and takes the
// saved width, or defaultWidth(i, name) when the stored width is missing or not a number.
// Saved visibility is applied when stored. Names that match no column are skipped.
GridLayout ApplySavedLayout(const GridLayout &current, const QList<SavedGridColumn> &saved,
                            const std::function<int(int position, const QString &name)> &defaultWidth,
                            const GridLayoutOptions &options = {});
