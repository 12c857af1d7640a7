#include "devices/settings_screen_matching.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace
{
QString appNumber(const TST_LIST &st, int app)
{
    return app == 1 ? QString(st.BM_NO) : app == 2 ? QString(st.YG_NO) : QString(st.BT_NO);
}
QString appName(const TST_LIST &st, int app)
{
    return app == 1 ? st.BM_NAME : app == 2 ? st.YG_NAME : st.BT_NAME;
}
void storeApp(TST_LIST &st, int app, const QString *number, const QString &name)
{
    if (app == 1) {
        if (number)
            st.BM_NO = number->left(5);
        st.BM_NAME = name;
    } else if (app == 2) {
        if (number)
            st.YG_NO = number->left(5);
        st.YG_NAME = name;
    } else {
        if (number)
            st.BT_NO = number->left(5);
        st.BT_NAME = name;
    }
}
QString matchingFailedText()
{
    return G_MSG_RESULT[0].isEmpty() ? QStringLiteral("실패했습니다.") : G_MSG_RESULT[0];
}
} // namespace

QList<BrandMatchingRow> BrandMatchingRowsFromStores()
{
    QList<BrandMatchingRow> rows;
    for (int i = 0; i < G_SL_ST_CODE.size() && i < G_ST_LIST.count(); ++i) {
        const TST_LIST &st = G_ST_LIST.at(i);
        BrandMatchingRow row;
        row.stCode = G_SL_ST_CODE.at(i);
        for (int app = 1; app <= 3; ++app) {
            row.numbers[size_t(app - 1)] = appNumber(st, app);
            row.names[size_t(app - 1)] = appName(st, app);
        }
        rows << row;
    }
    return rows;
}

QList<BrandMatchingRequest> BrandMatchingRequests(const QList<BrandMatchingRow> &rows)
{
    const QString sep(QChar(0x2502));
    QList<BrandMatchingRequest> out;
    for (const BrandMatchingRow &row : rows) {
        const int index = int(G_SL_ST_CODE.indexOf(row.stCode));
        if (index < 0 || index >= G_ST_LIST.count())
            continue;
        for (int app = 1; app <= 3; ++app) {
            const QString number = row.numbers[size_t(app - 1)].trimmed();
            const QString name = row.names[size_t(app - 1)].trimmed();
            if (name.isEmpty())
                continue;  // there is no request that removes a name
            BrandMatchingRequest r;
            r.storeIndex = index;
            r.app = app;
            r.name = name;
            if (number.isEmpty())
                r.isNew = true;
            else if (name == appName(G_ST_LIST.at(index), app))
                continue;
            r.payload = G_USER_INFO.ID + sep + (r.isNew ? QStringLiteral("1") : QStringLiteral("2")) + sep
                        + (r.isNew ? QString() : number) + sep + row.stCode + sep + QString::number(app) + sep + name
                        + sep;
            out << r;
        }
    }
    return out;
}

bool SaveBrandMatching(const QList<BrandMatchingRow> &rows, const std::function<QString(const QString &payload)> &request,
                       const std::function<void(const QString &text)> &tell)
{
    const QList<BrandMatchingRequest> requests = BrandMatchingRequests(rows);
    for (int i = 0; i < requests.size(); ++i) {
        const BrandMatchingRequest &r = requests.at(i);
        QString reply;
        try {
            reply = request ? request(r.payload) : QString();
        } catch (const std::exception &e) {
            if (tell)
                tell(matchingFailedText() + QStringLiteral("\r\n") + QString::fromUtf8(e.what()));
            continue;
        }
        if (reply.trimmed().isEmpty()) {
            WriteLog(QString::fromLatin1(kBrandMatchingCode) + QLatin1Char(' ') + r.payload
                     + QStringLiteral(" ERR[NO RESULT]"));
            // The user is told which stores' names did not reach the server, so none is lost unseen.
            QStringList missed;
            for (int j = i; j < requests.size(); ++j) {
                const QString store = G_ST_LIST.at(requests.at(j).storeIndex).ST_NAME;
                if (!missed.contains(store))
                    missed << store;
            }
            if (tell)
                tell(matchingFailedText() + QStringLiteral("\r\n") + QStringLiteral("전송하지 못한 가맹점: ")
                     + missed.join(QStringLiteral(", ")));
            return false;
        }
        const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
        if (o.value(QStringLiteral("OUT_CODE")).toString() == QLatin1String("1")) {
            TST_LIST &st = G_ST_LIST.at(r.storeIndex);
            const QString number = o.value(QStringLiteral("OUT_VAL")).toString();
            storeApp(st, r.app, r.isNew ? &number : nullptr, r.name);
        } else if (tell) {
            tell(matchingFailedText() + QStringLiteral("\r\n") + o.value(QStringLiteral("OUT_MSG")).toString());
        }
    }
    if (tell)
        tell(QString::fromUtf8(kBrandMatchingDoneMsg));
    return true;
}
