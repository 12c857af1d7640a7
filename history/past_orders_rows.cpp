#include "history/past_orders_rows.h"

#include "boards/same_day_board.h"
#include "common/program_globals.h"
#include "orders/order_record.h"
#include "orders/same_day_record.h"
#include "platform/clock.h"
#include "records/order_time_texts.h"
#include "records/reference_records.h"
#include "text/date_helpers.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

namespace
{
const QString &pastStars()
{
    static const QString s = QStringLiteral("***-****-****");
    return s;
}

QChar pastSeparator()
{
    return G_FIELD_SEP.isEmpty() ? QChar(0x2502) : G_FIELD_SEP.at(0);
}
} // namespace

QList<GridColumn> PastGeneralColumns(const BoardColumnLookups &lookups, const BoardCaptionWords &words)
{
    QList<GridColumn> columns = BoardColumns(OrderBoard::Completed, lookups, words);
    const QList<BoardColumnInfo> &infos = BoardColumnInfos(OrderBoard::Completed);
    for (int c = 0; c < columns.size() && c < infos.size(); ++c)
        columns[c].name = BoardColumnName(OrderBoard::Live, infos.at(c).id);
    return columns;
}

int PastGeneralColumn(BoardCol::Id id)
{
    return BoardColumnIndex(OrderBoard::Completed, id);
}

PastRowContext PastRowContext::Current()
{
    PastRowContext c;
    c.board = BoardRowContext::Current();
    for (const QString &p : G_SL_O3_VAL2)
        c.exportPaths.insert(p);
    c.now = AppClock::now();
    return c;
}

namespace
{
// "yyyy-MM-dd hh:mm:ss" read digit by digit: a load of 50,000 orders reads one per row, and the
// general date parser with its time-zone look-ups would cost more than the rest of the row.
bool pastPlainStamp(const QString &s, QDate *date, QTime *time)
{
    if (s.size() != 19 || s.at(4) != u'-' || s.at(7) != u'-' || s.at(10) != u' ' || s.at(13) != u':'
        || s.at(16) != u':')
        return false;
    const auto num = [&s](int from, int len, bool *ok) {
        int v = 0;
        for (int i = from; i < from + len; ++i) {
            const QChar c = s.at(i);
            if (c < u'0' || c > u'9') {
                *ok = false;
                return 0;
            }
            v = v * 10 + (c.unicode() - u'0');
        }
        return v;
    };
    bool ok = true;
    *date = QDate(num(0, 4, &ok), num(5, 2, &ok), num(8, 2, &ok));
    *time = QTime(num(11, 2, &ok), num(14, 2, &ok), num(17, 2, &ok));
    return ok && date->isValid() && time->isValid();
}
} // namespace

bool PastOrderPrivate(const QString &pathCode, const QString &orderTime, const PastRowContext &ctx)
{
    if (!ctx.exportPaths.contains(pathCode))
        return true;
    const QDateTime now = ctx.now.isValid() ? ctx.now : AppClock::now();
    QDate date;
    QTime time;
    if (!pastPlainStamp(orderTime, &date, &time)) {
        bool ok = false;
        const QDateTime ordered = ParseFmtDateTime(orderTime, &ok);
        if (!ok)
            return false;
        date = ordered.date();
        time = ordered.time();
    }
    // Whole days between the two moments (wall-clock times of the same zone), whichever comes first.
    const qint64 secs = date.daysTo(now.date()) * 86400LL + time.secsTo(now.time());
    return qAbs(secs) / 86400 >= 7;
}

