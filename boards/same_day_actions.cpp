#include "boards/same_day_actions.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <exception>

namespace
{
const QStringList kNormal = {"1001", "1002", "1003", "1004", "1005", "1006", "1007", "2001", "2002",
                             "3001", "3002", "3003", "3004", "3005", "3006", "4001", "4002", "4003"};
const QStringList kNoArrival = {"1002", "4002", "4001", "2001", "2002", "3001", "3002", "3003", "3004"};
const QStringList kFinal = {"4001", "4002"};
const QStringList kBeforeCollectionUnload = {"6101", "6201", "6203"};
const QStringList kBeforeTrunkUnload = {"6101", "6201", "6203", "6301", "7101", "7201", "7203"};
const QStringList kBeforeBranchUnload = {"6101", "6201", "6203", "6301", "7101", "7201",
                                         "7203", "8101", "8201", "8203"};

const QString kNoResult = QStringLiteral("인터넷 연결이 원활하지 정보 요청에 실패했습니다.");

// The shared reply handling of the status change and the unloading.
bool handleReply(const QString &code, const QString &reply, const SameDayActionHooks &hooks)
{
    if (reply.isEmpty()) {
        if (hooks.log)
            hooks.log(code + QStringLiteral(" ERR[NO RESULT]"));
        if (hooks.inform)
            hooks.inform(kNoResult);
        return false;
    }
    const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
    const QString msg = o.value(QLatin1String("OUT_MSG")).toString();
    if (o.value(QLatin1String("OUT_CODE")).toString() == QLatin1String("1")) {
        if (hooks.inform)
            hooks.inform(QStringLiteral("상태가 변경되었습니다.\r\n") + msg);
        return true;
    }
    if (hooks.inform)
        hooks.inform(QStringLiteral("실패했습니다.\n") + msg);
    return false;
}

bool send(const QString &code, const QStringList &fields, const SameDayActionHooks &hooks)
{
    QString val;
    for (const QString &f : fields)
        val += f + G_FIELD_SEP;
    try {
        const QString reply = hooks.request ? hooks.request(code, QStringLiteral("ADM1"), val, 30000) : QString();
        return handleReply(code, reply, hooks);
    } catch (const std::exception &e) {
        if (hooks.log)
            hooks.log(code + QStringLiteral(" Exception Err ") + QString::fromLocal8Bit(e.what()));
        return false;
    }
}
} // namespace

const QList<SameDayMenuItem> &SameDayMenuItems()
{
    static const QList<SameDayMenuItem> items = {
        {"mnDayChgStatus", "다음으로 상태 변경", 0}, {"mnDayChgSta6301", "집화하차 변경", 6301},
        {"mnDayChgSta7301", "간선하차 변경", 7301},  {"mnDayChgSta8301", "지선하차 변경", 8301},
        {"mnDayChgSta2001", "배달요청 변경", 2001},  {"mnDayChg6101", "집하요청 변경", 6101},
        {"mnDayChg1001", "접수 변경", 1001},         {"mna32001", "배달요청 변경", 2001},
        {"mnDayChg1003", "대기해제", 1003},          {"mnDayChgArrive", "하차 변경", 0},
        {"mnDayChg4002", "취소 변경", 4002},         {"N4", "-", 0},
        {"mnDayChg3003", "출발변경", 3003},          {"mnDayChg3004", "배달요청 변경", 3004},
        {"mnDayChg2001", "배차취소->배달요청 변경", 3002}, {"mnDayChg4001", "완료변경", 4001},
        {"N15", "-", 0},                             {"mnDayChgMine", "지정배차", 0},
        {"N3", "-", 0},                              {"mnDayMSGStore", "발주가맹점에 메세지 전송", 0},
        {"mnDayMSGWKBR", "배송원 소속총판에 메세지 전송", 0}, {"mnDayMSGWKST", "배송원 소속가맹점에 메세지 전송", 0},
        {"mnDayMSGWorker", "배송원에 메세지 전송", 0}, {"mnA3TBNowLIst", "택배 배송현황", 0},
    };
    return items;
}

