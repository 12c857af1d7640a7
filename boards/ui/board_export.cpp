#include "boards/ui/board_export.h"

#include "common/message_box.h"
#include "grid/ui/grid_export.h"
#include "grid/ui/grid_layout_view.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QTableView>

namespace
{
QString chooseFile(const BoardExportHooks &hooks, const QString &proposed)
{
    if (hooks.chooseFile)
        return hooks.chooseFile(proposed);
    static QString lastName;
    const QString start = proposed.isEmpty() ? lastName : proposed;
    const QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), start,
                                                      QStringLiteral("xlsx (*.xlsx)"));
    if (!file.isEmpty())
        lastName = file;
    return file;
}

QString exportView(QTableView *view, const BoardExportHooks &hooks, const QString &proposed)
{
    if (!view)
        return QString();
    const QString file = chooseFile(hooks, proposed);
    if (file.isEmpty())
        return QString();
    if (!ExportGridToExcel(view, file, false) || !QFileInfo::exists(file))
        return QString();
    return file;
}

// Shows or hides named columns of a view; remembers how each was so it can be put back.
class ColumnSwap
{
public:
    void set(QTableView *view, const QStringList &names, bool visible)
    {
        if (!view)
            return;
        QHeaderView *header = view->horizontalHeader();
        for (int l = 0; l < header->count(); ++l) {
            const QString name = HeaderColumnName(header, l);
            if (!names.contains(name))
                continue;
            m_saved.append({view, l, header->isSectionHidden(l)});
            header->setSectionHidden(l, !visible);
        }
    }
    void restore()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it)
            if (it->view)
                it->view->horizontalHeader()->setSectionHidden(it->logical, it->hidden);
        m_saved.clear();
    }

private:
    struct Saved
    {
        QTableView *view;
        int logical;
        bool hidden;
    };
    QList<Saved> m_saved;
};
} // namespace

const QStringList &BoardContactColumns()
{
    static const QStringList names = {
        "CTV_MAIN_ADDR4",      "CTV_MAIN_CU_TEL",      "CTV_MAIN_CU_TEL2",      "CTV_MAIN_WK_TEL",
        "CTV_MAIN_WK_TEL2",    "CTV_MAIN_COMP_ADDR4",  "CTV_MAIN_COMP_CU_TEL",  "CTV_MAIN_COMP_CU_TEL2",
        "CTV_MAIN_COMP_WK_TEL", "CTV_MAIN_COMP_WK_TEL2",
    };
    return names;
}

const QStringList &BoardSpreadsheetCopyColumns()
{
    static const QStringList names = {
        "CTV_MAIN_EXCEL_ADDR",      "CTV_MAIN_EXCEL_CU_TEL",      "CTV_MAIN_EXCEL_CU_NAME",
        "CTV_MAIN_COMP_EXCEL_ADDR", "CTV_MAIN_COMP_EXCEL_CU_TEL", "CTV_MAIN_COMP_EXCEL_CU_NAME",
    };
    return names;
}

QString LiveExportFileName(const QDate &businessDate)
{
    return businessDate.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("실시간내역.xlsx");
}

QString CompletedExportFileName(const QDate &businessDate)
{
    return businessDate.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("완료내역.xlsx");
}

QString StoreOrdersExportFileName(const QDate &businessDate)
{
    return businessDate.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("매장주문내역.xlsx");
}

QStringList ExportBoards(BoardExportTab tab, const BoardExportViews &views, const QDate &businessDate,
                         const BoardExportHooks &hooks)
{
    QStringList written;
    const auto add = [&](const QString &file) {
        if (!file.isEmpty())
            written.append(file);
    };
    switch (tab) {
    case BoardExportTab::SameDay:
        add(exportView(views.sameDay, hooks, QString()));
        break;
    case BoardExportTab::SameDayCompleted:
        if (hooks.message)
            hooks.message(QStringLiteral("준비중입니다"));
        else
            MsgBox(QStringLiteral("준비중입니다"), QStringLiteral("I"));
        break;
    case BoardExportTab::Logistics:
        add(exportView(views.logistics, hooks, QString()));
        break;
    case BoardExportTab::StoreOrders:
        add(exportView(views.store, hooks, StoreOrdersExportFileName(businessDate)));
        break;
    case BoardExportTab::LiveOrCompleted: {
        // Contact data leave only through the copies, which hold them for the allowed order paths.
        // The user's own choice of shown columns is put back afterwards.
        ColumnSwap swap;
        for (QTableView *view : {views.live, views.completed}) {
            swap.set(view, BoardContactColumns(), false);
            swap.set(view, BoardSpreadsheetCopyColumns(), true);
        }
        add(exportView(views.live, hooks, LiveExportFileName(businessDate)));
        add(exportView(views.completed, hooks, CompletedExportFileName(businessDate)));
        swap.restore();
        break;
    }
    }
    return written;
}
