#include "settings/color_text.h"

#include "settings/settings_file.h"

#include <array>

namespace
{
struct NamedColor
{
    const char *name;
    std::uint32_t value;
};

// First name wins when converting a value to text (clLtGray and clDkGray are spellings only).
constexpr std::array kNamedColors{
    NamedColor{"clBlack", 0x000000},
    NamedColor{"clMaroon", 0x000080},
    NamedColor{"clGreen", 0x008000},
    NamedColor{"clOlive", 0x008080},
    NamedColor{"clNavy", 0x800000},
    NamedColor{"clPurple", 0x800080},
    NamedColor{"clTeal", 0x808000},
    NamedColor{"clGray", 0x808080},
    NamedColor{"clSilver", 0xC0C0C0},
    NamedColor{"clRed", 0x0000FF},
    NamedColor{"clLime", 0x00FF00},
    NamedColor{"clYellow", 0x00FFFF},
    NamedColor{"clBlue", 0xFF0000},
    NamedColor{"clFuchsia", 0xFF00FF},
    NamedColor{"clAqua", 0xFFFF00},
    NamedColor{"clWhite", 0xFFFFFF},
    NamedColor{"clMoneyGreen", 0xC0DCC0},
    NamedColor{"clSkyBlue", 0xF0CAA6},
    NamedColor{"clCream", 0xF0FBFF},
    NamedColor{"clMedGray", 0xA4A0A0},
    NamedColor{"clActiveBorder", 0xFF00000A},
    NamedColor{"clActiveCaption", 0xFF000002},
    NamedColor{"clAppWorkSpace", 0xFF00000C},
    NamedColor{"clBackground", 0xFF000001},
    NamedColor{"clBtnFace", 0xFF00000F},
    NamedColor{"clBtnHighlight", 0xFF000014},
    NamedColor{"clBtnShadow", 0xFF000010},
    NamedColor{"clBtnText", 0xFF000012},
    NamedColor{"clCaptionText", 0xFF000009},
    NamedColor{"clDefault", 0x20000000},
    NamedColor{"clGradientActiveCaption", 0xFF00001B},
    NamedColor{"clGradientInactiveCaption", 0xFF00001C},
    NamedColor{"clGrayText", 0xFF000011},
    NamedColor{"clHighlight", 0xFF00000D},
    NamedColor{"clHighlightText", 0xFF00000E},
    NamedColor{"clHotLight", 0xFF00001A},
    NamedColor{"clInactiveBorder", 0xFF00000B},
    NamedColor{"clInactiveCaption", 0xFF000003},
    NamedColor{"clInactiveCaptionText", 0xFF000013},
    NamedColor{"clInfoBk", 0xFF000018},
    NamedColor{"clInfoText", 0xFF000017},
    NamedColor{"clMenu", 0xFF000004},
    NamedColor{"clMenuBar", 0xFF00001E},
    NamedColor{"clMenuHighlight", 0xFF00001D},
    NamedColor{"clMenuText", 0xFF000007},
    NamedColor{"clNone", 0x1FFFFFFF},
    NamedColor{"clScrollBar", 0xFF000000},
    NamedColor{"cl3DDkShadow", 0xFF000015},
    NamedColor{"cl3DLight", 0xFF000016},
    NamedColor{"clWindow", 0xFF000005},
    NamedColor{"clWindowFrame", 0xFF000006},
    NamedColor{"clWindowText", 0xFF000008},
    NamedColor{"clLtGray", 0xC0C0C0},
    NamedColor{"clDkGray", 0x808080},
};
} // namespace

QString ColorToString(TColor color)
{
    const auto value = static_cast<std::uint32_t>(color);
    for (const NamedColor &named : kNamedColors) {
        if (named.value == value)
            return QString::fromLatin1(named.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

bool StringToColor(const QString &text, TColor *color)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (const NamedColor &named : kNamedColors) {
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            *color = static_cast<TColor>(named.value);
            return true;
        }
    }
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    // A colour is a 32-bit value; a signed decimal is how a negative (system) colour prints.
    if (!ok || v > 0xFFFFFFFFLL || v < -0x80000000LL)
        return false;
    *color = static_cast<TColor>(static_cast<std::uint32_t>(v & 0xFFFFFFFFLL));
    return true;
}

TColor ReadIniColor(const TIniFile &ini, const QString &section, const QString &key, TColor def)
{
    if (!ini.FileExists())
        return clWindow;
    TColor color = def;
    if (!StringToColor(ini.ReadString(section, key, QString()), &color))
        return def;
    return color;
}

bool WriteIniColor(TIniFile &ini, const QString &section, const QString &key, TColor color)
{
    return ini.WriteString(section, key, ColorToString(color));
}
