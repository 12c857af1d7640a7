#pragma once

#include "grid/grid_table_model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class ISoundPlayer;

// The columns of the store-order grid CTV_TAKEOUT, in their designed order.
QList<GridColumn> StoreOrderColumns();

// The store-order board: the store's own (in-shop and pickup) orders. The server's rows are
// written straight into the grid, not kept as order records; a sync mark makes every load after
// the first ask only for what changed. Beside the grid the board keeps the order numbers in record
// order (gsl_A2OrdNo), the status counters (iA2OrdCount) and adds new unconfirmed orders to the
// screen's new-order list, ringing once per load that brought any.
//
// Records are only ever appended (a full load, from an empty board) or inserted at record 0 (an
// incremental load), and the number list changes the same way at the same moment, so the position
// of a number is the record of its row. Sorting happens in the model's row order only.
class StoreOrderBoard
{
public:
    // The request as the link sends it: code, call type, payload, page count, time-out in ms;
    // the reply pages, empty when nothing came back.
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;

    // What the board needs of the screen and the main window; every hook may stay empty.
    struct Hooks
    {
        // Adds a store code the store list does not know yet (the main window's store adder).
        // Empty: the code is added to the store list bare.
        std::function<void(const QString &code)> addStore;
        // Display name of a payment code (the main window's payment choice list).
        // Empty: the name from the code table.
        std::function<QString(const QString &code)> payName;
        // The top area of the screen (cxGroupBox2), locked while a reply is applied.
        std::function<void(bool enabled)> setTopAreaEnabled;
        // Switches the polling timer on; resetTicks also sets its tick count to 0.
        std::function<void(bool resetTicks)> searchTimerOn;
        // Re-applies the board filters (after a failed apply).
        std::function<void()> filter;
        // Where log lines go; empty: the daily log.
        std::function<void(const QString &line)> log;
    };

    StoreOrderBoard();
    StoreOrderBoard(const StoreOrderBoard &) = delete;
    StoreOrderBoard &operator=(const StoreOrderBoard &) = delete;

    void setRequest(Request request) { m_request = std::move(request); }
    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    void setSoundPlayer(ISoundPlayer *sounds) { m_sounds = sounds; }
    // The screen's list of new, unconfirmed store orders (gsl_New_Order). Until one is given the
    // board keeps a list of its own.
    void setNewOrderList(QStringList *list) { m_newOrders = list ? list : &m_ownNewOrders; }
    QStringList &newOrderList() { return *m_newOrders; }

    // The grid the store-order tab shows.
    GridTableModel &CTV_TAKEOUT() { return m_model; }
    const GridTableModel &CTV_TAKEOUT() const { return m_model; }

    // One load. False when no page came back.
    bool proc_Load_A2_Order_new();
    // Counts the rows the filter leaves shown into iA2OrdCount.
    void procA2Check();
    // Forgets the mark: the next load rebuilds the board.
    void reloadAll() { gsA2SyncDate.clear(); }

    // Order numbers in record order, and the record of a number (-1 when not on the board).
    const QStringList &gsl_A2OrdNo() const { return m_numbers; }
    int recordOf(const QString &ordNo) const;

    // [0] rows, [1] 1001/1002/2001, [5] 4001, [7] 4002, [8] other statuses (recount only).
    const std::array<int, 10> &iA2OrdCount() const { return m_counts; }

    QString gsA2SyncDate; // the sync mark; empty before the first load and after reload-all

    // The counter of a status kept while loading: 1, 5, 7, or -1 for a status without one.
    static int statusCounter(int status);

private:
    struct Batch;

    void clearBoard();
    void applyPage(Batch &batch, int pageIndex, const QString &page);
    void applyRow(Batch &batch, const QString &row);
    // The cells of a row; record is the row's record when it is on the board already, else -1.
    QVariantList rowValues(const QStringList &f, int record) const;
    QString payText(const QStringList &f) const;
    void addStoreIfUnknown(const QString &code);
    void log(const QString &line) const;

    GridTableModel m_model;
    Request m_request;
    Hooks m_hooks;
    ISoundPlayer *m_sounds = nullptr;
    QStringList m_ownNewOrders;
    QStringList *m_newOrders = &m_ownNewOrders;

    QStringList m_numbers;
    // Number -> stamp; the record of a stamp is stamp + m_frontCount (records inserted at the
    // front so far), so an insert at record 0 moves every number down without touching it.
    QHash<QString, qint64> m_stamps;
    qint64 m_frontCount = 0;
    std::array<int, 10> m_counts{};
};
