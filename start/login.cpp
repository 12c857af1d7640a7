#include "start/login.h"

#include "records/business_rules.h"
#include "settings/deployment_config.h"
#include "records/session_records.h"
#include "reference/edition_table.h"
#include "start/start_globals.h"
#include "reference/page_addresses.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "platform/machine_id.h"
#include "platform/system_info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

QString G_SERVER_TIME;
QString G_MSG_FILE;

namespace
{
QString g_acceptedPayload;  // the payload of the accepted login, password included

LoginScreenHook &screenHook()
{
    static LoginScreenHook hook;
    return hook;
}

void runScreenStep(LoginScreenStep step)
{
    if (screenHook())
        screenHook()(step);
}

bool isEditionProgram(int row)
{
    const QString &name = G_ED_PROGRAM_NAME.at(row);
    return !name.isEmpty() && G_PROGRAM_NAME == name;
}

QString serverHost(const char *key)
{
    DeploymentConfig::ensureLoaded();
    const QString host = DeploymentConfig::value(QString::fromLatin1(key)).trimmed();
    return host.isEmpty() ? QStringLiteral("127.0.0.1") : host;
}

// Class-dependent fields shared by the login and the re-check.
void applyCodes(const ReplyRow &row)
{
    G_USER_INFO.USER_SEQ_NO = row.text(0);
    G_USER_INFO.NM = row.text(1);
    G_USER_INFO.HD = row.text(3);
    G_USER_INFO.BR = row.text(4);
    G_USER_INFO.ST = row.text(5);
}

void applyUserCode(const ReplyRow &row, const QString &userClass)
{
    G_USER_INFO.BR_DVRY_YN = "N";
    if (userClass == QLatin1String("7") || userClass == QLatin1String("1"))
        G_USER_INFO.USER_CODE = row.text(3);
    else if (userClass == QLatin1String("5")) {
        G_USER_INFO.USER_CODE = row.text(4);
        if (!row.text(14).trimmed().isEmpty())
            G_USER_INFO.BR_DVRY_YN = "Y";
    }
}

void applyMoneyAndTime(const ReplyRow &row)
{
    G_USER_INFO.DEV_SEQ_NO = row.text(6);
    G_USER_INFO.GRP_NAME = row.text(7);
    G_USER_INFO.GRP_CASH = row.text(8);
    G_USER_INFO.AUTH_TEL = row.text(9);
    G_SERVER_TIME = row.text(10);
    G_USER_INFO.VBank_Code = row.text(11);
    G_USER_INFO.VBank = row.trimmed(12);
    G_USER_INFO.PIN_NUM_YN = row.text(13);
    G_USER_INFO.MNG_DVRY_TYPE_CD = row.text(14);
}

void applySameDayKinds(const ReplyRow &row)
{
    G_USER_INFO.SAMEDAY_NORMAL_TYPE = 0;
    G_USER_INFO.SAMEDAY_GANSUN_TYPE = 0;
    G_USER_INFO.SAMEDAY_JISUN_TYPE = 0;
    QStringList kinds;
    SplitNoSpace(row.text(19), QStringLiteral(","), kinds);
    for (const QString &kind : kinds) {
        if (kind == QLatin1String("1001"))
            G_USER_INFO.SAMEDAY_NORMAL_TYPE = 1;
        else if (kind == QLatin1String("1002"))
            G_USER_INFO.SAMEDAY_GANSUN_TYPE = 1;
        else if (kind == QLatin1String("1003"))
            G_USER_INFO.SAMEDAY_JISUN_TYPE = 1;
    }
}

bool isBranchOrHeadOffice(const QString &userClass)
{
    return userClass == QLatin1String("7") || userClass == QLatin1String("5");
}
} // namespace

bool IsTestEditionProgram()
{
    return isEditionProgram(kTestEdition);
}

