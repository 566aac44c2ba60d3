#pragma once

#include <QByteArrayView>

class QTextDocument;

// Replaces the document's whole content by what the RTF shows: text in
// every code page a Windows rich-edit control writes, character and
// paragraph formats, and pictures. Any bytes are safe; a damaged or
// truncated stream is read as far as it goes and bytes after the final
// closing brace are ignored. Returns false (and leaves the document empty)
// when the bytes do not start like RTF at all.
bool ReadRtf(QByteArrayView rtf, QTextDocument &document);
