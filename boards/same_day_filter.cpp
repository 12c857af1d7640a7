#include "boards/same_day_filter.h"

#include "grid/grid_table_model.h"
#include "records/session_records.h"

namespace
{
// The status and leg buttons the same-day grids filter on, in their order.
QStringList pressedTags(const SameDayFilterBar &bar, bool legs)
{
    QStringList tags;
    if (bar.total)
        return tags;
    const int last = legs ? SameDayFilterBar::kButtons : 8;
    for (int tag = 1; tag <= last; ++tag)
        if (bar.down[size_t(tag)])
            tags.append(QString::number(tag));
    // The logistics grid counts the hidden same-day button instead of the legs.
    if (!legs && bar.all)
        tags.append(QStringLiteral("9"));
    return tags;
}

FilterGroup anyEqual(const GridTableModel &g, const QString &prefix, const QStringList &fields, const QString &value)
{
    FilterGroup group;
    for (const QString &f : fields) {
        const int c = g.columnIndex(prefix + f);
        if (c >= 0)
            group.add(FilterCondition::make(c, FilterOp::Equal, value));
    }
    return group;
}

FilterGroup anyContains(const GridTableModel &g, const QString &prefix, const QStringList &fields,
                        const QString &text)
{
    FilterGroup group;
    group.caseInsensitive = true;
    if (text.isEmpty())
        return group;
    for (const QString &f : fields) {
        const int c = g.columnIndex(prefix + f);
        if (c >= 0)
            group.add(FilterCondition::make(c, FilterOp::Contains, text));
    }
    return group;
}

FilterGroup oneOf(const GridTableModel &g, const QString &column, const QStringList &values)
{
    FilterGroup group;
    const int c = g.columnIndex(column);
    if (c < 0)
        return group;
    for (const QString &v : values)
        group.add(FilterCondition::make(c, FilterOp::Equal, v));
    return group;
}
} // namespace

void SameDayFilterBar::btnSameDayRegClick(int tag, bool isDown)
{
    if (tag < 1 || tag > kButtons)
        return;
    down[size_t(tag)] = isDown;
    if (!isDown) {
        total = false;
        return;
    }
    bool every = true;
    for (int t = 1; t <= kButtons; ++t)
        every = every && down[size_t(t)];
    if (every)
        total = true;
}

void SameDayFilterBar::btnSameDayTotalClick(bool isDown)
{
    total = isDown;
    for (int t = 1; t <= kButtons; ++t)
        down[size_t(t)] = isDown;
}

QString SameDaySearchText(const QString &text, const QString &hint)
{
    const QString t = text.trimmed();
    return t == hint.trimmed() ? QString() : t.left(100);
}

SameDayFilterScope CurrentSameDayFilterScope(const QStringList &branchCodes)
{
    SameDayFilterScope s;
    s.userClass = QString(G_USER_INFO.USER_TYPE_CD).left(1);
    s.br = G_USER_INFO.BR;
    s.stDvryType = G_USER_INFO.ST_DVRY_TYPE_CD;
    s.brSt = G_USER_INFO.BR_ST_CODE;
    s.normal = G_USER_INFO.SAMEDAY_NORMAL_TYPE;
    s.gansun = G_USER_INFO.SAMEDAY_GANSUN_TYPE;
    s.jisun = G_USER_INFO.SAMEDAY_JISUN_TYPE;
    s.searchSameDay = QString(G_USER_SET.SEARCHSAMEDAY) == QLatin1String("Y");
    s.branchCodes = branchCodes;
    return s;
}

bool SameDayFilter::proc_A3Filter(const SameDayFilterBar &bar, const SameDayFilterScope &scope, GridTableModel *today,
                                  GridTableModel *completed)
{
    const QStringList tags = pressedTags(bar, true);
    QStringList kinds;
    if (bar.oneDay)
        kinds << QStringLiteral("1011") << QStringLiteral("1012") << QStringLiteral("1013") << QStringLiteral("1009");
    if (bar.tb)
        kinds << QStringLiteral("1014") << QStringLiteral("1015");
    const QChar sep(0x1F);
    A3Inputs in;
    // The login's own conditions are part of the inputs, so a new login rebuilds the filter.
    in.branches = scope.branchCodes.join(sep) + sep + scope.userClass + sep + scope.br + sep + scope.stDvryType
                  + QString::number(scope.normal) + QString::number(scope.jisun)
                  + (scope.searchSameDay ? u'Y' : u'N');
    in.tags = tags.join(sep);
    in.kinds = kinds.join(sep);
    in.order = SameDaySearchText(bar.order, kSameDayOrderHint);
    in.store = SameDaySearchText(bar.store, kSameDayStoreHint);
    in.worker = SameDaySearchText(bar.worker, kSameDayWorkerHint);
    in.cust = SameDaySearchText(bar.cust, kSameDayCustHint);
    if (m_a3Applied && in == m_a3)
        return false;
    if (today)
        buildA3(*today, QStringLiteral("grdA3Col_"), false, scope, tags, kinds, in);
    if (completed)
        buildA3(*completed, QStringLiteral("grdEndCol_"), true, scope, tags, kinds, in);
    m_a3 = in;
    m_a3Applied = true;
    return true;
}

