#include "grid/courier_grid.h"

#include "records/courier_records.h"
#include "common/daily_log.h"
#include "grid/grid_table_model.h"
#include "text/phone_helpers.h"
#include "records/reference_records.h"

#include <exception>
#include <vector>

namespace
{
// The group in `slot` without its conditions, keeping the join its window chose.
FilterGroup emptiedGroup(const GridTableModel &view, int slot)
{
    FilterGroup group = view.filterGroup(slot);
    group.conditions.clear();
    return group;
}

QVariantList workerValues(const TMyWorker &w)
{
    return QVariantList{
        w.Wkname,
        w.ConnectYN.str(),
        w.BrName,
        FormatPhone(w.WkTel, 0),
        w.Wk3001Cnt + w.Wk3003Cnt,
        QString(),
        w.WkCode,
        w.DataStatus,
        w.ConnectYN.str(),
        w.BrCode,
        w.WkAttendCD,
        w.WkTel.str(),
    };
}
} // namespace

bool proc_LoadWorker(GridTableModel &view)
{
    view.clearRecords();
    view.beginUpdate();
    try {
        std::vector<QVariantList> records;
        records.reserve(size_t(G_MY_WORKER.MyWorkerArray.count()));
        for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
            records.push_back(workerValues(w));
        if (!records.empty())
            view.appendRecords(std::move(records));
    } catch (const std::exception &e) {
        view.endUpdate();
        WriteLog(QStringLiteral("proc_LoadWorker Exception Err ") + QString::fromLocal8Bit(e.what()));
        return false;
    }
    view.endUpdate();
    return true;
}

void SetWorkerFilter(GridTableModel &view, int statusColumn, int attendColumn, int branchColumn,
                     int nameColumn, int phoneColumn, int statusGroup, int attendGroup,
                     int branchGroup, int textGroup, const QString &text)
{
    view.beginUpdate();
    try {
        view.setFilterEnabled(false);
        FilterGroup status = emptiedGroup(view, statusGroup);
        FilterGroup attend = emptiedGroup(view, attendGroup);
        FilterGroup branch = emptiedGroup(view, branchGroup);
        FilterGroup search = emptiedGroup(view, textGroup);

        status.add(FilterCondition::make(statusColumn, FilterOp::Equal, QStringLiteral("1")));
        attend.add(FilterCondition::make(attendColumn, FilterOp::Equal, QStringLiteral("0001")));
        for (const QString &code : G_SL_SEL_BR_CODE)
            branch.add(FilterCondition::make(branchColumn, FilterOp::Equal, code));
        if (!text.isEmpty()) {
            // A plain substring: '%' or '_' typed into the search box are searched for as such.
            search.add(FilterCondition::make(nameColumn, FilterOp::Contains, text));
            search.add(FilterCondition::make(phoneColumn, FilterOp::Contains, text));
        }
        view.setFilterGroup(statusGroup, status);
        view.setFilterGroup(attendGroup, attend);
        view.setFilterGroup(branchGroup, branch);
        view.setFilterGroup(textGroup, search);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("SetWorkerFilter Exception Err ") + QString::fromLocal8Bit(e.what()));
    }
    view.setFilterEnabled(true);
    view.endUpdate();
}
