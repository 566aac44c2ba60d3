#include "formats/wmf/WmfBitmapCache.h"

namespace wmf {

Dib BitmapCache::Get(size_t index, const std::function<Dib()> &decode)
{
    if (const auto found = dibs_.find(index); found != dibs_.end())
        return found->second;
    Dib dib = decode();
    const qint64 cost = dib.image.sizeInBytes();
    if (bytes_ + cost <= kBudgetBytes) {
        bytes_ += cost;
        dibs_.emplace(index, dib);
    }
    return dib;
}

} // namespace wmf
