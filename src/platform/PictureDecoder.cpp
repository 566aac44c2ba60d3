#include "platform/PictureDecoder.h"

#include "platform/EmfHeader.h"
#include "platform/EmfPicture.h"
#include "platform/RasterPicture.h"
#include "platform/ScreenDpi.h"
#include "platform/WmfPicture.h"

DecodedPicturePtr DecodePicture(const QByteArray &bytes)
{
    return DecodePicture(bytes, ScreenLogicalDpi());
}

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
