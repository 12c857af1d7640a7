#include "boards/order_menu_plan.h"

#include "orders/order_globals.h"
#include "orders/order_record.h"
#include "records/business_rules.h"
#include "records/reference_lookups.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/phone_helpers.h"

#include <stdexcept>

namespace
{
using I = OrderMenuItem;
using R = OrderMenuRole;

const QString kXXXXX = QStringLiteral("XXXXX");

const QStringList &fixedStoreTexts()
{
    static const QStringList texts = {
        QStringLiteral("프로그램 재실행 해주세요."),
        QStringLiteral("사장님 페이충전해주세요."),
        QStringLiteral("현재 눈/우천 지연시간입니다."),
        QStringLiteral("현재 눈/우천 할증적용 중 입니다."),
        QStringLiteral("현재 콜이 많아 배송이 지연되고 있습니다."),
        QStringLiteral("주소가 틀렸습니다. 배송지 주소 확인해주세요."),
        QStringLiteral("공지를 확인해주세요."),
    };
    return texts;
}

bool isTakeout(const OrderPopupFields &f)
{
    return f.FPOP_ORDER_SERVICE == QLatin1String("Y");
}

class Planner
{
public:
    Planner(OrderMenuPlan &plan, const OrderMenuUser &user) : m_plan(plan), m_user(user) {}

    void show(I item, bool on = true) { m_plan.visible[size_t(item)] = on; }
    void hide(I item) { show(item, false); }
    void rights(I item) { show(item, m_user.rights3); }
    bool shown(I item) const { return m_plan.shows(item); }

    // Every action item hidden; headers and the restriction rule start from hidden too, so nothing
    // of an earlier popup shows through. The separators always show.
    void reset(bool ownGroup)
    {
        m_plan.visible.fill(false);
        show(I::N1);
        show(I::N2);
        show(I::NStatusTitle);
        show(I::NOrderCopy1001, ownGroup);
        show(I::NOrderCopy2001, ownGroup);
        rights(I::NEtcStMsg);
    }

    void restriction(const OrderMenuRow &row)
    {
        if (m_plan.fields.FPOP_CTH_WK_CODE.isEmpty())
            return;
        const std::optional<QString> br =
            m_user.storeBranch ? m_user.storeBranch(row.ORD_ST_CODE) : std::optional<QString>();
        if (!br)
            return;
        if (*br == m_user.BR || (m_user.userClass == QLatin1String("7") && m_user.slBrCode.contains(*br)))
            rights(I::NEtcDvryRSTR);
    }

