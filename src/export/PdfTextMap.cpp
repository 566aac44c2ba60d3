#include "export/PdfTextMap.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QRawFont>

#include <array>

namespace {

constexpr char16_t kFirstRadical = 0x2E80;
constexpr char16_t kLastRadical = 0x2FDF;
constexpr char16_t kFirstKangxi = 0x2F00;

// The supplement radicals have no decomposition to their ideographs; the
// glyphs of a CJK font tell which ideograph each one draws as.
QHash<char16_t, char16_t> SupplementIdeographs()
{
    QHash<char16_t, char16_t> ideographs;
    const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK SC")));
    if (!font.isValid())
        return ideographs;
    QString unified;
    for (char32_t c = 0x4E00; c <= 0x9FFF; ++c)
        unified.append(QChar(char16_t(c)));
    const QList<quint32> glyphs = font.glyphIndexesForString(unified);
    QHash<quint32, char16_t> byGlyph;
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        if (glyphs[i] != 0 && !byGlyph.contains(glyphs[i]))
            byGlyph.insert(glyphs[i], unified[i].unicode());
    for (char16_t r = kFirstRadical; r < kFirstKangxi; ++r) {
        const QList<quint32> glyph = font.glyphIndexesForString(QString(QChar(r)));
        if (glyph.size() == 1 && byGlyph.contains(glyph[0]))
            ideographs.insert(r, byGlyph.value(glyph[0]));
    }
    return ideographs;
}

// "<2F5A>" → "<7247>"; other codes unchanged.
QByteArray FixCode(const QByteArray &token)
{
    if (token.size() != 6)
        return token;
    bool ok = false;
    const uint code = token.mid(1, 4).toUInt(&ok, 16);
    if (!ok || code < kFirstRadical || code > kLastRadical)
        return token;
    const char16_t ideograph = IdeographForRadical(char16_t(code));
    return '<' + QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0') + '>';
}

// The destinations of one line of a bfchar ("<src> <dst>") or bfrange
// ("<lo> <hi> <dst>" or "<lo> <hi> [<dst> ...]") section. A single range
// destination counts up over the range, so only a one-glyph range changes.
QByteArray FixLine(const QByteArray &line, bool range)
{
    QList<QByteArray> tokens = line.split(' ');
    const qsizetype firstDestination = range ? 2 : 1;
    if (tokens.size() <= firstDestination)
        return line;
    const bool array = range && tokens[2].startsWith('[');
    if (range && !array && (tokens.size() != 3 || tokens[0] != tokens[1]))
        return line;
    for (qsizetype i = firstDestination; i < tokens.size(); ++i) {
        QByteArray &t = tokens[i];
        const bool open = t.startsWith('['), close = t.endsWith(']');
        const QByteArray code = t.mid(open ? 1 : 0, t.size() - (open ? 1 : 0) - (close ? 1 : 0));
        t = (open ? "[" : "") + FixCode(code) + (close ? "]" : "");
    }
    return tokens.join(' ');
}

} // namespace

char16_t IdeographForRadical(char16_t radical)
{
    if (radical < kFirstRadical || radical > kLastRadical)
        return radical;
    if (radical >= kFirstKangxi) {
        const QString decomposed = QChar(radical).decomposition();
        return decomposed.size() == 1 ? decomposed[0].unicode() : radical;
    }
    static const QHash<char16_t, char16_t> supplement = SupplementIdeographs();
    return supplement.value(radical, radical);
}

QByteArray NameGlyphsByIdeographs(const QByteArray &textMap)
{
    QList<QByteArray> lines = textMap.split('\n');
    enum { Outside, Chars, Ranges } section = Outside;
    for (QByteArray &line : lines) {
        if (line.endsWith("beginbfchar"))
            section = Chars;
        else if (line.endsWith("beginbfrange"))
            section = Ranges;
        else if (line.startsWith("endbf"))
            section = Outside;
        else if (section != Outside)
            line = FixLine(line, section == Ranges);
    }
    return lines.join('\n');
}
