#pragma once

#include "sandbox/sandbox_request.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

class SandboxDatabase;
class SandboxRandom;

// An HTTPS request to the sandbox's web server (already read in full).
struct WebRequest
{
    QByteArray method;              // "GET", "POST", ...
    QString path;                   // "/update/manifest.xml", no query
    QString query;                  // raw text after '?', not decoded
    QHash<QByteArray, QByteArray> headers;  // names lower-cased
    QByteArray body;

    // The decoded value of one query parameter ("p" of the endpoint lookup).
    QString queryValue(const QString &name) const;
};

struct WebReply
{
    int status = 200;
    QByteArray contentType = "text/plain; charset=utf-8";
    QByteArray body;

    static WebReply text(const QByteArray &body, const QByteArray &contentType = "text/plain; charset=utf-8");
    static WebReply error(int status);
};

using WebRoute = std::function<WebReply(const WebRequest &)>;

// Where the sandbox's web server serves ("https://127.0.0.1:<port>"), known once it listens.
// Handlers that hand out page addresses keep the holder and read it when they answer.
class SandboxWebBase
{
public:
    QString url() const;
    void setUrl(const QString &url);
    // address with a leading kPlaceholder ("https://localhost") replaced by url(); unchanged while
    // the server does not listen or when address starts otherwise.
    QString resolve(const QString &address) const;
    static constexpr char kPlaceholder[] = "https://localhost";

private:
    mutable QMutex m_mutex;
    QString m_url;
};

// One move of the demo world (a new order, a courier changing state, a message); run on the
// sandbox's thread by its timer, or one at a time by tests.
using ScenarioStep = std::function<void(SandboxDatabase &db, SandboxRandom &rng)>;

// Request code -> handler, and web path -> producer. Not locked: the host guards its own copy.
class HandlerRegistry
{
public:
    void add(const QString &reqNum, SandboxHandler handler);
    void addRoute(const QString &path, WebRoute route);
    void addScenarioStep(const QString &name, ScenarioStep step);

    // The database the areas keep their data in; areas register their tables and seeds on it while
    // they register their handlers. Never null once the host made the registry.
    void setDatabase(std::shared_ptr<SandboxDatabase> database);
    std::shared_ptr<SandboxDatabase> database() const;
    // Never null.
    std::shared_ptr<SandboxWebBase> webBase() const { return m_webBase; }

    // Empty function when the code has no handler.
    SandboxHandler handler(const QString &reqNum) const;
    WebRoute route(const QString &path) const;
    bool hasRoute(const QString &path) const;
    QStringList codes() const;
    QStringList routePaths() const;
    const QList<QPair<QString, ScenarioStep>> &scenarioSteps() const;

    // Runs the handler of request.reqNum; an unknown code answers
    // {"OUT_CODE":"0","OUT_MSG":"unknown request <code>"}, a handler that throws answers code "0".
    SandboxReply dispatch(const SandboxRequest &request) const;

private:
    QHash<QString, SandboxHandler> m_handlers;
    QMap<QString, WebRoute> m_routes;
    QList<QPair<QString, ScenarioStep>> m_scenarioSteps;
    std::shared_ptr<SandboxDatabase> m_database;
    std::shared_ptr<SandboxWebBase> m_webBase = std::make_shared<SandboxWebBase>();
};

// Registers every demo handler and route. Each area of demo data lives in a file
// sandbox/handlers_<area>.cpp that defines its registration with SANDBOX_HANDLER_AREA(<area>);
// the build collects those files by name, so adding an area needs no edit anywhere else.
void registerDemoHandlers(HandlerRegistry &registry);

// Defines the registration function of one area: the body sees `HandlerRegistry &registry`.
//   SANDBOX_HANDLER_AREA(login) { registry.add("LN02_01_V02", ...); }
// <area> must equal the file-name part after "handlers_" and be a C++ identifier.
#define SANDBOX_HANDLER_AREA(area) void sandboxArea_##area(HandlerRegistry &registry)
