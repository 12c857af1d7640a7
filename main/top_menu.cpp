#include "main/top_menu.h"

#include "records/session_records.h"

#include <QUrl>

namespace
{
QChar userClass(const QString &userTypeCd)
{
    return userTypeCd.isEmpty() ? QChar() : userTypeCd.at(0);
}
} // namespace

const QList<TopButtonInfo> &TopButtons()
{
    static const QList<TopButtonInfo> buttons = {
        {TopButton::Home, QStringLiteral("cxButton3"), QStringLiteral("홈"), true, false},
        {TopButton::Reception, QStringLiteral("cxButton1"), QStringLiteral("접수"), true, false},
        {TopButton::Print, QStringLiteral("btnMainTopPrint"), QStringLiteral("인쇄"), false, false},
        {TopButton::Today, QStringLiteral("cxButton5"), QStringLiteral("배달&TAKE"), true, false},
        {TopButton::Past, QStringLiteral("cxButton14"), QStringLiteral("과거배송"), true, false},
        {TopButton::Product, QStringLiteral("btnMainTopProduct"), QStringLiteral("상품"), true, false},
        {TopButton::Config, QStringLiteral("cxButton7"), QStringLiteral("설정"), true, false},
        {TopButton::Admin, QStringLiteral("btnMainTopAdmin"), QStringLiteral("관리자웹"), false, false},
        {TopButton::Calculate, QStringLiteral("btnMainTopCalculate"), QStringLiteral("정산"), true, false},
        {TopButton::Worker, QStringLiteral("btnMainTopWorker"), QStringLiteral("직원"), true, false},
        {TopButton::MyInfo, QStringLiteral("btnMainTopMyInfo"), QStringLiteral("가맹점"), true, false},
        {TopButton::Statistic, QStringLiteral("btnMainTopStatistic"), QStringLiteral("통계"), true, false},
        {TopButton::WorkControl, QStringLiteral("btnMainTopWorkControl"), QStringLiteral("관제"), false, false},
        {TopButton::Refresh, QStringLiteral("btnMainTopRefresh"), QStringLiteral("동기화"), false, true},
        {TopButton::Remote, QStringLiteral("btnMainTopRemote"), QStringLiteral("원격"), false, true},
    };
    return buttons;
}

const TopButtonInfo &TopButtonOf(TopButton button)
{
    for (const TopButtonInfo &info : TopButtons())
        if (info.button == button)
            return info;
    return TopButtons().first();
}

TopMenuRights TopMenuRightsFor(const TUSER_INFO &user, bool anyPrinterUsed)
{
    // A smaller grade holds more rights; level n is open to grades n and smaller.
    const auto grade = [&user](int level) { return level >= user.UserAuthGrade; };
    const QChar cls = userClass(user.USER_TYPE_CD);
    const bool distributorOrHead = cls == QLatin1Char('5') || cls == QLatin1Char('7');

    TopMenuRights r;
    auto set = [&r](TopButton b, bool enabled, bool visible = true) {
        r.state[static_cast<int>(b)] = {enabled, visible};
    };
    set(TopButton::Home, true);
    set(TopButton::Reception, grade(3) && (user.SAMEDAY_NORMAL_TYPE == 1 || cls == QLatin1Char('7')));
    set(TopButton::Print, anyPrinterUsed);
    set(TopButton::Today, grade(4));
    set(TopButton::Past, grade(3));
    set(TopButton::Product, grade(3));
    set(TopButton::Config, grade(3));
    set(TopButton::Admin, grade(1));
    set(TopButton::Calculate, grade(2), distributorOrHead);
    set(TopButton::Worker, grade(3), distributorOrHead);
    set(TopButton::MyInfo, grade(3), distributorOrHead);
    set(TopButton::Statistic, grade(2));
    set(TopButton::WorkControl, true,
        user.BR_DVRY_YN == QLatin1String("Y") || (cls == QLatin1Char('7') && user.DVRY_MNG_YN == QLatin1String("Y")));
    set(TopButton::Refresh, true);
    set(TopButton::Remote, true);
    r.sidePanelsVisible = grade(3);
    r.dvryGrpSetVisible = grade(3);
    r.connectViewLeft = user.BR_DVRY_YN != QLatin1String("Y") && !r.dvryGrpSetVisible;
    return r;
}

