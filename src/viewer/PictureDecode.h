#pragma once

#include "viewer/PagePicture.h"
#include "viewer/ZoomScrollModel.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <atomic>
#include <optional>

// What a page decode needs to know besides the file: how the view is laid
// out now (a copy of its arithmetic), so the decoder
// can work out the size the picture will be shown at and decode no more
// pixels than that, and the screen resolution for metafile sizes.
struct DecodeRequest {
    QString path;
    ZoomScrollModel layout;
    QSize dpi{96, 96};           // the screen's logical resolution (ScreenLogicalDpi)
    bool fullResolution = false; // a zoom needs every pixel
    QSize displaySize;           // when valid, the size the page is drawn at, whatever the layout says
    qreal devicePixelRatio = 1;  // device pixels per logical pixel of the view (ignored with displaySize)
    bool partFirst = false;      // the page is wanted on screen now: its visible part may come first
    QRect shownPart;             // when valid, that part (natural pixels) as the window shows it now
};

// The window size of the picture rectangle when a picture of the given
// natural size is shown in a view laid out like `layout` (load, layout,
// zoom keeping the centre: what showing a page does).
QSize ExpectedDisplaySize(const ZoomScrollModel &layout, QSize pixelSize);
// The size the request will draw a picture of that natural size at, in
// device pixels.
QSize DisplaySizeFor(const DecodeRequest &request, QSize pixelSize);

// The largest JPEG reduction (1, 2, 4 or 8) whose decoded size still covers
// the display size on both axes.
int ReductionFor(QSize fullSize, QSize displaySize);
// A picture's size at a reduction: what the codec produces, rounded up.
QSize ReducedSize(QSize fullSize, int reduction);

// Decodes a picture file for the view; null when the file is missing, not a
// regular file or not a picture. Safe to run on any thread.
PagePicturePtr DecodePagePicture(const DecodeRequest &request);
// The same from the file's bytes (request.path is not looked at).
//
// A raster picture at least twice the display size on both sides is kept at
// 1/2, 1/4 or 1/8 of its size (the one that still covers the display): a
// JPEG is reduced by its codec, any other format is decoded whole and
// scaled down before the whole picture is let go. A decode whose
// `cancelled` is set gives nothing, stopping early where the codec allows.
PagePicturePtr DecodePagePictureBytes(const QByteArray &bytes, const DecodeRequest &request,
                                      const std::atomic<bool> *cancelled = nullptr);

// The natural size of a raster picture as its header tells it; invalid
// where only a decode does (metafiles, icons, headers without a size).
QSize HeaderPixelSize(const QByteArray &bytes);

// The bytes of a page picture file (regular files only; nothing for an
// empty path or an empty file).
std::optional<QByteArray> ReadPagePictureFile(const QString &path);

// The most memory decoding these bytes for the request holds at once: the
// bytes, every pixel the codec makes (all of them when it cannot reduce
// while decoding), the reduced picture and its display copy. Read from the
// header alone, so a picture bomb is known before it is decoded.
qint64 DecodePeakBytes(const QByteArray &bytes, const DecodeRequest &request);

// Whether a decoded picture has enough pixels for the display size (or all
// it has).
bool ResolutionSuffices(const PagePicture &picture, QSize displaySize);