    void messages()
    {
        const OrderPopupFields &f = m_plan.fields;
        if (!f.FPOP_CTH_BR_CODE.isEmpty() && f.FPOP_CTH_BR_CODE != m_user.BR)
            show(I::NEtcWkBrMsg);
        if (!f.FPOP_CTH_ST_CODE.isEmpty() && f.FPOP_CTH_ST_CODE == f.FPOP_ORD_ST_CODE)
            show(I::NEtcWkStMsg);
        if (f.FPOP_ORD_ST_TEL.size() > 6)
            show(I::NEtcSubOrdStTelMsg);
        if (m_user.AUTH_TEL.size() > 6)
            show(I::NEtcSubSenderTelMsg);
    }

private:
    OrderMenuPlan &m_plan;
    const OrderMenuUser &m_user;
};

bool dispatchAllowed(const OrderMenuRow &row, const OrderMenuUser &user, const QDateTime &now)
{
    if (user.userClass == QLatin1String("1") || user.selDvryTypes.isEmpty())
        return false;
    const QString first = user.selDvryTypes.first();
    for (const auto &[code, lockRule] : user.dvryGroups) {
        if (code != first)
            continue;
        if (lockRule == QLatin1String("Y") || row.READY_CHANGE_DATE2.isEmpty())
            return true;
        bool ok = false;
        const QDateTime changed = ParseFmtDateTime(row.READY_CHANGE_DATE2, &ok);
        if (!ok)
            return false;  // a request time we cannot read never lifts the lock
        bool numOk = false;
        const qint64 lock = row.DVRY_LOCK_TIME.trimmed().toLongLong(&numOk);
        return changed.addSecs(numOk ? lock : 0) < now;
    }
    return false;
}

bool ownGroup(const OrderMenuRow &row, const OrderMenuUser &user)
{
    if (user.BR_DVRY_YN == QLatin1String("Y") && row.DVRY_TYPE_CD == user.MNG_DVRY_TYPE_CD)
        return true;
    return user.userClass == QLatin1String("7") && user.slBrDvryType.contains(row.DVRY_TYPE_CD);
}

bool needsStoreConfirmation(const OrderMenuRow &row, const OrderMenuUser &user)
{
    const bool mine = (user.userClass == QLatin1String("7") && row.ORD_HD_CODE == user.HD)
                      || (user.userClass == QLatin1String("5") && row.BR_CODE == user.BR);
    if (!mine || !row.ARR_TIME.isEmpty())
        return false;
    const QString value = user.pathValue2 ? user.pathValue2(row.ORD_PATH_CD) : QString();
    return value.mid(2, 1) == QLatin1String("1");
}

OrderPopupFields copyFields(OrderMenuTab tab, const OrderMenuRow &row)
{
    OrderPopupFields f;
    f.FPOP_ORDER_STATUS = row.STATUS_CD;
    f.FPOP_ORDER_NO = row.ORD_NO;
    f.FPOP_ORD_ST_CODE = row.ORD_ST_CODE;
    if (tab == OrderMenuTab::StoreOrders) {
        f.FPOP_ORDER_SERVICE = QStringLiteral("Y");
        return f;
    }
    f.FPOP_ORDER_SERVICE = row.TAKEOUT_YN;
    f.FPOP_READY_TIME = row.READY_TIME2;
    f.FPOP_CTH_WK_CODE = row.CTH_WK_CODE;
    f.FPOP_CTH_ST_CODE = row.CTH_ST_CODE;
    f.FPOP_CTH_BR_CODE = row.CTH_BR_CODE;
    f.FPOP_ORD_ST_TEL = row.ORD_ST_TEL;
    if (tab == OrderMenuTab::Live)
        f.FPOP_ORD_GRP_NO = row.ORD_GRP_NO;
    return f;
}

void liveStatusRules(Planner &p, OrderMenuPlan &plan, const OrderMenuRow &row, const OrderMenuUser &user,
                     bool dispatch, bool own)
{
    const QString &st = plan.fields.FPOP_ORDER_STATUS;
    const bool notTakeout = !isTakeout(plan.fields);
    const bool notStore = user.userClass != QLatin1String("1");
    const bool grouped = !row.ORD_GRP_NO.isEmpty();
    auto bundleCancels = [&] {
        if (!grouped)
            return;
        p.show(I::NOrdBundleOneCancel);
        p.show(I::NOrdBundleAllCancel);
        p.show(I::NOrdBundleOneCancelWait);
        p.hide(I::NStatusCancelDvryReady);
        p.hide(I::NStatusCancelWait);
    };
    if (st == QLatin1String("1001")) {
        if (needsStoreConfirmation(row, user))
            p.show(I::NStatusOrderCheck);
        if (notTakeout) {
            p.show(I::NStatusReady);
            p.rights(I::NStatusWait);
        }
        p.rights(I::NStatusCancel);
        p.rights(I::NStatusComplete);
        if (own && notTakeout) {
            p.show(I::NEtcTitle);
            p.show(I::NEtcDvry, dispatch);
        }
    } else if (st == QLatin1String("2001") || st == QLatin1String("2002")) {
        if (notTakeout)
            p.rights(I::NStatusStart);
        p.rights(I::NStatusWait);
        p.rights(I::NStatusComplete);
        if (notStore)
            p.rights(I::NStatusCancel);
        if (notTakeout) {
            p.show(I::NEtcTitle);
            p.show(I::NEtcDvry, dispatch);
        }
        if (row.MANUAL_GRP_YN == QLatin1String("Y"))
            p.show(I::nOrdBundle);
        if (row.SHARE_GROUP == QLatin1String("1") && !own) {
            for (I item : {I::NStatusTitle, I::NStatusStart, I::NStatusWait, I::NStatusComplete, I::NStatusCancel,
                           I::NEtcStMsg, I::NEtcTitle})
                p.hide(item);
            p.show(I::NEtcDvry, dispatch);
        }
    } else if (st == QLatin1String("3001")) {
        if (notTakeout) {
            p.rights(I::NStatusStart);
            p.show(I::NEtcDvry, dispatch);
            p.show(I::NEtcDvryMsg);
        }
        p.rights(I::NStatusComplete);
        p.rights(I::NStatusCancel);
        if (notStore || notTakeout) {
            p.show(I::NStatusCancelDvryReady);
            p.show(I::NStatusCancelWait);
        }
        p.show(I::NEtcTitle);
        bundleCancels();
    } else if (st == QLatin1String("3003")) {
        p.rights(I::NStatusComplete);
        if (notTakeout) {
            p.rights(I::NStatusCancelDvryReady);
            p.rights(I::NStatusCancelWait);
            p.show(I::NEtcDvry, dispatch);
            p.show(I::NEtcDvryMsg);
        }
        if (notStore)
            p.rights(I::NStatusCancel);
        p.show(I::NEtcTitle);
        bundleCancels();
    } else if (st == QLatin1String("4001")) {
        if (notStore)
            p.rights(I::NStatusCancel);
        p.show(I::NEtcTitle);
        if (notTakeout)
            p.show(I::NEtcDvryMsg);
    } else if (st == QLatin1String("4002")) {
        if (!row.END_DATE2.isEmpty())
            plan.popup = false;
    } else if (st == QLatin1String("1002") || st == QLatin1String("1007")) {
        p.show(I::NStatusWaitFree);
        p.rights(I::NStatusCancel);
        p.show(I::NEtcDvry, dispatch);
    } else if (p.shown(I::NEtcDvryRSTR)) {
        p.show(I::NEtcTitle);
    } else {
        plan.popup = false;
    }
}

void completedStatusRules(Planner &p, OrderMenuPlan &plan, const OrderMenuRow &row, const OrderMenuUser &user,
                          bool dispatch, bool own)
{
    const QString &st = plan.fields.FPOP_ORDER_STATUS;
    const bool notTakeout = !isTakeout(plan.fields);
    const bool notStore = user.userClass != QLatin1String("1");
    if (st == QLatin1String("1001")) {
        p.show(I::NStatusReady);
        p.rights(I::NStatusWait);
        p.rights(I::NStatusCancel);
        p.rights(I::NStatusComplete);
        if (own && notTakeout) {
            p.show(I::NEtcTitle);
            p.show(I::NEtcDvry, dispatch);
        }
    } else if (st == QLatin1String("2001") || st == QLatin1String("2002")) {
        p.rights(I::NStatusStart);
        p.rights(I::NStatusWait);
        p.rights(I::NStatusComplete);
        if (notStore)
            p.rights(I::NStatusCancel);
        if (notTakeout) {
            p.show(I::NEtcTitle);
            p.show(I::NEtcDvry, dispatch);
        }
    } else if (st == QLatin1String("3001")) {
        p.rights(I::NStatusStart);
        p.rights(I::NStatusComplete);
        p.rights(I::NStatusCancel);
        if (notStore) {
            p.show(I::NStatusCancelDvryReady);
            p.show(I::NStatusCancelWait);
        }
        p.show(I::NEtcTitle);
        p.show(I::NEtcDvry, dispatch);
        p.show(I::NEtcDvryMsg);
    } else if (st == QLatin1String("3003")) {
        p.rights(I::NStatusComplete);
        p.show(I::NStatusStartCancel);
        if (notStore)
            p.rights(I::NStatusCancel);
        p.show(I::NEtcTitle);
        p.show(I::NEtcDvry, dispatch);
        p.show(I::NEtcDvryMsg);
    } else if (st == QLatin1String("4001")) {
        if (notStore) {
            p.rights(I::NStatusCancel);
            if (row.CANCEL_AJ_ABLE == QLatin1String("A") && row.ORG_ORD_NO == QLatin1String("0"))
                p.rights(I::NStatusCancelNAcc);
        }
        p.show(I::NEtcTitle);
        if (notTakeout)
            p.show(I::NEtcDvryMsg);
        if (row.PAY_TYPE_CD == QStringLiteral("카드"))
            p.show(I::NCardAppr);
    } else if (st == QLatin1String("4002")) {
        if (row.PAY_TYPE_CD == QStringLiteral("카드"))
            p.show(I::NCardAppr);
        if (!row.END_DATE2.isEmpty())
            plan.popup = false;
    } else if (st == QLatin1String("1002") || st == QLatin1String("1007")) {
        p.show(I::NStatusWaitFree);
        p.rights(I::NStatusCancel);
    } else if (p.shown(I::NEtcDvryRSTR)) {
        p.show(I::NEtcTitle);
    } else {
        plan.popup = false;
    }
}

QString pick(const std::function<QString(const QString &)> &cell, const QString &name)
{
    return cell ? cell(name) : QString();
}
} // namespace

