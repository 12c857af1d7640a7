#include "grid/grid_layout.h"

#include "settings/settings_file.h"

namespace
{
QString nameKey(int i)
{
    return QStringLiteral("Name_%1").arg(i);
}

QString widthKey(int i)
{
    return QStringLiteral("Width_%1").arg(i);
}

QString visibleKey(int i)
{
    return QStringLiteral("Visible_%1").arg(i);
}
} // namespace

bool SaveGridLayout(TIniFile &ini, const QString &section, const GridLayout &layout,
                    const GridLayoutOptions &options, const GridLayout *previous)
{
    bool ok = true;
    for (int i = 0; i < layout.size(); ++i) {
        const GridLayoutColumn &c = layout.at(i);
        if (options.skipNames.contains(c.name))
            continue;
        if (previous && i < previous->size()) {
            const GridLayoutColumn &p = previous->at(i);
            if (p.name == c.name && p.width == c.width
                && (!options.withVisibility || p.visible == c.visible))
                continue;
        }
        ok &= ini.WriteString(section, nameKey(i), c.name);
        ok &= ini.WriteString(section, widthKey(i), QString::number(c.width));
        if (options.withVisibility)
            ok &= ini.WriteString(section, visibleKey(i), c.visible ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return ok;
}

QList<SavedGridColumn> ReadGridLayout(const TIniFile &ini, const QString &section, int count)
{
    QList<SavedGridColumn> saved;
    if (!ini.SectionExists(section))
        return QList<SavedGridColumn>(qMax(0, count));
    for (int i = 0; i < count; ++i) {
        SavedGridColumn s;
        s.name = ini.ReadString(section, nameKey(i), QString());
        s.width = ini.ReadInteger(section, widthKey(i), -1);
        if (ini.ValueExists(section, visibleKey(i)))
            s.visible = ini.ReadInteger(section, visibleKey(i), 1) != 0 ? 1 : 0;
        saved.append(s);
    }
    return saved;
}

GridLayout ApplySavedLayout(const GridLayout &current, const QList<SavedGridColumn> &saved,
                            const std::function<int(int, const QString &)> &defaultWidth,
                            const GridLayoutOptions &options)
{
    GridLayout layout = current;
    for (int i = 0; i < saved.size() && i < layout.size(); ++i) {
        const SavedGridColumn &s = saved.at(i);
        if (s.name.isEmpty() || options.skipNames.contains(s.name))
            continue;
        int from = -1;
        for (int k = 0; k < layout.size() && from < 0; ++k)
            if (layout.at(k).name == s.name)
                from = k;
        if (from < 0)
            continue;
        layout.move(from, i);
        GridLayoutColumn &c = layout[i];
        c.width = s.width >= 0 ? s.width : (defaultWidth ? defaultWidth(i, s.name) : c.width);
        if (s.visible >= 0)
            c.visible = s.visible == 1;
    }
    return layout;
}

GridLayout SavedAsLayout(const QList<SavedGridColumn> &saved)
{
    GridLayout layout;
    for (const SavedGridColumn &s : saved)
        layout.append(GridLayoutColumn{s.name, s.width, s.visible != 0});
    return layout;
}
