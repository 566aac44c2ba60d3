#include "editor/StarRatingModel.h"

#include <QPainter>

#include <algorithm>

void StarRatingModel::SetImageStrip(const ImageStrip *strip, int litCell, int unlitCell)
{
    strip_ = strip;
    litCell_ = litCell;
    unlitCell_ = unlitCell;
}

int StarRatingModel::CellSide(const QSize &client)
{
    return std::min(client.height(), client.width() / (kStarCount + 1));
}

bool StarRatingModel::MouseMove(int x, int h)
{
    if (h <= 0)
        return false;
    tracking_ = true;
    hover_ = static_cast<float>(x) / static_cast<float>(h);
    return true;
}

bool StarRatingModel::ButtonDown(int x, int h)
{
    if (h <= 0 || !tracking_)
        return false;
    captured_ = true;
    hover_ = -1.0f;
    rating_ = x / h;
    return true;
}

void StarRatingModel::ButtonUp() { captured_ = false; }

bool StarRatingModel::MouseLeave()
{
    hover_ = -1.0f;
    tracking_ = false;
    return true;
}

int StarRatingModel::ShownValue() const
{
    if (hover_ >= 0.0f)
        return static_cast<int>(hover_);
    return rating_;
}

void StarRatingModel::Paint(QPainter &painter, const QRect &client, const QColor &face) const
{
    painter.fillRect(client, face);
    if (!strip_)
        return;
    const int h = CellSide(client.size());
    if (h <= 0)
        return;
    const int shown = ShownValue();
    for (int i = 0; i < kStarCount; ++i) {
        const int cell = i < shown ? litCell_ : unlitCell_;
        if (cell < 0 || cell >= strip_->size())
            continue;
        const QImage &star = strip_->at(cell);
        const QPoint origin = client.topLeft() + StarOrigin(i, h);
        if (star.width() <= h && star.height() <= h)
            painter.drawImage(origin, star);
        else
            painter.drawImage(QRect(origin, star.size().scaled(h, h, Qt::KeepAspectRatio)), star);
    }
}