bool AppendPastGeneralRow(GridTableModel &grid, const QString &row, PastRowContext &ctx, PayTotals &scratch,
                          QString *error)
{
    // The past row ends at the customer's store code: the live row's last column (the POS path)
    // is not sent, so an empty one is put in its place.
    TA1ORDER order;
    if (!proc_SetA1OrderFromRow(order, row + pastSeparator(), {}, error))
        return false;
    const int record = grid.appendRecord(QVariantList());
    // The board's filler writes the shared columns: address, pay texts, times, distances. It is
    // told that the path may go out, so it hides nothing by its own (today's) rules.
    if (!ctx.fillReady) {
        ctx.fillBoard = ctx.board;
        ctx.fillBoard.exportPaths.clear();
        ctx.fillBoard.now = ctx.now;
        ctx.fillReady = true;
    }
    const QString path = order.text(A1::ORD_PATH_CD);
    if (!ctx.fillBoard.exportPaths.contains(path))
        ctx.fillBoard.exportPaths.insert(path);
    proc_SetA1CompOrder(grid, record, &order, ctx.fillBoard, scratch);

    using namespace BoardCol;
    const auto put = [&grid, record](BoardCol::Id id, const QVariant &v) {
        const int c = PastGeneralColumn(id);
        if (c >= 0)
            grid.setRecordValue(record, c, v);
    };
    const auto get = [&grid, record](BoardCol::Id id) {
        const int c = PastGeneralColumn(id);
        return c < 0 ? QString() : grid.recordValue(record, c).toString();
    };
    // Past orders always show telephones with the middle block hidden.
    put(CU_TEL, FormatPhone(order.text(A1::ORD_CU_TEL), 1));
    put(CU_TEL2, FormatPhone(order.text(A1::ORD_CU_TEL_2), 1));
    put(WK_TEL, FormatPhone(order.text(A1::CTH_WK_TEL), 1));
    put(WK_TEL2, order.text(A1::CTH_WK_TEL));
    put(CTH_ST_TEL, FormatPhone(order.text(A1::CTH_ST_TEL), 1));
    put(ORD_ST_TEL, FormatPhone(order.text(A1::ORD_ST_TEL), 1));
    put(CU_NAME, MaskName3(order.text(A1::ORD_CU_NAME), 1));
    put(ORD_ST_LAT_Y, order.text(A1::SA_LAT_Y));
    put(ORD_ST_LNG_X, order.text(A1::SA_LNG_X));
    if (!order.GetDvryOrder())
        put(DVRY_AMT, 0);
    // The courier's arrival, sent as "hmm" or "hhmm".
    const QString arrival = order.text(A1::CTH_WK_ARR_TIME).trimmed();
    put(CTH_WK_ARR_TIME2, arrival);
    if (arrival.isEmpty()) {
        put(CTH_WK_ARR_TIME, QString());
    } else {
        const QString hhmm = arrival.rightJustified(4, QLatin1Char('0'));
        put(CTH_WK_ARR_TIME, hhmm.left(2) + QLatin1Char(':') + hhmm.mid(2, 2));
    }
    // The spreadsheet copies carry what the grid shows of an order whose path allows it.
    const bool allowed = ctx.exportPaths.contains(path);
    put(EXCEL_ADDR, allowed ? get(ADDR4) : QString());
    put(EXCEL_CU_TEL, allowed ? get(CU_TEL) : QString());
    put(EXCEL_CU_NAME, allowed ? get(CU_NAME) : QString());

    if (PastOrderPrivate(path, order.text(A1::ORD_DATE), ctx)) {
        for (const BoardCol::Id id : {CU_TEL, CU_TEL2, WK_TEL, WK_TEL2})
            put(id, pastStars());
        put(ADDR4, order.ORD_STATUS_CD() == u"4002" ? QString(30, QLatin1Char('*')) : get(BM_ADDR));
        put(ORD_MEMO, QString());
    }
    return true;
}

QList<GridColumn> PastSameDayColumns()
{
    return SameDayGridColumns(SameDayBoard::Today);
}

QString PastSameDayPrefix()
{
    return SameDayColumnPrefix(SameDayBoard::Today);
}

