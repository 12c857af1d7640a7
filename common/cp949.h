#pragma once

#include <QByteArray>
#include <QString>

// The Korean 8-bit code page of the original platform. Qt's "CP949" name maps to a converter
// without the extended syllables on this platform; "windows-949" is the full code page.
namespace Cp949
{
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
}
