#include "orders/courier_refresh.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "orders/order_globals.h"
#include "orders/order_list.h"
#include "records/courier_records.h"
#include "records/reference_records.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <exception>
#include <limits>
#include <memory>

int G_WK_CNT[kCourierCountSlots] = {};
QString G_DVRY_SYNC_DT;

namespace
{
const QString kCourierCode = QStringLiteral("CSDVRY");
const QString kCourierCallType = QStringLiteral("SWK2");
const QString kPageCount = QStringLiteral("3000");
constexpr int kTimeoutMs = 30000;
constexpr int kRowFields = 30;
// The mark goes back to the server with the next refresh; a reply with an absurd one is not kept.
// A courier code longer than this is not a code; free texts are cut to a sane length.
constexpr int kMaxCode = 40;
constexpr int kMaxText = 100;
// Order counts of one courier beyond this are not believed (and keep the sums from wrapping).
constexpr int kMaxOrderCount = 1000000;

const QString kAtWork = QStringLiteral("0001");
const QString kOffWork = QStringLiteral("0002");
const QString kResting = QStringLiteral("0003");
const QString kActive = QStringLiteral("1");

void addSaturated(int &counter, qint64 delta)
{
    const qint64 v = qint64(counter) + delta;
    counter = int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int orderCount(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::clamp(v, 0, kMaxOrderCount) : 0;
}

// A reported coordinate that can be drawn: not empty, a number, and not zero.
bool usableCoordinate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && v != 0.0;
}

// What one courier adds to a counter array: the state slot ([0]..[3], -1 for none) and the
// three order counts.
struct Share
{
    int slot = -1;
    int c3001 = 0;
    int c3003 = 0;
    int c4001 = 0;
};

int stateSlot(const QString &status, const QString &attend, int c3001, int c3003)
{
    if (status != kActive)
        return -1;
    if (attend == kOffWork)
        return 0;
    if (attend == kResting)
        return 1;
    if (attend == kAtWork)
        return (c3001 > 0 || c3003 > 0) ? 2 : 3;
    return -1;
}

Share shareOf(const TMyWorker &w)
{
    return {stateSlot(w.DataStatus, w.WkAttendCD.trimmed(), w.Wk3001Cnt, w.Wk3003Cnt), w.Wk3001Cnt, w.Wk3003Cnt,
            w.Wk4001Cnt};
}

void addShare(int *counts, const Share &s, int sign)
{
    if (s.slot >= 0)
        addSaturated(counts[s.slot], sign);
    addSaturated(counts[4], qint64(sign) * s.c3001);
    addSaturated(counts[5], qint64(sign) * s.c3003);
    addSaturated(counts[6], qint64(sign) * s.c4001);
}
} // namespace

void ResetCourierRefreshGlobals()
{
    std::fill(std::begin(G_WK_CNT), std::end(G_WK_CNT), 0);
    G_DVRY_SYNC_DT.clear();
}

void CountCouriers(const QStringList &branches, int *counts)
{
    std::fill(counts, counts + kCourierCountSlots, 0);
    if (branches.isEmpty())
        return;
    const QSet<QString> chosen(branches.cbegin(), branches.cend());
    for (const TMyWorker &w : G_MY_WORKER.MyWorkerArray)
        if (chosen.contains(w.BrCode))
            addShare(counts, shareOf(w), +1);
}

CourierListRefresh::CourierListRefresh() : CourierListRefresh(Hooks{}) {}

CourierListRefresh::CourierListRefresh(Hooks hooks) : m_hooks(std::move(hooks))
{
    if (!m_hooks.request)
        m_hooks.request = [](const QString &code, const QString &callType, const QString &val,
                             const QString &pageCount, int timeoutMs) {
            return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs);
        };
}

void CourierListRefresh::logLine(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
    else
        WriteLog(line);
}

QString CourierListRefresh::payload()
{
    const QStringList fields = {G_USER_INFO.ID,
                                QString(G_USER_INFO.USER_TYPE_CD).left(1),
                                G_USER_INFO.HD,
                                G_USER_INFO.BR,
                                G_USER_INFO.ST,
                                QStringLiteral("Y"),
                                G_DVRY_SYNC_DT};
    return JoinRequestFields(fields);
}

