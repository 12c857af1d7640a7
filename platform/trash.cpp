#include "platform/trash.h"

#include <QFile>
#include <QFileInfo>

bool MoveToTrash(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("no such file: ") + path;
        return false;
    }
    QFile file(path);
    if (!file.moveToTrash()) {
        if (error)
            *error = file.errorString().isEmpty() ? QStringLiteral("cannot move to trash: ") + path : file.errorString();
        return false;
    }
    return true;
}
