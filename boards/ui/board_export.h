#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class QTableView;

// The tab of the today's-orders screen whose board the export button writes.
enum class BoardExportTab
{
    LiveOrCompleted, // the live and the completed board, one workbook each
    StoreOrders,     // "매장주문"
    SameDay,         // "당일 배송 현황"
    SameDayCompleted,// "당일 완료 현황": not offered yet
    Logistics,       // "물류 배송 현황"
};

struct BoardExportViews
{
    QTableView *live = nullptr;      // cxGrid1
    QTableView *completed = nullptr; // cxGrid2
    QTableView *store = nullptr;     // cxGrid3
    QTableView *sameDay = nullptr;   // grdA3Day
    QTableView *logistics = nullptr; // grdHUBDay
};

struct BoardExportHooks
{
    // The save dialog: the chosen file, or empty when the user cancelled. An empty proposed name
    // keeps the dialog's last one. By default a file dialog over the active window.
    std::function<QString(const QString &proposedName)> chooseFile;
    // A message for the user ("준비중입니다"); the message box by default.
    std::function<void(const QString &text)> message;
};

// Columns that carry customer contact data, swapped out for their spreadsheet copies while the
// live and completed boards are exported.
const QStringList &BoardContactColumns();
const QStringList &BoardSpreadsheetCopyColumns();

// Proposed file names for a business date.
QString LiveExportFileName(const QDate &businessDate);
QString CompletedExportFileName(const QDate &businessDate);
QString StoreOrdersExportFileName(const QDate &businessDate);

// btnOrdExcelSaveClick: writes the board of the tab into .xlsx workbooks (the rows each view
// shows, its shown columns in display order) and opens each written file. For the live and
// completed boards the address and telephone columns are replaced by their spreadsheet copies
// while the dialogs are open, and put back as they were afterwards. Returns the files written.
QStringList ExportBoards(BoardExportTab tab, const BoardExportViews &views, const QDate &businessDate,
                         const BoardExportHooks &hooks = {});
