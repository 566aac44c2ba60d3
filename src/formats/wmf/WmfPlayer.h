#pragma once

#include "formats/wmf/WmfFrame.h"
#include "formats/wmf/WmfObjects.h"
#include "formats/wmf/WmfPlayCache.h"
#include "formats/wmf/WmfRecords.h"

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
    int mapMode = 8; // MM_ANISOTROPIC
    Pen pen;
    Brush brush;
    Font font;
    QList<QColor> palette;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = 2; // OPAQUE
    int textAlign = 0;
    int polyFillMode = 1; // ALTERNATE
    int rop2 = 13;        // R2_COPYPEN
    QPointF position;     // current position for MOVETO/LINETO
    bool hasClip = false;
    QPainterPath clip; // in base coordinates, already within the target
};

class Player {
public:
    Player(const File &file, const Frame &frame, PlayCache &cache, QPainter &painter, const QRectF &target);
    void Play();

    // A play stops after this long, whatever the file holds.
    static constexpr int kTimeBudgetMs = 2000;
    // SAVEDC levels beyond this are counted but not stored.
    static constexpr int kMaxSaveDepth = 1024;

private:
    void Dispatch(size_t index, const Record &r);

    // State records (WmfPlayer.cpp).
    void SaveDc();
    void RestoreDc(int level);
    void SelectObject(int index);
    void CreateObject(Object object);

    // Mapping.
    QTransform LogicalToBase() const;
    // Puts the logical mapping on the painter; false when it is degenerate.
    bool UseLogical();
    void UseBase();

    // Shapes (WmfPlayerShapes.cpp).
    void DrawShape(const QPainterPath &path, bool fill, bool stroke);
    void Polyline(const Record &r);
    void Polygon(const Record &r);
    void PolyPolygon(const Record &r);
    void Rectangle(const Record &r, bool rounded);
    void Ellipse(const Record &r);
    void Arc(const Record &r, int kind);
    void LineTo(const Record &r);
    void SetPixel(const Record &r);
    void FillRegion(const Region &region, const Brush &brush);
    QPen QtPen() const;
    QBrush QtBrush(const Brush &brush) const;
    QColor RopColor(QColor color) const;

    // Text (WmfPlayerText.cpp).
    void TextOut(size_t index, const Record &r);
    void ExtTextOut(size_t index, const Record &r);
    void DrawText(size_t index, QPointF at, QByteArrayView bytes, const std::vector<qint16> &dx, int options,
                  const QRectF &rect);

    // Bitmaps (WmfPlayerBitmaps.cpp).
    void Blit(size_t index, const Record &r);
    void PatBlt(const Record &r);
    void DrawImage(const QImage &image, QRectF source, const QRectF &dest, quint32 rop);
    void FillRop(const QRectF &dest, quint32 rop);

    // Clipping (WmfPlayerClip.cpp).
    void IntersectClip(const QRectF &logical, bool exclude);
    void SelectClipRegion(int index);
    void OffsetClip(const Record &r);
    void ApplyClip();

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
