#include "dispatch/courier_board.h"

#include "orders/order_list.h"
#include "orders/order_record.h"
#include "records/courier_records.h"
#include "text/date_helpers.h"
#include "text/phone_helpers.h"
#include "text/text_helpers.h"

namespace
{
struct CourierColumnDef
{
    const char *name;
    const char *caption;
    GridValueType type;
    const char *show;  // M, C, O: 'S' shown, 'h' hidden, '-' absent
};

const CourierColumnDef kCourierColumns[Dvry::CARD_SLOTS] = {
    {"CTV_DVRY_WK_NAME", "배송원명", GridValueType::Text, "SSS"},
    {"CTV_DVRY_BR_NAME", "총판명", GridValueType::Text, "SS-"},
    {"CTV_DVRY_CHK", "체크", GridValueType::Text, "S--"},
    {"CTV_DVRY_BIZ_NUM", "사번", GridValueType::Text, "hhh"},
    {"CTV_DVRY_CONN", "접속", GridValueType::Text, "SS-"},
    {"CTV_DVRY_GPS", "GPS", GridValueType::Text, "SS-"},
    {"CTV_DVRY_ATTEND_VIEW", "근무", GridValueType::Text, "SSS"},
    {"CTV_DVRY_DISTANCE", "배달거리", GridValueType::Text, "S--"},
    {"CTV_DVRY_STATUS_3001", "배차", GridValueType::Integer, "SSS"},
    {"CTV_DVRY_STATUS_3003", "출발", GridValueType::Integer, "SSS"},
    {"CTV_DVRY_STATUS_4001", "완료", GridValueType::Integer, "SSS"},
    {"CTV_DVRY_WK_CODE", "기사코드", GridValueType::Text, "hhh"},
    {"CTV_DVRY_ATTEND", "출퇴근", GridValueType::Text, "hhh"},
    {"CTV_DVRY_BR_CODE", "총판코드", GridValueType::Text, "hhh"},
    {"CTV_DVRY_WK_STATUS", "상태", GridValueType::Text, "hh-"},
    {"CTV_DVRY_VIEW", "필터링", GridValueType::Text, "h--"},
    {"CTV_DVRY_WK_TEL", "배송원전화번호", GridValueType::Text, "S--"},
    {"CTV_DVRY_LAST_ADDR", "최근주소", GridValueType::Text, "--S"},
    {"CTV_DVRY_WK_BAECHA", "배차", GridValueType::Text, "--S"},
    {"CTV_DVRY_ORD_NO", "", GridValueType::Text, "--h"},
    {"CTV_DVRY_SORT_KEY", "", GridValueType::Text, "hhh"},
    {"CTV_DVRY_CARD_DVRY_CNT", "", GridValueType::Text, "hhh"},
};

constexpr TColor kOffWorkColour = ColorFromRgb(0xC0, 0xC0, 0xC0);
constexpr TColor kLoadedColour = ColorFromRgb(0x95, 0xED, 0x6E);

const QString kAtWork = QStringLiteral("0001");

QString searchText(const QString &text, const QString &hint)
{
    const QString t = text.trimmed();
    return t == hint.trimmed() ? QString() : t;
}

QString slotTimeText(const TA1ORDER &o)
{
    const QString change = o.READY_CHANGE_DATE().toString();
    const QStringView status = o.ORD_STATUS_CD();
    if (change.isEmpty() || (status != u"3001" && status != u"3003"))
        return {};
    return ElapsedMinText(change, true);
}
} // namespace

ColumnShow CourierColumnShow(ControlVariant variant, int column)
{
    if (column < 0 || column >= Dvry::CARD_SLOTS)
        return column >= 0 && column < Dvry::kCount ? ColumnShow::Hidden : ColumnShow::Absent;
    switch (kCourierColumns[column].show[int(variant)]) {
    case 'S': return ColumnShow::Shown;
    case 'h': return ColumnShow::Hidden;
    default: return ColumnShow::Absent;
    }
}

