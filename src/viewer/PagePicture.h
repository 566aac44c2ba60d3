#pragma once

#include "formats/DecodedPicture.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <memory>

// One decoded page as the picture view draws it. Raster pictures may be
// decoded below their full resolution when the view shows them smaller
// (a JPEG decodes at 1/2, 1/4 or 1/8 in the codec), and carry a copy already
// scaled to the size they are shown at, so a page turn only has to draw.
// The natural size is always that of the full picture: every number of the
// zoom arithmetic is computed from it.
struct PagePicture {
    QSize pixelSize; // natural size in screen pixels, both sides >= 1
    QImage raster;   // decoded pixels (RGB32, or premultiplied ARGB32 with alpha); null for vectors
    std::shared_ptr<const DecodedPicture> vector; // metafiles: drawn as vectors at any zoom
    QImage displayCopy;                           // raster smoothly scaled to the size it was expected to be shown at
    // When not null, the raster holds only this part of the picture, pixel
    // for pixel (natural pixels): the part a window showed first, while the
    // rest is still being decoded.
    QRect decodedPart;
    // Drawn under a partial page: the whole picture at fewer pixels, which
    // the page showed before a zoom needed every pixel.
    std::shared_ptr<const PagePicture> backdrop;

    bool IsVector() const { return vector != nullptr; }
    bool IsPartial() const { return !decodedPart.isNull(); }
    // Whether the raster holds the whole picture at fewer pixels than it has.
    bool IsReduced() const { return !IsPartial() && !raster.isNull() && raster.size() != pixelSize; }
    qint64 Bytes() const
    {
        qint64 bytes = raster.sizeInBytes();
        if (displayCopy.constBits() != raster.constBits())
            bytes += displayCopy.sizeInBytes();
        return bytes;
    }
};

using PagePicturePtr = std::shared_ptr<const PagePicture>;
