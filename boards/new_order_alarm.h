#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The new-order alarm: an order whose order path asks the store to confirm it, shown in detail
// with its goods, accepted with an arrival time or as a delivery request, or rejected with a
// reason, while a countdown runs to the server's automatic cancellation.

// One second of the alarm window.
struct AlarmTick
{
    bool close = false;  // the deadline passed: hide the window
    QString waitText;    // the countdown ("m분 s초" / "s초"); empty without a countdown
    bool sound = false;  // play the reminder (sound slot 3)
};

// The order paths with a countdown, and the deadline's minutes after the order time for a path
// (0 without a countdown).
int AlarmDeadlineMinutes(const QString &orderPath);

// The tick at `now` for an order of orderPath placed at orderTime (raw text) whose window was shown
// at shownAt. An order time that cannot be read gives no countdown: the window then reminds every
// 10 seconds and never closes by itself.
AlarmTick NewOrderAlarmTick(const QString &orderPath, const QString &orderTime, const QDateTime &shownAt,
                            const QDateTime &now);

// "m분 s초" for at least a minute, else "s초".
QString AlarmCountdownText(qint64 secondsLeft);

// One option of a goods line.
struct AlarmOption
{
    QString code;
    QString name;
    qint64 price = 0;
};

// A line of the goods tree: a goods line (top level) or an addition under it.
struct AlarmGoodsLine
{
    QString code;  // goods code (goods lines)
    QString name;
    qint64 unitPrice = 0;
    int quantity = 1;
    qint64 amount = 0;
    int key = 0;      // the line key the tree sorts by
    QString addCode;  // addition code (additions)
    std::array<AlarmOption, 4> options{};
    QList<AlarmGoodsLine> additions;
};

// What the window shows of an order.
struct NewOrderDetail
{
    QString number;        // CTE_ORDER_NUM
    QString orderTimeText; // CTE_ACP_TIME
    QString orderTime;     // its Hint: the raw order time
    QString address;       // CMM_ADDR
    QString distance;      // CTE_DIS
    QString payment;       // CTE_PAY_GUBUN
    QString amount;        // CTE_AMT
    QString ordNo;         // CTE_ORD_NO
    QString orderPath;     // CTE_ORD_PATH_CD
    QString status;        // CTE_ORD_ST
    QList<AlarmGoodsLine> goods;  // sorted by key
};

// Pieces of the detail reply, pure.
QString AlarmDistanceText(const QString &metres);
QString AlarmPaymentText(const QString &payWhere, const QString &payKind);
QString AlarmAddressText(const QString &lotAddr, const QString &roadAddr, const QString &detail);
// Goods lines from the "│"-joined OUT_ROW2 rows and their additions from the OUT_ROW3 rows.
QList<AlarmGoodsLine> AlarmGoodsTree(const QStringList &goodsRows, const QStringList &additionRows);

// Reject reasons of the window: the cancel reasons with value "1", in list order; the Tag is the
// code as a number, 1001 when it is none.
struct AlarmRejectReason
{
    QString name;
    int tag = 1001;
};
AlarmRejectReason MakeAlarmRejectReason(const QString &name, const QString &code);

struct NewOrderAlarmHooks
{
    // The detail pages (empty: no reply). Default: RequestList on the shared connection.
    std::function<QStringList(const QString &code, const QString &callType, const QString &val,
                              const QString &pageCount)>
        requestList;
    std::function<QString(const QString &code, const QString &callType, const QString &val)> request;
    std::function<int(const QString &text, const QString &kind)> msgBox;
    std::function<void(const QString &line)> log;
    std::function<void(int slot)> playSound;
    std::function<void(const QString &ordNo)> removeNewOrder;  // out of the board's new-order list
    std::function<void()> show;     // show the window (not modal)
    std::function<void()> hide;
    std::function<void()> changed;  // fields or goods changed
};

// The window's logic: TFRM_ALAM_ORDER without its widgets.
class NewOrderAlarm
{
public:
    explicit NewOrderAlarm(NewOrderAlarmHooks hooks = {});

    // NStatusOrderCheckClick for the focused row (status, arrival time) and the popup order number.
    void openFor(const QString &rowStatus, const QString &rowArrival, const QString &popupOrderNo,
                 const QDateTime &now);
    // proc_Load_Alam_Order; true when the order's detail came.
    bool load(const QString &ordNo);
    // Accept (1001 / 2001) or reject (4002 with the reason's Tag).
    void proc_SendOrderConfirm(int status, int reason);
    // Choosing a reject reason: asks, then rejects.
    void reject(const AlarmRejectReason &reason);
    // A time button: only chooses the minutes.
    void chooseMinutes(int minutes);
    int minutes() const { return m_minutes; }
    // The window shows: the countdown starts from now.
    void shown(const QDateTime &now);
    // TMR_AUTO_CANCEL; returns the tick for the window.
    AlarmTick tick(const QDateTime &now);
    // proc_init, also "닫기" before hiding.
    void reset();
    void closeWindow();

    const NewOrderDetail &detail() const { return m_detail; }
    // Changes whenever the goods of the detail were replaced (a view rebuilds its tree only then).
    int goodsVersion() const { return m_goodsVersion; }
    QString waitText() const { return m_waitText; }
    bool running() const { return m_running; }
    bool visible() const { return m_visible; }

private:
    int box(const QString &text, const QString &kind) const;
    void log(const QString &line) const;
    void changed() const;

    NewOrderAlarmHooks m_hooks;
    NewOrderDetail m_detail;
    int m_goodsVersion = 0;
    QString m_pathKept;  // the order path stays until the next load
    QString m_waitText;
    QDateTime m_shownAt;
    int m_minutes = 30;
    bool m_running = false;
    bool m_visible = false;
};
