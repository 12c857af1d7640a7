#include "store/product_goods_list.h"

#include "grid/combo_fill.h"
#include "records/reference_records.h"
#include "text/date_helpers.h"

#include <array>

namespace
{
using GoodsCol = ProductGoodsColumn;

const std::array<ProductGoodsColumnInfo, size_t(GoodsCol::Count)> kProductGoodsColumns = {{
    {"순번", true, true},
    {"상품명", true, false},
    {"상품번호", false, false},
    {"상품상태", true, false},
    {"매장판매상태", false, false},
    {"매장판매가격", false, true},
    {"매장판매할인가", false, true},
    {"매장판매값", false, false},
    {"매장판매할인기간", false, false},
    {"매장판매할인시간", false, false},
    {"매장판매 1일 제한", false, true},
    {"매장판매 1회 제한", false, true},
    {"주문배달상태", true, false},
    {"주문배달가격", true, true},
    {"주문배달할인가", true, true},
    {"주문배달 상태값", false, false},
    {"주문배달 할인기간", true, false},
    {"주문배달 할인시간", true, false},
    {"주문배달 1일 제한", true, true},
    {"주문배달 1회 제한", true, true},
    {"", false, false},
    {"등록일", false, false},
    {"상품이미지", false, false},
    {"바코드", false, false},
}};

const QStringList kGoodsDataStatusNames = {QStringLiteral("삭제"), QStringLiteral("정상"), QStringLiteral("정지"),
                                           QStringLiteral("퇴사"), QStringLiteral("캐쉬부족")};
const QStringList kGoodsUseStatusNames = {QStringLiteral("사용안함"), QStringLiteral("정상"), QStringLiteral("정지")};

QString productStatusName(const QStringList &names, const QString &code)
{
    const int c = GoodsStatusCode(code);
    if (c == 9)
        return kGoodsDataStatusNames.at(4);
    return c >= 0 && c < names.size() ? names.at(c) : code.trimmed();
}
} // namespace

const ProductGoodsColumnInfo &ProductGoodsColumnOf(ProductGoodsColumn column)
{
    return kProductGoodsColumns.at(size_t(column));
}

QString ProductGoodsCaption(ProductGoodsColumn column)
{
    return QString::fromUtf8(ProductGoodsColumnOf(column).caption);
}

int GoodsStatusCode(const QString &code)
{
    bool ok = false;
    const int c = code.trimmed().toInt(&ok);
    return ok ? c : 1;
}

QString GoodsDataStatusName(const QString &code)
{
    // The staff-style table puts "캐쉬부족" (code 9) at index 4.
    return productStatusName(kGoodsDataStatusNames, code);
}

QString GoodsUseStatusName(const QString &code)
{
    const int c = GoodsStatusCode(code);
    return c >= 0 && c < kGoodsUseStatusNames.size() ? kGoodsUseStatusNames.at(c) : code.trimmed();
}

QString GoodsPeriodText(const QString &period)
{
    if (period.isEmpty())
        return QString();
    return FormatYmdDash(period.mid(0, 8)) + QLatin1Char('~') + FormatYmdDash(period.mid(8, 8));
}

QString GoodsTimeWindowText(const QString &window)
{
    if (window.isEmpty())
        return QString();
    return FormatHhNn(window.mid(0, 4)) + QLatin1Char('~') + FormatHhNn(window.mid(4, 4));
}

double GoodsNumber(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? v : 0;
}

