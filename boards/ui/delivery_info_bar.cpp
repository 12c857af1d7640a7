#include "boards/ui/delivery_info_bar.h"

#include "common/daily_log.h"
#include "orders/order_globals.h"
#include "platform/clock.h"
#include "records/reference_records.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace
{
const QColor kBarBack(0x1A, 0x1A, 0x1C);
const QColor kBarText(0x95, 0xED, 0x6E);

void paintBar(QWidget *w, bool bold)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kBarBack);
    p.setColor(QPalette::WindowText, kBarText);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    QFont f(QStringLiteral("굴림체"));
    f.setPixelSize(16);
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

DeliveryInfoBar::DeliveryInfoBar(QWidget *container)
    : QObject(container)
    , m_container(container)
{
    container->setFixedHeight(31);
    paintBar(container, false);
    auto *layout = qobject_cast<QHBoxLayout *>(container->layout());
    if (!layout) {
        delete container->layout();
        layout = new QHBoxLayout(container);
    }
    layout->setContentsMargins(4, 0, 4, 0);
    LB_NOTICE = new QLabel(container);
    LB_NOTICE->setObjectName(QStringLiteral("LB_NOTICE"));
    LB_NOTICE->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    paintBar(LB_NOTICE, true);
    tickerLabel = new QLabel(container);
    tickerLabel->setObjectName(QStringLiteral("dxWheelPicker1"));
    tickerLabel->setAlignment(Qt::AlignCenter);
    tickerLabel->setCursor(Qt::PointingHandCursor);
    paintBar(tickerLabel, true);
    tickerLabel->installEventFilter(this);
    layout->addWidget(LB_NOTICE);
    layout->addWidget(tickerLabel, 1);
    tickerLabel->hide();
    container->hide();
}

bool DeliveryInfoBar::barVisible() const
{
    return m_container && !m_container->isHidden();
}

void DeliveryInfoBar::proc_Dvry_Display(const QStringList &notices, bool &noticesChanged)
{
    proc_Dvry_Display(notices, noticesChanged, G_DVRY_GRP_INFO, G_SL_ORD_FILTER, AppClock::now());
}

void DeliveryInfoBar::proc_Dvry_Display(const QStringList &notices, bool &noticesChanged,
                                        const QList<TDVRY_GRP_INFO> &groups,
                                        const std::array<QStringList, 8> &selections, const QDateTime &now)
{
    if (!m_container)
        return;
    QStringList rejected;
    if (m_ticker.setNotices(notices, noticesChanged, &rejected))
        showTicker();
    for (const QString &entry : rejected)
        WriteLog(QStringLiteral("proc_Dvry_Display: notice entry skipped: ") + entry.left(200));

    LB_NOTICE->setText(DeliveryInfoCaption(groups, selections, now));
    m_container->setVisible(!LB_NOTICE->text().trimmed().isEmpty() || m_ticker.hasItems());
}

void DeliveryInfoBar::tick()
{
    m_ticker.tick(bArticle, barVisible());
    showTicker();
}

void DeliveryInfoBar::showTicker()
{
    const TickerNotice *n = m_ticker.current();
    tickerLabel->setText(n ? n->text : QString());
    tickerLabel->setVisible(n && m_ticker.visible());
}

bool DeliveryInfoBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tickerLabel && event->type() == QEvent::MouseButtonRelease) {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() == Qt::LeftButton)
            if (const TickerNotice *n = m_ticker.current())
                emit noticeClicked(n->seqNo);
    }
    return QObject::eventFilter(watched, event);
}
