#include "export/PdfPicturePage.h"

#include "document/BookDocument.h"
#include "document/PicturePath.h"
#include "export/PdfFont.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "viewer/PagePainting.h"
#include "viewer/PictureDecode.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double kMarginMm = 15;
// Natural sizes are screen pixels at this resolution, as the reader shows them.
constexpr int kNaturalDpi = 96;
constexpr double kMmPerInch = 25.4;
// PDF readers refuse pages longer than 200 inches; a larger picture is shrunk
// to that.
constexpr double kMaxPageSideMm = 200 * kMmPerInch;

QPageLayout PictureLayout(QSize naturalPixels)
{
    QSizeF mm(naturalPixels.width() * kMmPerInch / kNaturalDpi, naturalPixels.height() * kMmPerInch / kNaturalDpi);
    const double room = kMaxPageSideMm - 2 * kMarginMm;
    if (mm.width() > room || mm.height() > room)
        mm.scale(room, room, Qt::KeepAspectRatio);
    const QSizeF paper(mm.width() + 2 * kMarginMm, mm.height() + 2 * kMarginMm);
    return QPageLayout(QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

// The picture's rectangle in the page's paint area: as large as fits, centred.
QRect FitInto(QSize natural, QSize area)
{
    const QSize size = natural.scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

// The paint area of a layout at the writer's resolution.
QSize PaintArea(const QPageLayout &layout, int dpi) { return layout.paintRectPixels(dpi).size(); }

void PaintMissing(QPainter &painter, QPdfWriter &writer, const QString &path, PdfPageSize pageSize)
{
    // A picture-sized book names its missing pictures on A4.
    writer.setPageLayout(PaperLayout(pageSize == PdfPageSize::Picture ? PdfPageSize::A4 : pageSize));
    writer.newPage();
    painter.setFont(PdfTextFont(14));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, writer.width(), writer.height()), Qt::AlignCenter | Qt::TextWrapAnywhere,
                     LoadString(kIdsExportMissingPicture).arg(path));
}

} // namespace

QPageLayout PaperLayout(PdfPageSize pageSize)
{
    const QPageSize paper(pageSize == PdfPageSize::Letter ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

void PaintPicturePage(QPainter &painter, QPdfWriter &writer, const PictureEntry &entry, PdfPageSize pageSize)
{
    const QString path = ExpandPicturePath(entry.path);
    const std::optional<QByteArray> bytes = ReadPagePictureFile(path);
    if (!bytes) {
        PaintMissing(painter, writer, path, pageSize);
        return;
    }
    DecodeRequest request;
    request.dpi = QSize(kNaturalDpi, kNaturalDpi);
    // A raster whose size the header tells is decoded no larger than it is
    // drawn: a photograph far larger than the page keeps the file small.
    const auto layoutFor = [&](QSize natural) {
        return pageSize == PdfPageSize::Picture ? PictureLayout(natural) : PaperLayout(pageSize);
    };
    const QSize header = HeaderPixelSize(*bytes);
    if (header.isValid())
        request.displaySize = FitInto(header, PaintArea(layoutFor(header), writer.resolution())).size();
    const PagePicturePtr page = DecodePagePictureBytes(*bytes, request);
    if (!page) {
        PaintMissing(painter, writer, path, pageSize);
        return;
    }
    writer.setPageLayout(layoutFor(page->pixelSize));
    writer.newPage();
    const QRect target = FitInto(page->pixelSize, QSize(writer.width(), writer.height()));
    QImage scaledCopy;
    // A photograph stored as JPEG goes in as JPEG again; drawings and
    // screenshots (PNG, GIF, BMP) keep every pixel, without JPEG's fringes.
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering, !bytes->startsWith("\xFF\xD8"));
    PaintPagePicture(painter, *page, target, target, scaledCopy);
    painter.restore();
}
