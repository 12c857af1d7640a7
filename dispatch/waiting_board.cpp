#include "dispatch/waiting_board.h"

#include "orders/order_list.h"
#include "orders/order_record.h"
#include "platform/clock.h"
#include "records/order_time_texts.h"
#include "settings/settings_file.h"
#include "text/date_helpers.h"
#include "text/text_helpers.h"

#include <cmath>

namespace
{
struct WaitingColumnDef
{
    const char *name;
    const char *caption;
    GridValueType type;
    const char *show;  // per variant M, C, O: 'S' shown, 'h' hidden, '-' absent
};

// Captions as the screens show them; the map screen's distance caption differs (below).
const WaitingColumnDef kWaitingColumns[Dmo::kCount] = {
    {"DMO_ORD_CHK", "체크", GridValueType::Text, "SSS"},
    {"DMO_ORD_GRP_NO", "그룹번호", GridValueType::Text, "S--"},
    {"DMO_ORD_TYPE", "구분", GridValueType::Text, "SS-"},
    {"DMO_READY_TIME", "조리시간", GridValueType::Integer, "SS-"},
    {"DMO_ORD_CHK_VIEW", "보기", GridValueType::Text, "h--"},
    {"DMO_ORD_TODAY_ALL_NO", "순번", GridValueType::Integer, "hhS"},
    {"DMO_ADD_TIME", "경과시간", GridValueType::Integer, "SS-"},
    {"DMO_PICKUP_READY_TYPE", "포장", GridValueType::Text, "S--"},
    {"DMO_ORD_BR_NAME", "발주총판명", GridValueType::Text, "S--"},
    {"DMO_ST_NAME", "가맹점명", GridValueType::Text, "SSS"},
    {"DMO_CU_ADDR", "고객주소", GridValueType::Text, "SSS"},
    {"DMO_DVRY_AMT", "배달대행료", GridValueType::Text, "SSS"},
    {"DMO_EX_CHARGE", "할증요금", GridValueType::Integer, "--S"},
    {"DMO_READY_CHANGE_DATE_VIEW", "요청변경시간", GridValueType::Text, "hS-"},
    {"DMO_ORD_AMT", "주문금액", GridValueType::Text, "hSh"},
    {"DMO_WK_ST_DIS", "기사와 거리", GridValueType::Text, "hhh"},
    {"DMO_ST_CU_DIS", "가맹점과 거리", GridValueType::Text, "Shh"},
    {"DMO_PAY_TYPE", "결제구분", GridValueType::Text, "Shh"},
    {"DMO_ST_CODE", "가맹점코드", GridValueType::Text, "hhh"},
    {"DMO_ST_LNG_X", "가맹점X좌표", GridValueType::Text, "hhh"},
    {"DMO_ST_LAT_Y", "가맹점Y좌표", GridValueType::Text, "hhh"},
    {"DMO_CU_LNG_X", "고객X좌표", GridValueType::Text, "hhh"},
    {"DMO_CU_LAT_Y", "고객Y좌표", GridValueType::Text, "hhh"},
    {"DMO_ORD_STATUS", "주문상태", GridValueType::Text, "hhS"},
    {"DMO_ORD_NO", "주문번호", GridValueType::Text, "hhh"},
    {"DMO_ORD_DATE", "", GridValueType::Text, "hhh"},
    {"DMO_CLICK_SORT", "", GridValueType::Integer, "hhh"},
    {"DMO_READY_CHANGE_DATE", "", GridValueType::Text, "hhh"},
    {"DMO_DVRY_TYPE_CD", "", GridValueType::Text, "hh-"},
    {"DMO_ORD_BR_CODE", "", GridValueType::Text, "hhh"},
    {"DMO_ORD_MOD_DATE", "수정시간", GridValueType::Text, "hh-"},
    {"DMO_ORD_VIEW", "주문보기", GridValueType::Text, "h--"},
    {"DMO_ORD_TYPE_CD", "주문구분", GridValueType::Text, "h--"},
    {"DMO_ORD_GRP_NO2", "", GridValueType::Text, "h--"},
    {"DMO_CTH_WK_CODE", "배차배송원코드", GridValueType::Text, "--h"},
    {"DMO_DVRY_LOCK_TIME", "락타임", GridValueType::Integer, "hhh"},
    {"DMO_SORT_KEY", "", GridValueType::Float, "hhh"},
};

constexpr int kClickSortStart = 100000;
// Waiting minutes and today's numbers stay far below this, so one number orders the rows by
// the click order first.
constexpr double kClickSortScale = 1e7;
constexpr TColor kCookingReadyColour = ColorFromRgb(255, 169, 128);

bool isYes(const QVariant &v)
{
    return v.toString() == QLatin1String("Y");
}

double coordinate(const QVariant &v)
{
    return TextToFloatDef(v.toString(), 0.0);
}

// The "match nothing" condition of a group whose inputs cannot match any row.
FilterCondition nothing()
{
    return FilterCondition::make(Dmo::ORD_NO, FilterOp::Equal, QStringLiteral("\x01"));
}

QString searchText(const QString &text, const QString &hint)
{
    const QString t = text.trimmed();
    return t == hint.trimmed() ? QString() : t;
}
} // namespace

