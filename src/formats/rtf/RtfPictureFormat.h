#pragma once

#include <QTextFormat>

// Properties with which the RTF reader marks an image it could not decode
// (a metafile without a player): the original blip travels with the image
// in the document, so writing the introduction back does not lose it.
enum RtfPictureProperty : int {
    kRtfOriginalBlipKind = QTextFormat::UserProperty + 0x5246, // RtfPictureData::Kind as int
    kRtfOriginalBlipBytes,                                     // QByteArray
    kRtfOriginalBlipWidth,                                     // \picw
    kRtfOriginalBlipHeight,                                    // \pich
};
