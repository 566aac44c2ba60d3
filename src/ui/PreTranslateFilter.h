#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

// The frame's pre-translation: an application-wide event filter that offers
// every key press to the frame before any widget sees it, but only while the
// frame is the active window and no modal dialog or pop-up is open (keys in a
// dialog belong to the dialog). The handler returns whether it consumed the
// key; a consumed key never reaches the focus widget.
class PreTranslateFilter : public QObject {
public:
    using Handler = std::function<bool(const QKeyEvent &)>;

    // Installs itself on the application; removed again when destroyed.
    PreTranslateFilter(QWidget *frame, Handler handler);
    ~PreTranslateFilter() override;

    // Whether keys may be offered to the frame now.
    static bool FrameMayTranslate(const QWidget *frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> frame_;
    Handler handler_;
};
