#include "settings/secret_store.h"

#include "common/daily_log.h"
#include "common/message_box.h"

namespace
{
std::shared_ptr<ISecretStore> &storeSlot()
{
    static std::shared_ptr<ISecretStore> store;
    return store;
}

bool g_told = false;
} // namespace

std::shared_ptr<ISecretStore> SetSecretStore(std::shared_ptr<ISecretStore> store)
{
    std::shared_ptr<ISecretStore> previous = std::move(storeSlot());
    storeSlot() = std::move(store);
    return previous;
}

ISecretStore *CurrentSecretStore()
{
    return storeSlot().get();
}

QString SecretNotSavedMessage()
{
    return QStringLiteral("이 PC에는 비밀번호를 안전하게 보관할 키링이 없어 비밀번호를 저장하지 않았습니다.\r\n"
                          "다음 로그인 때 비밀번호를 다시 입력해 주십시오.");
}

bool TellSecretNotSavedOnce()
{
    if (g_told)
        return false;
    g_told = true;
    WriteLog(QStringLiteral("Password not saved: no keyring"));
    MsgBox(SecretNotSavedMessage(), QStringLiteral("I"));
    return true;
}

void ResetSecretNotSavedNotice()
{
    g_told = false;
}
