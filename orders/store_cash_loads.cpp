#include "orders/store_cash_loads.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/business_rules.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString kStateCode = QStringLiteral("1");
const QString kCashCode = QStringLiteral("CS01_01_V07");
// A mark is echoed back with every load; a reply with an absurd one is not trusted.
constexpr qint64 kMaxAmount = 999'999'999'999'999;  // 15 digits

QString joinFields(const QStringList &fields)
{
    return JoinRequestFields(fields);
}

// The reply's next mark, or empty (ask for everything next time) when it cannot be one.
QString checkedMark(const QString &code, const QString &mark)
{
    if (IsUsableSyncMark(mark))
        return mark;
    WriteLog(code + QStringLiteral(" sync mark refused, everything is asked for at the next load"));
    return {};
}

// One reply page as an object; false (logged) when it is not one or reports a failure.
bool readPage(const QString &code, const QString &what, const QString &text, QJsonObject &page)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) {
        WriteLog(code + what + QStringLiteral(" Exception Err page is not JSON"));
        return false;
    }
    page = doc.object();
    const QString outCode = page.value(QLatin1String("OUT_CODE")).toVariant().toString();
    if (outCode != QLatin1String("1")) {
        WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                 + page.value(QLatin1String("OUT_MSG")).toVariant().toString());
        return false;
    }
    return true;
}

// Writes an amount's text into a short field when it fits; a longer one leaves the field empty
// rather than holding a cut (and so wrong) number. The whole number is kept beside it.
template <typename Field>
void putAmountText(Field &field, const QString &text, const QString &what)
{
    const QString t = text.trimmed();
    if (CutToCodePageBytes(t, Field::kWidth) == t) {
        field = t;
        return;
    }
    field = QString();
    WriteLog(kCashCode + QStringLiteral(" Cash Info ") + what + QStringLiteral(" too long for its field: ")
             + t.left(40));
}

qint64 amountOf(const QString &text)
{
    return ParseAmount(text).value_or(0);
}

template <typename Rec, typename CashField>
void putFigures(Rec &rec, CashField &cashText, const ReplyRow &row)
{
    putAmountText(cashText, row.text(3), QStringLiteral("cash"));
    putAmountText(rec.CASH_DEPOSIT, row.text(4), QStringLiteral("deposit"));
    putAmountText(rec.CASH_OSTD, row.text(6), QStringLiteral("outstanding"));
    rec.CASH.cash = amountOf(row.text(3));
    rec.CASH.deposit = amountOf(row.text(4));
    rec.CASH.outstanding = amountOf(row.text(6));
}
} // namespace