bool AppendPastSameDayRow(GridTableModel &grid, const QString &row, QString *error)
{
    TA3ORDER order;
    if (!proc_SetA3OrderFromRow(order, row, error))
        return false;
    QVariantList values = SameDayRecordValues(order, grid.columns(), PastSameDayPrefix());
    // Past orders show telephones with the middle block hidden and names with a letter hidden.
    const QString prefix = PastSameDayPrefix();
    const auto put = [&](const char *column, const QString &value) {
        const int c = grid.columnIndex(prefix + QLatin1String(column));
        if (c >= 0 && c < values.size())
            values[c] = value;
    };
    put("ORD_CU_TEL", FormatPhone(order.text(A3::ORD_CU_TEL), 1));
    put("CTH_WK_TEL", FormatPhone(order.text(A3::CTH_WK_TEL), 1));
    put("CTH_ST_TEL", FormatPhone(order.text(A3::CTH_ST_TEL), 1));
    put("ORD_ST_TEL", FormatPhone(order.text(A3::ORD_ST_TEL), 1));
    put("CTH_SOL_WK_TEL", FormatPhone(order.text(A3::CTH_SOL_WK_TEL), 1));
    put("CTH_LOGI_WK_TEL", FormatPhone(order.text(A3::CTH_LOGI_WK_TEL), 1));
    put("CTH_LOC_WK_TEL", FormatPhone(order.text(A3::CTH_LOC_WK_TEL), 1));
    put("ORD_CU_NAME", MaskName3(order.text(A3::ORD_CU_NAME), 1));
    grid.appendRecord(values);
    return true;
}

namespace
{
enum class StoreCell
{
    Text,
    Int1,    // integer, 1 when not a number
    Int0,    // integer, 0 when not a number
    Date,    // "mm-dd hh:nn"
    Phone,   // middle block hidden
    Name,    // third character hidden
    Number,  // amount
    Pay,     // pay text
};

struct StoreField
{
    const char *name;
    const char *caption;
    StoreCell cell;
};

// Fields of a store-order row in reply order; null name = not read.
constexpr StoreField kPastStoreFields[] = {
    {"ORD_NO", "주문번호", StoreCell::Text},
    {"ORG_ORD_NO", "매장별순번", StoreCell::Int1},
    {"ORD_DATA_YN", "서비스", StoreCell::Text},
    {"ORD_CONFIRM_TYPE", "주문확인", StoreCell::Text},
    {"MOD_DATE", "수정시간", StoreCell::Date},
    {nullptr, nullptr, StoreCell::Text},
    {"MOD_USER_ID", "수정아이디", StoreCell::Text},
    {"ORD_TODAY_ALL_NO", "당일 접수번호", StoreCell::Int1},
    {"ORD_TODAY_NO", "오늘 주문번호", StoreCell::Int1},
    {"ORD_TODAY_ADD_NO", "오늘 부가주문번호", StoreCell::Int1},
    {"ORD_STATUS_CD", "주문상태", StoreCell::Text},
    {"ORD_PATH_CD", "주문경로", StoreCell::Text},
    {"ORD_ST_CODE", "가맹점코드", StoreCell::Text},
    {"ORD_ST_NAME", "가맹점이름", StoreCell::Text},
    {"ORD_MASTER_ST_CODE", "마스터가맹점코드", StoreCell::Text},
    {"ORD_CU_TEL", "고객전화번호", StoreCell::Phone},
    {"ORD_CU_END_CNT", "고객완료횟수", StoreCell::Text},
    {"ORD_CU_MULTI_END_CNT", "고객멀티완료횟수", StoreCell::Text},
    {"ORD_CU_NAME", "고객명", StoreCell::Name},
    {"STAMP_CU_TEL", "스탬프고객전화번호", StoreCell::Phone},
    {"STAMP_CNT", "스탬프횟수", StoreCell::Text},
    {"STAMP_GOAL_CNT", "스탬프목표횟수", StoreCell::Text},
    {"ORD_DATE", "주문시간", StoreCell::Date},
    {"ORD_TYPE", "주문구분", StoreCell::Text},
    {"TABLE_NO", "테이블번호", StoreCell::Int0},
    {"TAKEOUT_DATE", "매장방문시간", StoreCell::Date},
    {"ARR_TIME", "주방발주시간", StoreCell::Text},
    {"ORD_MEMO", "메모", StoreCell::Text},
    {"END_DATE", "완료시간", StoreCell::Date},
    {"ORD_AMT", "주문금액", StoreCell::Number},
    {"DISCOUNT_AMT", "할인금액", StoreCell::Number},
    {"CHARGE_TYPE", "결제구분", StoreCell::Text},
    {"CHARGE_HISTORY", "결제방식변경내역", StoreCell::Text},
    {"PAY_TYPE_CD", "결제종류", StoreCell::Pay},
    {"PAY_AMT", "지불금액", StoreCell::Number},
    {"PAY_MILEAGE", "지불마일리지", StoreCell::Number},
    {"GOODS_NAMES", "상품이름", StoreCell::Text},
    {"ORD_BR_NAME", "발주총판명", StoreCell::Text},
    {"ORD_BR_CODE", "발주총판코드", StoreCell::Text},
    {"CU_TEL2", "", StoreCell::Phone},
};

int pastStoreInt(const QString &s, int def)
{
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    return ok ? v : def;
}
} // namespace

