#include "ui/FixedDialog.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

int CaptionFitWidth(const QWidget &dialog)
{
    // Window managers draw captions in a bold face of about the dialog's
    // size; the icon and the close box are each about as wide as the title
    // bar is high (and some window managers keep minimise and maximise
    // buttons on every window), and the frame and the gaps take the rest.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int barHeight = metrics.height() + 8;
    return metrics.horizontalAdvance(dialog.windowTitle()) + 5 * barHeight;
}

void SetFixedDialogSize(QWidget &dialog, const QSize &size)
{
    const bool visible = dialog.isVisible();
    dialog.setWindowFlags(kFixedDialogFlags);
    dialog.setFixedSize(std::max(size.width(), CaptionFitWidth(dialog)), size.height());
    // Changing the flags hides a window; one already on screen stays there.
    if (visible)
        dialog.show();
}
