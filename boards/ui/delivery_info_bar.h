#pragma once

#include "boards/delivery_info.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QLabel;
class QWidget;

// The delivery-group information bar CLB_DVRY_INFO of the today's-orders screen: the line
// LB_NOTICE and the notice ticker beside it. It fills a container the screen gives it (hidden
// until there is something to show).
class DeliveryInfoBar : public QObject
{
    Q_OBJECT
public:
    explicit DeliveryInfoBar(QWidget *container);

    QLabel *LB_NOTICE = nullptr;
    QLabel *tickerLabel = nullptr; // the ticker (dxWheelPicker1)

    // The notice list window is open: the ticker stands still.
    bool bArticle = false;

    // After each refresh of the delivery groups: rebuilds the ticker when the notices changed
    // (entries "text" U+0002 "number"; noticesChanged is cleared when it was used), recomputes
    // the line from the groups and the board selections, and shows or hides the bar.
    void proc_Dvry_Display(const QStringList &notices, bool &noticesChanged);
    // As above, with the program's own lists (G_DVRY_GRP_INFO, G_SL_ORD_FILTER) and clock.
    void proc_Dvry_Display(const QStringList &notices, bool &noticesChanged, const QList<TDVRY_GRP_INFO> &groups,
                           const std::array<QStringList, 8> &selections, const QDateTime &now);

    // The ticker step of every polling tick.
    void tick();

    const NoticeTicker &ticker() const { return m_ticker; }
    bool barVisible() const;

signals:
    // The ticker was clicked on a notice: its number (the notice list opens on it).
    void noticeClicked(int seqNo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTicker();

    QPointer<QWidget> m_container;
    NoticeTicker m_ticker;
};
