#pragma once

#include "formats/wmf/WmfRecords.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

#include <variant>
#include <vector>

// The graphics objects a metafile creates, selects and deletes by index:
// their values as read from the creating records, and the table that hands
// out the indexes the way the metafile's writer expected them.

namespace wmf {

// DEFAULT_CHARSET text was written in the writer's system code page; the
// books this program reads come from Simplified Chinese systems, so GBK.
inline constexpr int kDefaultCharsetCodePage = 936;

// The code page text in a font of this charset is written in; a charset
// we do not know reads as Western.
int CodePageOfCharset(int charset);

// A colour reference (0x00bbggrr); palette indexes look the colour up in
// the palette when one is given.
QColor ColorFromRef(quint32 ref, const QList<QColor> *palette = nullptr);

struct Pen {
    int style = 0; // PS_* with end-cap and join flags
    int width = 0; // logical units; 0 draws one device pixel wide
    QColor color = Qt::black;
};

struct Brush {
    int style = 0; // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN, BS_DIBPATTERN...
    QColor color = Qt::white;
    int hatch = 0;  // HS_* for hatched brushes
    QImage pattern; // pattern brushes
};

struct Font {
    int height = 0; // < 0: character height, > 0: cell height, 0: default
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;

    bool operator==(const Font &) const = default;
};

struct Palette {
    QList<QColor> colors;
};

// A clipping region as the union of its rectangles.
struct Region {
    std::vector<QRect> rects;
};

using Object = std::variant<std::monostate, Pen, Brush, Font, Palette, Region>;

// Readers of the creating records; null when the record is too short.
std::optional<Pen> ReadPen(const Record &record);
std::optional<Brush> ReadBrush(const Record &record);
std::optional<Font> ReadFont(const Record &record);
std::optional<Palette> ReadPalette(const Record &record);
std::optional<Region> ReadRegion(const Record &record);

// Metafile object slots: a new object takes the lowest free index, as the
// writer's own table did; a full table drops the object.
class ObjectTable {
public:
    explicit ObjectTable(int count);
    // The index taken, or -1 when the table is full.
    int Add(Object object);
    // Null for an index that is out of range or free.
    const Object *Get(int index) const;
    void Remove(int index);

private:
    std::vector<Object> entries_;
    std::vector<bool> used_;
    size_t firstFree_ = 0;
};

} // namespace wmf
