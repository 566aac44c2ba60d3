#pragma once

#include "viewer/PagePicture.h"

#include <QImage>
#include <QRect>

class QPainter;

// Draws a decoded page stretched over `target` (device pixels of the
// painter), only the part inside `visible`. The picture view and
// `vellora-book render` both draw pages through here, so a rendered page is
// the page on screen.
//
// Shown smaller than its decoded pixels, a raster is drawn from a copy
// scaled smoothly once per size (the page's own display copy when it fits,
// else `scaledCopy`, kept by the caller between paints), so a scroll step
// only copies pixels. Shown larger, it is interpolated, which suits
// photographs; only the visible part is computed. Metafiles are drawn as
// vectors at any size.
void PaintPagePicture(QPainter &painter, const PagePicture &page, const QRect &target, const QRect &visible,
                      QImage &scaledCopy);
