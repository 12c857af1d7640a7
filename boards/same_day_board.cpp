#include "boards/same_day_board.h"

#include "common/daily_log.h"
#include "records/reference_records.h"

#include <QHash>

namespace
{
struct SameDayColumn
{
    const char *field;
    const char *caption; // nullptr: hidden at start (the field name stands as caption)
};

// The same-day grid's columns in order; the completed grid moves ExtSubCode to the end.
const SameDayColumn kSameDayColumns[] = {
    {"ORD_NO", "주문 일련번호"}, {"ExtSubCode", "송장번호"}, {"ORD_TODAY_NO", nullptr},
    {"ORD_TODAY_ADD_NO", nullptr}, {"ORD_TODAY_ALL_NO", nullptr}, {"ORD_TYPE_CD", nullptr},
    {"ORD_STATUS_CD", "주문 상태"}, {"ORD_DATE", "주문일시"}, {"PICKUP_DATE", "출발일시"},
    {"END_DATE", "완료일시"}, {"ORD_CU_NAME", "고객명"}, {"ORD_CU_TEL", "고객 전화번호"},
    {"ORD_CU_END_CNT", " 완료 횟수"}, {"EA_ADDR_4", "전체주소 (구주소)"}, {"DVRY_DISTANCE", "배달 거리"},
    {"DVRY_AMT", "대행료"}, {"ORD_AMT", "주문금액"}, {"DISCOUNT_AMT", "할인금액"}, {"SRV_AMT", "봉사료금액"},
    {"CHARGE_TYPE", nullptr}, {"PAY_TYPE_CD", nullptr}, {"PAY_AMT", nullptr},
    {"CTH_WK_NAME", "배차배송원이름"}, {"CTH_WK_TEL", "배차배송원전화번호"}, {"ORD_MEMO", "주문_메모"},
    {"CTH_ST_NAME", "배차가맹점이름"}, {"DVRY_CNT", "배달대행건수"}, {"ORD_PATH_CD", "주문경로코드"},
    {"CTH_ST_TEL", "배차가맹점연락처"}, {"ORD_ST_CODE", nullptr}, {"ORD_ST_NAME", "주문가맹점이름"},
    {"DVRY_TYPE_CD", "배달대행구분"}, {"XY_ACC_TYPE", nullptr}, {"EA_ADDR_5", "도착입력주소"},
    {"GOODS_NAMES", "상품이름"}, {"ORG_PAY_TYPE", nullptr}, {"CASH_MOVE_CNT", nullptr},
    {"CASH_MOVE_AMT", nullptr}, {"ORD_BR_CODE", nullptr}, {"EA_ADDR_6", "전체주소 (신주소)"},
    {"EA_ADDR_7", "전체주소 (외부앱으로받은주소)"}, {"PUT_USER_ID", nullptr}, {"CTH_BR_CODE", nullptr},
    {"CTH_ST_CODE", nullptr}, {"CTH_DATE", "배차일시"}, {"READY_CHANGE_DATE", "준비변경일시"},
    {"CTH_DVRY_TYPE_CD", "배차배달대행구분"}, {"DVRY_LOCK_TIME", nullptr},
    {"ST_DVRY_TYPE_CD", "가맹점배달대행구분코드"}, {"DVRY_EX_CHARGE", "배달대행할증요금"},
    {"DVRY_MNG_TYPE", "배달대행관리구분"}, {"DVRY_MNG_FEE", "배달대행관리가격"}, {"MOD_USER_ID", "수정사용자"},
    {"ORD_MASTER_ST_CODE", nullptr}, {"CTH_MNG_BR_CODE", nullptr}, {"CTH_MNG_HD_CODE", nullptr},
    {"ORD_HD_CODE", nullptr}, {"EA_ADDR_10", "건물명"}, {"CTH_WK_CODE", nullptr},
    {"EA_LAT_Y", "도착_위도_좌표 (Y좌표, LATITUDE)"}, {"EA_LNG_X", "도착_경도_좌표 (X좌표, LONGITUDE)"},
    {"ORD_BR_NAME", "주문_총판_이름"}, {"SA_LAT_Y", nullptr}, {"SA_LNG_X", nullptr}, {"CU_050_NUM", "안심번호"},
    {"DVRY_TAX_YN", nullptr}, {"DVRY_NLT_TYPE", nullptr}, {"CHARGE_HISTORY", "결제방식변경내역"},
    {"EA_ADDR_STR", "도착주소문자열 "}, {"DVRY_GRP_TYPE", nullptr}, {"MOD_DATE", "수정일시"},
    {"ORD_ST_TEL", nullptr}, {"CTH_WK_GOODS_PAY_TYPE", "상품대금지불방식"}, {"SOL_HUB_CODE", nullptr},
    {"SOL_HUB_NAME", "집화허브이름"}, {"CTH_SOL_WK_CODE", nullptr}, {"CTH_SOL_WK_NAME", nullptr},
    {"CTH_SOL_WK_TEL", "배차집화배송원전화번호"}, {"LOGI_CENTER_CODE", nullptr},
    {"LOGI_CENTER_NAME", "물류센터이름"}, {"CTH_LOGI_WK_CODE", nullptr}, {"CTH_LOGI_WK_NAME", "배차물류배송원이름"},
    {"CTH_LOGI_WK_TEL", "배차물류배송원전화번호"}, {"LOC_HD_CODE", nullptr}, {"LOC_HD_NAME", nullptr},
    {"LOC_BR_CODE", nullptr}, {"LOC_BR_NAME", "지선허브총판이름"}, {"LOC_HUB_CODE", nullptr},
    {"LOC_HUB_NAME", "지선허브이름"}, {"CTH_LOC_WK_CODE", nullptr}, {"CTH_LOC_WK_NAME", "지선배송원이름"},
    {"CTH_LOC_WK_TEL", "지선배송원전화번호"}, {"StaGroup", nullptr}, {"error", nullptr}, {"EXT_URL", nullptr},
    {"ORD_GRP_NO", nullptr}, {"ORD_GRP_ADD_NO", nullptr}, {"ORD_GRP_NAME", "묶음그룹명"},
    {"ORD_GRP_AREA", "묶음그룹지역"},
};

// How a column reads its order.
struct FieldReader
{
    enum Kind { Text, Int, Distance, Group, Empty } kind = Text;
    A3::Field text = A3::ORD_NO;
    int A3Values::*integer = nullptr;
};

const QHash<QString, FieldReader> &readers()
{
    static const QHash<QString, FieldReader> map = [] {
        QHash<QString, FieldReader> m;
#define CD_A3_TEXT_READER(name, col) m.insert(QStringLiteral(#name), {FieldReader::Text, A3::name, nullptr});
        A3_TEXT_FIELDS(CD_A3_TEXT_READER)
#undef CD_A3_TEXT_READER
#define CD_A3_INT_READER(name, col) m.insert(QStringLiteral(#name), {FieldReader::Int, A3::ORD_NO, &A3Values::name});
        A3_INT_FIELDS(CD_A3_INT_READER)
#undef CD_A3_INT_READER
        m.insert(QStringLiteral("DVRY_DISTANCE"), {FieldReader::Distance, A3::ORD_NO, nullptr});
        m.insert(QStringLiteral("ExtSubCode"), {FieldReader::Text, A3::EXT_SUB_CODE, nullptr});
        m.insert(QStringLiteral("StaGroup"), {FieldReader::Group, A3::ORD_NO, nullptr});
        m.insert(QStringLiteral("error"), {FieldReader::Empty, A3::ORD_NO, nullptr});
        return m;
    }();
    return map;
}

QVariant readField(const TA3ORDER &o, const FieldReader &r)
{
    switch (r.kind) {
    case FieldReader::Text: return o.text(r.text);
    case FieldReader::Int: return o.*(r.integer);
    case FieldReader::Distance: return o.DVRY_DISTANCE;
    case FieldReader::Group: return procSameDayGroup(o.ORD_STATUS_CD());
    case FieldReader::Empty: return QString();
    }
    return {};
}

std::vector<SameDayColumn> orderedColumns(SameDayBoard board)
{
    std::vector<SameDayColumn> defs(std::begin(kSameDayColumns), std::end(kSameDayColumns));
    if (board == SameDayBoard::Completed) {
        const SameDayColumn ext = defs[1];
        defs.erase(defs.begin() + 1);
        defs.push_back(ext);
    }
    return defs;
}

bool hiddenOn(SameDayBoard board, const SameDayColumn &c)
{
    if (!c.caption)
        return true;
    // The completed grid does not show the destination's coordinates.
    const QLatin1String f(c.field);
    return board == SameDayBoard::Completed && (f == QLatin1String("EA_LAT_Y") || f == QLatin1String("EA_LNG_X"));
}
} // namespace

