#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// The idle hook of the event loop: after any event except mouse moves,
// paints and timers, idle work is due; when the loop is about to wait for the
// next event and work is due, the handler runs once. So a state table is
// refreshed after each user action, not on every timer tick.
class IdleHook : public QObject {
public:
    explicit IdleHook(std::function<void()> onIdle, QObject *parent = nullptr);
    ~IdleHook() override;

    bool IsDue() const { return due_; }
    void MarkDue() { due_ = true; }

    // Runs the handler now if work is due (what the loop does before it
    // blocks); returns whether it ran.
    bool RunIfDue();

    static bool EventMakesIdleWorkDue(QEvent::Type type);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> onIdle_;
    bool due_ = true;
    bool running_ = false;
};
