#include "export/PdfTitlePage.h"

#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "editor/CoverCodec.h"
#include "export/PdfFont.h"
#include "formats/rtf/RtfReader.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int kStars = 5;
// The cover takes at most this share of the page's width and height.
constexpr double kCoverWidthShare = 0.6;
constexpr double kCoverHeightShare = 0.35;

// One centred, wrapped line block at the cursor; the cursor moves below it.
void PaintCentredText(QPainter &painter, const QString &text, const QFont &font, const QColor &colour, int width,
                      int &y)
{
    painter.setFont(font);
    painter.setPen(colour);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect bounds = painter.boundingRect(QRect(0, y, width, 1 << 20), flags, text);
    painter.drawText(QRect(0, y, width, bounds.height()), flags, text);
    y += bounds.height() + painter.fontMetrics().height() / 2;
}

void PaintCover(QPainter &painter, const BookDocument &book, QSize page, int &y)
{
    const std::optional<QImage> cover = CoverBitmapFromText(book.cover);
    if (!cover || cover->isNull())
        return;
    const QSize box(int(page.width() * kCoverWidthShare), int(page.height() * kCoverHeightShare));
    const QSize size = cover->size().scaled(box, Qt::KeepAspectRatio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((page.width() - size.width()) / 2, y), size), *cover);
    painter.restore();
    y += size.height() + painter.device()->logicalDpiY() / 4;
}

QString RatingStars(int rating)
{
    const int lit = std::clamp(rating, 0, kStars);
    return QString(lit, QChar(0x2605)) + QString(kStars - lit, QChar(0x2606));
}

// The introduction below the heading when it fits there, else from the top
// of a new page on, page by page as the text layout breaks it.
void PaintIntroduction(QPainter &painter, QPdfWriter &writer, const BookDocument &book, int y)
{
    const QByteArray rtf = DecodeBase64Text(book.intro);
    if (rtf.isEmpty())
        return;
    QTextDocument document;
    ReadRtf(rtf, document);
    if (document.isEmpty())
        return;
    // Laid out at the PDF's resolution, so point sizes come out as printed.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(0);
    const QSize page(writer.width(), writer.height());
    document.setTextWidth(page.width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    if (document.size().height() <= page.height() - y) {
        painter.save();
        painter.translate(0, y);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        return;
    }
    document.setPageSize(QSizeF(page));
    for (int i = 0; i < document.pageCount(); ++i) {
        writer.newPage();
        painter.save();
        painter.translate(0, -i * page.height());
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

} // namespace

void PaintTitlePage(QPainter &painter, QPdfWriter &writer, const BookDocument &book)
{
    const QSize page(writer.width(), writer.height());
    int y = 0;
    PaintCover(painter, book, page, y);
    PaintCentredText(painter, book.title, PdfTextFont(24, true), Qt::black, page.width(), y);
    if (!book.author.isEmpty())
        PaintCentredText(painter, LoadString(kIdsExportAuthor).arg(book.author), PdfTextFont(14), Qt::black,
                         page.width(), y);
    if (!book.category.isEmpty())
        PaintCentredText(painter, LoadString(kIdsExportCategory).arg(book.category), PdfTextFont(12), Qt::black,
                         page.width(), y);
    PaintCentredText(painter, LoadString(kIdsExportRating).arg(RatingStars(book.rating)), PdfTextFont(12),
                     QColor(0xc0, 0x80, 0x00), page.width(), y);
    PaintIntroduction(painter, writer, book, y + painter.device()->logicalDpiY() / 4);
}
