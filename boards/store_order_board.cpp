#include "boards/store_order_board.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/exception_text.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "orders/order_record.h"
#include "orders/order_seams.h"
#include "records/order_time_texts.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <exception>
#include <stdexcept>

namespace
{
const QString kStoreOrderCode = QStringLiteral("CS01_48_V01");
// The mark is echoed back with every load; a reply with an absurd one is not trusted.
// A store-order row is some forty short fields; anything far longer is not one.
constexpr int kMaxRowChars = 32 * 1024;
// Fields 0 to 39 are needed; field 40 (the store telephone) may be missing.
constexpr int kMinRowFields = 40;
constexpr int kStoreTelField = 40;

// How a field becomes its cell.
enum class Cell
{
    Text,
    Int1,     // integer, 1 when not a number
    Int0,     // integer, 0 when not a number
    Time,     // "mm-dd hh:nn"
    ModTime,  // as Time; the order time (field 22) when it comes out empty
    Phone,    // hyphenated, never masked
    Pay,      // the payment text from fields 31, 33 and 11
    StoreTel, // only when the row carries it
};

struct StoreOrderColumn
{
    int field;
    const char *name;
    const char *caption;
    GridValueType type;
    Cell cell;
};

// clang-format off
constexpr StoreOrderColumn kStoreOrderColumns[] = {
    {0,  "CTV_TAKEOUT_ORD_NO",               "주문번호",         GridValueType::Text,    Cell::Text},
    {1,  "CTV_TAKEOUT_ORG_ORD_NO",           "원주문번호",       GridValueType::Integer, Cell::Int1},
    {2,  "CTV_TAKEOUT_ORD_DATA_YN",          "주문데이터",       GridValueType::Text,    Cell::Text},
    {3,  "CTV_TAKEOUT_ORD_CONFIRM_TYPE",     "확인구분",         GridValueType::Text,    Cell::Text},
    {4,  "CTV_TAKEOUT_MOD_DATE",             "수정시간",         GridValueType::Text,    Cell::ModTime},
    {6,  "CTV_TAKEOUT_MOD_USER_ID",          "최종수정자ID",     GridValueType::Text,    Cell::Text},
    {7,  "CTV_TAKEOUT_ORD_TODAY_ALL_NO",     "당일접수번호",     GridValueType::Integer, Cell::Int1},
    {8,  "CTV_TAKEOUT_ORD_TODAY_NO",         "매장별순번",       GridValueType::Integer, Cell::Int1},
    {9,  "CTV_TAKEOUT_ORD_TODAY_ADD_NO",     "당일부가번호",     GridValueType::Integer, Cell::Int1},
    {10, "CTV_TAKEOUT_ORD_STATUS_CD",        "상태",             GridValueType::Text,    Cell::Text},
    {11, "CTV_TAKEOUT_ORD_PATH_CD",          "주문경로",         GridValueType::Text,    Cell::Text},
    {12, "CTV_TAKEOUT_ORD_ST_CODE",          "가맹점코드",       GridValueType::Text,    Cell::Text},
    {13, "CTV_TAKEOUT_ORD_ST_NAME",          "가맹점명",         GridValueType::Text,    Cell::Text},
    {14, "CTV_TAKEOUT_ORD_MASTER_ST_CODE",   "마스터가맹점코드", GridValueType::Text,    Cell::Text},
    {15, "CTV_TAKEOUT_ORD_CU_TEL",           "고객전화번호",     GridValueType::Text,    Cell::Phone},
    {16, "CTV_TAKEOUT_ORD_CU_END_CNT",       "완료횟수",         GridValueType::Integer, Cell::Text},
    {17, "CTV_TAKEOUT_ORD_CU_MULTI_END_CNT", "멀티완료횟수",     GridValueType::Integer, Cell::Text},
    {18, "CTV_TAKEOUT_ORD_CU_NAME",          "고객명",           GridValueType::Text,    Cell::Text},
    {19, "CTV_TAKEOUT_STAMP_CU_TEL",         "스탬프전화번호",   GridValueType::Text,    Cell::Text},
    {20, "CTV_TAKEOUT_STAMP_CNT",            "스탬프",           GridValueType::Integer, Cell::Text},
    {21, "CTV_TAKEOUT_STAMP_GOAL_CNT",       "스탬프목표",       GridValueType::Integer, Cell::Text},
    {22, "CTV_TAKEOUT_ORD_DATE",             "접수시간",         GridValueType::Text,    Cell::Time},
    {23, "CTV_TAKEOUT_ORD_TYPE",             "주문종류",         GridValueType::Text,    Cell::Text},
    {24, "CTV_TAKEOUT_TABLE_NO",             "테이블번호",       GridValueType::Integer, Cell::Int0},
    {25, "CTV_TAKEOUT_TAKEOUT_DATE",         "픽업예정시간",     GridValueType::Text,    Cell::Time},
    {26, "CTV_TAKEOUT_ARR_TIME",             "도착시간",         GridValueType::Text,    Cell::Text},
    {27, "CTV_TAKEOUT_ORD_MEMO",             "특이사항",         GridValueType::Text,    Cell::Text},
    {28, "CTV_TAKEOUT_END_DATE",             "완료시간",         GridValueType::Text,    Cell::Time},
    {29, "CTV_TAKEOUT_ORD_AMT",              "상품금액",         GridValueType::Integer, Cell::Text},
    {30, "CTV_TAKEOUT_DISCOUNT_AMT",         "할인료",           GridValueType::Integer, Cell::Text},
    {31, "CTV_TAKEOUT_CHARGE_TYPE",          "결제시점",         GridValueType::Text,    Cell::Text},
    {32, "CTV_TAKEOUT_CHARGE_HISTORY",       "카드승인",         GridValueType::Text,    Cell::Text},
    {33, "CTV_TAKEOUT_PAY_TYPE_CD",          "결제종류",         GridValueType::Text,    Cell::Pay},
    {34, "CTV_TAKEOUT_PAY_AMT",              "결제총액",         GridValueType::Integer, Cell::Text},
    {35, "CTV_TAKEOUT_PAY_MILEAGE",          "머니",             GridValueType::Integer, Cell::Text},
    {36, "CTV_TAKEOUT_GOODS_NAMES",          "상품명",           GridValueType::Text,    Cell::Text},
    {37, "CTV_TAKEOUT_ORD_BR_NAME",          "발주총판명",       GridValueType::Text,    Cell::Text},
    {38, "CTV_TAKEOUT_ORD_BR_CODE",          "총판코드",         GridValueType::Text,    Cell::Text},
    {39, "CTV_TAKEOUT_CU_TEL2",              "수령고객전화번호", GridValueType::Text,    Cell::Text},
    {40, "CTV_TAKEOUT_ORD_ST_TEL",           "가맹점연락처",     GridValueType::Text,    Cell::StoreTel},
};
// clang-format on
constexpr int kColumnCount = int(sizeof(kStoreOrderColumns) / sizeof(kStoreOrderColumns[0]));

constexpr int columnOfField(int field)
{
    for (int c = 0; c < kColumnCount; ++c)
        if (kStoreOrderColumns[c].field == field)
            return c;
    return -1;
}
// Column positions of the fields the loader reads back.
constexpr int kOrdNoCol = columnOfField(0);
constexpr int kStatusCol = columnOfField(10);
static_assert(kOrdNoCol == 0 && kStatusCol > 0);

int intOr(const QString &text, int def)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : def;
}

} // namespace

