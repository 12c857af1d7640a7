#pragma once

#include <QString>
#include <QVariant>

// A number cell of the order boards in its column's display format: "positive;negative" sections
// of digits ("0"), an optional thousands mark (","), decimals ("0.000") and literal text around
// them ("분", "Km"). A value that is not a number, or an empty format, is shown as it is.
QString FormatBoardNumber(const QVariant &value, const QString &format);
