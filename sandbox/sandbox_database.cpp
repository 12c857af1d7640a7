#include "sandbox/sandbox_database.h"

#include "sandbox/sandbox_random.h"

#include <QAtomicInteger>
#include <QHash>
#include <QMutexLocker>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>

#include <algorithm>

namespace
{
QAtomicInteger<int> g_instances;

constexpr int kSchemaVersion = 1;

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    throw SandboxDbError((what + QStringLiteral(": ") + error.text()).toStdString());
}
} // namespace

SandboxDatabase::SandboxDatabase() : SandboxDatabase(Options{}) {}

SandboxDatabase::SandboxDatabase(Options options) : m_options(std::move(options))
{
    m_baseName = QStringLiteral("sandbox_db_%1").arg(g_instances.fetchAndAddRelaxed(1));
    if (m_options.path.isEmpty())
        m_uri = QStringLiteral("file:%1?mode=memory&cache=shared").arg(m_baseName);
}

SandboxDatabase::~SandboxDatabase()
{
    QMutexLocker lock(&m_mutex);
    for (const QString &name : std::as_const(m_connectionNames))
        QSqlDatabase::removeDatabase(name);
}

void SandboxDatabase::addArea(int rank, const QString &name, const QStringList &schema, SeedFunction seed)
{
    m_areas.push_back(Area{rank, name, schema, std::move(seed)});
    std::stable_sort(m_areas.begin(), m_areas.end(), [](const Area &a, const Area &b) { return a.rank < b.rank; });
}

QString SandboxDatabase::connectionNameForThisThread() const
{
    // Kept per thread rather than derived from the thread's id, which a later thread may reuse.
    thread_local QHash<QString, QString> names;
    static QAtomicInteger<int> next;
    auto it = names.find(m_baseName);
    if (it == names.end())
        it = names.insert(m_baseName, m_baseName + QStringLiteral("_") + QString::number(next.fetchAndAddRelaxed(1)));
    return *it;
}

QSqlDatabase SandboxDatabase::connection() const
{
    const QString name = connectionNameForThisThread();
    if (QSqlDatabase::contains(name))
        return QSqlDatabase::database(name);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (m_uri.isEmpty()) {
        db.setDatabaseName(m_options.path);
    } else {
        db.setDatabaseName(m_uri);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    }
    if (!db.open())
        fail(QStringLiteral("cannot open the sandbox database"), db.lastError());
    {
        QMutexLocker lock(&m_mutex);
        m_connectionNames.append(name);
    }
    QSqlQuery pragma(db);
    // A second connection may find the file busy for a moment; wait rather than fail.
    pragma.exec(QStringLiteral("PRAGMA busy_timeout = 5000"));
    if (m_uri.isEmpty())
        pragma.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    return db;
}

QSqlQuery SandboxDatabase::exec(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(sql, query.lastError());
    for (const QVariant &v : binds)
        query.addBindValue(v);
    if (!query.exec())
        fail(sql, query.lastError());
    return query;
}

QList<QVariantList> SandboxDatabase::rows(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery query = exec(sql, binds);
    QList<QVariantList> out;
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i));
        out.append(std::move(row));
    }
    return out;
}

QVariant SandboxDatabase::value(const QString &sql, const QVariantList &binds) const
{
    QSqlQuery query = exec(sql, binds);
    return query.next() ? query.value(0) : QVariant();
}

void SandboxDatabase::transaction(const std::function<void()> &work) const
{
    QSqlDatabase db = connection();
    // A transaction inside another one (a seed that runs a scenario step, all seeds in one) is a
    // savepoint: it undoes its own work when it throws and leaves the outer transaction open.
    thread_local QHash<QString, int> depths;
    int &depth = depths[db.connectionName()];
    if (depth > 0) {
        const QString savepoint = QStringLiteral("nested_%1").arg(depth);
        exec(QStringLiteral("SAVEPOINT ") + savepoint);
        ++depth;
        try {
            work();
        } catch (...) {
            --depth;
            QSqlQuery undo(db);
            undo.exec(QStringLiteral("ROLLBACK TO ") + savepoint);
            undo.exec(QStringLiteral("RELEASE ") + savepoint);
            throw;
        }
        --depth;
        exec(QStringLiteral("RELEASE ") + savepoint);
        return;
    }
    if (!db.transaction())
        fail(QStringLiteral("cannot begin a transaction"), db.lastError());
    ++depth;
    try {
        work();
    } catch (...) {
        --depth;
        db.rollback();
        throw;
    }
    --depth;
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        fail(QStringLiteral("cannot commit"), error);
    }
}

void SandboxDatabase::insertRows(const QString &table, const QStringList &columns,
                                 const QList<QVariantList> &values) const
{
    if (values.isEmpty())
        return;
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    transaction([&] {
        QSqlQuery query(connection());
        if (!query.prepare(sql))
            fail(sql, query.lastError());
        for (const QVariantList &row : values) {
            for (int i = 0; i < row.size(); ++i)
                query.bindValue(i, row.at(i));
            if (!query.exec())
                fail(sql, query.lastError());
        }
    });
}

bool SandboxDatabase::initialize(QString *error)
{
    if (m_initialized)
        return true;
    try {
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS sandbox_meta (key TEXT PRIMARY KEY, value TEXT)"));
        for (const Area &area : m_areas)
            for (const QString &statement : area.schema)
                exec(statement);
        const QString seeded = value(QStringLiteral("SELECT value FROM sandbox_meta WHERE key = 'seeded'")).toString();
        if (!seeded.isEmpty() && m_options.size == SandboxWorldSize::Large) {
            // The size only shapes a new world; a demo world asked to be large would silently stay small.
            const QString was = value(QStringLiteral("SELECT value FROM sandbox_meta WHERE key = 'size'")).toString();
            if (was != QLatin1String("large"))
                throw SandboxDbError(QStringLiteral("%1 holds a demo world; a large world needs a new database file"
                                                    " (delete it, or give another file with --db)")
                                         .arg(m_options.path.isEmpty() ? QStringLiteral("the database") : m_options.path)
                                         .toStdString());
        }
        if (seeded.isEmpty()) {
            // One transaction for the whole seed: a world is made whole or not at all, and SQLite
            // does not write (and sync) a journal for every area's inserts.
            transaction([&] {
                for (const Area &area : m_areas) {
                    if (!area.seed)
                        continue;
                    SandboxRandom rng = SandboxRandom::forArea(m_options.seed, area.name);
                    area.seed(*this, rng);
                }
                exec(QStringLiteral("INSERT OR REPLACE INTO sandbox_meta (key, value) VALUES ('seeded', ?)"),
                     {QString::number(kSchemaVersion)});
                exec(QStringLiteral("INSERT OR REPLACE INTO sandbox_meta (key, value) VALUES ('size', ?)"),
                     {m_options.size == SandboxWorldSize::Large ? QStringLiteral("large") : QStringLiteral("demo")});
            });
        }
    } catch (const SandboxDbError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    m_initialized = true;
    return true;
}

bool SandboxDatabase::isInitialized() const
{
    return m_initialized;
}
