#include "devices/call_routing.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "devices/call_history.h"
#include "main/top_menu.h"
#include "records/business_rules.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "text/phone_helpers.h"

#include <QDir>

namespace
{
CallRouter *g_callRouter = nullptr;

QString routeNorm(const QString &s)
{
    return RemoveHyphens(s.trimmed());
}

int findNumber(const QStringList &list, const QString &number)
{
    if (number.isEmpty())
        return -1;
    return list.indexOf(number);
}

QString storeWarning(const QString &status)
{
    bool ok = false;
    int n = status.trimmed().toInt(&ok);
    if (!ok)
        n = 1;
    switch (n) {
    case 0: return QStringLiteral("삭제된 가맹점입니다.\r\n다른 가맹점을 선택하세요");
    case 2: return QStringLiteral("정지된 가맹점입니다.\r\n다른 가맹점을 선택하세요");
    case 9: return QStringLiteral("캐쉬부족 가맹점입니다.\r\n다른 가맹점을 선택하세요");
    default: return QString();
    }
}
} // namespace

CallRouteDecision DecideCallRoute(const HEADER &rec)
{
    CallRouteDecision d;
    const QString caller = routeNorm(rec.sTelNum);
    const QString line = routeNorm(rec.sMainLn);
    int stEntry = findNumber(G_SL_ST_TEL, caller);
    if (stEntry >= 0) {
        d.hit = CallRouteDecision::Hit::CallerStore;
    } else if ((stEntry = findNumber(G_SL_ST_TEL, line)) >= 0) {
        d.hit = CallRouteDecision::Hit::LineStore;
    } else {
        int wk = findNumber(G_SL_WK_TEL, caller);
        if (wk >= 0) {
            d.hit = CallRouteDecision::Hit::CallerCourier;
        } else if ((wk = findNumber(G_SL_WK_TEL, line)) >= 0) {
            d.hit = CallRouteDecision::Hit::LineCourier;
        }
        if (wk >= 0) {
            d.kind = CallRouteDecision::Kind::Courier;
            d.wkCode = G_WK_TEL_LIST.at(wk).WK_CODE;
            d.wkTel = G_WK_TEL_LIST.at(wk).WK_TEL;
            return d;
        }
    }

    int idx = stEntry >= 0 ? G_ST_TEL_LIST.at(stEntry).ST_Idx : -1;
    d.matched = stEntry >= 0 && idx >= 0 && idx < G_ST_LIST.count();
    if (!d.matched)
        idx = G_ST_LIST.isEmpty() ? -1 : 0;
    d.storeIndex = idx;
    if (idx < 0)
        return d;

    const TST_LIST &store = G_ST_LIST.at(idx);
    const QString shop = store.SHOP_TYPE.trimmed();
    if (shop == QLatin1String("1") || shop == QLatin1String("2") || shop == QLatin1String("3"))
        d.window = CallRouteDecision::Window::Delivery;
    else if (shop == QLatin1String("4") || shop == QLatin1String("5") || shop == QLatin1String("6"))
        d.window = CallRouteDecision::Window::Quick;

    if (d.hit == CallRouteDecision::Hit::CallerStore)
        d.tabCaption = rec.sTelNum.trimmed();
    else if (d.hit == CallRouteDecision::Hit::LineStore)
        d.tabCaption = rec.sMainLn.trimmed();
    else
        d.tabCaption = rec.sTelNum.trimmed().isEmpty() ? rec.sMainLn.trimmed() : rec.sTelNum.trimmed();

    d.inService = store.DATA_STAUS == QLatin1String("1");
    if (!d.inService && d.matched)
        d.warning = storeWarning(store.DATA_STAUS);
    const bool storeCalls = d.matched && d.hit == CallRouteDecision::Hit::CallerStore;
    d.customerTel = storeCalls ? QString() : FormatPhone(rec.sTelNum.trimmed(), 0);
    d.filterOnStore = d.matched;
    return d;
}

CallRouter::Outcome CallRouter::proc_New_Cid(HEADER rec)
{
    if (!HasAuthGrade(3))
        return Outcome::NotAllowed;
    // The log is the record of every call; a log that cannot be written is noted in the daily
    // log and the call is routed all the same (the caller is on the line now). A missing folder
    // is made first.
    QDir().mkpath(CallLogDir());
    WriteCidLog(rec);

    const CallRouteDecision d = DecideCallRoute(rec);
    if (d.kind == CallRouteDecision::Kind::Courier) {
        m_targets.showCourierCall(d.wkCode);
        m_targets.filterBoard(QString(), QString(), QString(), d.wkTel);
        return Outcome::Courier;
    }
    if (d.storeIndex < 0) {
        WriteLog(QStringLiteral("proc_New_Cid : no store for the call ") + rec.sTelNum.trimmed());
        m_targets.frontReception();
        return Outcome::NoStore;
    }
    if (d.window == CallRouteDecision::Window::None) {
        m_targets.frontReception();
        return Outcome::NoWindowKind;
    }

    const bool quick = d.window == CallRouteDecision::Window::Quick;
    int slot = -1;
    for (int s = quick ? 5 : 0; s < (quick ? 10 : 5) && slot < 0; ++s)
        if (m_targets.windowFree(s) && !m_slots.contains(s))
            slot = s;
    int tab = -1;
    for (int t = quick ? 6 : 0; t < (quick ? 11 : 5) && tab < 0; ++t)
        if (m_targets.tabFree(t) && !m_tabs.contains(t))
            tab = t;
    if (slot < 0 || tab < 0) {
        WriteLog(QStringLiteral("proc_New_Cid : no free reception window for ") + rec.sTelNum.trimmed());
        m_targets.frontReception();
        return Outcome::NoFreeWindow;
    }
    m_slots.insert(slot);
    m_tabs.insert(tab);

    const TST_LIST store = G_ST_LIST.at(d.storeIndex);
    ICallTargets::Opening o;
    o.slot = slot;
    o.tab = tab;
    o.returnScreen = ReceptionReturnScreen(G_CUR_FORM);
    o.caption = d.tabCaption;
    o.stCode = store.ST_CODE;
    o.stName = store.ST_NAME;
    o.telTypeCd = store.TEL_TYPE_CD;
    o.storeIndex = d.storeIndex;
    o.customerTel = d.customerTel;
    o.firstPage = !d.inService;
    if (!d.warning.isEmpty())
        m_targets.warn(d.warning);
    if (d.filterOnStore)
        m_targets.filterBoard(QString(), QString(), store.ST_NAME, QString());
    m_targets.openWindow(o);
    m_slots.remove(slot);
    m_tabs.remove(tab);
    m_targets.frontReception();
    return Outcome::Opened;
}

void SetCallRouter(CallRouter *router)
{
    g_callRouter = router;
}

CallRouter *CurrentCallRouter()
{
    return g_callRouter;
}

void RouteCall(const HEADER &rec)
{
    if (!g_callRouter) {
        WriteLog(QStringLiteral("proc_New_Cid : no routing yet, call of ") + rec.sTelNum.trimmed() + QStringLiteral(" dropped"));
        return;
    }
    g_callRouter->proc_New_Cid(rec);
}
