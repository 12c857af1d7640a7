#include "grid/ui/grid_font.h"

#include "records/reference_lookups.h"
#include "records/session_records.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

void ApplyGridFontSize(QTableView *view)
{
    const int rowHeight = GridRowHeightForFontSize(G_USER_SET.FONT_SIZE);
    G_USER_SET.DATA_HEIGHT = rowHeight;
    if (!view)
        return;
    QFont font = view->font();
    if (G_USER_SET.FONT_SIZE > 0)
        font.setPointSize(G_USER_SET.FONT_SIZE);
    view->setFont(font);
    view->verticalHeader()->setMinimumSectionSize(qMin(rowHeight, view->verticalHeader()->minimumSectionSize()));
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setFixedHeight(rowHeight + 5);
}
