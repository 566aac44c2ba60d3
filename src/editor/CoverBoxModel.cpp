#include "editor/CoverBoxModel.h"

#include "editor/CoverCodec.h"

#include <QPainter>

bool CoverBoxModel::EncodeCover(QString &cover) const
{
    if (!loadedText_.isEmpty()) {
        cover = loadedText_;
        return true;
    }
    if (bitmap_.isNull())
        return false;
    cover = CoverTextFromBitmap(bitmap_);
    return true;
}

bool CoverBoxModel::DecodeCover(const QString &text)
{
    loadedText_ = text;
    bitmap_ = CoverBitmapFromText(text).value_or(QImage());
    return !bitmap_.isNull();
}

void CoverBoxModel::ClearCover()
{
    bitmap_ = QImage();
    loadedText_.clear();
}

void CoverBoxModel::ReplaceCover(const QImage &bitmap)
{
    bitmap_ = bitmap.convertToFormat(QImage::Format_RGB32);
    loadedText_.clear();
}

bool CoverBoxModel::AdoptPicture(const QSize &clientSize, const std::function<void(QPainter &, const QRect &)> &render)
{
    if (clientSize.isEmpty())
        return false;
    QImage bitmap(clientSize, QImage::Format_RGB32);
    // A new screen bitmap starts black; transparent parts of the picture
    // stay so, as they would in a stored cover that has no alpha.
    bitmap.fill(Qt::black);
    {
        QPainter painter(&bitmap);
        render(painter, bitmap.rect());
    }
    ReplaceCover(bitmap);
    return true;
}

bool CoverBoxModel::LoadCoverPicture(const QString &path, const QSize &clientSize)
{
    if (clientSize.isEmpty() || !picture_.LoadFromFile(path))
        return false;
    AdoptPicture(clientSize, [this](QPainter &painter, const QRect &rect) { picture_.RenderInto(painter, rect); });
    picture_.Release();
    return true;
}

void CoverBoxModel::Paint(QPainter &painter, const QRect &client, const QColor &face) const
{
    if (bitmap_.isNull())
        return;
    painter.save();
    painter.setClipRect(client);
    painter.fillRect(client, face);
    painter.drawImage(client.topLeft(), bitmap_);
    painter.restore();
}
