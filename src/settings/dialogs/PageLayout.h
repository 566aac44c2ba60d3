#pragma once

#include <QRect>
#include <QString>

class QWidget;

// The settings pages are laid out in dialog units of their own font, as the
// dialog templates of the program are.
QRect PageRect(const QWidget &page, int x, int y, int width, int height);
void SetPageSize(QWidget &page, int width, int height);

// A label placed on a page.
void AddPageLabel(QWidget &page, const QString &text, int x, int y, int width, int height);

// The longest text a page takes from one of its edit boxes.
inline constexpr int kMaxPageTextLength = 255;
