#include "boards/logistics_board.h"
#include "orders/sync_mark.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "boards/same_day_filter.h"
#include "orders/same_day_record.h"
#include "records/session_records.h"
#include "text/text_helpers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
const QString kLogisticsCode = QStringLiteral("CS01_43_V02");
const QString kPrefix = QStringLiteral("grdHUBCol_");
constexpr int kMaxRowLength = 16384;

struct LogisticsColumn
{
    const char *field;
    const char *caption; // nullptr: hidden
};
const LogisticsColumn kLogisticsColumns[] = {
    {"Key", nullptr},          {"ORD_NO", "주문 일련번호"},     {"LOGI_ORD_NO", "물류 주문번호"},
    {"ORD_STATUS_CD", "주문 상태"}, {"DVRY_DISTANCE", nullptr}, {"END_DATE", "완료 일자"},
    {"CANCEL_DATE", "취소일자"}, {"ORD_BR_CODE", nullptr},     {"CTH_WK_NAME", "배차 배송원 명"},
    {"DVRY_TYPE_CD", "배달대행구분"}, {"CTH_DATE", "배차일자"},  {"MOD_DATE", "수정일자"},
    {"CTH_DVRY_TYPE_CD", "배차배달대행구분"}, {"PICKUP_DATE", "출발일자"}, {"SA_LAT_Y", nullptr},
    {"SA_LNG_X", nullptr},     {"CTH_WK_CODE", nullptr},       {"EA_LAT_Y", nullptr},
    {"EA_LNG_X", nullptr},     {"CTH_WK_TEL", "배송원 연락처"}, {"ORD_MEMO", "주문메모"},
    {"ORD_HD_CODE", nullptr},  {"SA_CODE", nullptr},           {"EA_CODE", nullptr},
    {"SA_NAME", "출발지 명"},   {"EA_NAME", "도착지 명"},        {"ORD_TYPE_CD", nullptr},
    {"StaGroup", nullptr},     {"inout", ""},                  {"error", nullptr},
};
} // namespace

const QStringList &LogisticsRowFields()
{
    static const QStringList fields = {
        "ORD_NO",   "LOGI_ORD_NO", "ORD_STATUS_CD", "DVRY_DISTANCE", "END_DATE",    "CANCEL_DATE", "ORD_BR_CODE",
        "CTH_WK_NAME", "DVRY_TYPE_CD", "CTH_DATE",  "MOD_DATE",      "CTH_DVRY_TYPE_CD", "PICKUP_DATE", "SA_LAT_Y",
        "SA_LNG_X", "CTH_WK_CODE", "EA_LAT_Y",      "EA_LNG_X",      "CTH_WK_TEL",  "ORD_MEMO",    "ORD_HD_CODE",
        "SA_CODE",  "EA_CODE",     "SA_NAME",       "EA_NAME",       "ORD_TYPE_CD",
    };
    return fields;
}

QList<GridColumn> LogisticsGridColumns()
{
    QList<GridColumn> out;
    for (const LogisticsColumn &s : kLogisticsColumns) {
        GridColumn c;
        c.name = kPrefix + QString::fromLatin1(s.field);
        c.caption = s.caption ? QString::fromUtf8(s.caption) : QString::fromLatin1(s.field);
        out.append(c);
    }
    return out;
}

QStringList LogisticsHiddenColumns()
{
    QStringList out;
    for (const LogisticsColumn &s : kLogisticsColumns)
        if (!s.caption)
            out.append(kPrefix + QString::fromLatin1(s.field));
    return out;
}

bool LogisticsRowMarked(const GridTableModel &grid, int record)
{
    const int c = grid.columnIndex(kPrefix + QStringLiteral("error"));
    return c >= 0 && !grid.recordValue(record, c).toString().isEmpty();
}

LogisticsBoard::LogisticsBoard()
{
    m_grid.setColumns(LogisticsGridColumns());
    m_keyColumn = m_grid.columnIndex(kPrefix + QStringLiteral("Key"));
    m_modColumn = m_grid.columnIndex(kPrefix + QStringLiteral("MOD_DATE"));
    m_errorColumn = m_grid.columnIndex(kPrefix + QStringLiteral("error"));
    m_request = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                   int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
    setHooks({});
}

void LogisticsBoard::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
    if (!m_hooks.log)
        m_hooks.log = [](const QString &l) { WriteLog(l); };
}

void LogisticsBoard::log(const QString &line) const
{
    m_hooks.log(line);
}

int LogisticsBoard::keyIndex(const QString &key) const
{
    return m_keyIndex.value(key, -1);
}

