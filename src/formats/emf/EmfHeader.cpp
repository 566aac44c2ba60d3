#include "formats/emf/EmfHeader.h"

#include <QtEndian>

namespace {
constexpr int kHeaderMinBytes = 88;
constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"

qint32 Int32At(const QByteArray &bytes, int offset) { return qFromLittleEndian<qint32>(bytes.constData() + offset); }

QRect RectAt(const QByteArray &bytes, int offset)
{
    return QRect(QPoint(Int32At(bytes, offset), Int32At(bytes, offset + 4)),
                 QPoint(Int32At(bytes, offset + 8), Int32At(bytes, offset + 12)));
}

// Extents computed in 64 bits: the edges are arbitrary 32-bit numbers.
bool SaneExtent(qint64 low, qint64 high, qint64 maxSide, bool inclusive)
{
    const qint64 side = high - low + (inclusive ? 1 : 0);
    return side > 0 && side <= maxSide;
}
} // namespace

bool LooksLikeEmf(const QByteArray &bytes)
{
    return bytes.size() >= kHeaderMinBytes && quint32(Int32At(bytes, 0)) == kEmrHeader
           && quint32(Int32At(bytes, 40)) == kEmfSignature;
}

std::optional<EmfHeader> ReadEmfHeader(const QByteArray &bytes)
{
    if (!LooksLikeEmf(bytes))
        return std::nullopt;
    const qint32 recordSize = Int32At(bytes, 4);
    if (recordSize < kHeaderMinBytes || recordSize > bytes.size())
        return std::nullopt;
    EmfHeader header{RectAt(bytes, 8), RectAt(bytes, 24)};
    // The converter takes the bounds' differences as the drawing's size, so a
    // zero difference is refused even though the edges are inclusive.
    const QRect &b = header.bounds;
    if (!SaneExtent(b.left(), b.right(), kMaxEmfBoundsSide, false)
        || !SaneExtent(b.top(), b.bottom(), kMaxEmfBoundsSide, false))
        return std::nullopt;
    const QRect &f = header.frame;
    if (!SaneExtent(f.left(), f.right(), kMaxEmfFrameSide, true)
        || !SaneExtent(f.top(), f.bottom(), kMaxEmfFrameSide, true))
        return std::nullopt;
    return header;
}

QSize EmfFrameSize(const EmfHeader &header)
{
    return {header.frame.right() - header.frame.left() + 1, header.frame.bottom() - header.frame.top() + 1};
}
