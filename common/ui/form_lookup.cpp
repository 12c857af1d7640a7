#include "common/ui/form_lookup.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

QWidget *FindFormByClass(const QString &className)
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (QString::fromLatin1(w->metaObject()->className()).compare(className, Qt::CaseInsensitive) == 0)
            return w;
    }
    return nullptr;
}