void proc_SetUserGubunValue()
{
    const QString mode = G_USER_INFO.GUBUN;
    if (mode == QLatin1String("R")) {
        if (IsTestEditionProgram()) {
            G_SERVER_HOST = serverHost(ServerHostKey::kFixed);
            G_SERVER_PORT = kFixedServerPort;
        } else {
            G_SERVER_HOST = serverHost(ServerHostKey::kBalancer);
            G_SERVER_PORT = kBalancerServerPort;
        }
        SetDefaultPageAddresses(false, isEditionProgram(2));
    } else if (mode == QLatin1String("T")) {
        G_SERVER_HOST = serverHost(ServerHostKey::kFixed);
        G_SERVER_PORT = kTestServerPort;
        SetDefaultPageAddresses(true, false);
    }
}

QString LocalMachineId()
{
    return QStringLiteral("[A]") + GetVolumeSerial();
}

QString LoginPlatformMajorVersion()
{
    return GetWinMajorVersion();
}

QString BuildLoginPayload(const QString &id, const QString &password)
{
    const QString device = G_DEVICE.isEmpty() ? QString() : G_DEVICE.right(1);
    const QStringList fields = {id,
                                password,
                                G_USER_INFO.MC,
                                QStringLiteral("P"),
                                LoginPlatformMajorVersion(),
                                QString(),
                                G_USER_INFO.GUBUN_MODE,
                                QString(G_VERSION).remove(QLatin1Char('.')),
                                G_EXE_DATE,
                                QString(),
                                device};
    QString payload;
    for (const QString &field : fields)
        payload += field + G_FIELD_SEP;
    return payload;
}

QString LoginPayloadWithoutPassword(const QString &payload)
{
    QStringList fields = payload.split(G_FIELD_SEP);
    if (fields.size() > 1)
        fields[1].clear();
    return fields.join(G_FIELD_SEP);
}

LoginCodeKind ClassifyLoginCode(const QString &outCode)
{
    static const QStringList accepted = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"),
                                         QStringLiteral("9")};
    static const QStringList change = {QStringLiteral("17"), QStringLiteral("23"), QStringLiteral("24")};
    if (accepted.contains(outCode))
        return LoginCodeKind::Accepted;
    if (change.contains(outCode))
        return LoginCodeKind::PasswordChange;
    return LoginCodeKind::Refused;
}

LoginReply ParseLoginReply(const QString &json)
{
    LoginReply reply;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    if (!doc.isObject())
        return reply;
    const QJsonObject obj = doc.object();
    reply.valid = true;
    reply.outCode = obj.value(QStringLiteral("OUT_CODE")).toVariant().toString();
    reply.outMsg = obj.value(QStringLiteral("OUT_MSG")).toVariant().toString();
    const QJsonArray rows = obj.value(QStringLiteral("OUT_ROW1")).toArray();
    if (!rows.isEmpty()) {
        reply.row = ReplyRow::fromJson(rows.at(0), G_FIELD_SEP);
        reply.hasRow = true;
    }
    return reply;
}

LoginScreenHook SetLoginScreenHook(LoginScreenHook hook)
{
    LoginScreenHook previous = std::move(screenHook());
    screenHook() = std::move(hook);
    return previous;
}

