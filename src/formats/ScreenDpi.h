#pragma once

#include <QSize>

// The screen's logical resolution in dots per inch (horizontal, vertical):
// the primary screen's when a GUI application runs, 96 × 96 otherwise. A
// resolution set with SetScreenLogicalDpi wins over both, so tests and the
// command-line tool get the same sizes on every machine.
QSize ScreenLogicalDpi();

// An empty or invalid size removes the override.
void SetScreenLogicalDpi(QSize dpi);
