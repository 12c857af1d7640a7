#include "main/courier_panel.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "reference/reference_state.h"
#include "records/courier_records.h"
#include "text/phone_helpers.h"

#include <algorithm>
#include <exception>
#include <limits>

int G_WK_CNT_BR[7] = {};

void CourierStateButtons::toggled(int b)
{
    if (b < 0 || b >= kCourierStateButtonCount)
        return;
    if (b == btnWorkerAll) {
        for (int i = 1; i < kCourierStateButtonCount; ++i)
            down[i] = down[btnWorkerAll];
        return;
    }
    bool all = true;
    for (int i = 1; i < kCourierStateButtonCount; ++i)
        all = all && down[i];
    down[btnWorkerAll] = all;
}

void CourierBranchChoice::fill(const QStringList &branchNames, const QStringList &branchCodes)
{
    names = QStringList{QStringLiteral("전체")} + branchNames;
    codes = QStringList{QStringLiteral("0")} + branchCodes;
    while (codes.size() < names.size())
        codes.append(QString());
    codes = codes.mid(0, names.size());
    checked = QList<bool>(names.size(), true);
}

void CourierBranchChoice::clicked(int item)
{
    const int n = int(checked.size());
    if (n == 0 || item < 0 || item >= n)
        return;
    if (n == 1) {
        checked[0] = true;
        return;
    }
    if (item == 0) {
        if (checked[0]) {
            checked.fill(true);
        } else {
            checked[1] = true;
            for (int i = 2; i < n; ++i)
                checked[i] = false;
        }
        return;
    }
    bool any = false;
    for (int i = 1; i < n; ++i)
        any = any || checked[i];
    if (!any)
        checked[item] = true;  // at least one branch stays selected
    bool all = true;
    for (int i = 1; i < n; ++i)
        all = all && checked[i];
    checked[0] = all;
}

QStringList CourierBranchChoice::selectedCodes() const
{
    QStringList out;
    for (int i = 0; i < checked.size() && i < codes.size(); ++i)
        if (checked[i] && codes[i] != QLatin1String("0"))
            out.append(codes[i]);
    return out;
}

std::array<QString, kCourierStateButtonCount> CourierCountTexts()
{
    std::array<QString, kCourierStateButtonCount> t;
    const qint64 total = qint64(G_WK_CNT_BR[0]) + G_WK_CNT_BR[1] + G_WK_CNT_BR[2] + G_WK_CNT_BR[3];
    t[btnWorkerAll] = QString::number(total);
    t[btnWorker3001] = QString::number(G_WK_CNT_BR[4]);
    t[btnWorker3003] = QString::number(G_WK_CNT_BR[5]);
    t[btnWorker4001] = QString::number(G_WK_CNT_BR[6]);
    t[btnWorkerWork] = QString::number(G_WK_CNT_BR[2]);
    t[btnWorkerWait] = QString::number(G_WK_CNT_BR[3]);
    t[btnWorkerRest] = QString::number(G_WK_CNT_BR[1]);
    t[btnWorkerOut] = QString::number(G_WK_CNT_BR[0]);
    return t;
}

namespace
{
QList<GridColumn> courierColumns()
{
    const auto text = GridValueType::Text;
    const auto integer = GridValueType::Integer;
    return {
        {QStringLiteral("grdColWorkerBrName"), QStringLiteral("소속 총판명"), text, {}},
        {QStringLiteral("grdColWorkerCode"), QStringLiteral("배송원코드"), text, {}},
        {QStringLiteral("grdColWorkerName"), QStringLiteral("배송원명"), text, {}},
        {QStringLiteral("grdColWorkerTel"), QStringLiteral("연락처"), text, {}},
        {QStringLiteral("grdColWorkerCarNumber"), QStringLiteral("차량번호"), text, {}},
        {QStringLiteral("grdColWorkerConnectYN"), QStringLiteral("접속여부"), text, {}},
        {QStringLiteral("grdColWorkerAttend"), QStringLiteral("근무상태"), text, {}},
        {QStringLiteral("grdColWorker3001"), QStringLiteral("배차"), integer, {}},
        {QStringLiteral("grdColWorker3003"), QStringLiteral("출발"), integer, {}},
        {QStringLiteral("grdColWorker4001"), QStringLiteral("완료"), integer, {}},
        {QStringLiteral("grdColWorkerCashNow"), QStringLiteral("머니"), text, {}},
        {QStringLiteral("grdColWorkerOSTD"), QStringLiteral("미차감머니"), text, {}},
        {QStringLiteral("grdColWorkerPosX"), QStringLiteral("좌표X"), text, {}},
        {QStringLiteral("grdColWorkerPosY"), QStringLiteral("좌표Y"), text, {}},
        {QStringLiteral("grdColWorkerAttendCode"), QString(), text, {}},
        {QStringLiteral("grdColWorkerBrCode"), QStringLiteral("소속총판코드"), text, {}},
        {QStringLiteral("grdColWorkerOrgTel"), QString(), text, {}},
        {QStringLiteral("grdColWorkerDataStatus"), QString(), text, {}},
        {QStringLiteral("grdColWorkeStcode"), QString(), text, {}},
    };
}

QString orZero(const QString &s)
{
    const QString t = s.trimmed();
    return t.isEmpty() ? QStringLiteral("0") : t;
}

FilterCondition cond(int column, FilterOp op, const QVariant &value)
{
    return FilterCondition::make(column, op, value);
}
} // namespace

