#include "formats/raster/JpegRegion.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Smooth chroma upsampling reads one chroma sample beyond each side of a
// pixel, so a cropped decode differs from the whole one at its edges. A
// margin of one iMCU (16 pixels at most) around the region, cut off
// afterwards, keeps every pixel kept identical to the whole decode.
constexpr int kMargin = 16;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// The decompressor with errors turned into a jump back to the caller, which
// calls setjmp itself (a function that has returned cannot be jumped into).
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager error{};

    Decompressor()
    {
        info.err = jpeg_std_error(&error.base);
        error.base.error_exit = OnError;
        error.base.emit_message = OnMessage;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;
};

bool Supported(const jpeg_decompress_struct &info)
{
    if (info.data_precision != 8)
        return false;
    return (info.num_components == 1 && info.jpeg_color_space == JCS_GRAYSCALE)
           || (info.num_components == 3 && (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB));
}

// Qt's reader at its default quality decodes with the accurate integer
// inverse DCT and smooth upsampling; the same settings give the same pixels.
void MatchQtReader(jpeg_decompress_struct &info)
{
    info.out_color_space = JCS_EXT_BGRX;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
}

// Everything between setjmp and the end lives in `d`, `out` or `row`, objects
// made before setjmp, so the jump skips no destructor.
bool DecodeInto(Decompressor &d, const QByteArray &bytes, const QRect &region, const std::atomic<bool> *cancelled,
                QImage &out, QImage &row)
{
    if (setjmp(d.error.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK || !Supported(d.info))
        return false;
    const QRect whole(0, 0, int(d.info.image_width), int(d.info.image_height));
    const QRect wanted = region.intersected(whole);
    if (wanted.isEmpty())
        return false;
    const QRect padded = wanted.adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(whole);
    MatchQtReader(d.info);
    jpeg_start_decompress(&d.info);

    JDIMENSION left = JDIMENSION(padded.x());
    JDIMENSION width = JDIMENSION(padded.width());
    if (padded.width() < whole.width())
        jpeg_crop_scanline(&d.info, &left, &width); // widens to whole iMCU columns
    if (padded.y() > 0)
        jpeg_skip_scanlines(&d.info, JDIMENSION(padded.y()));

    out = QImage(wanted.size(), QImage::Format_RGB32);
    if (out.isNull())
        return false;
    row = QImage(int(width), 1, QImage::Format_RGB32);
    if (row.isNull())
        return false;
    JSAMPROW line = row.bits();
    const int column = wanted.x() - int(left);
    for (int y = padded.y(); y <= wanted.bottom(); ++y) {
        if (cancelled && (y & 63) == 0 && cancelled->load(std::memory_order_relaxed))
            return false;
        jpeg_read_scanlines(&d.info, &line, 1);
        if (y >= wanted.y())
            std::copy_n(reinterpret_cast<const QRgb *>(line) + column, wanted.width(),
                        reinterpret_cast<QRgb *>(out.scanLine(y - wanted.y())));
    }
    // The rows below the region are never decoded; jpeg_abort (through the
    // destructor) ends the decode without reading them.
    return true;
}

} // namespace

QSize JpegRegionPictureSize(const QByteArray &bytes)
{
    Decompressor d;
    if (setjmp(d.error.jump))
        return {};
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK || !Supported(d.info))
        return {};
    return QSize(int(d.info.image_width), int(d.info.image_height));
}

QImage DecodeJpegRegion(const QByteArray &bytes, const QRect &region, const std::atomic<bool> *cancelled)
{
    if (bytes.isEmpty())
        return {};
    Decompressor d;
    QImage image;
    QImage row;
    if (!DecodeInto(d, bytes, region, cancelled, image, row))
        return {};
    return image;
}
