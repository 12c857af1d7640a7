#include "boards/order_rows.h"

#include "boards/board_time_texts.h"

#include "common/daily_log.h"
#include "grid/grid_table_model.h"
#include "platform/clock.h"
#include "records/reference_lookups.h"
#include "records/order_time_texts.h"
#include "records/reference_records.h"
#include "records/session_records.h"
#include "text/date_helpers.h"
#include "text/hangul_initials.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

#include <QDate>

#include <bit>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>

namespace
{
std::function<void(const QString &)> &rowLogger()
{
    static std::function<void(const QString &)> log;
    return log;
}

void logLine(const QString &line)
{
    if (rowLogger())
        rowLogger()(line);
    else
        WriteLog(line);
}

const QString kStars = QStringLiteral("***-****-****");

int digit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9' ? c.unicode() - '0' : -1;
}

int number(QStringView s, int from, int len)
{
    int v = 0;
    for (int i = from; i < from + len; ++i) {
        const int d = digit(s.at(i));
        if (d < 0)
            return -1;
        v = v * 10 + d;
    }
    return v;
}

// "yyyy-mm-dd hh:nn:ss" as the replies send it, checked for a real date and time.
bool plainStamp(QStringView s)
{
    if (s.size() != 19 || s.at(4) != u'-' || s.at(7) != u'-' || s.at(10) != u' ' || s.at(13) != u':'
        || s.at(16) != u':')
        return false;
    const int y = number(s, 0, 4), mo = number(s, 5, 2), d = number(s, 8, 2);
    const int h = number(s, 11, 2), mi = number(s, 14, 2), se = number(s, 17, 2);
    return y >= 0 && mo >= 0 && d >= 0 && h >= 0 && h < 24 && mi >= 0 && mi < 60 && se >= 0 && se < 60
           && QDate::isValid(y, mo, d);
}

// The boards' short time texts: style 0 "hh:nn", 1 "mm-dd hh:nn". The reply's own stamp format
// is cut out directly (the boards refill thousands of rows a second); anything else goes the
// long way, which also logs what cannot be read.
QString shortTime(QStringView s, int style)
{
    if (s.isEmpty())
        return QString();
    if (plainStamp(s))
        return style == 0 ? s.mid(11, 5).toString() : s.mid(5, 11).toString();
    return DateTimeToStr(s.toString(), style);
}

// Writes into the record by column id; an id the board has no column for is skipped.
class RowWriter
{
public:
    RowWriter(GridTableModel &grid, int record, OrderBoard board)
        : m_grid(grid), m_record(record), m_board(board), m_cells(grid.recordCells(record))
    {
    }
    void set(BoardCol::Id id, QVariant v)
    {
        const int c = BoardColumnIndex(m_board, id);
        if (c < 0 || c >= m_cells.size())
            return;
        m_cells[c] = std::move(v);
        m_lo = m_lo < 0 ? c : std::min(m_lo, c);
        m_hi = std::max(m_hi, c);
    }
    // A text cell that already holds the text is left alone: a refilled order usually changed in a
    // few fields, and a copy per unchanged field would cost more than the rest of the row.
    void text(BoardCol::Id id, QStringView v)
    {
        const int c = BoardColumnIndex(m_board, id);
        if (c < 0 || c >= m_cells.size())
            return;
        const QVariant &cell = m_cells.at(c);
        if (cell.metaType().id() == QMetaType::QString && *static_cast<const QString *>(cell.constData()) == v)
            return;
        set(id, v.toString());
    }
    // The same for a text the filler made.
    void text(BoardCol::Id id, const QString &v) { text(id, QStringView(v)); }
    bool sameText(BoardCol::Id id, QStringView v) const
    {
        const int c = BoardColumnIndex(m_board, id);
        if (c < 0 || c >= m_cells.size())
            return false;
        const QVariant &cell = m_cells.at(c);
        return cell.metaType().id() == QMetaType::QString && *static_cast<const QString *>(cell.constData()) == v;
    }
    QVariant get(BoardCol::Id id) const
    {
        const int c = BoardColumnIndex(m_board, id);
        return c < 0 || c >= m_cells.size() ? QVariant() : m_cells.at(c);
    }
    void done()
    {
        if (m_lo >= 0)
            m_grid.recordCellsChanged(m_record, m_lo, m_hi);
    }

private:
    GridTableModel &m_grid;
    int m_record;
    OrderBoard m_board;
    QVariantList &m_cells;
    int m_lo = -1;
    int m_hi = -1;
};