const QList<OrderMenuItemInfo> &OrderMenuItems()
{
    static const QList<OrderMenuItemInfo> items = {
        {I::NStatusTitle, "NStatusTitle", QStringLiteral("---- 상태변경 -----------"), 0, {}, 0, R::Header},
        {I::NStatusOrderCheck, "NStatusOrderCheck", QStringLiteral("접수확인"), 0, {}, 0, R::OrderCheck},
        {I::NStatusReady, "NStatusReady", QStringLiteral("배달요청변경"), 2001, {}, 0, R::StatusChange},
        {I::NStatusStart, "NStatusStart", QStringLiteral("출발변경"), 3003, {}, 0, R::StatusChange},
        {I::NStatusStartCancel, "NStatusStartCancel", QStringLiteral("배달요청변경"), 3004, {}, 0, R::StatusChange},
        {I::NStatusWait, "NStatusWait", QStringLiteral("대기변경"), 1002, {}, 0, R::StatusChange},
        {I::NStatusWaitFree, "NStatusWaitFree", QStringLiteral("대기해제"), 1003, {}, 0, R::StatusChange},
        {I::NStatusCancelDvryReady, "NStatusCancelDvryReady", QStringLiteral("배차취소 -> 배달요청으로 변경"), 3002, {}, 0,
         R::StatusChange},
        {I::NStatusCancelWait, "NStatusCancelWait", QStringLiteral("배차취소 -> 대기상태로 변경"), 0, kXXXXX, 0,
         R::CancelThenWait},
        {I::NOrdBundleOneCancel, "NOrdBundleOneCancel", QStringLiteral("묶음배송 단건배차취소"), 1, {}, 0,
         R::BundleCancel},
        {I::NOrdBundleAllCancel, "NOrdBundleAllCancel", QStringLiteral("묶음배송 전체배차취소"), 2, {}, 0,
         R::BundleCancel},
        {I::NOrdBundleOneCancelWait, "NOrdBundleOneCancelWait", QStringLiteral("배차취소 -> 대기상태로 변경"), 0, kXXXXX,
         0, R::BundleCancelWait},
        {I::NStatusComplete, "NStatusComplete", QStringLiteral("완료변경"), 4001, {}, 0, R::StatusChange},
        {I::NStatusCancel, "NStatusCancel", QStringLiteral("취소변경"), 4002, {}, 0, R::CancelReasons},
        {I::NStatusCancelNAcc, "NStatusCancelNAcc", QStringLiteral("취소+정산취소"), 4002, {}, 1, R::CancelReasons},
        {I::NOrderCopy1001, "NOrderCopy1001", QStringLiteral("주문복사(접수)"), 1, {}, 0, R::Copy},
        {I::NOrderCopy2001, "NOrderCopy2001", QStringLiteral("주문복사(요청)"), 2, {}, 0, R::Copy},
        {I::N1, "N1", QStringLiteral("-"), 0, {}, 0, R::Separator},
        {I::NEtcTitle, "NEtcTitle", QStringLiteral("---- 기타업무 -----------"), 0, {}, 0, R::Header},
        {I::NEtcDvry, "NEtcDvry", QStringLiteral("지정배차/추천배차"), 0, {}, 0, R::CourierAssign},
        {I::NEtcDvryAnother, "NEtcDvryAnother", QStringLiteral("타배송원배차"), 0, {}, 0, R::None},
        {I::NEtcDvryShow, "NEtcDvryShow", QStringLiteral("배송원관제"), 0, {}, 0, R::None},
        {I::NEtcDvryRSTR, "NEtcDvryRSTR", QStringLiteral("배송원배차제한"), 0, {}, 0, R::CourierRestrict},
        {I::nOrdBundle, "nOrdBundle", QStringLiteral("묶음배송"), 0, {}, 0, R::Bundle},
        {I::N2, "N2", QStringLiteral("-"), 0, {}, 0, R::Separator},
        {I::NEtcStMsg, "NEtcStMsg", QStringLiteral("발주가맹점에 메세지 전송"), 0, {}, 0, R::MessageMenu},
        {I::NEtcWkBrMsg, "NEtcWkBrMsg", QStringLiteral("배송원 소속총판에 메세지 전송"), 0, {}, 0, R::MessageMenu},
        {I::NEtcWkStMsg, "NEtcWkStMsg", QStringLiteral("배송원 소속가맹점에 메세지 전송"), 0, {}, 0, R::MessageMenu},
        {I::NEtcDvryMsg, "NEtcDvryMsg", QStringLiteral("배송원에 메세지 전송"), 0, {}, 0, R::MessageMenu},
        {I::NCardAppr, "NCardAppr", QStringLiteral("카드전표"), 0, {}, 0, R::CardReceipts},
    };
    return items;
}

