#include "formats/PictureDecoder.h"

#include "formats/ScreenDpi.h"
#include "formats/emf/EmfHeader.h"
#include "formats/emf/EmfPicture.h"
#include "formats/raster/RasterPicture.h"
#include "formats/wmf/WmfPicture.h"

DecodedPicturePtr DecodePicture(const QByteArray &bytes) { return DecodePicture(bytes, ScreenLogicalDpi()); }

DecodedPicturePtr DecodePicture(const QByteArray &bytes, QSize dpi)
{
    if (bytes.isEmpty())
        return nullptr;
    if (LooksLikeEmf(bytes))
        return DecodeEmfPicture(bytes);
    if (LooksLikeWmf(bytes))
        return DecodeWmfPicture(bytes);
    return DecodeRasterPicture(bytes, dpi);
}