// Text fields of an order, as a set.
struct FieldSet
{
    static_assert(A1::kTextCount <= 128);
    quint64 bits[2] = {0, 0};
    constexpr FieldSet() = default;
    constexpr FieldSet(std::initializer_list<A1::Field> fields)
    {
        for (const A1::Field f : fields)
            bits[f / 64] |= quint64(1) << (f % 64);
    }
};

// Which fields of an order differ from the values its row was last written from. Without such
// values everything counts as changed and every cell is written.
class FieldChanges
{
public:
    FieldChanges(const A1Values &now, const A1Values *before) : m_now(now), m_before(before) {}

    bool known() const { return m_before != nullptr; }
    bool any(const FieldSet &fields) const
    {
        for (int word = 0; word < 2; ++word) {
            for (quint64 bits = fields.bits[word]; bits; bits &= bits - 1) {
                if (differs(A1::Field(word * 64 + std::countr_zero(bits))))
                    return true;
            }
        }
        return false;
    }
    bool number(int A1Values::*field) const { return m_before->*field != m_now.*field; }
    bool distance() const { return !(m_before->DVRY_DISTANCE == m_now.DVRY_DISTANCE); }

private:
    bool differs(A1::Field f) const { return m_before->texts.view(f) != m_now.texts.view(f); }

    const A1Values &m_now;
    const A1Values *m_before;
};

// What a cell's value is made from while one row is filled. The address line is the costly
// part of two cells, so it is worked out once.
class CellInput
{
public:
    CellInput(const TA1ORDER &order, const BoardRowContext &context, const RowWriter &writer)
        : o(order), ctx(context), w(writer)
    {
    }
    const QString &addr()
    {
        if (!m_addr)
            m_addr = o.GetAddr();
        return *m_addr;
    }

    const TA1ORDER &o;
    const BoardRowContext &ctx;
    const RowWriter &w;

private:
    std::optional<QString> m_addr;
};

// How a cell shows what it is made of.
enum class Shown
{
    Text,          // the text field as it is
    Number,        // the number
    NumberText,    // the number as a text
    Phone,         // the telephone field formatted, never masked
    Time,          // the time field as "hh:nn"
    DateTime,      // the time field as "mm-dd hh:nn"
    Made,          // worked out by `make`
};

enum class OnBoard
{
    Both,
    Live,
    Completed,
};

// One cell of the row: which fields of the order it is made of and how it shows them. A cell is
// written when one of its fields changed (with `always` on every fill). `kept` is asked before
// the row is written, when no previous values are known: a costly cell whose inputs still stand
// in the row is left as it is.
struct CellRule
{
    BoardCol::Id id;
    Shown shown;
    A1::Field field = A1::kTextCount;  // the field shown (text, telephone, times)
    FieldSet texts;                    // the text fields it is made of
    int A1Values::*number = nullptr;   // the number it is made of
    bool distance = false;             // made of the distance
    bool always = false;
    QVariant (*make)(CellInput &) = nullptr;  // a null value leaves the cell as it is
    bool (*kept)(const RowWriter &, const TA1ORDER &) = nullptr;
    OnBoard on = OnBoard::Both;
};

constexpr CellRule fieldCell(BoardCol::Id id, A1::Field f, OnBoard on = OnBoard::Both)
{
    return {id, Shown::Text, f, {f}, nullptr, false, false, nullptr, nullptr, on};
}
constexpr CellRule numberCell(BoardCol::Id id, int A1Values::*n)
{
    return {id, Shown::Number, A1::kTextCount, {}, n};
}
constexpr CellRule numberTextCell(BoardCol::Id id, int A1Values::*n)
{
    return {id, Shown::NumberText, A1::kTextCount, {}, n};
}
constexpr CellRule phoneCell(BoardCol::Id id, A1::Field f)
{
    return {id, Shown::Phone, f, {f}};
}
// A time in another form than the replies' own goes the long way, which may log: such a cell is
// worked out on every fill.
constexpr CellRule timeCell(BoardCol::Id id, A1::Field f, Shown style)
{
    return {id, style, f, {f}};
}
constexpr CellRule madeCell(BoardCol::Id id, FieldSet texts, QVariant (*make)(CellInput &), int A1Values::*n = nullptr)
{
    return {id, Shown::Made, A1::kTextCount, texts, n, false, false, make};
}
constexpr CellRule distanceCell(BoardCol::Id id, QVariant (*make)(CellInput &))
{
    return {id, Shown::Made, A1::kTextCount, {}, nullptr, true, false, make};
}
constexpr CellRule alwaysCell(BoardCol::Id id, QVariant (*make)(CellInput &), OnBoard on = OnBoard::Both)
{
    return {id, Shown::Made, A1::kTextCount, {}, nullptr, false, true, make, nullptr, on};
}
constexpr CellRule keptCell(BoardCol::Id id, FieldSet texts, QVariant (*make)(CellInput &),
                            bool (*kept)(const RowWriter &, const TA1ORDER &))
{
    return {id, Shown::Made, A1::kTextCount, texts, nullptr, false, false, make, kept};
}

