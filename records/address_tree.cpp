#include "records/address_tree.h"

#include "common/daily_log.h"
#include "records/address_texts.h"
#include "records/message_records.h"
#include "records/session_records.h"
#include "settings/address_region.h"
#include "text/cp949.h"
#include "text/text_helpers.h"

#include <QFile>

#include <algorithm>

namespace
{
// A region file is a few hundred kilobytes; anything far beyond that is not one of ours.
constexpr qint64 kMaxRegionFileBytes = 64 * 1024 * 1024;
constexpr int kMaxLineBytes = 64 * 1024;
const QString kSejong = QStringLiteral("세종");

QStringList readLines(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly) && file.size() <= kMaxRegionFileBytes;
    if (!*ok)
        return {};
    QStringList lines;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxLineBytes);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLatin1(line);
    }
    return lines;
}

void insertSorted(QStringList &list, const QString &text)
{
    const auto it = std::lower_bound(list.begin(), list.end(), text);
    if (it == list.end() || *it != text)
        list.insert(it, text);
}

void raiseWordAddrNo(int addrNo)
{
    bool ok = false;
    const qint64 current = G_USER_SET.WORD_ADDR_NO.toLongLong(&ok);
    if (!ok || addrNo > current)
        G_USER_SET.WORD_ADDR_NO = QString::number(addrNo);
}
} // namespace

int ProvinceNumber(const QString &province)
{
    for (int i = 1; i <= kAddrAreaCount; ++i) {
        if (G_ADDR_AREA_NAMES[i] == province)
            return i;
    }
    return 0;
}

QString ProvinceFileName(int number, const QString &serverMode)
{
    const QString prefix = serverMode == QLatin1String("T") ? QStringLiteral("T") : QString();
    return prefix + QStringLiteral("ADDR_%1.dat").arg(number, 2, 10, QLatin1Char('0'));
}

TADDR_2 &FindOrAddDistrict(TADDR_1 &province, const QString &name)
{
    if (TADDR_2 *d = province.ADDR2.find(name))
        return *d;
    const QStringList &names = province.SL_ADDR2();
    const int at = int(std::lower_bound(names.begin(), names.end(), name) - names.begin());
    TADDR_2 &d = province.ADDR2.insert(at, name);
    d.ADDR2 = name;
    return d;
}

bool LoadRegionList(const QString &path)
{
    bool ok = false;
    const QStringList lines = readLines(path, &ok);
    if (!ok)
        return false;
    for (int n = 0; n < lines.size(); ++n) {
        if (lines.at(n).isEmpty())
            continue;
        const QStringList f = Cp949::decode(lines.at(n).toLatin1()).split(QLatin1Char('|'));
        if (f.size() < 5) {
            WriteLog(QStringLiteral("addr1.dat line ") + QString::number(n + 1) + QStringLiteral(" skipped: short line"));
            continue;
        }
        const QString &provinceName = f.at(1);
        TADDR_1 *province = G_ADDR_1.find(provinceName);
        if (!province) {
            province = &G_ADDR_1.append(provinceName);
            province->ADDR1 = provinceName;
        }
        const QString district = f.at(2).isEmpty() ? provinceName : f.at(2);
        TADDR_2 &d = FindOrAddDistrict(*province, district);
        insertSorted(d.SL_ADDR3, f.at(3));
        insertSorted(d.SL_ADDR8, f.at(4));
    }
    return true;
}

bool AddAddressFields(TADDR_1 &province, const QStringList &f, bool fromServer, const QString &origin)
{
    if (f.size() < 15) {
        WriteLog(origin + QStringLiteral(" skipped: short line (") + QString::number(f.size()) + QStringLiteral(" fields)"));
        return false;
    }
    QString district = f.at(4);
    if (district.isEmpty()) {
        if (province.ADDR1 != kSejong)
            return false;
        district = f.at(3);
    }
    TADDR_2 &d = FindOrAddDistrict(province, district);
    TADDR_INFO &e = d.ADDR_INFO.append(f.at(0));
    e.ADDR_NO = TextToIntDef(f.at(0), 0);
    e.KEYWORD_NO = TextToIntDef(f.at(1), 0);
    e.KEYWORD_TEXT = f.at(2);
    e.ADDR_3 = f.at(5);
    e.ADDR_4 = f.at(6);
    e.ADDR_6 = f.at(7);
    e.ADDR_8 = f.at(8);
    e.ADDR_9 = f.at(9);
    e.ADDR_10 = f.at(10);
    e.ADDR_11 = f.at(11);
    e.ADDR_12 = f.at(12);
    e.lat_y = TextToFloatDef(f.at(13), 0.0);
    e.lng_x = TextToFloatDef(f.at(14), 0.0);
    if (f.size() > 15)
        e.WORD_ADDR = f.at(15);
    if (fromServer && f.size() > 16)
        e.ADDR_13 = f.at(16);
    e.ADDR_7 = e.KEYWORD_TEXT + QStringLiteral("\r\n") + ShortAddrText(e.ADDR_4, e.ADDR_8);
    raiseWordAddrNo(e.ADDR_NO);
    return true;
}

int LoadAddressFile(TADDR_1 &province, const QString &path)
{
    bool ok = false;
    const QStringList lines = readLines(path, &ok);
    if (!ok)
        return -1;
    const QString name = path.section(QLatin1Char('/'), -1);
    int stored = 0;
    for (int n = 0; n < lines.size(); ++n) {
        if (lines.at(n).isEmpty())
            continue;
        const QString text = Cp949::decode(UnpackNibbles(lines.at(n).toLatin1()));
        if (AddAddressFields(province, text.split(QLatin1Char('|')), false,
                             name + QStringLiteral(" line ") + QString::number(n + 1)))
            ++stored;
    }
    return stored;
}
