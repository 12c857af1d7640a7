#include "start/keyring_secret_store.h"

#include "common/daily_log.h"

#include <QEventLoop>
#include <QTimer>

#ifdef CD_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>
#endif

namespace
{
constexpr int kKeyringWaitMs = 5000;

#ifdef CD_HAVE_KEYCHAIN
// Set once the desktop has shown that it has no usable keyring: later calls fail at once instead
// of waiting for it again, and the log says so a single time.
bool g_keyringMissing = false;

void noteKeyringMissing(const QString &reason)
{
    if (g_keyringMissing)
        return;
    g_keyringMissing = true;
    WriteLog(QStringLiteral("No keyring on this desktop, so saved passwords are not kept (") + reason
             + QStringLiteral(")"));
}

// Runs the job and waits for it; false on error or time-out.
bool runJob(QKeychain::Job &job)
{
    if (g_keyringMissing)
        return false;
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kKeyringWaitMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    if (!finished) {
        noteKeyringMissing(QStringLiteral("it did not answer"));
        return false;
    }
    switch (job.error()) {
    case QKeychain::NoError:
        return true;
    case QKeychain::EntryNotFound:
        return false;
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
    case QKeychain::CouldNotDeleteEntry:
        // A keyring is there; this one request did not go through.
        WriteLog(QStringLiteral("Keyring request failed: ") + job.errorString());
        return false;
    default:
        noteKeyringMissing(job.errorString());
        return false;
    }
}
#endif
} // namespace

KeyringSecretStore::KeyringSecretStore(QString service)
    : m_service(std::move(service))
{
}

bool KeyringSupportBuilt()
{
#ifdef CD_HAVE_KEYCHAIN
    return true;
#else
    return false;
#endif
}

bool KeyringSecretStore::write(const QString &account, const QString &secret)
{
#ifdef CD_HAVE_KEYCHAIN
    QKeychain::WritePasswordJob job(m_service);
    job.setKey(account);
    job.setTextData(secret);
    return runJob(job);
#else
    Q_UNUSED(account);
    Q_UNUSED(secret);
    return false;
#endif
}

std::optional<QString> KeyringSecretStore::read(const QString &account)
{
#ifdef CD_HAVE_KEYCHAIN
    QKeychain::ReadPasswordJob job(m_service);
    job.setKey(account);
    if (!runJob(job))
        return std::nullopt;
    return job.textData();
#else
    Q_UNUSED(account);
    return std::nullopt;
#endif
}

bool KeyringSecretStore::remove(const QString &account)
{
#ifdef CD_HAVE_KEYCHAIN
    QKeychain::DeletePasswordJob job(m_service);
    job.setKey(account);
    QKeychain::Job &base = job;
    return runJob(base) || job.error() == QKeychain::EntryNotFound;
#else
    Q_UNUSED(account);
    return true;
#endif
}
