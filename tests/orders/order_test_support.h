#pragma once

// Rows, pages and recording seams for the order tests.

#include "orders/live_order_engine.h"
#include "orders/order_globals.h"
#include "orders/order_record.h"
#include "orders/order_seams.h"
#include "common/program_globals.h"
#include "records/courier_records.h"
#include "records/device_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace ordertest
{
inline QString sep()
{
    return QString(QChar(0x2502));
}

// A live order row of 123 columns: plausible defaults, then the overrides (column -> text).
inline QString liveRow(const QString &no, const QString &status, std::map<int, QString> over = {})
{
    QStringList cols;
    for (int i = 0; i < kA1RowColumns; ++i)
        cols.append(QString());
    cols[0] = no;
    cols[1] = QStringLiteral("1");
    cols[2] = QStringLiteral("0");
    cols[3] = QStringLiteral("1");
    cols[4] = QStringLiteral("1001");
    cols[5] = status;
    cols[6] = QStringLiteral("2026-12-11 09:00:00");
    cols[12] = QStringLiteral("3");
    cols[13] = QStringLiteral("서울 강남구 역삼동 1-1");
    cols[29] = QStringLiteral("1001");
    cols[32] = QStringLiteral("N");
    cols[33] = QStringLiteral("ST01");
    cols[34] = QStringLiteral("역삼점");
    cols[35] = QStringLiteral("D1");
    cols[43] = QStringLiteral("BR1");
    cols[65] = QStringLiteral("HD1");
    cols[79] = QStringLiteral("Y");
    cols[87] = QStringLiteral("20261211090000000");
    for (const auto &[c, v] : over)
        cols[c] = v;
    return cols.join(sep());
}

inline QString page(const QStringList &rows, const QString &outVal = QString())
{
    QJsonObject o;
    o.insert(QStringLiteral("OUT_CODE"), QStringLiteral("1"));
    o.insert(QStringLiteral("OUT_MSG"), QString());
    o.insert(QStringLiteral("OUT_VAL"), outVal);
    o.insert(QStringLiteral("OUT_ROW1"), QJsonArray::fromStringList(rows));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

// Mirrors the boards row by row as a view would, so a wrong row index shows as a wrong list.
class RecordingBoard : public IBoardSink
{
public:
    QStringList live, comp;
    int applied = 0;
    QStringList &rows(OrderBoard b) { return b == OrderBoard::Live ? live : comp; }
    void boardReset(OrderBoard b) override { rows(b).clear(); }
    void rowInserted(OrderBoard b, int row, const TA1ORDER &o) override
    {
        EXPECT_EQ(row, rows(b).size()) << "rows are appended";
        rows(b).insert(row, o.text(A1::ORD_NO));
    }
    void rowChanged(OrderBoard b, int row, const TA1ORDER &o) override
    {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, rows(b).size());
        EXPECT_EQ(rows(b).at(row), o.text(A1::ORD_NO)) << "a row is refilled with its own order";
    }
    void rowRemoved(OrderBoard b, int row) override
    {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, rows(b).size());
        rows(b).removeAt(row);
    }
    void batchApplied() override { ++applied; }
};

class RecordingPrinter : public IOrderPrinter
{
public:
    QStringList jobs;  // "slot:text"
    void printOrder(const QString &text, int copies, int slot) override
    {
        EXPECT_EQ(copies, 1);
        jobs.append(QString::number(slot) + QLatin1Char(':') + text);
    }
};

class RecordingSounds : public ISoundPlayer
{
public:
    QList<int> played;
    void playSound(int slot) override { played.append(slot); }
};

