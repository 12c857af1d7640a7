#include "store/goods_upload.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "grid/xlsx_reader.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/reference_records.h"

#include <QJsonDocument>
#include <QMultiHash>
#include <QJsonObject>

#include <cmath>

namespace
{
// Report list rule: the first entry alone, each later one after "," and ending with a line break.
QString uploadReportList(const QStringList &entries)
{
    QString out;
    for (const QString &e : entries)
        out += out.isEmpty() ? e : QStringLiteral(",") + e + QStringLiteral("\n");
    return out;
}

QString uploadRowLabel(int sheetRow, const QString &name)
{
    return QStringLiteral("%1행 %2").arg(sheetRow).arg(name);
}

// A run of exactly eight digits.
bool uploadEightDigits(const QString &s)
{
    if (s.size() != 8)
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString uploadCellText(const XlsxSheet &sheet, int row, int column)
{
    return column < 0 ? QString() : sheet.cell(row, column).text;
}
} // namespace

bool ParseGoodsPeriod(const QString &text, QString *period)
{
    const QString t = text.trimmed();
    period->clear();
    if (t.isEmpty())
        return true;
    const QString start = t.mid(0, 4) + t.mid(5, 2) + t.mid(8, 2);
    const QString end = t.mid(11, 4) + t.mid(16, 2) + t.mid(19, 2);
    if (!uploadEightDigits(start) || !uploadEightDigits(end))
        return false;
    *period = start + end;
    return true;
}

bool ParseGoodsTimeWindow(const QString &text, QString *window)
{
    const QString t = text.trimmed();
    window->clear();
    if (t.isEmpty())
        return true;
    const QString w = t.mid(0, 2) + t.mid(3, 2) + t.mid(6, 2) + t.mid(9, 2);
    if (!uploadEightDigits(w))
        return false;
    *window = w;
    return true;
}

bool GoodsUploadNumber(const QString &text, double *value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

QString GoodsUploadNumberText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

QString GoodsUploadCheck::report() const
{
    if (!fileError.isEmpty())
        return fileError;
    QStringList parts;
    if (!dateErrors.isEmpty())
        parts << QStringLiteral("날짜 형식이 잘못 입력되었습니다.\r\n") + uploadReportList(dateErrors);
    if (!priceErrors.isEmpty())
        parts << QStringLiteral("상품가격이 잘못입력되거나\r\n할인금액이 상품가격보다 크게 입력되었습니다.\r\n")
                     + uploadReportList(priceErrors);
    if (parts.isEmpty())
        return QString();
    return parts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n파일의 상품을 하나도 등록하지 않았습니다.");
}

QString GoodsUploadResult::report() const
{
    if (failures.isEmpty())
        return QString();
    return QStringLiteral("입력에 실패하였습니다.\r\n") + failures.join(QStringLiteral("\n"));
}

GoodsUploadColumns FindGoodsUploadColumns(const XlsxSheet &sheet)
{
    GoodsUploadColumns c;
    struct Wanted
    {
        const char *caption;
        int *column;
    };
    const Wanted wanted[] = {{"상품명", &c.name},           {"주문배달가격", &c.price},
                             {"주문배달할인가", &c.discount}, {"주문배달 할인기간", &c.period},
                             {"주문배달 할인시간", &c.time},  {"주문배달 1일 제한", &c.limitDay},
                             {"주문배달 1회 제한", &c.limitOnce}};
    const int columns = qMin(sheet.columnCount(), 256);
    for (const Wanted &w : wanted) {
        const QString caption = QString::fromUtf8(w.caption);
        for (int col = 0; col < columns; ++col) {
            if (sheet.cell(0, col).text.trimmed() == caption) {
                *w.column = col;
                break;
            }
        }
    }
    return c;
}

GoodsUploadCheck CheckGoodsUpload(const XlsxSheet &sheet)
{
    GoodsUploadCheck check;
    const GoodsUploadColumns col = FindGoodsUploadColumns(sheet);
    if (sheet.rowCount() - 1 > kGoodsUploadMaxRows) {
        check.fileError = QStringLiteral("한 번에 올릴 수 있는 상품은 %1개까지입니다.").arg(kGoodsUploadMaxRows);
        return check;
    }
    for (int r = 1; r < sheet.rowCount(); ++r) {
        const int shown = r + 1;
        GoodsUploadRow row;
        row.sheetRow = shown;
        row.name = uploadCellText(sheet, r, col.name);
        if (row.name.trimmed().isEmpty())
            continue;
        const QString label = uploadRowLabel(shown, row.name);
        if (row.name.toUtf8().size() > 100) {
            check.priceErrors << label;
            continue;
        }
        row.price = uploadCellText(sheet, r, col.price).trimmed();
        double price = -1;
        // The price goes to the server as written, so it must fit the price field too.
        if (!GoodsUploadNumber(row.price, &price) || price < 0 || row.price.size() > 10) {
            check.priceErrors << label;
            continue;
        }
        double discount = 0;
        if (!GoodsUploadNumber(uploadCellText(sheet, r, col.discount), &discount))
            discount = 0;
        row.discount = GoodsUploadNumberText(discount);
        if (discount > price || discount < 0) {
            check.priceErrors << label;
            continue;
        }
        if (!ParseGoodsPeriod(uploadCellText(sheet, r, col.period), &row.period)) {
            check.dateErrors << label;
            continue;
        }
        if (!ParseGoodsTimeWindow(uploadCellText(sheet, r, col.time), &row.timeWindow))
            row.timeWindow.clear();
        if (row.timeWindow.isEmpty() && !row.period.isEmpty())
            row.timeWindow = QStringLiteral("00002359");
        double limit = 0;
        row.limitDay = GoodsUploadNumberText(GoodsUploadNumber(uploadCellText(sheet, r, col.limitDay), &limit) ? limit : 0);
        limit = 0;
        row.limitOnce = GoodsUploadNumberText(GoodsUploadNumber(uploadCellText(sheet, r, col.limitOnce), &limit) ? limit : 0);
        check.rows << row;
    }
    if (check.ok() && check.rows.isEmpty())
        check.fileError = QStringLiteral("파일에 올릴 상품이 없습니다.");
    return check;
}

GoodsUploadCheck CheckGoodsUploadFile(const QString &path)
{
    XlsxReader reader;
    XlsxSheet sheet;
    if (!reader.open(path) || reader.sheetNames().isEmpty() || !reader.readSheet(0, &sheet)) {
        GoodsUploadCheck check;
        const QString why = reader.errorString();
        check.fileError = QStringLiteral("엑셀 파일을 읽을 수 없습니다.") + (why.isEmpty() ? QString() : QStringLiteral("\r\n") + why);
        WriteLog(QStringLiteral("Goods upload : file not read : ") + why);
        return check;
    }
    return CheckGoodsUpload(sheet);
}

namespace
{
bool sameUploadNumber(const QString &a, const QString &b)
{
    double x = 0;
    double y = 0;
    if (!GoodsUploadNumber(a, &x))
        x = 0;
    if (!GoodsUploadNumber(b, &y))
        y = 0;
    return x == y;
}

bool sameUploadGoods(const TGOODS_LIST &g, const GoodsUploadRow &row)
{
    const QString period = QString(g.ORD_DN_PERIOD).trimmed();
    QString time = QString(g.ORD_DN_TIME).trimmed();
    if (!period.isEmpty() && !uploadEightDigits(time))
        time = QStringLiteral("00002359");
    return QString(g.GOODS_NAME) == row.name && sameUploadNumber(g.ORD_PRICE, row.price)
           && sameUploadNumber(g.ORD_DN_PRICE, row.discount) && period == row.period && time == row.timeWindow
           && sameUploadNumber(g.ORD_LIMIT_DAY, row.limitDay) && sameUploadNumber(g.ORD_LIMIT_ONCE, row.limitOnce);
}
} // namespace

QList<GoodsUploadRow> GoodsUploadNewRows(const QString &stCode, const QList<GoodsUploadRow> &rows, int *unchanged)
{
    *unchanged = 0;
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (s < 0)
        return rows;
    const TST_LIST &st = G_ST_LIST.at(s);
    QMultiHash<QString, int> byName;
    for (int k = 0; k < st.GOODS_LIST.count(); ++k)
        if (QString(st.GOODS_LIST.at(k).DATA_STATUS) != QLatin1String("0"))
            byName.insert(st.GOODS_LIST.at(k).GOODS_NAME, k);
    QList<GoodsUploadRow> out;
    for (const GoodsUploadRow &row : rows) {
        bool same = false;
        for (auto it = byName.constFind(row.name); it != byName.cend() && it.key() == row.name && !same; ++it)
            same = sameUploadGoods(st.GOODS_LIST.at(it.value()), row);
        if (same)
            ++*unchanged;
        else
            out << row;
    }
    return out;
}

QString GoodsBasePayload(const GoodsBaseData &d)
{
    return JoinRequestFields({d.stCode, d.goodsNo, d.userId, d.name, d.status, d.ordStatus, d.price, d.discount,
                              d.period, d.timeWindow, d.limitDay, d.limitOnce, d.memo});
}

GoodsRequestFn DefaultGoodsRequest()
{
    return [](const QString &code, const QString &callType, const QString &payload) {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, payload, QString(), QString(), 30000, reply);
        return reply;
    };
}

GoodsUploadResult RunGoodsUpload(const QString &stCode, const QString &userId, const QList<GoodsUploadRow> &rows,
                                 const GoodsRequestFn &request)
{
    GoodsUploadResult result;
    const QString code = QString::fromLatin1(kGoodsBaseSaveCode);
    for (const GoodsUploadRow &row : rows) {
        GoodsBaseData d;
        d.stCode = stCode;
        d.userId = userId;
        d.name = row.name;
        d.price = row.price;
        d.discount = row.discount;
        d.period = row.period;
        d.timeWindow = row.timeWindow;
        d.limitDay = row.limitDay;
        d.limitOnce = row.limitOnce;
        const QString reply = request(code, QStringLiteral("ADM1"), GoodsBasePayload(d));
        const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
        if (reply.isEmpty() || o.isEmpty()) {
            WriteLog(code + QStringLiteral("-") + row.name + QStringLiteral(" ERR[NO RESULT]"));
            result.failures << uploadRowLabel(row.sheetRow, row.name) + QStringLiteral("-응답 없음");
            continue;
        }
        const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
        const QString outMsg = o.value(QStringLiteral("OUT_MSG")).toString();
        if (outCode != QLatin1String("1")) {
            result.failures << uploadRowLabel(row.sheetRow, row.name) + QStringLiteral("-") + outCode
                                   + QStringLiteral(":") + outMsg;
            WriteLog(code + QStringLiteral(" is Fail ") + outCode + QStringLiteral(":") + outMsg);
            continue;
        }
        ++result.added;
    }
    return result;
}
