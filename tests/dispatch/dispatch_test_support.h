#pragma once

// Orders and couriers for the control-screen tests: a distributor of branch BR1 (delivery
// group G1), a clock pinned to 2026-12-11 12:00, and helpers that build orders and couriers
// the way the order engine leaves them.
#include "orders/order_test_support.h"

#include "orders/courier_refresh.h"
#include "orders/order_globals.h"
#include "orders/order_list.h"
#include "orders/order_record.h"
#include "platform/clock.h"
#include "records/courier_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <memory>

namespace dispatchtest
{
inline QDateTime testNow()
{
    return QDateTime(QDate(2026, 12, 11), QTime(12, 0));
}

inline QString minutesAgo(int minutes)
{
    return testNow().addSecs(-60 * qint64(minutes)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// An order sketched for a test: OrderSketch("A").status("3001").waited(20).
struct OrderSketch
{
#define CD_SKETCH_FIELD(type, name, init)                                                        \
    type m_##name = init;                                                                        \
    OrderSketch &name(const type &v)                                                             \
    {                                                                                            \
        m_##name = v;                                                                            \
        return *this;                                                                            \
    }
    explicit OrderSketch(const QString &no) : m_no(no) {}
    QString m_no;
    CD_SKETCH_FIELD(QString, status, QStringLiteral("2001"))
    CD_SKETCH_FIELD(QString, branch, QStringLiteral("BR1"))
    CD_SKETCH_FIELD(QString, group, QStringLiteral("G1"))
    CD_SKETCH_FIELD(QString, store, QStringLiteral("행복치킨"))
    CD_SKETCH_FIELD(QString, addr, QStringLiteral("역삼동 1-1"))
    CD_SKETCH_FIELD(QString, stamp, QStringLiteral("20261211110000000"))
    CD_SKETCH_FIELD(int, waited, 5)  // minutes since the request
    CD_SKETCH_FIELD(QString, lng, QStringLiteral("127.0"))
    CD_SKETCH_FIELD(QString, lat, QStringLiteral("37.5"))
    CD_SKETCH_FIELD(QString, courier, QString())
#undef CD_SKETCH_FIELD
};

inline std::shared_ptr<TA1ORDER> order(const OrderSketch &s)
{
    auto o = std::make_shared<TA1ORDER>();
    o->set(A1::ORD_NO, s.m_no);
    o->set(A1::ORD_STATUS_CD, s.m_status);
    o->set(A1::ORD_BR_CODE, s.m_branch);
    o->set(A1::DVRY_TYPE_CD, s.m_group);
    o->set(A1::ORD_ST_NAME, s.m_store);
    o->set(A1::ORD_ST_CODE, QStringLiteral("S") + s.m_no);
    o->set(A1::TAKEOUT_YN, QStringLiteral("N"));
    o->set(A1::EA_ADDR_4, s.m_addr);
    o->set(A1::MOD_DATE_STAMP, s.m_stamp);
    o->set(A1::ORD_DATE, minutesAgo(s.m_waited + 10));
    o->set(A1::READY_CHANGE_DATE, minutesAgo(s.m_waited));
    o->set(A1::READY_TIME, QStringLiteral("10"));
    o->set(A1::ORD_TYPE, QStringLiteral("0"));
    o->set(A1::SA_LNG_X, s.m_lng);
    o->set(A1::SA_LAT_Y, s.m_lat);
    o->set(A1::EA_LNG_X, s.m_lng);
    o->set(A1::EA_LAT_Y, s.m_lat);
    o->set(A1::CTH_WK_CODE, s.m_courier);
    o->DVRY_AMT = 3500;
    o->ORD_AMT = 23000;
    return o;
}

inline void resetDispatchWorld()
{
    ordertest::resetWorld();
    ResetCourierRecords();
    ResetCourierRefreshGlobals();
    G_MAP_ORDERS.Clear();
    for (auto &list : G_SL_WK_CHG)
        list.clear();
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};
    G_SL_ORD_FILTER[2] = QStringList{QStringLiteral("G1")};
    G_USER_SET.COOK_VIEW_TYPE = "1";
    G_COM_CODE_LIST.clear();
    for (const auto &[code, name] : {std::pair{"0001", "출근"}, {"0002", "퇴근"}, {"0003", "휴식"}}) {
        TCOM_CODE_LIST row;
        row.SY_CODE = "WA";
        row.DT_CODE = QString::fromLatin1(code);
        row.DT_NAME = QString::fromUtf8(name);
        G_COM_CODE_LIST.append(row);
    }
    AppClock::setFixed(testNow());
}

// A courier to build: CSpec("W1").name("김철수").assigned(2).
struct CSpec
{
#define CD_SKETCH_FIELD(type, name, init)                                                        \
    type m_##name = init;                                                                        \
    CSpec &name(const type &v)                                                                   \
    {                                                                                            \
        m_##name = v;                                                                            \
        return *this;                                                                            \
    }
    explicit CSpec(const QString &code) : m_code(code) {}
    QString m_code;
    CD_SKETCH_FIELD(QString, name, QString())
    CD_SKETCH_FIELD(QString, attend, QStringLiteral("0001"))
    CD_SKETCH_FIELD(int, assigned, 0)
    CD_SKETCH_FIELD(int, departed, 0)
    CD_SKETCH_FIELD(QString, branch, QStringLiteral("BR1"))
    CD_SKETCH_FIELD(QString, dataStatus, QStringLiteral("1"))
#undef CD_SKETCH_FIELD
};

// A courier as the courier-list refresh leaves it (driving with assigned or departed orders).
inline TMyWorker &addCourier(const CSpec &s)
{
    TMyWorker w;
    w.WkCode = s.m_code;
    w.Wkname = s.m_name;
    w.WkAttendCD = s.m_attend;
    w.Wk3001Cnt = s.m_assigned;
    w.Wk3003Cnt = s.m_departed;
    w.BrCode = s.m_branch;
    w.BrName = QStringLiteral("강남총판");
    w.DataStatus = s.m_dataStatus;
    w.WkAttendWorkWait = s.m_assigned + s.m_departed > 0 ? 2 : 1;
    w.WkTel = QStringLiteral("01012345678");
    w.WKOrders = std::make_shared<TA1Orders>();
    return G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
}

// Hands an order to a courier's current-order list, as the order dispatch does.
inline void giveOrder(TMyWorker &w, const std::shared_ptr<TA1ORDER> &o)
{
    w.WKOrders->Add(o->ORD_NO().toString(), o);
    w.WkOrderNo << o->ORD_NO().toString();
}
} // namespace dispatchtest