// The cells of both boards in the order they are written. The address line's search text is
// decided before the line itself is written.
std::span<const CellRule> cellRules()
{
    using namespace BoardCol;
    using F = A1Values;
    constexpr FieldSet addrFields = {
        A1::TAKEOUT_YN, A1::EA_ADDR_4, A1::EA_ADDR_5, A1::EA_ADDR_6, A1::EA_ADDR_7, A1::EA_ADDR_10};
    static constexpr CellRule rules[] = {
        numberCell(TODAY_ALL_NO, &F::ORD_TODAY_ALL_NO),
        alwaysCell(CHK, [](CellInput &) { return QVariant(false); }),
        numberTextCell(TODAY_NO, &F::ORD_TODAY_NO),
        fieldCell(ST_DVRY_TYPE_CD, A1::ST_DVRY_TYPE_CD),
        fieldCell(ORD_BR_NAME, A1::BR_NAME),
        fieldCell(ORD_ST_NAME, A1::ORD_ST_NAME),
        madeCell(ORD_PATH_CD, {A1::DVRY_SERVICE_TYPE, A1::ORD_PATH_CD},
            [](CellInput &in) { return QVariant(BoardPathCode(in.o)); }),
        fieldCell(STATUS_CD, A1::ORD_STATUS_CD),
        timeCell(ORD_DATE, A1::ORD_DATE, Shown::DateTime),
        // The count pass writes these two cells as well: they are always written.
        alwaysCell(PICKUP_DATE, [](CellInput &in) { return QVariant(shortTime(in.o.PICKUP_DATE(), 0)); }),
        alwaysCell(END_DATE, [](CellInput &in) { return QVariant(shortTime(in.o.END_DATE(), 0)); }),
        madeCell(CU_TEL, {A1::ORD_CU_TEL, A1::ORD_HD_CODE, A1::ORD_BR_CODE, A1::ORD_ST_CODE},
            [](CellInput &in) {
                return QVariant(FormatPhone(in.o.text(A1::ORD_CU_TEL), CustomerPhoneMask(in.o, in.ctx)));
            }),
        phoneCell(CU_050_NUM, A1::CU_050_NUM),
        numberTextCell(END_CNT, &F::ORD_CU_END_CNT),
        // The initial-consonant text of the address is the costly one: only for a changed address.
        madeCell(
            SearchAddr4, addrFields,
            [](CellInput &in) {
                return in.w.get(ADDR4).toString() != in.addr() ? QVariant(DivHan2(in.addr())) : QVariant();
            },
            &F::EA_ADDR_MOD_CNT),
        madeCell(
            ADDR4, addrFields, [](CellInput &in) { return QVariant(in.addr()); }, &F::EA_ADDR_MOD_CNT),
        distanceCell(DISTANCE, [](CellInput &in) { return QVariant(BoardDistanceKm(in.o.DVRY_DISTANCE)); }),
        madeCell(
            DVRY_AMT, {A1::TAKEOUT_YN},
            [](CellInput &in) { return QVariant(in.o.TAKEOUT_YN() == u"N" ? in.o.DVRY_AMT : 0); }, &F::DVRY_AMT),
        numberCell(EX_CHARGE, &F::DVRY_EX_CHARGE),
        fieldCell(GOODS_NAME, A1::GOODS_NAMES),
        numberCell(ORD_AMT, &F::ORD_AMT),
        numberCell(DISCOUNT_AMT, &F::DISCOUNT_AMT),
        numberCell(SRV_AMT, &F::SRV_AMT),
        numberCell(PAY_MILEAGE, &F::PAY_MILEAGE),
        numberCell(PAY_AMT, &F::PAY_AMT),
        madeCell(PAY_TYPE_CD, {A1::PAY_TYPE_CD, A1::CTH_WK_GOODS_PAY_TYPE, A1::CHARGE_TYPE, A1::ORD_PATH_CD},
            [](CellInput &in) { return QVariant(in.o.GetPayType(in.ctx.login)); }),
        fieldCell(TRAN_TYPE, A1::TRAN_TYPE),
        fieldCell(MNG_TYPE, A1::DVRY_MNG_TYPE),
        fieldCell(DVRY_SERVICE_TYPE, A1::DVRY_SERVICE_TYPE),
        madeCell(BM_ADDR, {A1::EA_ADDR_1, A1::EA_ADDR_2, A1::EA_ADDR_3, A1::EA_ADDR_8},
            [](CellInput &in) { return QVariant(ShortAreaAddress(in.o)); }),
        madeCell(
            MNG_FEE, {A1::TAKEOUT_YN, A1::ORD_STATUS_CD},
            [](CellInput &in) { return QVariant(BoardManagementFee(in.o)); }, &F::DVRY_MNG_FEE),
        fieldCell(CTH_DVRY_TYPE_CD, A1::CTH_DVRY_TYPE_CD),
        fieldCell(CTH_ST_NAME, A1::CTH_ST_NAME),
        phoneCell(CTH_ST_TEL, A1::CTH_ST_TEL),
        fieldCell(WK_NAME, A1::CTH_WK_NAME),
        phoneCell(WK_TEL, A1::CTH_WK_TEL),
        fieldCell(ORD_MEMO, A1::ORD_MEMO),
        fieldCell(CU_NAME, A1::ORD_CU_NAME),
        numberTextCell(DRVY_CNT, &F::DVRY_CNT),
        fieldCell(TAKEOUT_YN, A1::TAKEOUT_YN),
        fieldCell(ORD_NO, A1::ORD_NO),
        madeCell(ORG_PAY_TYPE, {A1::ORG_PAY_TYPE, A1::CTH_WK_GOODS_PAY_TYPE, A1::ORD_PATH_CD},
            [](CellInput &in) { return QVariant(in.o.GetOrgPayType(in.ctx.login)); }),
        numberCell(CASH_CNT, &F::CASH_MOVE_CNT),
        numberCell(CASH_AMT, &F::CASH_MOVE_AMT),
        fieldCell(PUT_ID, A1::PUT_USER_ID),
        numberCell(MULTI_END_CNT, &F::ORD_CU_MULTI_END_CNT),
        fieldCell(VAN_TYPE_CD, A1::VAN_TYPE_CD),
        fieldCell(CARD_APPR_NUM, A1::CARD_APPR_NUM),
        fieldCell(POS_ORD_CODE, A1::POS_ORD_CODE),
        timeCell(TAKEOUT_DATE, A1::TAKEOUT_DATE, Shown::Time),
        madeCell(WK_INOUT, {A1::DVRY_MNG_TYPE},
            [](CellInput &in) {
                return QVariant(in.ctx.brDvryYn == QLatin1String("Y") ? in.o.text(A1::DVRY_MNG_TYPE) : QString());
            }),
        fieldCell(DRVY_TYPE_CD, A1::DVRY_TYPE_CD),
        numberTextCell(ORD_TODAY_ADD_NO, &F::ORD_TODAY_ADD_NO),
        fieldCell(ORD_DATE2, A1::ORD_DATE),
        fieldCell(PICKUP_DATE2, A1::PICKUP_DATE),
        fieldCell(TAKEOUT_DATE2, A1::TAKEOUT_DATE),
        fieldCell(END_DATE2, A1::END_DATE),
        fieldCell(ORD_ST_CODE, A1::ORD_ST_CODE),
        fieldCell(XY_ACC_TYPE, A1::XY_ACC_TYPE),
        fieldCell(EA_ADDR5, A1::EA_ADDR_5),
        fieldCell(TYPE_CD, A1::ORD_TYPE_CD),
        fieldCell(ORD_NO2, A1::ORD_NO),
        alwaysCell(
            READY_TIME2, [](CellInput &) { return QVariant(1); }, OnBoard::Completed),
        fieldCell(READY_TIME2, A1::READY_TIME, OnBoard::Live),
        phoneCell(CU_TEL2, A1::ORD_CU_TEL_2),
        fieldCell(BR_CODE, A1::ORD_BR_CODE),
        fieldCell(WK_TEL2, A1::CTH_WK_TEL),
        fieldCell(CTH_BR_CODE, A1::CTH_BR_CODE),
        fieldCell(CTH_ST_CODE, A1::CTH_ST_CODE),
        fieldCell(CTH_DATE2, A1::CTH_DATE),
        fieldCell(CTH_WK_ARR_TIME2, A1::CTH_WK_ARR_TIME),
        fieldCell(MOD_DATE, A1::MOD_DATE_STAMP),
        fieldCell(MOD_USER_ID, A1::MOD_USER_ID),
        fieldCell(MASTER_ST_CODE, A1::ORD_MASTER_ST_CODE),
        fieldCell(CTH_MNG_BR_CODE, A1::CTH_MNG_BR_CODE),
        fieldCell(CTH_MNG_HD_CODE, A1::CTH_MNG_HD_CODE),
        fieldCell(ORD_HD_CODE, A1::ORD_HD_CODE),
        fieldCell(CTH_WK_ARR_DATE, A1::CTH_WK_ARR_DATE),
        fieldCell(READY_CTH_YN, A1::READY_CTH_YN),
        fieldCell(EA_ADDR_10, A1::EA_ADDR_10),
        fieldCell(CTH_WK_CODE, A1::CTH_WK_CODE),
        fieldCell(ACQUIRER_NAME, A1::ACQUIRER_NAME),
        fieldCell(EA_LAT_Y, A1::EA_LAT_Y),
        fieldCell(EA_LNG_X, A1::EA_LNG_X),
        fieldCell(READY_CHANGE_DATE2, A1::READY_CHANGE_DATE),
        fieldCell(ORD_ST_LAT_Y, A1::EA_LAT_Y),
        fieldCell(ORD_ST_LNG_X, A1::EA_LNG_X),
        // The straight-line distance is worked out again only when a coordinate moved.
        keptCell(
            ORD_ST_DISTANCE, {A1::SA_LAT_Y, A1::SA_LNG_X, A1::EA_LAT_Y, A1::EA_LNG_X},
            [](CellInput &in) {
                return QVariant(GetDistance(in.o.text(A1::SA_LNG_X), in.o.text(A1::SA_LAT_Y), in.o.text(A1::EA_LNG_X),
                                    in.o.text(A1::EA_LAT_Y))
                    / 1000.0);
            },
            [](const RowWriter &w, const TA1ORDER &o) {
                return w.get(ORD_ST_DISTANCE).isValid() && w.sameText(SA_LAT_Y, o.SA_LAT_Y())
                    && w.sameText(SA_LNG_X, o.SA_LNG_X()) && w.sameText(ORD_ST_LAT_Y, o.EA_LAT_Y())
                    && w.sameText(ORD_ST_LNG_X, o.EA_LNG_X());
            }),
        fieldCell(SA_LAT_Y, A1::SA_LAT_Y),
        fieldCell(SA_LNG_X, A1::SA_LNG_X),
        fieldCell(DVRY_TAX_YN, A1::DVRY_TAX_YN),
        fieldCell(DVRY_NLT_TYPE, A1::DVRY_NLT_TYPE),
        fieldCell(ST_DVRY_HD_CODE, A1::ST_DVRY_HD_CODE),
        fieldCell(ST_DVRY_BR_CODE, A1::ST_DVRY_BR_CODE),
        fieldCell(CHARGE_HISTORY, A1::CHARGE_HISTORY),
        fieldCell(DVRY_GRP_TYPE, A1::DVRY_GRP_TYPE),
        phoneCell(ORD_ST_TEL, A1::ORD_ST_TEL),
        fieldCell(ARR_TIME, A1::ARR_TIME),
        madeCell(SA_ADDR, {A1::SA_ADDR3, A1::SA_ADDR11, A1::SA_ADDR9, A1::SA_ADDR12, A1::SA_ADDR10, A1::SA_ADDR5},
            [](CellInput &in) { return QVariant(in.o.GetSaAddr()); }),
        keptCell(
            SearchWKNAME, {A1::CTH_WK_NAME},
            [](CellInput &in) { return QVariant(DivHan2(in.o.text(A1::CTH_WK_NAME))); },
            [](const RowWriter &w, const TA1ORDER &o) {
                return w.get(SearchWKNAME).isValid() && w.sameText(WK_NAME, o.CTH_WK_NAME());
            }),
        keptCell(
            SearchSTNAME, {A1::ORD_ST_NAME},
            [](CellInput &in) { return QVariant(DivHan2(in.o.text(A1::ORD_ST_NAME))); },
            [](const RowWriter &w, const TA1ORDER &o) {
                return w.get(SearchSTNAME).isValid() && w.sameText(ORD_ST_NAME, o.ORD_ST_NAME());
            }),
        numberCell(BR_ADD_PRICE, &F::DVRY_BR_ADD_PRICE),
        numberCell(ST_ADD_PRICE, &F::DVRY_ST_ADD_PRICE),
        fieldCell(CANCEL_AJ_ABLE, A1::CANCEL_AJ_YN),
        fieldCell(ORG_ORD_NO, A1::ORG_ORD_NO),
        numberCell(PENALTY_AMT, &F::PENALTY_AMT),
        fieldCell(CANCEL_DATE, A1::CANCEL_DATE),
        timeCell(DVRY_RESV_DATE, A1::DVRY_RESV_DATE, Shown::DateTime),
        fieldCell(PICKUP_READY_TYPE, A1::PICKUP_READY_TYPE, OnBoard::Live),
        fieldCell(SHARE_GROUP, A1::SHARE_GROUP),
        fieldCell(ORD_GRP_NO, A1::ORD_GRP_NO),
        fieldCell(ORD_GRP_CNT, A1::ORD_GRP_CNT, OnBoard::Live),
        fieldCell(PRE_CTH_YN, A1::PRE_CTH_YN, OnBoard::Live),
        fieldCell(AUTO_GRP_YN, A1::AUTO_GRP_YN, OnBoard::Live),
        fieldCell(MANUAL_GRP_YN, A1::MANUAL_GRP_YN, OnBoard::Live),
        fieldCell(EXT_ORD_NO, A1::EXT_ORD_NO),
        fieldCell(CU_ST_CODE, A1::CU_ST_CODE),
        numberCell(DVRY_LOCK_TIME, &F::DVRY_LOCK_TIME),
        fieldCell(POS_TYPE_CD, A1::POS_TYPE_CD),
    };
    return rules;
}

