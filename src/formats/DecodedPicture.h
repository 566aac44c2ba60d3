#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>

#include <memory>

class QPainter;

// A decoded picture, whatever its format: it knows its natural size in
// HIMETRIC (0.01 mm) and draws itself stretched into any rectangle, so a
// vector picture stays sharp at every zoom.
class DecodedPicture {
public:
    virtual ~DecodedPicture() = default;

    // The natural size in HIMETRIC units; both sides positive.
    virtual QSize NaturalSizeHimetric() const = 0;

    // Draws the whole picture stretched into the rectangle (device pixels of
    // the painter's current transformation).
    virtual void Render(QPainter &painter, const QRectF &target) const = 0;
};

using DecodedPicturePtr = std::unique_ptr<DecodedPicture>;
