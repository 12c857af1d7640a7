#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_host.h"
#include "sandbox/sandbox_random.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace
{
// Two areas: stores are seeded before the couriers that read them, whatever the order of adding.
void addAreas(SandboxDatabase &db, QStringList *seedOrder = nullptr)
{
    db.addArea(20, QStringLiteral("couriers"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS couriers (code TEXT PRIMARY KEY, store TEXT, name TEXT)")},
               [seedOrder](SandboxDatabase &d, SandboxRandom &rng) {
                   if (seedOrder)
                       seedOrder->append(QStringLiteral("couriers"));
                   const auto stores = d.rows(QStringLiteral("SELECT code FROM stores ORDER BY code"));
                   QList<QVariantList> rows;
                   for (int i = 0; i < 30; ++i)
                       rows.append({QStringLiteral("W%1").arg(i, 5, 10, QLatin1Char('0')),
                                    rng.pick(stores).at(0), rng.personName()});
                   d.insertRows(QStringLiteral("couriers"), {"code", "store", "name"}, rows);
               });
    db.addArea(10, QStringLiteral("stores"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS stores (code TEXT PRIMARY KEY, name TEXT)")},
               [seedOrder](SandboxDatabase &d, SandboxRandom &) {
                   if (seedOrder)
                       seedOrder->append(QStringLiteral("stores"));
                   d.insertRows(QStringLiteral("stores"), {"code", "name"},
                                {{"S000101", "행복치킨 본점"}, {"S000102", "행복치킨 역삼점"}});
               });
}

QList<QVariantList> couriers(const SandboxDatabase &db)
{
    return db.rows(QStringLiteral("SELECT code, store, name FROM couriers ORDER BY code"));
}
} // namespace

TEST(SandboxDatabaseTest, SeedsInRankOrderAndTheSameWorldEveryTime)
{
    QStringList order;
    SandboxDatabase a;
    addAreas(a, &order);
    ASSERT_TRUE(a.initialize());
    EXPECT_EQ(order, QStringList({"stores", "couriers"}));

    SandboxDatabase b;
    addAreas(b);
    ASSERT_TRUE(b.initialize());
    const auto rowsA = couriers(a);
    EXPECT_EQ(rowsA.size(), 30);
    EXPECT_EQ(rowsA, couriers(b));  // two in-memory worlds never share data, but match
    b.exec(QStringLiteral("DELETE FROM couriers"));
    EXPECT_EQ(couriers(a).size(), 30);
}

TEST(SandboxDatabaseTest, AFileKeepsChangesAndIsSeededOnce)
{
    QTemporaryDir dir;
    SandboxDatabase::Options options;
    options.path = dir.filePath(QStringLiteral("world.db"));
    {
        SandboxDatabase db(options);
        addAreas(db);
        ASSERT_TRUE(db.initialize());
        db.exec(QStringLiteral("UPDATE stores SET name = ? WHERE code = ?"), {QStringLiteral("바뀐 이름"), QStringLiteral("S000101")});
    }
    QStringList order;
    SandboxDatabase again(options);
    addAreas(again, &order);
    ASSERT_TRUE(again.initialize());
    EXPECT_TRUE(order.isEmpty());
    EXPECT_EQ(again.value(QStringLiteral("SELECT name FROM stores WHERE code = 'S000101'")).toString(), "바뀐 이름");
    EXPECT_EQ(couriers(again).size(), 30);
}

TEST(SandboxDatabaseTest, EveryThreadSeesTheSameData)
{
    SandboxDatabase db;
    addAreas(db);
    ASSERT_TRUE(db.initialize());
    int seen = -1;
    QThread *thread = QThread::create([&] {
        seen = db.value(QStringLiteral("SELECT COUNT(*) FROM couriers")).toInt();
        db.exec(QStringLiteral("INSERT INTO stores (code, name) VALUES ('S000103', '새 가맹점')"));
    });
    thread->start();
    thread->wait();
    delete thread;
    EXPECT_EQ(seen, 30);
    EXPECT_EQ(db.value(QStringLiteral("SELECT COUNT(*) FROM stores")).toInt(), 3);
}

TEST(SandboxDatabaseTest, FailuresThrowAndRollBack)
{
    SandboxDatabase db;
    addAreas(db);
    ASSERT_TRUE(db.initialize());
    EXPECT_THROW(db.exec(QStringLiteral("SELECT * FROM no_such_table")), SandboxDbError);
    EXPECT_THROW(db.transaction([&] {
        db.exec(QStringLiteral("DELETE FROM couriers"));
        throw SandboxDbError("stop");
    }),
                 SandboxDbError);
    EXPECT_EQ(couriers(db).size(), 30);
    EXPECT_FALSE(db.value(QStringLiteral("SELECT name FROM stores WHERE code = 'none'")).isValid());

    SandboxDatabase broken;
    broken.addArea(1, QStringLiteral("bad"), {QStringLiteral("CREATE TABLE oops (")});
    QString error;
    EXPECT_FALSE(broken.initialize(&error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SandboxDatabaseTest, HostRunsScenarioStepsOnItsThread)
{
    SandboxHost::Options options;
    options.withLookup = false;
    options.demoHandlers = false;
    SandboxHost host(options);
    host.database()->addArea(1, QStringLiteral("ticks"), {QStringLiteral("CREATE TABLE IF NOT EXISTS ticks (thread TEXT)")});
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    host.addScenarioStep(QStringLiteral("fails"), [](SandboxDatabase &, SandboxRandom &) { throw SandboxDbError("no"); });
    host.addScenarioStep(QStringLiteral("tick"), [](SandboxDatabase &db, SandboxRandom &) {
        db.exec(QStringLiteral("INSERT INTO ticks (thread) VALUES (?)"), {QThread::currentThread()->objectName()});
    });
    host.stepScenario(3);
    // A failing step is logged and never stops the steps after it.
    const auto rows = host.database()->rows(QStringLiteral("SELECT thread FROM ticks"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0).at(0).toString(), "sandbox");
}

TEST(SandboxWorldTest, DemoOrganisationHoldsTheDemoAccountsStore)
{
    SandboxHost::Options options;
    options.withLookup = false;
    SandboxHost host(options);
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    const auto db = host.database();
    const int stores = db->value(QStringLiteral("SELECT COUNT(*) FROM stores")).toInt();
    EXPECT_GE(stores, 35);
    EXPECT_LE(stores, 45);
    const auto row = db->rows(QStringLiteral("SELECT br_code, hd_code, name FROM stores WHERE st_code = 'S000101'"));
    ASSERT_EQ(row.size(), 1);
    EXPECT_EQ(row[0][0].toString(), "B000101");
    EXPECT_EQ(row[0][1].toString(), "H0001");
    EXPECT_EQ(row[0][2].toString(), "행복치킨 본점");
    // Every store hangs off a branch of its head office.
    EXPECT_EQ(db->value(QStringLiteral("SELECT COUNT(*) FROM stores s LEFT JOIN branches b ON b.br_code = s.br_code"
                                       " AND b.hd_code = s.hd_code WHERE b.br_code IS NULL")).toInt(), 0);
}