// Whether the rule's cell is to be written on this fill.
bool due(const CellRule &r, const FieldChanges &ch, const TA1ORDER &o)
{
    if (r.always || !ch.known())
        return true;
    if (ch.any(r.texts) || (r.number && ch.number(r.number)) || (r.distance && ch.distance()))
        return true;
    if (r.shown != Shown::Time && r.shown != Shown::DateTime)
        return false;
    // A time in another form than the replies' own goes the long way, which may log: it is
    // worked out on every fill.
    const QStringView v = o.texts.view(r.field);
    return !v.isEmpty() && !plainStamp(v);
}

// What both fillers write alike; `completed` picks the completed board's cells. With `before`
// (the values the row was last written from, its cells untouched since by anyone else, under the
// same context), a cell is written only when what it is made of changed: a tick refills a
// thousand rows of which each changed in a few fields.
void fillCommon(RowWriter &w, const TA1ORDER &o, const BoardRowContext &ctx, bool completed,
                const A1Values *before = nullptr)
{
    const std::span<const CellRule> rules = cellRules();
    const FieldChanges ch(o, before);
    const OnBoard other = completed ? OnBoard::Live : OnBoard::Completed;
    // Which costly cells stand as they are, decided before any cell is written.
    std::array<bool, 128> kept{};
    Q_ASSERT(rules.size() <= kept.size());
    if (!before)
        for (size_t i = 0; i < rules.size(); ++i)
            kept[i] = rules[i].kept && rules[i].on != other && rules[i].kept(w, o);
    CellInput in(o, ctx, w);
    for (size_t i = 0; i < rules.size(); ++i) {
        const CellRule &r = rules[i];
        if (r.on == other || kept[i] || !due(r, ch, o))
            continue;
        switch (r.shown) {
        case Shown::Text: w.text(r.id, o.texts.view(r.field)); break;
        case Shown::Number: w.set(r.id, o.*r.number); break;
        case Shown::NumberText: w.set(r.id, QString::number(o.*r.number)); break;
        case Shown::Phone: w.set(r.id, FormatPhone(o.text(r.field), 0)); break;
        case Shown::Time: w.text(r.id, shortTime(o.texts.view(r.field), 0)); break;
        case Shown::DateTime: w.text(r.id, shortTime(o.texts.view(r.field), 1)); break;
        case Shown::Made: {
            QVariant v = r.make(in);
            if (v.metaType().id() == QMetaType::QString)
                w.text(r.id, *static_cast<const QString *>(v.constData()));
            else if (v.isValid())
                w.set(r.id, std::move(v));
            break;
        }
        }
    }
}

