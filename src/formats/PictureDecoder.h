#pragma once

#include "formats/DecodedPicture.h"

#include <QSize>

// The one entry point from a picture file's bytes to a drawable picture: the
// format is told from the bytes, never from a file name. Enhanced metafiles
// and Windows metafiles go to their players, everything else to Qt's image
// plugins. Raster pictures get their natural size at the screen's logical
// resolution (ScreenLogicalDpi). Null when nothing decodes the bytes.
DecodedPicturePtr DecodePicture(const QByteArray &bytes);
DecodedPicturePtr DecodePicture(const QByteArray &bytes, QSize dpi);
