#include "main/ui/attendance_qr.h"

#include "reference/page_addresses.h"
#include "text/text_helpers.h"

#include <qrencode.h>

#include <cstring>
#include <memory>

QString AttendanceQrText(const QString &kind, const QString &code, const QDate &today)
{
    const QString query = QStringLiteral("C_TYPE=") + kind + QStringLiteral("&WE_CODE=") + code
                          + QStringLiteral("&NOW_DATE=") + today.toString(QStringLiteral("yyyyMMdd"));
    return G_URL_WORK_ATTEND + QStringLiteral("?Q=") + Base64Encode(query);
}

namespace
{
struct QrFree
{
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using QrPtr = std::unique_ptr<QRcode, QrFree>;

bool allOf(const QString &text, const char *allowed)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F || !std::strchr(allowed, char(c.unicode())))
            return false;
    }
    return true;
}

QrPtr encode(const QString &text, QrEncoding encoding)
{
    QByteArray bytes;
    switch (encoding) {
    case QrEncoding::Numeric:
        if (!allOf(text, "0123456789"))
            return nullptr;
        bytes = text.toLatin1();
        // The encoder picks numeric mode for a text of digits by itself.
        return QrPtr(QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1));
    case QrEncoding::Alphanumeric:
        if (!allOf(text, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:"))
            return nullptr;
        bytes = text.toLatin1();
        return QrPtr(QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1));
    case QrEncoding::Latin1:
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                return nullptr;
        }
        bytes = text.toLatin1();
        break;
    case QrEncoding::Utf8WithBom:
        bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
        break;
    case QrEncoding::Auto:
    case QrEncoding::Utf8:
        bytes = text.toUtf8();
        break;
    }
    return QrPtr(QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char *>(bytes.constData()), 0,
                                   QR_ECLEVEL_L));
}
} // namespace

QImage RenderQrCode(const QString &text, int encodingIndex, const QString &quietZone)
{
    if (text.isEmpty() || encodingIndex < 0 || encodingIndex > int(QrEncoding::Utf8WithBom))
        return QImage();
    bool ok = false;
    int quiet = quietZone.trimmed().toInt(&ok);
    if (!ok || quiet < 0)
        quiet = 4;
    quiet = qMin(quiet, 40);
    const QrPtr code = encode(text, QrEncoding(encodingIndex));
    if (!code)
        return QImage();
    const int modules = code->width;
    const int side = modules + 2 * quiet;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            if (code->data[y * modules + x] & 1)
                image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
        }
    }
    return image;
}