// Only orders of the paths allowed to leave in a spreadsheet carry their contact data there.
void fillExportCopies(RowWriter &w)
{
    using namespace BoardCol;
    w.set(EXCEL_ADDR, w.get(ADDR4));
    w.set(EXCEL_CU_TEL, w.get(CU_TEL));
    w.set(EXCEL_CU_NAME, w.get(CU_NAME));
}

// Whole days between two moments, whichever comes first.
qint64 wholeDaysBetween(const QDateTime &a, const QDateTime &b)
{
    return qAbs(a.msecsTo(b)) / (24LL * 3600 * 1000);
}

QDateTime dateOrNow(const QString &s, const QDateTime &now)
{
    bool ok = false;
    const QDateTime t = ParseFmtDateTime(s, &ok);
    return ok ? t : now;
}
} // namespace

BoardRowContext BoardRowContext::Current()
{
    BoardRowContext c;
    c.login = CurrentOrderLogin();
    c.brDvryYn = G_USER_INFO.BR_DVRY_YN;
    c.cookViewType = G_USER_SET.COOK_VIEW_TYPE;
    for (const QString &s : G_SL_ST_CODE)
        c.storeCodes.insert(s);
    for (const QString &s : G_SL_O3_VAL2)
        c.exportPaths.insert(s);
    c.now = AppClock::now();
    return c;
}