QString SameDayGridName(SameDayBoard board)
{
    return board == SameDayBoard::Today ? QStringLiteral("grdA3View") : QStringLiteral("grdEndView");
}

QString SameDayColumnPrefix(SameDayBoard board)
{
    return board == SameDayBoard::Today ? QStringLiteral("grdA3Col_") : QStringLiteral("grdEndCol_");
}

QList<GridColumn> SameDayGridColumns(SameDayBoard board)
{
    QList<GridColumn> out;
    const QString prefix = SameDayColumnPrefix(board);
    for (const SameDayColumn &c : orderedColumns(board)) {
        GridColumn col;
        const QString field = QString::fromLatin1(c.field);
        col.name = prefix + field;
        col.caption = c.caption ? QString::fromUtf8(c.caption) : field;
        const FieldReader r = readers().value(field);
        col.type = r.kind == FieldReader::Int        ? GridValueType::Integer
                   : r.kind == FieldReader::Distance ? GridValueType::Float
                                                     : GridValueType::Text;
        out.append(col);
    }
    return out;
}

QStringList SameDayHiddenColumns(SameDayBoard board)
{
    QStringList out;
    const QString prefix = SameDayColumnPrefix(board);
    for (const SameDayColumn &c : orderedColumns(board))
        if (hiddenOn(board, c))
            out.append(prefix + QString::fromLatin1(c.field));
    return out;
}

