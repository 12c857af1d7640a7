#include "start/close_routine.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "start/login.h"
#include "start/process_ops.h"
#include "start/program_start.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdlib>
#include <exception>

namespace
{
IProcessTable *g_closeTable = nullptr;

void run(const std::function<void()> &step)
{
    if (step)
        step();
}

void defaultEndOwnProcess()
{
    // Before the message loop runs (the update check) the caller sees the request and returns.
    RequestProgramEnd();
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::exit(0);
    // A modal loop that does not return keeps the main loop from ending; do not hang on it.
    QTimer::singleShot(5000, [] { std::_Exit(0); });
}
} // namespace

CloseSteps &CloseRoutineSteps()
{
    static CloseSteps steps;
    return steps;
}

QString OwnProgramFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void proc_Close(const QString &message, const CloseSteps &steps, IProcessTable &table, const QString &ownProgramName)
{
    // The session ends here (logout included): its password goes before anything can fail or a
    // message waits on screen.
    ForgetSessionLogin();
    try {
        run(steps.freeTcpClient);
        run(steps.stopTimers);
        run(steps.freeSharedLists);
        run(steps.freePrinterNamesAndNotices);
        run(steps.stopCallerIdServer);
        run(steps.freeProgressWindow);
        run(steps.closeReceptionWindows);
        run(steps.resetBoardIndicators);
        run(steps.closeViewAndControlScreens);
        run(steps.closePrinters);
        run(steps.closeSubForms);
        if (steps.telephoneLoggedIn && steps.telephoneLoggedIn())
            run(steps.telephoneLogout);
        run(steps.freeOrderThreadLists);
        run(steps.destroyStruct);
        KillProcess(table, QString::fromLatin1(kCourierViewProgram));
        if (!message.isEmpty()) {
            WriteLog(QStringLiteral("Proc Close KillProcess Message:") + message + QStringLiteral("\r\n"));
            MsgBox(message, QStringLiteral("E"));
        }
        WriteLog(QStringLiteral("Proc Close KillProcess Before") + QStringLiteral("\r\n"));
        KillProcess(table, ownProgramName);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("TFRM_MAIN Except ") + QString::fromUtf8(e.what()));
    } catch (...) {
        WriteLog(QStringLiteral("TFRM_MAIN Except"));
    }
    if (steps.endOwnProcess)
        steps.endOwnProcess();
    else
        defaultEndOwnProcess();
}

void SetCloseProcessTable(IProcessTable *table)
{
    g_closeTable = table;
}

void proc_Close(const QString &message)
{
    proc_Close(message, CloseRoutineSteps(), g_closeTable ? *g_closeTable : SystemProcessTable(), OwnProgramFileName());
}
