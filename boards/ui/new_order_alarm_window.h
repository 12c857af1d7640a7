#pragma once

#include "boards/new_order_alarm.h"

#include <QDateTime>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

// The new-order alarm window "신규주문알림": borderless, on top, dragged by its title. It shows
// what NewOrderAlarm loaded, runs its one-second countdown and hands the buttons to it.
//
// Binding: the screen keeps one window (created on first use) and routes the popup item
// "접수확인" to openFor(focused row's status, its arrival time, FPOP_ORDER_NO). The reject
// reasons come from the main window's cancel-reason list (value "1").
class NewOrderAlarmWindow : public QWidget
{
    Q_OBJECT

public:
    // hooks: the link, message box, sound and new-order list of the board (show, hide and
    // changed are the window's own and are replaced). now: the clock (tests pass a fake one).
    explicit NewOrderAlarmWindow(NewOrderAlarmHooks hooks, std::function<QDateTime()> now = {},
                                 QWidget *parent = nullptr);

    void setRejectReasons(const QList<AlarmRejectReason> &reasons);
    void openFor(const QString &rowStatus, const QString &rowArrival, const QString &orderNo);
    NewOrderAlarm &alarm() { return m_alarm; }
    QMenu *rejectMenu() const { return m_reasons; }
    // One countdown second (the timer's slot; tests call it directly).
    void tickOnce();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    QLineEdit *field(const QString &name, const QString &label, int row, int column, class QGridLayout *grid);

    NewOrderAlarm m_alarm;
    std::function<QDateTime()> m_now;
    QTimer *m_timer = nullptr;
    QLabel *m_title = nullptr;
    QLineEdit *m_number = nullptr;
    QLineEdit *m_time = nullptr;
    QPlainTextEdit *m_address = nullptr;
    QLineEdit *m_distance = nullptr;
    QLineEdit *m_payment = nullptr;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_wait = nullptr;
    QTreeWidget *m_goods = nullptr;
    int m_shownGoods = -1;  // the goods version the tree shows
    QButtonGroup *m_minutes = nullptr;
    QMenu *m_reasons = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
