#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

struct BookDocument;

// The paper a book is exported on: A4 or US Letter for every page, or
// each picture on a page of its own natural size (the title page is A4).
enum class PdfPageSize { A4, Letter, Picture };

// "A4", "letter" or "picture" (any case); nothing for another word.
std::optional<PdfPageSize> ParsePdfPageSize(QStringView text);

struct PdfExportOptions {
    PdfPageSize pageSize = PdfPageSize::A4;
    // Asked before each page and once after the last, with the pages done
    // and their total (the title page and one per picture); returning false
    // cancels the export.
    std::function<bool(int done, int total)> progress;
};

enum class PdfExportStatus { Written, Cancelled, Failed };

struct PdfExportResult {
    PdfExportStatus status = PdfExportStatus::Failed;
    int error = 0; // the errno of a failed write
};

// Writes the book as a PDF to the path: a title page (cover, title, author,
// category, rating as stars and the introduction in its own formats, going
// on over further pages when it is long), then one page per picture scaled
// to fit inside the margins, or a page naming the file when a picture does
// not load. The PDF's title and author are the book's. Nothing appears at
// the path unless the whole file was written: a cancelled or failed export
// leaves no file and an existing file unchanged.
PdfExportResult ExportBookPdf(const BookDocument &book, const QString &path, const PdfExportOptions &options = {});
