#include "platform/system_info.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSysInfo>
#include <QThread>

QString GetWinMajorVersion()
{
    const QString kernel = QSysInfo::kernelVersion();
    const QString major = kernel.section(QLatin1Char('.'), 0, 0);
    bool ok = false;
    const int value = major.toInt(&ok);
    return ok ? QString::number(value) : QStringLiteral("0");
}

bool IsWin64()
{
    return QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
}

void WaitMs(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents();
        if (timer.elapsed() >= ms)
            break;
        QThread::msleep(1);
    } while (timer.elapsed() < ms);
}
