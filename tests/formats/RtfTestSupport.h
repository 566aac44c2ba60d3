#pragma once

// Helpers shared by the RTF tests: reading a snippet into a document and
// looking at the formats at a given character.

#include "Cases.h"
#include "TestFiles.h"
#include "formats/rtf/RtfReader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextBlockFormat>
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
           "\\viewkind4\\uc1\\pard "
           + body + "}";
}

// A property of a character format or of its paragraph's format.
enum class Property {
    Bold,
    Italic,
    Underline,
    UnderlineStyle,
    Strike,
    VAlign,
    Points,
    Family,
    Foreground,
    Background,
    Align,
    Left,
    Right,
    Indent,
    Top,
    Bottom,
    LineHeight,
    LineType
};

// Expects the property to have the value (flags, points, pixels, enum
// values; 1 for "on") or, for families and colours, the text (a colour's
// value 0 meaning "no colour set").
inline void ExpectFormat(const QTextCharFormat &f, const QTextBlockFormat &b, Property property, double value,
                         const char *text)
{
    const auto brush = [&](QTextFormat::Property p) {
        return f.hasProperty(p) ? f.brushProperty(p).color() : QColor();
    };
    const QColor colour = value == 0 ? QColor() : QColor(QLatin1String(text));
    switch (property) {
    case Property::Bold: EXPECT_EQ(f.fontWeight() >= QFont::Bold, value != 0); break;
    case Property::Italic: EXPECT_EQ(f.fontItalic(), value != 0); break;
    case Property::Underline: EXPECT_EQ(f.fontUnderline(), value != 0); break;
    case Property::UnderlineStyle: EXPECT_EQ(int(f.underlineStyle()), int(value)); break;
    case Property::Strike: EXPECT_EQ(f.fontStrikeOut(), value != 0); break;
    case Property::VAlign: EXPECT_EQ(int(f.verticalAlignment()), int(value)); break;
    case Property::Points: EXPECT_DOUBLE_EQ(f.fontPointSize(), value); break;
    case Property::Family: EXPECT_EQ(f.fontFamilies().toStringList().value(0), QString::fromUtf8(text)); break;
    case Property::Foreground: EXPECT_EQ(brush(QTextFormat::ForegroundBrush), colour); break;
    case Property::Background: EXPECT_EQ(brush(QTextFormat::BackgroundBrush), colour); break;
    case Property::Align: EXPECT_EQ(int(b.alignment() & Qt::AlignHorizontal_Mask), int(value)); break;
    case Property::Left: EXPECT_DOUBLE_EQ(b.leftMargin(), value); break;
    case Property::Right: EXPECT_DOUBLE_EQ(b.rightMargin(), value); break;
    case Property::Indent: EXPECT_DOUBLE_EQ(b.textIndent(), value); break;
    case Property::Top: EXPECT_DOUBLE_EQ(b.topMargin(), value); break;
    case Property::Bottom: EXPECT_DOUBLE_EQ(b.bottomMargin(), value); break;
    case Property::LineHeight: EXPECT_DOUBLE_EQ(b.lineHeight(), value); break;
    case Property::LineType: EXPECT_EQ(b.lineHeightType(), int(value)); break;
    }
}
