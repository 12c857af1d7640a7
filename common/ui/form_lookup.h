#pragma once

#include <QString>

class QWidget;

// The first top-level window of the application whose class name equals className ignoring
// case; nullptr when none is open.
QWidget *FindFormByClass(const QString &className);
