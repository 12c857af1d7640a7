#pragma once

#include <QString>

#include <cstdint>

class TIniFile;

// Colours as the settings file stores them: a colour constant name ("clRed", "clWindow") or a
// number whose low three bytes are blue, green, red ("$000080FF" is orange). Values with the
// high byte 0xFF name a system colour (window, button face...) that the screen maps to its
// palette; the logic layer has no palette, so colours stay numbers here.
using TColor = std::int32_t;

constexpr TColor ColorFromRgb(int r, int g, int b)
{
    return static_cast<TColor>((static_cast<std::uint32_t>(b & 0xFF) << 16)
                               | (static_cast<std::uint32_t>(g & 0xFF) << 8)
                               | static_cast<std::uint32_t>(r & 0xFF));
}
constexpr int ColorRed(TColor c) { return c & 0xFF; }
constexpr int ColorGreen(TColor c) { return (c >> 8) & 0xFF; }
constexpr int ColorBlue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor kSystemColorFlag = static_cast<TColor>(0xFF000000u);
constexpr TColor clWindow = kSystemColorFlag | 5;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clBtnFace = kSystemColorFlag | 15;

constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }
// Index of the system colour (0 scroll bar, 5 window, 15 button face, ...).
constexpr int SystemColorIndex(TColor c) { return c & 0xFF; }

// Constant name when the colour has one, otherwise "$" and eight upper-case hex digits.
QString ColorToString(TColor color);
// Accepts a constant name (any case), "$hex", "0xhex" or a decimal number. False for anything else.
bool StringToColor(const QString &text, TColor *color);

// Reads a colour key. A missing or unreadable value gives def; when the settings file does not
// exist at all the system window colour is given instead, whatever def is.
TColor ReadIniColor(const TIniFile &ini, const QString &section, const QString &key, TColor def);
bool WriteIniColor(TIniFile &ini, const QString &section, const QString &key, TColor color);
