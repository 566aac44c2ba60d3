#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// What a \pict group says about its picture.
struct RtfPictureData {
    enum class Kind { Unknown, Png, Jpeg, Emf, Wmf, Dib, Ddb };
    Kind kind = Kind::Unknown;
    QByteArray bytes;                           // the blip, from hex digits or \bin
    int width = 0, height = 0;                  // \picw \pich
    int goalWidth = 0, goalHeight = 0;          // \picwgoal \pichgoal, twips
    int scaleX = 100, scaleY = 100;             // \picscalex \picscaley, percent
    int ddbBitsPerPixel = 1, ddbWidthBytes = 0; // \wbmbitspixel \wbmwidthbytes
};

// The largest side, in pixels, that a picture in an introduction is shown
// or rendered at; larger requests are scaled down to it.
inline constexpr int kMaxRtfPictureSide = 8192;

// Metafiles are rendered no larger than this on either side; the document
// stretches the rendering to the shown size.
inline constexpr int kMaxRenderedMetafileSide = 2048;

// The memory the decoded picture will take, found from the blip's header
// without decoding it, so a small blip that claims a huge bitmap can be
// refused up front; -1 when the blip cannot be decoded at all.
qint64 RtfPictureDecodedBytes(const RtfPictureData &picture);

// Decodes the blip; a null image when the bytes are not a picture we can
// decode (a metafile without a player, damaged data).
QImage DecodeRtfPicture(const RtfPictureData &picture);

// The picture's own size in pixels: a metafile's \picw and \pich are
// HIMETRIC, a bitmap's are pixels (the decoded size wins when there is one).
QSize RtfPictureNaturalPixels(const RtfPictureData &picture, QSize decoded);

// The size, in pixels at 96 dpi, at which the picture is shown: the goal
// size (or the natural one) times the scales, bounded to kMaxRtfPictureSide.
QSize RtfPictureDisplaySize(const RtfPictureData &picture, QSize naturalPixels);

// Twips per pixel at the 96 dpi that the document's pixel units stand for.
inline constexpr double kTwipsPerPixel = 15.0;
