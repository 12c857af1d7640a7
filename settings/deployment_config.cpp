#include "settings/deployment_config.h"

#include "platform/app_paths.h"

#include <QFile>
#include <QHash>

namespace
{
QHash<QString, QString> &values()
{
    static QHash<QString, QString> map;
    return map;
}

bool g_loaded = false;
} // namespace

namespace DeploymentConfig
{
QString value(const QString &key, const QString &defaultValue)
{
    ensureLoaded();
    return values().value(key, defaultValue);
}

void setValue(const QString &key, const QString &value)
{
    values().insert(key, value);
}

bool load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        values().insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return true;
}

void ensureLoaded()
{
    if (g_loaded)
        return;
    g_loaded = true;
    load(defaultPath());
}

QString defaultPath()
{
    const QString fromEnv = qEnvironmentVariable("COURIER_DESK_CONFIG");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return AppPaths::programDir() + QStringLiteral("courier_desk.conf");
}

void clear()
{
    values().clear();
    g_loaded = true;
}
} // namespace DeploymentConfig