class RecordingScreens : public IControlScreens
{
public:
    bool open[3] = {false, false, false};
    bool map = false;
    QMap<int, QMap<QString, QString>> waiting;  // screen -> number -> stamp
    QStringList calls;
    bool isOpen(Screen s) const override { return open[s]; }
    bool mapShown() const override { return map; }
    bool hasWaitingRow(Screen s, const QString &no) const override { return waiting.value(s).contains(no); }
    void addWaitingRow(Screen s, const TA1ORDER &o) override
    {
        waiting[s].insert(o.text(A1::ORD_NO), QString());
        calls.append(QStringLiteral("add:") + o.text(A1::ORD_NO));
    }
    void removeWaitingRow(Screen s, const QString &no) override
    {
        waiting[s].remove(no);
        calls.append(QStringLiteral("remove:") + no);
    }
    QString waitingRowStamp(Screen s, const QString &no) const override { return waiting.value(s).value(no); }
    void SetReadyCallUpdate(Screen s, const TA1ORDER &o) override
    {
        waiting[s][o.text(A1::ORD_NO)] = o.text(A1::MOD_DATE_STAMP);
        calls.append(QStringLiteral("update:") + o.text(A1::ORD_NO));
    }
    void removeOrderGridRow(const QString &no) override { calls.append(QStringLiteral("grid-remove:") + no); }
    void SetDrawMapOrdReadyAdd(Screen, const TA1ORDER &o, int mode) override
    {
        calls.append(QStringLiteral("map-ready:%1:%2").arg(o.text(A1::ORD_NO)).arg(mode));
    }
    void SetDrawMapDeleteOrd(Screen, const TA1ORDER &o) override
    {
        calls.append(QStringLiteral("map-delete:") + o.text(A1::ORD_NO));
    }
    void SetDrawMapOrdDelete(const QString &st, const QString &allNo) override
    {
        calls.append(QStringLiteral("o-map-delete:") + st + QLatin1Char('/') + allNo);
    }
    void SetDrawMapOrdBaeChaAdd(const TA1ORDER &o, int mode) override
    {
        calls.append(QStringLiteral("o-map-assign:%1:%2").arg(o.text(A1::ORD_NO)).arg(mode));
    }
    void SetWorkControlFirstReadyData() override { calls.append(QStringLiteral("first-fill")); }
    void proc_WorkReadInfo(Screen) override { calls.append(QStringLiteral("read-info")); }
    void proc_WorkChangeInfo(Screen) override { calls.append(QStringLiteral("change-info")); }
    void proc_SetWorkPosotionChange() override { calls.append(QStringLiteral("position")); }
    void proc_OrderChangeMultiInfo(bool) override {}
};

// A login of a distributor of branch BR1 with every order path ticked, a clean slate of
// globals, and two couriers W1 and W2.
inline void resetWorld()
{
    ResetOrderGlobals();
    G_USER_INFO = TUSER_INFO();
    G_USER_INFO.USER_TYPE_CD = "5001";
    G_USER_INFO.BR = "BR1";
    G_USER_INFO.HD = "HD1";
    G_USER_INFO.DATA_STATUS = "1";
    G_USER_SET = TUSER_SET();
    G_USER_SET.Alam_1001 = "1";
    G_USER_SET.Alam_3001 = "1";
    G_USER_SET.Alam_3003 = "1";
    G_USER_SET.Alam_4001 = "1";
    G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1")};
    G_SL_ORD_FILTER[5] = QStringList{QStringLiteral("1001")};
    G_PRINT_SET = {};
    G_ST_LIST.clear();
    G_SL_BR_DVRY_TYPE.clear();
    G_SL_O3_COL11.clear();
    ResetCourierRecords();
    for (const char *code : {"W1", "W2"}) {
        TMyWorker w;
        w.WkCode = QString::fromLatin1(code);
        G_MY_WORKER.MyWorkerArray.append(w.WkCode, w);
    }
}

// Printer slot `slot` in use for receipts with the given switches ("1" on).
inline void usePrinter(int slot, const char *new1001, const char *req2001, const char *mod1002,
                       const char *mod1002_1)
{
    TPRINT_SET &p = G_PRINT_SET[size_t(slot)];
    p.Use_yn = true;
    p.PRT_TYPE = "0";
    p.PRT_ST_1001 = new1001;
    p.PRT_ST_2001 = req2001;
    p.PRT_ST_1002 = mod1002;
    p.PRT_ST_1002_1 = mod1002_1;
}

// The courier's current orders by number.
inline QStringList courierOrders(const QString &code)
{
    const TMyWorker *w = G_MY_WORKER.MyWorkerArray.find(code);
    return w && w->WKOrders ? w->WKOrders->Numbers() : QStringList();
}
} // namespace ordertest
