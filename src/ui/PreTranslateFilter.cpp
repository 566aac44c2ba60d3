#include "ui/PreTranslateFilter.h"

#include <QApplication>
#include <QKeyEvent>

PreTranslateFilter::PreTranslateFilter(QWidget *frame, Handler handler)
    : QObject(frame), frame_(frame), handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

PreTranslateFilter::~PreTranslateFilter()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool PreTranslateFilter::FrameMayTranslate(const QWidget *frame)
{
    return frame && QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr
           && QApplication::activeWindow() == frame;
}

bool PreTranslateFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !handler_ || !FrameMayTranslate(frame_))
        return QObject::eventFilter(watched, event);
    return handler_(*static_cast<QKeyEvent *>(event));
}
