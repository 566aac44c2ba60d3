#pragma once

#include <QByteArray>

class QTextDocument;

// The whole document as RTF that Windows rich-edit controls, LibreOffice
// and AbiWord read: a code page 936 header, font and colour tables of what
// the text uses, every non-ASCII character as \uN with a one-character
// fallback, paragraphs with their alignment, indents and spacing, runs with
// their character formats, and pictures as PNG with their shown size. The
// same document always gives the same bytes.
QByteArray WriteRtf(const QTextDocument &document);
