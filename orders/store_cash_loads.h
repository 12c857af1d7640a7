#pragma once

#include "records/cash_figures.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Two incremental loads of the order board that keep shared records current for other screens:
// the store connection states (which stores' own programs are online) and the cash balances of
// the head offices, branches, stores and the user. Each carries the mark of its previous reply,
// so the server answers with what changed since; an empty mark asks for everything.
class StoreCashLoads
{
public:
    // The request as the link sends it: code, call type, payload, page count, time-out in ms;
    // the reply pages, empty when nothing came back.
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;

    // What the loads tell the windows; each may be empty.
    struct Hooks
    {
        std::function<void()> enableTopArea;         // the board's top area, after no reply
        std::function<void()> storeStatesChanged;    // the store panel takes the new flags
        std::function<void(const QString &)> setCashPanel;  // status bar panel 3
        // Every visible reception window's two balance edits: cash less outstanding, and cash
        // less deposit and outstanding. Only for users with the money rights.
        std::function<void(qint64 available, qint64 free)> setReceptionBalances;
        std::function<QString()> moneyWord;          // the edition's word for money ("머니")
    };

    StoreCashLoads();
    Hooks hooks;
    void setRequest(Request request) { m_request = std::move(request); }

    // The store-state load. False when no page came back (the link is then marked down).
    bool procLoadStStatus();
    // The cash load. False when no page came back (the link is then marked down).
    bool proc_Load_Cash();

    // Reload-all forgets the cash mark; the re-initialization both.
    void reloadAll() { gsSyncCashDate.clear(); }
    void reinitialize()
    {
        gsSyncCashDate.clear();
        gsSyncStDate.clear();
    }

    QString gsSyncStDate;    // store-state mark
    QString gsSyncCashDate;  // cash mark

private:
    Request m_request;
};

// An amount the server sent: a whole number of at most 15 digits with an optional sign; nothing
// for anything else (so sums of two amounts can never overflow).
std::optional<qint64> ParseAmount(const QString &text);
// Panel 3 of the status bar after a cash load: the money word, ":" and the balance (or "????"
// without the money rights), then the outstanding amount in brackets when there is one and the
// user holds the rights.
QString CashPanelText(const QString &moneyWord, const TCashFigures &user, bool moneyRights);
