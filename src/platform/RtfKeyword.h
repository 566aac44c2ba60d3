#pragma once

#include <QByteArrayView>

// The control words the RTF reader acts on. Everything else is ignored
// (or, after \*, skipped with its group).
enum class RtfKeyword {
    Unknown,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont,
    // destinations read for their content
    FontTable, ColorTable, Picture, ShapePicture, FieldResult, Object, ObjectResult,
    // destinations skipped with everything in them
    SkippedDestination,
    // font and colour tables
    Font, FontCharset, FontCodePage, Red, Green, Blue,
    // text
    Par, Line, Tab, Cell, Row, EmDash, EnDash, Bullet, LeftQuote, RightQuote,
    LeftDoubleQuote, RightDoubleQuote, Unicode, UnicodeSkip,
    // character formats
    Plain, FontSize, Bold, Italic, Underline, UnderlineDotted, UnderlineDashed,
    UnderlineWave, UnderlineNone, Strike, Super, Sub, NoSuperSub, Up, Down,
    Foreground, Background,
    // associated formats of double-byte text (LibreOffice writes them)
    DoubleByte, SingleByte, AssociatedSize, AssociatedBold, AssociatedItalic,
    // paragraph formats
    ParagraphDefault, AlignLeft, AlignCentre, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple,
    // pictures
    PngBlip, JpegBlip, EmfBlip, WmfBlip, DibBlip, DdbBlip, PictureWidth, PictureHeight,
    PictureGoalWidth, PictureGoalHeight, PictureScaleX, PictureScaleY, BitsPerPixel, WidthBytes,
};

RtfKeyword LookUpRtfKeyword(QByteArrayView word);