void PayTotals::set(const QString &orderNo, int bucket, double amount)
{
    const auto it = m_shares.constFind(orderNo);
    if (it != m_shares.constEnd()) {
        FI_AMT_SUM[size_t(it->bucket)] -= it->amount;
        FI_AMT_CNT[size_t(it->bucket)] -= 1;
        m_shares.erase(it);
    }
    if (bucket < 0 || bucket > 3)
        return;
    FI_AMT_SUM[size_t(bucket)] += amount;
    FI_AMT_CNT[size_t(bucket)] += 1;
    m_shares.insert(orderNo, {bucket, amount});
}

void PayTotals::clear()
{
    FI_AMT_SUM.fill(0);
    FI_AMT_CNT.fill(0);
    m_shares.clear();
}

int PayBucket(const TA1ORDER &o)
{
    if (o.PAY_TYPE_CD() == u"1001")
        return o.CTH_WK_GOODS_PAY_TYPE() == u"2" ? 3 : 0;
    if (o.PAY_TYPE_CD() == u"1002")
        return 1;
    return 2;
}

int CustomerPhoneMask(const TA1ORDER &o, const BoardRowContext &ctx)
{
    const QString &cls = ctx.login.userClass;
    if (cls == QLatin1String("7"))
        return o.ORD_HD_CODE().trimmed() != ctx.login.HD && !ctx.storeCodes.contains(o.text(A1::ORD_ST_CODE)) ? 1 : 0;
    if (cls == QLatin1String("5"))
        return o.ORD_BR_CODE().trimmed() != ctx.login.BR && !ctx.storeCodes.contains(o.text(A1::ORD_ST_CODE)) ? 1 : 0;
    return 0;
}

