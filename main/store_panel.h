#pragma once

#include "grid/grid_table_model.h"

#include <QString>

#include <array>

class TIniFile;

// The store-status panel without its widgets: the store rows of one branch (with the stores that
// share its delivery group), the name search, the connection summary, the drawing rules and the
// column choices kept in the settings file.

enum StorePanelColumn
{
    CTV_STLIST_VIEW_ST_NM,
    CTV_STLIST_VIEW_ST_CD,
    CTV_STLIST_VIEW_TEL,
    CTV_STLIST_VIEW_VBANK,
    CTV_STLIST_VIEW_ST_TYPE,
    CTV_STLIST_VIEW_PAY,
    CTV_STLIST_VIEW_CASH_OSDT,
    CTV_STLIST_VIEW_CNT1,
    CTV_STLIST_VIEW_CNT2,
    CTV_STLIST_VIEW_CNT3,
    CTV_STLIST_VIEW_CNTS,
    CTV_STLIST_VIEW_STATUS,
    CTV_STLIST_VIEW_WK_TM,
    CTV_STLIST_VIEW_WK_DAY,
    CTV_STLIST_VIEW_EX_ADD,
    CTV_STLIST_VIEW_CONN_YN,
    CTV_STLIST_VIEW_CON_Y,
    CTV_STLIST_VIEW_CON_N,
    kStorePanelColumnCount
};

// Fills G_SL_MASTER_ST_CODE, G_SL_MASTER_DVRY_TYPE and G_SL_MASTER_BR_CODE (kept parallel) with
// the branch master stores of G_ST_LIST, in list order. Appends; the caller empties them first.
void SetBrStCodeList();

// "HH:MM~HH:MM" from the eight digits HHMMHHMM.
QString StoreWorkTimeText(const QString &ordWorkTime);
// A money text as a whole number: 0 when it is not a number; out-of-range values are clamped.
qint64 StoreMoney(const QString &text);

// How a row is drawn when it is not selected.
struct StoreRowLook
{
    bool grey = false;  // background $D8D8D8: not connected
    bool red = false;   // text red: the store's status is not 1
};
StoreRowLook StoreRowLookOf(const QString &connYn, const QString &status);

// The seven day names (Sunday first) of a business-day cell and whether each is open; an empty
// text opens all seven.
std::array<std::pair<QString, bool>, 7> StoreWeekdayMarks(const QString &cellText);

// The column choices: telephone, account, business hours and days.
struct StoreColumnChoices
{
    bool tel = true;
    bool account = true;
    bool wkDay = true;

    // Section "User", keys "MainStatusTel", "MainStatusAccount", "MainStatusWkDay" ("Y" shown).
    static StoreColumnChoices read(const TIniFile *ini);
    // Writes one choice at once; which: 0 tel, 1 account, 2 business hours/days.
    static bool write(TIniFile *ini, int which, bool checked);
    // Whether a grid column is visible with these choices.
    bool columnVisible(int column) const;
};

class StorePanelModel
{
public:
    StorePanelModel();

    GridTableModel &grid() { return m_grid; }
    const GridTableModel &grid() const { return m_grid; }

    bool FB_STORE_STATUS_ST_POP = false;  // the branch list is open or a rebuild runs
    int FI_STORE_STATUS_ST_GAP = 0;       // refresh phase set by the last search
    QString searchText;                   // CTE_ST_NAME2
    QString refreshLabel;                 // lbStoreStatusRefresh

    // Rebuilds the rows for the branch (cbStStatusBRPropertiesChange), then searches.
    void rebuild(const QString &brCode, int tick = 0);
    // Takes the stores' current values (connection, money, status) into the rows already in the
    // grid and re-applies the name filter (cxButton18Click); tick is the housekeeping tick count,
    // whose value modulo 10 becomes the refresh phase. The row set changes only with a rebuild.
    void search(int tick);
    // Only the name filter (Enter in the search box).
    void proc_StoreStatusTreeFilter(const QString &text);

    // Footer of the account column: "접속 : n, 미접속 : m".
    QString connectionSummary() const { return m_summary; }
    // Sum of a column over the shown rows.
    qint64 footerSum(int column) const;

    // The rows' values from G_ST_LIST again (the search does this first).
    void refreshRows();

private:
    void updateSummary();

    GridTableModel m_grid;
    QString m_summary;
    QString m_branch;
};