bool ApplyLoginRow(const ReplyRow &row)
{
    G_USER_INFO.USER_TYPE_CD = row.text(2);
    const QString userClass = UserClass();
    if (userClass == QLatin1String("9"))
        return false;
    G_USER_INFO.UserAuthGrade = ParseUserAuthGrade(G_USER_INFO.USER_TYPE_CD);
    applyCodes(row);
    runScreenStep(LoginScreenStep::BoardButtons);
    applyUserCode(row, userClass);
    applyMoneyAndTime(row);
    if (row.count() > 15)
        G_USER_INFO.DVRY_MNG_YN = row.text(15);
    G_USER_INFO.GRP_STATUS = row.text(18);
    applySameDayKinds(row);
    G_USER_INFO.VBank_Name = row.trimmed(20);
    G_USER_INFO.USER_TYPE_NAME = row.trimmed(21);
    G_USER_INFO.BTOB_YN = row.trimmed(22);
    G_USER_INFO.EMP_SUPP_YN = row.trimmed(23);
    G_USER_INFO.CONTRACT_YN = row.trimmed(24);
    G_USER_INFO.PLATFORM_PAY_YN = row.trimmed(25);
    G_USER_INFO.DCF_CONTRACT_YN = row.trimmed(26);
    G_USER_INFO.DCF_BRAND_VALUE = row.trimmed(27);
    runScreenStep(LoginScreenStep::OrderTabs);
    G_USER_INFO.Ord_Read = 0;
    G_USER_INFO.HDBR_MASTER_YN =
        G_USER_INFO.USER_TYPE_CD.mid(3, 1) == QLatin1String("0") && isBranchOrHeadOffice(userClass);
    runScreenStep(LoginScreenStep::BoardRights);
    runScreenStep(LoginScreenStep::MainPanels);
    return true;
}

bool RefreshLoginRow(const ReplyRow &row)
{
    G_USER_INFO.USER_TYPE_CD = row.text(2);
    const QString userClass = UserClass();
    if (userClass == QLatin1String("9"))
        return false;
    applyCodes(row);
    applyUserCode(row, userClass);
    G_USER_INFO.HDBR_MASTER_YN = G_USER_INFO.UserAuthGrade == 0 && isBranchOrHeadOffice(userClass);
    applyMoneyAndTime(row);
    G_USER_INFO.DVRY_MNG_YN = row.text(15);
    G_USER_INFO.GRP_STATUS = row.text(18);
    applySameDayKinds(row);
    return true;
}

std::optional<qint64> ServerClockOffsetMs(const QString &serverTime, const QDateTime &systemNow,
                                          const QDateTime &programNow)
{
    const QString stamp = serverTime.left(14);
    // Compared in the server's (Korean) time, so a PC set to another time zone whose clock is
    // right is left alone too.
    const QTimeZone korea(9 * 3600);
    if (stamp == programNow.toTimeZone(korea).toString(QStringLiteral("yyyyMMddhhmmss")))
        return std::nullopt;
    const QDateTime server = QDateTime::fromString(stamp, QStringLiteral("yyyyMMddhhmmss"));
    if (stamp.size() != 14 || !server.isValid())
        return std::nullopt;
    // The server speaks Korean time; the milliseconds of the running clock stay as they are.
    QDateTime target(server.date(), server.time().addMSecs(systemNow.time().msec()), korea);
    return systemNow.msecsTo(target);
}

void AdoptServerTime(const QString &serverTime)
{
    if (const auto offset = ServerClockOffsetMs(serverTime, QDateTime::currentDateTime(), AppClock::now()))
        AppClock::setOffsetMs(*offset);
}

QString BusinessDate(const QDateTime &now)
{
    bool ok = false;
    int hours = G_DAY_START_HOUR.toInt(&ok);
    if (!ok)
        hours = 5;
    return now.addSecs(-qint64(hours) * 3600).toString(QStringLiteral("yyyyMMdd"));
}

QString StoredMessageFileName(const QDateTime &now)
{
    const QString dir = G_CID_DIR.isEmpty() ? AppPaths::cidDir() : G_CID_DIR;
    return dir + BusinessDate(now) + QLatin1Char('_') + G_USER_INFO.ID + QStringLiteral(".Dat");
}

void WipeText(QString &text)
{
    if (!text.isDetached()) {
        text.clear();
        return;
    }
    text.fill(QChar(u'\0'));
    text.clear();
}

void KeepAcceptedLogin(const QString &payload, const QString &password)
{
    WipeText(g_acceptedPayload);
    g_acceptedPayload = payload;
    WipeText(G_USER_INFO.PW);
    G_USER_INFO.PW = password;
}

QString AcceptedLoginPayload()
{
    return g_acceptedPayload;
}

void ForgetSessionLogin()
{
    WipeText(g_acceptedPayload);
    WipeText(G_USER_INFO.PW);
}
