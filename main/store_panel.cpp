#include "main/store_panel.h"

#include "common/interface_texts.h"
#include "records/reference_records.h"
#include "settings/settings_file.h"
#include "text/date_helpers.h"
#include "text/phone_helpers.h"

#include <algorithm>
#include <cmath>
#include <limits>

void SetBrStCodeList()
{
    const int n = int(G_SL_ST_CODE.size());
    for (int i = 0; i < n; ++i) {
        const TST_LIST &st = G_ST_LIST[i];
        if (st.BR_MASTER_YN != QLatin1String("Y"))
            continue;
        G_SL_MASTER_ST_CODE.append(st.ST_CODE);
        G_SL_MASTER_DVRY_TYPE.append(st.DVRY_TYPE_CD);
        G_SL_MASTER_BR_CODE.append(st.BR_CODE);
    }
}

QString StoreWorkTimeText(const QString &t)
{
    return t.mid(0, 2) + QLatin1Char(':') + t.mid(2, 2) + QLatin1Char('~') + t.mid(4, 2) + QLatin1Char(':') + t.mid(6, 2);
}

qint64 StoreMoney(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    constexpr double kMax = 9.0e18;
    return std::llround(std::clamp(v, -kMax, kMax));
}

StoreRowLook StoreRowLookOf(const QString &connYn, const QString &status)
{
    StoreRowLook look;
    look.grey = connYn != QStringLiteral("접속중");
    bool ok = false;
    int s = status.trimmed().toInt(&ok);
    if (!ok)
        s = 1;
    look.red = s != 1;
    return look;
}

std::array<std::pair<QString, bool>, 7> StoreWeekdayMarks(const QString &cellText)
{
    QString t = cellText.trimmed();
    if (t.isEmpty())
        t = G_TXT_WEEK[7].isEmpty() ? QStringLiteral("일월화수목금토") : G_TXT_WEEK[7];
    static const char16_t kDays[] = u"일월화수목금토";
    std::array<std::pair<QString, bool>, 7> out;
    for (int i = 0; i < 7; ++i) {
        const QString name = G_TXT_WEEK[i].isEmpty() ? QString(QChar(kDays[i])) : G_TXT_WEEK[i];
        out[i] = {name, t.contains(name)};
    }
    return out;
}

namespace
{
const char *const kChoiceKeys[3] = {"MainStatusTel", "MainStatusAccount", "MainStatusWkDay"};

QList<GridColumn> storeColumns()
{
    const auto text = GridValueType::Text;
    const auto integer = GridValueType::Integer;
    return {
        {QStringLiteral("CTV_STLIST_VIEW_ST_NM"), QStringLiteral("가맹점명"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_ST_CD"), QStringLiteral("가맹점코드"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_TEL"), QStringLiteral("연락처"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_VBANK"), QStringLiteral("가상계좌"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_ST_TYPE"), QStringLiteral("메인(종속)"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_PAY"), QStringLiteral("머니"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CASH_OSDT"), QStringLiteral("미차감"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CNT1"), QStringLiteral("접수,요청"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CNT2"), QStringLiteral("배차,출발"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CNT3"), QStringLiteral("완료"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CNTS"), QStringLiteral("합계"), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_STATUS"), QStringLiteral("가맹점상태"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_WK_TM"), QStringLiteral("영업시간"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_WK_DAY"), QStringLiteral("영업요일"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_EX_ADD"), QStringLiteral("눈/비할증"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CONN_YN"), QStringLiteral("접속"), text, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CON_Y"), QString(), integer, {}},
        {QStringLiteral("CTV_STLIST_VIEW_CON_N"), QString(), integer, {}},
    };
}

// One grid row of store i of G_ST_LIST for branch b.
QVariantList storeRow(int i, const QString &b)
{
    const TST_LIST &st = G_ST_LIST[i];
    const QString prefix = st.BR_CODE != b ? QStringLiteral("공유-") : QString();
    QString kind;
    if (st.MULTI_TYPE == QLatin1String("M"))
        kind = G_TXT_GRP_KIND[1];
    else if (st.MULTI_TYPE == QLatin1String("S"))
        kind = G_TXT_GRP_KIND[2];
    else
        kind = G_TXT_GRP_KIND[3];
    const bool connected = st.ST_CONN_YN == QLatin1String("Y");
    QVariantList row(kStorePanelColumnCount);
    row[CTV_STLIST_VIEW_ST_NM] = st.ST_NAME;
    row[CTV_STLIST_VIEW_ST_CD] = G_SL_ST_CODE.at(i);
    row[CTV_STLIST_VIEW_TEL] = FormatPhone(st.ST_TEL, 0);
    row[CTV_STLIST_VIEW_VBANK] = QString(st.VBank_Name) + QLatin1Char(' ') + st.VBank;
    row[CTV_STLIST_VIEW_ST_TYPE] = prefix + kind;
    row[CTV_STLIST_VIEW_PAY] = StoreMoney(st.CASH_ST);
    row[CTV_STLIST_VIEW_CASH_OSDT] = StoreMoney(st.CASH_OSTD);
    row[CTV_STLIST_VIEW_STATUS] = QString(st.DATA_STAUS);
    row[CTV_STLIST_VIEW_WK_TM] = StoreWorkTimeText(st.ORD_WORK_TIME);
    row[CTV_STLIST_VIEW_WK_DAY] = WeekdaysText(st.ORD_WORK_DAY);
    row[CTV_STLIST_VIEW_EX_ADD] = st.ADD_EX_YN == QLatin1String("Y") ? QString(st.ADD_EX_CHARGE) : QStringLiteral("미적용");
    row[CTV_STLIST_VIEW_CONN_YN] = connected ? QStringLiteral("접속중") : QStringLiteral("미접속");
    row[CTV_STLIST_VIEW_CON_Y] = connected ? 1 : 0;
        row[CTV_STLIST_VIEW_CON_N] = connected ? 0 : 1;
    return row;
}
} // namespace

