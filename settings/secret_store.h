#pragma once

#include <QString>

#include <memory>
#include <optional>

// Where passwords that the user asks the program to remember are kept. The settings file never
// holds a password: the widget layer installs the system keyring at start; without one nothing is
// remembered. Accounts are short names such as "USER/PW".
class ISecretStore
{
public:
    virtual ~ISecretStore() = default;
    virtual bool write(const QString &account, const QString &secret) = 0;
    // nullopt when the keyring has no entry or cannot be reached.
    virtual std::optional<QString> read(const QString &account) = 0;
    virtual bool remove(const QString &account) = 0;
};

// Installs the store (nullptr: none) and returns the previous one.
std::shared_ptr<ISecretStore> SetSecretStore(std::shared_ptr<ISecretStore> store);
ISecretStore *CurrentSecretStore();

// The text the user sees once per run when a password could not be remembered.
QString SecretNotSavedMessage();
// Shows SecretNotSavedMessage the first time it is called in this run (kind "I"); later calls do
// nothing. Returns true when it showed the message.
bool TellSecretNotSavedOnce();
// Tests: the next call of TellSecretNotSavedOnce shows the message again.
void ResetSecretNotSavedNotice();