QString procSameDayGroup(QStringView status)
{
    return SameDayStatusSlot(status);
}

QString SameDayStatusColourKey(QStringView status)
{
    // The live board's status colours, shared by the same-day rows; 2002 is a delivery
    // request and takes the request colour there too.
    if (status == u"1001")
        return QStringLiteral("CB_1001");
    if (status == u"2001" || status == u"2002")
        return QStringLiteral("CB_2001");
    if (status == u"3001")
        return QStringLiteral("CB_3001");
    if (status == u"3003")
        return QStringLiteral("CB_3003");
    if (status == u"4001")
        return QStringLiteral("CB_4001");
    if (status == u"4002")
        return QStringLiteral("CB_4002");
    if (status == u"4003")
        return QStringLiteral("CB_4003");
    if (status == u"1002" || status == u"1007")
        return QStringLiteral("CB_1002");
    if (status.startsWith(u'6'))
        return QStringLiteral("CB_6000");
    if (status.startsWith(u'7'))
        return QStringLiteral("CB_7000");
    if (status.startsWith(u'8'))
        return QStringLiteral("CB_8000");
    return QString();
}

const std::array<SameDayCountLabel, 12> &SameDayCountLabels()
{
    static const std::array<SameDayCountLabel, 12> labels = {{
        {QStringLiteral("edSameDayTotal"), 0, QString()},
        {QStringLiteral("edSameDayReg"), 1, QStringLiteral("CB_1001")},
        {QStringLiteral("edSameDayReady"), 2, QStringLiteral("CB_2001")},
        {QStringLiteral("edSameDayPick"), 3, QStringLiteral("CB_3001")},
        {QStringLiteral("edSameDayStart"), 4, QStringLiteral("CB_3003")},
        {QStringLiteral("edSameDayComplete"), 5, QStringLiteral("CB_4001")},
        {QStringLiteral("edSameDayWait"), 6, QStringLiteral("CB_1002")},
        {QStringLiteral("edSameDayCancel"), 7, QStringLiteral("CB_4002")},
        {QStringLiteral("edSameDayQ"), 8, QStringLiteral("CB_4003")},
        {QStringLiteral("edSameDay6000"), 9, QStringLiteral("CB_6000")},
        {QStringLiteral("edSameDay7000"), 10, QStringLiteral("CB_7000")},
        {QStringLiteral("edSameDay8000"), 11, QStringLiteral("CB_8000")},
    }};
    return labels;
}

std::array<QString, 12> proc_SameDayCountView(const SameDayCounts &counts, bool bA3FinOrd)
{
    std::array<QString, 12> out;
    const auto &labels = SameDayCountLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        const int slot = labels[i].slot;
        out[i] = !bA3FinOrd && (slot == 5 || slot == 7) ? QStringLiteral("-")
                                                        : QString::number(counts[size_t(slot)]);
    }
    return out;
}

