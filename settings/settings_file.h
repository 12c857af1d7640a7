#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

// A profile (INI) file of [sections] and key=value lines, read and written one key per call the
// way classic profile files behave:
// - section and key names are matched without regard to case ("USER" and "User" are one section)
//   and with the blanks around them ignored, the same way by every operation, so a value written
//   under "SESSION " is read, found, deleted and erased under "SESSION " as well as "SESSION";
// - nothing is cached: every read looks at the file, every write reaches the file before it returns;
// - a missing file, section or key gives the caller's default;
// - the first section (and the first key in it) of a name wins when a hand-edited file repeats one;
// - values are trimmed, and one pair of surrounding quotes is removed, on reading.
// The file is UTF-8 text; a file that is not valid UTF-8 (an older installation's file,
// written in the Korean code page) is read as such and rewritten as UTF-8 at its next write.
// Writes keep every other line (comments, order, line-end style) as it was.
class TIniFile
{
public:
    explicit TIniFile(QString path);

    const QString &FileName() const { return m_path; }
    bool FileExists() const;

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // A value that is not a whole decimal number (optionally signed) gives def.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // Non-zero integer = true; a value that is not a number gives def.
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    // "yyyy-mm-dd"; anything else gives def.
    QDate ReadDate(const QString &section, const QString &key, const QDate &def) const;

    // False when the file cannot be read or written, or the section or key name cannot be stored in the
    // file (empty, or holding a line break, '=' in a key, ']' in a section). Line breaks inside a
    // value would split it into lines of their own, so they are stored as spaces.
    bool WriteString(const QString &section, const QString &key, const QString &value);
    bool WriteInteger(const QString &section, const QString &key, int value);
    bool WriteBool(const QString &section, const QString &key, bool value);
    bool WriteDate(const QString &section, const QString &key, const QDate &value);

    // A name that cannot stand in the file (see WriteString) names nothing: reads give the default
    // or nothing, and DeleteKey and EraseSection answer false without touching the file.
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    // Key names of the section in file order (empty when the section is missing).
    QStringList ReadSection(const QString &section) const;
    QStringList ReadSections() const;
    bool DeleteKey(const QString &section, const QString &key);
    bool EraseSection(const QString &section);

private:
    // readable is false when the file exists but could not be read; a write must then leave the
    // file alone rather than replace it with the one key it was given.
    QStringList readLines(bool *crlf, bool *readable = nullptr) const;
    bool writeLines(const QStringList &lines, bool crlf) const;
    // Reads the lines, lets edit change them and writes them back when it says it did. False
    // when the file could not be read or written.
    bool editLines(const std::function<bool(QStringList &lines)> &edit);

    QString m_path;
};

// The settings file of this PC (`<program name>_env.ini`), opened at the main window's creation.
// Null before that; readers must treat a null G_INI as "no settings file". Its path is G_INI_PATH
// of the session records.
extern TIniFile *G_INI;

// Replaces G_INI with a settings-file object on path (the file need not exist) and sets G_INI_PATH.
void OpenSettingsFile(const QString &path);
// Frees G_INI (close routine, tests).
void CloseSettingsFile();