QList<GridColumn> StoreOrderColumns()
{
    QList<GridColumn> out;
    out.reserve(kColumnCount);
    for (const StoreOrderColumn &d : kStoreOrderColumns) {
        GridColumn c;
        c.name = QString::fromLatin1(d.name);
        c.caption = QString::fromUtf8(d.caption);
        c.type = d.type;
        out.append(c);
    }
    return out;
}

// What one load gathers while it applies its pages.
struct StoreOrderBoard::Batch
{
    bool incremental = false;
    bool changed = false;
    bool complete = true;    // every page was read and applied
    bool markRead = false;   // page 0 gave a mark
    QString nextMark;
    QStringList newOrders;   // new unconfirmed orders of this load
    int stage = 0;           // where an exception struck, for the log
};

StoreOrderBoard::StoreOrderBoard()
{
    m_model.setColumns(StoreOrderColumns());
    m_model.setObjectName(QStringLiteral("CTV_TAKEOUT"));
    m_request = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                   int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
}

int StoreOrderBoard::statusCounter(int status)
{
    switch (status) {
    case 1001:
    case 1002:
    case 2001:
        return 1;
    case 4001:
        return 5;
    case 4002:
        return 7;
    default:
        return -1;
    }
}

int StoreOrderBoard::recordOf(const QString &ordNo) const
{
    const auto it = m_stamps.constFind(ordNo);
    return it == m_stamps.constEnd() ? -1 : int(it.value() + m_frontCount);
}

