#include "boards/order_actions.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/reply_check.h"
#include "link/request_link.h"
#include "orders/order_globals.h"
#include "records/business_rules.h"
#include "records/session_records.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace
{
constexpr int kActionTimeoutMs = 30000;
const QString kTwoStep = QStringLiteral("XXXXX");
const QString kCrLf = QStringLiteral("\r\n");

QString userClass()
{
    return G_USER_INFO.USER_TYPE_CD.left(1);
}

bool blank(const QString &s)
{
    return s.trimmed().isEmpty();
}

// The message of a reply-check result: what follows the code and its separator, without a closing
// separator.
QString checkResultMessage(const QString &res)
{
    QString rest = res.section(G_FIELD_SEP, 1);
    if (rest.endsWith(G_FIELD_SEP))
        rest.chop(G_FIELD_SEP.size());
    return rest;
}
} // namespace

int ShortOrderNumber(const QString &orderNo)
{
    bool ok = false;
    const int n = orderNo.mid(6).trimmed().toInt(&ok);
    return ok ? n : 0;
}

ActionReply ReadActionReply(const QString &reply)
{
    ActionReply r;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return r;
    r.readable = true;
    r.object = doc.object();
    r.code = r.object.value(QStringLiteral("OUT_CODE")).toVariant().toString();
    r.message = r.object.value(QStringLiteral("OUT_MSG")).toVariant().toString();
    return r;
}

OrderActions::OrderActions(OrderPopupState &state, OrderActionHooks hooks) : m_state(state), m_hooks(std::move(hooks))
{
}

QString OrderActions::request(const QString &code, const QString &callType, const QString &val) const
{
    if (m_hooks.request)
        return m_hooks.request(code, callType, val);
    QString reply;
    RequestOne(G_TCP_CLIENT, code, callType, val, QString(), QString(), kActionTimeoutMs, reply);
    return reply;
}

int OrderActions::box(const QString &text, const QString &kind) const
{
    return m_hooks.msgBox ? m_hooks.msgBox(text, kind) : MsgBox(text, kind);
}

void OrderActions::log(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
    else
        WriteLog(line);
}

bool OrderActions::rights3() const
{
    return m_hooks.rights3 ? m_hooks.rights3() : HasAuthGrade(3);
}

void OrderActions::reloadActiveBoard() const
{
    if (m_tab == OrderMenuTab::Live) {
        if (m_hooks.reloadLiveOrders)
            m_hooks.reloadLiveOrders();
    } else if (m_tab == OrderMenuTab::StoreOrders) {
        if (m_hooks.reloadStoreOrders)
            m_hooks.reloadStoreOrders();
    }
    // The completed board follows with the next poll.
}

void OrderActions::run(const OrderMenuCommand &c)
{
    switch (c.role) {
    case OrderMenuRole::StatusChange:
    case OrderMenuRole::CancelReasons:
        NStatusCancelDvryReadyClick(c.tag, c.hint, c.groupIndex);
        break;
    case OrderMenuRole::CancelThenWait:
        NStatusCancelWaitClick(c.groupIndex);
        break;
    case OrderMenuRole::BundleCancel:
        NOrdBundleAllCancelClick(c.tag);
        break;
    case OrderMenuRole::BundleCancelWait:
        NOrdBundleOneCancelWaitClick(c.groupIndex);
        break;
    case OrderMenuRole::OrderCheck:
        if (m_hooks.openOrderCheck)
            m_hooks.openOrderCheck();
        break;
    case OrderMenuRole::Copy:
        NOrderCopy2001Click(c.tag);
        break;
    case OrderMenuRole::CourierAssign:
        NEtcDvryClick();
        break;
    case OrderMenuRole::CourierRestrict:
        NEtcDvryRSTRClick();
        break;
    case OrderMenuRole::Bundle:
        if (m_hooks.openBundle)
            m_hooks.openBundle();
        break;
    case OrderMenuRole::CardReceipts:
        NCardApprClick();
        break;
    case OrderMenuRole::MessageText:
        NMsgTitleSendClick(c.tag, c.caption);
        break;
    case OrderMenuRole::Compose:
        NEtcSubInputMsgClick(c.tag);
        break;
    case OrderMenuRole::MessageMenu:
    case OrderMenuRole::Header:
    case OrderMenuRole::Separator:
    case OrderMenuRole::None:
        break;
    }
}

