#include "platform/idle_monitor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

TEST(IdleMonitorTest, CountsWholeSecondsSinceTheLastInput)
{
    qint64 now = 1000;
    IdleMonitor monitor([&now] { return now; });
    EXPECT_EQ(monitor.idleSeconds(), 0u);
    now += 999;
    EXPECT_EQ(monitor.idleSeconds(), 0u);
    now += 1;
    EXPECT_EQ(monitor.idleSeconds(), 1u);
    now += 3600 * 1000;
    EXPECT_EQ(monitor.idleSeconds(), 3601u);
    monitor.noteInput();
    EXPECT_EQ(monitor.idleSeconds(), 0u);
}

TEST(IdleMonitorTest, InputEventsAnywhereInTheProgramResetTheCount)
{
    qint64 now = 0;
    IdleMonitor monitor([&now] { return now; });
    monitor.install();
    SetIdleSource(&monitor);
    QObject target;

    now = 5000;
    QEvent paint(QEvent::Timer);
    QCoreApplication::sendEvent(&target, &paint);
    EXPECT_EQ(GetIdleSeconds(), 5u) << "a timer is not user input";

    QEvent key(QEvent::KeyPress);
    QCoreApplication::sendEvent(&target, &key);
    EXPECT_EQ(GetIdleSeconds(), 0u);

    now = 12000;
    QEvent move(QEvent::MouseMove);
    QCoreApplication::sendEvent(&target, &move);
    now = 14500;
    EXPECT_EQ(GetIdleSeconds(), 2u);

    SetIdleSource(nullptr);
    EXPECT_EQ(GetIdleSeconds(), 0u) << "without a source the session never counts as idle";
}

TEST(IdleMonitorTest, ADestroyedMonitorIsNoLongerRead)
{
    {
        qint64 now = 0;
        IdleMonitor monitor([&now] { return now; });
        SetIdleSource(&monitor);
        now = 7000;
        EXPECT_EQ(GetIdleSeconds(), 7u);
    }
    EXPECT_EQ(GetIdleSeconds(), 0u);
}
