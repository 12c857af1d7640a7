#pragma once

#include "grid/grid_layout.h"

#include <QHeaderView>
#include <QObject>
#include <QPointer>

#include <functional>

// The name of a header section: GridTableModel's column name, else the caption.
QString HeaderColumnName(const QHeaderView *header, int logical);
// Columns of a header in display order.
GridLayout HeaderLayout(const QHeaderView *header);
// Puts the header's sections in the layout's order, widths and visibility; names the header
// does not have are skipped.
void ApplyHeaderLayout(QHeaderView *header, const GridLayout &layout);

// Keeps a grid's layout in a section of the settings file (G_INI): restore() applies what the
// section holds, and every move or resize of a column afterwards is written at once.
class GridLayoutKeeper : public QObject
{
    Q_OBJECT
public:
    GridLayoutKeeper(QHeaderView *header, const QString &section,
                     const GridLayoutOptions &options = {}, QObject *parent = nullptr);

    // Width for a position whose stored width is missing or not a number; by default the
    // column keeps the width it has.
    void setDefaultWidth(std::function<int(int position, const QString &name)> fn);

    void restore();
    bool save();

private:
    void changed();

    QPointer<QHeaderView> m_header; // the grid may go first; restore() and save() then do nothing
    QString m_section;
    GridLayoutOptions m_options;
    std::function<int(int, const QString &)> m_defaultWidth;
    GridLayout m_written; // what the section holds, to write only what changed
    bool m_applying = false;
};
