#include "boards/board_layout.h"

#include "records/business_rules.h"
#include "settings/settings_file.h"

#include <QHash>

namespace
{
const QString kLiveCheck = QStringLiteral("CTV_MAIN_CHK");
const QString kCompCheck = QStringLiteral("CTV_MAIN_COMP_CHK");

// A hand-edited width can be anything; keep it on the screen.
int sensibleWidth(int width)
{
    return qBound(0, width, 4000);
}
} // namespace

BoardLayoutRules LiveBoardLayoutRules(const QString &controlScreenType)
{
    return BoardLayoutRules{QStringLiteral("MAIN_GIRD"), kLiveCheck, true, controlScreenType == QLatin1String("1")};
}

BoardLayoutRules CompletedBoardLayoutRules()
{
    return BoardLayoutRules{QStringLiteral("MAIN_GIRD_COMP"), kCompCheck, true, false};
}

BoardLayoutRules PlainBoardLayoutRules(const QString &section)
{
    return BoardLayoutRules{section, QString(), false, false};
}

QSet<QString> BoardInternalColumns(BoardGrid grid)
{
    static const QStringList live = {
        "CTV_MAIN_CASHCANCLE",  "CTV_MAIN_CANCEL_AJ_ABLE", "CTV_MAIN_ORG_ORD_NO",   "CTV_MAIN_CANCEL_DATE",
        "CTV_MAIN_DVRY_SERVICE_TYPE", "CTV_MAIN_BM_ADDR",  "CTV_MAIN_SHARE_GROUP",  "CTV_MAIN_ORD_GRP_CNT",
        "CTV_MAIN_PRE_CTH_YN",  "CTV_MAIN_BTOB_YN",        "CTV_MAIN_AUTO_GRP_YN",  "CTV_MAIN_EXCEL_ADDR",
        "CTV_MAIN_EXCEL_CU_TEL", "CTV_MAIN_EXCEL_CU_NAME", "CTV_MAIN_MANUAL_GRP_YN", "CTV_MAIN_DVRY_LOCK_TIME",
    };
    QSet<QString> out;
    switch (grid) {
    case BoardGrid::Live:
        for (const QString &n : live)
            out.insert(n);
        break;
    case BoardGrid::Completed:
        // The same columns under the completed prefix, less the three the grid lacks; its
        // settlement-cancel column is shown, its pickup-ready type is internal.
        for (const QString &n : live) {
            if (n == QLatin1String("CTV_MAIN_PRE_CTH_YN") || n == QLatin1String("CTV_MAIN_BTOB_YN")
                || n == QLatin1String("CTV_MAIN_AUTO_GRP_YN") || n == QLatin1String("CTV_MAIN_CASHCANCLE"))
                continue;
            out.insert(QStringLiteral("CTV_MAIN_COMP_") + n.mid(9));
        }
        out.insert(QStringLiteral("CTV_MAIN_COMP_PICKUP_READY_TYPE"));
        break;
    case BoardGrid::StoreOrders:
        break;
    }
    return out;
}

QSet<QString> ReadHiddenCaptions(const TIniFile *ini)
{
    QSet<QString> hidden;
    if (!ini)
        return hidden;
    const QString section = QStringLiteral("ORD_COLUMN");
    for (const QString &caption : ini->ReadSection(section))
        if (ini->ReadString(section, caption, QString()) == QLatin1String("0"))
            hidden.insert(caption);
    return hidden;
}

int BoardDesignedWidth(const QString &columnName)
{
    // The columns whose content is longer than their caption: order numbers, addresses, names,
    // goods, memos, telephone numbers and pay texts.
    static const QHash<QString, int> widths = {
        {QStringLiteral("ORD_NO"), 130},      {QStringLiteral("ADDR4"), 300},        {QStringLiteral("SA_ADDR"), 260},
        {QStringLiteral("GOODS_NAME"), 220},  {QStringLiteral("ORD_MEMO"), 200},     {QStringLiteral("ORD_ST_NAME"), 140},
        {QStringLiteral("CTH_ST_NAME"), 140}, {QStringLiteral("ORD_BR_NAME"), 110},  {QStringLiteral("CU_TEL"), 110},
        {QStringLiteral("WK_TEL"), 110},      {QStringLiteral("CTH_ST_TEL"), 110},   {QStringLiteral("CU_050_NUM"), 110},
        {QStringLiteral("WK_NAME"), 80},      {QStringLiteral("CU_NAME"), 80},       {QStringLiteral("PAY_TYPE_CD"), 100},
        {QStringLiteral("ORD_DATE"), 80},     {QStringLiteral("CTH_DATE"), 80},      {QStringLiteral("PICKUP_DATE"), 80},
        {QStringLiteral("END_DATE"), 80},     {QStringLiteral("TAKEOUT_DATE"), 90},  {QStringLiteral("DISTANCE"), 80},
    };
    for (const char *prefix : {"CTV_MAIN_COMP_", "CTV_MAIN_", "CTV_MAINPAY_", "CTV_TAKEOUT_"}) {
        const QLatin1String p(prefix);
        if (columnName.startsWith(p))
            return widths.value(columnName.mid(p.size()), 0);
    }
    return 0;
}

int BoardDefaultWidth(int position, int designedWidth)
{
    if (position >= 0 && position < int(G_DEF_COL_WIDTH.size()))
        return G_DEF_COL_WIDTH[size_t(position)];
    return designedWidth;
}

GridLayout LoadBoardLayout(const TIniFile *ini, const BoardLayoutRules &rules,
                           const QList<BoardLayoutColumn> &current, const QSet<QString> &hiddenCaptions)
{
    GridLayout layout;
    QHash<QString, bool> visibleOf;
    QHash<QString, int> designedWidth;
    for (const BoardLayoutColumn &c : current) {
        bool visible = c.visible;
        if (rules.visibilityPass && c.name != rules.checkColumn)
            visible = !c.internal && !hiddenCaptions.contains(c.caption);
        if (c.internal)
            visible = false;
        visibleOf.insert(c.name, visible);
        designedWidth.insert(c.name, c.width);
        layout.append(GridLayoutColumn{c.name, c.width, visible});
    }

    if (ini) {
        GridLayoutOptions options;
        if (!rules.checkColumn.isEmpty())
            options.skipNames << rules.checkColumn;
        const QList<SavedGridColumn> saved = ReadGridLayout(*ini, rules.section, int(layout.size()));
        layout = ApplySavedLayout(layout, saved,
                                  [&](int position, const QString &name) {
                                      return BoardDefaultWidth(position, designedWidth.value(name));
                                  },
                                  options);
    }
    // Visibility is the loader's, never the file's.
    for (GridLayoutColumn &c : layout) {
        c.visible = visibleOf.value(c.name, c.visible);
        c.width = sensibleWidth(c.width);
    }

    if (!rules.checkColumn.isEmpty()) {
        for (int i = 0; i < layout.size(); ++i) {
            if (layout.at(i).name != rules.checkColumn)
                continue;
            layout.move(i, 0);
            layout[0].width = kBoardCheckColumnWidth;
            layout[0].visible = rules.checkVisible;
            break;
        }
    }
    return layout;
}

bool SaveBoardLayout(TIniFile *ini, const BoardLayoutRules &rules, const GridLayout &layout, const GridLayout *previous)
{
    if (!ini)
        return false;
    GridLayoutOptions options;
    if (!rules.checkColumn.isEmpty())
        options.skipNames << rules.checkColumn;
    return SaveGridLayout(*ini, rules.section, layout, options, previous);
}
