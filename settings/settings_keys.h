#pragma once

#include <QDate>
#include <QList>
#include <QString>

class TIniFile;

// The keys of the settings file that the program reads at start, with their value forms and
// defaults, in reading order. The start-up fills the session and device records from them; the
// settings screen writes the same keys one at a time.
enum class IniForm
{
    Text,    // cut to maxLen characters when maxLen > 0
    Integer, // not a whole number -> default
    Bool,    // integer, non-zero = true; read back as "1" / "0"
    Colour,  // colour text; read back in canonical form
    Date,    // "yyyy-mm-dd"; an empty default means today
    Packed,  // letters made by PackNibbles; read back unpacked
    Secret,  // a password: kept in the system keyring, never in the file
};

struct IniKeyDef
{
    QString section;
    QString key;
    IniForm form = IniForm::Text;
    QString def;
    int maxLen = 0;
};

// Every fixed key, in the order the start-up reads them. Indexed keys are expanded ("CH0".."CH7",
// sections "Print1".."Print4"); the "ILEN"-long delivery lists, "SESSION"/<login ID> and the
// "CHECK_BR" section depend on values and are read by their own helpers.
const QList<IniKeyDef> &SettingsKeysAtStart();
// The definition of a fixed key (names compared without regard to case), or nullptr.
const IniKeyDef *FindSettingsKey(const QString &section, const QString &key);

// The value of a key as text with its default applied: missing file, section or key, a number
// that is not one, and a text that is too long all end up as the key's rule says. A null ini reads
// as a missing file. Secrets come from the keyring (an empty text when there is none).
QString ReadSettingsValue(const TIniFile *ini, const IniKeyDef &def);
// Shorthands on G_INI for fixed keys; an unknown key reads as an empty text / 0.
QString SettingsText(const QString &section, const QString &key);
int SettingsInt(const QString &section, const QString &key);

// The saved login of section "USER".
struct SavedLogin
{
    QString id;
    QString password;
    bool saveId = false;
    bool savePassword = false;
    QString gubun;
};
// Reads it. A password found in the file (left there by an older installation) is
// moved into the keyring and removed from the file; without a keyring it is removed all the same
// and not used.
SavedLogin ReadSavedLogin(TIniFile *ini);
// What the login dialog stores: "SAVEID", "ID" (packed, or empty when not saved), "SAVEPW",
// "GUBUN"; the password goes to the keyring when savePassword is set and one is available,
// otherwise it is not saved and the user is told once. "PW" in the file is always left empty.
// False when the file could not be written.
bool WriteSavedLogin(TIniFile *ini, const SavedLogin &login);

// A password kept for a settings key ("KTCID"/"PW", "User"/"BT_PW"): into the keyring when one is
// available, otherwise dropped with the one-time notice. The file key is cleared in both cases.
bool WriteSecretSetting(TIniFile *ini, const QString &section, const QString &key, const QString &secret);
QString ReadSecretSetting(TIniFile *ini, const QString &section, const QString &key);

// Entries 0..ILEN-1 of "BST_NAME_LIST<i>" or "ST_NO_LIST<i>" of section "DELIVERY_SET". A
// damaged "ILEN" (a count in the millions) would stall the start on millions of file reads, so
// at most kMaxDeliveryListLen entries are read.
inline constexpr int kMaxDeliveryListLen = 1000;
QStringList ReadDeliveryList(const TIniFile *ini, const QString &prefix);
// Key names of section "CHECK_BR" + hd + br (the ticked branch codes).
QStringList ReadCheckedBranches(const TIniFile *ini, const QString &hd, const QString &br);
// The idle time of the user in seconds as stored, or an empty text when none was chosen.
QString ReadSessionSeconds(const TIniFile *ini, const QString &loginId);
