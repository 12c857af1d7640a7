#include "sandbox/handler_registry.h"

#include "sandbox/sandbox_state.h"

#include <QMutexLocker>
#include <QUrlQuery>

// Defined in the file the build generates from the sandbox/handlers_<area>.cpp names.
void registerSandboxAreas(HandlerRegistry &registry);

QString WebRequest::queryValue(const QString &name) const
{
    // '+' is a literal plus here: the client formats the query by hand and never encodes spaces.
    const QUrlQuery q(query);
    return q.queryItemValue(name, QUrl::FullyDecoded);
}

WebReply WebReply::text(const QByteArray &body, const QByteArray &contentType)
{
    WebReply r;
    r.body = body;
    r.contentType = contentType;
    return r;
}

WebReply WebReply::error(int status)
{
    WebReply r;
    r.status = status;
    r.body = QByteArray::number(status);
    return r;
}

QString SandboxWebBase::url() const
{
    QMutexLocker lock(&m_mutex);
    return m_url;
}

void SandboxWebBase::setUrl(const QString &url)
{
    QMutexLocker lock(&m_mutex);
    m_url = url;
}

QString SandboxWebBase::resolve(const QString &address) const
{
    const QString base = url();
    const QLatin1String placeholder(kPlaceholder);
    if (base.isEmpty() || !address.startsWith(placeholder))
        return address;
    const QString rest = address.mid(placeholder.size());
    // "https://localhost.example/..." is another host, not the placeholder.
    if (!rest.isEmpty() && !rest.startsWith(QLatin1Char('/')))
        return address;
    return base + rest;
}

void HandlerRegistry::add(const QString &reqNum, SandboxHandler handler)
{
    m_handlers.insert(reqNum, std::move(handler));
}

void HandlerRegistry::addRoute(const QString &path, WebRoute route)
{
    m_routes.insert(path, std::move(route));
}

void HandlerRegistry::addScenarioStep(const QString &name, ScenarioStep step)
{
    m_scenarioSteps.append({name, std::move(step)});
}

const QList<QPair<QString, ScenarioStep>> &HandlerRegistry::scenarioSteps() const
{
    return m_scenarioSteps;
}

void HandlerRegistry::setDatabase(std::shared_ptr<SandboxDatabase> database)
{
    m_database = std::move(database);
}

std::shared_ptr<SandboxDatabase> HandlerRegistry::database() const
{
    return m_database;
}

SandboxHandler HandlerRegistry::handler(const QString &reqNum) const
{
    return m_handlers.value(reqNum);
}

WebRoute HandlerRegistry::route(const QString &path) const
{
    return m_routes.value(path);
}

bool HandlerRegistry::hasRoute(const QString &path) const
{
    return m_routes.contains(path);
}

QStringList HandlerRegistry::codes() const
{
    QStringList out = m_handlers.keys();
    out.sort();
    return out;
}

QStringList HandlerRegistry::routePaths() const
{
    return m_routes.keys();
}

SandboxReply HandlerRegistry::dispatch(const SandboxRequest &request) const
{
    return runSandboxHandler(handler(request.reqNum), request);
}

void registerDemoHandlers(HandlerRegistry &registry)
{
    registerSandboxAreas(registry);
}