void OrderActions::proc_OrderChangeStatus(const QString &sChgStatus, const QString &sCancelCD, int pGroupNo)
{
    const bool twoStep = sCancelCD == kTwoStep;
    if (twoStep)
        bStatusCd = true;
    if (!twoStep || sChgStatus == QLatin1String("3002")) {
        if (box(G_MSG_STATUS_ASK, QStringLiteral("Q")) != 1) {
            if (twoStep)
                bStatusCd = false;
            return;
        }
    }
    const OrderPopupFields &f = m_state.fields;
    if (f.FPOP_ORDER_STATUS == sChgStatus) {
        if (twoStep)
            bStatusCd = false;
        return;
    }

    const bool store = m_tab == OrderMenuTab::StoreOrders;
    const QString code = store ? QStringLiteral("CS01_63_V01") : QStringLiteral("CS01_11_V03");
    // The marker of the two-step cancel is no reason and never leaves the program.
    const QString reason = sChgStatus == QLatin1String("4002") && !twoStep ? sCancelCD : QString();
    QStringList fields = {f.FPOP_ORDER_NO, G_USER_INFO.ID, userClass(), f.FPOP_ORDER_STATUS, sChgStatus, reason,
                          QString()};
    if (!store)
        fields.append(QString());
    const QString orderNo = f.FPOP_ORDER_NO;

    const QString reply = request(code, QStringLiteral("ADM1"), JoinRequestFields(fields));
    if (reply.isEmpty()) {
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        if (twoStep)
            bStatusCd = false;
        return;
    }
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        log(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply is not a JSON object"));
        if (twoStep)
            bStatusCd = false;
        return;
    }
    if (r.code != QLatin1String("1")) {
        box(G_MSG_RESULT[0] + kCrLf + r.message, QStringLiteral("I"));
        log(code + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
        if (twoStep)
            bStatusCd = false;
        return;
    }
    if (!blank(r.message))
        box(r.message, QStringLiteral("I"));
    bool settlementFailed = false;
    if (pGroupNo == 1) {
        // The reply check shows nothing of its own here: the user gets one box that says the
        // cancellation went through and only the settlement did not.
        const QString val = JoinRequestFields({orderNo, G_USER_INFO.ID, userClass(), QStringLiteral("4002")});
        QString res;
        if (m_hooks.check)
            res = m_hooks.check(QStringLiteral("CS01_27_V01"), QStringLiteral("ADM1"), QString(), QString(), val);
        else
            RequestCheck(G_TCP_CLIENT, QStringLiteral("CS01_27_V01"), QStringLiteral("ADM1"), QString(), QString(),
                         val, 1, res);
        if (res != QStringLiteral("1") + G_FIELD_SEP) {
            settlementFailed = true;
            const QString detail = checkResultMessage(res);
            box(QStringLiteral("정산취소만 실패했습니다.") + (detail.isEmpty() ? QString() : kCrLf + detail) + kCrLf
                    + QStringLiteral("수정창을 다시 열어 정산취소 하시기 바랍니다."),
                QStringLiteral("I"));
        }
    }
    if (!settlementFailed && !(twoStep && sChgStatus != QLatin1String("1002")))
        box(G_MSG_OK, QStringLiteral("I"));
    reloadActiveBoard();
}

void OrderActions::NStatusCancelDvryReadyClick(int tag, const QString &hint, int groupIndex)
{
    proc_OrderChangeStatus(QString::number(tag), hint, groupIndex);
}

void OrderActions::NStatusCancelWaitClick(int groupIndex)
{
    if (m_hooks.suspendLiveGrid)
        m_hooks.suspendLiveGrid(true);
    proc_OrderChangeStatus(QStringLiteral("3002"), kTwoStep, groupIndex);
    if (bStatusCd) {
        if (m_hooks.rememberFocusedOrder)
            m_hooks.rememberFocusedOrder();
        if (m_hooks.refreshPopup && m_hooks.refreshPopup()) {
            OrderPopupFields &f = m_state.fields;
            f.FPOP_ORDER_STATUS = QStringLiteral("2001");
            f.FPOP_CTH_WK_CODE.clear();
            f.FPOP_CTH_ST_CODE.clear();
            f.FPOP_CTH_BR_CODE.clear();
            proc_OrderChangeStatus(QStringLiteral("1002"), kTwoStep, groupIndex);
        }
    }
    if (m_hooks.suspendLiveGrid)
        m_hooks.suspendLiveGrid(false);
}

void OrderActions::NOrderCopy2001Click(int tag)
{
    if (m_state.FSELECTBM == QLatin1String("1")) {
        box(QStringLiteral("배민 완료 주문은 3시간이 지나면 주문복사를 할 수 없습니다."), QStringLiteral("I"));
        return;
    }
    const QString orderNo = m_state.fields.FPOP_ORDER_NO;
    const QString question = tag == 1 ? QStringLiteral("주문복사(접수) 하시겠습니까?")
                                      : QStringLiteral("주문복사(요청) 하시겠습니까?");
    if (box(orderNo + question, QStringLiteral("Q")) != 1)
        return;
    const QString code = QStringLiteral("CS01_30_V01");
    const QString reply = request(
        code, QStringLiteral("ADM3"), JoinRequestFields({orderNo, G_USER_INFO.ID, userClass(), QString::number(tag)}));
    if (reply.isEmpty()) {
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        log(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply is not a JSON object"));
        return;
    }
    if (r.code != QLatin1String("1")) {
        box(G_MSG_RESULT[0] + kCrLf + r.message, QStringLiteral("I"));
        log(code + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
        return;
    }
    box(G_MSG_OK, QStringLiteral("I"));
    if (!blank(r.message))
        box(r.message, QStringLiteral("I"));
    if (m_hooks.reloadLiveOrders)
        m_hooks.reloadLiveOrders();
}

void OrderActions::NEtcDvryClick()
{
    if (G_BR_CHECKED < 1) {
        box(QStringLiteral("선택된 총판이 없습니다."), QStringLiteral("I"));
        return;
    }
    if (G_USER_SET.ViewWorkControlType == QLatin1String("1")) {
        if (m_hooks.openOrderControlScreen)
            m_hooks.openOrderControlScreen();
        return;
    }
    if (!m_hooks.prepareCourierPick || !m_hooks.prepareCourierPick())
        return;
    if (m_hooks.refreshCourierList)
        m_hooks.refreshCourierList();
    const int couriers = m_hooks.loadCourierPick ? m_hooks.loadCourierPick() : -1;
    if (couriers < 0)
        return;
    if (couriers == 0) {
        box(G_MSG_NO_COURIER, QStringLiteral("I"));
        return;
    }
    if (m_hooks.showCourierPick)
        m_hooks.showCourierPick();
}

void OrderActions::NEtcDvryRSTRClick()
{
    if (!rights3()) {
        box(QStringLiteral("권한이 없습니다."), QStringLiteral("I"));
        return;
    }
    if (m_state.fields.FPOP_CTH_WK_CODE.isEmpty()) {
        box(QStringLiteral("해당주문에 배차된 배송원이 없습니다."), QStringLiteral("I"));
        return;
    }
    if (m_hooks.openCourierRestriction)
        m_hooks.openCourierRestriction(m_state.fields.FPOP_ORD_ST_CODE, m_state.fields.FPOP_CTH_WK_CODE);
}

TMSG_LIST OrderActions::messageRecord(int tag, const QString &caption, bool composer) const
{
    const OrderPopupFields &f = m_state.fields;
    TMSG_LIST m;
    m.CHNL_TYPE = QStringLiteral("1");
    m.VIEW_TYPE = QStringLiteral("3");
    m.MSG_TYPE_CD = QStringLiteral("4001");
    m.CON_TYPE = QStringLiteral("0");
    m.CON_SEQ_NO = f.FPOP_ORDER_NO;
    m.SND_GRP_TYPE = userClass();
    m.SND_GRP_CODE = G_USER_INFO.USER_CODE;
    m.SND_GRP_ID = G_USER_INFO.ID;
    m.SND_DEVICE_ID = G_USER_INFO.MC;
    m.SND_DEVICE_TYPE = QStringLiteral("C");
    if (composer) {
        switch (tag) {
        case 1:
            m.RCV_GRP_TYPE = QStringLiteral("3");
            m.RCV_GRP_CODE = f.FPOP_ORD_ST_CODE;
            break;
        case 2:
            m.RCV_GRP_TYPE = QStringLiteral("5");
            m.RCV_GRP_CODE = f.FPOP_CTH_BR_CODE;
            break;
        case 3:
            m.RCV_GRP_TYPE = QStringLiteral("2");
            m.RCV_GRP_CODE = f.FPOP_CTH_ST_CODE;
            break;
        case 4:
            m.RCV_GRP_TYPE = QStringLiteral("W");
            m.RCV_GRP_CODE = f.FPOP_CTH_WK_CODE;
            break;
        default:
            break;
        }
        return m;
    }
    m.MSG_TITLE = caption;
    m.MSG_CONTENT = caption + QStringLiteral("\n접수번호 : [ ") + QString::number(ShortOrderNumber(f.FPOP_ORDER_NO))
                    + QStringLiteral(" ]\n관리자명 : [") + G_USER_INFO.GRP_NAME + QStringLiteral("]");
    switch (tag) {
    case 1:
        m.RCV_GRP_TYPE = QStringLiteral("3");
        m.RCV_GRP_CODE = f.FPOP_ORD_ST_CODE;
        break;
    case 2:
        m.RCV_GRP_TYPE = QStringLiteral("3");
        m.RCV_GRP_CODE = f.FPOP_CTH_ST_CODE;
        break;
    case 3:
        m.RCV_GRP_TYPE = QStringLiteral("W");
        m.RCV_GRP_CODE = f.FPOP_CTH_WK_CODE;
        break;
    case 4:
        m.RCV_GRP_TYPE = QStringLiteral("W");
        m.RCV_GRP_CODE = f.FPOP_CTH_WK_CODE;
        m.MSG_TITLE = QStringLiteral("[제휴본사/총판으로 전화주세요.]");
        m.ADD_VALUE_1 = G_USER_INFO.AUTH_TEL;
        break;
    case 5:
        m.RCV_GRP_TYPE = QStringLiteral("W");
        m.RCV_GRP_CODE = f.FPOP_CTH_WK_CODE;
        m.MSG_TITLE = QStringLiteral("[가맹점으로 전화주세요.]");
        m.ADD_VALUE_1 = f.FPOP_ORD_ST_TEL;
        break;
    default:
        break;
    }
    return m;
}

void OrderActions::proc_Send_Msg(int iTag, const QString &sMsg)
{
    if (m_hooks.sendMessage)
        m_hooks.sendMessage(messageRecord(iTag, sMsg, false));
}

void OrderActions::NEtcSubInputMsgClick(int tag)
{
    if (m_hooks.openComposer)
        m_hooks.openComposer(messageRecord(tag, QString(), true),
                             QString::number(ShortOrderNumber(m_state.fields.FPOP_ORDER_NO)), G_USER_INFO.GRP_NAME);
}

void OrderActions::NCardApprClick()
{
    if (m_hooks.cardReceipts)
        m_hooks.cardReceipts(m_state.fields.FPOP_ORDER_NO, QStringLiteral("1"));
}

void OrderActions::NOrdBundleAllCancelClick(int tag)
{
    if (box(G_MSG_STATUS_ASK, QStringLiteral("Q")) != 1)
        return;
    procOrdBundleCancel(m_state.fields.FPOP_ORDER_NO, m_state.fields.FPOP_ORDER_STATUS, QString::number(tag));
}

void OrderActions::procOrdBundleCancel(const QString &sOrdNo, const QString &sStatus, const QString &sType)
{
    const bool toWaiting = sType == QLatin1String("999");
    if (toWaiting)
        bStatusCd = true;
    const QString kind = toWaiting ? QStringLiteral("1") : sType;
    const QString code = QStringLiteral("CS01_65_V01");
    const QString reply =
        request(code, QStringLiteral("ADM1"), JoinRequestFields({sOrdNo, G_USER_INFO.ID, userClass(), sStatus, kind}));
    if (reply.isEmpty()) {
        log(code + QStringLiteral(" ERR[NO RESULT]"));
        if (toWaiting)
            bStatusCd = false;
        return;
    }
    const ActionReply r = ReadActionReply(reply);
    if (!r.readable) {
        log(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply is not a JSON object"));
        if (toWaiting)
            bStatusCd = false;
        return;
    }
    if (r.code != QLatin1String("1")) {
        box(G_MSG_RESULT[0] + kCrLf + r.message, QStringLiteral("I"));
        log(code + QStringLiteral(" is Fail ") + r.code + QLatin1Char(':') + r.message);
        if (toWaiting)
            bStatusCd = false;
        return;
    }
    if (toWaiting) {
        // A server remark on the first step stops the way back to waiting.
        if (!blank(r.message)) {
            box(r.message, QStringLiteral("I"));
            bStatusCd = false;
        }
        return;
    }
    // One box: the change with the server's remark under it.
    box(G_MSG_STATUS_CHANGED + kCrLf + r.message, QStringLiteral("I"));
}

void OrderActions::NOrdBundleOneCancelWaitClick(int groupIndex)
{
    if (box(G_MSG_STATUS_ASK, QStringLiteral("Q")) != 1)
        return;
    if (m_hooks.suspendLiveGrid)
        m_hooks.suspendLiveGrid(true);
    procOrdBundleCancel(m_state.fields.FPOP_ORDER_NO, m_state.fields.FPOP_ORDER_STATUS, QStringLiteral("999"));
    if (bStatusCd) {
        if (m_hooks.rememberFocusedOrder)
            m_hooks.rememberFocusedOrder();
        if (m_hooks.refreshPopup && m_hooks.refreshPopup()) {
            OrderPopupFields &f = m_state.fields;
            f.FPOP_ORDER_STATUS = QStringLiteral("2001");
            f.FPOP_CTH_WK_CODE.clear();
            f.FPOP_CTH_ST_CODE.clear();
            f.FPOP_CTH_BR_CODE.clear();
            f.FPOP_ORD_GRP_NO.clear();
            proc_OrderChangeStatus(QStringLiteral("1002"), kTwoStep, groupIndex);
        }
    }
    if (m_hooks.suspendLiveGrid)
        m_hooks.suspendLiveGrid(false);
}
