#pragma once

#include <QDate>
#include <QImage>
#include <QString>

// The staff-attendance panel's QR code: a person's attendance address, drawn one pixel per module.

// G_URL_WORK_ATTEND + "?Q=" + the Base64 of "C_TYPE=<kind>&WE_CODE=<code>&NOW_DATE=<yyyymmdd>";
// kind is "WK" (courier) or "EM" (employee).
QString AttendanceQrText(const QString &kind, const QString &code, const QDate &today);

// The character encodings of the panel's hidden choice, by item index.
enum class QrEncoding { Auto = 0, Numeric, Alphanumeric, Latin1, Utf8, Utf8WithBom };

// The QR code of text: black modules on white with quietZone light modules around (4 when the
// text is not a number, capped at 40). A null image when the text cannot be encoded (empty, too
// long, or not of the chosen kind), so the caller keeps the previous picture.
QImage RenderQrCode(const QString &text, int encodingIndex, const QString &quietZone);
