#pragma once

#include <QEvent>
#include <QObject>

// The idle hook of the event loop: after any event except mouse moves,
// paints and timers, idle work is due; when the loop is about to wait for the
// next event and work is due, idle() is emitted once. So a state table is
// refreshed after each user action, not on every timer tick.
class IdleHook : public QObject {
    Q_OBJECT
public:
    explicit IdleHook(QObject *parent = nullptr);
    ~IdleHook() override;

    bool IsDue() const { return due_; }
    void MarkDue() { due_ = true; }

    // Emits idle() now if work is due (what the loop does before it
    // blocks); returns whether it did.
    bool RunIfDue();

    static bool EventMakesIdleWorkDue(QEvent::Type type);

signals:
    void idle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool due_ = true;
    bool running_ = false;
};
