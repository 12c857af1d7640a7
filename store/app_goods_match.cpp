#include "store/app_goods_match.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "grid/xlsx_reader.h"
#include "records/reference_records.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString AppGoodsAppName(int app)
{
    static const QStringList names = {QStringLiteral("배달의 민족"), QStringLiteral("요기요"), QStringLiteral("배달통")};
    return names.value(app);
}

QList<AppGoodsMatchRow> AppGoodsMatchRows(const QString &stCode)
{
    QList<AppGoodsMatchRow> rows;
    const int s = G_SL_ST_CODE.indexOf(stCode);
    if (stCode.isEmpty() || s < 0)
        return rows;
    const TST_LIST &st = G_ST_LIST.at(s);
    for (int k = 0; k < st.GOODS_LIST.count(); ++k) {
        const TGOODS_LIST &g = st.GOODS_LIST.at(k);
        AppGoodsMatchRow row;
        row.goodsNo = g.ST_GOODS_NO;
        row.name = g.GOODS_NAME;
        row.price = g.ORD_PRICE;
        row.status = g.DATA_STATUS;
        rows << row;
    }
    return rows;
}

QString AppGoodsLoadPayload(const QString &brCode, const QString &stCode)
{
    return JoinRequestFields({QStringLiteral("3"), brCode, stCode, QStringLiteral("N")});
}

bool ApplyAppGoodsLinks(QList<AppGoodsMatchRow> &rows, const QStringList &pages)
{
    const QString code = QString::fromLatin1(kAppGoodsLoadCode);
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    QHash<QString, int> byGoods;
    for (int r = rows.size() - 1; r >= 0; --r)
        byGoods.insert(rows.at(r).goodsNo, r);
    for (const QString &page : pages) {
        const QJsonObject o = QJsonDocument::fromJson(page.toUtf8()).object();
        const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
        if (outCode != QLatin1String("1")) {
            WriteLog(code + QStringLiteral(" is Fail ") + outCode + QStringLiteral(":") + o.value(QStringLiteral("OUT_MSG")).toString());
            return false;
        }
        for (const QJsonValue &v : o.value(QStringLiteral("OUT_ROW1")).toArray()) {
            const QJsonObject link = v.toObject();
            auto field = [&link](const char *key) { return link.value(QLatin1String(key)).toString().trimmed(); };
            const auto it = byGoods.constFind(field("C_2"));
            bool ok = false;
            const int app = field("C_3").toInt(&ok) - 1;
            if (it == byGoods.cend() || !ok || app < 0 || app >= kAppGoodsApps)
                continue;
            AppGoodsMatchRow &row = rows[it.value()];
            for (int slot = 0; slot < kAppGoodsSlots; ++slot) {
                if (row.code[app][slot].isEmpty()) {
                    row.code[app][slot] = field("C_0");
                    row.appName[app][slot] = link.value(QStringLiteral("C_4")).toString();
                    break;
                }
            }
        }
    }
    return true;
}

void ClearAppGoodsLinks(QList<AppGoodsMatchRow> &rows, bool codesToo)
{
    for (AppGoodsMatchRow &row : rows)
        for (int a = 0; a < kAppGoodsApps; ++a)
            for (int s = 0; s < kAppGoodsSlots; ++s) {
                row.appName[a][s].clear();
                if (codesToo)
                    row.code[a][s].clear();
            }
}

QString AppGoodsSlotAction(const QString &code, const QString &name)
{
    const bool noCode = code.trimmed().isEmpty();
    const bool noName = name.trimmed().isEmpty();
    if (noCode && noName)
        return QString();
    if (noCode)
        return QStringLiteral("1");
    return noName ? QStringLiteral("0") : QStringLiteral("2");
}

QList<AppGoodsSlotSave> AppGoodsSaves(const QList<AppGoodsMatchRow> &rows, const QString &userId, const QString &stCode)
{
    QList<AppGoodsSlotSave> out;
    for (int r = 0; r < rows.size(); ++r) {
        const AppGoodsMatchRow &row = rows.at(r);
        for (int a = 0; a < kAppGoodsApps; ++a)
            for (int s = 0; s < kAppGoodsSlots; ++s) {
                const QString action = AppGoodsSlotAction(row.code[a][s], row.appName[a][s]);
                if (action.isEmpty())
                    continue;
                out.append({r, JoinRequestFields({userId, action, row.code[a][s], stCode, row.goodsNo,
                                                  QString::number(a + 1), row.appName[a][s]})});
            }
    }
    return out;
}

bool ReadAppGoodsSheet(QList<AppGoodsMatchRow> &rows, const XlsxSheet &sheet, QString *error)
{
    int header = -1;
    for (int r = 0; r < qMin(sheet.rowCount(), 5) && header < 0; ++r)
        if (sheet.cell(r, 0).text.trimmed() == QStringLiteral("상품코드"))
            header = r;
    if (header < 0) {
        *error = QStringLiteral("주문어플상품매칭 파일이 아닙니다.\r\n(\"상품코드\" 제목 줄이 없습니다.)");
        return false;
    }
    QHash<QString, int> byGoods;
    for (int r = rows.size() - 1; r >= 0; --r)
        byGoods.insert(rows.at(r).goodsNo, r);
    ClearAppGoodsLinks(rows, false);
    for (int r = header + 1; r < sheet.rowCount(); ++r) {
        const auto it = byGoods.constFind(sheet.cell(r, 0).text.trimmed());
        if (it == byGoods.cend())
            continue;
        AppGoodsMatchRow &row = rows[it.value()];
        for (int a = 0; a < kAppGoodsApps; ++a)
            for (int s = 0; s < kAppGoodsSlots; ++s)
                row.appName[a][s] = sheet.cell(r, 4 + a * kAppGoodsSlots + s).text;
    }
    return true;
}

QString AppGoodsMatchExport::exportCaption(int column) const
{
    static const QStringList fixed = {QStringLiteral("상품코드"), QStringLiteral("상품명"), QStringLiteral("가격"),
                                      QStringLiteral("상태")};
    if (column < fixed.size())
        return fixed.at(column);
    const int k = column - 4;
    return AppGoodsAppName(k / kAppGoodsSlots) + QStringLiteral(" 상품명") + QString::number(k % kAppGoodsSlots + 1);
}

QVariant AppGoodsMatchExport::exportValue(int row, int column) const
{
    const AppGoodsMatchRow &r = m_rows.at(row);
    switch (column) {
    case 0: return r.goodsNo;
    case 1: return r.name;
    case 2: return r.price.trimmed().toDouble();
    case 3:
        return r.status == QLatin1String("1") ? QStringLiteral("정상")
                                              : r.status == QLatin1String("2") ? QStringLiteral("정지") : QString();
    default: {
        const int k = column - 4;
        return r.appName[k / kAppGoodsSlots][k % kAppGoodsSlots];
    }
    }
}
