#pragma once

#include "viewer/PictureDecode.h"

#include <QRect>

#include <optional>

// Showing the visible part of a huge page first. A 24-megapixel JPEG read at
// 100 % in a 1600 x 1000 window shows 7 % of its pixels; libjpeg decodes
// that band in a fraction of the whole, so a page not decoded ahead is shown
// part first and completed on a worker.

// The part of the picture (natural pixels) a window laid out like the
// request's shows when the page is shown, with a pixel to spare around it
// for interpolation. Nothing when decoding a part first does not pay: not a
// JPEG libjpeg decodes in parts, an EXIF turn (the stored pixels are not the
// shown ones), a reduced decode (the fit modes decode small anyway), or a
// window that shows most of the picture.
std::optional<QRect> PartShownFirst(const QByteArray &bytes, const DecodeRequest &request);

// The part of a picture (natural pixels) the window of a view laid out like
// `layout`, with the picture loaded, shows now.
QRect WindowPart(const ZoomScrollModel &layout, QSize size);

// That part decoded: a page whose raster holds only `part` (see
// PagePicture::decodedPart). Null when it does not decode.
PagePicturePtr DecodePagePart(const QByteArray &bytes, const QRect &part);
