#include "sandbox/sandbox_random.h"

#include <QCryptographicHash>

#include <cmath>

SandboxRandom SandboxRandom::forArea(quint32 worldSeed, const QString &area)
{
    const QByteArray digest = QCryptographicHash::hash(area.toUtf8(), QCryptographicHash::Sha256);
    quint32 mix = 0;
    for (int i = 0; i < 4; ++i)
        mix = (mix << 8) | quint8(digest.at(i));
    return SandboxRandom(worldSeed ^ mix);
}

int SandboxRandom::between(int low, int high)
{
    if (high <= low)
        return low;
    return low + int(m_gen.bounded(quint32(high - low) + 1u));
}

double SandboxRandom::real(double low, double high)
{
    return low + m_gen.generateDouble() * (high - low);
}

bool SandboxRandom::chance(double probability)
{
    return m_gen.generateDouble() < probability;
}

QString SandboxRandom::personName()
{
    static const QStringList surnames = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임",
                                         "한", "오", "서", "신", "권", "황", "안", "송", "류", "홍"};
    static const QStringList given = {"민준", "서연", "도윤", "지우", "하준", "서윤", "은우", "하은",
                                      "지호", "민서", "현우", "지민", "준서", "수아", "예준", "지유",
                                      "건우", "채원", "우진", "다은", "선호", "유진", "태윤", "소율",
                                      "성민", "예린", "동현", "수빈", "재원", "나연"};
    return pick(surnames) + pick(given);
}

QString SandboxRandom::digits(int count)
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(QChar(u'0' + between(0, 9)));
    return out;
}

QString SandboxRandom::mobile()
{
    return QStringLiteral("010") + QString::number(between(2, 9)) + digits(7);
}

QString SandboxRandom::landline(const QString &areaCode)
{
    return areaCode + QString::number(between(2, 9)) + digits(areaCode == QLatin1String("02") ? 7 : 6);
}

QPair<QString, QString> SandboxRandom::near(double lng, double lat, double radiusMetres)
{
    // About 111 km per degree of latitude; a degree of longitude shrinks with the latitude.
    const double angle = real(0.0, 2.0 * M_PI);
    const double dist = radiusMetres * std::sqrt(real(0.0, 1.0));
    const double dLat = dist * std::sin(angle) / 111000.0;
    const double dLng = dist * std::cos(angle) / (111000.0 * std::cos(lat * M_PI / 180.0));
    return {QString::number(lng + dLng, 'f', 7), QString::number(lat + dLat, 'f', 7)};
}