bool CourierListRefresh::proc_Dvry_List()
{
    // Store users see no couriers; a login without a head office has none to ask for.
    if (QString(G_USER_INFO.HD).isEmpty() || QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("1"))
        return false;
    const QStringList pages = m_hooks.request(kCourierCode, kCourierCallType, payload(), kPageCount, kTimeoutMs);
    if (pages.isEmpty()) {
        logLine(kCourierCode + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    return applyPages(pages);
}

bool CourierListRefresh::applyPages(const QStringList &pages)
{
    // The lookup holds only while these pages are applied: between refreshes others may change
    // the courier list or the selections.
    struct LookupScope
    {
        Lookup &l;
        ~LookupScope()
        {
            l = Lookup();
        }
    } scope{m_lookup};
    const QStringList &codes = G_MY_WORKER.MyWorkerWkArray();
    m_lookup.index.reserve(codes.size());
    for (int i = int(codes.size()) - 1; i >= 0; --i)
        m_lookup.index.insert(codes.at(i), i);  // the first of repeated codes wins, as in the list
    m_lookup.board = QSet<QString>(G_SL_ORD_FILTER[1].cbegin(), G_SL_ORD_FILTER[1].cend());
    if (m_hooks.mainBranches) {
        const QStringList mainBranches = m_hooks.mainBranches();
        m_lookup.main = QSet<QString>(mainBranches.cbegin(), mainBranches.cend());
    }
    m_lookup.active = true;

    bool ok = true;
    for (int p = 0; p < pages.size(); ++p) {
        const QJsonObject page = QJsonDocument::fromJson(pages.at(p).toUtf8()).object();
        const QString outCode = page.value(QLatin1String("OUT_CODE")).toString();
        if (outCode != QLatin1String("1")) {
            logLine(kCourierCode + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':')
                    + page.value(QLatin1String("OUT_MSG")).toString());
            ok = false;
            break;
        }
        if (p == 0) {
            QString next = page.value(QLatin1String("OUT_VAL")).toString();
            if (!IsUsableSyncMark(next)) {
                logLine(kCourierCode + QStringLiteral(" sync mark refused, every courier is asked for next time"));
                next.clear();
            }
            G_DVRY_SYNC_DT = next;
        }
        const QJsonArray rows = page.value(QLatin1String("OUT_ROW1")).toArray();
        int index = 0;
        try {
            for (; index < rows.size(); ++index) {
                const ReplyRow row = ReplyRow::fromJson(rows.at(index), G_FIELD_SEP);
                QStringList fields;
                fields.reserve(kRowFields);
                for (int c = 0; c < kRowFields; ++c)
                    fields.append(row.text(c));
                applyRow(fields);
            }
        } catch (const std::exception &e) {
            logLine(kCourierCode + QStringLiteral(": Step - ") + QString::number(rows.size()) + QLatin1Char(',')
                    + QString::number(index) + QStringLiteral(", Exception Err ") + QString::fromUtf8(e.what()));
            return false;
        }
    }
    if (m_hooks.updateWorkerGrid)
        m_hooks.updateWorkerGrid(false);
    return ok;
}

bool CourierListRefresh::applyRow(const QStringList &f)
{
    const QString code = f.value(0).trimmed();
    const QString status = f.value(5).trimmed();
    bool numeric = false;
    const int statusNo = status.toInt(&numeric);
    if (!numeric) {
        // An empty status is how the server leaves out a courier; anything else is damage.
        if (!status.isEmpty())
            logLine(kCourierCode + QStringLiteral(" Row Skip ") + code.left(kMaxCode) + QStringLiteral(" status ")
                    + status.left(kMaxCode));
        return false;
    }
    if (code.isEmpty() || code.size() > kMaxCode) {
        logLine(kCourierCode + QStringLiteral(" Row Skip courier code"));
        return false;
    }
    auto &list = G_MY_WORKER.MyWorkerArray;
    TMyWorker *found = m_lookup.active ? list.value(m_lookup.index.value(code, -1)) : list.find(code);
    // Status 0 is a courier taken out of service. For a courier this login knows the row is
    // applied all the same: skipped, the courier would keep its old status "1" and stay counted
    // and drawn on the map for the rest of the session, since the sync mark never brings the row
    // again. A courier this login never had is not worth adding, so that row changes nothing.
    if (statusNo == 0 && !found)
        return false;

    G_SL_WK_CHG[2].append(code);

    bool isNew = false;
    if (!found) {
        TMyWorker &w = list.append(code);
        if (m_lookup.active)
            m_lookup.index.insert(code, list.count() - 1);
        w.WkCode = code;
        w.WKOrders = std::make_shared<TA1Orders>();
        w.WKChangeYN = 2;
        found = &w;
        isNew = true;
    } else {
        // A record the grid has not taken yet stays new for it, or the grid would look for a row
        // it does not have.
        if (found->WKChangeYN != 2)
            found->WKChangeYN = 1;
        isNew = found->WkAttendCD.isEmpty();
    }
    TMyWorker &w = *found;
    if (!w.WKOrders)
        w.WKOrders = std::make_shared<TA1Orders>();

    const QString newBr = f.value(2).trimmed().left(kMaxCode);
    if (!m_lookup.active) {
        m_lookup.board = QSet<QString>(G_SL_ORD_FILTER[1].cbegin(), G_SL_ORD_FILTER[1].cend());
        const QStringList mainBranches = m_hooks.mainBranches ? m_hooks.mainBranches() : QStringList();
        m_lookup.main = QSet<QString>(mainBranches.cbegin(), mainBranches.cend());
    }
    const bool inBoard = m_lookup.board.contains(newBr);
    const bool inMain = m_hooks.mainCounts && m_lookup.main.contains(newBr);
    const bool wasInBoard = m_lookup.board.contains(w.BrCode);
    const bool wasInMain = m_hooks.mainCounts && m_lookup.main.contains(w.BrCode);

    // What the courier added to the counters before this row, under its previous branch.
    const Share before = shareOf(w);

    // A courier seen for the first time (or never given an attendance) has no previous state.
    QString oldStatus, oldAttend;
    if (!isNew) {
        oldStatus = w.DataStatus;
        oldAttend = w.WkAttendCD;
    } else {
        w.WkMapMark = "N";
        w.WkMapMarkBef = "N";
        w.WkAttendWorkWait = 1;
        w.WkCntMsg = QString::number(w.Wk3001Cnt) + QLatin1Char('/') + QString::number(w.Wk3003Cnt);
        w.WkCntMsgAll = QString(w.WkCntMsg);
        const QString st = f.value(3).trimmed();
        const int si = int(G_SL_ST_CODE.indexOf(st));
        if (!st.isEmpty() && si >= 0)
            w.StName = G_ST_LIST.at(si).ST_NAME;
    }

    w.HdCode = f.value(1).trimmed().left(kMaxCode);
    w.BrCode = newBr;
    w.StCode = f.value(3).trimmed().left(kMaxCode);
    w.WkAttendCD = f.value(4).trimmed().left(kMaxCode);
    w.DataStatus = status;
    w.WkCash = f.value(6).trimmed();
    w.Wkname = f.value(11).left(kMaxText);
    w.WkBizNum = f.value(12).left(kMaxText);
    w.WkTel = f.value(14).trimmed();
    w.WKCashOSTD = f.value(22).trimmed();
    w.GPSAccuracy = f.value(23).trimmed();
    w.GPSUseYN = f.value(24).trimmed();
    w.Wk3001Cnt = orderCount(f.value(25));
    w.Wk3003Cnt = orderCount(f.value(26));
    w.Wk4001Cnt = orderCount(f.value(27));
    w.ConnectYN = f.value(28).trimmed();
    w.WKCarNumber = f.value(29).trimmed();

    // A position without a fix (empty, zero, not a number) keeps the last known one.
    w.MoveYn = "N";
    const FixedText<20> latY = f.value(9).trimmed();
    const FixedText<20> lanX = f.value(10).trimmed();
    const bool fix = usableCoordinate(latY) && usableCoordinate(lanX);
    bool moved = false;
    if (fix && (latY.str() != w.WkLatY.str() || lanX.str() != w.WkLanX.str())) {
        w.OLD_WkLatY = QString(w.WkLatY);
        w.OLD_WkLanX = QString(w.WkLanX);
        w.MoveYn = "Y";
        w.WkLatY = latY;
        w.WkLanX = lanX;
        moved = true;
    }

    // Driving or waiting, as the board shows it.
    const QString attend = w.WkAttendCD;
    if (attend == kAtWork && status == kActive)
        w.WkAttendWorkWait = (w.Wk3001Cnt > 0 || w.Wk3003Cnt > 0) ? 2 : 1;

    // The counters: the courier's previous share leaves the selections of its previous branch,
    // its new share joins those of its new branch, so a branch change never leaves a counter
    // behind.
    const Share after = shareOf(w);
    if (wasInBoard)
        addShare(G_WK_CNT, before, -1);
    if (inBoard)
        addShare(G_WK_CNT, after, +1);
    if (wasInMain)
        addShare(m_hooks.mainCounts, before, -1);
    if (inMain)
        addShare(m_hooks.mainCounts, after, +1);

    // The map marker.
    if (status != oldStatus || attend != oldAttend || moved) {
        const bool visible = (status == kActive || status == QLatin1String("9")) && attend == kAtWork;
        if (visible && fix) {
            w.WkMapMarkBef = QString(w.WkMapMark);
            w.WkMapMark = "S";
            G_SL_WK_CHG[3].append(code);
        } else if (!visible && QString(w.WkMapMark) == QLatin1String("S")) {
            w.WkMapMarkBef = "S";
            w.WkMapMark = "H";
            G_SL_WK_CHG[3].append(code);
        }
    }
    return true;
}

void CourierListRefresh::procBRSelectWkCount()
{
    CountCouriers(G_SL_ORD_FILTER[1], G_WK_CNT);
}