QString BoardPathCode(const TA1ORDER &o)
{
    if (o.DVRY_SERVICE_TYPE() == u"2") {
        if (o.ORD_PATH_CD() == u"1039")
            return QStringLiteral("5000");
        if (o.ORD_PATH_CD() == u"1069")
            return QStringLiteral("5001");
    }
    return o.text(A1::ORD_PATH_CD);
}

int BoardManagementFee(const TA1ORDER &o)
{
    if (o.TAKEOUT_YN() != u"N")
        return 0;
    switch (StatusNumber(o.ORD_STATUS_CD(), 1001)) {
    case 3001:
    case 3003:
    case 4001: return o.DVRY_MNG_FEE;
    default: return 0;
    }
}

double BoardDistanceKm(double metres)
{
    if (!(metres > 0) || !std::isfinite(metres))
        return 0;
    return std::trunc(metres) / 1000.0;
}

QString ShortAreaAddress(const TA1ORDER &o)
{
    QString s;
    s.reserve(40);
    s.append(o.EA_ADDR_1()).append(QLatin1Char(' ')).append(o.EA_ADDR_2()).append(QLatin1Char(' '));
    s.append(o.EA_ADDR_8().isEmpty() ? o.EA_ADDR_3() : o.EA_ADDR_8());
    return s;
}

