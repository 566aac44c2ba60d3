#include "FuzzInput.h"
#include "editor/CoverBoxModel.h"
#include "editor/CoverCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);

    // The decoded bytes of a cover: whatever the description claims, no read
    // past the end and no allocation beyond the side limits.
    if (const auto image = CoverBitmapFromBytes(bytes)) {
        if (image->width() > kMaxCoverSide || image->height() > kMaxCoverSide)
            __builtin_trap();
        // What we read, we write back in our own format and read the same.
        const auto again = CoverBitmapFromBytes(CoverBytesFromBitmap(*image));
        if (!again || *again != *image)
            __builtin_trap();
    }

    // The same bytes as the text a book holds: the box keeps it verbatim.
    CoverBoxModel box;
    const QString text = QString::fromLatin1(bytes);
    box.DecodeCover(text);
    QString cover;
    if (!text.isEmpty() && (!box.EncodeCover(cover) || cover != text))
        __builtin_trap();
    return 0;
}
