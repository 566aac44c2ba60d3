#pragma once

#include <QByteArray>

class QImage;

// Qt reads GIF but cannot write it: a single-frame GIF89a encoder (palette
// of up to 256 colours, LZW) for the sample book's GIF pages.
QByteArray EncodeGif(const QImage &image);