void SetBoardRowLogger(std::function<void(const QString &)> log)
{
    rowLogger() = std::move(log);
}

void proc_SetA1Order(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx)
{
    proc_SetA1Order(grid, record, order, ctx, nullptr);
}

void proc_SetA1Order(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx,
                     const A1Values *writtenFrom)
{
    if (!order || record < 0 || record >= grid.recordCount()) {
        logLine(QStringLiteral("proc_SetA1Order ERR"));
        return;
    }
    RowWriter w(grid, record, OrderBoard::Live);
    fillCommon(w, *order, ctx, false, writtenFrom);
    if (ctx.exportPaths.contains(order->text(A1::ORD_PATH_CD)))
        fillExportCopies(w);
    w.done();
}

void proc_SetA1CompOrder(GridTableModel &grid, int record, const TA1ORDER *order, const BoardRowContext &ctx,
                         PayTotals &totals)
{
    if (!order || record < 0 || record >= grid.recordCount()) {
        logLine(QStringLiteral("proc_SetA1CompOrder ERR"));
        return;
    }
    using namespace BoardCol;
    const TA1ORDER &o = *order;
    RowWriter w(grid, record, OrderBoard::Completed);
    fillCommon(w, o, ctx, true);
    if (ctx.exportPaths.contains(o.text(A1::ORD_PATH_CD))) {
        fillExportCopies(w);
    } else {
        const QDateTime now = ctx.now.isValid() ? ctx.now : AppClock::now();
        const bool finishedLongAgo = o.ORD_STATUS_CD() == u"4001"
                                     && wholeDaysBetween(now, dateOrNow(o.text(A1::END_DATE), now)) >= 3;
        const bool cancelledLongAgo = !finishedLongAgo && o.ORD_STATUS_CD() == u"4002"
                                      && wholeDaysBetween(now, dateOrNow(o.text(A1::ORD_DATE), now)) >= 3;
        if (finishedLongAgo || cancelledLongAgo) {
            for (const BoardCol::Id id : {CU_TEL, CU_TEL2, WK_TEL, WK_TEL2})
                w.set(id, kStars);
            w.set(ADDR4, finishedLongAgo ? w.get(BM_ADDR).toString() : QString(30, QLatin1Char('*')));
            w.set(ORD_MEMO, QString());
        }
    }
    if (ctx.cookViewType == QLatin1String("3"))
        w.set(READY_TIME, o.text(A1::READY_TIME) + QStringLiteral("분"));
    if (o.ORD_STATUS_CD() == u"4001" && o.GetOrderViewYN(ctx.login))
        totals.set(o.text(A1::ORD_NO), PayBucket(o), o.PAY_AMT);
    else
        totals.remove(o.text(A1::ORD_NO));
    w.done();
    procCheckCompleteTime(grid, record);
}

void procCheckCompleteTime(GridTableModel &grid, int record)
{
    if (record < 0 || record >= grid.recordCount())
        return;
    using namespace BoardCol;
    const auto cell = [&grid, record](BoardCol::Id id) {
        return grid.recordValue(record, BoardColumnIndex(OrderBoard::Completed, id)).toString();
    };
    const auto put = [&grid, record](BoardCol::Id id, const QVariant &v) {
        grid.setRecordValue(record, BoardColumnIndex(OrderBoard::Completed, id), v);
    };
    TOrderTimes t;
    t.status = cell(STATUS_CD);
    t.orderTime = cell(ORD_DATE2);
    t.reqTime = cell(READY_CHANGE_DATE2);
    t.pickupTime = cell(PICKUP_DATE2);
    // A cancelled order ends when it was cancelled.
    t.endTime = t.status == QLatin1String("4002") ? cell(CANCEL_DATE) : cell(END_DATE2);
    t.dispatchTime = cell(CTH_DATE2);
    const TOrderTimeColumns c = BoardTimeTexts(WallNowMs(), BoardTimeTexts::SettingsViewModes()).addStr4(t);
    bool isNumber = false;
    c.AAddTime.toLongLong(&isNumber);
    if (isNumber)
        put(ADD_TIME, c.AAddTime + QStringLiteral("분"));
    put(ADD_TIME_ALL, c.AAddTimeAll < 0 ? QString() : QString::number(c.AAddTimeAll) + QStringLiteral("분"));
    put(CTH_DATE, c.tmCTH);
    put(PICKUP_DATE, c.tmStart);
    put(END_DATE, c.tmEnd);
    put(READY_CHANGE_DATE, c.tmReq);
}
