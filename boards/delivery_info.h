#pragma once

#include "records/delivery_group_records.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The one-line state of the delivery group the user watches: dispatch status and counts, the
// call-view state, the announced delay and the surcharges in force, at `now`. The line is not
// yet prefixed; empty when nothing applies.
QString DeliveryInfoLine(const TDVRY_GRP_INFO &group, const QDateTime &now);

// The caption of LB_NOTICE: two spaces and the line of the group of the one ticked branch
// (list [2] of the board selections holds the ticked branches' group codes, list [4] one entry
// per ticked branch). Empty when no branch or several are ticked, or the group is unknown.
QString DeliveryInfoCaption(const QList<TDVRY_GRP_INFO> &groups, const std::array<QStringList, 8> &selections,
                            const QDateTime &now);

// One notice of the ticker.
struct TickerNotice
{
    QString text;
    int seqNo = 0;
    bool operator==(const TickerNotice &) const = default;
};

// The notice ticker beside the information line: the main window's notices one at a time, each
// standing six ticks (shown two, hidden one, shown two, hidden one) before the next comes.
class NoticeTicker
{
public:
    // Takes the main window's ticker entries (text, U+0002, number). Rebuilds the items when the
    // list's text changed or `changed` is set (which is then cleared); an empty list removes them.
    // Entries without the separator or with a number that is not an integer are skipped (and
    // reported in `rejected`), the others are kept. Returns true when the items were rebuilt.
    bool setNotices(const QStringList &entries, bool &changed, QStringList *rejected = nullptr);

    // One polling tick. Frozen while the notice list window is open or the bar is hidden.
    void tick(bool articleOpen, bool barVisible);

    bool hasItems() const { return !m_items.isEmpty(); }
    const QList<TickerNotice> &items() const { return m_items; }
    int currentIndex() const { return m_current; }
    // The notice the ticker shows (or would show in a blink); null when there are no items.
    const TickerNotice *current() const;
    bool visible() const { return m_visible; }
    int phase() const { return m_phase; }

private:
    QList<TickerNotice> m_items;
    QString m_text;     // the entries last put on the ticker, joined by line breaks
    int m_current = -1;
    int m_phase = 0;    // the phase counter: ticks since the current notice came
    bool m_visible = false;
};
