#include "formats/wmf/WmfObjects.h"

#include "formats/CodePage.h"

namespace wmf {

namespace {
// Region rectangles beyond this many are dropped: a clip of that many
// pieces says nothing more than its outline and costs time at every paint.
constexpr int kMaxRegionRects = 4096;
constexpr int kFaceNameBytes = 32;
} // namespace

int CodePageOfCharset(int charset)
{
    const int codePage = CodePageForCharset(charset);
    if (codePage == 0)
        return kDefaultCharsetCodePage;
    return codePage < 0 ? kCodePageWestern : codePage;
}

QColor ColorFromRef(quint32 ref, const QList<QColor> *palette)
{
    if ((ref >> 24) == 0x01) { // PALETTEINDEX
        const int index = int(ref & 0xFFFF);
        if (palette && index < palette->size())
            return palette->at(index);
        return Qt::black;
    }
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

std::optional<Pen> ReadPen(const Record &r)
{
    // style, width as a POINTS (x used), colour
    if (!r.Has(5))
        return std::nullopt;
    Pen pen;
    pen.style = r.U16(0);
    pen.width = r.S16(1) < 0 ? -r.S16(1) : r.S16(1);
    pen.color = ColorFromRef(r.U32(3));
    return pen;
}

std::optional<Brush> ReadBrush(const Record &r)
{
    if (!r.Has(4))
        return std::nullopt;
    Brush brush;
    brush.style = r.U16(0);
    brush.color = ColorFromRef(r.U32(1));
    brush.hatch = r.U16(3);
    return brush;
}

std::optional<Font> ReadFont(const Record &r)
{
    if (!r.Has(9))
        return std::nullopt;
    Font font;
    font.height = r.S16(0);
    font.width = r.S16(1);
    font.escapement = r.S16(2);
    font.weight = r.S16(4);
    const QByteArrayView flags = r.Bytes(5, 8); // italic .. pitch and family
    font.italic = flags.size() > 0 && flags[0] != 0;
    font.underline = flags.size() > 1 && flags[1] != 0;
    font.strikeOut = flags.size() > 2 && flags[2] != 0;
    font.charset = flags.size() > 3 ? uchar(flags[3]) : 0;
    QByteArrayView name = r.BytesFrom(9);
    if (name.size() > kFaceNameBytes)
        name = name.first(kFaceNameBytes);
    const qsizetype nul = name.indexOf('\0');
    if (nul >= 0)
        name = name.first(nul);
    // Face names are in the font's own code page too (宋体 is GBK bytes).
    font.face = DecodeCodePage(name, CodePageOfCharset(font.charset));
    return font;
}

std::optional<Palette> ReadPalette(const Record &r)
{
    // start (0x300), entry count, then 4-byte entries r, g, b, flags
    if (!r.Has(2))
        return std::nullopt;
    Palette palette;
    const int count = r.U16(1);
    for (int i = 0; i < count && r.Has(2 + 2 * (i + 1)); ++i) {
        const QByteArrayView e = r.Bytes(2 + 2 * i, 4);
        palette.colors.append(QColor(uchar(e[0]), uchar(e[1]), uchar(e[2])));
    }
    return palette;
}

std::optional<Region> ReadRegion(const Record &r)
{
    // nextInChain, objectType, objectCount(2 words), regionSize, scanCount,
    // maxScan, bounding rectangle (4 words), then the scans.
    if (!r.Has(11))
        return std::nullopt;
    Region region;
    const int scanCount = r.U16(5);
    int word = 11;
    for (int scan = 0; scan < scanCount; ++scan) {
        // count, top, bottom, count pairs of (left, right), count again
        if (!r.Has(word + 3))
            break;
        const int pairs = r.U16(word) / 2;
        const int top = r.S16(word + 1);
        const int bottom = r.S16(word + 2);
        word += 3;
        for (int i = 0; i < pairs && r.Has(word + 2); ++i, word += 2) {
            const int left = r.S16(word);
            const int right = r.S16(word + 1);
            if (right > left && bottom > top && region.rects.size() < size_t(kMaxRegionRects))
                region.rects.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
        }
        word += 1;
    }
    if (region.rects.empty() && scanCount == 0) {
        const int left = r.S16(7), top = r.S16(8), right = r.S16(9), bottom = r.S16(10);
        if (right > left && bottom > top)
            region.rects.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    return region;
}

ObjectTable::ObjectTable(int count) : entries_(size_t(qMax(0, count))), used_(size_t(qMax(0, count)), false) {}

int ObjectTable::Add(Object object)
{
    // Every slot below firstFree_ is taken, so the search starts there and a
    // full table answers at once.
    for (size_t i = firstFree_; i < used_.size(); ++i) {
        if (!used_[i]) {
            used_[i] = true;
            entries_[i] = std::move(object);
            firstFree_ = i + 1;
            return int(i);
        }
    }
    firstFree_ = used_.size();
    return -1;
}

const Object *ObjectTable::Get(int index) const
{
    if (index < 0 || size_t(index) >= used_.size() || !used_[size_t(index)])
        return nullptr;
    return &entries_[size_t(index)];
}

void ObjectTable::Remove(int index)
{
    if (index < 0 || size_t(index) >= used_.size())
        return;
    used_[size_t(index)] = false;
    entries_[size_t(index)] = std::monostate{};
    firstFree_ = qMin(firstFree_, size_t(index));
}

} // namespace wmf
