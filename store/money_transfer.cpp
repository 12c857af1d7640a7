#include "store/money_transfer.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "records/session_records.h"
#include "store/money_amount.h"
#include "store/money_requests.h"

#include <QUrl>

QList<TransferChoice> TransferChoices(const QString &userClass)
{
    if (userClass == QLatin1String("5"))
        return {{QStringLiteral("내소속제휴본사"), 1, true},
                {QStringLiteral("내소속가맹점"), 2, true},
                {QStringLiteral("배송그룹가맹점"), 3, true},
                {QStringLiteral("내소속배송원"), 4, true}};
    if (userClass == QLatin1String("7"))
        return {{QStringLiteral("내소속총판"), 11, true},
                {QStringLiteral("내소속가맹점"), 12, true},
                {QStringLiteral("내소속배송원"), 13, true},
                {QString(), 0, false}};
    return {};
}

TransferLoad TransferLoadOfTag(int tag)
{
    switch (tag) {
    case 1: return {QStringLiteral("1"), false};
    case 11: return {QStringLiteral("2"), false};
    case 2:
    case 12: return {QStringLiteral("3"), false};
    case 3: return {QStringLiteral("3"), true};
    case 4:
    case 13: return {QStringLiteral("4"), false};
    default: break;
    }
    return {};
}

bool LoadTransferTargets(const TransferLoad &load, const QString &hd, const QString &br,
                         QList<TransferTarget> &targets)
{
    targets.clear();
    if (load.kind.isEmpty())
        return false;
    const QString code = QString::fromLatin1(load.groupStores ? kGroupStoresRequestCode : kTransferTargetsRequestCode);
    const QString val = load.groupStores ? JoinRequestFields({br}) : JoinRequestFields({hd, br, load.kind});
    const MoneyListResult r =
        ReadMoneyList(code, CurrentMoneyRequests().list(code, QStringLiteral("ADM1"), val, QStringLiteral("3000"), 30000));
    for (const MoneyPage &page : r.pages)
        for (const ReplyRow &row : page.rows1)
            targets.append({row.trimmed(3), row.trimmed(1), row.trimmed(0), load.kind, row.trimmed(5), row.trimmed(4)});
    return r.replied;
}

QString TransferSourceKind(const QString &userClass)
{
    if (userClass == QLatin1String("7"))
        return QStringLiteral("1");
    if (userClass == QLatin1String("5"))
        return QStringLiteral("2");
    return {};
}

QString TransferCheck(const TransferInput &in)
{
    // An amount that is no whole number reads as 0 and is refused as "no amount".
    const qint64 amount = ParseTypedAmount(in.amount.trimmed()).value_or(0);
    if (amount > in.sendable)
        return QStringLiteral("송금금액이 송금가능금액보다 큽니다.");
    if (amount <= 0)
        return QStringLiteral("송금금액이 없습니다.");
    if (in.pin.trimmed().isEmpty())
        return QStringLiteral("PIN번호를 입력하세요.");
    return {};
}

QString TransferPayload(const TransferRequest &r)
{
    const qint64 amount = ParseTypedAmount(r.amount.trimmed()).value_or(0);
    return JoinRequestFields({r.pin.trimmed(), r.sourceKind, r.userCode, r.targetKind, r.targetCode,
                              QString::fromLatin1(kTransferMovementKind), QString::number(amount), QStringLiteral("0"),
                              r.memo.trimmed(), r.id});
}

QString TransferUnknownText()
{
    return QStringLiteral("송금 결과를 받지 못했습니다. 송금되었을 수 있으니 머니내역과 대상잔액을 확인한 뒤 다시 송금하세요.");
}

TransferOutcome SendTransfer(const TransferRequest &r)
{
    const QString code = QString::fromLatin1(kTransferRequestCode);
    const QString reply = CurrentMoneyRequests().one(code, QStringLiteral("ADM1"), TransferPayload(r), 30000);
    if (reply.trimmed().isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(TransferUnknownText(), QStringLiteral("I"));
        return TransferOutcome::Unknown;
    }
    const MoneyPage page = ReadMoneyPage(reply);
    if (!page.json) {
        WriteLog(code + QStringLiteral(" Exception Err reply is no JSON object"));
        MsgBox(TransferUnknownText(), QStringLiteral("I"));
        return TransferOutcome::Unknown;
    }
    if (!page.ok()) {
        MsgBox(page.code + QLatin1Char(':') + page.message, QStringLiteral("I"));
        WriteLog(QStringLiteral("btnPaySendClick Result Fail - ") + page.code + QLatin1Char(':') + page.message);
        return TransferOutcome::Refused;
    }
    MsgBox(G_MSG_PROCESSED, QStringLiteral("I"));
    return TransferOutcome::Sent;
}

QString TransferTargetText(const QString &affiliation, const QString &name)
{
    if (affiliation.trimmed().isEmpty())
        return name;
    return affiliation + QStringLiteral(" / ") + name;
}

QByteArray TransferRequestPageBody(const TUSER_INFO &user, const QString &password)
{
    auto enc = [](const QString &v) { return QString::fromLatin1(QUrl::toPercentEncoding(v)); };
    const QString sep = QStringLiteral("│");
    const QString text = QStringLiteral("sData=COMMON") + sep + enc(user.ID) + sep + enc(password) + sep
                         + QStringLiteral("000023") + sep + enc(QStringLiteral("P")) + sep + enc(user.MC) + sep;
    return text.toUtf8();
}
