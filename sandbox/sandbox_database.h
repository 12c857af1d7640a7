#pragma once

#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <stdexcept>
#include <vector>

class SandboxRandom;

// How much data the seed makes: the demo world a person clicks through, or a large one for the
// benchmarks.
enum class SandboxWorldSize { Demo, Large };

// A database error inside a handler; the handler registry answers it as a failed request.
class SandboxDbError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The sandbox's data in SQLite. Each area of the sandbox (login, reference data, orders, ...)
// registers its tables and its seed; initialize() creates every table and, on a database that was
// never seeded, runs the seeds in rank order with a random source of their own, so every run of the
// same size sees the same world. A file keeps what users changed across restarts; an empty path
// gives a private in-memory database.
//
// Connections belong to threads in Qt SQL, so each thread that uses the database gets a connection
// of its own to the same data (an in-memory database is opened in shared-cache mode for that).
class SandboxDatabase
{
public:
    struct Options
    {
        QString path;  // empty: in memory
        SandboxWorldSize size = SandboxWorldSize::Demo;
        quint32 seed = 20261211;
    };

    // Fills the tables of one area; rng is the area's own deterministic source.
    using SeedFunction = std::function<void(SandboxDatabase &db, SandboxRandom &rng)>;

    SandboxDatabase();
    explicit SandboxDatabase(Options options);
    ~SandboxDatabase();
    SandboxDatabase(const SandboxDatabase &) = delete;
    SandboxDatabase &operator=(const SandboxDatabase &) = delete;

    // Registers an area before initialize(): its CREATE statements (use IF NOT EXISTS) and its seed.
    // Lower ranks are seeded first, so an area may read the rows of the areas below it.
    void addArea(int rank, const QString &name, const QStringList &schema, SeedFunction seed = {});

    // Creates the tables and seeds a fresh database; safe to call again. False with a reason when
    // the database cannot be opened or a statement fails.
    bool initialize(QString *error = nullptr);
    bool isInitialized() const;

    SandboxWorldSize size() const { return m_options.size; }
    QString path() const { return m_options.path; }

    // The calling thread's connection (opened on first use).
    QSqlDatabase connection() const;

    // Runs one statement with positional "?" binds; throws SandboxDbError when it fails.
    QSqlQuery exec(const QString &sql, const QVariantList &binds = {}) const;
    // Every row of a query as lists of values in column order.
    QList<QVariantList> rows(const QString &sql, const QVariantList &binds = {}) const;
    // The first column of the first row, or an invalid value when there is no row.
    QVariant value(const QString &sql, const QVariantList &binds = {}) const;
    // Runs work in one transaction: committed when it returns, rolled back when it throws.
    void transaction(const std::function<void()> &work) const;
    // Inserts many rows into table with the given columns, prepared once, in one transaction.
    void insertRows(const QString &table, const QStringList &columns, const QList<QVariantList> &values) const;

private:
    struct Area
    {
        int rank;
        QString name;
        QStringList schema;
        SeedFunction seed;
    };

    QString connectionNameForThisThread() const;

    Options m_options;
    QString m_baseName;
    QString m_uri;
    std::vector<Area> m_areas;
    mutable QMutex m_mutex;
    mutable QStringList m_connectionNames;
    bool m_initialized = false;
};
