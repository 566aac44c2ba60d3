// A page picture decoded from any bytes for a view of any size and mode:
// the reduced-size JPEG path, format conversion and the display copy must
// survive whatever a picture file holds.

#include "FuzzInput.h"
#include "viewer/PictureDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    DecodeRequest request;
    request.layout.Resize(1 + data[0] * 8, 1 + data[1] * 8);
    switch (data[2] % 4) {
    case 1: request.layout.ToggleFitWidth(); break;
    case 2: request.layout.ToggleFitHeight(); break;
    case 3: request.layout.ToggleStretch(); break;
    default: break;
    }
    request.fullResolution = (data[2] & 0x80) != 0;
    const QByteArray bytes = FuzzBytes(data + 3, size - 3);
    if (PagePicturePtr picture = DecodePagePictureBytes(bytes, request)) {
        if (picture->pixelSize.width() < 1 || picture->pixelSize.height() < 1)
            __builtin_trap();
        if (!picture->IsVector() && picture->raster.isNull())
            __builtin_trap();
    }
    return 0;
}
