#pragma once

#include "settings/color_text.h"

#include <QList>
#include <QString>

struct TUSER_INFO;
struct TUSER_SET;
class TIniFile;

// What the main window's status bar shows for a logged-in user. Panels 2 (refresh picture) and 5
// are not texts; an unset panel keeps its design text.
struct StatusBarTexts
{
    QString panel[8];
    bool set[8] = {};
    bool testBuild = false;  // panel 6 shows "테스트" on red
};

// The design texts of the eight panels.
const QStringList &StatusBarDesignTexts();
// Panel widths in pixels before DPI scaling.
const QList<int> &StatusBarPanelWidths();

// testBuild: this program is the test edition's program. moneyWord: the edition's word for money.
StatusBarTexts StatusBarTextsFor(const TUSER_INFO &user, bool testBuild, const QString &moneyWord,
                                 const QString &version);
// The money panel alone (also rewritten by the balance refresh).
QString MoneyPanelText(const TUSER_INFO &user, const QString &moneyWord);
// "#,##0" of a whole number given as text; "0" when it is not one.
QString GroupedAmount(const QString &number);

// One order-status colour of the settings file's "Status" section.
struct StatusColour
{
    QString key;  // "CB_1001"
    TColor colour;
};
// The eleven keys in their order, read with their defaults.
QList<StatusColour> ReadStatusColours(const TIniFile *ini);
// procApplyStatusColor's logic part: reads the colours and sets the four map colours
// G_STATUS_COLOR_1002/2001/3001/3003. Returns what it read, for the boards' labels.
QList<StatusColour> ApplyStatusColours(const TIniFile *ini);

// Sounds: slot n plays the wave resource of that number; slot 10 has none (the desktop's
// default sound).
bool SoundMayPlay(const TUSER_SET &set);
// ":/sounds/wave<n>.wav", or empty for a slot without a sound file.
QString SoundFileOfSlot(int slot);
