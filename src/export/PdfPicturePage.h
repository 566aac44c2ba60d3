#pragma once

#include "export/BookPdfExport.h"

class QPainter;
class QPdfWriter;
struct PictureEntry;

// Starts a new page and draws the book's picture on it: scaled to fit inside
// the margins, centred, metafiles as vectors. With PdfPageSize::Picture the
// page takes the picture's natural size plus the margins. A picture that does
// not load gets a page naming its file instead.
void PaintPicturePage(QPainter &painter, QPdfWriter &writer, const PictureEntry &entry, PdfPageSize pageSize);

// The page layout every page but a picture-sized one has.
class QPageLayout PaperLayout(PdfPageSize pageSize);