bool LogisticsBoard::proc_Load_HUB_SameDay()
{
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(false);
    if (m_hooks.resetPollPhase)
        m_hooks.resetPollPhase();
    const QStringList fields = {G_USER_INFO.ID,  QString(G_USER_INFO.USER_TYPE_CD).left(1), G_USER_INFO.HD,
                                G_USER_INFO.BR,  G_USER_INFO.BR_ST_CODE, QStringLiteral("1"), sHUBDaySyncDate};
    QString val;
    for (const QString &f : fields)
        val += f + G_FIELD_SEP;
    const QStringList pages = m_request(kLogisticsCode, QStringLiteral("ADM13"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        if (m_hooks.setFilterBarEnabled)
            m_hooks.setFilterBarEnabled(true);
        log(kLogisticsCode + QStringLiteral(" ERR[NO RESULT]"));
        G_CONNECTED = false;
        return false;
    }
    applyPages(pages);
    return true;
}

void LogisticsBoard::applyPages(const QStringList &pages)
{
    const bool distributor = QString(G_USER_INFO.USER_TYPE_CD).left(1) == QLatin1String("5");
    const QString brSt = G_USER_INFO.BR_ST_CODE;
    const QString sep = G_FIELD_SEP.isEmpty() ? QString(QChar(0x2502)) : G_FIELD_SEP;
    bool outOfStep = false;
    m_grid.beginUpdate();
    for (int p = 0; p < pages.size(); ++p) {
        const QJsonObject page = QJsonDocument::fromJson(pages.at(p).toUtf8()).object();
        const QString code = page.value(QLatin1String("OUT_CODE")).toString();
        if (code != QLatin1String("1")) {
            log(kLogisticsCode + QStringLiteral(" is Fail ") + code + QLatin1Char(':')
                + page.value(QLatin1String("OUT_MSG")).toString());
            break;
        }
        QString mark = page.value(QLatin1String("OUT_VAL")).toString();
        if (!IsUsableSyncMark(mark))
            mark.clear();  // an absurd mark: the next load asks for everything
        sHUBDaySyncDate = mark;
        if (p == 0 && page.value(QLatin1String("OUT_MSG")).toString().startsWith(QLatin1Char('A'))) {
            m_grid.clearRecords();
            m_keys.clear();
            m_keyIndex.clear();
        }
        for (const QJsonValue &v : page.value(QLatin1String("OUT_ROW1")).toArray()) {
            const QString row = v.toString();
            if (row.size() > kMaxRowLength) {
                log(kLogisticsCode + QStringLiteral(" row refused: too long"));
                continue;
            }
            QStringList f = SplitUnescaped(sep, row);
            if (f.size() < LogisticsRowFields().size()) {
                log(kLogisticsCode + QStringLiteral(" row refused [") + row.left(20) + QStringLiteral("] ")
                    + QString::number(f.size()) + QStringLiteral(" fields"));
                continue;
            }
            f = f.mid(0, LogisticsRowFields().size());
            const QString key = f.at(0) + QLatin1Char('_') + f.at(1);
            QString inout;
            if (distributor && brSt == f.at(21))
                inout = kSameDayIn;
            else if (distributor && brSt == f.at(22))
                inout = kSameDayOut;
            f.append(inout);
            const int i = keyIndex(key);
            if (i < 0) {
                m_keyIndex.insert(key, int(m_keys.size()));
                m_keys.append(key);
                const int record = m_grid.appendRecord({});
                writeRow(record, key, f);
                continue;
            }
            if (m_grid.recordValue(i, m_keyColumn).toString() != key) {
                m_grid.setRecordValue(i, m_errorColumn, QStringLiteral("1"));
                outOfStep = true;
                continue;
            }
            if (f.at(10).compare(m_grid.recordValue(i, m_modColumn).toString()) <= 0)
                continue;
            writeRow(i, key, f);
        }
    }
    m_grid.endUpdate();
    // A board out of step with its keys is not repaired row by row: the next load asks for
    // everything and rebuilds it.
    if (outOfStep) {
        log(kLogisticsCode + QStringLiteral(" keys out of step, full reload at the next load"));
        sHUBDaySyncDate.clear();
    }
    if (m_hooks.countView)
        m_hooks.countView();
    if (m_hooks.applyFilter) {
        try {
            m_hooks.applyFilter();
        } catch (const std::exception &e) {
            log(QStringLiteral("proc_HUBFilter Exception Err ") + QString::fromLocal8Bit(e.what()));
        }
    }
    if (m_hooks.setFilterBarEnabled)
        m_hooks.setFilterBarEnabled(true);
}

void LogisticsBoard::writeRow(int record, const QString &key, const QStringList &f)
{
    // f: the 26 fields and the in/out text.
    const QStringList &names = LogisticsRowFields();
    m_grid.setRecordValue(record, m_keyColumn, key);
    for (int i = 0; i < names.size(); ++i)
        m_grid.setRecordValue(record, m_grid.columnIndex(kPrefix + names.at(i)), f.at(i));
    m_grid.setRecordValue(record, m_grid.columnIndex(kPrefix + QStringLiteral("StaGroup")),
                          SameDayStatusSlot(f.at(2)));
    m_grid.setRecordValue(record, m_grid.columnIndex(kPrefix + QStringLiteral("inout")), f.at(names.size()));
    m_grid.setRecordValue(record, m_errorColumn, QString());
}