void StoreOrderBoard::log(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
    else
        WriteLog(line);
}

// The grid, the number list and the counters are emptied together, so they never disagree.
void StoreOrderBoard::clearBoard()
{
    m_model.clearSort();
    m_model.clearRecords();
    m_numbers.clear();
    m_stamps.clear();
    m_frontCount = 0;
    m_counts.fill(0);
}

void StoreOrderBoard::addStoreIfUnknown(const QString &code)
{
    if (code.isEmpty() || G_SL_ST_CODE.contains(code))
        return;
    if (m_hooks.addStore) {
        m_hooks.addStore(code);
        return;
    }
    TST_LIST store;
    store.ST_CODE = code;
    G_ST_LIST.append(code, store);
}

QString StoreOrderBoard::payText(const QStringList &f) const
{
    const QString chargeType = f.at(31);
    const QString payCode = f.at(33);
    if (chargeType != QLatin1String("2")) {
        if (payCode == QLatin1String("1001"))
            return QStringLiteral("현금");
        if (payCode == QLatin1String("1002"))
            return QStringLiteral("카드");
    }
    // Paid in advance: by charge type, or by a payment kind that is neither cash nor card.
    const QString name = m_hooks.payName ? m_hooks.payName(payCode) : PayTypeName(payCode);
    if (G_SL_O3_COL11.contains(f.at(11)) && !name.isEmpty())
        return QStringLiteral("선결제(") + name + QLatin1Char(')');
    return QStringLiteral("선결제");
}

QVariantList StoreOrderBoard::rowValues(const QStringList &f, int record) const
{
    QVariantList v;
    v.reserve(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        const StoreOrderColumn &d = kStoreOrderColumns[c];
        switch (d.cell) {
        case Cell::Text:
            v.append(f.at(d.field));
            break;
        case Cell::Int1:
            v.append(intOr(f.at(d.field), 1));
            break;
        case Cell::Int0:
            v.append(intOr(f.at(d.field), 0));
            break;
        case Cell::Time:
            v.append(DateTimeToStr(f.at(d.field), 1));
            break;
        case Cell::ModTime: {
            QString t = DateTimeToStr(f.at(d.field), 1);
            if (t.isEmpty())
                t = DateTimeToStr(f.at(22), 1);
            v.append(t);
            break;
        }
        case Cell::Phone:
            v.append(FormatPhone(f.at(d.field), 0));
            break;
        case Cell::Pay:
            v.append(payText(f));
            break;
        case Cell::StoreTel:
            // A row without the field leaves what the cell had (nothing for a new row).
            if (f.size() > kStoreTelField)
                v.append(f.at(kStoreTelField));
            else
                v.append(record >= 0 ? m_model.recordValue(record, c) : QVariant(QString()));
            break;
        }
    }
    return v;
}

