#include "grid/ui/grid_layout_view.h"

#include "grid/grid_table_model.h"
#include "settings/settings_file.h"

#include <QHeaderView>

QString HeaderColumnName(const QHeaderView *header, int logical)
{
    const QAbstractItemModel *m = header ? header->model() : nullptr;
    if (!m)
        return {};
    const QVariant name = m->headerData(logical, header->orientation(), GridTableModel::kColumnNameRole);
    if (name.isValid() && !name.toString().isEmpty())
        return name.toString();
    return m->headerData(logical, header->orientation(), Qt::DisplayRole).toString();
}

GridLayout HeaderLayout(const QHeaderView *header)
{
    GridLayout layout;
    if (!header)
        return layout;
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        layout.append(GridLayoutColumn{HeaderColumnName(header, logical),
                                       header->sectionSize(logical),
                                       !header->isSectionHidden(logical)});
    }
    return layout;
}

void ApplyHeaderLayout(QHeaderView *header, const GridLayout &layout)
{
    if (!header)
        return;
    for (int i = 0; i < layout.size() && i < header->count(); ++i) {
        const GridLayoutColumn &c = layout.at(i);
        int logical = -1;
        for (int l = 0; l < header->count() && logical < 0; ++l)
            if (HeaderColumnName(header, l) == c.name)
                logical = l;
        if (logical < 0)
            continue;
        if (header->visualIndex(logical) != i)
            header->moveSection(header->visualIndex(logical), i);
        header->setSectionHidden(logical, !c.visible);
        if (c.visible && c.width >= 0)
            header->resizeSection(logical, c.width);
    }
}

GridLayoutKeeper::GridLayoutKeeper(QHeaderView *header, const QString &section,
                                   const GridLayoutOptions &options, QObject *parent)
    : QObject(parent)
    , m_header(header)
    , m_section(section)
    , m_options(options)
{
    connect(header, &QHeaderView::sectionMoved, this, &GridLayoutKeeper::changed);
    connect(header, &QHeaderView::sectionResized, this, &GridLayoutKeeper::changed);
}

void GridLayoutKeeper::setDefaultWidth(std::function<int(int, const QString &)> fn)
{
    m_defaultWidth = std::move(fn);
}

void GridLayoutKeeper::restore()
{
    if (!G_INI || !m_header)
        return;
    const QList<SavedGridColumn> saved = ReadGridLayout(*G_INI, m_section, m_header->count());
    m_written = SavedAsLayout(saved);
    const GridLayout current = HeaderLayout(m_header);
    const auto keepWidth = [&](int pos, const QString &name) {
        if (m_defaultWidth)
            return m_defaultWidth(pos, name);
        for (const GridLayoutColumn &c : current)
            if (c.name == name)
                return c.width;
        return -1;
    };
    m_applying = true;
    ApplyHeaderLayout(m_header, ApplySavedLayout(current, saved, keepWidth, m_options));
    m_applying = false;
}

bool GridLayoutKeeper::save()
{
    if (!G_INI || !m_header)
        return false;
    const GridLayout now = HeaderLayout(m_header);
    const bool ok = SaveGridLayout(*G_INI, m_section, now, m_options, &m_written);
    if (ok)
        m_written = now;
    return ok;
}

void GridLayoutKeeper::changed()
{
    if (!m_applying)
        save();
}
