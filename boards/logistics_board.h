#pragma once

#include "grid/grid_table_model.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// The logistics board grdHUBView: one row per pair of same-day order number and logistics order
// number, written straight from the logistics load's reply rows (no order records). New pairs are
// appended, a pair whose row is newer (stamp compared as text) is rewritten.

// Columns in their order ("grdHUBCol_Key", ...), all text.
QList<GridColumn> LogisticsGridColumns();
QStringList LogisticsHiddenColumns();
// Fields of a reply row in their order (26).
const QStringList &LogisticsRowFields();

// The text colour of a logistics row: purple for a row marked out of step, black otherwise (a
// selected row is drawn by the view in white).
bool LogisticsRowMarked(const GridTableModel &grid, int record);

class LogisticsBoard
{
public:
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;
    struct Hooks
    {
        std::function<void(bool on)> setFilterBarEnabled;
        std::function<void()> resetPollPhase;
        // After every load: the count labels and the logistics filter.
        std::function<void()> countView;
        std::function<void()> applyFilter;
        std::function<void(const QString &)> log;
    };

    LogisticsBoard();

    void setRequest(Request request) { m_request = std::move(request); }
    void setHooks(Hooks hooks);

    GridTableModel &grdHUBView() { return m_grid; }
    const GridTableModel &grdHUBView() const { return m_grid; }

    // Loads and applies the legs changed since the last mark. False when no page came back
    // (the link is then marked down).
    bool proc_Load_HUB_SameDay();
    // Applies reply pages (the load's second half).
    void applyPages(const QStringList &pages);

    QString sHUBDaySyncDate;  // the logistics sync mark
    // The keys of the grid's records, the key of record i at index i.
    const QStringList &gslHUBKeys() const { return m_keys; }

private:
    void writeRow(int record, const QString &key, const QStringList &fields);
    int keyIndex(const QString &key) const;
    void log(const QString &line) const;

    GridTableModel m_grid;
    QStringList m_keys;
    QHash<QString, int> m_keyIndex;
    Request m_request;
    Hooks m_hooks;
    int m_keyColumn = 0;
    int m_modColumn = 0;
    int m_errorColumn = 0;
};
