#include "formats/wmf/WmfRecords.h"

#include <QtEndian>

namespace wmf {

namespace {
constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kHeaderSize = 18;
constexpr qsizetype kRecordHead = 6; // size (2 words) + function (1 word)
constexpr quint16 kEofFunction = 0x0000;

const uchar *At(const QByteArray &b, qsizetype offset)
{
    return reinterpret_cast<const uchar *>(b.constData()) + offset;
}
} // namespace

quint16 Record::U16(int i) const
{
    if (i < 0 || i >= Words())
        return 0;
    return qFromLittleEndian<quint16>(params_.data() + 2 * qsizetype(i));
}

quint32 Record::U32(int i) const { return quint32(U16(i)) | (quint32(U16(i + 1)) << 16); }

QByteArrayView Record::BytesFrom(int word) const
{
    if (word < 0 || word > Words())
        return {};
    return params_.sliced(2 * qsizetype(word));
}

QByteArrayView Record::Bytes(int word, qsizetype n) const
{
    const QByteArrayView rest = BytesFrom(word);
    if (n < 0 || n > rest.size())
        return {};
    return rest.first(n);
}

std::optional<File> Parse(const QByteArray &input)
{
    File file;
    // A deep copy: the caller's array may be raw data it frees later.
    file.bytes_ = QByteArray(input.constData(), input.size());
    const QByteArray &b = file.bytes_;

    qsizetype pos = 0;
    if (b.size() >= kPlaceableSize && qFromLittleEndian<quint32>(At(b, 0)) == kPlaceableKey) {
        file.header.placeable = true;
        const qint16 left = qFromLittleEndian<qint16>(At(b, 6));
        const qint16 top = qFromLittleEndian<qint16>(At(b, 8));
        const qint16 right = qFromLittleEndian<qint16>(At(b, 10));
        const qint16 bottom = qFromLittleEndian<qint16>(At(b, 12));
        file.header.bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        file.header.unitsPerInch = qFromLittleEndian<quint16>(At(b, 14));
        pos = kPlaceableSize;
    }
    if (b.size() - pos < kHeaderSize)
        return std::nullopt;
    const quint16 type = qFromLittleEndian<quint16>(At(b, pos));
    const quint16 headerWords = qFromLittleEndian<quint16>(At(b, pos + 2));
    if ((type != 1 && type != 2) || headerWords != 9)
        return std::nullopt;
    file.header.objectCount = qFromLittleEndian<quint16>(At(b, pos + 10));
    pos += kHeaderSize;

    file.truncated = true;
    while (b.size() - pos >= kRecordHead && file.records.size() < kMaxRecords) {
        const quint32 sizeWords = qFromLittleEndian<quint32>(At(b, pos));
        const quint16 function = qFromLittleEndian<quint16>(At(b, pos + 4));
        if (function == kEofFunction) {
            file.truncated = false;
            break;
        }
        // A record claiming fewer words than its own head, or more bytes
        // than remain, ends the readable part of the file.
        if (sizeWords < 3 || qint64(sizeWords) * 2 > qint64(b.size() - pos))
            break;
        const qsizetype length = qsizetype(sizeWords) * 2;
        file.records.emplace_back(function, QByteArrayView(b.constData() + pos + kRecordHead, length - kRecordHead));
        pos += length;
    }
    return file;
}

} // namespace wmf
