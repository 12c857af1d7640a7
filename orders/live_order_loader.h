#pragma once

#include <QString>
#include <QStringList>

#include <functional>

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

    explicit LiveOrderLoader(LiveOrderEngine &engine);

    void setRequest(Request request) { m_request = std::move(request); }

    // The live load. False when no page came back (the link is then marked down).
    bool proc_Load_Order();
    // The completed load. False when no page came back.
    bool procLoadA1OrderFinish();
    // Forgets the mark: the next live load rebuilds the board.
    void reloadAll();

    QString gsSyncDate;     // the live sync mark
    bool bA1FinOrd = false; // the completed orders have been loaded
    int FTEST_CNT = 0;      // live requests sent

private:
    QString payload(const QString &flag, const QString &mark) const;

    LiveOrderEngine &m_engine;
    Request m_request;
};
