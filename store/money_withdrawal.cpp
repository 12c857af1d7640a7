#include "store/money_withdrawal.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "store/money_amount.h"
#include "store/money_requests.h"

QString BalanceKind(const QString &userClass)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("1");
    if (userClass == QLatin1String("5"))
        return QStringLiteral("2");
    return QStringLiteral("5");
}

QString WithdrawalKind(const QString &userClass)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("1");
    if (userClass == QLatin1String("5"))
        return QStringLiteral("2");
    return {};
}

std::optional<MoneyBalance> RequestMoneyBalance(const QString &userClass, const QString &userCode)
{
    const QString code = QString::fromLatin1(kBalanceRequestCode);
    const QString reply = CurrentMoneyRequests().one(code, QStringLiteral("ADM1"),
                                                     JoinRequestFields({BalanceKind(userClass), userCode}), 30000);
    if (reply.trimmed().isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return std::nullopt;
    }
    const MoneyPage page = ReadMoneyPage(reply);
    if (!page.json) {
        WriteLog(code + QStringLiteral(" Exception Err reply is no JSON object"));
        return std::nullopt;
    }
    if (!page.ok()) {
        WriteLog(code + QStringLiteral(" is Fail ") + page.code + QLatin1Char(':') + page.message);
        MsgBox(page.code + QLatin1Char(':') + page.message, QStringLiteral("I"));
        return std::nullopt;
    }
    if (page.rows1.isEmpty())
        return std::nullopt;
    const ReplyRow &row = page.rows1.first();
    MoneyBalance b;
    b.balance = AmountOrZero(row.text(0));
    b.withdrawable = AmountOrZero(row.text(4));
    b.deposit = AmountOrZero(row.text(5));
    b.bank = row.trimmed(6);
    b.account = row.trimmed(8);
    b.holder = row.trimmed(9);
    return b;
}

QString WithdrawalCheck(const WithdrawalInput &in)
{
    if (in.pin.trimmed().isEmpty())
        return QStringLiteral("PIN번호를 입력해주세요");
    const std::optional<qint64> amount = ParseWholeAmount(in.amount.trimmed());
    if (!amount || *amount <= 0)
        return QStringLiteral("출금액을 입력하여 주세요!");
    if (in.withdrawable <= 0)
        return QStringLiteral("출금가능 금액이 없습니다.");
    if (*amount > in.withdrawable)
        return QStringLiteral("출금금액이 출금가능금액보다 큽니다.");
    if (in.bankText.trimmed().isEmpty())
        return QStringLiteral("출금은행정보가 없습니다.");
    if (in.account.trimmed().isEmpty())
        return QStringLiteral("출금계좌정보가 없습니다.");
    if (in.holder.trimmed().isEmpty())
        return QStringLiteral("출금계좌의 예금주정보가 없습니다.");
    return {};
}

QString WithdrawalPayload(const WithdrawalInput &in, const QString &kind, const QString &userCode)
{
    const qint64 amount = ParseTypedAmount(in.amount.trimmed()).value_or(0);
    return JoinRequestFields({in.pin.trimmed(), QString::number(amount), in.bankCode, in.account.trimmed(),
                              in.holder.trimmed(), kind, userCode, QStringLiteral("0")});
}
