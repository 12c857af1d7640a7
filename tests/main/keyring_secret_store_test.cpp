#include "main/keyring_secret_store.h"

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