QVariantList SameDayRecordValues(const TA3ORDER &order, const QList<GridColumn> &columns, const QString &prefix)
{
    QVariantList values;
    values.reserve(columns.size());
    for (const GridColumn &c : columns) {
        const auto it = readers().constFind(c.name.mid(prefix.size()));
        values.append(it == readers().cend() ? QVariant(QString()) : readField(order, *it));
    }
    return values;
}

// ---- models ---------------------------------------------------------------------------------

SameDayBoardModels::SameDayBoardModels()
{
    m_today.setColumns(SameDayGridColumns(SameDayBoard::Today));
    m_comp.setColumns(SameDayGridColumns(SameDayBoard::Completed));
    m_today.setKeyColumn(m_today.columnIndex(QStringLiteral("grdA3Col_ORD_NO")));
    m_comp.setKeyColumn(m_comp.columnIndex(QStringLiteral("grdEndCol_ORD_NO")));
    m_log = [](const QString &l) { WriteLog(l); };
}

void SameDayBoardModels::fill(SameDayBoard board, int record, const TA3ORDER *order, const char *errLine)
{
    if (!order) {
        m_log(QString::fromLatin1(errLine));
        return;
    }
    GridTableModel &m = model(board);
    if (record < 0 || record >= m.recordCount()) {
        m_log(QString::fromLatin1(errLine));
        return;
    }
    const QVariantList values = SameDayRecordValues(*order, m.columns(), SameDayColumnPrefix(board));
    m.beginUpdate();
    for (int c = 0; c < values.size(); ++c)
        m.setRecordValue(record, c, values.at(c));
    m.endUpdate();
}

void SameDayBoardModels::proc_SetA3Order(int record, const TA3ORDER *order)
{
    fill(SameDayBoard::Today, record, order, "proc_SetA3Order ERR");
}

void SameDayBoardModels::proc_SetA3CompOrder(int record, const TA3ORDER *order)
{
    fill(SameDayBoard::Completed, record, order, "proc_SetA3CompOrder ERR");
}

void SameDayBoardModels::rowInserted(SameDayBoard board, int row, const TA3ORDER &order)
{
    GridTableModel &m = model(board);
    const QVariantList values = SameDayRecordValues(order, m.columns(), SameDayColumnPrefix(board));
    if (row == m.recordCount())
        m.appendRecord(values);
    else
        m.insertRecord(row, values);
}

void SameDayBoardModels::rowChanged(SameDayBoard board, int row, const TA3ORDER &order)
{
    if (board == SameDayBoard::Today)
        proc_SetA3Order(row, &order);
    else
        proc_SetA3CompOrder(row, &order);
}

// ---- double click ---------------------------------------------------------------------------

SameDayOpenHooks DefaultSameDayOpenHooks()
{
    SameDayOpenHooks h;
    h.storeIndex = [](const QString &code) {
        const int i = G_ST_LIST.indexOf(code);
        if (i >= 0)
            return i;
        TST_LIST store;
        store.ST_CODE = code;
        G_ST_LIST.append(code, store);
        return G_ST_LIST.count() - 1;
    };
    h.storeNameMissing = [](int index) {
        const TST_LIST *s = G_ST_LIST.value(index);
        return s && s->ST_NAME.isEmpty();
    };
    return h;
}

void grdA3ViewCellDblClick(const GridTableModel &grid, const QString &prefix, int record, const SameDayOpenHooks &hooks)
{
    if (record < 0 || record >= grid.recordCount())
        return;
    auto text = [&](const char *field) {
        const int c = grid.columnIndex(prefix + QString::fromLatin1(field));
        return c < 0 ? QString() : grid.recordValue(record, c).toString();
    };
    const QString no = text("ORD_NO");
    const QString status = text("ORD_STATUS_CD");
    const QString kind = text("ORD_TYPE_CD");
    const QString allNo = text("ORD_TODAY_ALL_NO");
    const QString store = text("ORD_ST_CODE");
    if (hooks.storeIndex) {
        const int i = hooks.storeIndex(store);
        if (hooks.storeNameMissing && hooks.storeNameMissing(i) && hooks.loadStoreInfo)
            hooks.loadStoreInfo(store);
    }
    if (kind == QLatin1String("1009") && hooks.openOrder)
        hooks.openOrder(no, status, QStringLiteral("1"), allNo, QStringLiteral("1009"), QString());
}
