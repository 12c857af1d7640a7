#include "dispatch/control_variant.h"

#include "settings/settings_file.h"

namespace
{
const QString kGeometrySection = QStringLiteral("WORK_CONTROL");

ControlPolicy makePolicy(ControlVariant v)
{
    ControlPolicy p;
    p.variant = v;
    switch (v) {
    case ControlVariant::Map:
        p.className = "TFRM_WORK_CONTROL2";
        p.caption = QStringLiteral("지도관제");
        p.minimumWidth = 1050;
        p.designWidth = 1922;
        p.designHeight = 702;
        p.shareFilter = true;
        p.waitingSwitch = true;
        p.radiusFilters = true;
        p.addrHint = QStringLiteral("도착지[F3]");
        p.storeHint = QStringLiteral("가맹점명[F2]");
        p.nameHint = QStringLiteral("배송원명[F1]");
        p.rowColours = true;
        break;
    case ControlVariant::Courier:
        p.className = "TFRM_WORK_CONTROL";
        p.caption = QStringLiteral("배송원관제");
        p.staysOnTop = true;
        p.minimumWidth = 1050;
        p.designWidth = 1234;
        p.designHeight = 702;
        p.shareFilter = true;
        p.addrHint = QStringLiteral("도   착   지");
        p.storeHint = QStringLiteral("가 맹 점 명");
        p.nameHint = QStringLiteral("배 송 원 명");
        p.initialRest = true;
        p.rowColours = true;
        p.phoneInName = true;
        break;
    case ControlVariant::OrderCentred:
        p.className = "TFRM_WORK_CONTROL_O";
        p.caption = QStringLiteral("배송원관제(주문관제)");
        p.staysOnTop = true;
        p.designWidth = 1541;
        p.designHeight = 745;
        p.waitingHeaders = false;
        p.nameHint = QStringLiteral("배 송 원 명");
        p.initialRest = true;
        p.cards = true;
        break;
    }
    return p;
}
} // namespace

ControlVariant ControlVariantFor(const QString &viewWorkControlType)
{
    if (viewWorkControlType == QLatin1String("2"))
        return ControlVariant::Courier;
    if (viewWorkControlType == QLatin1String("3"))
        return ControlVariant::Map;
    return ControlVariant::OrderCentred;
}

int ControlPolicy::stripHeight(int rows) const
{
    if (rows <= 0)
        return 1;
    return variant == ControlVariant::Map ? 110 : rows * 27 + 2;
}

const ControlPolicy &PolicyOf(ControlVariant variant)
{
    static const ControlPolicy policies[] = {makePolicy(ControlVariant::Map), makePolicy(ControlVariant::Courier),
                                             makePolicy(ControlVariant::OrderCentred)};
    return policies[int(variant)];
}

void ControlMapLevels(ControlVariant variant, const QString &mapGubun, QString *all, QString *one)
{
    const bool kind1 = mapGubun == QLatin1String("1");
    if (variant == ControlVariant::OrderCentred) {
        *all = kind1 ? QStringLiteral("7") : QStringLiteral("8");
        *one = kind1 ? QStringLiteral("6") : QStringLiteral("9");
    } else {
        *all = kind1 ? QStringLiteral("6") : QStringLiteral("9");
        *one = kind1 ? QStringLiteral("5") : QStringLiteral("10");
    }
}

ControlGeometry ReadControlGeometry(const TIniFile *ini, const ControlGeometry &defaults)
{
    ControlGeometry g = defaults;
    if (!ini)
        return g;
    g.left = ini->ReadInteger(kGeometrySection, QStringLiteral("Left"), defaults.left);
    g.top = ini->ReadInteger(kGeometrySection, QStringLiteral("Top"), defaults.top);
    g.width = ini->ReadInteger(kGeometrySection, QStringLiteral("Width"), defaults.width);
    // The height key has always been spelled this way in users' files.
    g.height = ini->ReadInteger(kGeometrySection, QStringLiteral("Heigth"), defaults.height);
    g.waitingWidth = ini->ReadInteger(kGeometrySection, QStringLiteral("Left1Width"), defaults.waitingWidth);
    g.toolWidth = ini->ReadInteger(kGeometrySection, QStringLiteral("AdvToolWidth"), defaults.toolWidth);
    return g;
}

void WriteControlGeometry(TIniFile *ini, const ControlGeometry &g)
{
    if (!ini)
        return;
    ini->WriteInteger(kGeometrySection, QStringLiteral("Left1Width"), g.waitingWidth);
    ini->WriteInteger(kGeometrySection, QStringLiteral("AdvToolWidth"), g.toolWidth);
    ini->WriteInteger(kGeometrySection, QStringLiteral("Top"), g.top);
    ini->WriteInteger(kGeometrySection, QStringLiteral("Left"), g.left);
    ini->WriteInteger(kGeometrySection, QStringLiteral("Width"), g.width);
    ini->WriteInteger(kGeometrySection, QStringLiteral("Heigth"), g.height);
}