ColumnShow WaitingColumnShow(ControlVariant variant, int column)
{
    if (column < 0 || column >= Dmo::kCount)
        return ColumnShow::Absent;
    switch (kWaitingColumns[column].show[int(variant)]) {
    case 'S': return ColumnShow::Shown;
    case 'h': return ColumnShow::Hidden;
    default: return ColumnShow::Absent;
    }
}

QString GroupedAmount(qint64 value)
{
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

WaitingBoard::WaitingBoard(ControlVariant variant)
    : m_variant(variant)
{
    QList<GridColumn> cols;
    for (const WaitingColumnDef &d : kWaitingColumns) {
        GridColumn c;
        c.name = QString::fromLatin1(d.name);
        c.caption = QString::fromUtf8(d.caption);
        c.type = d.type;
        cols.append(c);
    }
    if (variant == ControlVariant::Map)
        cols[Dmo::ST_CU_DIS].caption = QStringLiteral("거리");
    if (variant == ControlVariant::Map) {
        cols[Dmo::ORD_TYPE].lookup = {{QStringLiteral("0"), QStringLiteral("배달")},
                                      {QStringLiteral("1"), QStringLiteral("당일")},
                                      {QStringLiteral("2"), QStringLiteral("대기")}};
        cols[Dmo::PICKUP_READY_TYPE].lookup = {{QStringLiteral("1"), QStringLiteral("완료")}};
    } else {
        cols[Dmo::ORD_TYPE].lookup = {{QStringLiteral("0"), QStringLiteral("배달")},
                                      {QStringLiteral("1"), QStringLiteral("당일")}};
    }
    m_model.setColumns(cols);
    m_model.setKeyColumn(Dmo::ORD_NO);
    m_model.sort(Dmo::SORT_KEY, Qt::DescendingOrder);
}

QString WaitingBoard::stamp(const QString &orderNo) const
{
    const int rec = m_model.findRecord(orderNo);
    return rec < 0 ? QString() : m_model.recordCell(rec, Dmo::ORD_MOD_DATE).toString();
}

int WaitingBoard::appendRow(const QString &orderNo)
{
    QVariantList cells(Dmo::kCount);
    cells[Dmo::ORD_NO] = orderNo;
    cells[Dmo::ORD_CHK] = QStringLiteral("N");
    cells[Dmo::CLICK_SORT] = kClickSortStart;
    cells[Dmo::SORT_KEY] = kClickSortStart * kClickSortScale;
    return m_model.appendRecord(cells);
}

void WaitingBoard::removeRow(const QString &orderNo)
{
    const int rec = m_model.findRecord(orderNo);
    if (rec >= 0)
        m_model.removeRecord(rec);
}

void WaitingBoard::clear()
{
    m_model.clearRecords();
}

QStringList WaitingBoard::orderNumbers() const
{
    QStringList out;
    out.reserve(m_model.recordCount());
    for (int r = 0; r < m_model.recordCount(); ++r)
        out << m_model.recordCell(r, Dmo::ORD_NO).toString();
    return out;
}

int WaitingBoard::WaitingMinutes(const TA1ORDER &order, const QDateTime &now)
{
    if (order.ORD_DATE().isEmpty())
        return 0;
    const QString change = order.READY_CHANGE_DATE().toString();
    const QDateTime since = change.isEmpty() ? now : ParseFmtDateTimeDef(change);
    const qint64 ms = since.isValid() ? since.msecsTo(now) : 0;
    return ms > 0 ? int(qMin<qint64>(ms / 60000, 9999999)) : 0;
}

std::optional<int> WaitingBoard::CookingMinutes(const TA1ORDER &order, const QString &cookViewType)
{
    if (cookViewType == QLatin1String("2"))
        return TextToIntDef(order.READY_TIME().toString(), 0);
    QString text = OrderElapsedText(QStringLiteral("1001"), order.READY_CHANGE_DATE().toString(),
                                    order.READY_TIME().toString(), QString(), 1);
    if (text.isEmpty())
        return std::nullopt;
    text.remove(QStringLiteral("분"));
    bool ok = false;
    const int minutes = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return minutes;
}

void WaitingBoard::writeTimes(QVariantList &cells, const TA1ORDER &order, const QString &cookViewType,
                              const QDateTime &now)
{
    const int waited = WaitingMinutes(order, now);
    cells[Dmo::ADD_TIME] = waited;
    const QString change = order.READY_CHANGE_DATE().toString();
    if (!change.isEmpty())
        cells[Dmo::READY_CHANGE_DATE_VIEW] = DateTimeToStr(change, 0);
    // The courier screen knows only the two cooking views; any other keeps what the row has.
    const bool cookShown = m_variant == ControlVariant::Map || cookViewType == QLatin1String("2")
                           || cookViewType == QLatin1String("1");
    if (cookShown && m_variant != ControlVariant::OrderCentred) {
        const std::optional<int> cooking = CookingMinutes(order, cookViewType);
        cells[Dmo::READY_TIME] = cooking ? QVariant(*cooking) : QVariant();
    }
    const double click = cells[Dmo::CLICK_SORT].toDouble();
    cells[Dmo::SORT_KEY] = m_variant == ControlVariant::OrderCentred
                               ? click * kClickSortScale - order.ORD_TODAY_ALL_NO
                               : click * kClickSortScale + waited;
}

bool WaitingBoard::insideRadius(const QVariantList &cells) const
{
    if (m_radiusKm <= 0)
        return true;
    const double lng = coordinate(cells[Dmo::ST_LNG_X]);
    const double lat = coordinate(cells[Dmo::ST_LAT_Y]);
    const double dLng = m_radiusKm * 0.012;
    const double dLat = m_radiusKm * 0.009;
    // A whisker of slack so that a store exactly on the edge stays inside despite rounding.
    constexpr double eps = 1e-9;
    return lng >= m_centreLng - dLng - eps && lng <= m_centreLng + dLng + eps && lat >= m_centreLat - dLat - eps
           && lat <= m_centreLat + dLat + eps;
}

void WaitingBoard::fillRow(const TA1ORDER &order, const TOrderLogin &login, const QString &cookViewType)
{
    const QString no = order.ORD_NO().toString();
    int rec = m_model.findRecord(no);
    if (rec < 0)
        rec = appendRow(no);
    QVariantList &c = m_model.recordCells(rec);
    const bool map = m_variant == ControlVariant::Map;
    const QString status = order.ORD_STATUS_CD().toString();
    c[Dmo::ORD_CHK] = QStringLiteral("N");
    c[Dmo::ORD_GRP_NO] = order.ORD_GRP_NO().toString().mid(8, 4);
    c[Dmo::ORD_TYPE] = map && status == QLatin1String("1002") ? QStringLiteral("2") : order.ORD_TYPE().toString();
    c[Dmo::ORD_TODAY_ALL_NO] = order.ORD_TODAY_ALL_NO;
    c[Dmo::PICKUP_READY_TYPE] = order.PICKUP_READY_TYPE().toString();
    c[Dmo::ORD_BR_NAME] = order.BR_NAME().toString();
    c[Dmo::ST_NAME] = order.ORD_ST_NAME().toString();
    c[Dmo::CU_ADDR] = order.GetAddr();
    c[Dmo::DVRY_AMT] = GroupedAmount(order.DVRY_AMT);
    c[Dmo::ORD_AMT] = GroupedAmount(order.ORD_AMT);
    if (m_variant == ControlVariant::OrderCentred) {
        c[Dmo::EX_CHARGE] = order.DVRY_EX_CHARGE;
        c[Dmo::CTH_WK_CODE] = order.CTH_WK_CODE().toString();
    }
    if (map) {
        const double metres = order.DVRY_DISTANCE > 0 ? std::trunc(order.DVRY_DISTANCE) : 0.0;
        c[Dmo::ST_CU_DIS] = QString::number(metres / 1000.0, 'f', 2) + QStringLiteral("Km");
        c[Dmo::PAY_TYPE] = order.GetPayType(login);
    }
    c[Dmo::ST_CODE] = order.ORD_ST_CODE().toString();
    c[Dmo::ST_LNG_X] = order.SA_LNG_X().toString();
    c[Dmo::ST_LAT_Y] = order.SA_LAT_Y().toString();
    c[Dmo::CU_LNG_X] = order.EA_LNG_X().toString();
    c[Dmo::CU_LAT_Y] = order.EA_LAT_Y().toString();
    c[Dmo::ORD_STATUS] = status;
    c[Dmo::ORD_DATE] = order.ORD_DATE().toString();
    c[Dmo::CLICK_SORT] = kClickSortStart;
    c[Dmo::READY_CHANGE_DATE] = order.READY_CHANGE_DATE().toString();
    c[Dmo::DVRY_TYPE_CD] = order.DVRY_TYPE_CD().toString();
    c[Dmo::ORD_BR_CODE] = order.ORD_BR_CODE().toString();
    c[Dmo::ORD_MOD_DATE] = order.MOD_DATE_STAMP().toString();
    c[Dmo::ORD_TYPE_CD] = order.ORD_TYPE_CD().toString();
    c[Dmo::ORD_GRP_NO2] = order.ORD_GRP_NO().toString();
    c[Dmo::DVRY_LOCK_TIME] = order.DVRY_LOCK_TIME;
    if (c[Dmo::ORD_CHK_VIEW].isNull())
        c[Dmo::ORD_CHK_VIEW] = QStringLiteral("N");
    writeTimes(c, order, cookViewType, AppClock::now());
    c[Dmo::ORD_VIEW] = insideRadius(c) ? QStringLiteral("1") : QStringLiteral("0");
    m_model.recordCellsChanged(rec, 0, Dmo::kCount - 1);
}

void WaitingBoard::refreshTimes(const TA1Orders &mapOrders, const QString &cookViewType)
{
    const QDateTime now = AppClock::now();
    m_model.beginUpdate();
    for (int rec = 0; rec < m_model.recordCount(); ++rec) {
        const auto order = mapOrders.Find(m_model.recordCell(rec, Dmo::ORD_NO).toString());
        if (!order)
            continue;
        QVariantList &c = m_model.recordCells(rec);
        writeTimes(c, *order, cookViewType, now);
        m_model.recordCellsChanged(rec, 0, Dmo::kCount - 1);
    }
    m_model.endUpdate();
}

void WaitingBoard::applyFilter(const WaitingFilterInputs &in)
{
    m_model.beginUpdate();
    m_model.setFilterEnabled(false);
    const bool distributor = in.userClass == QLatin1String("5");
    const bool map = m_variant == ControlVariant::Map;
    const bool ordered = m_variant == ControlVariant::OrderCentred;

    FilterGroup share;
    if (!ordered && distributor && in.share != 0) {
        // Without a ticked branch there is no own group to compare with: the rows of neither
        // choice can be told apart, so none is shown rather than all.
        if (in.deliveryGroups.isEmpty())
            share.add(nothing());
        else
            share.add(FilterCondition::make(Dmo::DVRY_TYPE_CD, in.share == 1 ? FilterOp::Equal : FilterOp::NotEqual,
                                            in.deliveryGroups.first()));
    }
    m_model.setFilterGroup(0, share);

    FilterGroup branches;
    if (ordered || (!distributor && !(map && in.btob)))
        for (const QString &code : in.branchCodes)
            branches.add(FilterCondition::make(Dmo::ORD_BR_CODE, FilterOp::Equal, code));
    m_model.setFilterGroup(1, branches);

    FilterGroup text;
    if (!ordered) {
        const QString addr = searchText(in.addrText, in.addrHint);
        const QString store = searchText(in.storeText, in.storeHint);
        if (!addr.isEmpty())
            text.add(FilterCondition::make(Dmo::CU_ADDR, FilterOp::Contains, addr));
        if (!store.isEmpty())
            text.add(FilterCondition::make(Dmo::ST_NAME, FilterOp::Contains, store));
    }
    m_model.setFilterGroup(2, text);

    FilterGroup view;
    if (map)
        view.add(FilterCondition::make(Dmo::ORD_VIEW, FilterOp::Equal, QStringLiteral("1")));
    m_model.setFilterGroup(3, view);

    FilterGroup waiting;
    if (map && !in.showWaiting)
        waiting.add(FilterCondition::make(Dmo::ORD_TYPE, FilterOp::NotEqual, QStringLiteral("2")));
    m_model.setFilterGroup(4, waiting);

    m_model.setFilterEnabled(true);
    m_model.endUpdate();
}

bool WaitingBoard::rowShown(const QString &orderNo) const
{
    const int rec = m_model.findRecord(orderNo);
    return rec >= 0 && m_model.recordShown(rec);
}

QStringList WaitingBoard::setOrderRadius(int km, double centreLng, double centreLat)
{
    m_radiusKm = qMax(0, km);
    m_centreLng = centreLng;
    m_centreLat = centreLat;
    QStringList unticked;
    m_model.beginUpdate();
    for (int rec = 0; rec < m_model.recordCount(); ++rec) {
        QVariantList &c = m_model.recordCells(rec);
        const bool inside = insideRadius(c);
        c[Dmo::ORD_VIEW] = inside ? QStringLiteral("1") : QStringLiteral("0");
        if (!inside && isYes(c[Dmo::ORD_CHK])) {
            c[Dmo::ORD_CHK] = QStringLiteral("N");
            unticked << c[Dmo::ORD_NO].toString();
        }
        m_model.recordCellsChanged(rec, 0, Dmo::kCount - 1);
    }
    m_model.endUpdate();
    return unticked;
}

bool WaitingBoard::ticked(const QString &orderNo) const
{
    const int rec = m_model.findRecord(orderNo);
    return rec >= 0 && isYes(m_model.recordCell(rec, Dmo::ORD_CHK));
}

void WaitingBoard::setTicked(const QString &orderNo, bool on)
{
    const int rec = m_model.findRecord(orderNo);
    if (rec >= 0)
        m_model.setRecordValue(rec, Dmo::ORD_CHK, on ? QStringLiteral("Y") : QStringLiteral("N"));
}

QStringList WaitingBoard::tickedOrders() const
{
    QStringList out;
    for (int rec = 0; rec < m_model.recordCount(); ++rec)
        if (isYes(m_model.recordCell(rec, Dmo::ORD_CHK)))
            out << m_model.recordCell(rec, Dmo::ORD_NO).toString();
    return out;
}

std::optional<TColor> WaitingBoard::rowColour(int record, const TIniFile *ini) const
{
    if (record < 0 || record >= m_model.recordCount())
        return std::nullopt;
    const QString status = m_model.recordCell(record, Dmo::ORD_STATUS).toString();
    if (status == QLatin1String("1002")) {
        // Read at every paint, so a colour changed in the settings shows at once.
        if (!ini)
            return clWhite;
        return ReadIniColor(*ini, QStringLiteral("Status"), QStringLiteral("CB_1002"), clWhite);
    }
    if (m_variant == ControlVariant::Map && status == QLatin1String("2001")) {
        const QVariant &cooking = m_model.recordCell(record, Dmo::READY_TIME);
        if (!cooking.isNull() && cooking.toInt() >= 0)
            return kCookingReadyColour;
    }
    return std::nullopt;
}