CourierCounters CountersFromSlots(const int *s)
{
    CourierCounters c;
    c.off = s[0];
    c.resting = s[1];
    c.driving = s[2];
    c.waiting = s[3];
    c.assigned = s[4];
    c.departed = s[5];
    c.completed = s[6];
    c.all = s[0] + s[1] + s[2] + s[3];
    return c;
}

CourierStatusButtons CourierStatusButtons::Initial(ControlVariant variant)
{
    CourierStatusButtons b;
    b.rest = PolicyOf(variant).initialRest;
    return b;
}

void CourierStatusButtons::allClicked(bool pressed)
{
    all = drive = wait = rest = out = pressed;
}

void CourierStatusButtons::oneClicked()
{
    all = drive && wait && rest && out;
}

int CardSlotCount(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 3;
}

CourierBoard::CourierBoard(ControlVariant variant)
    : m_variant(variant)
{
    QList<GridColumn> cols;
    for (const CourierColumnDef &d : kCourierColumns) {
        GridColumn c;
        c.name = QString::fromLatin1(d.name);
        c.caption = QString::fromUtf8(d.caption);
        c.type = d.type;
        cols.append(c);
    }
    for (int s = 0; s < Dvry::kSlots; ++s) {
        const QString n = QStringLiteral("CTV_DVRY_CARD_EADDR_%1").arg(s + 1, 2, 10, QLatin1Char('0'));
        for (const QString &name : {n + QStringLiteral("_TIME"), n, n + QStringLiteral("_STATUS")}) {
            GridColumn c;
            c.name = name;
            cols.append(c);
        }
    }
    m_model.setColumns(cols);
    m_model.setKeyColumn(Dvry::WK_CODE);
    m_model.sort(Dvry::SORT_KEY, Qt::AscendingOrder);
}

QStringList CourierBoard::courierCodes() const
{
    QStringList out;
    for (int r = 0; r < m_model.recordCount(); ++r)
        out << m_model.recordCell(r, Dvry::WK_CODE).toString();
    return out;
}

QString CourierBoard::attendText(const TMyWorker &w) const
{
    const QString code = w.WkAttendCD.trimmed();
    if (code != kAtWork)
        return m_attendNames.value(code);
    return w.WkAttendWorkWait == 2 ? QStringLiteral("운행") : QStringLiteral("대기");
}

QString CourierBoard::CountText(const TMyWorker &w)
{
    return QString::number(w.Wk3001Cnt) + QLatin1Char('/') + QString::number(w.Wk3003Cnt);
}

bool CourierBoard::takeCountText(TMyWorker &w)
{
    const QString text = CountText(w);
    if (QString(w.WkCntMsg) == text)
        return false;
    w.WkCntMsg = text;
    return true;
}

void CourierBoard::writeRow(QVariantList &c, TMyWorker &w, bool keepLastOrder)
{
    const bool map = m_variant == ControlVariant::Map;
    c[Dvry::WK_NAME] = PolicyOf(m_variant).phoneInName
                           ? w.Wkname + QStringLiteral("\n[") + FormatPhone(w.WkTel, 0) + QLatin1Char(']')
                           : w.Wkname;
    c[Dvry::BR_NAME] = w.BrName;
    if (c[Dvry::CHK].isNull())
        c[Dvry::CHK] = QStringLiteral("N");
    c[Dvry::BIZ_NUM] = w.WkBizNum;
    c[Dvry::CONN] = QString(w.ConnectYN);
    c[Dvry::GPS] = QString(w.GPSUseYN);
    c[Dvry::ATTEND_VIEW] = attendText(w);
    if (map)
        c[Dvry::DISTANCE] = QString::number(w.getDistance(), 'f', 2) + QStringLiteral("Km");
    c[Dvry::STATUS_3001] = w.Wk3001Cnt;
    c[Dvry::STATUS_3003] = w.Wk3003Cnt;
    c[Dvry::STATUS_4001] = w.Wk4001Cnt;
    c[Dvry::WK_CODE] = w.WkCode;
    c[Dvry::ATTEND] = w.WkAttendCD;
    c[Dvry::BR_CODE] = w.BrCode;
    c[Dvry::WK_STATUS] = w.DataStatus;
    c[Dvry::VIEW] = QStringLiteral("1");
    if (map)
        c[Dvry::WK_TEL] = FormatPhone(w.WkTel, 0);
    const int orders = w.WKOrders ? w.WKOrders->Count() : 0;
    if (m_variant == ControlVariant::OrderCentred) {
        if (orders > 0) {
            if (const auto last = w.WKOrders->value(orders - 1))
                c[Dvry::LAST_ADDR] = last->GetAddr();
            if (!keepLastOrder && orders - 1 < w.WkOrderNo.size())
                c[Dvry::ORD_NO] = w.WkOrderNo.at(orders - 1);
        }
        c[Dvry::WK_BAECHA] = QStringLiteral("배차");
        c[Dvry::SORT_KEY] = w.WkAttendCD + QChar(0x1F) + w.Wkname;
    } else {
        c[Dvry::SORT_KEY] = QString(w.WkAttendCD);
    }
    c[Dvry::CARD_DVRY_CNT] = QString(w.WkCntMsg);
}

