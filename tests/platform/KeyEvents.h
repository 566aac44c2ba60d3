#pragma once

// Key presses delivered the way the event loop delivers them: through the
// application, so application-wide event filters see them first.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>

inline bool SendKeyPress(QObject *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                         const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
    return press.isAccepted();
}
