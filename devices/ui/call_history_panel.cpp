#include "devices/ui/call_history_panel.h"

#include "devices/call_routing.h"
#include "platform/clock.h"
#include "records/device_records.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
enum HistoryColumn { hcTime, hcCaller, hcMainLine, hcReceived, hcLine, hcCount };
}

CallHistoryPanel::CallHistoryPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CallHistoryPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    CTV_CID_VIEW = new QTableWidget(0, hcCount, this);
    CTV_CID_VIEW->setObjectName(QStringLiteral("CTV_CID_VIEW"));
    CTV_CID_VIEW->setHorizontalHeaderLabels({QStringLiteral("수신시간"), QStringLiteral("발신자번호"),
                                             QStringLiteral("수신번호"), QStringLiteral("수신여부"),
                                             QStringLiteral("PRI_NUM")});
    CTV_CID_VIEW->setColumnHidden(hcReceived, true);
    CTV_CID_VIEW->setColumnHidden(hcLine, true);
    CTV_CID_VIEW->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CTV_CID_VIEW->setSelectionBehavior(QAbstractItemView::SelectRows);
    CTV_CID_VIEW->setSelectionMode(QAbstractItemView::SingleSelection);
    CTV_CID_VIEW->verticalHeader()->setVisible(false);
    CTV_CID_VIEW->verticalHeader()->setDefaultSectionSize(30);
    CTV_CID_VIEW->horizontalHeader()->setMinimumHeight(30);
    CTV_CID_VIEW->horizontalHeader()->setSectionsMovable(false);
    CTV_CID_VIEW->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(CTV_CID_VIEW);
    connect(CTV_CID_VIEW, &QTableWidget::cellDoubleClicked, this, [this](int, int) { rerouteFocusedRow(); });
}

void CallHistoryPanel::proc_Load_CidLog()
{
    const auto rows = LoadCallLog(CallLogPath(AppClock::now().date()));
    if (!rows)
        return;
    CTV_CID_VIEW->setRowCount(0);
    CTV_CID_VIEW->setRowCount(int(rows->size()));
    for (int r = 0; r < rows->size(); ++r) {
        const CallHistoryRow &row = rows->at(r);
        const QString texts[hcCount] = {row.sndTime, row.caller, row.mainLine, row.received, row.line};
        for (int c = 0; c < hcCount; ++c)
            CTV_CID_VIEW->setItem(r, c, new QTableWidgetItem(texts[c]));
    }
}

CallHistoryRow CallHistoryPanel::row(int index) const
{
    CallHistoryRow out;
    auto text = [this, index](int c) {
        const QTableWidgetItem *item = CTV_CID_VIEW->item(index, c);
        return item ? item->text() : QString();
    };
    out.sndTime = text(hcTime);
    out.caller = text(hcCaller);
    out.mainLine = text(hcMainLine);
    out.received = text(hcReceived);
    out.line = text(hcLine);
    return out;
}

void CallHistoryPanel::rerouteFocusedRow()
{
    const int r = CTV_CID_VIEW->currentRow();
    if (r < 0 || r >= CTV_CID_VIEW->rowCount())
        return;
    const HEADER rec = CallRecordOfHistoryRow(row(r), G_CID_INFO.NaeSun);
    if (route)
        route(rec);
    else
        RouteCall(rec);
}
