#pragma once

#include "platform/WmfBitmapCache.h"
#include "platform/WmfTextLayout.h"

namespace wmf {

// What a picture keeps from one paint to the next, by record index.
struct PlayCache {
    BitmapCache bitmaps;
    TextCache texts;
};

} // namespace wmf