const OrderMenuItemInfo &OrderMenuItemInfoOf(OrderMenuItem item)
{
    static const QList<OrderMenuItemInfo> telephone = {
        {I::NEtcSubSenderTelMsg, "NEtcSubSenderTelMsg", QStringLiteral("제휴본사/총판으로 전화주세요."), 4, {}, 0,
         R::MessageText},
        {I::NEtcSubOrdStTelMsg, "NEtcSubOrdStTelMsg", QStringLiteral("발주가맹점으로 전화주세요."), 5, {}, 0,
         R::MessageText},
    };
    for (const OrderMenuItemInfo &i : OrderMenuItems())
        if (i.id == item)
            return i;
    for (const OrderMenuItemInfo &i : telephone)
        if (i.id == item)
            return i;
    throw std::out_of_range("order menu item");
}

QList<OrderMessageEntry> OrderMessageEntries(OrderMenuItem parent)
{
    using E = OrderMessageEntry;
    QList<E> out;
    auto fixed = [&](const QStringList &texts, int tag) {
        for (const QString &t : texts)
            out.append({E::FixedText, t, tag, std::nullopt});
    };
    const QString compose = QStringLiteral("직접입력");
    switch (parent) {
    case I::NEtcStMsg:
        fixed(fixedStoreTexts(), 1);
        out.append({E::Separator, {}, 0, std::nullopt});
        out.append({E::Compose, compose, 1, std::nullopt});
        break;
    case I::NEtcWkBrMsg:
        out.append({E::Compose, compose, 2, std::nullopt});
        break;
    case I::NEtcWkStMsg:
        fixed(fixedStoreTexts(), 2);
        out.append({E::Separator, {}, 0, std::nullopt});
        out.append({E::Compose, compose, 3, std::nullopt});
        break;
    case I::NEtcDvryMsg: {
        const OrderMenuItemInfo &sender = OrderMenuItemInfoOf(I::NEtcSubSenderTelMsg);
        const OrderMenuItemInfo &store = OrderMenuItemInfoOf(I::NEtcSubOrdStTelMsg);
        out.append({E::FixedText, sender.caption, sender.tag, I::NEtcSubSenderTelMsg});
        out.append({E::FixedText, store.caption, store.tag, I::NEtcSubOrdStTelMsg});
        // The last caption ends with a blank, as the couriers' devices know it.
        fixed({QStringLiteral("안전운행해주세요."), QStringLiteral("사무실로 복귀해주세요."),
               QStringLiteral("프로그램 업데이트 해주세요."), QStringLiteral("공지를 확인해주세요."),
               QStringLiteral("상품이 변경되었습니다."), QStringLiteral("대기자 콜수행해주세요. ")},
              3);
        out.append({E::Separator, {}, 0, std::nullopt});
        out.append({E::Compose, compose, 4, std::nullopt});
        break;
    }
    default:
        break;
    }
    return out;
}

