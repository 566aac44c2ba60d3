#include "formats/rtf/RtfWriter.h"

#include "formats/CodePage.h"
#include "formats/rtf/RtfPicture.h"
#include "formats/rtf/RtfPictureFormat.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kHexBytesPerLine = 64;
constexpr int kDotsPerMeter96Dpi = 3780;

// 22 inches, the widest page RTF describes; also keeps the numbers far
// from overflowing whatever the document holds.
constexpr double kMaxTwips = 31680;

int Twips(qreal pixels)
{
    const double twips = pixels * kTwipsPerPixel;
    return std::isfinite(twips) ? int(std::lround(std::clamp(twips, -kMaxTwips, kMaxTwips))) : 0;
}

void AppendWord(QByteArray &out, const char *word, int value)
{
    out += '\\';
    out += word;
    out += QByteArray::number(value);
}

void AppendHex(QByteArray &out, const QByteArray &bytes)
{
    static const char digits[] = "0123456789abcdef";
    out.reserve(out.size() + bytes.size() * 2 + bytes.size() / kHexBytesPerLine * 2 + 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i % kHexBytesPerLine == 0)
            out += "\r\n";
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
}

// Non-ASCII as \uN with "?" as the fallback for readers without Unicode;
// units above 32767 are written as negative numbers, as RTF's 16-bit
// parameters require.
void AppendUnicode(QByteArray &out, char16_t unit)
{
    out += "\\u";
    out += QByteArray::number(static_cast<int>(static_cast<qint16>(unit)));
    out += '?';
}

void AppendText(QByteArray &out, QStringView text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\': out += "\\\\"; continue;
        case u'{': out += "\\{"; continue;
        case u'}': out += "\\}"; continue;
        case u'\t': out += "\\tab "; continue;
        case u'\u2028': out += "\\line "; continue;
        case u'\u00a0': out += "\\~"; continue;
        case u'\u00ad': out += "\\-"; continue;
        case u'\u2011': out += "\\_"; continue;
        case u'\ufffc': // an object without its image format
        case u'\u2029': continue;
        default: break;
        }
        if (c < 0x20 || c == 0x7f)
            continue;
        if (c < 0x80)
            out += char(c);
        else
            AppendUnicode(out, c);
    }
}

// A font name as the font table can hold it: no control characters, no
// ";" (it ends the entry) and no white space at the ends (readers trim it).
QString CleanFontName(const QString &name)
{
    QString clean;
    for (const QChar c : name)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && c != u';')
            clean += c;
    return clean.trimmed();
}

class Writer {
public:
    explicit Writer(const QTextDocument &doc) : doc_(doc) {}
    QByteArray Run();

private:
    int FontIndex(const QString &family);
    int ColourIndex(const QColor &colour);
    QByteArray RunControls(const QTextCharFormat &f);
    void WriteBlock(const QTextBlock &block);
    void AppendImage(QByteArray &out, const QTextImageFormat &f) const;
    QByteArray FontTable() const;
    QByteArray ColourTable() const;

    const QTextDocument &doc_;
    QStringList fonts_;
    QList<QRgb> colours_;
    QByteArray body_;
    QByteArray lastControls_;
};

QByteArray Writer::Run()
{
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next())
        WriteBlock(block);
    if (fonts_.isEmpty()) {
        const QString family = CleanFontName(doc_.defaultFont().family());
        FontIndex(family.isEmpty() ? QStringLiteral("SimSun") : family);
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052";
    out += FontTable();
    out += "\r\n";
    out += ColourTable();
    out += "\\viewkind4\\uc1\r\n";
    out += body_;
    out += "}\r\n";
    return out;
}

int Writer::FontIndex(const QString &family)
{
    qsizetype i = fonts_.indexOf(family);
    if (i < 0) {
        fonts_.append(family);
        i = fonts_.size() - 1;
    }
    return int(i);
}

int Writer::ColourIndex(const QColor &colour)
{
    const QRgb rgb = colour.rgb() | 0xff000000u;
    qsizetype i = colours_.indexOf(rgb);
    if (i < 0) {
        colours_.append(rgb);
        i = colours_.size() - 1;
    }
    return int(i) + 1; // entry 0 is "automatic"
}

