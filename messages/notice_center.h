#pragma once

#include "records/message_records.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Notice sync stamp sent with the start-up load ("yyyymmddhhnnss"); emptied before each login.
extern QString G_NOTICE_STAMP;
// The latest ticker entry of each kind (title, STX, SEQ_NO); never emptied once set.
extern QString G_LAST_PLATFORM_NOTICE;
extern QString G_LAST_PARTNER_NOTICE;
extern QString G_LAST_GROUP_NOTICE;

// The notices: the start-up load, the fetch of one notice by number, the unread list that keeps
// the reminder sound going, and the ticker entries of the today's-orders screen. G_NOTICE and
// G_NOTICE_SEQ (keyed by SEQ_NO followed by the kind word) hold the notices themselves.
class NoticeCenter : public QObject
{
    Q_OBJECT
public:
    explicit NoticeCenter(QObject *parent = nullptr);

    static QString kindWordOf(const QString &msgTypeCd);  // "3001" 플랫폼공지, ...
    static QString groupOf(const QString &msgTypeCd);     // "3001" "1", "3002" "2", ...
    // Caption colour of a kind as 0xRRGGBB.
    static quint32 kindColour(const QString &kindWord);

    // The start-up load ("CS00_11_V01"). serverTime is the login's server time.
    void proc_Notice_Info(const QString &serverTime);
    // One notice by number ("LN00_06_V01"); viewTypeCd "1" asks for alerts and the sound.
    void procNoticeInfoSeq(const QString &msgTypeCd, const QString &seqNo, const QString &viewTypeCd);
    // The popup's "알림삭제" and the notice list window: the notice is read.
    void markRead(const QString &seqNo);

    // Unread notice numbers, sorted, no duplicates; the reminder sounds while it is not empty.
    const QStringList &unread() const { return m_unread; }
    void removeUnread(const QString &seqNo);
    // Ticker entries (at most one per kind: platform, partner, delivery group).
    QStringList gsl_Notice3;
    // The ticker entries changed; the today's-orders screen clears it when it rebuilt its ticker.
    bool bNotice2 = false;
    // 1 when the last fetch brought a notice row.
    int fetchTag = 0;

    void reset();

signals:
    // A notice to show in a popup window of its own.
    void popupRequested(const TNotice &notice);
    // An alert window of a fetched notice: caption, HTML text, tag = SEQ_NO as a number.
    void alertRequested(const QString &caption, const QString &text, int tag);
    // Sound slot to play (10 after the alerts of a fetch).
    void soundRequested(int slot);
    void unreadChanged();

private:
    void addUnread(const QString &seqNo);
    void rebuildTicker();
    bool processPages(const QString &code, const QStringList &pages,
                      const std::function<void(const QJsonObject &page, int index)> &onPage);

    QStringList m_unread;
};
