#pragma once

class QWidget;

// The control that Tab (forward) or Shift+Tab moves to from `from`, among
// the visible, enabled tab stops inside `root`, in the window's focus order,
// wrapping around at either end: focus never leaves `root`. A `from` outside
// `root`, or none, gives the first (or last) stop. None when `root` holds no
// tab stop.
QWidget *NextTabStopWithin(QWidget &root, QWidget *from, bool forward);
