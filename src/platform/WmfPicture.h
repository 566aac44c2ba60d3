#pragma once

#include "platform/DecodedPicture.h"

// Windows metafiles (placeable or not), played by our own record player onto
// any QPainter. Returns null for bytes that are not a playable metafile.
DecodedPicturePtr DecodeWmfPicture(const QByteArray &bytes);

// Whether the bytes start like a Windows metafile (placeable header or a
// plain metafile header).
bool LooksLikeWmf(const QByteArray &bytes);
