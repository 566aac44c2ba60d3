// The idle hook: runs once when the loop is about to wait and something
// other than a timer, a paint or a mouse move happened since.

#include "ui/IdleHook.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Lets the loop run (and block) for a while. A plain timer ends it: a
// single-shot helper would post events of its own and count as activity.
void RunLoopFor(int ms)
{
    QEventLoop loop;
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
    stop.start(ms);
    loop.exec();
}

class IdleHookTest : public ::testing::Test {
protected:
    void SetUp() override { RunLoopFor(20); } // settle events of earlier tests
    int runs_ = 0;
};

struct EventCase {
    QEvent::Type type;
    bool due;
};

class IdleEventTypeTest : public ::testing::TestWithParam<EventCase> {};

TEST_P(IdleEventTypeTest, OnlyActivityMakesIdleWorkDue)
{
    EXPECT_EQ(IdleHook::EventMakesIdleWorkDue(GetParam().type), GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(Types, IdleEventTypeTest,
                         ::testing::Values(EventCase{QEvent::KeyPress, true}, EventCase{QEvent::MouseButtonPress, true},
                                           EventCase{QEvent::Resize, true}, EventCase{QEvent::User, true},
                                           EventCase{QEvent::MouseMove, false}, EventCase{QEvent::HoverMove, false},
                                           EventCase{QEvent::NonClientAreaMouseMove, false},
                                           EventCase{QEvent::Paint, false}, EventCase{QEvent::UpdateRequest, false},
                                           EventCase{QEvent::Timer, false}, EventCase{QEvent::SockAct, false}));

// Due from the start; timer ticks alone do not make it run again, an event does, once.
TEST_F(IdleHookTest, RunsOnceAfterAnEventWhenTheLoopFallsIdleButNotForTimerTicks)
{
    IdleHook hook([this] { ++runs_; });
    RunLoopFor(30);
    const int settled = runs_;
    EXPECT_GE(settled, 1);
    {
        QTimer ticker;
        ticker.start(2);
        RunLoopFor(60);
        EXPECT_EQ(runs_, settled);
    }
    QObject target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    RunLoopFor(30);
    EXPECT_EQ(runs_, settled + 1);
}

TEST_F(IdleHookTest, EventsTheUpdateSendsItselfDoNotMakeItRunAgain)
{
    QObject target;
    IdleHook hook([&] {
        ++runs_;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&target, &event);
    });
    RunLoopFor(30);
    EXPECT_EQ(runs_, 1);
    EXPECT_FALSE(hook.IsDue());
}

TEST_F(IdleHookTest, RunIfDueRunsOnlyWhenDue)
{
    IdleHook hook([this] { ++runs_; });
    EXPECT_TRUE(hook.RunIfDue());
    EXPECT_FALSE(hook.RunIfDue());
    hook.MarkDue();
    EXPECT_TRUE(hook.RunIfDue());
    EXPECT_EQ(runs_, 2);
}

} // namespace