void CourierBoard::writeCard(QVariantList &c, const TMyWorker &w, const CardSlotChoice &choice)
{
    c[Dvry::CARD_DVRY_CNT] = QString(w.WkCntMsg);
    const int orders = w.WKOrders ? w.WKOrders->Count() : 0;
    if (orders > 0)
        if (const auto last = w.WKOrders->value(orders - 1))
            c[Dvry::LAST_ADDR] = last->GetAddr();
    int slot = 0;
    const std::pair<bool, const char16_t *> passes[] = {
        {choice.assigned, u"3001"}, {choice.departed, u"3003"}, {choice.completed, u"4001"}};
    for (const auto &[on, status] : passes) {
        if (!on)
            continue;
        // From the newest order of the list to the oldest.
        for (int i = orders - 1; i >= 0 && slot < Dvry::kSlots; --i) {
            const auto o = w.WKOrders->value(i);
            if (!o || o->ORD_STATUS_CD() != QStringView(status))
                continue;
            c[Dvry::slotTime(slot)] = slotTimeText(*o);
            c[Dvry::slotAddr(slot)] = o->GetAddr();
            c[Dvry::slotStatus(slot)] = o->ORD_STATUS_CD().toString();
            ++slot;
        }
    }
    for (; slot < Dvry::kSlots; ++slot) {
        c[Dvry::slotTime(slot)] = QString();
        c[Dvry::slotAddr(slot)] = QString();
        c[Dvry::slotStatus(slot)] = QString();
    }
}

QStringList CourierBoard::firstFill()
{
    QStringList changed;
    m_model.beginUpdate();
    m_model.clearRecords();
    std::vector<QVariantList> rows;
    auto &couriers = G_MY_WORKER.MyWorkerArray;
    rows.reserve(size_t(couriers.count()));
    for (int i = 0; i < couriers.count(); ++i) {
        TMyWorker &w = couriers[i];
        QVariantList cells(Dvry::kCount);
        if (m_variant == ControlVariant::OrderCentred) {
            if (takeCountText(w))
                changed << w.WkCode;
        } else {
            w.WkCntMsg = CountText(w);
        }
        writeRow(cells, w, false);
        if (m_variant == ControlVariant::OrderCentred)
            writeCard(cells, w, CardSlotChoice{});
        rows.push_back(std::move(cells));
    }
    m_model.appendRecords(std::move(rows));
    m_model.endUpdate();
    return changed;
}

