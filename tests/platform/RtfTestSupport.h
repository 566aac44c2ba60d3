#pragma once

// Helpers shared by the RTF tests: reading a snippet into a document and
// looking at the formats at a given character.

#include "Cases.h"
#include "TestFiles.h"
#include "platform/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

inline QByteArray RtfFixture(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(name));
}

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

// Every block's text joined by "\n", special characters kept as they are
// (toPlainText turns no-break spaces and line separators into plain ones).
inline QString RawText(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks.append(b.text());
    return blocks.join(QLatin1Char('\n'));
}

// A document with a font and colour table around the given body.
inline QByteArray RtfWithBody(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\ansicpg936\\deff0"
           "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}{\\f1\\fswiss\\fcharset0 Arial;}"
           "{\\f2\\fnil\\fcharset136 MingLiU;}{\\f3\\fnil\\fcharset128 MS Gothic;}"
           "{\\f4\\fnil\\fcharset204 Arial Cyr;}{\\f5\\fnil Plain;}{\\f6\\fnil\\fcharset238 Arial CE;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
           "\\viewkind4\\uc1\\pard " + body + "}";
}
