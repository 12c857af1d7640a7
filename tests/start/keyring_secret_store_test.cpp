#include "start/keyring_secret_store.h"

#include "link/link_test_support.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QUuid>

// Whatever keyring this machine has (or none): a write either round-trips or fails promptly, and
// a failed write leaves nothing to read.
TEST(KeyringSecretStore, RoundTripsOrFailsPromptly)
{
    ASSERT_TRUE(KeyringSupportBuilt());
    KeyringSecretStore store(QStringLiteral("CourierDeskTest"));
    const QString account = QStringLiteral("TEST/") + QUuid::createUuid().toString(QUuid::Id128);
    QElapsedTimer timer;
    timer.start();
    const bool written = store.write(account, QStringLiteral("pw-1"));
    EXPECT_LT(timer.elapsed(), 12000);
    if (written) {
        EXPECT_EQ(store.read(account).value_or(QString()), QStringLiteral("pw-1"));
        EXPECT_TRUE(store.remove(account));
    }
    EXPECT_FALSE(store.read(account).has_value());
}

// A desktop without a keyring is named once in the log in plain words; later calls fail at once
// instead of waiting for it again.
TEST(KeyringSecretStore, AMissingKeyringIsLoggedOnceAndNotWaitedForAgain)
{
    LogCapture log;
    KeyringSecretStore store(QStringLiteral("CourierDeskTest"));
    const QString account = QStringLiteral("TEST/") + QUuid::createUuid().toString(QUuid::Id128);
    if (store.write(account, QStringLiteral("pw-1"))) {
        store.remove(account);
        GTEST_SKIP() << "this desktop has a keyring";
    }
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(store.read(account).has_value());
    EXPECT_FALSE(store.write(account, QStringLiteral("pw-2")));
    EXPECT_LT(timer.elapsed(), 1000);
    // Run on its own (as ctest does) the line comes from this test; after another keyring test in
    // the same process it was written before the capture began.
    const QStringList lines = log.lines();
    ASSERT_LE(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
    for (const QString &line : lines)
        EXPECT_TRUE(line.startsWith(QStringLiteral("No keyring on this desktop, so saved passwords are not kept (")))
            << line.toStdString();
}
