#include "boards/ui/new_order_alarm_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
enum GoodsColumn
{
    ColCode,
    ColName,
    ColUnit,
    ColQuantity,
    ColAmount,
    ColKey,
    ColAddCode,
    ColFirstOption,
    ColCount = ColFirstOption + 12,
};

QString money(qint64 v)
{
    QString digits = QString::number(v < 0 ? -v : v);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return v < 0 ? QStringLiteral("-") + digits : digits;
}

void fillLine(QTreeWidgetItem *item, const AlarmGoodsLine &line)
{
    item->setText(ColCode, line.code);
    item->setText(ColName, line.name);
    item->setText(ColUnit, money(line.unitPrice));
    item->setText(ColQuantity, QString::number(line.quantity));
    item->setText(ColAmount, money(line.amount));
    item->setData(ColKey, Qt::DisplayRole, line.key);
    item->setText(ColAddCode, line.addCode);
    for (int i = 0; i < 4; ++i) {
        item->setText(ColFirstOption + i * 3, line.options[size_t(i)].code);
        item->setText(ColFirstOption + i * 3 + 1, line.options[size_t(i)].name);
        item->setText(ColFirstOption + i * 3 + 2, QString::number(line.options[size_t(i)].price));
    }
    for (int c : {ColUnit, ColQuantity, ColAmount})
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}
} // namespace

NewOrderAlarmWindow::NewOrderAlarmWindow(NewOrderAlarmHooks hooks, std::function<QDateTime()> now, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_alarm([this, hooks]() mutable {
          hooks.show = [this] { show(); raise(); };
          hooks.hide = [this] {
              m_timer->stop();
              hide();
          };
          hooks.changed = [this] { refresh(); };
          return hooks;
      }()),
      m_now(now ? std::move(now) : [] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("TFRM_ALAM_ORDER"));
    setWindowTitle(QStringLiteral("신규주문알림"));
    QFont f(QStringLiteral("굴림체"));
    f.setPointSize(9);
    setFont(f);
    resize(441, 382);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TMR_AUTO_CANCEL"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &NewOrderAlarmWindow::tickOnce);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 6);
    outer->setSpacing(4);
    m_title = new QLabel(QStringLiteral("주문확인"), this);
    m_title->setObjectName(QStringLiteral("cxGroupBox1"));
    m_title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_title->installEventFilter(this);
    outer->addWidget(m_title);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    m_number = field(QStringLiteral("CTE_ORDER_NUM"), QStringLiteral("접수번호"), 0, 0, grid);
    m_time = field(QStringLiteral("CTE_ACP_TIME"), QStringLiteral("주문시간"), 0, 2, grid);
    auto *addrLabel = new QLabel(QStringLiteral("주소"), this);
    grid->addWidget(addrLabel, 1, 0);
    m_address = new QPlainTextEdit(this);
    m_address->setObjectName(QStringLiteral("CMM_ADDR"));
    m_address->setReadOnly(true);
    m_address->setFixedHeight(QFontMetrics(font()).lineSpacing() * 2 + 10);
    grid->addWidget(m_address, 1, 1, 1, 3);
    m_distance = field(QStringLiteral("CTE_DIS"), QStringLiteral("거리"), 2, 0, grid);
    m_payment = field(QStringLiteral("CTE_PAY_GUBUN"), QStringLiteral("결제방식"), 2, 2, grid);
    m_amount = field(QStringLiteral("CTE_AMT"), QStringLiteral("주문금액"), 3, 0, grid);
    m_wait = field(QStringLiteral("CTE_WAIT_TIME"), QStringLiteral("자동취소\n남은시간"), 3, 2, grid);
    m_wait->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    outer->addLayout(grid);

    m_goods = new QTreeWidget(this);
    m_goods->setObjectName(QStringLiteral("CTL_GOODS"));
    m_goods->setColumnCount(ColCount);
    m_goods->setHeaderHidden(true);
    m_goods->setRootIsDecorated(true);
    for (int c = 0; c < ColCount; ++c)
        m_goods->setColumnHidden(c, !(c == ColName || c == ColUnit || c == ColQuantity || c == ColAmount));
    m_goods->header()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    m_goods->header()->setStretchLastSection(false);
    outer->addWidget(m_goods, 1);

    auto *times = new QHBoxLayout;
    times->setSpacing(2);
    times->addWidget(new QLabel(QStringLiteral("도착시간"), this));
    m_minutes = new QButtonGroup(this);
    m_minutes->setExclusive(true);
    for (int minutes : {30, 45, 60, 70, 80, 90, 120}) {
        auto *b = new QPushButton(QString::number(minutes) + QStringLiteral("분"), this);
        b->setObjectName(QStringLiteral("CBT_%1").arg(minutes));
        b->setCheckable(true);
        b->setAutoDefault(false);
        m_minutes->addButton(b, minutes);
        times->addWidget(b);
    }
    connect(m_minutes, &QButtonGroup::idClicked, this, [this](int minutes) { m_alarm.chooseMinutes(minutes); });
    outer->addLayout(times);

    auto *buttons = new QHBoxLayout;
    auto *accept = new QPushButton(QStringLiteral("주문확인"), this);
    accept->setObjectName(QStringLiteral("cxButton1"));
    auto *request = new QPushButton(QStringLiteral("배달요청변경"), this);
    request->setObjectName(QStringLiteral("CBT_CONFIRM"));
    request->setDefault(true);
    auto *reject = new QPushButton(QStringLiteral("주문거절(취소)"), this);
    reject->setObjectName(QStringLiteral("CBT_CANCEL"));
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton *b : {accept, request, reject, close})
        buttons->addWidget(b);
    outer->addLayout(buttons);
    connect(accept, &QPushButton::clicked, this, [this] { m_alarm.proc_SendOrderConfirm(1001, 0); });
    connect(request, &QPushButton::clicked, this, [this] { m_alarm.proc_SendOrderConfirm(2001, 0); });
    m_reasons = new QMenu(this);
    m_reasons->setObjectName(QStringLiteral("PPM_CANCEL"));
    connect(reject, &QPushButton::clicked, this, [this] { m_reasons->popup(QCursor::pos()); });
    connect(close, &QPushButton::clicked, this, [this] { m_alarm.closeWindow(); });
    refresh();
}

