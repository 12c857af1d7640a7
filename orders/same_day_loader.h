#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class SameDayEngine;

// The kind of same-day load a login asks for ("1", "2" or "3"), from its user class (first
// character of the user type) and its three same-day types (1 = on); empty: no same-day load.
// A partner head office always asks for "1"; a distributor by its types; other classes never.
QString SameDaySearchKind(const QString &userClass, int normalType, int gansunType, int jisunType);
// The same for the session's login.
QString SameDaySearchKind();
// The kind of the completed load: "1" for a partner head office, otherwise what the types give
// by the distributor's rule, whatever the class.
QString SameDayCompletedKind(const QString &userClass, int normalType, int gansunType, int jisunType);
QString SameDayCompletedKind();

// The loads that feed the same-day boards: each asks the server for same-day pages and queues
// them as one batch for the engine. The live load sends the sync mark of the previous reply, so
// the server answers with what changed since; an empty mark asks for everything under way.
class SameDayLoader
{
public:
    // The request as the link sends it: code, call type, payload, page count, time-out in ms;
    // the reply pages, empty when nothing came back.
    using Request = std::function<QStringList(const QString &, const QString &, const QString &,
                                              const QString &, int)>;
    struct Hooks
    {
        // The filter bar is disabled while a load runs.
        std::function<void(bool on)> setFilterBarEnabled;
        // A load restarts the poll timer's three-tick phase.
        std::function<void()> resetPollPhase;
        // The live board's sync mark, carried in the completed batch's header.
        std::function<QString()> liveMark;
        // Where log lines go (the daily log by default).
        std::function<void(const QString &)> log;
    };

    explicit SameDayLoader(SameDayEngine &engine);

    void setRequest(Request request) { m_request = std::move(request); }
    void setHooks(Hooks hooks);

    // The live load. False when nothing was queued (no page: the link is then marked down; or
    // the server refused the load).
    bool proc_Load_A3_SameDay(const QString &sSearchType);
    // The completed load. Marked done only when the server answered it, so a load that failed
    // is asked again at the next opportunity.
    bool procLoadA3OrderFinish(const QString &sSearchType);
    // The total label's double click: the next live load asks for everything again.
    void edSameDayTotalDblClick();

    QString sA3DaySyncDate; // the same-day sync mark
    bool bA3FinOrd = false; // the completed same-day orders have been loaded

private:
    QString payload(const QString &kind, const QString &flag, const QString &mark) const;
    // Logs a refused first page; true when the reply can be queued.
    bool accepted(const QStringList &pages, QString *outVal);
    void log(const QString &line) const;

    SameDayEngine &m_engine;
    Request m_request;
    Hooks m_hooks;
};
