#include "messages/notice_center.h"

#include "messages/reply_pages.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>

QString G_NOTICE_STAMP;
QString G_LAST_PLATFORM_NOTICE;
QString G_LAST_PARTNER_NOTICE;
QString G_LAST_GROUP_NOTICE;

namespace
{
const QChar kTickerJoin(2);
const QString kPlatform = QStringLiteral("플랫폼공지");
const QString kPartner = QStringLiteral("제휴사공지");
const QString kGroup = QStringLiteral("배송그룹공지");

QString *tickerOf(const QString &kind)
{
    if (kind == kPlatform) return &G_LAST_PLATFORM_NOTICE;
    if (kind == kPartner) return &G_LAST_PARTNER_NOTICE;
    if (kind == kGroup) return &G_LAST_GROUP_NOTICE;
    return nullptr;
}

// Fields 0..6 of a start-up row into a notice (SEQ_NO separately).
void fillStartupFields(TNotice &n, const ReplyRow &row)
{
    n.ARTICLE_TYPE = row.text(0);
    n.ARTICLE_TITLE = row.text(1);
    n.ARTICLE_BODY = row.text(2);
    n.PUT_GRP_TYPE = row.text(3);
    n.PUT_GRP_CODE = row.text(4);
    n.PUT_GRP_NAME = row.text(5);
    n.PUT_DATE = row.text(6);
}

void fillFetchFields(TNotice &n, const ReplyRow &row, const QString &kind)
{
    n.ARTICLE_TYPE = kind;
    n.ARTICLE_TITLE = row.text(1);
    n.ARTICLE_BODY = row.text(2);
    n.PUT_GRP_TYPE = row.text(3);
    n.PUT_GRP_CODE = row.text(4);
    n.PUT_GRP_NAME = row.text(5);
    n.PUT_DATE = row.text(6);
    n.SEQ_NO = row.text(0);
    n.bRead = false;
    n.bDel = false;
}
} // namespace

NoticeCenter::NoticeCenter(QObject *parent)
    : QObject(parent)
{
}

QString NoticeCenter::kindWordOf(const QString &msgTypeCd)
{
    if (msgTypeCd == QLatin1String("3001")) return kPlatform;
    if (msgTypeCd == QLatin1String("3002")) return kPartner;
    if (msgTypeCd == QLatin1String("3003")) return QStringLiteral("배송원공지");
    if (msgTypeCd == QLatin1String("3006")) return QStringLiteral("zova공지");
    return QString();
}

QString NoticeCenter::groupOf(const QString &msgTypeCd)
{
    if (msgTypeCd == QLatin1String("3001") || msgTypeCd == QLatin1String("3006")) return QStringLiteral("1");
    if (msgTypeCd == QLatin1String("3002")) return QStringLiteral("2");
    if (msgTypeCd == QLatin1String("3003")) return QStringLiteral("3");
    return QString();
}

quint32 NoticeCenter::kindColour(const QString &kindWord)
{
    // TColor values are 0xBBGGRR: 33023 orange, 16758197 light blue, 11823359 pink, 16117481 the design colour.
    const auto rgb = [](quint32 bgr) { return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF); };
    if (kindWord == kPlatform) return rgb(33023);
    if (kindWord == kPartner) return rgb(16758197);
    if (kindWord == kGroup) return rgb(11823359);
    return rgb(16117481);
}

void NoticeCenter::reset()
{
    m_unread.clear();
    gsl_Notice3.clear();
    bNotice2 = false;
    fetchTag = 0;
}

void NoticeCenter::addUnread(const QString &seqNo)
{
    if (G_USER_SET.NOTICE_ALAM != QLatin1String("1") || seqNo.isEmpty())
        return;
    const auto it = std::lower_bound(m_unread.begin(), m_unread.end(), seqNo);
    if (it != m_unread.end() && *it == seqNo)
        return;
    m_unread.insert(it, seqNo);
    emit unreadChanged();
}

void NoticeCenter::removeUnread(const QString &seqNo)
{
    if (m_unread.removeAll(seqNo) > 0)
        emit unreadChanged();
}

void NoticeCenter::markRead(const QString &seqNo)
{
    removeUnread(seqNo);
    for (int i = 0; i < G_NOTICE.count(); ++i) {
        TNotice &n = G_NOTICE[i];
        if (n.SEQ_NO == seqNo) {
            n.bRead = true;
            n.bDel = true;
            break;
        }
    }
}

void NoticeCenter::rebuildTicker()
{
    gsl_Notice3.clear();
    for (const QString *t : {&G_LAST_PLATFORM_NOTICE, &G_LAST_PARTNER_NOTICE, &G_LAST_GROUP_NOTICE}) {
        if (!t->isEmpty())
            gsl_Notice3 << *t;
    }
}

bool NoticeCenter::processPages(const QString &code, const QStringList &pages,
                                const std::function<void(const QJsonObject &, int)> &onPage)
{
    for (int p = 0; p < pages.size(); ++p) {
        QJsonObject page;
        if (!ParseReplyPage(pages.at(p), &page)) {
            WriteLog(code + QStringLiteral(" Exception Err ") + QStringLiteral("reply page is not readable"));
            return false;
        }
        const QString outCode = JsonStr(page, QStringLiteral("OUT_CODE"));
        if (outCode != QLatin1String("1")) {
            WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + JsonStr(page, QStringLiteral("OUT_MSG")));
            return false;
        }
        onPage(page, p);
    }
    return true;
}

