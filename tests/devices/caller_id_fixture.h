#pragma once

#include "common/caller_id_header.h"
#include "common/daily_log.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "devices/call_routing.h"
#include "platform/app_paths.h"
#include "platform/clock.h"
#include "records/device_records.h"
#include "records/message_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/phone_helpers.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A world of three stores (delivery, quick, deleted delivery), two couriers and the telephone
// lists; the program's folders in a temporary directory; message boxes recorded.
struct CallerIdWorld
{
    QTemporaryDir dir;
    QStringList boxes;
    MsgBoxHandler previousBoxes;

    CallerIdWorld()
    {
        ResetReferenceRecords();
        ResetMessageRecords();
        ResetDeviceRecords();
        ResetSessionRecords();
        qputenv("COURIER_DESK_HOME", dir.path().toUtf8());
        AppPaths::resetForTests();
        QDir().mkpath(AppPaths::cidDir());
        G_USER_INFO.UserAuthGrade = 3;
        addStore("0000101", "행복치킨", "02-111-2222", "1", "1", "1001");
        addStore("0000102", "번개퀵", "02-333-4444", "5", "1", "1002");
        addStore("0000103", "폐업식당", "02-555-6666", "1", "0", "1001");
        addCourier("W00001", "010-7777-8888");
        addCourier("W00002", "02-555-6666");  // also a store's number
        previousBoxes = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(':') + text;
            return 1;
        });
        G_CUR_FORM = QStringLiteral("FRM_ORD");
    }
    ~CallerIdWorld()
    {
        SetMsgBoxHandler(previousBoxes);
        qunsetenv("COURIER_DESK_HOME");
        AppPaths::resetForTests();
        ResetReferenceRecords();
        ResetMessageRecords();
        ResetDeviceRecords();
        ResetSessionRecords();
    }

    static void addStore(const char *code, const char *name, const char *tel, const char *shop, const char *status,
                         const char *telType)
    {
        TST_LIST st;
        st.ST_CODE = QString::fromUtf8(code);
        st.ST_NAME = QString::fromUtf8(name);
        st.ST_TEL = QString::fromUtf8(tel);
        st.SHOP_TYPE = QString::fromUtf8(shop);
        st.DATA_STAUS = QString::fromUtf8(status);
        st.TEL_TYPE_CD = QString::fromUtf8(telType);
        const int idx = G_ST_LIST.count();
        G_ST_LIST.append(st.ST_CODE, st);
        TST_TEL_LIST t;
        t.ST_CODE = st.ST_CODE;
        t.ST_TEL = RemoveHyphens(st.ST_TEL);
        t.ST_Idx = idx;
        G_ST_TEL_LIST.append(t.ST_TEL, t);
    }
    static void addCourier(const char *code, const char *tel)
    {
        TWK_TEL_LIST w;
        w.WK_CODE = QString::fromUtf8(code);
        w.WK_TEL = QString::fromUtf8(tel);
        G_WK_TEL_LIST.append(RemoveHyphens(w.WK_TEL), w);
    }
};

// Records what the routing does instead of showing windows.
struct FakeCallTargets : ICallTargets
{
    QList<bool> windowsBusy = QList<bool>(10, false);
    QList<bool> tabsBusy = QList<bool>(12, false);
    QList<Opening> opened;
    QStringList courierCalls;
    QStringList filters;   // "addr|name|wk"
    QStringList warnings;
    int fronts = 0;
    std::function<void()> duringWarning;

    bool windowFree(int slot) const override { return !windowsBusy.at(slot); }
    bool tabFree(int tab) const override { return !tabsBusy.at(tab); }
    void openWindow(const Opening &o) override
    {
        opened << o;
        windowsBusy[o.slot] = true;
        tabsBusy[o.tab] = true;
    }
    void showCourierCall(const QString &wkCode) override { courierCalls << wkCode; }
    void filterBoard(const QString &, const QString &addr, const QString &name, const QString &wk) override
    {
        filters << addr + QLatin1Char('|') + name + QLatin1Char('|') + wk;
    }
    void warn(const QString &text) override
    {
        warnings << text;
        if (duringWarning)
            duringWarning();
    }
    void frontReception() override { ++fronts; }
};

inline HEADER callOf(const QString &caller, const QString &line)
{
    HEADER h;
    h.sType = QStringLiteral("117");
    h.sTelNum = caller;
    h.sMainLn = line;
    h.sSndTime = QStringLiteral("12:00:00");
    h.sLine = QStringLiteral("1");
    return h;
}
