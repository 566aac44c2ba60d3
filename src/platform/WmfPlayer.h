#pragma once

#include "platform/WmfFrame.h"
#include "platform/WmfObjects.h"
#include "platform/WmfPlayCache.h"
#include "platform/WmfRecords.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <optional>
#include <vector>

// Plays a parsed metafile onto a QPainter, stretched from the picture's
// frame into a target rectangle. Every drawing goes through the painter as
// vectors (paths, glyphs, scaled images), so the picture is as sharp at
// 800 % as at 100 %.
//
// Coordinates: the painter's transformation at the start of play is the
// "base"; the target rectangle is given in it. The file's window maps onto
// the whole target; the first viewport the file sets stands for the target
// too, and later viewport changes move and scale relative to it. Every map
// mode is played as anisotropic except isotropic, which keeps the aspect.

namespace wmf {

// What the device context holds; SAVEDC pushes a copy of all of it.
struct DcState {
    QPointF windowOrg, windowExt;
    QPointF viewportOrg, viewportExt;
    bool viewportOrgSet = false;
    bool viewportExtSet = false;
    int mapMode = 8;          // MM_ANISOTROPIC
    Pen pen;
    Brush brush;
    Font font;
    QList<QColor> palette;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = 2;           // OPAQUE
    int textAlign = 0;
    int polyFillMode = 1;     // ALTERNATE
    int rop2 = 13;            // R2_COPYPEN
    QPointF position;         // current position for MOVETO/LINETO
    bool hasClip = false;
    QPainterPath clip;        // in base coordinates, already within the target
};

class Player {
public:
    Player(const File &file, const Frame &frame, PlayCache &cache, QPainter &painter,
           const QRectF &target);
    void play();

    // A play stops after this long, whatever the file holds.
    static constexpr int kTimeBudgetMs = 2000;
    // SAVEDC levels beyond this are counted but not stored.
    static constexpr int kMaxSaveDepth = 1024;

private:
    void dispatch(size_t index, const Record &r);

    // State records (WmfPlayer.cpp).
    void saveDc();
    void restoreDc(int level);
    void selectObject(int index);
    void createObject(Object object);

    // Mapping.
    QTransform logicalToBase() const;
    // Puts the logical mapping on the painter; false when it is degenerate.
    bool useLogical();
    void useBase();

    // Shapes (WmfPlayerShapes.cpp).
    void drawShape(const QPainterPath &path, bool fill, bool stroke);
    void polyline(const Record &r);
    void polygon(const Record &r);
    void polyPolygon(const Record &r);
    void rectangle(const Record &r, bool rounded);
    void ellipse(const Record &r);
    void arc(const Record &r, int kind);
    void lineTo(const Record &r);
    void setPixel(const Record &r);
    void fillRegion(const Region &region, const Brush &brush);
    QPen qtPen() const;
    QBrush qtBrush(const Brush &brush) const;
    QColor ropColor(QColor color) const;

    // Text (WmfPlayerText.cpp).
    void textOut(size_t index, const Record &r);
    void extTextOut(size_t index, const Record &r);
    void drawText(size_t index, QPointF at, QByteArrayView bytes, const std::vector<qint16> &dx,
                  int options, const QRectF &rect);

    // Bitmaps (WmfPlayerBitmaps.cpp).
    void blit(size_t index, const Record &r);
    void patBlt(const Record &r);
    void drawImage(const QImage &image, QRectF source, const QRectF &dest, quint32 rop);
    void fillRop(const QRectF &dest, quint32 rop);

    // Clipping (WmfPlayerClip.cpp).
    void intersectClip(const QRectF &logical, bool exclude);
    void selectClipRegion(int index);
    void offsetClip(const Record &r);
    void applyClip();

    const File &file_;
    const Frame frame_;
    BitmapCache &bitmaps_;
    TextCache &texts_;
    QPainter &painter_;
    const QRectF target_;
    const QTransform base_;
    QPainterPath targetClip_;
    ObjectTable objects_;
    DcState dc_;
    std::vector<DcState> saved_;
    int unsavedLevels_ = 0;
    // The first viewport the file sets: it stands for the target rectangle.
    std::optional<QPointF> firstViewportOrg_, firstViewportExt_;
    bool transformDirty_ = true;
    bool logicalValid_ = false;
};

} // namespace wmf
