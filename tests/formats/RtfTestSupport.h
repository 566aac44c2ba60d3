#pragma once

// Helpers shared by the RTF tests: reading a snippet into a document and
// looking at the formats a character shows with.

#include "Cases.h"
#include "TestFiles.h"
#include "formats/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

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
           "{\\f2\\fnil\\fcharset136 MingLiU;}{\\f4\\fnil\\fcharset204 Arial Cyr;}{\\f5\\fnil Plain;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
           "\\viewkind4\\uc1\\pard "
           + body + "}";
}

// The formats of the character at the position and of its paragraph
// as " name=value " words, so a table row names only the few it is about:
// sizes in points, lengths in pixels, flags as numbers, colours "none"
// when unset.
inline QString Describe(const QTextDocument &doc, qsizetype position)
{
    if (position < 0)
        return QStringLiteral("<nowhere>");
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(int(position) + 1);
    const QTextCharFormat f = cursor.charFormat();
    const QTextBlockFormat b = cursor.blockFormat();
    const auto brush = [&f](QTextFormat::Property p) {
        return f.hasProperty(p) ? f.brushProperty(p).color().name() : QStringLiteral("none");
    };
    QString out;
    QTextStream(&out) << " font=" << f.fontFamilies().toStringList().value(0)
                      << " fg=" << brush(QTextFormat::ForegroundBrush) << " bg=" << brush(QTextFormat::BackgroundBrush)
                      << " b=" << int(f.fontWeight() >= QFont::Bold) << " i=" << int(f.fontItalic())
                      << " u=" << int(f.fontUnderline()) << " ul=" << f.underlineStyle()
                      << " s=" << int(f.fontStrikeOut()) << " va=" << f.verticalAlignment()
                      << " pt=" << f.fontPointSize() << " al=" << int(b.alignment() & Qt::AlignHorizontal_Mask)
                      << " li=" << b.leftMargin() << " ri=" << b.rightMargin() << " fi=" << b.textIndent()
                      << " sb=" << b.topMargin() << " sa=" << b.bottomMargin() << " lh=" << b.lineHeight()
                      << " lt=" << b.lineHeightType() << ' ';
    return out;
}