QLineEdit *NewOrderAlarmWindow::field(const QString &name, const QString &label, int row, int column,
                                      QGridLayout *grid)
{
    auto *l = new QLabel(label, this);
    grid->addWidget(l, row, column);
    auto *e = new QLineEdit(this);
    e->setObjectName(name);
    e->setReadOnly(true);
    grid->addWidget(e, row, column + 1);
    return e;
}

void NewOrderAlarmWindow::setRejectReasons(const QList<AlarmRejectReason> &reasons)
{
    m_reasons->clear();
    for (const AlarmRejectReason &r : reasons) {
        QAction *a = m_reasons->addAction(r.name);
        a->setProperty("Tag", r.tag);
        connect(a, &QAction::triggered, this, [this, r] { m_alarm.reject(r); });
    }
}

void NewOrderAlarmWindow::openFor(const QString &rowStatus, const QString &rowArrival, const QString &orderNo)
{
    m_alarm.openFor(rowStatus, rowArrival, orderNo, m_now());
    if (m_alarm.running())
        m_timer->start();
}

void NewOrderAlarmWindow::tickOnce()
{
    m_timer->stop();
    const AlarmTick t = m_alarm.tick(m_now());
    if (!t.close && m_alarm.running())
        m_timer->start();
}

void NewOrderAlarmWindow::refresh()
{
    const NewOrderDetail &d = m_alarm.detail();
    m_number->setText(d.number);
    m_time->setText(d.orderTimeText);
    m_time->setToolTip(d.orderTime);
    m_address->setPlainText(d.address);
    m_distance->setText(d.distance);
    m_payment->setText(d.payment);
    m_amount->setText(d.amount);
    m_wait->setText(m_alarm.waitText());
    if (QAbstractButton *b = m_minutes->button(m_alarm.minutes()))
        b->setChecked(true);
    // The countdown refreshes the window every second; the goods tree is built only when the
    // goods changed, so an open branch or a scrolled list stays as the user left it.
    if (m_shownGoods == m_alarm.goodsVersion())
        return;
    m_shownGoods = m_alarm.goodsVersion();
    m_goods->setUpdatesEnabled(false);
    m_goods->clear();
    for (const AlarmGoodsLine &line : d.goods) {
        auto *item = new QTreeWidgetItem(m_goods);
        fillLine(item, line);
        for (const AlarmGoodsLine &add : line.additions)
            fillLine(new QTreeWidgetItem(item), add);
    }
    m_goods->expandAll();
    m_goods->setUpdatesEnabled(true);
}

bool NewOrderAlarmWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_title) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *e = static_cast<QMouseEvent *>(event);
            m_dragging = e->button() == Qt::LeftButton;
            m_dragOffset = e->globalPosition().toPoint() - frameGeometry().topLeft();
        } else if (event->type() == QEvent::MouseMove && m_dragging) {
            move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_dragOffset);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_dragging = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}