void StoreOrderBoard::applyRow(Batch &batch, const QString &row)
{
    if (row.size() > kMaxRowChars) {
        log(kStoreOrderCode + QStringLiteral(" row refused: ") + QString::number(row.size()) + QStringLiteral(" characters"));
        return;
    }
    batch.stage = 5;
    const QStringList f = SplitUnescaped(G_FIELD_SEP, row);
    if (f.size() < kMinRowFields) {
        log(kStoreOrderCode + QStringLiteral(" row refused: ") + QString::number(f.size()) + QStringLiteral(" fields"));
        return;
    }
    addStoreIfUnknown(f.at(12));

    const QString kind = f.at(23);
    const QString status = f.at(10);
    if (kind == QLatin1String("1016") || kind == QLatin1String("1017") || status == QLatin1String("1004")
        || status == QLatin1String("1009") || status == QLatin1String("4005"))
        return;
    const QString ordNo = f.at(0);
    if (ordNo.isEmpty()) {
        log(kStoreOrderCode + QStringLiteral(" row without an order number skipped"));
        return;
    }

    batch.stage = 6;
    const int record = recordOf(ordNo);
    bool statusOk = false;
    const int newStatus = status.trimmed().toInt(&statusOk);
    if (record < 0) {
        const QVariantList values = rowValues(f, -1);
        if (batch.incremental) {
            m_model.insertRecord(0, values);
            m_numbers.prepend(ordNo);
            // Every record moves down one: its stamp stays, the front count grows.
            m_stamps.insert(ordNo, -(++m_frontCount));
        } else {
            m_model.appendRecord(values);
            m_numbers.append(ordNo);
            m_stamps.insert(ordNo, qint64(m_numbers.size()) - 1 - m_frontCount);
        }
        if (status == QLatin1String("1001") && f.at(3) == QLatin1String("0") && !m_newOrders->contains(ordNo)) {
            m_newOrders->append(ordNo);
            batch.newOrders.append(ordNo);
        }
        ++m_counts[0];
        const int counter = statusOk ? statusCounter(newStatus) : -1;
        if (counter > 0)
            ++m_counts[size_t(counter)];
    } else {
        const int oldStatus = intOr(m_model.recordValue(record, kStatusCol).toString(), 1001);
        m_newOrders->removeAll(ordNo);
        const int current = statusOk ? newStatus : -1;
        if (oldStatus != current) {
            const int was = statusCounter(oldStatus);
            const int now = statusCounter(current);
            if (was > 0)
                --m_counts[size_t(was)];
            if (now > 0)
                ++m_counts[size_t(now)];
        }
        const QVariantList values = rowValues(f, record);
        for (int c = 0; c < kColumnCount; ++c)
            m_model.setRecordValue(record, c, values.at(c));
    }
    batch.changed = true;
}

void StoreOrderBoard::applyPage(Batch &batch, int pageIndex, const QString &page)
{
    batch.stage = 1;
    log(kStoreOrderCode + QStringLiteral(" READ:") + page);
    const QJsonObject o = QJsonDocument::fromJson(page.toUtf8()).object();
    const QString outCode = o.value(QLatin1String("OUT_CODE")).toString();
    const QString outMsg = o.value(QLatin1String("OUT_MSG")).toString();
    if (outCode != QLatin1String("1")) {
        log(kStoreOrderCode + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + outMsg);
        batch.complete = false;
        return;
    }
    const QJsonArray rows1 = o.value(QLatin1String("OUT_ROW1")).toArray();
    if (pageIndex == 0) {
        batch.stage = 2;
        QString mark = o.value(QLatin1String("OUT_VAL")).toString();
        if (!IsUsableSyncMark(mark)) {
            log(kStoreOrderCode + QStringLiteral(" sync mark refused, the board is rebuilt at the next load"));
            mark.clear();
        }
        batch.nextMark = mark;
        batch.markRead = true;
        if (outMsg.startsWith(QLatin1Char('A'))) {
            batch.incremental = false;
            clearBoard();
        }
        batch.stage = 3;
        if (batch.incremental
            && (!rows1.isEmpty() || !o.value(QLatin1String("OUT_ROW2")).toArray().isEmpty()))
            log(QStringLiteral("RECV DATA : ") + page);
    }
    batch.stage = 4;
    for (const QJsonValue &r : rows1) {
        if (!r.isString()) {
            log(kStoreOrderCode + QStringLiteral(" row refused: not a text"));
            continue;
        }
        applyRow(batch, r.toString());
    }
}

