#pragma once

#include "devices/call_history.h"

#include <QWidget>

#include <functional>

class QTableWidget;

// The side panel "CID내역": today's calls from the call log, newest last; a double click on a
// row routes that call again.
class CallHistoryPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CallHistoryPanel(QWidget *parent = nullptr);

    QTableWidget *CTV_CID_VIEW = nullptr;
    // Where a re-routed call goes (the program's routing unless set).
    std::function<void(const HEADER &)> route;

    // proc_Load_CidLog: fills the grid from today's log; without a log file the rows stay.
    void proc_Load_CidLog();
    // CTV_CID_VIEWCellDblClick on the focused row.
    void rerouteFocusedRow();
    CallHistoryRow row(int index) const;
};