QList<GridColumn> PastStoreColumns()
{
    QList<GridColumn> out;
    for (const StoreField &f : kPastStoreFields) {
        if (!f.name)
            continue;
        GridColumn c;
        c.name = QStringLiteral("CTV_TAKEOUT_") + QLatin1String(f.name);
        c.caption = QString::fromUtf8(f.caption);
        if (f.cell == StoreCell::Int0 || f.cell == StoreCell::Int1 || f.cell == StoreCell::Number)
            c.type = GridValueType::Integer;
        out.append(c);
    }
    return out;
}

QString PastStorePayText(const QString &chargeType, const QString &payCode, const QString &path,
                         const QString &payName, const QStringList &prepaidPaths)
{
    if (chargeType != QLatin1String("2")) {
        if (payCode == QLatin1String("1001"))
            return QStringLiteral("현금");
        if (payCode == QLatin1String("1002"))
            return QStringLiteral("카드");
    }
    if (prepaidPaths.contains(path) && !payName.isEmpty())
        return QStringLiteral("선결제(") + payName + QLatin1Char(')');
    return QStringLiteral("선결제");
}

bool InsertPastStoreRow(GridTableModel &grid, const QString &row, const QStringList &prepaidPaths, QString *error)
{
    const QStringList f = SplitUnescaped(QString(pastSeparator()), row);
    if (f.size() < kPastStoreMinFields) {
        if (error)
            *error = QStringLiteral("row has %1 of %2 columns").arg(f.size()).arg(kPastStoreMinFields);
        return false;
    }
    QVariantList values;
    int i = -1;
    for (const StoreField &sf : kPastStoreFields) {
        ++i;
        if (!sf.name)
            continue;
        const QString v = f.value(i);
        switch (sf.cell) {
        case StoreCell::Text: values.append(v); break;
        case StoreCell::Int1: values.append(pastStoreInt(v, 1)); break;
        case StoreCell::Int0: values.append(pastStoreInt(v, 0)); break;
        case StoreCell::Number: values.append(pastStoreInt(v, 0)); break;
        case StoreCell::Phone: values.append(FormatPhone(v, 1)); break;
        case StoreCell::Name: values.append(MaskName3(v, 1)); break;
        case StoreCell::Date: {
            // The change time falls back on the order time when it is blank.
            const QString s = (i == 4 && v.trimmed().isEmpty()) ? f.value(22) : v;
            values.append(s.trimmed().isEmpty() ? QString() : DateTimeToStr(s, 1));
            break;
        }
        case StoreCell::Pay:
            values.append(PastStorePayText(f.value(31), v, f.value(11), PayTypeName(v), prepaidPaths));
            break;
        }
    }
    grid.insertRecord(0, values);
    return true;
}
