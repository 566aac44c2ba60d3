#pragma once

struct BookDocument;

// Whether the form's book counts as a change of the saved book. Compared:
// type, version, title, author, category, the sixth line, introduction and
// cover texts exactly, rating, picture count, and the path at every position
// of the saved book's pictures (a position the form lacks differs). Not
// compared: the book id, each picture's compile time and size, and pictures
// past the end of the saved book's list (the count catches those).
bool BooksDiffer(const BookDocument &formBook, const BookDocument &savedBook);