void NoticeCenter::proc_Notice_Info(const QString &serverTime)
{
    const QString code = QStringLiteral("CS00_11_V01");
    if (G_NOTICE_STAMP.isEmpty())
        G_NOTICE_STAMP = serverTime;
    fetchTag = 0;
    const QString sep = G_FIELD_SEP;
    const QString val = QString(G_USER_INFO.USER_TYPE_CD) + sep + G_USER_INFO.HD + sep + G_USER_INFO.BR + sep
                        + G_USER_INFO.ST + sep + G_USER_INFO.MULTI_TYPE + sep + G_NOTICE_STAMP + sep;
    const QStringList pages = RequestList(G_TCP_CLIENT, code, QStringLiteral("ADM3"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    G_NOTICE_SEQ.clear();
    bNotice2 = false;

    QList<TNotice> popups;
    processPages(code, pages, [&](const QJsonObject &page, int index) {
        const QJsonArray rows1 = page.value(QStringLiteral("OUT_ROW1")).toArray();
        if (index == 0 && !rows1.isEmpty())
            G_NOTICE_STAMP = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
        for (const QJsonValue &v : rows1) {
            const ReplyRow row = ReplyRow::fromJson(v, G_FIELD_SEP);
            const QString key = row.text(7) + row.text(0);
            TNotice *known = G_NOTICE.find(key);
            if (known) {
                if (known->PUT_DATE == FixedText<20>(row.text(6)))
                    continue;
                fillStartupFields(*known, row);
                known->bRead = false;
                known->bDel = false;
                popups << *known;
            } else {
                TNotice n;
                fillStartupFields(n, row);
                n.SEQ_NO = row.text(7);
                G_NOTICE.append(key, n);
                popups << n;
            }
            fetchTag = 1;
            addUnread(popups.last().SEQ_NO);
        }
        for (const QJsonValue &v : page.value(QStringLiteral("OUT_ROW2")).toArray()) {
            const ReplyRow row = ReplyRow::fromJson(v, G_FIELD_SEP);
            if (QString *ticker = tickerOf(row.text(0)))
                *ticker = row.text(1) + kTickerJoin + row.text(7);
            const QString key = row.text(7) + row.text(0);
            TNotice *known = G_NOTICE_SEQ.find(key);
            if (!known) {
                TNotice n;
                fillStartupFields(n, row);
                n.SEQ_NO = row.text(7);
                G_NOTICE_SEQ.append(key, n);
                bNotice2 = true;
            } else if (known->PUT_DATE != FixedText<20>(row.text(6))) {
                fillStartupFields(*known, row);
                bNotice2 = true;
            }
        }
    });
    rebuildTicker();
    for (const TNotice &n : popups)
        emit popupRequested(n);
}

void NoticeCenter::procNoticeInfoSeq(const QString &msgTypeCd, const QString &seqNo, const QString &viewTypeCd)
{
    const QString code = QStringLiteral("LN00_06_V01");
    fetchTag = 0;
    const QString kind = kindWordOf(msgTypeCd);
    const QString val = JoinRequestFields({groupOf(msgTypeCd), seqNo});
    const QStringList pages = RequestList(G_TCP_CLIENT, code, QStringLiteral("CMM11"), val, QStringLiteral("3000"), 30000);
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return;
    }
    bNotice2 = false;
    QList<TNotice> popups;
    processPages(code, pages, [&](const QJsonObject &page, int) {
        for (const QJsonValue &v : page.value(QStringLiteral("OUT_ROW1")).toArray()) {
            const ReplyRow row = ReplyRow::fromJson(v, G_FIELD_SEP);
            const QString key = row.text(0) + kind;
            TNotice *n = G_NOTICE.find(key);
            if (!n)
                n = &G_NOTICE.append(key);
            fillFetchFields(*n, row, kind);
            fetchTag = 1;
            addUnread(n->SEQ_NO);
            popups << *n;

            if (row.text(15) != QLatin1String("Y"))
                continue;
            if (kind == kPartner && row.text(11) != QLatin1String("1"))
                continue;
            if (kind == kGroup && row.text(11) != QLatin1String("2"))
                continue;
            if (QString *ticker = tickerOf(kind))
                *ticker = row.text(1) + kTickerJoin + row.text(0);
            TNotice *s = G_NOTICE_SEQ.find(key);
            if (!s)
                s = &G_NOTICE_SEQ.append(key);
            fillFetchFields(*s, row, kind);
            bNotice2 = true;
        }
    });
    rebuildTicker();
    for (const TNotice &n : popups)
        emit popupRequested(n);
    if (fetchTag == 1 && viewTypeCd == QLatin1String("1")) {
        for (int i = 0; i < G_NOTICE.count(); ++i) {
            const TNotice &n = G_NOTICE.at(i);
            if (!n.bRead)
                emit alertRequested(n.ARTICLE_TYPE + QLatin1Char(':') + n.ARTICLE_TITLE, n.ARTICLE_BODY, n.SEQ_NO.toInt());
        }
        emit soundRequested(10);
    }
}
