#pragma once

#include <QChar>
#include <QString>

// The separator between the fields of request values and reply rows.
const QString kSep = QString(QChar(0x2502));