QStringList CourierBoard::readInfo(const QStringList &codes)
{
    QStringList changed;
    m_model.beginUpdate();
    auto &couriers = G_MY_WORKER.MyWorkerArray;
    for (const QString &code : codes) {
        TMyWorker *w = couriers.find(code);
        if (!w)
            continue;
        int rec = m_model.findRecord(code);
        if (rec < 0) {
            QVariantList cells(Dvry::kCount);
            cells[Dvry::WK_CODE] = code;
            rec = m_model.appendRecord(cells);
        }
        QVariantList &c = m_model.recordCells(rec);
        if (takeCountText(*w))
            changed << code;
        writeRow(c, *w, m_variant == ControlVariant::OrderCentred);
        m_model.recordCellsChanged(rec, 0, Dvry::kCount - 1);
    }
    m_model.endUpdate();
    return changed;
}

QStringList CourierBoard::changeCount(const QStringList &codes, const CardSlotChoice &choice)
{
    QStringList changed;
    m_model.beginUpdate();
    auto &couriers = G_MY_WORKER.MyWorkerArray;
    for (const QString &code : codes) {
        TMyWorker *w = couriers.find(code);
        const int rec = m_model.findRecord(code);
        if (!w || rec < 0)
            continue;
        QVariantList &c = m_model.recordCells(rec);
        c[Dvry::ATTEND_VIEW] = attendText(*w);
        c[Dvry::STATUS_3001] = w->Wk3001Cnt;
        c[Dvry::STATUS_3003] = w->Wk3003Cnt;
        c[Dvry::STATUS_4001] = w->Wk4001Cnt;
        if (m_variant == ControlVariant::Map)
            c[Dvry::DISTANCE] = QString::number(w->getDistance(), 'f', 2) + QStringLiteral("Km");
        if (takeCountText(*w))
            changed << code;
        if (m_variant == ControlVariant::OrderCentred)
            writeCard(c, *w, choice);
        else if (w->WKOrders && w->WKOrders->Count() > 0)
            if (const auto last = w->WKOrders->value(w->WKOrders->Count() - 1))
                c[Dvry::LAST_ADDR] = last->GetAddr();
        m_model.recordCellsChanged(rec, 0, Dvry::kCount - 1);
    }
    m_model.endUpdate();
    return changed;
}

void CourierBoard::fillCards(const CardSlotChoice &choice)
{
    m_model.beginUpdate();
    auto &couriers = G_MY_WORKER.MyWorkerArray;
    for (int i = 0; i < couriers.count(); ++i) {
        const TMyWorker &w = couriers[i];
        const int rec = m_model.findRecord(w.WkCode);
        if (rec < 0)
            continue;
        writeCard(m_model.recordCells(rec), w, choice);
        m_model.recordCellsChanged(rec, 0, Dvry::kCount - 1);
    }
    m_model.endUpdate();
}

void CourierBoard::applyFilter(const CourierFilterInputs &in)
{
    m_model.beginUpdate();
    m_model.setFilterEnabled(false);
    const bool ordered = m_variant == ControlVariant::OrderCentred;
    FilterGroup status;
    if (in.buttons.wait)
        status.add(FilterCondition::make(Dvry::ATTEND_VIEW, FilterOp::Equal, QStringLiteral("대기")));
    if (in.buttons.rest)
        status.add(ordered ? FilterCondition::make(Dvry::ATTEND_VIEW, FilterOp::Equal, QStringLiteral("휴식"))
                           : FilterCondition::make(Dvry::ATTEND, FilterOp::Equal, QStringLiteral("0003")));
    if (in.buttons.out)
        status.add(FilterCondition::make(Dvry::ATTEND_VIEW, FilterOp::Equal, QStringLiteral("퇴근")));
    if (in.buttons.drive)
        status.add(FilterCondition::make(Dvry::ATTEND_VIEW, FilterOp::Equal, QStringLiteral("운행")));
    m_model.setFilterGroup(0, status);

    FilterGroup name;
    const QString text = searchText(in.nameText, in.nameHint);
    if (!text.isEmpty())
        name.add(FilterCondition::make(Dvry::WK_NAME, FilterOp::Contains, text));
    m_model.setFilterGroup(1, name);

    FilterGroup active;
    if (!ordered)
        active.add(FilterCondition::make(Dvry::WK_STATUS, FilterOp::Equal, QStringLiteral("1")));
    m_model.setFilterGroup(2, active);

    FilterGroup view;
    if (m_variant == ControlVariant::Map)
        view.add(FilterCondition::make(Dvry::VIEW, FilterOp::Equal, QStringLiteral("1")));
    m_model.setFilterGroup(3, view);

    FilterGroup branches;
    for (const QString &code : in.branchCodes)
        branches.add(FilterCondition::make(Dvry::BR_CODE, FilterOp::Equal, code));
    m_model.setFilterGroup(4, branches);

    m_model.setFilterEnabled(true);
    m_model.endUpdate();
}