QString ScreenOfButton(TopButton button)
{
    switch (button) {
    case TopButton::Home: return QString::fromLatin1(ScreenName::kHome);
    case TopButton::Reception: return QString::fromLatin1(ScreenName::kReception);
    case TopButton::Today: return QString::fromLatin1(ScreenName::kToday);
    case TopButton::Past: return QString::fromLatin1(ScreenName::kPast);
    case TopButton::Product: return QString::fromLatin1(ScreenName::kProduct);
    case TopButton::Config: return QString::fromLatin1(ScreenName::kConfig);
    case TopButton::Calculate: return QString::fromLatin1(ScreenName::kCalculate);
    case TopButton::Worker: return QString::fromLatin1(ScreenName::kStaff);
    case TopButton::MyInfo: return QString::fromLatin1(ScreenName::kStoreInfo);
    case TopButton::Statistic: return QString::fromLatin1(ScreenName::kStatistics);
    default: return {};
    }
}

ButtonDown TopMenuButtonDown(const QString &curForm, bool activeButton, bool hasGrade4)
{
    ButtonDown d;
    d.curForm = curForm;
    if (curForm.isEmpty())
        return d;
    if (!hasGrade4)
        d.curForm = QString::fromLatin1(ScreenName::kHome);
    for (const TopButtonInfo &info : TopButtons()) {
        if (info.screen && ScreenOfButton(info.button) == d.curForm) {
            d.any = true;
            d.button = info.button;
        }
    }
    if (d.any && d.button == TopButton::Today && !activeButton) {
        d.any = false;
        d.rerunToday = true;
    }
    return d;
}

bool NeedsKindQuestion(bool hasDelivery, bool hasQuick)
{
    return hasDelivery && hasQuick;
}

ReceptionKind ChooseReceptionKind(bool hasDelivery, bool hasQuick, int askResult)
{
    if (hasDelivery && hasQuick) {
        if (askResult == 6)
            return ReceptionKind::Delivery;
        if (askResult == 7)
            return ReceptionKind::Quick;
        return ReceptionKind::None;
    }
    return hasQuick ? ReceptionKind::Quick : ReceptionKind::Delivery;
}

int ReceptionReturnScreen(const QString &curForm)
{
    if (curForm == QLatin1String(ScreenName::kPast))
        return 2;
    if (curForm == QLatin1String(ScreenName::kToday))
        return 1;
    return 0;
}

int FirstFreeSlot(const QList<bool> &busy)
{
    for (int i = 0; i < busy.size(); ++i)
        if (!busy.at(i))
            return i;
    return -1;
}

QString ReceptionTabCaption(int slot)
{
    return QStringLiteral("접수") + QString::number(slot + 1);
}

QString ModifyTabCaption(const QString &statusName, const QString &dayNumber)
{
    return QStringLiteral("수정[") + statusName + QLatin1Char('-') + dayNumber + QLatin1Char(']');
}

int ModifyOrderKind(const QString &ordGubun)
{
    bool ok = false;
    const int n = ordGubun.trimmed().toInt(&ok);
    return ok ? n : 1;
}

ControlScreen ControlScreenFor(const QString &viewWorkControlType)
{
    if (viewWorkControlType == QLatin1String("2"))
        return ControlScreen::List;
    if (viewWorkControlType == QLatin1String("3"))
        return ControlScreen::Map;
    return ControlScreen::Order;
}

QString ChooseAdminPage(const QString &current, const QString &hoz, const QString &duxel, const QString &spelk,
                        const QString &piska)
{
    QString page = current;
    for (const QString *p : {&hoz, &duxel, &spelk, &piska})
        if (!p->isEmpty())
            page = *p;
    return page;
}

QString AdminGroupStateMessage(const QString &userTypeCd)
{
    const QChar cls = userClass(userTypeCd);
    if (cls == QLatin1Char('7'))
        return QStringLiteral("소속 제휴본사의 상태가 정상인 경우에만 접근가능합니다.");
    if (cls == QLatin1Char('5'))
        return QStringLiteral("소속 총판의 상태가 정상인 경우에만 접근가능합니다.");
    return {};
}

bool IsWebAddress(const QString &url)
{
    const QUrl u(url.trimmed(), QUrl::StrictMode);
    if (!u.isValid() || u.host().isEmpty())
        return false;
    const QString scheme = u.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}
