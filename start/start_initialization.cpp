#include "start/start_initialization.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "start/login.h"
#include "start/start_settings.h"
#include "platform/idle_monitor.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "settings/settings_keys.h"

#include <QElapsedTimer>

#include <exception>

namespace
{
void callIfSet(const std::function<void()> &f)
{
    if (f)
        f();
}

void steps(TIniFile *ini, IStartDevices &devices, const StartWindow &w)
{
    WriteLog(QStringLiteral("NEW LOG : Initialize Start"));
    const QStringList printers = devices.installedPrinters();
    callIfSet(w.readSavedLogin);
    ReadStartSettings(ini);

    WriteLog(QStringLiteral("NEW LOG : Try Login Start"));
    if (!w.login || !w.login()) {
        WriteLog(QStringLiteral("NEW LOG : Try Main Form Terminate"));
        callIfSet(w.terminate);
        return;
    }
    QElapsedTimer sinceLogin;
    sinceLogin.start();
    WriteLog(QStringLiteral("NEW LOG : Try Login End"));
    WriteLog(QStringLiteral("NEW LOG : Bring and Setting Config Data"));
    G_SL_SEL_BR_CODE = ReadCheckedBranches(ini, G_USER_INFO.HD, G_USER_INFO.BR);
    if (w.setCidPanel)
        w.setCidPanel(InitialCidPanel());
    callIfSet(w.pump);
    callIfSet(w.showProgress);
    if (G_CID_KT_INFO.Use_yn == QLatin1String("1"))
        callIfSet(w.ktLogin);
    callIfSet(w.createModifyWindows);
    callIfSet(w.advance);
    WriteLog(QStringLiteral("NEW LOG : Initialize Timer On"));
    callIfSet(w.armDataTimer);
    callIfSet(w.loadGridLayouts);
    WriteLog(QStringLiteral("NEW LOG : Load Grid Setting End"));

    const CidPanel panel = StartCallerIdDevices(devices, ini, InitialCidPanel());
    if (w.setCidPanel && panel != InitialCidPanel())
        w.setCidPanel(panel);
    WriteLog(QStringLiteral("NEW LOG : CID Setting End"));
    callIfSet(w.advance);
    StartPrinters(devices, ini, printers);
    callIfSet(w.advance);
    WriteLog(QStringLiteral("NEW LOG : Print Setting End"));
    callIfSet(w.createDeliveryWindows);
    callIfSet(w.advance);
    WriteLog(QStringLiteral("NEW LOG : Order Accept create End"));
    callIfSet(w.createQuickWindows);
    callIfSet(w.advance);
    WriteLog(QStringLiteral("NEW LOG : Quick Accept create End"));
    callIfSet(w.applyMenuRights);
    callIfSet(w.advance);
    callIfSet(w.advance);
    callIfSet(w.fillStoreStatusBranches);
    callIfSet(w.advance);
    callIfSet(w.setupCourierGrid);
    G_REINIT_DONE = true;
    callIfSet(w.closeProgress);
    WriteLog(QStringLiteral("NEW LOG : Bring and Setting Config Data End"));
    callIfSet(w.contractPages);
    G_SESSION_SEC = ReadSessionSeconds(ini, G_USER_INFO.ID);
    if (G_SESSION_SEC.isEmpty())
        callIfSet(w.askSessionLength);
    callIfSet(w.startSessionTimer);
    if (UserClass() == QLatin1String("5") || UserClass() == QLatin1String("7"))
        callIfSet(w.loadDeliveryGroups);
    WriteLog(QStringLiteral("NEW LOG : Initialize end"));
    WriteLog(QStringLiteral("Start-up after login : %1 ms").arg(sinceLogin.elapsed()));
}
} // namespace

void Proc_Initialization(TIniFile *ini, IStartDevices &devices, const StartWindow &window)
{
    QString error;
    try {
        steps(ini, devices, window);
        return;
    } catch (const std::exception &e) {
        error = QString::fromUtf8(e.what());
    } catch (...) {
        error = QStringLiteral("unknown error");
    }
    WriteLogTo(QStringLiteral("frmMain[Proc_Initialization]:") + error, G_LOG_FILE);
}

int SessionLimitSeconds(const QString &sessionSec)
{
    bool ok = false;
    const int limit = sessionSec.trimmed().toInt(&ok);
    return ok ? limit : 1800;
}

SessionTimeout::SessionTimeout(TickSource *source)
    : tmrSession(source)
{
    tmrSession.setInterval(1000);
    tmrSession.onTimeout = [this] { tick(); };
}

void SessionTimeout::tick()
{
    const quint32 idle = GetIdleSeconds();
    WriteLog(QString::number(idle));
    if (qint64(idle) < SessionLimitSeconds(G_SESSION_SEC))
        return;
    tmrSession.stop();
    if (logout)
        logout(QString::fromUtf8(kMessage));
}
