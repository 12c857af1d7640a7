#include "settings/settings_file.h"

#include "text/cp949.h"
#include "common/program_globals.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

TIniFile *G_INI = nullptr;

namespace
{
struct ParsedKey
{
    QString key;
    QString value;
};

bool isSectionHeader(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    *name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

bool parseKeyLine(const QString &line, ParsedKey *out)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    out->key = t.left(eq).trimmed();
    QString value = t.mid(eq + 1).trimmed();
    if (value.size() >= 2
        && ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            || (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\''))))) {
        value = value.mid(1, value.size() - 2);
    }
    out->value = value;
    return !out->key.isEmpty();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the header line of the first section called name, or -1.
qsizetype findSection(const QStringList &lines, const QString &name)
{
    QString found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isSectionHeader(lines.at(i), &found) && sameName(found, name))
            return i;
    }
    return -1;
}

// Index one past the last line of the section whose header is at start.
qsizetype sectionEnd(const QStringList &lines, qsizetype start)
{
    QString ignored;
    for (qsizetype i = start + 1; i < lines.size(); ++i) {
        if (isSectionHeader(lines.at(i), &ignored))
            return i;
    }
    return lines.size();
}

qsizetype findKey(const QStringList &lines, qsizetype from, qsizetype to, const QString &key, ParsedKey *hit)
{
    ParsedKey parsed;
    for (qsizetype i = from; i < to; ++i) {
        if (parseKeyLine(lines.at(i), &parsed) && sameName(parsed.key, key)) {
            if (hit)
                *hit = parsed;
            return i;
        }
    }
    return -1;
}

enum class NameKind
{
    Section,
    Key,
};

// The one form in which every operation looks a section or key name up and stores it: trimmed,
// as the file's own names are read. Nothing when the name cannot stand in the file (empty, a line
// break, ']' in a section, '=' in a key, a key that would read as a comment or a section header).
std::optional<QString> fileName(const QString &name, NameKind kind)
{
    const QString t = name.trimmed();
    if (t.isEmpty() || t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r')))
        return std::nullopt;
    if (kind == NameKind::Section) {
        if (t.contains(QLatin1Char(']')))
            return std::nullopt;
    } else if (t.contains(QLatin1Char('=')) || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('['))) {
        return std::nullopt;
    }
    return t;
}

// Both names in their file form; false when either cannot stand in the file.
bool fileNames(const QString &section, const QString &key, QString *sec, QString *k)
{
    const std::optional<QString> s = fileName(section, NameKind::Section);
    const std::optional<QString> kk = fileName(key, NameKind::Key);
    if (!s || !kk)
        return false;
    *sec = *s;
    *k = *kk;
    return true;
}

QString oneLine(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

bool parseWholeNumber(const QString &text, int *out)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok)
        *out = v;
    return ok;
}
} // namespace

TIniFile::TIniFile(QString path)
    : m_path(std::move(path))
{
}

bool TIniFile::FileExists() const
{
    return QFileInfo(m_path).isFile();
}