OrderMenuRow OrderMenuRow::fromOrder(const TA1ORDER &o, const QString &payWord)
{
    OrderMenuRow r;
    r.TAKEOUT_YN = o.TAKEOUT_YN().toString();
    r.STATUS_CD = o.ORD_STATUS_CD().toString();
    r.ORD_NO = o.ORD_NO().toString();
    r.READY_TIME2 = o.READY_TIME().toString();
    r.ORD_ST_CODE = o.ORD_ST_CODE().toString();
    r.CTH_WK_CODE = o.CTH_WK_CODE().toString();
    r.CTH_ST_CODE = o.CTH_ST_CODE().toString();
    r.CTH_BR_CODE = o.CTH_BR_CODE().toString();
    r.ORD_ST_TEL = FormatPhone(o.ORD_ST_TEL().toString(), 0);
    r.ORD_GRP_NO = o.ORD_GRP_NO().toString();
    r.END_DATE2 = o.END_DATE().toString();
    r.ARR_TIME = o.ARR_TIME().toString();
    r.ORD_PATH_CD = o.ORD_PATH_CD().toString();
    r.MANUAL_GRP_YN = o.MANUAL_GRP_YN().toString();
    r.SHARE_GROUP = o.SHARE_GROUP().toString();
    r.DVRY_TYPE_CD = o.DVRY_TYPE_CD().toString();
    r.ORD_HD_CODE = o.ORD_HD_CODE().toString();
    r.BR_CODE = o.ORD_BR_CODE().toString();
    r.READY_CHANGE_DATE2 = o.READY_CHANGE_DATE().toString();
    r.DVRY_LOCK_TIME = QString::number(o.DVRY_LOCK_TIME);
    r.PAY_TYPE_CD = payWord;
    r.CANCEL_AJ_ABLE = o.CANCEL_AJ_YN().toString();
    r.ORG_ORD_NO = o.ORG_ORD_NO().toString();
    return r;
}

