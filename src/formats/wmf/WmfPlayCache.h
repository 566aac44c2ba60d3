#pragma once

#include "formats/wmf/WmfBitmapCache.h"
#include "formats/wmf/WmfTextLayout.h"

namespace wmf {

// What a picture keeps from one paint to the next, by record index.
struct PlayCache {
    BitmapCache bitmaps;
    TextCache texts;
};

} // namespace wmf