QVariantList ProductGoodsRowValues(const TGOODS_LIST &g)
{
    QVariantList v(int(GoodsCol::Count));
    v[int(GoodsCol::ViewNo)] = 0;
    v[int(GoodsCol::Name)] = QString(g.GOODS_NAME);
    v[int(GoodsCol::GoodsNo)] = QString(g.ST_GOODS_NO);
    v[int(GoodsCol::StatusName)] = GoodsDataStatusName(g.DATA_STATUS);
    v[int(GoodsCol::SellStatusName)] = GoodsUseStatusName(g.SELL_STATUS);
    v[int(GoodsCol::SellPrice)] = GoodsNumber(g.SELL_PRICE);
    v[int(GoodsCol::SellDiscount)] = GoodsNumber(g.SELL_DN_PRICE);
    v[int(GoodsCol::SellStatus)] = QString(g.SELL_STATUS);
    v[int(GoodsCol::SellPeriod)] = GoodsPeriodText(g.SELL_DN_PERIOD);
    v[int(GoodsCol::SellTime)] = GoodsTimeWindowText(g.SELL_DN_TIME);
    v[int(GoodsCol::SellLimitDay)] = GoodsNumber(g.SELL_LIMIT_DAY);
    v[int(GoodsCol::SellLimitOnce)] = GoodsNumber(g.SELL_LIMIT_ONCE);
    v[int(GoodsCol::OrdStatusName)] = GoodsUseStatusName(g.ORD_STATUS);
    v[int(GoodsCol::OrdPrice)] = GoodsNumber(g.ORD_PRICE);
    v[int(GoodsCol::OrdDiscount)] = GoodsNumber(g.ORD_DN_PRICE);
    v[int(GoodsCol::OrdStatus)] = QString(g.ORD_STATUS);
    v[int(GoodsCol::OrdPeriod)] = GoodsPeriodText(g.ORD_DN_PERIOD);
    v[int(GoodsCol::OrdTime)] = GoodsTimeWindowText(g.ORD_DN_TIME);
    v[int(GoodsCol::OrdLimitDay)] = GoodsNumber(g.ORD_LIMIT_DAY);
    v[int(GoodsCol::OrdLimitOnce)] = GoodsNumber(g.ORD_LIMIT_ONCE);
    v[int(GoodsCol::Status)] = QString(g.DATA_STATUS);
    v[int(GoodsCol::RegDate)] = QString();
    v[int(GoodsCol::Image)] = QString();
    v[int(GoodsCol::Barcode)] = QString();
    return v;
}

QList<QVariantList> ProductGoodsRows(const QString &stCode)
{
    QList<QVariantList> rows;
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (stCode.isEmpty() || s < 0)
        return rows;
    const TST_LIST &st = G_ST_LIST.at(s);
    for (int k = 0; k < st.GOODS_LIST.count(); ++k) {
        const TGOODS_LIST &g = st.GOODS_LIST.at(k);
        if (QString(g.ST_GOODS_NO).isEmpty() || QString(g.DATA_STATUS) == QLatin1String("0"))
            continue;
        QVariantList v = ProductGoodsRowValues(g);
        v[int(GoodsCol::ViewNo)] = int(rows.size());
        rows.append(v);
    }
    return rows;
}

ProductGoodsExport::ProductGoodsExport(QList<QVariantList> rows, bool withGoodsNo)
    : m_rows(std::move(rows))
    , m_withGoodsNo(withGoodsNo)
{
}

int ProductGoodsExport::exportColumnCount() const
{
    return int(GoodsCol::Count);
}

QString ProductGoodsExport::exportCaption(int column) const
{
    return ProductGoodsCaption(GoodsCol(column));
}

bool ProductGoodsExport::exportColumnVisible(int column) const
{
    const auto c = GoodsCol(column);
    if (c == GoodsCol::StatusName || c == GoodsCol::OrdStatusName)
        return false;
    if (c == GoodsCol::GoodsNo)
        return m_withGoodsNo;
    return ProductGoodsColumnOf(c).shown;
}

bool ProductGoodsExport::exportColumnIsText(int column) const
{
    return !ProductGoodsColumnOf(GoodsCol(column)).number;
}

int ProductGoodsExport::exportRowCount() const
{
    return int(m_rows.size());
}

QVariant ProductGoodsExport::exportValue(int row, int column) const
{
    return m_rows.value(row).value(column);
}

QString ProductGoodsExportFileName(const QString &storeName, const QString &yyyymmdd)
{
    return storeName + QStringLiteral("_상품_") + yyyymmdd + QStringLiteral(".xlsx");
}
