#pragma once

#include <QSize>

class QWidget;

// A dialog of fixed size: caption and close box only, so the window manager
// offers no minimise or maximise button, and never narrower than its caption
// needs.
inline constexpr auto kFixedDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Sets kFixedDialogFlags and fixes the dialog at the given size, widened when
// the caption would otherwise be cut in the title bar. Set the caption first.
void SetFixedDialogSize(QWidget &dialog, const QSize &size);

// The narrowest width at which the dialog's caption shows whole: the text in
// a bold title font plus room for the window icon, the close box and the
// frame.
int CaptionFitWidth(const QWidget &dialog);
