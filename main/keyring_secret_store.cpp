#include "main/keyring_secret_store.h"

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
// Runs the job and waits for it; false on error or time-out.
bool runJob(QKeychain::Job &job)
{
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
        WriteLog(QStringLiteral("Keyring did not answer"));
        return false;
    }
    static bool logged = false;  // an absent keyring would otherwise fill the log at every read
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound && !logged) {
        logged = true;
        WriteLog(QStringLiteral("Keyring error : ") + job.errorString());
    }
    return job.error() == QKeychain::NoError;
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
