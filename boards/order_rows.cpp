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

#include <cmath>

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

// Which fields of an order differ from the values its row was last written from. Without such
// values everything counts as changed and every cell is written.
class FieldChanges
{
public:
    FieldChanges(const A1Values &now, const A1Values *before) : m_now(now), m_before(before) {}

    template <typename... F>
    bool text(F... fields) const
    {
        return !m_before || (... || differs(fields));
    }
    template <typename... F>
    bool number(F... fields) const
    {
        return !m_before || (... || (m_before->*fields != m_now.*fields));
    }
    bool distance() const { return !m_before || !(m_before->DVRY_DISTANCE == m_now.DVRY_DISTANCE); }
    // A time in another form than the replies' own goes the long way, which may log: it is
    // worked out on every fill, as before.
    bool time(A1::Field f) const
    {
        if (text(f))
            return true;
        const QStringView v = m_now.texts.view(f);
        return !v.isEmpty() && !plainStamp(v);
    }

private:
    bool differs(A1::Field f) const
    {
        const QStringView a = m_before->texts.view(f), b = m_now.texts.view(f);
        if (a.size() != b.size())
            return true;
        if (a.data() == b.data())
            return false;
        // Most fields are a few characters: compared in place, without a call.
        const QChar *x = a.data(), *y = b.data();
        for (qsizetype i = 0, n = a.size(); i < n; ++i)
            if (x[i] != y[i])
                return true;
        return false;
    }

    const A1Values &m_now;
    const A1Values *m_before;
};

