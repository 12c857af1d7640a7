#pragma once

#include "common/reply_row.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// How the settlement screen reaches the server: the link's list and single requests on the shared
// connection by default; tests put their own here to play a lost reply.
struct MoneyRequests
{
    std::function<QStringList(const QString &code, const QString &callType, const QString &val,
                              const QString &pageCount, int timeoutMs)>
        list;
    std::function<QString(const QString &code, const QString &callType, const QString &val, int timeoutMs)> one;
};
// The requests in use; SetMoneyRequests({}) puts the link's back. Returns the previous ones.
MoneyRequests &CurrentMoneyRequests();
MoneyRequests SetMoneyRequests(MoneyRequests requests);

// One reply page read: its code, message, and the rows of "OUT_ROW1" and "OUT_ROW2".
struct MoneyPage
{
    bool json = false;  // false: the page was no JSON object
    QString code;
    QString message;
    QString value;
    QList<ReplyRow> rows1;
    QList<ReplyRow> rows2;
    bool ok() const { return json && code == QLatin1String("1"); }
};
MoneyPage ReadMoneyPage(const QString &page);

// Reads the pages of a list request into rows the way every list of the screen does: no page logs
// "<code> ERR[NO RESULT]"; a page whose code is not "1" logs "<code> is Fail <code>:<msg>" and
// ends the reading (rows of earlier pages stay). True when every page was read.
struct MoneyListResult
{
    bool replied = false;  // any page came
    bool complete = false; // every page read without a failure
    QString failCode, failMessage;
    QList<MoneyPage> pages;
};
MoneyListResult ReadMoneyList(const QString &code, const QStringList &pages);
