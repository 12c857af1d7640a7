#pragma once

#include "store/money_requests.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Replaces the settlement screen's requests for one test: each list request is recorded and
// answered by `answer` (its pages); each single request by `one`.
class FakeMoneyRequests
{
public:
    struct Sent
    {
        QString code, callType, val, pageCount;
        int timeoutMs = 0;
    };

    FakeMoneyRequests()
    {
        MoneyRequests r;
        r.list = [this](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                        int timeoutMs) {
            sent.append({code, callType, val, pageCount, timeoutMs});
            return answer ? answer(int(sent.size()) - 1, val) : QStringList();
        };
        r.one = [this](const QString &code, const QString &callType, const QString &val, int timeoutMs) {
            sent.append({code, callType, val, QString(), timeoutMs});
            return one ? one(val) : QString();
        };
        m_previous = SetMoneyRequests(r);
    }
    ~FakeMoneyRequests() { SetMoneyRequests(m_previous); }

    QList<Sent> sent;
    std::function<QStringList(int index, const QString &val)> answer;
    std::function<QString(const QString &val)> one;

private:
    MoneyRequests m_previous;
};

// A page holding text rows: {"OUT_CODE":"1","OUT_ROW1":["a│b│", ...]}.
inline QString MoneyTextPage(const QStringList &rows, const QString &code = QStringLiteral("1"),
                             const QString &msg = QString())
{
    QString out = QStringLiteral("{\"OUT_CODE\":\"") + code + QStringLiteral("\",\"OUT_MSG\":\"") + msg
                  + QStringLiteral("\",\"OUT_ROW1\":[");
    for (int i = 0; i < rows.size(); ++i)
        out += (i ? QStringLiteral(",\"") : QStringLiteral("\"")) + rows.at(i) + QLatin1Char('"');
    return out + QStringLiteral("]}");
}

// One ledger reply row of 12 fields, each followed by the separator.
inline QString MoneyLedgerRow(const QString &seq, const QString &amount, const QString &balance = QStringLiteral("0"),
                              const QString &type = QStringLiteral("1001"), const QString &conType = QStringLiteral("3"))
{
    const QStringList f{seq, QStringLiteral("2026-12-01 10:00:00"), QStringLiteral("배달대행료"), QStringLiteral("내용"),
                        amount, balance, QString(), QString(), type, conType, QStringLiteral("S000101"),
                        QStringLiteral("가맹점")};
    return f.join(QStringLiteral("│")) + QStringLiteral("│");
}