bool CourierBoard::shown(const QString &code) const
{
    const int rec = m_model.findRecord(code);
    return rec >= 0 && m_model.recordShown(rec);
}

void CourierBoard::markSelected(const QString &code)
{
    m_model.beginUpdate();
    for (int rec = 0; rec < m_model.recordCount(); ++rec) {
        const QString want = m_model.recordCell(rec, Dvry::WK_CODE).toString() == code && !code.isEmpty()
                                 ? QStringLiteral("Y")
                                 : QStringLiteral("N");
        if (m_model.recordCell(rec, Dvry::CHK).toString() != want)
            m_model.setRecordValue(rec, Dvry::CHK, want);
    }
    m_model.endUpdate();
}

std::optional<TColor> CourierBoard::rowColour(int record) const
{
    if (!PolicyOf(m_variant).rowColours || record < 0 || record >= m_model.recordCount())
        return std::nullopt;
    if (m_model.recordCell(record, Dvry::ATTEND).toString() != kAtWork)
        return kOffWorkColour;
    const int load = m_model.recordCell(record, Dvry::STATUS_3001).toInt()
                     + m_model.recordCell(record, Dvry::STATUS_3003).toInt();
    return load > 0 ? kLoadedColour : clWhite;
}

bool RadiusBox::contains(double x, double y) const
{
    constexpr double eps = 1e-9;
    const double dx = steps * 0.001135;
    const double dy = steps * 0.0009;
    return x >= lng - dx - eps && x <= lng + dx + eps && y >= lat - dy - eps && y <= lat + dy + eps;
}

bool CourierOnMap(const TMyWorker &w, const QString &attendText, const CourierFilterInputs &in)
{
    if (w.DataStatus != QLatin1String("1") && w.DataStatus != QLatin1String("9"))
        return false;
    if (w.WkAttendCD.trimmed() != kAtWork)
        return false;
    const CourierStatusButtons &b = in.buttons;
    const bool candidate = (b.wait && attendText == QStringLiteral("대기"))
                           || (b.rest && w.WkAttendCD.trimmed() == QLatin1String("0003"))
                           || (b.out && attendText == QStringLiteral("퇴근"))
                           || (b.drive && attendText == QStringLiteral("운행"));
    if (!candidate)
        return false;
    if (!in.branchCodes.contains(w.BrCode))
        return false;
    const QString text = searchText(in.nameText, in.nameHint);
    return text.isEmpty() || w.Wkname.contains(text, Qt::CaseSensitive);
}

bool CourierNear(const TMyWorker &w, const RadiusBox &box)
{
    if (box.steps <= 0)
        return true;
    if (w.WkOrderNo.isEmpty() || !w.WKOrders)
        return box.contains(TextToFloatDef(w.WkLanX, 0.0), TextToFloatDef(w.WkLatY, 0.0));
    for (const auto &o : w.WKOrders->Records()) {
        if (!o)
            continue;
        const bool assigned = o->ORD_STATUS_CD() == u"3001";
        const double x = TextToFloatDef((assigned ? o->SA_LNG_X() : o->EA_LNG_X()).toString(), 0.0);
        const double y = TextToFloatDef((assigned ? o->SA_LAT_Y() : o->EA_LAT_Y()).toString(), 0.0);
        if (box.contains(x, y))
            return true;
    }
    return false;
}
