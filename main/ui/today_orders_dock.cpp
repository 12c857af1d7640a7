#include "main/ui/today_orders_dock.h"

#include "common/program_globals.h"
#include "main/edition_table.h"
#include "main/reference_state.h"
#include "main/ui/main_window.h"
#include "main/ui/start_forms.h"
#include "main/ui/today_orders_grid_binding.h"
#include "orders/ui/today_orders_screen.h"
#include "records/business_rules.h"
#include "records/session_records.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

namespace
{
QHash<QString, QString> names(const CodeNameTable &table)
{
    QHash<QString, QString> out;
    for (const CodeNameItem &item : table.items())
        if (!out.contains(item.value))
            out.insert(item.value, item.description);
    return out;
}

BoardColumnLookups mainWindowLookups()
{
    BoardColumnLookups l;
    l.status = names(CCB_O2);
    l.orderKind = names(CCB_O1);
    l.orderPath = names(CCB_O3);
    l.deliveryGroup = names(CCB_O8);
    l.posPath = names(CCB_PT);
    return l;
}
} // namespace

namespace
{
// The screen the maker made; it clears itself when the screen goes with its main window.
QPointer<TFRM_ORD> &madeScreen()
{
    static QPointer<TFRM_ORD> screen;
    return screen;
}
} // namespace

TFRM_ORD *TodayOrdersScreen()
{
    return madeScreen().data();
}

void procOrderTabVisibleCheck(TFRM_ORD *screen)
{
    if (!screen)
        return;
    for (int p = 0; p < TFRM_ORD::kPageCount; ++p)
        screen->setTabVisible(TFRM_ORD::Page(p), false);
    const bool store = QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("1");
    if (G_USER_SET.SEARCHNORMAL == QLatin1String("Y") || store) {
        screen->setTabVisible(TFRM_ORD::tbOrdNow, true);
        screen->setTabVisible(TFRM_ORD::tbOrdComp, true);
    }
    if (G_USER_SET.SEARCHSAMEDAY == QLatin1String("Y")) {
        screen->setTabVisible(TFRM_ORD::tbA3SameDay, true);
        screen->setTabVisible(TFRM_ORD::tbEndSameDay, true);
    }
    if (G_USER_SET.SEARCHSAMEDAY_HUB == QLatin1String("Y"))
        screen->setTabVisible(TFRM_ORD::tbHUBSameDay, true);
    if (store)
        screen->setTabVisible(TFRM_ORD::tbA2Ord, true);
    // The completed board needs the rights to see it, the spreadsheet download its own.
    if (!HasAuthGrade(3))
        screen->setTabVisible(TFRM_ORD::tbOrdComp, false);
    screen->btnOrdExcelSave->setEnabled(HasAuthGrade(2));
    screen->CTV_MAIN->horizontalHeader()->setSectionHidden(BoardColumnIndex(OrderBoard::Live, BoardCol::POS_TYPE_CD),
                                                           !store);
    screen->CTV_MAIN_COMP->horizontalHeader()->setSectionHidden(
        BoardColumnIndex(OrderBoard::Completed, BoardCol::POS_TYPE_CD), !store);
    // The first visible of the ordinary and same-day boards becomes the active page.
    for (const TFRM_ORD::Page p : {TFRM_ORD::tbOrdNow, TFRM_ORD::tbOrdComp, TFRM_ORD::tbA3SameDay,
                                   TFRM_ORD::tbHUBSameDay}) {
        if (screen->tabVisible(p)) {
            screen->setActivePage(p);
            break;
        }
    }
}

void InstallTodayOrdersScreen()
{
    SetStartFormMaker(StartForm::TFRM_ORD, [](TFRM_MAIN *main) -> QWidget * {
        auto *w = new TFRM_ORD(main);
        w->setObjectName(QStringLiteral("TFRM_ORD"));
        madeScreen() = w;
        const int row = G_EDITION_IDX >= 0 && G_EDITION_IDX < kEditionCount ? G_EDITION_IDX : kThisEdition;
        w->setColumnLookups(mainWindowLookups(), {G_ED_MONEY_WORD.at(size_t(row)), G_ED_FEE_WORD.at(size_t(row)),
                                                  G_ED_COMMISSION_WORD.at(size_t(row))});
        w->hooks.applyStatusColor = [main] { main->procApplyStatusColor(); };
        // The count labels carry the colour of the status named in their Tag ("CB_" + status).
        ShellActions().applyStatusColours = [w = QPointer<TFRM_ORD>(w)](const QList<StatusColour> &colours) {
            if (!w)
                return;
            for (const StatusColour &c : colours)
                for (QLabel *label : w->countLabels) {
                    if (!label || QStringLiteral("CB_") + QString::number(label->property("Tag").toInt()) != c.key)
                        continue;
                    QPalette pal = label->palette();
                    pal.setColor(QPalette::Window, QColor(c.colour & 0xFF, (c.colour >> 8) & 0xFF, (c.colour >> 16) & 0xFF));
                    label->setPalette(pal);
                    label->setAutoFillBackground(true);
                }
        };
        BindTodayOrdersGrids(*w);
        main->DockBoard(w);
        if (!G_USER_INFO.ID.isEmpty())
            procOrderTabVisibleCheck(w);
        w->FormShow();
        return w;
    });
}