OrderMenuRow OrderMenuRow::fromCells(OrderMenuTab tab, const std::function<QString(const QString &)> &cell)
{
    OrderMenuRow r;
    if (tab == OrderMenuTab::StoreOrders) {
        r.TAKEOUT_YN = QStringLiteral("Y");
        r.STATUS_CD = pick(cell, QStringLiteral("CTV_TAKEOUT_ORD_STATUS_CD"));
        r.ORD_NO = pick(cell, QStringLiteral("CTV_TAKEOUT_ORD_NO"));
        r.ORD_ST_CODE = pick(cell, QStringLiteral("CTV_TAKEOUT_ORD_ST_CODE"));
        return r;
    }
    const QString p = tab == OrderMenuTab::Completed ? QStringLiteral("CTV_MAIN_COMP_") : QStringLiteral("CTV_MAIN_");
    auto c = [&](const char *name) { return pick(cell, p + QLatin1String(name)); };
    r.TAKEOUT_YN = c("TAKEOUT_YN");
    r.STATUS_CD = c("STATUS_CD");
    r.ORD_NO = c("ORD_NO");
    r.READY_TIME2 = c("READY_TIME2");
    r.ORD_ST_CODE = c("ORD_ST_CODE");
    r.CTH_WK_CODE = c("CTH_WK_CODE");
    r.CTH_ST_CODE = c("CTH_ST_CODE");
    r.CTH_BR_CODE = c("CTH_BR_CODE");
    r.ORD_ST_TEL = c("ORD_ST_TEL");
    if (tab == OrderMenuTab::Live)
        r.ORD_GRP_NO = c("ORD_GRP_NO");
    r.END_DATE2 = c("END_DATE2");
    r.ARR_TIME = c("ARR_TIME");
    r.ORD_PATH_CD = c("ORD_PATH_CD");
    r.MANUAL_GRP_YN = c("MANUAL_GRP_YN");
    r.SHARE_GROUP = c("SHARE_GROUP");
    // The two boards spell the ordering delivery group's column differently.
    r.DVRY_TYPE_CD = tab == OrderMenuTab::Completed ? c("DVRY_TYPE_CD") : c("DRVY_TYPE_CD");
    r.ORD_HD_CODE = c("ORD_HD_CODE");
    r.BR_CODE = c("BR_CODE");
    r.READY_CHANGE_DATE2 = c("READY_CHANGE_DATE2");
    r.DVRY_LOCK_TIME = c("DVRY_LOCK_TIME");
    if (tab == OrderMenuTab::Completed) {
        r.PAY_TYPE_CD = c("PAY_TYPE_CD");
        r.CANCEL_AJ_ABLE = c("CANCEL_AJ_ABLE");
        r.ORG_ORD_NO = c("ORG_ORD_NO");
    }
    return r;
}