bool StoreOrderBoard::proc_Load_A2_Order_new()
{
    // Someone emptied the grid behind the board's back: the numbers no longer name its records.
    if (m_model.recordCount() != m_numbers.size()) {
        log(kStoreOrderCode + QStringLiteral(" board out of step, rebuilt"));
        gsA2SyncDate.clear();
    }
    Batch batch;
    batch.incremental = !gsA2SyncDate.isEmpty();
    if (!batch.incremental)
        clearBoard();

    const QStringList fields = {G_USER_INFO.ID,
                                G_USER_INFO.USER_TYPE_CD,
                                G_USER_INFO.HD,
                                G_USER_INFO.BR,
                                G_USER_INFO.ST,
                                QString(G_USER_INFO.MULTI_TYPE),
                                gsA2SyncDate,
                                QStringLiteral("1"),
                                QString(),
                                QString()};
    QString payload;
    for (const QString &f : fields)
        payload += f + G_FIELD_SEP;
    const QStringList pages = m_request(kStoreOrderCode, QStringLiteral("ADM9"), payload, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        if (m_hooks.setTopAreaEnabled)
            m_hooks.setTopAreaEnabled(true);
        log(kStoreOrderCode + QStringLiteral(" ERR[NO RESULT]"));
        if (m_hooks.searchTimerOn)
            m_hooks.searchTimerOn(false);
        return false;
    }

    log(QStringLiteral("Send and Recv Succ"));
    if (m_hooks.setTopAreaEnabled)
        m_hooks.setTopAreaEnabled(false);
    const QString markSent = gsA2SyncDate;
    bool updating = false;
    try {
        m_model.beginUpdate();
        updating = true;
        for (int i = 0; i < pages.size() && batch.complete; ++i)
            applyPage(batch, i, pages.at(i));
        batch.stage = 7;
        updating = false;
        m_model.endUpdate();
        if (batch.changed) {
            if (!batch.incremental) {
                m_model.clearSort();
                m_model.sort(kOrdNoCol, Qt::DescendingOrder);
            }
            if (!batch.newOrders.isEmpty() && m_sounds)
                m_sounds->playSound(3);
        }
        // The mark moves on only once the whole reply is on the board. An incremental reply cut
        // short asks again from the old mark (rows already applied are applied again in place);
        // a full one cut short rebuilds the board at the next load.
        if (batch.complete && batch.markRead)
            gsA2SyncDate = batch.nextMark;
        else
            gsA2SyncDate = batch.incremental ? markSent : QString();
    } catch (...) {
        const QString what = ExceptionText(std::current_exception());
        if (updating)
            m_model.endUpdate();
        log(QStringLiteral("ProcNum:") + QString::number(batch.stage) + QLatin1Char(':') + kStoreOrderCode
            + QStringLiteral(" Exception Err ") + what);
        gsA2SyncDate = batch.incremental ? markSent : QString();
        if (!batch.incremental && batch.changed) {
            m_model.clearSort();
            m_model.sort(kOrdNoCol, Qt::DescendingOrder);
        }
        // The orders already shown were not announced yet; the retry finds them on the board.
        if (!batch.newOrders.isEmpty() && m_sounds) {
            try {
                m_sounds->playSound(3);
            } catch (...) {
            }
        }
        if (m_hooks.filter)
            m_hooks.filter();
    }
    if (m_hooks.setTopAreaEnabled)
        m_hooks.setTopAreaEnabled(true);
    if (m_hooks.searchTimerOn)
        m_hooks.searchTimerOn(true);
    return true;
}

void StoreOrderBoard::procA2Check()
{
    int stage = 0;
    try {
        m_counts.fill(0);
        stage = 1;
        const int rows = m_model.rowCount();
        for (int row = 0; row < rows; ++row) {
            const int record = m_model.recordOfRow(row);
            ++m_counts[0];
            bool ok = false;
            const int status = m_model.recordValue(record, kStatusCol).toString().trimmed().toInt(&ok);
            const int counter = ok ? statusCounter(status) : -1;
            ++m_counts[size_t(counter > 0 ? counter : 8)];
        }
    } catch (...) {
        log(QStringLiteral("proc_Chk_Cnt2 ProcNum:") + QString::number(stage) + QStringLiteral(": Exception Err ")
            + ExceptionText(std::current_exception()));
    }
}