QStringList TIniFile::readLines(bool *crlf, bool *readable) const
{
    if (crlf)
        *crlf = false;
    if (readable)
        *readable = true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (readable)
            *readable = !file.exists();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (readable && file.error() != QFileDevice::NoError)
        *readable = false;
    file.close();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = Cp949::decode(bytes);
    if (crlf)
        *crlf = text.contains(QStringLiteral("\r\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool TIniFile::writeLines(const QStringList &lines, bool crlf) const
{
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString &line : lines)
        text += line + eol;
    QSaveFile file(m_path);
    // A folder we may not create files in still lets us rewrite the file itself.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool TIniFile::editLines(const std::function<bool(QStringList &lines)> &edit)
{
    bool crlf = false;
    bool readable = true;
    QStringList lines = readLines(&crlf, &readable);
    if (!readable)
        return false;
    if (!edit(lines))
        return true;
    return writeLines(lines, crlf);
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    QString sectionName;
    QString keyName;
    if (!fileNames(section, key, &sectionName, &keyName))
        return def;
    const QStringList lines = readLines(nullptr);
    const qsizetype sec = findSection(lines, sectionName);
    if (sec < 0)
        return def;
    ParsedKey hit;
    if (findKey(lines, sec + 1, sectionEnd(lines, sec), keyName, &hit) < 0)
        return def;
    return hit.value;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    if (!parseWholeNumber(ReadString(section, key, QString()), &value))
        return def;
    return value;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QDate TIniFile::ReadDate(const QString &section, const QString &key, const QDate &def) const
{
    const QDate d = QDate::fromString(ReadString(section, key, QString()), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? d : def;
}

bool TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    QString sectionName;
    QString keyName;
    if (!fileNames(section, key, &sectionName, &keyName))
        return false;
    const QString stored = oneLine(value);
    return editLines([&](QStringList &lines) {
        const qsizetype sec = findSection(lines, sectionName);
        if (sec < 0) {
            lines << QLatin1Char('[') + sectionName + QLatin1Char(']') << keyName + QLatin1Char('=') + stored;
            return true;
        }
        const qsizetype end = sectionEnd(lines, sec);
        ParsedKey hit;
        const qsizetype at = findKey(lines, sec + 1, end, keyName, &hit);
        if (at >= 0) {
            // Keep the spelling of the key that is already in the file.
            lines[at] = hit.key + QLatin1Char('=') + stored;
            return true;
        }
        qsizetype insertAt = sec + 1;
        for (qsizetype i = sec + 1; i < end; ++i) {
            if (!lines.at(i).trimmed().isEmpty())
                insertAt = i + 1;
        }
        lines.insert(insertAt, keyName + QLatin1Char('=') + stored);
        return true;
    });
}

bool TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::WriteDate(const QString &section, const QString &key, const QDate &value)
{
    return WriteString(section, key, value.toString(QStringLiteral("yyyy-MM-dd")));
}

bool TIniFile::SectionExists(const QString &section) const
{
    const std::optional<QString> sectionName = fileName(section, NameKind::Section);
    return sectionName && findSection(readLines(nullptr), *sectionName) >= 0;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    QString sectionName;
    QString keyName;
    if (!fileNames(section, key, &sectionName, &keyName))
        return false;
    const QStringList lines = readLines(nullptr);
    const qsizetype sec = findSection(lines, sectionName);
    return sec >= 0 && findKey(lines, sec + 1, sectionEnd(lines, sec), keyName, nullptr) >= 0;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    const std::optional<QString> sectionName = fileName(section, NameKind::Section);
    if (!sectionName)
        return keys;
    const QStringList lines = readLines(nullptr);
    const qsizetype sec = findSection(lines, *sectionName);
    if (sec < 0)
        return keys;
    const qsizetype end = sectionEnd(lines, sec);
    ParsedKey parsed;
    for (qsizetype i = sec + 1; i < end; ++i) {
        if (parseKeyLine(lines.at(i), &parsed)
            && !std::any_of(keys.cbegin(), keys.cend(), [&](const QString &k) { return sameName(k, parsed.key); }))
            keys << parsed.key;
    }
    return keys;
}

QStringList TIniFile::ReadSections() const
{
    QStringList names;
    QString name;
    for (const QString &line : readLines(nullptr)) {
        if (isSectionHeader(line, &name)
            && !std::any_of(names.cbegin(), names.cend(), [&](const QString &n) { return sameName(n, name); }))
            names << name;
    }
    return names;
}

bool TIniFile::DeleteKey(const QString &section, const QString &key)
{
    QString sectionName;
    QString keyName;
    if (!fileNames(section, key, &sectionName, &keyName))
        return false;
    return editLines([&](QStringList &lines) {
        const qsizetype sec = findSection(lines, sectionName);
        const qsizetype at = sec < 0 ? -1 : findKey(lines, sec + 1, sectionEnd(lines, sec), keyName, nullptr);
        if (at < 0)
            return false;
        lines.removeAt(at);
        return true;
    });
}

bool TIniFile::EraseSection(const QString &section)
{
    const std::optional<QString> sectionName = fileName(section, NameKind::Section);
    if (!sectionName)
        return false;
    return editLines([&](QStringList &lines) {
        const qsizetype sec = findSection(lines, *sectionName);
        if (sec < 0)
            return false;
        lines.erase(lines.begin() + sec, lines.begin() + sectionEnd(lines, sec));
        return true;
    });
}

void OpenSettingsFile(const QString &path)
{
    delete G_INI;
    G_INI = new TIniFile(path);
    G_INI_PATH = path;
}

void CloseSettingsFile()
{
    delete G_INI;
    G_INI = nullptr;
}