std::optional<qint64> ParseAmount(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 16)
        return std::nullopt;
    int i = (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+')) ? 1 : 0;
    if (i == t.size())
        return std::nullopt;
    for (int k = i; k < t.size(); ++k)
        if (t.at(k) < QLatin1Char('0') || t.at(k) > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    if (!ok || v > kMaxAmount || v < -kMaxAmount)
        return std::nullopt;
    return v;
}

QString CashPanelText(const QString &moneyWord, const TCashFigures &user, bool moneyRights)
{
    QString text = moneyWord + QLatin1Char(':') + (moneyRights ? GroupThousands(user.cash) : QStringLiteral("????"));
    if (moneyRights && user.outstanding > 0)
        text += QLatin1Char('(') + GroupThousands(user.outstanding) + QLatin1Char(')');
    return text;
}

StoreCashLoads::StoreCashLoads()
{
    m_request = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                   int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
}

bool StoreCashLoads::procLoadStStatus()
{
    const QString val = joinFields({QStringLiteral("3"), G_USER_INFO.HD, G_USER_INFO.BR, QString(), gsSyncStDate});
    const QStringList pages = m_request(kStateCode, QStringLiteral("SOK1"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        if (hooks.enableTopArea)
            hooks.enableTopArea();
        WriteLog(kStateCode + QStringLiteral(" Status Info ERR[NO RESULT]"));
        G_CONNECTED = false;
        return false;
    }
    bool allApplied = true;
    bool changed = false;
    QString next;
    for (int i = 0; i < pages.size(); ++i) {
        QJsonObject page;
        if (!readPage(kStateCode, QStringLiteral(" Status Info"), pages.at(i), page)) {
            allApplied = false;
            break;
        }
        if (i == 0)
            next = checkedMark(kStateCode, page.value(QLatin1String("OUT_VAL")).toVariant().toString());
        for (const QJsonValue &element : page.value(QLatin1String("OUT_ROW1")).toArray()) {
            if (!element.isObject())
                continue;
            const QJsonObject row = element.toObject();
            TST_LIST *store = G_ST_LIST.find(JsonStr(row, QStringLiteral("C_0")));
            if (!store)
                continue;
            store->ST_CONN_YN = row.value(QLatin1String("C_1")).toVariant().toString().left(1);
            changed = true;
        }
    }
    // The mark moves on only when every page was taken in, so nothing is skipped.
    if (allApplied)
        gsSyncStDate = next;
    if (changed && hooks.storeStatesChanged)
        hooks.storeStatesChanged();
    return true;
}

bool StoreCashLoads::proc_Load_Cash()
{
    const QString val = joinFields({G_USER_INFO.ID, G_USER_INFO.USER_TYPE_CD, G_USER_INFO.HD, G_USER_INFO.BR,
                                    G_USER_INFO.ST, G_USER_INFO.MULTI_TYPE, gsSyncCashDate, QStringLiteral("0")});
    const QStringList pages = m_request(kCashCode, QStringLiteral("CMM8"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        if (hooks.enableTopArea)
            hooks.enableTopArea();
        WriteLog(kCashCode + QStringLiteral(" Cash Info ERR[NO RESULT]"));
        G_CONNECTED = false;
        return false;
    }
    const bool rights = HasAuthGrade(2);
    const QString word = hooks.moneyWord ? hooks.moneyWord() : QStringLiteral("머니");
    bool allApplied = true;
    bool storesChanged = false;
    QString next;
    for (int i = 0; i < pages.size(); ++i) {
        QJsonObject page;
        if (!readPage(kCashCode, QStringLiteral(" Cash Info"), pages.at(i), page)) {
            allApplied = false;
            break;
        }
        if (i == 0)
            next = checkedMark(kCashCode, page.value(QLatin1String("OUT_VAL")).toVariant().toString());
        for (const QJsonValue &element : page.value(QLatin1String("OUT_ROW1")).toArray()) {
            const ReplyRow row = ReplyRow::fromJson(element, G_FIELD_SEP);
            const QString kind = row.trimmed(0);
            const QString code = row.trimmed(1);
            if (code.isEmpty())
                continue;
            if (code == QString(G_USER_INFO.USER_CODE)) {
                putFigures(G_USER_INFO, G_USER_INFO.GRP_CASH, row);
                if (rights && hooks.setReceptionBalances) {
                    const TCashFigures &c = G_USER_INFO.CASH;
                    hooks.setReceptionBalances(c.cash - c.outstanding, c.cash - c.deposit - c.outstanding);
                }
            }
            if (kind == QLatin1String("1")) {
                if (THD_LIST *hd = G_HD_LIST.find(code)) {
                    putFigures(*hd, hd->CASH_HD, row);
                    hd->DATA_STATUS = row.text(2);
                }
            } else if (kind == QLatin1String("2")) {
                if (TBR_LIST *br = FindBranch(code)) {
                    putFigures(*br, br->CASH_BR, row);
                    br->DATA_STATUS = row.text(2);
                }
            } else if (kind == QLatin1String("3")) {
                if (TST_LIST *st = G_ST_LIST.find(code)) {
                    putFigures(*st, st->CASH_ST, row);
                    st->DATA_STAUS = row.text(2);
                    st->ADD_EX_YN = row.text(7);
                    st->ADD_EX_CHARGE = row.text(8);
                    st->ST_CONN_TIME = row.text(9);
                    storesChanged = true;
                }
            }
        }
        if (hooks.setCashPanel)
            hooks.setCashPanel(CashPanelText(word, G_USER_INFO.CASH, rights));
    }
    if (allApplied)
        gsSyncCashDate = next;
    if (storesChanged && hooks.storeStatesChanged)
        hooks.storeStatesChanged();
    return true;
}
