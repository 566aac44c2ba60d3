#pragma once

#include "document/TextLimits.h"
#include "formats/DecodedPicture.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QIODevice;
class QPainter;

// Picture files larger than this are refused before anything is read.
inline constexpr qint64 kMaxPictureFileBytes = 1024ll * 1024 * 1024;

// One decoded picture with its natural size, for the cover box, the picture
// sequence's checks and vellora-book (the reader's pages go through the
// decode cache instead). It holds at most one picture and never refers to the
// file again after a load, so repainting costs no file access.
class PictureHolder {
public:
    using Decoder = std::function<DecodedPicturePtr(const QByteArray &)>;

    PictureHolder();
    PictureHolder(const PictureHolder &) = delete;
    PictureHolder &operator=(const PictureHolder &) = delete;

    // Reads the file whole with one read and decodes it. A null path returns
    // false and keeps what is held; any other failure (missing, not a regular
    // file, empty, too large, unreadable, not decodable) returns false with
    // the holder empty. The held picture is released before the file is
    // opened.
    bool LoadFromFile(const QString &path);

    // Decodes everything left in the stream. A null stream returns false and
    // keeps what is held; any other failure leaves the holder empty.
    bool LoadFromStream(QIODevice *stream);

    // Decodes the bytes; false with the holder empty when they do not decode.
    bool LoadFromBytes(const QByteArray &bytes);

    // Draws the whole picture stretched into rect (x, y, width, height in the
    // painter's logical units; its transformation applies). Nothing when empty
    // or when the rectangle has no area.
    void RenderInto(QPainter &painter, const QRect &rect) const;

    bool IsEmpty() const { return !picture_; }
    void Release() { picture_.reset(); }

    // The natural size in HIMETRIC units (0.01 mm); 0 × 0 when empty.
    int Width() const;
    int Height() const;
    QSize NaturalSizeHimetric() const { return {Width(), Height()}; }

    // HIMETRIC to screen pixels at the screen's logical resolution, or at the
    // given one: rounded halves away from zero, 64-bit intermediates.
    static QSize HimetricToPixels(QSize himetric);
    static QSize HimetricToPixels(QSize himetric, QSize dpi);

    // The decoder the holder hands bytes to; DecodePicture unless replaced
    // (tests watch which bytes reach it).
    void SetDecoder(Decoder decoder) { decoder_ = std::move(decoder); }

private:
    DecodedPicturePtr picture_;
    Decoder decoder_;
};
