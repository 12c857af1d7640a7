#include "dispatch/courier_orders.h"

#include "orders/order_list.h"
#include "orders/order_record.h"
#include "platform/clock.h"
#include "records/courier_records.h"
#include "settings/settings_file.h"
#include "text/date_helpers.h"

#include <cmath>

namespace
{
struct StripColumnDef
{
    const char *name;
    const char *caption;
    GridValueType type;
    const char *show;
};

const StripColumnDef kStripColumns[WkOrd::kCount] = {
    {"CTV_WK_ORD_CHK", "서비스", GridValueType::Text, "SS-"},
    {"CTV_WK_ORD_TIME", "시간", GridValueType::Integer, "SS-"},
    {"CTV_WK_ORD_ADD_TIME", "", GridValueType::Text, "--S"},
    {"CTV_WK_ORD_READY_TIME", "준비시간", GridValueType::Text, "SSh"},
    {"CTV_WK_ORD_STATUS_CD", "상태", GridValueType::Text, "SSS"},
    {"CTV_WK_ORD_ORD_ST_NAME", "발주가맹점", GridValueType::Text, "SSS"},
    {"CTV_WK_ORD_ADDR4", "도착지", GridValueType::Text, "SSS"},
    {"CTV_WK_ORD_DISTANCE", "거리", GridValueType::Text, "Shh"},
    {"CTV_WK_ORD_DVRY_AMT", "배달료", GridValueType::Text, "Shh"},
    {"CTV_WK_ORD_EX_CHARGE", "할증요금", GridValueType::Text, "Shh"},
    {"CTV_WK_ORD_ORD_NO", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_TODAY_ALL_NO", "", GridValueType::Integer, "hhh"},
    {"CTV_WK_ORD_CTH_WK_CODE", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_TYPE_CD", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_DRVY_TYPE_CD", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_EA_LNG_X", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_EA_LAT_Y", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_ORD_ST_CODE", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_READY_TIME2", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_CTH_DATE2", "", GridValueType::Text, "hhh"},
    {"CTV_WK_ORD_PICKUP_DATE", "", GridValueType::Text, "hhh"},
};

int minutesSince(const QString &when, const QDateTime &now)
{
    if (when.isEmpty())
        return 0;
    const QDateTime t = ParseFmtDateTimeDef(when);
    const qint64 ms = t.isValid() ? t.msecsTo(now) : 0;
    return ms > 0 ? int(qMin<qint64>(ms / 60000, 9999999)) : 0;
}
} // namespace

ColumnShow StripColumnShow(ControlVariant variant, int column)
{
    if (column < 0 || column >= WkOrd::kCount)
        return ColumnShow::Absent;
    switch (kStripColumns[column].show[int(variant)]) {
    case 'S': return ColumnShow::Shown;
    case 'h': return ColumnShow::Hidden;
    default: return ColumnShow::Absent;
    }
}

CourierOrderStrip::CourierOrderStrip(ControlVariant variant)
    : m_variant(variant)
{
    QList<GridColumn> cols;
    for (const StripColumnDef &d : kStripColumns) {
        GridColumn c;
        c.name = QString::fromLatin1(d.name);
        c.caption = QString::fromUtf8(d.caption);
        c.type = d.type;
        cols.append(c);
    }
    cols[WkOrd::STATUS_CD].lookup = {{QStringLiteral("3001"), QStringLiteral("배차")},
                                     {QStringLiteral("3003"), QStringLiteral("출발")}};
    m_model.setColumns(cols);
    m_model.setKeyColumn(WkOrd::ORD_NO);
}

void CourierOrderStrip::load(const QString &courierCode)
{
    const TMyWorker *w = courierCode.isEmpty() ? nullptr : G_MY_WORKER.MyWorkerArray.find(courierCode);
    if (courierCode != m_courier) {
        m_ticked.clear();
        m_lastTicked.clear();
    }
    m_courier = w ? courierCode : QString();
    const QDateTime now = AppClock::now();
    std::vector<QVariantList> rows;
    QStringList present;
    if (w && w->WKOrders) {
        for (const auto &o : w->WKOrders->Records()) {
            if (!o)
                continue;
            const QString status = o->ORD_STATUS_CD().toString();
            if (status != QLatin1String("3001") && status != QLatin1String("3003"))
                continue;
            const QString no = o->ORD_NO().toString();
            present << no;
            QVariantList c(WkOrd::kCount);
            c[WkOrd::CHK] = m_ticked.contains(no) ? QStringLiteral("Y") : QStringLiteral("N");
            c[WkOrd::TIME] = minutesSince(o->READY_CHANGE_DATE().toString(), now);
            const QString change = o->READY_CHANGE_DATE().toString();
            c[WkOrd::ADD_TIME] = change.isEmpty() ? QString() : ElapsedMinText(change, true);
            c[WkOrd::READY_TIME] = status == QLatin1String("3001") ? o->READY_TIME().toString() : QString();
            c[WkOrd::STATUS_CD] = status;
            c[WkOrd::ORD_ST_NAME] = o->ORD_ST_NAME().toString();
            c[WkOrd::ADDR4] = o->GetAddr();
            c[WkOrd::DISTANCE] = o->DVRY_DISTANCE > 0
                                     ? QString::number(std::trunc(o->DVRY_DISTANCE) / 1000.0, 'f', 3) + QStringLiteral("Km")
                                     : QString();
            c[WkOrd::DVRY_AMT] = GroupedAmount(o->DVRY_AMT);
            c[WkOrd::EX_CHARGE] = GroupedAmount(o->DVRY_EX_CHARGE);
            c[WkOrd::ORD_NO] = no;
            c[WkOrd::TODAY_ALL_NO] = o->ORD_TODAY_ALL_NO;
            c[WkOrd::CTH_WK_CODE] = o->CTH_WK_CODE().toString();
            c[WkOrd::TYPE_CD] = o->ORD_TYPE_CD().toString();
            c[WkOrd::DRVY_TYPE_CD] = o->DVRY_TYPE_CD().toString();
            c[WkOrd::EA_LNG_X] = o->EA_LNG_X().toString();
            c[WkOrd::EA_LAT_Y] = o->EA_LAT_Y().toString();
            c[WkOrd::ORD_ST_CODE] = o->ORD_ST_CODE().toString();
            c[WkOrd::READY_TIME2] = o->READY_TIME().toString();
            c[WkOrd::CTH_DATE2] = o->CTH_DATE().toString();
            c[WkOrd::PICKUP_DATE] = o->PICKUP_DATE().toString();
            rows.push_back(std::move(c));
        }
    }
    // Ticks of orders that left the courier go with them.
    for (qsizetype i = m_ticked.size() - 1; i >= 0; --i)
        if (!present.contains(m_ticked.at(i)))
            m_ticked.removeAt(i);
    if (!present.contains(m_lastTicked))
        m_lastTicked.clear();
    m_model.beginUpdate();
    m_model.clearRecords();
    if (!rows.empty())
        m_model.appendRecords(std::move(rows));
    m_model.endUpdate();
}

int CourierOrderStrip::height() const
{
    return PolicyOf(m_variant).stripHeight(rowCount());
}

void CourierOrderStrip::toggleTick(const QString &orderNo)
{
    const int rec = m_model.findRecord(orderNo);
    if (rec < 0)
        return;
    if (orderNo != m_lastTicked) {
        m_model.setRecordValue(rec, WkOrd::CHK, QStringLiteral("Y"));
        m_lastTicked = orderNo;
        if (!m_ticked.contains(orderNo))
            m_ticked << orderNo;
    } else {
        m_model.setRecordValue(rec, WkOrd::CHK, QStringLiteral("N"));
        m_lastTicked.clear();
        m_ticked.removeAll(orderNo);
    }
}

std::optional<TColor> CourierOrderStrip::rowColour(int record, const TIniFile *ini) const
{
    if (record < 0 || record >= m_model.recordCount())
        return std::nullopt;
    const QString status = m_model.recordCell(record, WkOrd::STATUS_CD).toString();
    if (status != QLatin1String("3001") && status != QLatin1String("3003"))
        return clWhite;
    if (!ini)
        return clWhite;
    return ReadIniColor(*ini, QStringLiteral("Status"), QStringLiteral("CB_") + status, clWhite);
}

bool OwnDeliveryGroup(const QString &brDvryYn, const QString &rowGroup, const QString &userGroup)
{
    return brDvryYn == QLatin1String("Y") && rowGroup == userGroup;
}

QHash<QString, bool> StripMenuPlan(ControlVariant variant, const QString &status, bool ownGroup, int tickedRows)
{
    QHash<QString, bool> plan;
    const bool departed = status == QLatin1String("3003");
    if (variant == ControlVariant::Map) {
        plan[QStringLiteral("출발취소[F6]")] = departed;
        plan[QStringLiteral("배차취소[F5]")] = !departed;
        plan[QStringLiteral("배차취소 -> 대기상태로 변경")] = !departed;
        if (ownGroup) {
            plan[QStringLiteral("주문취소[F7]")] = true;
            plan[QStringLiteral("주문수정[F10]")] = true;
        } else {
            for (const char *item : {"배차취소[F5]", "주문취소[F7]", "주문수정[F10]", "배차취소 -> 대기상태로 변경"})
                plan[QString::fromUtf8(item)] = false;
        }
        plan[QStringLiteral("체크주문 지정배차[F9]")] = tickedRows >= 1;
    } else {
        if (departed) {
            plan[QStringLiteral("지정배차")] = false;
            plan[QStringLiteral("배차취소")] = false;
        } else {
            plan[QStringLiteral("배차취소")] = true;
        }
        if (ownGroup) {
            plan[QStringLiteral("주문취소")] = true;
            plan[QStringLiteral("주문수정")] = true;
        } else {
            for (const char *item : {"지정배차", "배차취소", "주문취소", "주문수정"})
                plan[QString::fromUtf8(item)] = false;
        }
        plan[QStringLiteral("체크주문 지정배차")] = tickedRows > 1;
    }
    return plan;
}
