#include "history/statistics_grids.h"

#include "common/reply_row.h"
#include "history/statistics_query.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace Statistics
{
namespace
{
using F = CellFormat;
using K = FooterKind;

StatColumn statColumn(const QString &name, int field, const QStringList &bands, const QString &caption, F format,
                      K footer, bool separator = false)
{
    StatColumn c;
    c.name = name;
    c.field = field;
    c.bands = bands;
    c.caption = caption;
    c.format = format;
    c.footer = footer;
    c.separator = separator;
    return c;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

StatGridLayout periodLayout()
{
    StatGridLayout g;
    g.viewName = QStringLiteral("grdPeriodBndBand");
    auto c = [](int field, const QStringList &bands, const QString &caption, F format, K footer, bool sep = false) {
        return statColumn(QStringLiteral("grdPeriodcol") + two(field), field, bands, caption, format, footer, sep);
    };
    const QString mine = QStringLiteral("내그룹발주");
    const QString shared = QStringLiteral("공유그룹 발주");
    g.columns << c(0, {}, QStringLiteral("일자"), F::Text, K::None)
              << c(2, {}, QStringLiteral("전체\n수수료 합계"), F::Money, K::Sum, true)
              << c(3, {mine}, QStringLiteral("전체\n발주 건수"), F::Money, K::Sum, true)
              << c(4, {mine, QStringLiteral("내그룹수행")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(5, {mine, QStringLiteral("내그룹수행")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(6, {mine, QStringLiteral("내그룹수행")}, QStringLiteral("수수료"), F::Money, K::Sum)
              << c(7, {mine, QStringLiteral("공유그룹 수행")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(8, {mine, QStringLiteral("공유그룹 수행")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(9, {mine, QStringLiteral("공유그룹 수행")}, QStringLiteral("수수료"), F::Money, K::Sum)
              << c(10, {shared, QStringLiteral("내 그룹 수행")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(11, {shared, QStringLiteral("내 그룹 수행")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(12, {shared, QStringLiteral("내 그룹 수행")}, QStringLiteral("수수료"), F::Money, K::Sum)
              << c(1, {}, QStringLiteral("전체\n결제 건수"), F::Money, K::Sum, true)
              << c(13, {QStringLiteral("선결제")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(14, {QStringLiteral("선결제")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(15, {QStringLiteral("현금")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(16, {QStringLiteral("현금")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(17, {QStringLiteral("카드")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(18, {QStringLiteral("카드")}, QStringLiteral("%"), F::Percent, K::Computed)
              << c(19, {QStringLiteral("취소")}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(20, {QStringLiteral("취소")}, QStringLiteral("%"), F::Percent, K::Computed);
    return g;
}

// The weekday and time-of-day grids share their shape: a name, a total, then count and share per slot.
StatGridLayout slotLayout(const QString &prefix, const QStringList &slotCaptions)
{
    StatGridLayout g;
    g.viewName = prefix + QStringLiteral("BndBand");
    auto name = [&prefix](int field) { return prefix + QStringLiteral("Col") + two(field); };
    g.columns << statColumn(name(0), 0, {}, QStringLiteral("총판명"), F::Text, K::None)
              << statColumn(name(1), 1, {}, QStringLiteral("전체\n(건수)"), F::Money, K::Sum);
    for (int k = 1; k <= slotCaptions.size(); ++k) {
        const QStringList band = {slotCaptions.at(k - 1)};
        g.columns << statColumn(name(2 * k), 2 * k, band, QStringLiteral("건수"), F::Money, K::Sum, k >= 2)
                  << statColumn(name(2 * k + 1), 2 * k + 1, band, QStringLiteral("%"), F::Percent, K::Computed);
    }
    return g;
}

StatGridLayout weekdayLayout()
{
    return slotLayout(QStringLiteral("grdWeek"), {QStringLiteral("일"), QStringLiteral("월"), QStringLiteral("화"),
                                                   QStringLiteral("수"), QStringLiteral("목"), QStringLiteral("금"),
                                                   QStringLiteral("토")});
}

StatGridLayout timeLayout()
{
    QStringList slotNames;
    for (int k = 1; k <= 24; ++k) {
        const int hour = (8 + k) % 24;
        // The last slot of the day ends at "24", not "00".
        slotNames << two(hour) + QLatin1Char('~') + two(hour + 1);
    }
    return slotLayout(QStringLiteral("grdTime"), slotNames);
}

StatGridLayout settlementLayout()
{
    StatGridLayout g;
    g.viewName = QStringLiteral("grdAccountBndBand");
    auto c = [](int field, const QStringList &bands, const QString &caption, K footer = K::Sum, bool sep = false) {
        return statColumn(QStringLiteral("grdAccountCol") + two(field - 1), field, bands, caption, F::Money, footer,
                          sep);
    };
    StatColumn key = statColumn(QStringLiteral("grdAccountColX"), 0, {}, QStringLiteral("총판/제휴본사 구분"), F::Text,
                                K::None);
    key.hidden = true;
    StatColumn label = c(1, {}, QStringLiteral("일자"), K::None);
    label.format = F::Text;
    const QString platform = QStringLiteral("배달대행료\n(플랫폼사 세무처리)");
    const QString own = QStringLiteral("배달대행료\n(자체발행)");
    const QString manage = QStringLiteral("배송관리비");
    const QString sales = QStringLiteral("영업 수수료");
    g.columns << key << label << c(2, {}, QStringLiteral("영업\n이익"), K::Average)
              << c(3, {platform}, QStringLiteral("전체")) << c(4, {platform}, QStringLiteral("수수료"))
              << c(5, {platform}, QStringLiteral("배송원")) << c(6, {own}, QStringLiteral("전체"), K::Sum, true)
              << c(7, {own}, QStringLiteral("수수료")) << c(8, {own}, QStringLiteral("배송원"))
              << c(9, {}, QStringLiteral("건당관리비\n수발주정산"), K::Sum, true)
              << c(10, {manage}, QStringLiteral("월정액"), K::Sum, true) << c(11, {manage}, QStringLiteral("초과건당"))
              << c(12, {manage}, QStringLiteral("선분할")) << c(13, {manage}, QStringLiteral("일차감"))
              << c(14, {}, QStringLiteral("배달플랫폼\n사용료"), K::Sum, true)
              << c(15, {sales}, QStringLiteral("QYX 플랫폼"), K::Sum, true) << c(16, {sales}, QStringLiteral("토르빈 플랫폼"))
              << c(17, {sales}, QStringLiteral("온라인 플랫폼")) << c(18, {sales}, QStringLiteral("배달 플랫폼"))
              << c(19, {}, QStringLiteral("일비\n리스비"), K::Sum, true);
    return g;
}

StatGridLayout courierLayout()
{
    StatGridLayout g;
    g.viewName = QStringLiteral("grdDvryBndBand");
    g.sortField = 2;
    g.statusField = 18;
    g.nameFields = {0, 1, 2};
    auto c = [](const QString &name, int field, const QStringList &bands, const QString &caption,
                F format = F::Money, K footer = K::Sum, bool sep = false) {
        StatColumn col = statColumn(name, field, bands, caption, format, footer, sep);
        col.sortable = true;
        return col;
    };
    auto n = [](int i) { return QStringLiteral("grdDvryCol") + two(i); };
    const QString courier = QStringLiteral("배송원");
    const QString platform = QStringLiteral("배달대행료\n(플랫폼사 세무처리)");
    const QString own = QStringLiteral("배달대행료\n(자체발행)");
    const QString rental = QStringLiteral("렌탈");
    const QString receipt = QStringLiteral("현금영수증(알선중개)");
    g.columns << c(n(0), 0, {courier}, QStringLiteral("사번"), F::Text, K::None)
              << c(n(1), 1, {courier}, QStringLiteral("배송원코드"), F::Text, K::None)
              << c(n(2), 2, {courier}, QStringLiteral("배송원명"), F::Text, K::Count)
              << c(n(3), 3, {}, QStringLiteral("전체\n(건수)"))
              << c(n(4), 4, {platform}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(n(5), 5, {platform}, QStringLiteral("대행료")) << c(n(6), 6, {platform}, QStringLiteral("수수료"))
              << c(n(7), 7, {platform}, QStringLiteral("소득"))
              << c(n(8), 8, {own}, QStringLiteral("건수"), F::Money, K::Sum, true)
              << c(n(9), 9, {own}, QStringLiteral("대행료")) << c(n(10), 10, {own}, QStringLiteral("수수료"))
              << c(n(11), 11, {own}, QStringLiteral("원천세")) << c(n(12), 12, {own}, QStringLiteral("소득"))
              << c(n(13), 13, {rental}, QStringLiteral("리스비"), F::Money, K::Sum, true)
              << c(n(14), 14, {rental}, QStringLiteral("가불")) << c(n(16), 16, {rental}, QStringLiteral("기타"))
              << c(n(15), 15, {rental}, QStringLiteral("미수금"));
    StatColumn r1 = c(n(18), 19, {receipt}, QStringLiteral("건수"));
    StatColumn r2 = c(n(19), 20, {receipt}, QStringLiteral("금액"));
    StatColumn r3 = c(n(23), 23, {receipt}, QStringLiteral("수수료"));
    StatColumn r4 = c(n(20), 21, {receipt}, QStringLiteral("소득"));
    for (StatColumn *r : {&r1, &r2, &r3, &r4})
        r->sortable = false;
    g.columns << r1 << r2 << r3 << r4;
    StatColumn support = statColumn(QStringLiteral("grdDvryAddPrice"), 24, {}, QStringLiteral("지원금"), F::Money,
                                    K::None);
    g.columns << support << c(n(17), 17, {}, QStringLiteral("미차감 잔액\n(현재)"))
              << statColumn(QStringLiteral("grdDvryDistance"), 22, {}, QStringLiteral("총거리"), F::Distance, K::None)
              << statColumn(QStringLiteral("grdDvryAvDistance"), 22, {}, QStringLiteral("평균거리"), F::Distance, K::None);
    StatColumn status = statColumn(QStringLiteral("grdDvryWkStatus"), 18, {}, QStringLiteral("상태"), F::Text, K::None);
    status.hidden = true;
    g.columns << status;
    return g;
}

StatGridLayout storeLayout()
{
    StatGridLayout g;
    g.viewName = QStringLiteral("grdStoreBndBand");
    g.statusField = 23;
    g.nameFields = {0};
    auto n = [](int i) { return QStringLiteral("grdStoreCol") + two(i); };
    auto c = [&n](int field, const QStringList &bands, const QString &caption, F format = F::Money,
                  K footer = K::Sum, bool sep = false) {
        StatColumn col = statColumn(n(field), field, bands, caption, format, footer, sep);
        col.sortable = format != F::Text;
        return col;
    };
    const QString info = QStringLiteral("가맹점정보");
    const QString orders = QStringLiteral("주문건수");
    const QString amount = QStringLiteral("주문금액");
    const QString counts = QStringLiteral("배달대행건수");
    const QString fees = QStringLiteral("배달대행료");
    const QString manage = QStringLiteral("배송 관리비");
    g.columns << c(0, {info}, QStringLiteral("가맹점명"), F::Text, K::Count)
              << c(26, {info}, QStringLiteral("가맹점코드"), F::Text, K::None)
              << c(27, {info}, QStringLiteral("사업자번호"), F::Text, K::None)
              << c(1, {orders}, QStringLiteral("전체")) << c(2, {orders}, QStringLiteral("완료"))
              << c(3, {orders}, QStringLiteral("취소")) << c(4, {orders}, QStringLiteral("선 결제"))
              << c(5, {orders}, QStringLiteral("현금")) << c(6, {orders}, QStringLiteral("카드"))
              << c(7, {amount}, QStringLiteral("주문금액"), F::Money, K::Sum, true)
              << c(8, {amount}, QStringLiteral("카드금액"))
              << c(9, {amount}, QStringLiteral("카드비율"), F::Percent, K::Computed)
              << c(10, {amount}, QStringLiteral("건당단가"), F::Money, K::Computed)
              << c(11, {counts}, QStringLiteral("완료"), F::Money, K::Sum, true)
              << c(12, {counts}, QStringLiteral("내그룹")) << c(13, {counts}, QStringLiteral("공유그룹"))
              << c(14, {fees}, QStringLiteral("세금계산서\n(플랫폼사)"), F::Money, K::Sum, true)
              << c(15, {fees}, QStringLiteral("현금영수증\n(플랫폼사)"))
              << c(16, {fees}, QStringLiteral(" 자체발행   (소속총판)"));
    StatColumn tax = c(22, {fees}, QStringLiteral("세금계산서\n(소속총판)"));
    StatColumn vat = c(25, {fees}, QStringLiteral("부가세"));
    tax.sortable = vat.sortable = false;
    g.columns << tax << vat << c(17, {manage}, QStringLiteral("월정액"), F::Money, K::Sum, true)
              << c(18, {manage}, QStringLiteral("초과건당")) << c(19, {manage}, QStringLiteral("선분할"))
              << c(20, {manage}, QStringLiteral("일차감"));
    StatColumn perOrder = c(24, {manage}, QStringLiteral("건당관리비"));
    perOrder.sortable = false;
    g.columns << perOrder;
    StatColumn code = statColumn(n(21), 21, {}, QStringLiteral("가맹점코드"), F::Text, K::None);
    code.hidden = true;
    StatColumn status = statColumn(n(23), 23, {}, QStringLiteral("상태"), F::Text, K::None);
    status.hidden = true;
    g.columns << code << status;
    return g;
}

double cellNumber(const GridTableModel &model, int record, int column)
{
    return model.recordCell(record, column).toDouble();
}
} // namespace

int StatGridLayout::maxField() const
{
    int m = 0;
    for (const StatColumn &c : columns)
        m = std::max(m, c.field);
    return m;
}

int StatGridLayout::columnOfField(int field) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).field == field)
            return i;
    return -1;
}

const StatGridLayout &GridLayoutOfTab(int tab)
{
    static const QList<StatGridLayout> layouts = {periodLayout(),     weekdayLayout(), timeLayout(),
                                                  settlementLayout(), courierLayout(), storeLayout()};
    return layouts.at(std::clamp(tab, 0, int(layouts.size()) - 1));
}

QList<GridColumn> ModelColumns(const StatGridLayout &layout)
{
    QList<GridColumn> out;
    for (const StatColumn &c : layout.columns) {
        GridColumn g;
        g.name = c.name;
        g.caption = c.caption;
        g.type = c.format == CellFormat::Text ? GridValueType::Text : GridValueType::Float;
        out << g;
    }
    return out;
}

qint64 PerMille(qint64 count, qint64 denominator)
{
    // Whole numbers throughout: 456 / 1000 as a floating quotient times 1000 is 455.99..., which
    // would show 45.5%.
    return denominator == 0 ? 0 : count * 1000 / denominator;
}

QString FormatPerMille(qint64 perMille)
{
    const bool negative = perMille < 0;
    QString digits = QString::number(negative ? -perMille : perMille);
    if (digits.size() == 1)
        digits.prepend(QStringLiteral("0."));
    else
        digits.insert(digits.size() - 1, QLatin1Char('.'));
    return (negative ? QStringLiteral("-") : QString()) + digits + QLatin1Char('%');
}

LoadResult LoadStatisticsPages(const StatGridLayout &layout, const QStringList &pages, GridTableModel &model)
{
    LoadResult result;
    if (pages.isEmpty()) {
        result.outcome = LoadResult::NoReply;
        return result;
    }
    const QString separator(QChar(0x2502));
    const int needed = layout.maxField() + 1;
    model.beginUpdate();
    for (const QString &page : pages) {
        const QJsonObject json = QJsonDocument::fromJson(page.toUtf8()).object();
        const QString outCode = json.value(QStringLiteral("OUT_CODE")).toString();
        if (outCode != QLatin1String("1")) {
            result.outcome = LoadResult::ServerFail;
            result.outCode = outCode;
            result.outMsg = json.value(QStringLiteral("OUT_MSG")).toString();
            break;
        }
        const QJsonArray rows = json.value(QStringLiteral("OUT_ROW1")).toArray();
        std::vector<QVariantList> records;
        records.reserve(size_t(rows.size()));
        for (const QJsonValue &value : rows) {
            const ReplyRow row = ReplyRow::fromJson(value, separator);
            // Every field is closed by the separator: the empty piece after the last one is no field.
            const int fieldCount = row.count() - (value.isString() && value.toString().endsWith(separator) ? 1 : 0);
            if (fieldCount < needed) {
                result.outcome = LoadResult::BadRow;
                result.error = QStringLiteral("row with %1 fields, %2 needed").arg(fieldCount).arg(needed);
                break;
            }
            QVariantList cells;
            cells.reserve(layout.columns.size());
            for (const StatColumn &c : layout.columns) {
                QString text = row.text(c.field);
                if (text.isEmpty())
                    text = QStringLiteral("0");
                if (c.format == CellFormat::Text) {
                    cells << text;
                    continue;
                }
                bool ok = false;
                const double v = text.trimmed().toDouble(&ok);
                if (!ok || !std::isfinite(v)) {
                    result.outcome = LoadResult::BadRow;
                    result.error = QStringLiteral("field %1 is not a number: %2").arg(c.field).arg(text.left(40));
                    break;
                }
                cells << v;
            }
            if (result.outcome == LoadResult::BadRow)
                break;
            records.push_back(std::move(cells));
        }
        result.rows += int(records.size());
        if (!records.empty())
            model.appendRecords(std::move(records));
        if (result.outcome != LoadResult::Loaded)
            break;
    }
    model.endUpdate();
    return result;
}

QHash<int, QString> ComputeFooters(int tab, const StatGridLayout &layout, const GridTableModel &model)
{
    QHash<int, QString> out;
    const int rows = model.rowCount();
    QHash<int, double> sums; // by field
    for (int i = 0; i < layout.columns.size(); ++i) {
        const StatColumn &c = layout.columns.at(i);
        if (c.format == CellFormat::Text || sums.contains(c.field))
            continue;
        double s = 0;
        for (int r = 0; r < rows; ++r)
            s += cellNumber(model, model.recordOfRow(r), i);
        sums.insert(c.field, s);
    }
    auto sum = [&sums](int field) { return qint64(std::llround(sums.value(field))); };
    const QLocale numbers(QLocale::English);
    for (int i = 0; i < layout.columns.size(); ++i) {
        const StatColumn &c = layout.columns.at(i);
        switch (c.footer) {
        case FooterKind::Sum:
            out.insert(i, numbers.toString(sum(c.field)));
            break;
        case FooterKind::Count:
            out.insert(i, QStringLiteral("전체: ") + numbers.toString(rows));
            break;
        case FooterKind::Average:
            out.insert(i, numbers.toString(rows > 0 ? qint64(std::llround(sums.value(c.field) / rows)) : 0));
            break;
        default:
            break;
        }
    }
    auto put = [&](int field, qint64 count, qint64 denominator) {
        const int col = layout.columnOfField(field);
        if (col >= 0)
            out.insert(col, count > 0 ? FormatPerMille(PerMille(count, denominator)) : QStringLiteral("0%"));
    };
    switch (tab) {
    case kPeriodTab: {
        const qint64 total = sum(1);
        if (total == 0)
            break;
        put(5, sum(4), total);
        put(8, sum(7), total);
        put(11, sum(10), sum(10) + sum(4));
        put(14, sum(13), total);
        put(16, sum(15), total);
        put(18, sum(17), total);
        put(20, sum(19), sum(19) + total);
        break;
    }
    case kWeekdayTab:
    case kTimeTab: {
        const qint64 total = sum(1);
        if (total == 0)
            break;
        const int slotCount = tab == kWeekdayTab ? 7 : 24;
        for (int k = 1; k <= slotCount; ++k)
            put(2 * k + 1, sum(2 * k), total);
        break;
    }
    case kStoreTab: {
        const int col = layout.columnOfField(9);
        const qint64 card = sum(8), amount = sum(7);
        out.insert(col, card != 0 && amount != 0 ? FormatPerMille(PerMille(card, amount)) : QStringLiteral("0%"));
        // The price per order of the whole result: a sum of every store's own price per order
        // would grow with the number of stores.
        const qint64 done = sum(2);
        out.insert(layout.columnOfField(10), numbers.toString(done > 0 ? qint64(std::llround(double(amount) / double(done))) : 0));
        break;
    }
    default:
        break;
    }
    return out;
}

CourierDistance CourierDistanceOf(const QString &countText, double metres)
{
    CourierDistance d;
    bool ok = false;
    const double count = countText.trimmed().toDouble(&ok);
    if (countText.trimmed() == QLatin1String("0") || metres <= 0 || !ok || count <= 0)
        return d;
    d.totalKm = std::trunc(metres) / 1000.0;
    d.averageKm = std::trunc(metres / count) / 1000.0;
    return d;
}

void ApplyCourierDistances(const StatGridLayout &layout, GridTableModel &model)
{
    const int countCol = layout.columnOfField(3);
    int totalCol = -1, averageCol = -1;
    for (int i = 0; i < layout.columns.size(); ++i) {
        if (layout.columns.at(i).name == QLatin1String("grdDvryDistance"))
            totalCol = i;
        else if (layout.columns.at(i).name == QLatin1String("grdDvryAvDistance"))
            averageCol = i;
    }
    if (countCol < 0 || totalCol < 0 || averageCol < 0)
        return;
    model.beginUpdate();
    for (int r = 0; r < model.recordCount(); ++r) {
        const QVariant count = model.recordValue(r, countCol);
        const QString countText = QString::number(qint64(std::llround(count.toDouble())));
        const CourierDistance d = CourierDistanceOf(countText, model.recordValue(r, totalCol).toDouble());
        model.setRecordValue(r, totalCol, d.totalKm);
        model.setRecordValue(r, averageCol, d.averageKm);
    }
    model.endUpdate();
}

void ApplyResultFilter(const StatGridLayout &layout, GridTableModel &model, const QStringList &tickedStatuses,
                       const QString &searchText)
{
    FilterGroup status;
    const int statusCol = layout.columnOfField(layout.statusField);
    if (statusCol >= 0)
        for (const QString &s : tickedStatuses)
            status.add(FilterCondition::make(statusCol, FilterOp::Equal, s));
    FilterGroup names;
    const QString text = searchText.trimmed();
    if (!text.isEmpty())
        for (int field : layout.nameFields)
            if (const int col = layout.columnOfField(field); col >= 0)
                names.add(FilterCondition::make(col, FilterOp::Like, QStringLiteral("%") + text + QStringLiteral("%")));
    model.beginUpdate();
    model.setFilterGroup(0, status);
    model.setFilterGroup(1, names);
    model.setFilterEnabled(true);
    model.endUpdate();
}

void BandSort::click(int clickedColumn)
{
    ascending = clickedColumn == column ? !ascending : true;
    column = clickedColumn;
}

QString FormatCell(CellFormat format, const QVariant &value)
{
    const QLocale numbers(QLocale::English);
    switch (format) {
    case CellFormat::Text:
        return value.toString();
    case CellFormat::Money:
        return numbers.toString(qint64(std::llround(value.toDouble())));
    case CellFormat::Percent: {
        QString t = numbers.toString(value.toDouble(), 'f', 2);
        if (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        return t;
    }
    case CellFormat::Distance:
        return numbers.toString(value.toDouble(), 'f', 2) + QStringLiteral("Km");
    }
    return value.toString();
}
} // namespace Statistics