SameDayMenuPlan mnSameDayPopup(SameDayTab tab, const SameDayFocus &focus, const SameDayMenuLogin &login,
                               const SameDayPopupOrder &previous)
{
    SameDayMenuPlan plan;
    plan.order = previous;
    auto grade = [&](int level) { return login.hasAuthGrade ? login.hasAuthGrade(level) : false; };
    auto show = [&](const char *name, bool on) {
        if (on)
            plan.visible.insert(QString::fromLatin1(name));
    };
    if (!focus.focused)
        return plan;
    if (tab == SameDayTab::Logistics && !focus.error.isEmpty())
        return plan;

    SameDayPopupOrder &o = plan.order;
    o.FPOP_ORDER_STATUS = focus.status;
    if (tab == SameDayTab::Today) {
        o.FPOP_ORDER_NO = focus.orderNo;
        o.FPOP_ORD_ST_CODE = focus.ordStCode;
        o.FPOP_CTH_WK_CODE = focus.cthWkCode;
        o.FPOP_CTH_ST_CODE = focus.cthStCode;
        o.FPOP_CTH_BR_CODE = focus.cthBrCode;
        o.FPOP_ORD_ST_TEL = focus.cthStTel;
        o.FPOP_EXT_URL = focus.extUrl;
        const QString &s = focus.status;
        show("mnA3TBNowLIst", !o.FPOP_EXT_URL.isEmpty());
        const bool g3 = grade(3);
        if (s == QLatin1String("4003")) {
            show("mnDayChg4002", g3);
            show("mnDayChg1001", g3);
        } else if (s == QLatin1String("1002")) {
            show("mnDayChg4002", g3);
            show("mnDayChg1003", g3);
        } else if (s == QLatin1String("1007")) {
            show("mnDayChg1003", g3);
        } else if (s == QLatin1String("1001")) {
            if (focus.kind == QLatin1String("1015"))
                show("mna32001", grade(7));
            show("mnDayChg4002", g3);
            show("mnDayChg6101", g3);
        }
        if (kNormal.contains(s)) {
            show("mnDayMSGStore", g3);
            show("mnDayMSGWKBR", login.br != o.FPOP_CTH_BR_CODE && !o.FPOP_CTH_BR_CODE.isEmpty() && g3);
            show("mnDayMSGWKST", o.FPOP_ORD_ST_CODE == o.FPOP_CTH_ST_CODE && !o.FPOP_CTH_ST_CODE.isEmpty() && g3);
            show("mnDayMSGWorker", o.FPOP_ORD_ST_TEL.size() > 6 && g3);
            plan.senderTelMsg = login.authTel.size() > 6;
        }
        if (s == QLatin1String("2001")) {
            show("mnDayChg3003", g3);
            show("mnDayChg4001", g3);
            show("mnDayChgMine", g3);
        } else if (s == QLatin1String("3001")) {
            show("mnDayChg3003", g3);
            show("mnDayChgMine", g3);
            show("mnDayChg4001", g3);
            show("mnDayChg2001",
                 g3 && !(login.userClass == QLatin1String("1") && login.orderService == QLatin1String("Y")));
        } else if (s == QLatin1String("3003")) {
            show("mnDayChg3004", g3);
            show("mnDayChg4001", g3);
            show("mnDayChgMine", g3);
        }
    }

    const QString &s = o.FPOP_ORDER_STATUS;
    if (login.userClass == QLatin1String("5") && (login.gansun == 1 || login.jisun == 1) && !kNoArrival.contains(s))
        show("mnDayChgArrive", grade(3));
    if (login.userClass == QLatin1String("7")) {
        const bool g1 = grade(1);
        show("mnDayChg4002", g1 && !kFinal.contains(s));
        show("mnDayChgSta6301", g1 && kBeforeCollectionUnload.contains(s));
        show("mnDayChgSta7301", g1 && kBeforeTrunkUnload.contains(s));
        show("mnDayChgSta8301", g1 && kBeforeBranchUnload.contains(s));
        show("mnDayChgSta2001", g1 && kBeforeBranchUnload.contains(s));
        show("mnDayChgStatus",
             plan.shows("mnDayChgSta6301") || plan.shows("mnDayChgSta7301") || plan.shows("mnDayChgSta8301"));
    }
    auto any = [&](std::initializer_list<const char *> names) {
        return std::any_of(names.begin(), names.end(), [&](const char *n) { return plan.shows(n); });
    };
    show("N4", any({"mnDayChg6101", "mnDayChg1001", "mnDayChg1003", "mnDayChg4002", "mnDayChgArrive"}));
    show("N15", any({"mnDayChg3003", "mnDayChg3004", "mnDayChg2001", "mnDayChg4001"}));
    show("N3", plan.shows("mnDayChgMine"));
    return plan;
}

SameDayActionHooks DefaultSameDayActionHooks()
{
    SameDayActionHooks h;
    h.request = [](const QString &code, const QString &callType, const QString &val, int timeoutMs) {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, val, QString(), QString(), timeoutMs, reply);
        return reply;
    };
    h.log = [](const QString &l) { WriteLog(l); };
    return h;
}

bool proc_SameDayOrderChangeStatus(const QString &caption, int tag, const QString &hint, const QString &orderNo,
                                   const QString &status, const SameDayActionHooks &hooks)
{
    if (!hooks.confirm || !hooks.confirm(caption + QStringLiteral(" 하시겠습니까?")))
        return false;
    if (orderNo.isEmpty())
        return false;
    const QString reason = tag == 4002 ? hint : QString();
    return send(QStringLiteral("CS01_34_V01"),
                {orderNo, G_USER_INFO.ID, QString(G_USER_INFO.USER_TYPE_CD).left(1), status, QString::number(tag),
                 reason, QString(), QString()},
                hooks);
}

bool proc_SameDayOrderChangeArrive(const QString &orderNo, const SameDayActionHooks &hooks)
{
    if (!hooks.confirm || !hooks.confirm(QStringLiteral("상태를 변경하시겠습니까?")))
        return false;
    return send(QStringLiteral("CS01_45_V01"),
                {orderNo, G_USER_INFO.ID, QString(G_USER_INFO.USER_TYPE_CD).left(1), QString(), QString(), QString()},
                hooks);
}

int btnSameDayPrintClick(QStringList selectedOrderNumbers, ISameDayLabelPrinter &printer)
{
    // Text order, as the labels have always come out: "200" before "30" before "4".
    std::sort(selectedOrderNumbers.begin(), selectedOrderNumbers.end());
    for (const QString &no : selectedOrderNumbers)
        printer.procSameDayPrint(no, QStringLiteral("1"));
    return int(selectedOrderNumbers.size());
}
