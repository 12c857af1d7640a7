#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cstdint>

// The general options of the settings screen. Each control sets its field of the session
// records and writes its key of the settings file at once; nothing waits for a save.

// A check box or radio button bound to one key. For a radio button `set` runs only when it
// becomes checked.
struct SettingsOption
{
    QString control;  // the control's name ("CCB_ALAM_LOGIN")
    QString caption;
    QString section;
    QString key;
    bool radio = false;
};

// Every check box and plain radio button of the two general tabs, in screen order.
const QList<SettingsOption> &SettingsOptions();
// Whether the control shows checked for the in-memory records.
bool SettingsOptionChecked(const QString &control);
// The control changed to checked: stores the field and writes the key.
void SetSettingsOption(const QString &control, bool checked);

// Status-time formats: position 0..3 (statuses 2001, 3001, 3003, 4001), value "0".."2". True when
// the value differs from the stored one (the caller then tells the user when it applies).
bool SetOrderTimeFormat(int position, const QString &value);
inline constexpr char kOrderTimeFormatMsg[] = "배달 && 테이크에서 초기화 검색 이후 적용됩니다.";

// Control-screen choice: type "1" order control, "2" courier control, "3" map control. courierUp:
// "위로표시" is checked; mapOrderFirst: "주문 + 배송원" is checked. True when the type changed.
bool ChooseControlScreen(const QString &type, bool courierUp, bool mapOrderFirst);
// A layout button changed; true when the layout value changed.
bool ChooseControlLayout(bool courierLeft, bool mapOrderFirst);
inline constexpr char kRestartMsg[] = "프로그램을 재시작 하여야 정상적으로 적용됩니다.";

// The font-size list's text as the stored size (10 when it is not a number).
int SetOrderFontSize(const QString &text);

// The six list colours (colour values are 0xRRGGBB).
struct SettingsColour
{
    QString control;
    QString key;
};
const QList<SettingsColour> &SettingsColours();
std::uint32_t SettingsColourValue(int index);
void SetSettingsColour(int index, std::uint32_t rgb);
// The thirteen colours the colour boxes offer, in order.
const QList<std::uint32_t> &SettingsPalette();

// Hidden order-list columns, section [ORD_COLUMN]. HiddenColumns: the captions the section
// marks hidden among the given ones. WriteHiddenColumns rewrites the whole section: every
// non-empty caption with "0" when hidden, "1" when shown.
QStringList HiddenColumns(const QStringList &captions);
void WriteHiddenColumns(const QList<QPair<QString, bool>> &items);

// The login keep-alive time: G_SESSION_SEC and [SESSION] <user ID>.
void SaveSessionSeconds(const QString &seconds);
// The keep-alive list: text and seconds.
QList<QPair<QString, int>> SessionTimeChoices();
