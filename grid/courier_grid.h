#pragma once

#include <QString>

class GridTableModel;

// Number of values each courier gets in a courier pick grid.
constexpr int kWorkerGridColumns = 12;

// Fills a courier pick grid from G_MY_WORKER, one record per courier in list order, by column
// index: 0 name, 1 connection state, 2 branch name, 3 telephone formatted, 4 assigned plus
// departed orders, 5 empty, 6 courier code, 7 status, 8 connection state, 9 branch code,
// 10 attendance, 11 telephone as stored. False (and a log line) when filling fails.
bool proc_LoadWorker(GridTableModel &view);

// Rebuilds the courier grid's filter: status "1" in statusGroup, attendance "0001" (at work) in
// attendGroup, one condition per ticked branch of G_SL_SEL_BR_CODE in branchGroup, and, when
// `text` is not empty, the name and the telephone containing it in textGroup. The groups are
// slots of the grid's filter; how each joins its conditions (and, or) stays as its window set it.
void SetWorkerFilter(GridTableModel &view, int statusColumn, int attendColumn, int branchColumn,
                     int nameColumn, int phoneColumn, int statusGroup, int attendGroup,
                     int branchGroup, int textGroup, const QString &text);
