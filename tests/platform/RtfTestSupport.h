#pragma once

// Helpers shared by the RTF tests: reading a snippet into a document and
// looking at the formats at a given character.

#include "platform/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

inline std::unique_ptr<QTextDocument> ReadRtfText(QByteArrayView rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    ReadRtf(rtf, *doc);
    return doc;
}

// The character format of the character at position (0-based, over the
// plain text with paragraph breaks counted as one).
inline QTextCharFormat FormatAt(const QTextDocument &doc, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// The first block whose text contains the needle.
inline QTextBlock BlockWith(const QTextDocument &doc, const QString &needle)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(needle))
            return b;
    return {};
}

// The format of the first character of the needle in the document.
inline QTextCharFormat FormatOf(const QTextDocument &doc, const QString &needle)
{
    const int at = int(doc.toPlainText().indexOf(needle));
    return at < 0 ? QTextCharFormat() : FormatAt(doc, at);
}