QByteArray Writer::RunControls(const QTextCharFormat &f)
{
    QString family = CleanFontName(f.fontFamilies().toStringList().value(0));
    if (family.isEmpty())
        family = CleanFontName(doc_.defaultFont().family());
    if (family.isEmpty())
        family = QStringLiteral("SimSun");
    qreal points = f.fontPointSize();
    if (!(points > 0) || !std::isfinite(points))
        points = doc_.defaultFont().pointSizeF();
    if (!(points > 0) || !std::isfinite(points))
        points = 12;

    QByteArray c = "\\plain";
    AppendWord(c, "f", FontIndex(family));
    AppendWord(c, "fs", int(std::lround(std::clamp(points * 2, 2.0, 3276.0))));
    if (f.fontWeight() > QFont::Medium)
        c += "\\b";
    if (f.fontItalic())
        c += "\\i";
    switch (f.underlineStyle()) {
    case QTextCharFormat::NoUnderline: break;
    case QTextCharFormat::DotLine: c += "\\uld"; break;
    case QTextCharFormat::DashUnderline:
    case QTextCharFormat::DashDotLine:
    case QTextCharFormat::DashDotDotLine: c += "\\uldash"; break;
    case QTextCharFormat::WaveUnderline:
    case QTextCharFormat::SpellCheckUnderline: c += "\\ulwave"; break;
    default: c += "\\ul"; break;
    }
    if (f.fontStrikeOut())
        c += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        c += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        c += "\\sub";
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        AppendWord(c, "cf", ColourIndex(f.foreground().color()));
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
        AppendWord(c, "highlight", ColourIndex(f.background().color()));
    c += ' ';
    return c;
}

void Writer::WriteBlock(const QTextBlock &block)
{
    const QTextBlockFormat bf = block.blockFormat();
    body_ += "\\pard";
    const Qt::Alignment h = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignHCenter)
        body_ += "\\qc";
    else if (h & Qt::AlignJustify)
        body_ += "\\qj";
    else if (h & (Qt::AlignRight | Qt::AlignTrailing))
        body_ += "\\qr";
    if (const int v = Twips(bf.leftMargin()))
        AppendWord(body_, "li", v);
    if (const int v = Twips(bf.rightMargin()))
        AppendWord(body_, "ri", v);
    if (const int v = Twips(bf.textIndent()))
        AppendWord(body_, "fi", v);
    if (const int v = Twips(bf.topMargin()))
        AppendWord(body_, "sb", v);
    if (const int v = Twips(bf.bottomMargin()))
        AppendWord(body_, "sa", v);
    switch (bf.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (const int v = Twips(bf.lineHeight() * 240 / 100 / kTwipsPerPixel); v > 0 && v != 240) {
            AppendWord(body_, "sl", v);
            body_ += "\\slmult1";
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        if (const int v = Twips(bf.lineHeight()); v > 0) {
            AppendWord(body_, "sl", v);
            body_ += "\\slmult0";
        }
        break;
    case QTextBlockFormat::FixedHeight:
        if (const int v = Twips(bf.lineHeight()); v > 0) {
            AppendWord(body_, "sl", -v);
            body_ += "\\slmult0";
        }
        break;
    default: break;
    }
    body_ += ' ';

    bool empty = true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat cf = fragment.charFormat();
        QByteArray content;
        if (cf.isImageFormat()) {
            for (qsizetype n = 0; n < fragment.length(); ++n)
                AppendImage(content, cf.toImageFormat());
        } else {
            AppendText(content, fragment.text());
        }
        // A run with nothing writable (control characters only) leaves no
        // trace, not even its format.
        if (content.isEmpty())
            continue;
        empty = false;
        const QByteArray controls = RunControls(cf);
        if (controls != lastControls_) {
            body_ += controls;
            lastControls_ = controls;
        }
        body_ += content;
    }
    if (empty) {
        // An empty line keeps its own size and font.
        const QByteArray controls = RunControls(block.charFormat());
        if (controls != lastControls_) {
            body_ += controls;
            lastControls_ = controls;
        }
    }
    body_ += "\\par\r\n";
}

