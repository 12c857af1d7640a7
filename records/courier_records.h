#pragma once

#include "text/fixed_text.h"
#include "common/keyed_list.h"

#include <QString>
#include <QStringList>

#include <memory>

class TA1Orders;

// A courier of the login with attendance, counts, position and current orders. The six
// WkOrder... lists describe the current orders in the same order.
struct TMyWorker
{
    QString HdCode;
    QString HdName;
    QString BrCode;
    QString BrName;
    QString StCode;
    QString StName;
    QString Wkname;
    QString WkCode;      // key
    QString DvryTypeCD;
    QString DataStatus;  // "1" active
    QString WkBizNum;
    QString WkAttendCD;  // "0001" at work, "0002" left, "0003" resting
    FixedText<20> WkLatY;
    FixedText<20> WkLanX;
    FixedText<20> OLD_WkLatY;
    FixedText<20> OLD_WkLanX;
    FixedText<3> MoveYn;
    int WkAttendWorkWait = 0;  // 1 waiting, 2 driving
    FixedText<9> WkCntMsg;
    FixedText<1> WkMapMark;
    FixedText<3> WkMapMarkBef;
    int Wk3001Cnt = 0;
    int Wk3003Cnt = 0;
    int Wk4001Cnt = 0;
    FixedText<11> WkCash;
    FixedText<30> WkCntMsgAll;
    FixedText<4> ConnectYN;
    QStringList WkOrderNo;
    QStringList WkOrderStatusCD;
    QStringList WkOrderData;
    QStringList WkOrderReadyChangeDate;
    QStringList WkOrderEAddr;
    QStringList WkOrderType;
    FixedText<20> WkTel;
    FixedText<1> GPSUseYN;
    FixedText<20> GPSAccuracy;
    FixedText<20> WKCarNumber;
    FixedText<14> WKCashOSTD;
    int WKChangeYN = 0;
    FixedText<1> WkMapMark2;
    FixedText<1> WkMapMarkBef2;
    // The courier's current orders; may be absent. Copies of the record share the list, as the
    // order records are shared with the boards.
    std::shared_ptr<TA1Orders> WKOrders;
    QStringList WKSlDistance;  // points already counted by getDistance
    double OldDistance = 0.0;

    // Route length of the current orders in kilometres: the courier to each pickup not yet
    // made and on to its destination, or straight to the destination once departed; every
    // point is counted once.
    double getDistance();
};

// The couriers with their codes: MyWorkerWkArray() is the code list of MyWorkerArray, so the
// index of a code is always the index of its courier.
struct TMyWorkerArray
{
    KeyedList<TMyWorker> MyWorkerArray;
    const QStringList &MyWorkerWkArray() const { return MyWorkerArray.codes(); }
};

extern TMyWorkerArray G_MY_WORKER;

// Empties the courier list (re-initialization and tests).
void ResetCourierRecords();
