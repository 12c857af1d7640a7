#pragma once

#include "settings/secret_store.h"

// The desktop's keyring (Secret Service or KWallet) through QtKeychain. Each call waits for the
// keyring at most a few seconds while the event loop runs; a keyring that is absent or locked
// makes writes fail, so the caller does not remember the password. Never falls back to a file.
class KeyringSecretStore : public ISecretStore
{
public:
    explicit KeyringSecretStore(QString service);
    bool write(const QString &account, const QString &secret) override;
    std::optional<QString> read(const QString &account) override;
    bool remove(const QString &account) override;

private:
    QString m_service;
};

// True when this build can talk to a keyring at all.
bool KeyringSupportBuilt();
