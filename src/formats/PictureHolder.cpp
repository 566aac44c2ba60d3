#include "formats/PictureHolder.h"

#include "document/FileIo.h"
#include "formats/Himetric.h"
#include "formats/PictureDecoder.h"
#include "formats/ScreenDpi.h"

#include <QIODevice>
#include <QPainter>

PictureHolder::PictureHolder() : decoder_([](const QByteArray &bytes) { return DecodePicture(bytes); }) {}

bool PictureHolder::LoadFromFile(const QString &path)
{
    if (path.isNull())
        return false;
    picture_.reset();
    if (path.isEmpty() || path.size() > kMaxPathLength)
        return false;
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxPictureFileBytes);
    // An empty file never reaches a decoder.
    if (!bytes || bytes->isEmpty())
        return false;
    return LoadFromBytes(*bytes);
}

bool PictureHolder::LoadFromStream(QIODevice *stream)
{
    if (!stream)
        return false;
    picture_.reset();
    if (!stream->isReadable())
        return false;
    QByteArray bytes;
    if (!stream->isSequential()) {
        // One read of exactly what is left, as for a file.
        const qint64 left = stream->size() - stream->pos();
        if (left <= 0 || left > kMaxPictureFileBytes)
            return false;
        bytes.resize(left);
        const qint64 got = stream->read(bytes.data(), left);
        if (got <= 0)
            return false;
        bytes.truncate(got);
    } else {
        char chunk[64 * 1024];
        for (;;) {
            const qint64 got = stream->read(chunk, sizeof chunk);
            if (got <= 0)
                break;
            if (bytes.size() + got > kMaxPictureFileBytes)
                return false;
            bytes.append(chunk, got);
        }
    }
    return LoadFromBytes(bytes);
}

bool PictureHolder::LoadFromBytes(const QByteArray &bytes)
{
    picture_.reset();
    if (bytes.isEmpty())
        return false;
    picture_ = decoder_(bytes);
    return picture_ != nullptr;
}

void PictureHolder::RenderInto(QPainter &painter, const QRect &rect) const
{
    if (!picture_ || rect.width() == 0 || rect.height() == 0)
        return;
    picture_->Render(painter, QRectF(rect.x(), rect.y(), rect.width(), rect.height()));
}

int PictureHolder::Width() const { return picture_ ? picture_->NaturalSizeHimetric().width() : 0; }

int PictureHolder::Height() const { return picture_ ? picture_->NaturalSizeHimetric().height() : 0; }

QSize PictureHolder::HimetricToPixels(QSize himetric) { return HimetricToPixels(himetric, ScreenLogicalDpi()); }

QSize PictureHolder::HimetricToPixels(QSize himetric, QSize dpi) { return ::HimetricToPixels(himetric, dpi); }
