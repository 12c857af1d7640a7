// Arbitrary bytes as a settings file (hand-edited, damaged, or in the old code page): every read
// must give a value or the default, and a key written must read back.
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace
{
struct TempFile
{
    QString path = QDir::tempPath() + QStringLiteral("/settings_file_fuzz_%1.ini").arg(QCoreApplication::applicationPid());
    ~TempFile() { QFile::remove(path); }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TempFile file;
    {
        QFile out(file.path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TIniFile ini(file.path);
    const QStringList sections = ini.ReadSections();
    for (qsizetype s = 0; s < std::min<qsizetype>(sections.size(), 4); ++s) {
        const QString &section = sections.at(s);
        if (!ini.SectionExists(section))
            std::abort();
        const QStringList keys = ini.ReadSection(section);
        for (qsizetype k = 0; k < std::min<qsizetype>(keys.size(), 4); ++k) {
            if (!ini.ValueExists(section, keys.at(k)))
                std::abort();
            ini.ReadString(section, keys.at(k), QString());
            ini.ReadInteger(section, keys.at(k), -7);
            ini.ReadBool(section, keys.at(k), true);
            ini.ReadDate(section, keys.at(k), QDate());
        }
    }
    ini.ReadInteger(QStringLiteral("USER"), QStringLiteral("ID"), 0);
    ini.ReadString(QStringLiteral("ENV"), QStringLiteral("FONT_SIZE"), QStringLiteral("9"));

    // A write keeps the rest of the file and reads back as written.
    const QString value = QStringLiteral("값 1");
    if (!ini.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Key"), value)
        || ini.ReadString(QStringLiteral("fuzz"), QStringLiteral("KEY"), QString()) != value)
        std::abort();
    if (ini.ReadSections().size() < sections.size())
        std::abort();
    ini.DeleteKey(QStringLiteral("Fuzz"), QStringLiteral("Key"));
    if (!sections.isEmpty())
        ini.EraseSection(sections.constLast());
    return 0;
}
