#include "boards/ui/board_layout_keeper.h"

#include "grid/ui/grid_layout_view.h"
#include "settings/settings_file.h"

#include <QHeaderView>

BoardLayoutKeeper::BoardLayoutKeeper(QHeaderView *header, BoardLayoutRules rules, QSet<QString> internal,
                                     QObject *parent)
    : QObject(parent ? parent : header)
    , m_header(header)
    , m_rules(std::move(rules))
    , m_internal(std::move(internal))
{
    connect(header, &QHeaderView::sectionMoved, this, &BoardLayoutKeeper::sectionMoved);
    connect(header, &QHeaderView::sectionResized, this, &BoardLayoutKeeper::sectionResized);
}

QList<BoardLayoutColumn> BoardLayoutKeeper::currentColumns() const
{
    QList<BoardLayoutColumn> columns;
    const QAbstractItemModel *m = m_header->model();
    for (int v = 0; v < m_header->count(); ++v) {
        const int logical = m_header->logicalIndex(v);
        BoardLayoutColumn c;
        c.name = HeaderColumnName(m_header, logical);
        c.caption = m ? m->headerData(logical, m_header->orientation(), Qt::DisplayRole).toString() : QString();
        c.visible = !m_header->isSectionHidden(logical);
        c.width = c.visible ? m_header->sectionSize(logical) : m_widths.value(c.name, m_header->defaultSectionSize());
        c.internal = m_internal.contains(c.name);
        columns.append(c);
    }
    return columns;
}

GridLayout BoardLayoutKeeper::currentLayout() const
{
    GridLayout layout;
    for (const BoardLayoutColumn &c : currentColumns())
        layout.append(GridLayoutColumn{c.name, c.width, c.visible});
    return layout;
}

void BoardLayoutKeeper::apply(const GridLayout &layout)
{
    for (int i = 0; i < layout.size() && i < m_header->count(); ++i) {
        const GridLayoutColumn &c = layout.at(i);
        int logical = -1;
        for (int l = 0; l < m_header->count() && logical < 0; ++l)
            if (HeaderColumnName(m_header, l) == c.name)
                logical = l;
        if (logical < 0)
            continue;
        if (m_header->visualIndex(logical) != i)
            m_header->moveSection(m_header->visualIndex(logical), i);
        // A hidden section keeps the size it is given for the moment it is shown again.
        m_header->resizeSection(logical, c.width);
        m_header->setSectionHidden(logical, !c.visible);
        m_widths.insert(c.name, c.width);
    }
}

void BoardLayoutKeeper::load()
{
    if (!m_header)
        return;
    const GridLayout layout = LoadBoardLayout(G_INI, m_rules, currentColumns(), ReadHiddenCaptions(G_INI));
    m_applying = true;
    apply(layout);
    // The check-box column is the loader's: the user neither sizes nor moves it.
    const int check = checkLogical();
    if (check >= 0)
        m_header->setSectionResizeMode(check, QHeaderView::Fixed);
    m_applying = false;
    m_written.clear();
    if (G_INI) {
        const QList<SavedGridColumn> saved = ReadGridLayout(*G_INI, m_rules.section, m_header->count());
        m_written = SavedAsLayout(saved);
    }
}

bool BoardLayoutKeeper::save()
{
    if (!m_header || !G_INI)
        return false;
    const GridLayout now = currentLayout();
    const bool ok = SaveBoardLayout(G_INI, m_rules, now, &m_written);
    if (ok)
        m_written = now;
    return ok;
}

void BoardLayoutKeeper::sectionResized(int logical, int, int newSize)
{
    if (!m_header || m_applying)
        return;
    // Hiding a section reports it 0 wide; its width stays what it was.
    if (!m_header->isSectionHidden(logical) && newSize > 0)
        m_widths.insert(HeaderColumnName(m_header, logical), newSize);
    save();
}

int BoardLayoutKeeper::checkLogical() const
{
    if (!m_header || m_rules.checkColumn.isEmpty())
        return -1;
    for (int l = 0; l < m_header->count(); ++l)
        if (HeaderColumnName(m_header, l) == m_rules.checkColumn)
            return l;
    return -1;
}

void BoardLayoutKeeper::sectionMoved()
{
    if (m_applying)
        return;
    const int check = checkLogical();
    if (check >= 0 && m_header->visualIndex(check) != 0) {
        m_applying = true;
        m_header->moveSection(m_header->visualIndex(check), 0);
        m_applying = false;
    }
    save();
    if (columnMoved)
        columnMoved();
}