void Writer::AppendImage(QByteArray &out, const QTextImageFormat &f) const
{
    const QVariant original = f.property(kRtfOriginalBlipBytes);
    if (original.typeId() == QMetaType::QByteArray) {
        out += "{\\pict";
        switch (RtfPictureData::Kind(f.intProperty(kRtfOriginalBlipKind))) {
        case RtfPictureData::Kind::Png: out += "\\pngblip"; break;
        case RtfPictureData::Kind::Jpeg: out += "\\jpegblip"; break;
        case RtfPictureData::Kind::Dib: out += "\\dibitmap0"; break;
        case RtfPictureData::Kind::Emf: out += "\\emfblip"; break;
        default: out += "\\wmetafile8"; break;
        }
        AppendWord(out, "picw", f.intProperty(kRtfOriginalBlipWidth));
        AppendWord(out, "pich", f.intProperty(kRtfOriginalBlipHeight));
        AppendWord(out, "picwgoal", Twips(f.width()));
        AppendWord(out, "pichgoal", Twips(f.height()));
        AppendHex(out, original.toByteArray());
        out += "}";
        return;
    }

    const QVariant resource = doc_.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage image;
    if (resource.typeId() == QMetaType::QImage)
        image = resource.value<QImage>();
    else if (resource.typeId() == QMetaType::QPixmap)
        image = resource.value<QPixmap>().toImage();
    if (image.isNull())
        return;
    // Only the pixels go out: a resolution or text keys that came with the
    // picture would make the same picture write different bytes.
    QImage pixels(image.constBits(), image.width(), image.height(), image.bytesPerLine(), image.format());
    pixels.setColorTable(image.colorTable());
    image = pixels.copy();
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image))
        return;
    const qreal width = f.width() > 0 ? f.width() : image.width();
    const qreal height = f.height() > 0 ? f.height() : image.height();
    out += "{\\pict\\pngblip";
    AppendWord(out, "picw", image.width());
    AppendWord(out, "pich", image.height());
    AppendWord(out, "picwgoal", Twips(width));
    AppendWord(out, "pichgoal", Twips(height));
    AppendHex(out, png);
    out += "}";
}

QByteArray Writer::FontTable() const
{
    QByteArray out = "{\\fonttbl";
    QStringEncoder gbk("windows-936");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        const QString &name = fonts_[i];
        out += '{';
        AppendWord(out, "f", int(i));
        bool ascii = true;
        for (QChar c : name)
            ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x80;
        if (ascii) {
            out += "\\fnil ";
            for (QChar c : name) {
                if (c == u'\\' || c == u'{' || c == u'}')
                    out += '\\';
                out += char(c.unicode());
            }
        } else {
            // A Chinese font name the way rich edit writes it: GBK bytes
            // under \fcharset134; a name GBK cannot hold goes out as \uN.
            gbk.resetState();
            const QByteArray bytes = gbk.encode(name);
            // Only a name that comes back unchanged goes out as GBK bytes
            // (the encoder may substitute look-alikes).
            if (!gbk.hasError() && DecodeCodePage(bytes, 936) == name) {
                out += "\\fnil\\fcharset134 ";
                for (char b : bytes) {
                    const auto u = static_cast<unsigned char>(b);
                    if (u < 0x80) {
                        if (b == '\\' || b == '{' || b == '}')
                            out += '\\';
                        out += b;
                    } else {
                        out += "\\'";
                        out += "0123456789abcdef"[u >> 4];
                        out += "0123456789abcdef"[u & 15];
                    }
                }
            } else {
                out += "\\fnil ";
                for (const QChar c : name) {
                    if (c.unicode() >= 0x80) {
                        AppendUnicode(out, c.unicode());
                        continue;
                    }
                    if (c == u'\\' || c == u'{' || c == u'}')
                        out += '\\';
                    out += char(c.unicode());
                }
            }
        }
        out += ";}";
    }
    out += '}';
    return out;
}

QByteArray Writer::ColourTable() const
{
    if (colours_.isEmpty())
        return {};
    QByteArray out = "{\\colortbl ;";
    for (QRgb c : colours_) {
        AppendWord(out, "red", qRed(c));
        AppendWord(out, "green", qGreen(c));
        AppendWord(out, "blue", qBlue(c));
        out += ';';
    }
    out += "}\r\n";
    return out;
}
} // namespace

QByteArray WriteRtf(const QTextDocument &document) { return Writer(document).Run(); }