CourierPanelModel::CourierPanelModel()
{
    m_grid.setColumns(courierColumns());
    m_grid.setKeyColumn(grdColWorkerCode);
}

namespace
{
// The grid values of a courier; the state cell keeps `attendBefore` when the courier is at work
// with neither waiting nor driving given.
QVariantList courierRow(const TMyWorker &w, const QVariant &attendBefore)
{
    QVariantList row(kCourierPanelColumnCount);
    row[grdColWorkerBrName] = w.BrName;
    row[grdColWorkerCode] = w.WkCode;
    row[grdColWorkerName] = w.Wkname;
    row[grdColWorkerTel] = FormatPhone(w.WkTel, 0);
    row[grdColWorkerCarNumber] = QString(w.WKCarNumber);
    row[grdColWorkerConnectYN] = QString(w.ConnectYN);
    const QString attend = w.WkAttendCD.trimmed();
    if (attend == QLatin1String("0001")) {
        if (w.WkAttendWorkWait == 1)
            row[grdColWorkerAttend] = QStringLiteral("대기");
        else if (w.WkAttendWorkWait == 2)
            row[grdColWorkerAttend] = QStringLiteral("운행");
        else
            row[grdColWorkerAttend] = attendBefore;
    } else {
        row[grdColWorkerAttend] = CCB_WA.nameOf(attend);
    }
    row[grdColWorker3001] = w.Wk3001Cnt;
    row[grdColWorker3003] = w.Wk3003Cnt;
    row[grdColWorker4001] = w.Wk4001Cnt;
    row[grdColWorkerCashNow] = orZero(w.WkCash);
    row[grdColWorkerOSTD] = orZero(w.WKCashOSTD);
    row[grdColWorkerPosX] = QString(w.WkLanX);
    row[grdColWorkerPosY] = QString(w.WkLatY);
    row[grdColWorkerAttendCode] = w.WkAttendCD;
    row[grdColWorkerBrCode] = w.BrCode;
    row[grdColWorkerOrgTel] = QString(w.WkTel);
    row[grdColWorkerDataStatus] = w.DataStatus;
    row[grdColWorkeStcode] = w.StCode;
    return row;
}
} // namespace

void CourierPanelModel::writeRow(int record, const TMyWorker &w)
{
    const QVariantList row = courierRow(w, m_grid.recordValue(record, grdColWorkerAttend));
    for (int c = 0; c < row.size(); ++c)
        m_grid.setRecordValue(record, c, row.at(c));
}

bool CourierPanelModel::procUpdateWorkerGrid(bool bClearFlag)
{
    bool inStep = true;
    m_grid.beginUpdate();
    // New couriers are appended in batches; a batch is flushed before a row is looked up by index.
    std::vector<QVariantList> pending;
    auto flush = [&] {
        if (!pending.empty())
            m_grid.appendRecords(std::move(pending));
        pending.clear();
    };
    try {
        if (bClearFlag)
            m_grid.clearRecords();
        auto &list = G_MY_WORKER.MyWorkerArray;
        const int n = int(G_MY_WORKER.MyWorkerWkArray().size());
        for (int i = 0; i < n; ++i) {
            TMyWorker &w = list[i];
            if (w.WKChangeYN == 0)
                continue;
            if (w.WKChangeYN == 2) {
                pending.push_back(courierRow(w, QVariant()));
                w.WKChangeYN = 0;
                continue;
            }
            flush();
            if (i >= m_grid.recordCount() || m_grid.recordValue(i, grdColWorkerCode).toString() != w.WkCode) {
                inStep = false;
                break;
            }
            writeRow(i, w);
            w.WKChangeYN = 0;
        }
        flush();
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("procUpdateWorkerGrid:Err:") + QString::fromUtf8(e.what()));
        m_grid.endUpdate();
        return false;
    }
    m_grid.endUpdate();
    if (!inStep)
        return false;
    procDvryBRSelectWkCount();
    procDvryWkCountDisplay();
    if (!bWorkerFlag)
        applyFilter();
    return true;
}

void CourierPanelModel::procDvryBRSelectAddList()
{
    slDvryBrSelectList = branches.selectedCodes();
}

