#pragma once

class QPainter;
class QPdfWriter;
struct BookDocument;

// Draws the book's title page on the writer's current page: the cover, the
// title, author, category and rating as stars, then the introduction with
// its own fonts, colours and alignment. An introduction that does not fit
// below the heading goes on over pages of its own.
void PaintTitlePage(QPainter &painter, QPdfWriter &writer, const BookDocument &book);
