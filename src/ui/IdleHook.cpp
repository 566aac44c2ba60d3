#include "ui/IdleHook.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

IdleHook::IdleHook(QObject *parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { RunIfDue(); });
}

IdleHook::~IdleHook()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool IdleHook::EventMakesIdleWorkDue(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseMove:
    case QEvent::HoverMove:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Paint:
    case QEvent::Expose:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::Timer:
    case QEvent::ZeroTimerEvent:
    // Socket activity is how the display connection delivers every event,
    // mouse moves included; what counts is the event it turns into.
    case QEvent::SockAct:
    case QEvent::SockClose: return false;
    default: return true;
    }
}

bool IdleHook::RunIfDue()
{
    if (!due_ || running_)
        return false;
    due_ = false;
    // Events the update itself sends (a changed action, a re-laid bar) are
    // not user activity; counting them would run the update again and again.
    running_ = true;
    emit idle();
    running_ = false;
    return true;
}

bool IdleHook::eventFilter(QObject *watched, QEvent *event)
{
    if (!running_ && EventMakesIdleWorkDue(event->type()))
        due_ = true;
    return QObject::eventFilter(watched, event);
}
