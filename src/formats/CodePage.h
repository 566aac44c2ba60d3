#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// Legacy Windows code pages, as named by RTF (\ansicpgN, \fcharsetN) and by
// metafile fonts (lfCharSet). Decoding goes through ICU (Qt's
// QStringDecoder), so there are no hand-written tables here.

inline constexpr int kCodePageWestern = 1252;

// The code page a font character set stands for (134 -> 936, GBK: rich-edit
// controls write GBK, not plain GB2312). 0 for DEFAULT_CHARSET (1), where the
// document's own code page applies; -1 for a set we do not know.
int CodePageForCharset(int charset);

// Whether Qt/ICU can decode the code page here.
bool IsDecodableCodePage(int codePage);

// The whole byte run in the code page; an unknown code page decodes as 1252.
QString DecodeCodePage(QByteArrayView bytes, int codePage);

// A decoder that keeps state between calls, so a double-byte character
// whose lead and trail bytes arrive in separate pieces (two RTF \'hh escapes,
// two metafile text runs) still joins into one character.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage);
    int CodePage() const { return codePage_; }
    QString Decode(QByteArrayView bytes);
    // Ends any pending lead byte (it decodes as a replacement character).
    QString Flush();

private:
    int codePage_;
    QStringDecoder decoder_;
};
