#include "formats/CodePage.h"

namespace {
QByteArray IcuName(int codePage)
{
    switch (codePage) {
    case 932: return "windows-31j";
    case 936: return "windows-936";
    case 949: return "windows-949";
    case 950: return "windows-950";
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 10000: return "macintosh";
    case 20127: return "US-ASCII";
    case 65001: return "UTF-8";
    default:
        if (codePage == 874 || (codePage >= 1250 && codePage <= 1258))
            return "windows-" + QByteArray::number(codePage);
        return {};
    }
}

QStringDecoder MakeDecoder(int codePage)
{
    const QByteArray name = IcuName(codePage);
    if (!name.isEmpty()) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder("windows-1252");
}
} // namespace

int CodePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;   // ANSI
    case 1: return 0;      // DEFAULT: the document's code page
    case 2: return 1252;   // SYMBOL: bytes are glyph indices of a symbol font
    case 77: return 10000; // MAC
    case 128: return 932;  // SHIFTJIS
    case 129: return 949;  // HANGUL
    case 134: return 936;  // GB2312, written by rich edit as GBK
    case 136: return 950;  // CHINESEBIG5
    case 161: return 1253; // GREEK
    case 162: return 1254; // TURKISH
    case 163: return 1258; // VIETNAMESE
    case 177: return 1255; // HEBREW
    case 178: return 1256; // ARABIC
    case 186: return 1257; // BALTIC
    case 204: return 1251; // RUSSIAN
    case 222: return 874;  // THAI
    case 238: return 1250; // EASTEUROPE
    case 254: return 437;  // PC437
    case 255: return 850;  // OEM
    default: return -1;
    }
}

bool IsDecodableCodePage(int codePage)
{
    const QByteArray name = IcuName(codePage);
    return !name.isEmpty() && QStringDecoder(name.constData()).isValid();
}

QString DecodeCodePage(QByteArrayView bytes, int codePage)
{
    QStringDecoder decoder = MakeDecoder(codePage);
    return decoder.decode(bytes);
}

CodePageDecoder::CodePageDecoder(int codePage)
    : codePage_(IsDecodableCodePage(codePage) ? codePage : kCodePageWestern), decoder_(MakeDecoder(codePage))
{
}

QString CodePageDecoder::Decode(QByteArrayView bytes) { return decoder_.decode(bytes); }

QString CodePageDecoder::Flush()
{
    // ICU keeps a lone lead byte to itself until something follows it, and
    // an empty input does not make it let go. A line feed is never a trail
    // byte in any of these code pages, so it ends the pending character
    // (as a replacement) and then comes out as itself.
    QString rest = decoder_.decode(QByteArrayView("\n", 1));
    if (rest.endsWith(QLatin1Char('\n')))
        rest.chop(1);
    decoder_.resetState();
    return rest;
}
