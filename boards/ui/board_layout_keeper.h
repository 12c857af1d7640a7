#pragma once

#include "boards/board_layout.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QHeaderView;

// Keeps the column layout of one order grid in the settings file (G_INI): load() applies what
// the file holds (proc_Load_Grid for this grid) and every move or resize the user makes
// afterwards is written at once (proc_Save_Grid / _Comp / _Store).
class BoardLayoutKeeper : public QObject
{
    Q_OBJECT
public:
    // internal: the grid's always-hidden columns (BoardInternalColumns plus the screen's own).
    BoardLayoutKeeper(QHeaderView *header, BoardLayoutRules rules, QSet<QString> internal = {},
                      QObject *parent = nullptr);

    // The control-screen setting may change between loads.
    void setRules(const BoardLayoutRules &rules) { m_rules = rules; }
    const BoardLayoutRules &rules() const { return m_rules; }

    void load();
    bool save();

    // Called after a column was moved by the user and saved (the live grid refreshes the
    // settings screen's hidden-column list).
    std::function<void()> columnMoved;

private:
    QList<BoardLayoutColumn> currentColumns() const;
    GridLayout currentLayout() const;
    void apply(const GridLayout &layout);
    void sectionResized(int logical, int oldSize, int newSize);
    void sectionMoved();
    int checkLogical() const;

    QPointer<QHeaderView> m_header;
    BoardLayoutRules m_rules;
    QSet<QString> m_internal;
    QHash<QString, int> m_widths; // last width of every column, hidden ones included
    GridLayout m_written;
    bool m_applying = false;
};