// What both fillers write alike, in the live board's order. `completed` switches the few cells
// that differ. With `before` (the values the row was last written from, its cells untouched since
// by anyone else, under the same context), a cell is written only when what it is made of
// changed: a tick refills a thousand rows of which each changed in a few fields.
void fillCommon(RowWriter &w, const TA1ORDER &o, const BoardRowContext &ctx, bool completed,
                const A1Values *before = nullptr)
{
    using namespace BoardCol;
    using F = A1Values;
    const FieldChanges ch(o, before);
    // The straight-line distance is worked out again only when a coordinate moved.
    const bool sameCoords = before ? !ch.text(A1::SA_LAT_Y, A1::SA_LNG_X, A1::EA_LAT_Y, A1::EA_LNG_X)
                                   : w.get(ORD_ST_DISTANCE).isValid() && w.sameText(SA_LAT_Y, o.SA_LAT_Y())
                                         && w.sameText(SA_LNG_X, o.SA_LNG_X())
                                         && w.sameText(ORD_ST_LAT_Y, o.EA_LAT_Y())
                                         && w.sameText(ORD_ST_LNG_X, o.EA_LNG_X());
    const bool sameCourier = before ? !ch.text(A1::CTH_WK_NAME)
                                    : w.get(SearchWKNAME).isValid() && w.sameText(WK_NAME, o.CTH_WK_NAME());
    const bool sameStore = before ? !ch.text(A1::ORD_ST_NAME)
                                  : w.get(SearchSTNAME).isValid() && w.sameText(ORD_ST_NAME, o.ORD_ST_NAME());
    if (ch.number(&F::ORD_TODAY_ALL_NO))
        w.set(TODAY_ALL_NO, o.ORD_TODAY_ALL_NO);
    w.set(CHK, false);
    if (ch.number(&F::ORD_TODAY_NO))
        w.set(TODAY_NO, QString::number(o.ORD_TODAY_NO));
    if (ch.text(A1::ST_DVRY_TYPE_CD))
        w.text(ST_DVRY_TYPE_CD, o.ST_DVRY_TYPE_CD());
    if (ch.text(A1::BR_NAME))
        w.text(ORD_BR_NAME, o.BR_NAME());
    if (ch.text(A1::ORD_ST_NAME))
        w.text(ORD_ST_NAME, o.ORD_ST_NAME());
    if (ch.text(A1::DVRY_SERVICE_TYPE, A1::ORD_PATH_CD))
        w.text(ORD_PATH_CD, BoardPathCode(o));
    if (ch.text(A1::ORD_STATUS_CD))
        w.text(STATUS_CD, o.ORD_STATUS_CD());
    if (ch.time(A1::ORD_DATE))
        w.text(ORD_DATE, shortTime(o.ORD_DATE(), 1));
    // The count pass writes these two cells as well: they are always written.
    w.text(PICKUP_DATE, shortTime(o.PICKUP_DATE(), 0));
    w.text(END_DATE, shortTime(o.END_DATE(), 0));
    if (ch.text(A1::ORD_CU_TEL, A1::ORD_HD_CODE, A1::ORD_BR_CODE, A1::ORD_ST_CODE))
        w.set(CU_TEL, FormatPhone(o.text(A1::ORD_CU_TEL), CustomerPhoneMask(o, ctx)));
    if (ch.text(A1::CU_050_NUM))
        w.set(CU_050_NUM, FormatPhone(o.text(A1::CU_050_NUM), 0));
    if (ch.number(&F::ORD_CU_END_CNT))
        w.set(END_CNT, QString::number(o.ORD_CU_END_CNT));

    // The initial-consonant text of the address is the costly one: only for a changed address.
    const bool addrMoved = ch.text(A1::TAKEOUT_YN, A1::EA_ADDR_4, A1::EA_ADDR_5, A1::EA_ADDR_6, A1::EA_ADDR_7,
                                   A1::EA_ADDR_10)
                           || ch.number(&F::EA_ADDR_MOD_CNT);
    const QString addr = addrMoved ? o.GetAddr() : QString();
    if (addrMoved) {
        if (w.get(ADDR4).toString() != addr)
            w.set(SearchAddr4, DivHan2(addr));
        w.set(ADDR4, addr);
    }

    if (ch.distance())
        w.set(DISTANCE, BoardDistanceKm(o.DVRY_DISTANCE));
    if (ch.text(A1::TAKEOUT_YN) || ch.number(&F::DVRY_AMT))
        w.set(DVRY_AMT, o.TAKEOUT_YN() == u"N" ? o.DVRY_AMT : 0);
    if (ch.number(&F::DVRY_EX_CHARGE))
        w.set(EX_CHARGE, o.DVRY_EX_CHARGE);
    if (ch.text(A1::GOODS_NAMES))
        w.text(GOODS_NAME, o.GOODS_NAMES());
    if (ch.number(&F::ORD_AMT))
        w.set(ORD_AMT, o.ORD_AMT);
    if (ch.number(&F::DISCOUNT_AMT))
        w.set(DISCOUNT_AMT, o.DISCOUNT_AMT);
    if (ch.number(&F::SRV_AMT))
        w.set(SRV_AMT, o.SRV_AMT);
    if (ch.number(&F::PAY_MILEAGE))
        w.set(PAY_MILEAGE, o.PAY_MILEAGE);
    if (ch.number(&F::PAY_AMT))
        w.set(PAY_AMT, o.PAY_AMT);
    if (ch.text(A1::PAY_TYPE_CD, A1::CTH_WK_GOODS_PAY_TYPE, A1::CHARGE_TYPE, A1::ORD_PATH_CD))
        w.text(PAY_TYPE_CD, o.GetPayType(ctx.login));
    if (ch.text(A1::TRAN_TYPE))
        w.text(TRAN_TYPE, o.TRAN_TYPE());
    if (completed) {
        // The completed board writes the service type and the area address before the fee.
        if (ch.text(A1::DVRY_MNG_TYPE))
            w.text(MNG_TYPE, o.DVRY_MNG_TYPE());
        if (ch.text(A1::DVRY_SERVICE_TYPE))
            w.text(DVRY_SERVICE_TYPE, o.DVRY_SERVICE_TYPE());
        if (ch.text(A1::EA_ADDR_1, A1::EA_ADDR_2, A1::EA_ADDR_3, A1::EA_ADDR_8))
            w.text(BM_ADDR, ShortAreaAddress(o));
    }
    if (ch.text(A1::TAKEOUT_YN, A1::ORD_STATUS_CD) || ch.number(&F::DVRY_MNG_FEE))
        w.set(MNG_FEE, BoardManagementFee(o));
    if (ch.text(A1::CTH_DVRY_TYPE_CD))
        w.text(CTH_DVRY_TYPE_CD, o.CTH_DVRY_TYPE_CD());
    if (ch.text(A1::CTH_ST_NAME))
        w.text(CTH_ST_NAME, o.CTH_ST_NAME());
    if (ch.text(A1::CTH_ST_TEL))
        w.set(CTH_ST_TEL, FormatPhone(o.text(A1::CTH_ST_TEL), 0));
    if (ch.text(A1::CTH_WK_NAME))
        w.text(WK_NAME, o.CTH_WK_NAME());
    if (ch.text(A1::CTH_WK_TEL))
        w.set(WK_TEL, FormatPhone(o.text(A1::CTH_WK_TEL), 0));
    if (ch.text(A1::ORD_MEMO))
        w.text(ORD_MEMO, o.ORD_MEMO());
    if (ch.text(A1::ORD_CU_NAME))
        w.text(CU_NAME, o.ORD_CU_NAME());
    if (ch.number(&F::DVRY_CNT))
        w.set(DRVY_CNT, QString::number(o.DVRY_CNT));
    if (ch.text(A1::TAKEOUT_YN))
        w.text(TAKEOUT_YN, o.TAKEOUT_YN());
    if (ch.text(A1::ORD_NO))
        w.text(ORD_NO, o.ORD_NO());
    if (ch.text(A1::ORG_PAY_TYPE, A1::CTH_WK_GOODS_PAY_TYPE, A1::ORD_PATH_CD))
        w.text(ORG_PAY_TYPE, o.GetOrgPayType(ctx.login));
    if (ch.number(&F::CASH_MOVE_CNT))
        w.set(CASH_CNT, o.CASH_MOVE_CNT);
    if (ch.number(&F::CASH_MOVE_AMT))
        w.set(CASH_AMT, o.CASH_MOVE_AMT);
    if (ch.text(A1::PUT_USER_ID))
        w.text(PUT_ID, o.PUT_USER_ID());
    if (ch.number(&F::ORD_CU_MULTI_END_CNT))
        w.set(MULTI_END_CNT, o.ORD_CU_MULTI_END_CNT);
    if (!completed && ch.text(A1::DVRY_MNG_TYPE))
        w.text(MNG_TYPE, o.DVRY_MNG_TYPE());
    if (ch.text(A1::VAN_TYPE_CD))
        w.text(VAN_TYPE_CD, o.VAN_TYPE_CD());
    if (ch.text(A1::CARD_APPR_NUM))
        w.text(CARD_APPR_NUM, o.CARD_APPR_NUM());
    if (ch.text(A1::POS_ORD_CODE))
        w.text(POS_ORD_CODE, o.POS_ORD_CODE());
    if (ch.time(A1::TAKEOUT_DATE))
        w.text(TAKEOUT_DATE, shortTime(o.TAKEOUT_DATE(), 0));
    if (ch.text(A1::DVRY_MNG_TYPE))
        w.set(WK_INOUT, ctx.brDvryYn == QLatin1String("Y") ? o.text(A1::DVRY_MNG_TYPE) : QString());
    if (ch.text(A1::DVRY_TYPE_CD))
        w.text(DRVY_TYPE_CD, o.DVRY_TYPE_CD());
    if (ch.number(&F::ORD_TODAY_ADD_NO))
        w.set(ORD_TODAY_ADD_NO, QString::number(o.ORD_TODAY_ADD_NO));
    if (ch.text(A1::ORD_DATE))
        w.text(ORD_DATE2, o.ORD_DATE());
    if (ch.text(A1::PICKUP_DATE))
        w.text(PICKUP_DATE2, o.PICKUP_DATE());
    if (ch.text(A1::TAKEOUT_DATE))
        w.text(TAKEOUT_DATE2, o.TAKEOUT_DATE());
    if (ch.text(A1::END_DATE))
        w.text(END_DATE2, o.END_DATE());
    if (ch.text(A1::ORD_ST_CODE))
        w.text(ORD_ST_CODE, o.ORD_ST_CODE());
    if (ch.text(A1::XY_ACC_TYPE))
        w.text(XY_ACC_TYPE, o.XY_ACC_TYPE());
    if (ch.text(A1::EA_ADDR_5))
        w.text(EA_ADDR5, o.EA_ADDR_5());
    if (ch.text(A1::ORD_TYPE_CD))
        w.text(TYPE_CD, o.ORD_TYPE_CD());
    if (ch.text(A1::ORD_NO))
        w.text(ORD_NO2, o.ORD_NO());
    if (completed)
        w.set(READY_TIME2, 1);
    else if (ch.text(A1::READY_TIME))
        w.text(READY_TIME2, o.READY_TIME());
    if (ch.text(A1::ORD_CU_TEL_2))
        w.set(CU_TEL2, FormatPhone(o.text(A1::ORD_CU_TEL_2), 0));
    if (ch.text(A1::ORD_BR_CODE))
        w.text(BR_CODE, o.ORD_BR_CODE());
    if (ch.text(A1::CTH_WK_TEL))
        w.text(WK_TEL2, o.CTH_WK_TEL());
    if (ch.text(A1::CTH_BR_CODE))
        w.text(CTH_BR_CODE, o.CTH_BR_CODE());
    if (ch.text(A1::CTH_ST_CODE))
        w.text(CTH_ST_CODE, o.CTH_ST_CODE());
    if (ch.text(A1::CTH_DATE))
        w.text(CTH_DATE2, o.CTH_DATE());
    if (ch.text(A1::CTH_WK_ARR_TIME))
        w.text(CTH_WK_ARR_TIME2, o.CTH_WK_ARR_TIME());
    if (ch.text(A1::MOD_DATE_STAMP))
        w.text(MOD_DATE, o.MOD_DATE_STAMP());
    if (ch.text(A1::MOD_USER_ID))
        w.text(MOD_USER_ID, o.MOD_USER_ID());
    if (ch.text(A1::ORD_MASTER_ST_CODE))
        w.text(MASTER_ST_CODE, o.ORD_MASTER_ST_CODE());
    if (ch.text(A1::CTH_MNG_BR_CODE))
        w.text(CTH_MNG_BR_CODE, o.CTH_MNG_BR_CODE());
    if (ch.text(A1::CTH_MNG_HD_CODE))
        w.text(CTH_MNG_HD_CODE, o.CTH_MNG_HD_CODE());
    if (ch.text(A1::ORD_HD_CODE))
        w.text(ORD_HD_CODE, o.ORD_HD_CODE());
    if (ch.text(A1::CTH_WK_ARR_DATE))
        w.text(CTH_WK_ARR_DATE, o.CTH_WK_ARR_DATE());
    if (ch.text(A1::READY_CTH_YN))
        w.text(READY_CTH_YN, o.READY_CTH_YN());
    if (ch.text(A1::EA_ADDR_10))
        w.text(EA_ADDR_10, o.EA_ADDR_10());
    if (ch.text(A1::CTH_WK_CODE))
        w.text(CTH_WK_CODE, o.CTH_WK_CODE());
    if (ch.text(A1::ACQUIRER_NAME))
        w.text(ACQUIRER_NAME, o.ACQUIRER_NAME());
    if (ch.text(A1::EA_LAT_Y))
        w.text(EA_LAT_Y, o.EA_LAT_Y());
    if (ch.text(A1::EA_LNG_X))
        w.text(EA_LNG_X, o.EA_LNG_X());
    if (ch.text(A1::READY_CHANGE_DATE))
        w.text(READY_CHANGE_DATE2, o.READY_CHANGE_DATE());
    if (ch.text(A1::EA_LAT_Y))
        w.text(ORD_ST_LAT_Y, o.EA_LAT_Y());
    if (ch.text(A1::EA_LNG_X))
        w.text(ORD_ST_LNG_X, o.EA_LNG_X());
    if (!sameCoords)
        w.set(ORD_ST_DISTANCE, GetDistance(o.text(A1::SA_LNG_X), o.text(A1::SA_LAT_Y), o.text(A1::EA_LNG_X),
                                           o.text(A1::EA_LAT_Y))
                                   / 1000.0);
    if (ch.text(A1::SA_LAT_Y))
        w.text(SA_LAT_Y, o.SA_LAT_Y());
    if (ch.text(A1::SA_LNG_X))
        w.text(SA_LNG_X, o.SA_LNG_X());
    if (ch.text(A1::DVRY_TAX_YN))
        w.text(DVRY_TAX_YN, o.DVRY_TAX_YN());
    if (ch.text(A1::DVRY_NLT_TYPE))
        w.text(DVRY_NLT_TYPE, o.DVRY_NLT_TYPE());
    if (ch.text(A1::ST_DVRY_HD_CODE))
        w.text(ST_DVRY_HD_CODE, o.ST_DVRY_HD_CODE());
    if (ch.text(A1::ST_DVRY_BR_CODE))
        w.text(ST_DVRY_BR_CODE, o.ST_DVRY_BR_CODE());
    if (ch.text(A1::CHARGE_HISTORY))
        w.text(CHARGE_HISTORY, o.CHARGE_HISTORY());
    if (ch.text(A1::DVRY_GRP_TYPE))
        w.text(DVRY_GRP_TYPE, o.DVRY_GRP_TYPE());
    if (ch.text(A1::ORD_ST_TEL))
        w.set(ORD_ST_TEL, FormatPhone(o.text(A1::ORD_ST_TEL), 0));
    if (ch.text(A1::ARR_TIME))
        w.text(ARR_TIME, o.ARR_TIME());
    if (ch.text(A1::SA_ADDR3, A1::SA_ADDR11, A1::SA_ADDR9, A1::SA_ADDR12, A1::SA_ADDR10, A1::SA_ADDR5))
        w.text(SA_ADDR, o.GetSaAddr());
    if (!sameCourier)
        w.set(SearchWKNAME, DivHan2(o.text(A1::CTH_WK_NAME)));
    if (!sameStore)
        w.set(SearchSTNAME, DivHan2(o.text(A1::ORD_ST_NAME)));
    if (ch.number(&F::DVRY_BR_ADD_PRICE))
        w.set(BR_ADD_PRICE, o.DVRY_BR_ADD_PRICE);
    if (ch.number(&F::DVRY_ST_ADD_PRICE))
        w.set(ST_ADD_PRICE, o.DVRY_ST_ADD_PRICE);
    if (ch.text(A1::CANCEL_AJ_YN))
        w.text(CANCEL_AJ_ABLE, o.CANCEL_AJ_YN());
    if (ch.text(A1::ORG_ORD_NO))
        w.text(ORG_ORD_NO, o.ORG_ORD_NO());
    if (ch.number(&F::PENALTY_AMT))
        w.set(PENALTY_AMT, o.PENALTY_AMT);
    if (ch.text(A1::CANCEL_DATE))
        w.text(CANCEL_DATE, o.CANCEL_DATE());
    if (ch.time(A1::DVRY_RESV_DATE))
        w.text(DVRY_RESV_DATE, shortTime(o.DVRY_RESV_DATE(), 1));
    if (!completed) {
        if (ch.text(A1::PICKUP_READY_TYPE))
            w.text(PICKUP_READY_TYPE, o.PICKUP_READY_TYPE());
        if (ch.text(A1::DVRY_SERVICE_TYPE))
            w.text(DVRY_SERVICE_TYPE, o.DVRY_SERVICE_TYPE());
        if (ch.text(A1::EA_ADDR_1, A1::EA_ADDR_2, A1::EA_ADDR_3, A1::EA_ADDR_8))
            w.text(BM_ADDR, ShortAreaAddress(o));
        // The address once more, after the area address (the live board always did).
        if (addrMoved)
            w.set(ADDR4, addr);
    }
    if (ch.text(A1::SHARE_GROUP))
        w.text(SHARE_GROUP, o.SHARE_GROUP());
    if (ch.text(A1::ORD_GRP_NO))
        w.text(ORD_GRP_NO, o.ORD_GRP_NO());
    if (!completed) {
        if (ch.text(A1::ORD_GRP_CNT))
            w.text(ORD_GRP_CNT, o.ORD_GRP_CNT());
        if (ch.text(A1::PRE_CTH_YN))
            w.text(PRE_CTH_YN, o.PRE_CTH_YN());
        if (ch.text(A1::AUTO_GRP_YN))
            w.text(AUTO_GRP_YN, o.AUTO_GRP_YN());
        if (ch.text(A1::MANUAL_GRP_YN))
            w.text(MANUAL_GRP_YN, o.MANUAL_GRP_YN());
    }
    if (ch.text(A1::EXT_ORD_NO))
        w.text(EXT_ORD_NO, o.EXT_ORD_NO());
    if (ch.text(A1::CU_ST_CODE))
        w.text(CU_ST_CODE, o.CU_ST_CODE());
    if (ch.number(&F::DVRY_LOCK_TIME))
        w.set(DVRY_LOCK_TIME, o.DVRY_LOCK_TIME);
    if (ch.text(A1::POS_TYPE_CD))
        w.text(POS_TYPE_CD, o.POS_TYPE_CD());
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
