#pragma once

#include "formats/PictureHolder.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

// The behaviour of the cover box: the cover bitmap and how it travels to and
// from a book's cover text.
//
// A cover read from a book is kept together with the very text it came from,
// and that text is what goes back into the book until the user chooses a new
// cover. So opening and saving a book never rewrites its cover (one written
// at another depth, larger than our limits, or not decodable at all), and a
// book just opened does not count as changed.
class CoverBoxModel {
public:
    bool HasCoverBitmap() const { return !bitmap_.isNull(); }
    const QImage &CoverBitmap() const { return bitmap_; }

    // Writes the cover text into `cover` and returns true; returns false and
    // leaves it alone when the box holds no cover at all.
    bool EncodeCover(QString &cover) const;

    // Shows the cover of a book's text; returns whether a bitmap came out of
    // it. The text is kept either way, so an undecodable cover survives a
    // save; an empty text means no cover.
    bool DecodeCover(const QString &text);

    // The book has no cover: drops the bitmap and any kept text.
    void ClearCover();

    // The user's new cover, already drawn at the box's size; from now on the
    // cover text is encoded from this bitmap.
    void ReplaceCover(const QImage &bitmap);

    // Draws a picture into a new bitmap of the box's client size, filling it
    // whatever the picture's proportions, and keeps that as the user's new
    // cover. `render` draws the picture stretched into the rectangle it is
    // given. An empty size changes nothing and returns false.
    bool AdoptPicture(const QSize &clientSize, const std::function<void(QPainter &, const QRect &)> &render);

    // Loads the picture file and adopts it as the new cover at the client
    // size. A file that cannot be loaded changes nothing and returns false.
    bool LoadCoverPicture(const QString &path, const QSize &clientSize);

    // Without a cover nothing is drawn (the form's background shows);
    // otherwise the bitmap unscaled at the client's top-left corner, clipped,
    // and the face colour wherever it does not reach.
    void Paint(QPainter &painter, const QRect &client, const QColor &face) const;

private:
    // Holds a picture only while a cover is being chosen.
    PictureHolder picture_;
    QImage bitmap_;
    QString loadedText_;
};
