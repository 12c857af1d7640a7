#include "text/text_helpers.h"

#include <QtMath>

#include <cfenv>
#include <cmath>

namespace
{
constexpr double kDegToRad = 0.01745329252;
constexpr double kEarthRadiusM = 6370693.5;
} // namespace

QString EscapeJsonVal(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    out.replace(QLatin1Char('\\'), QStringLiteral("&#92;"));
    return out;
}

QString UnescapeJsonVal(const QString &text)
{
    // Both entities start with '&'; most reply rows have none and are returned as they are.
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out = text;
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&#92;"), QStringLiteral("\\"));
    return out;
}

QStringList SplitText(const QString &delim, const QString &text)
{
    QStringList pieces;
    if (delim.size() != 1)
        return pieces;
    const QChar sep = delim.at(0);
    QString piece;
    for (const QChar c : text) {
        if (c == sep) {
            pieces.append(piece);
            piece.clear();
        } else {
            piece.append(c);
        }
    }
    // The appended delimiter ends the last piece.
    pieces.append(piece);
    return pieces;
}

void SplitTextInto(const QString &delim, const QString &text, QStringList &list)
{
    if (delim.isEmpty())
        return;
    list = SplitText(delim, text);
}

QStringList SplitUnescaped(const QString &delim, const QString &text)
{
    return SplitText(delim, UnescapeJsonVal(text));
}

void StripProvinceText(const QString &addr, QString &result, const QStringList &provinceAliases)
{
    result.clear();
    if (addr.isEmpty())
        return;
    // Most addresses do not start with a province alias (or have fewer than three words): they
    // are kept whole without being cut into words.
    const qsizetype firstSpace = addr.indexOf(QLatin1Char(' '));
    if (firstSpace < 0 || addr.indexOf(QLatin1Char(' '), firstSpace + 1) < 0
        || !provinceAliases.contains(QStringView(addr).left(firstSpace))) {
        result = addr;
        return;
    }
    const QStringList words = SplitText(QStringLiteral(" "), addr);
    if (words.size() > 2 && provinceAliases.contains(words.at(0))) {
        if (words.size() == 3)
            result = words.at(1) + QLatin1Char(' ') + words.at(2);
        else
            result = words.mid(2).join(QLatin1Char(' '));
        return;
    }
    result = addr;
}

QString GroupThousands(qint64 value)
{
    // The magnitude as unsigned, so even the most negative number has one.
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    const QString digits = QString::number(magnitude);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0)
        out.append(QLatin1Char('-'));
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(QLatin1Char(','));
        out.append(digits.at(i));
    }
    return out;
}

QString FormatMoney(const QString &text)
{
    double value = TextToFloatDef(text, 0.0);
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18)
        value = 0.0;
    return GroupThousands(qint64(std::round(value)));
}

int RoundUp(double x)
{
    const double whole = std::trunc(x);
    return int(whole) + ((x - whole) > 0.0 ? 1 : 0);
}

QByteArray PadRightAnsi(const QByteArray &text, int len, char ch)
{
    QByteArray out = text.trimmed();
    while (out.size() < len)
        out.append(ch);
    return out;
}

QByteArray PadLeftAnsi(const QByteArray &text, const QByteArray &pad, int len)
{
    QByteArray front;
    for (qsizetype i = text.size(); i < len; ++i)
        front.append(pad);
    return front + text;
}

double GetDistance(const QString &lng1, const QString &lat1, const QString &lng2, const QString &lat2)
{
    const double x1 = TextToFloatDef(lng1) * kDegToRad;
    const double y1 = TextToFloatDef(lat1) * kDegToRad;
    const double x2 = TextToFloatDef(lng2) * kDegToRad;
    const double y2 = TextToFloatDef(lat2) * kDegToRad;
    if (x1 == 0.0 || y1 == 0.0 || x2 == 0.0 || y2 == 0.0)
        return 0.0;
    double c = std::sin(y1) * std::sin(y2) + std::cos(y1) * std::cos(y2) * std::cos(x1 - x2);
    c = qBound(-1.0, c, 1.0);
    // Halves go to the even metre (round half to even), which stored distances rely on.
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double metres = std::nearbyint(std::acos(c) * kEarthRadiusM);
    std::fesetround(oldMode);
    return metres;
}

QString Base64Encode(const QString &text)
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    auto sym = [](uint v) { return v > 63 ? QLatin1Char(' ') : QLatin1Char(kAlphabet[v]); };
    QString out;
    const int n = int(text.size());
    int groups = 0;
    int i = 0;
    for (; i + 2 < n; i += 3) {
        const uint a = text.at(i).unicode(), b = text.at(i + 1).unicode(), c = text.at(i + 2).unicode();
        out.append(sym(a >> 2));
        out.append(sym(((a & 3) << 4) | (b >> 4)));
        out.append(sym(((b & 15) << 2) | (c >> 6)));
        out.append(sym(c & 63));
        if (++groups == 18) {
            out.append(QStringLiteral("\r\n"));
            groups = 0;
        }
    }
    const int rest = n - i;
    if (rest == 1) {
        const uint a = text.at(i).unicode();
        out.append(sym(a >> 2));
        out.append(sym((a & 3) << 4));
        out.append(QStringLiteral("==\r\n"));
    } else if (rest == 2) {
        const uint a = text.at(i).unicode(), b = text.at(i + 1).unicode();
        out.append(sym(a >> 2));
        out.append(sym(((a & 3) << 4) | (b >> 4)));
        out.append(sym((b & 15) << 2));
        out.append(QStringLiteral("=\r\n"));
    }
    return out;
}

QString EscapeCaption(const QString &s)
{
    QString out = s;
    out.replace(QLatin1Char('&'), QStringLiteral("&&"));
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    out.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return out;
}

QString IfThenStr(bool flag, const QString &a, const QString &b) { return flag ? a : b; }
int IfThenInt(bool flag, int a, int b) { return flag ? a : b; }
double IfThenFloat(bool flag, double ifTrue, double ifFalse) { return flag ? ifTrue : ifFalse; }
bool StrEqual(const QString &a, const QString &b) { return a == b; }

void SplitFilePath(QString &dir, QString &fileName, const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (cut < 0) {
        dir.clear();
        fileName.clear();
        return;
    }
    dir = path.left(cut + 1);
    fileName = path.mid(cut + 1);
}

double TextToFloatDef(const QString &text, double def)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : def;
}

int TextToIntDef(const QString &text, int def)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    return ok ? v : def;
}

QByteArray PackNibbles(const QByteArray &s, bool clear)
{
    if (clear)
        return QByteArray();
    QByteArray out;
    out.reserve(s.size() * 2);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(char(65 + (b & 15)));
        out.append(char(65 + (b >> 4)));
    }
    return out;
}

QByteArray UnpackNibbles(const QByteArray &s)
{
    QByteArray out;
    for (qsizetype i = 0; i + 1 < s.size(); i += 2) {
        const int lo = static_cast<unsigned char>(s.at(i)) - 65;
        const int hi = static_cast<unsigned char>(s.at(i + 1)) - 65;
        out.append(char((lo + hi * 16) & 0xFF));
    }
    return out;
}
