#include "export/BookPdfExport.h"

#include "document/AtomicFileWrite.h"
#include "document/BookDocument.h"
#include "export/PdfFixupDevice.h"
#include "export/PdfPicturePage.h"
#include "export/PdfTitlePage.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>

namespace {
// Fine enough for print; pictures are decoded no larger than this needs.
constexpr int kPdfDpi = 300;
} // namespace

std::optional<PdfPageSize> ParsePdfPageSize(QStringView text)
{
    if (text.compare(u"A4", Qt::CaseInsensitive) == 0)
        return PdfPageSize::A4;
    if (text.compare(u"letter", Qt::CaseInsensitive) == 0)
        return PdfPageSize::Letter;
    if (text.compare(u"picture", Qt::CaseInsensitive) == 0)
        return PdfPageSize::Picture;
    return std::nullopt;
}

PdfExportResult ExportBookPdf(const BookDocument &book, const QString &path, const PdfExportOptions &options)
{
    const int total = 1 + int(book.pictures.size());
    const auto proceed = [&](int done) { return !options.progress || options.progress(done, total); };
    if (!proceed(0))
        return {PdfExportStatus::Cancelled};

    // Declared first, destroyed last: the painter and the writer are done
    // with the device before it drops an unfinished temporary file.
    AtomicFileDevice file(path);
    if (!file.Open())
        return {PdfExportStatus::Failed, file.Error()};
    PdfFixupDevice info(file);
    QPdfWriter writer(&info);
    writer.setResolution(kPdfDpi);
    writer.setTitle(book.title);
    writer.setCreator(book.author); // stored as the author: see PdfFixupDevice
    writer.setPageLayout(PaperLayout(options.pageSize == PdfPageSize::Letter ? PdfPageSize::Letter : PdfPageSize::A4));
    QPainter painter;
    if (!painter.begin(&writer))
        return {PdfExportStatus::Failed, file.Error() ? file.Error() : EIO};
    // The cover and the introduction's pictures are small: kept exact.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    PaintTitlePage(painter, writer, book);
    for (int i = 0; i < book.pictures.size(); ++i) {
        if (!proceed(i + 1))
            return {PdfExportStatus::Cancelled};
        if (file.Error()) // a full disk: drawing more pages is no use
            return {PdfExportStatus::Failed, file.Error()};
        PaintPicturePage(painter, writer, book.pictures[i], options.pageSize);
    }
    if (!proceed(total))
        return {PdfExportStatus::Cancelled};
    painter.end();
    if (!info.Finish() || file.Error())
        return {PdfExportStatus::Failed, file.Error() ? file.Error() : EIO};
    if (!file.Commit())
        return {PdfExportStatus::Failed, file.Error()};
    return {PdfExportStatus::Written};
}