void CourierPanelModel::procDvryBRSelectWkCount()
{
    for (int &c : G_WK_CNT_BR)
        c = 0;
    const QSet<QString> chosen(slDvryBrSelectList.cbegin(), slDvryBrSelectList.cend());
    if (chosen.isEmpty())
        return;
    // Sums of counts from the server are bounded by int; keep the totals from wrapping anyway.
    auto add = [](int &total, int v) {
        const qint64 s = qint64(total) + v;
        total = int(std::clamp<qint64>(s, 0, std::numeric_limits<int>::max()));
    };
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray) {
        if (!chosen.contains(w.BrCode))
            continue;
        add(G_WK_CNT_BR[4], w.Wk3001Cnt);
        add(G_WK_CNT_BR[5], w.Wk3003Cnt);
        add(G_WK_CNT_BR[6], w.Wk4001Cnt);
        if (w.DataStatus != QLatin1String("1"))
            continue;
        const QString a = w.WkAttendCD.trimmed();
        if (a == QLatin1String("0002"))
            add(G_WK_CNT_BR[0], 1);
        else if (a == QLatin1String("0003"))
            add(G_WK_CNT_BR[1], 1);
        else if (a == QLatin1String("0001"))
            add(G_WK_CNT_BR[(w.Wk3001Cnt > 0 || w.Wk3003Cnt > 0) ? 2 : 3], 1);
    }
}

bool CourierPanelModel::applyFilter()
{
    if (!G_REINIT_DONE)
        return false;
    bWorkerFlag = true;
    const auto &d = buttons.down;
    auto yn = [](bool b) { return b ? QStringLiteral("Y") : QStringLiteral("N"); };
    const QStringList keys = {
        branches.selectedCodes().join(QString()),
        yn(d[btnWorker3001]) + yn(d[btnWorker3003]) + yn(d[btnWorker4001]),
        yn(d[btnWorkerWork]) + yn(d[btnWorkerWait]) + yn(d[btnWorkerRest]) + yn(d[btnWorkerOut]),
        nameText.trimmed(),
        telText.trimmed(),
        carText.trimmed(),
    };
    if (m_filterBuilt && keys == m_filterKeys) {
        bWorkerFlag = false;
        return false;
    }
    m_grid.beginUpdate();
    m_grid.setFilterEnabled(false);
    for (int g = 0; g < 7; ++g)
        m_grid.clearFilterGroup(g);

    const bool allCounts = d[btnWorker3001] && d[btnWorker3003] && d[btnWorker4001];
    const FilterOp countOp = allCounts ? FilterOp::GreaterEqual : FilterOp::Greater;
    FilterGroup counts;
    if (d[btnWorker3001])
        counts.add(cond(grdColWorker3001, countOp, 0));
    if (d[btnWorker3003])
        counts.add(cond(grdColWorker3003, countOp, 0));
    if (d[btnWorker4001])
        counts.add(cond(grdColWorker4001, countOp, 0));

    FilterGroup attend;
    if (d[btnWorkerWork])
        attend.add(cond(grdColWorkerAttend, FilterOp::Equal, QStringLiteral("운행")));
    if (d[btnWorkerWait])
        attend.add(cond(grdColWorkerAttend, FilterOp::Equal, QStringLiteral("대기")));
    if (d[btnWorkerRest])
        attend.add(cond(grdColWorkerAttendCode, FilterOp::Equal, QStringLiteral("0003")));
    if (d[btnWorkerOut])
        attend.add(cond(grdColWorkerAttend, FilterOp::Equal, QStringLiteral("퇴근")));

    // The boxes hold the user's own text: matched as plain text, so '%' and '_' are not wildcards.
    auto textGroup = [](int column, const QString &k) {
        FilterGroup g;
        if (!k.isEmpty())
            g.add(cond(column, FilterOp::Contains, k));
        return g;
    };
    FilterGroup active;
    active.add(cond(grdColWorkerDataStatus, FilterOp::Equal, QStringLiteral("1")));
    FilterGroup branch;
    for (const QString &code : branches.selectedCodes())
        branch.add(cond(grdColWorkerBrCode, FilterOp::Equal, code));

    m_grid.setFilterGroup(0, branch);
    m_grid.setFilterGroup(1, counts);
    m_grid.setFilterGroup(2, attend);
    m_grid.setFilterGroup(3, textGroup(grdColWorkerName, keys[3]));
    m_grid.setFilterGroup(4, textGroup(grdColWorkerOrgTel, keys[4]));
    m_grid.setFilterGroup(5, textGroup(grdColWorkerCarNumber, keys[5]));
    m_grid.setFilterGroup(6, active);

    m_filterKeys = keys;
    m_filterBuilt = true;
    m_grid.setFilterEnabled(true);
    m_grid.endUpdate();
    bWorkerFlag = false;
    return true;
}

QString CourierPanelModel::courierOfRow(int row) const
{
    const int record = m_grid.recordOfRow(row);
    if (record < 0)
        return {};
    return m_grid.recordValue(record, grdColWorkerCode).toString();
}