StoreColumnChoices StoreColumnChoices::read(const TIniFile *ini)
{
    StoreColumnChoices c;
    if (!ini)
        return c;
    auto yes = [&](int k) {
        return ini->ReadString(QStringLiteral("User"), QString::fromLatin1(kChoiceKeys[k]), QStringLiteral("Y"))
               == QLatin1String("Y");
    };
    c.tel = yes(0);
    c.account = yes(1);
    c.wkDay = yes(2);
    return c;
}

bool StoreColumnChoices::write(TIniFile *ini, int which, bool checked)
{
    if (!ini || which < 0 || which > 2)
        return false;
    return ini->WriteString(QStringLiteral("User"), QString::fromLatin1(kChoiceKeys[which]),
                            checked ? QStringLiteral("Y") : QStringLiteral("N"));
}

bool StoreColumnChoices::columnVisible(int column) const
{
    switch (column) {
    case CTV_STLIST_VIEW_ST_CD:
    case CTV_STLIST_VIEW_STATUS:
    case CTV_STLIST_VIEW_EX_ADD:
    case CTV_STLIST_VIEW_CON_Y:
    case CTV_STLIST_VIEW_CON_N:
        return false;
    case CTV_STLIST_VIEW_TEL:
        return tel;
    case CTV_STLIST_VIEW_VBANK:
        return account;
    case CTV_STLIST_VIEW_WK_TM:
    case CTV_STLIST_VIEW_WK_DAY:
        return wkDay;
    default:
        return true;
    }
}

StorePanelModel::StorePanelModel()
{
    m_grid.setColumns(storeColumns());
    m_grid.setKeyColumn(CTV_STLIST_VIEW_ST_CD);
}

void StorePanelModel::rebuild(const QString &b, int tick)
{
    FB_STORE_STATUS_ST_POP = true;
    QString g;
    for (const THD_LIST &hd : G_HD_LIST) {
        bool found = false;
        for (const TBR_LIST &br : hd.BR_LIST) {
            if (br.BR_CODE == b) {
                g = br.DVRY_TYPE_CD;
                found = true;
                break;
            }
        }
        if (found)
            break;
    }

    m_grid.beginUpdate();
    m_grid.clearRecords();
    std::vector<QVariantList> rows;
    const int n = int(G_SL_ST_CODE.size());
    for (int i = 0; i < n; ++i) {
        const TST_LIST &st = G_ST_LIST[i];
        if (!(st.BR_CODE == b || (!g.isEmpty() && st.DVRY_TYPE_CD == g)))
            continue;
        rows.push_back(storeRow(i, b));
    }
    m_grid.appendRecords(std::move(rows));
    m_grid.endUpdate();

    m_branch = b;
    updateSummary();
    search(tick);
    FB_STORE_STATUS_ST_POP = false;
}

void StorePanelModel::updateSummary()
{
    if (m_grid.rowCount() > 0)
        m_summary = QStringLiteral("접속 : %1, 미접속 : %2")
                        .arg(footerSum(CTV_STLIST_VIEW_CON_Y))
                        .arg(footerSum(CTV_STLIST_VIEW_CON_N));
}

void StorePanelModel::refreshRows()
{
    m_grid.beginUpdate();
    for (int r = 0; r < m_grid.recordCount(); ++r) {
        const int i = int(G_SL_ST_CODE.indexOf(m_grid.recordValue(r, CTV_STLIST_VIEW_ST_CD).toString()));
        if (i < 0)
            continue;
        const QVariantList row = storeRow(i, m_branch);
        for (int c = 0; c < row.size(); ++c)
            if (m_grid.recordValue(r, c) != row.at(c))
                m_grid.setRecordValue(r, c, row.at(c));
    }
    m_grid.endUpdate();
    updateSummary();
}

void StorePanelModel::search(int tick)
{
    refreshRows();
    FI_STORE_STATUS_ST_GAP = ((tick % 10) + 10) % 10;
    refreshLabel = QStringLiteral("정보업데이트중");
    proc_StoreStatusTreeFilter(searchText);
    updateSummary();
}

void StorePanelModel::proc_StoreStatusTreeFilter(const QString &text)
{
    m_grid.beginUpdate();
    m_grid.setFilterEnabled(false);
    FilterGroup g;
    // The user's text is matched as plain text: '%' and '_' in a store name are not wildcards.
    const QString t = text.trimmed();
    if (!t.isEmpty())
        g.add(FilterCondition::make(CTV_STLIST_VIEW_ST_NM, FilterOp::Contains, t));
    m_grid.setFilterGroup(0, g);
    m_grid.setFilterEnabled(true);
    m_grid.endUpdate();
}

qint64 StorePanelModel::footerSum(int column) const
{
    qint64 sum = 0;
    for (int r = 0; r < m_grid.rowCount(); ++r)
        sum += m_grid.recordValue(m_grid.recordOfRow(r), column).toLongLong();
    return sum;
}
