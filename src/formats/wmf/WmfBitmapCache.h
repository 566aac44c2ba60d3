#pragma once

#include "formats/wmf/WmfDib.h"

#include <functional>
#include <unordered_map>

// Decoded bitmaps of a metafile, kept between paints so that a repaint
// draws from memory instead of decoding the records again. The cache is
// charged by decoded bytes; past its budget a bitmap is decoded for the
// paint and dropped afterwards.

namespace wmf {

class BitmapCache {
public:
    static constexpr qint64 kBudgetBytes = 256LL * 1024 * 1024;

    // The bitmap of record `index`, decoded by `decode` the first time.
    Dib Get(size_t index, const std::function<Dib()> &decode);

private:
    std::unordered_map<size_t, Dib> dibs_;
    qint64 bytes_ = 0;
};

} // namespace wmf
