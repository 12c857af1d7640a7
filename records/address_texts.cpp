#include "records/address_texts.h"

#include "records/business_rules.h"
#include "records/reference_lookups.h"
#include "text/text_helpers.h"

namespace
{
// The address without its first two words; a shorter address whole.
QString withoutProvinceAndDistrict(const QString &addr)
{
    const QStringList words = SplitText(QStringLiteral(" "), addr);
    if (words.size() < 3)
        return addr;
    return words.mid(2).join(QLatin1Char(' '));
}

QString stripped(const QString &addr)
{
    QString result;
    StripProvinceText(addr, result);
    return result;
}
} // namespace

QString ShortAddrText(const QString &lotAddr, const QString &roadAddr)
{
    if (lotAddr.isEmpty() && roadAddr.isEmpty())
        return QString();
    if (roadAddr.isEmpty())
        return withoutProvinceAndDistrict(lotAddr);
    const QString roadRest = withoutProvinceAndDistrict(roadAddr);
    if (lotAddr.isEmpty())
        return roadRest;
    QString lotRest = withoutProvinceAndDistrict(lotAddr);
    const QString bracketed = QLatin1Char('[') + roadRest + QLatin1Char(']');
    lotRest.remove(bracketed);
    return lotRest + bracketed;
}

QString AddrRoadText(const QString &addr, const QString &roadAddr)
{
    if (addr.isEmpty())
        return roadAddr;
    if (roadAddr.isEmpty())
        return addr;
    return addr + QLatin1Char('[') + withoutProvinceAndDistrict(roadAddr) + QLatin1Char(']');
}

QString MakeAddrText(const QString &lotAddr, const QString &inputAddr, const QString &roadAddr,
                     const QString &appAddr, const QString &building, int modCount)
{
    const QString lot = stripped(lotAddr);
    const QString input = stripped(inputAddr);
    const QString road = stripped(roadAddr);
    const QString app = stripped(appAddr);
    const QString roadPart = road.isEmpty() ? QString() : QLatin1Char('[') + road + QLatin1Char(']');
    QString text;
    if (modCount == 0 && !app.isEmpty())
        text = app + roadPart;
    else
        text = lot + QLatin1Char(' ') + input + QLatin1Char(' ') + roadPart;
    if (!building.isEmpty() && PosIgnoreSpace(building, text) == 0)
        text += building;
    return text;
}