void SameDayFilter::buildA3(GridTableModel &g, const QString &prefix, bool completed, const SameDayFilterScope &scope,
                            const QStringList &tags, const QStringList &kinds, const A3Inputs &in)
{
    g.beginUpdate();
    g.setFilterEnabled(false);
    for (int s = 0; s < kSlots; ++s)
        g.clearFilterGroup(s);

    FilterGroup list0;
    if (scope.userClass == QLatin1String("7") && scope.searchSameDay) {
        for (const QString &code : scope.branchCodes) {
            list0.conditions += anyEqual(g, prefix, {QStringLiteral("ORD_BR_CODE"), QStringLiteral("CTH_BR_CODE")},
                                         code)
                                    .conditions;
        }
    } else if (scope.userClass == QLatin1String("5") && (scope.jisun == 1 || scope.normal == 1)) {
        list0 = anyEqual(g, prefix,
                         {QStringLiteral("LOC_BR_CODE"), QStringLiteral("ORD_BR_CODE"), QStringLiteral("CTH_BR_CODE"),
                          QStringLiteral("CTH_MNG_BR_CODE")},
                         scope.br);
        list0.conditions += anyEqual(g, prefix, {QStringLiteral("DVRY_TYPE_CD")}, scope.stDvryType).conditions;
        if (scope.normal == 1) {
            const int c = g.columnIndex(prefix + QStringLiteral("DVRY_GRP_TYPE"));
            if (c >= 0)
                list0.add(FilterCondition::make(c, FilterOp::NotEqual, QStringLiteral("2")));
        }
    }
    g.setFilterGroup(0, list0);
    g.setFilterGroup(1, oneOf(g, prefix + QStringLiteral("StaGroup"), tags));
    const QStringList orderFields =
        completed ? QStringList{QStringLiteral("ORD_NO"), QStringLiteral("EA_ADDR_4"), QStringLiteral("EA_ADDR_6"),
                                QStringLiteral("ExtSubCode")}
                  : QStringList{QStringLiteral("ORD_NO"), QStringLiteral("EA_ADDR_6"), QStringLiteral("EA_ADDR_4"),
                                QStringLiteral("ExtSubCode")};
    g.setFilterGroup(2, anyContains(g, prefix, orderFields, in.order));
    g.setFilterGroup(3, anyContains(g, prefix, {QStringLiteral("ORD_ST_NAME")}, in.store));
    g.setFilterGroup(4, anyContains(g, prefix,
                                    {QStringLiteral("CTH_WK_NAME"), QStringLiteral("CTH_WK_TEL"),
                                     QStringLiteral("CTH_SOL_WK_NAME"), QStringLiteral("CTH_SOL_WK_TEL"),
                                     QStringLiteral("CTH_LOGI_WK_NAME"), QStringLiteral("CTH_LOGI_WK_TEL"),
                                     QStringLiteral("CTH_LOC_WK_NAME"), QStringLiteral("CTH_LOC_WK_TEL")},
                                    in.worker));
    g.setFilterGroup(5, anyContains(g, prefix, {QStringLiteral("ORD_CU_NAME")}, in.cust));
    g.setFilterGroup(6, oneOf(g, prefix + QStringLiteral("ORD_TYPE_CD"), kinds));
    g.setFilterEnabled(true);
    g.endUpdate();
}

bool SameDayFilter::proc_HUBFilter(const SameDayFilterBar &bar, const SameDayFilterScope &scope, GridTableModel *hub)
{
    const QChar sep(0x1F);
    const QStringList tags = pressedTags(bar, false);
    HubInputs in;
    in.scope = scope.gansun == 1 ? scope.brSt : QString();
    in.tags = tags.join(sep);
    in.order = SameDaySearchText(bar.order, kSameDayOrderHint);
    in.worker = SameDaySearchText(bar.worker, kSameDayWorkerHint);
    // Only a distributor's legs carry an in/out mark (its own hub is their start or end); for
    // any other login the boxes would hide every leg, so they set no condition there.
    if (scope.userClass == QLatin1String("5"))
        in.inout = (bar.in ? kSameDayIn : QString()) + (bar.out ? kSameDayOut : QString());
    if (m_hubApplied && in == m_hub)
        return false;
    if (hub) {
        GridTableModel &g = *hub;
        const QString prefix = QStringLiteral("grdHUBCol_");
        g.beginUpdate();
        g.setFilterEnabled(false);
        for (int s = 0; s < kSlots; ++s)
            g.clearFilterGroup(s);
        if (scope.gansun == 1)
            g.setFilterGroup(0, anyEqual(g, prefix, {QStringLiteral("SA_CODE"), QStringLiteral("EA_CODE")}, scope.brSt));
        g.setFilterGroup(1, oneOf(g, prefix + QStringLiteral("StaGroup"), tags));
        g.setFilterGroup(2, anyContains(g, prefix, {QStringLiteral("ORD_NO"), QStringLiteral("EA_NAME")}, in.order));
        g.setFilterGroup(4, anyContains(g, prefix, {QStringLiteral("CTH_WK_NAME"), QStringLiteral("CTH_WK_TEL")},
                                        in.worker));
        // Both boxes or neither: no in/out condition.
        if (in.inout == kSameDayIn || in.inout == kSameDayOut)
            g.setFilterGroup(5, anyContains(g, prefix, {QStringLiteral("inout")}, in.inout));
        g.setFilterEnabled(true);
        g.endUpdate();
    }
    m_hub = in;
    m_hubApplied = true;
    return true;
}
