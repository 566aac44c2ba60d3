#pragma once

#include "formats/DecodedPicture.h"

// Windows metafiles (placeable or not), played by our own record player onto
// any QPainter. Returns null for bytes that are not a playable metafile:
// no metafile header, no frame (neither a placeable bounding box nor a window
// extent), or cut before its first whole record.
//
// Natural size: a placeable file's bounding box × 2540 ÷ its units per
// inch; a plain file's first window extent at 1440 units per inch.
DecodedPicturePtr DecodeWmfPicture(const QByteArray &bytes);

// Whether the bytes start like a Windows metafile (placeable header or a
// plain metafile header).
bool LooksLikeWmf(const QByteArray &bytes);
