#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class TIniFile;

// What the start reads from the settings file into the session and device records. Each reader
// takes the file (null: a missing file, every key at its default) and only fills records; opening
// devices is the device start's business.

// Screen choices of the settings file that belong to widgets rather than to a record; the screens
// that own the widgets read them from here when they are made.
struct TSTART_VIEW
{
    bool MainStatusTel = true;      // telephone column of the store-status panel
    bool MainStatusAccount = true;  // account column
    bool MainStatusWkDay = true;    // working-time and working-day columns
    int OrdDisPos = 9;              // slider of today's orders
    int OrdOldDisPos = 9;           // slider of past orders
};
extern TSTART_VIEW G_START_VIEW;

// The user options, delivery link, caller-ID server, telephone service and partner POS settings
// in the start's reading order; the saved login (ID, password, save flags, server mode) is read by
// the login. Also sets G_USER_INFO.MC, G_USER_SET.ACC_START and G_SESSION_SEC for the saved ID.
void ReadStartSettings(const TIniFile *ini);

// The two serial caller-ID boxes ("COMCID1/2") and the multi-line settings ("MULTI_COMCID1/2").
void ReadCallerIdSettings(const TIniFile *ini);
// The four receipt printer slots ("Print1".."Print4").
void ReadPrinterSettings(const TIniFile *ini);

// A colour of the settings file as 0xRRGGBB; system colours become the light palette's
// colours (window white, window text black, others light grey).
std::uint32_t SettingsColorRgb(const QString &colourText);