OrderMenuUser OrderMenuUser::current()
{
    OrderMenuUser u;
    u.userClass = G_USER_INFO.USER_TYPE_CD.left(1);
    u.ID = G_USER_INFO.ID;
    u.HD = G_USER_INFO.HD;
    u.BR = G_USER_INFO.BR;
    u.MNG_DVRY_TYPE_CD = G_USER_INFO.MNG_DVRY_TYPE_CD;
    u.BR_DVRY_YN = G_USER_INFO.BR_DVRY_YN;
    u.AUTH_TEL = G_USER_INFO.AUTH_TEL;
    u.rights3 = HasAuthGrade(3);
    u.selDvryTypes = G_SL_ORD_FILTER[2];
    for (const TDVRY_GRP_INFO &g : G_DVRY_GRP_INFO)
        u.dvryGroups.append({g.DVRY_TYPE_CD, g.DVRY_LOCKTIME_CTH_YN});
    u.slBrCode = G_SL_BR_CODE;
    u.slBrDvryType = G_SL_BR_DVRY_TYPE;
    u.storeBranch = [](const QString &store) -> std::optional<QString> {
        const int i = int(G_SL_ST_CODE.indexOf(store));
        if (i < 0 || store.isEmpty())
            return std::nullopt;
        return QString(G_ST_LIST[i].BR_CODE);
    };
    u.pathValue2 = [](const QString &path) { return GetComCodeValue(QStringLiteral("O3"), path, 2); };
    return u;
}

QStringList OrderMenuPlan::shownNames() const
{
    QStringList out;
    for (int i = 0; i < kOrderMenuItemCount; ++i)
        if (visible[size_t(i)])
            out.append(QString::fromLatin1(OrderMenuItemInfoOf(OrderMenuItem(i)).name));
    return out;
}

OrderMenuPlan PlanOrderMenu(OrderMenuTab tab, const std::optional<OrderMenuRow> &row, const OrderMenuUser &user,
                            const QDateTime &now)
{
    OrderMenuPlan plan;
    plan.FSELECTBM = QStringLiteral("0");
    if (tab == OrderMenuTab::Other || !row)
        return plan;
    Planner p(plan, user);

    if (tab == OrderMenuTab::StoreOrders) {
        p.reset(false);
        p.show(I::NEtcStMsg);
        plan.fields = copyFields(tab, *row);
        plan.fieldsWritten = true;
        plan.popup = true;
        p.show(I::NStatusComplete);
        if (plan.fields.FPOP_ORDER_STATUS != QLatin1String("4002"))
            p.show(I::NStatusCancel);
        return plan;
    }

    const bool dispatch = dispatchAllowed(*row, user, now);
    const bool own = ownGroup(*row, user);
    p.reset(own);
    plan.fields = copyFields(tab, *row);
    plan.fieldsWritten = true;
    plan.groupNoWritten = tab == OrderMenuTab::Live;
    plan.popup = true;
    if (tab == OrderMenuTab::Completed && row->ORD_PATH_CD == QLatin1String("1004")
        && row->STATUS_CD == QLatin1String("4001")) {
        bool ok = false;
        QDateTime end = ParseFmtDateTime(row->END_DATE2, &ok);
        if (!ok)
            end = now;
        if (end.secsTo(now) / 3600 >= 3)
            plan.FSELECTBM = QStringLiteral("1");
    }
    p.restriction(*row);
    if (tab == OrderMenuTab::Live)
        liveStatusRules(p, plan, *row, user, dispatch, own);
    else
        completedStatusRules(p, plan, *row, user, dispatch, own);
    p.messages();
    return plan;
}

bool OrderPopupState::apply(const OrderMenuPlan &plan)
{
    FSELECTBM = plan.FSELECTBM;
    if (plan.fieldsWritten) {
        const QString groupNo = fields.FPOP_ORD_GRP_NO;
        fields = plan.fields;
        if (!plan.groupNoWritten)
            fields.FPOP_ORD_GRP_NO = groupNo;
        lastPlan = plan;
    }
    return plan.popup;
}
