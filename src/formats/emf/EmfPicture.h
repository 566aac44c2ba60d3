#pragma once

#include "formats/DecodedPicture.h"

#include <QSvgRenderer>

#include <memory>

// An enhanced metafile held as the SVG it was converted to: drawn as vectors
// at whatever size it is shown, so it stays sharp at every zoom. The natural
// size is the metafile's frame.
class EmfPicture final : public DecodedPicture {
public:
    EmfPicture(std::unique_ptr<QSvgRenderer> renderer, QSize frameHimetric);

    QSize NaturalSizeHimetric() const override { return frame_; }
    void Render(QPainter &painter, const QRectF &target) const override;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
    QSize frame_;
};

// Null for bytes whose header is not sane, or that the helper cannot convert,
// or whose SVG does not parse.
DecodedPicturePtr DecodeEmfPicture(const QByteArray &bytes);
