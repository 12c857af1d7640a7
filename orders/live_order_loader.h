#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class LiveOrderEngine;

// The loads that feed the live and completed boards: each asks the server for order pages and
// queues them, as one batch, for the engine. The live load carries the sync mark of the previous
// reply, so the server answers with what changed since; an empty mark asks for the whole day.
class LiveOrderLoader
{
public:
    // The request as the link sends it: code, call type, payload, page count, time-out in ms;
    // the reply pages, empty when nothing came back.
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;

    // What the loads tell the screen's timers and counters; each may be empty.
    struct Hooks
    {
        std::function<void()> rearmPoll;                // the poll's three-tick cycle restarts, timer on
        std::function<void(bool on)> passTime;          // the elapsed-time refresh on or off
        std::function<void()> recountStoreCalls;        // a store user's call counters
        // A rebuild emptied the completed board after it had been loaded (bA1FinOrd is then
        // false again); the screen reloads it when it is on show.
        std::function<void()> completedEmptied;
    };

    explicit LiveOrderLoader(LiveOrderEngine &engine);
    ~LiveOrderLoader();
    LiveOrderLoader(const LiveOrderLoader &) = delete;
    LiveOrderLoader &operator=(const LiveOrderLoader &) = delete;

    Hooks hooks;
    void setRequest(Request request) { m_request = std::move(request); }

    // The live load. False when no page came back (the link is then marked down). A reply that
    // reports a failure is logged and not queued; the mark stays. The mark moves on to the
    // reply's only when the engine has applied the batch, and is emptied when the apply failed,
    // so the next load asks for everything again instead of skipping what was lost.
    bool proc_Load_Order();
    // The completed load. False when no page came back. A failure reply is logged and not queued.
    bool procLoadA1OrderFinish();
    // Forgets the mark: the next live load rebuilds the board.
    void reloadAll();

    QString gsSyncDate;     // the live sync mark (of the last applied batch)
    bool bA1FinOrd = false; // the completed orders have been loaded
    int FTEST_CNT = 0;      // live requests sent

private:
    QString payload(const QString &flag, const QString &mark) const;
    void rearm();
    void rebuildDone();

    LiveOrderEngine &m_engine;
    Request m_request;
    // Batches queued before a reload-all must not bring an old mark back when they are applied.
    std::shared_ptr<int> m_generation = std::make_shared<int>(0);
    // Completed batches queued and not yet dispatched.
    int m_completedQueued = 0;
};
