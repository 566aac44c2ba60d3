#include "formats/rtf/RtfReader.h"

#include "formats/CodePage.h"
#include "formats/rtf/RtfKeyword.h"
#include "formats/rtf/RtfPicture.h"
#include "formats/rtf/RtfPictureFormat.h"
#include "formats/rtf/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>
#include <map>
#include <vector>

namespace {
// Deeper nesting than this is never written by a real producer; groups
// beyond it are skipped whole, so a hostile file cannot grow the stack.
constexpr int kMaxGroupDepth = 512;
// No colour table of a real document comes near this.
constexpr int kMaxColours = 4096;
// Half-points: 1 to 1638 points, the range rich-edit controls accept.
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kDefaultHalfPoints = 24;
// Twips: 22 inches, the widest page RTF describes.
constexpr int kMaxTwips = 31680;
// Decoded pictures of one introduction together take no more memory than
// this; a real introduction holds a few screenfuls of pictures.
constexpr qint64 kMaxPictureBytes = 256ll * 1024 * 1024;
// A \ucN fallback longer than this is no fallback.
constexpr int kMaxUnicodeSkip = 16;

// Object: an embedded object, of which only the picture in its \result
// group is shown (how rich edit keeps a picture pasted from Paint).
enum class Dest { Text, FontTable, ColorTable, Picture, Object, Skip };

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment valign = QTextCharFormat::AlignNormal;
    int foreground = 0; // colour table index; 0 is "automatic"
    int background = 0;
    // After \dbch, the associated size, bold and italic (where given) apply
    // instead: that is how LibreOffice formats Chinese text apart from Latin.
    bool doubleByte = false;
    int associatedHalfPoints = -1;
    int associatedBold = -1;
    int associatedItalic = -1;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0; // twips
    int lineSpacing = 0;                                       // \sl: 0 single, > 0 at least / multiple, < 0 exactly
    bool lineMultiple = false;
};

struct GroupState {
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int unicodeSkip = 1;
    bool starred = false; // the group began with \*: skip it unless we know its destination
};

struct FontEntry {
    QString name;
    int charset = -1;
    int codePage = 0; // from \cpg; 0 when absent
};

int ClampTwips(int v) { return std::clamp(v, -kMaxTwips, kMaxTwips); }

class DocumentReader {
public:
    DocumentReader(QByteArrayView rtf, QTextDocument &doc) : tokens_(rtf), doc_(doc), cursor_(&doc) {}
    void Run();

private:
    GroupState &State() { return stack_.back(); }
    void OpenGroup();
    void CloseGroup();
    void OnWord(const RtfToken &t);
    void OnSymbol(char c);
    void OnText(QByteArrayView bytes);
    void OnHexByte(unsigned char b);
    void OnBinary(QByteArrayView bytes);

    bool SetDestination(Dest dest);
    void OnFontTableWord(RtfKeyword k, const RtfToken &t);
    void OnColorTableWord(RtfKeyword k, const RtfToken &t);
    void OnPictureWord(RtfKeyword k, const RtfToken &t);
    void OnCharOrParaWord(RtfKeyword k, const RtfToken &t);
    void CommitFont();
    void FinishPicture();

    int CodePageOf(int font) const;
    void AddByte(char b);
    void AddUnit(char16_t unit);
    void FlushBytes();
    void FlushText();
    void OpenBlockForContent();
    void EndParagraph();
    void FinishLastParagraph();
    QTextCharFormat CharFormat() const;
    QTextBlockFormat BlockFormat() const;

    RtfTokenizer tokens_;
    QTextDocument &doc_;
    QTextCursor cursor_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    bool done_ = false;
    bool finished_ = false;

    int ansiCodePage_ = kCodePageWestern;
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    std::vector<QColor> colours_;

    // Font table entry being read.
    int tableFont_ = -1;
    FontEntry tableEntry_;
    QByteArray tableNameBytes_;
    // Colour table entry being read.
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;

    RtfPictureData picture_;
    int pictureNibble_ = -1;
    int pictureCount_ = 0;
    qint64 pictureBytesLeft_ = kMaxPictureBytes;

    int skip_ = 0; // \uN fallback characters still to drop
    QByteArray pendingBytes_;
    int pendingCodePage_ = kCodePageWestern;
    QString pendingText_;
    std::map<int, CodePageDecoder> decoders_; // one per code page, made once
    bool blockOpen_ = true;
};

void DocumentReader::Run()
{
    doc_.clear();
    const bool undo = doc_.isUndoRedoEnabled();
    doc_.setUndoRedoEnabled(false);
    cursor_ = QTextCursor(&doc_);
    cursor_.beginEditBlock();

    while (!done_) {
        const RtfToken t = tokens_.Next();
        if (t.kind == RtfToken::Kind::End)
            break;
        if (overflowDepth_ > 0) {
            if (t.kind == RtfToken::Kind::GroupOpen)
                ++overflowDepth_;
            else if (t.kind == RtfToken::Kind::GroupClose)
                --overflowDepth_;
            continue;
        }
        switch (t.kind) {
        case RtfToken::Kind::GroupOpen: OpenGroup(); break;
        case RtfToken::Kind::GroupClose: CloseGroup(); break;
        case RtfToken::Kind::ControlWord: OnWord(t); break;
        case RtfToken::Kind::ControlSymbol: OnSymbol(t.symbol); break;
        case RtfToken::Kind::Text: OnText(t.bytes); break;
        case RtfToken::Kind::HexByte: OnHexByte(t.byte); break;
        case RtfToken::Kind::Binary: OnBinary(t.bytes); break;
        case RtfToken::Kind::End: break;
        }
    }
    // A truncated stream ends here with groups still open: finish what
    // they hold as if they had been closed.
    while (stack_.size() > 1)
        CloseGroup();
    FinishLastParagraph();
    cursor_.endEditBlock();
    doc_.setUndoRedoEnabled(undo);
    doc_.setModified(false);
}

void DocumentReader::OpenGroup()
{
    FlushText();
    skip_ = 0;
    if (stack_.empty()) {
        stack_.emplace_back();
        return;
    }
    if (int(stack_.size()) >= kMaxGroupDepth) {
        overflowDepth_ = 1;
        return;
    }
    GroupState next = State();
    next.starred = false;
    stack_.push_back(next);
}

void DocumentReader::CloseGroup()
{
    FlushText();
    skip_ = 0;
    if (stack_.empty())
        return;
    const GroupState closing = State();
    const Dest parent = stack_.size() > 1 ? stack_[stack_.size() - 2].dest : Dest::Skip;
    if (closing.dest == Dest::FontTable && parent == Dest::FontTable)
        CommitFont();
    if (closing.dest == Dest::Picture && parent != Dest::Picture) {
        stack_.pop_back();
        FinishPicture();
        return;
    }
    if (stack_.size() == 1) {
        FinishLastParagraph();
        done_ = true; // bytes after the final brace (rich edit appends a NUL) are not ours
    }
    stack_.pop_back();
}

void DocumentReader::FinishLastParagraph()
{
    if (finished_)
        return;
    finished_ = true;
    FlushText();
    // A last paragraph without a paragraph mark takes the properties in
    // force at the end of the document.
    if (blockOpen_)
        cursor_.setBlockFormat(BlockFormat());
}

bool DocumentReader::SetDestination(Dest dest)
{
    GroupState &s = State();
    if (s.dest == Dest::Skip)
        return false;
    s.dest = dest;
    return true;
}

void DocumentReader::OnWord(const RtfToken &t)
{
    if (stack_.empty())
        return;
    const RtfKeyword k = LookUpRtfKeyword(t.bytes);
    GroupState &s = State();
    if (s.dest == Dest::Skip)
        return;
    if (skip_ > 0 && s.dest == Dest::Text) {
        --skip_;
        return;
    }
    const bool starred = s.starred;
    s.starred = false;

    switch (k) {
    case RtfKeyword::FontTable:
        FlushText();
        SetDestination(Dest::FontTable);
        tableFont_ = -1;
        return;
    case RtfKeyword::ColorTable:
        FlushText();
        SetDestination(Dest::ColorTable);
        colours_.clear();
        red_ = green_ = blue_ = 0;
        colourGiven_ = false;
        return;
    case RtfKeyword::Picture:
        FlushText();
        if (SetDestination(Dest::Picture)) {
            picture_ = RtfPictureData();
            pictureNibble_ = -1;
        }
        return;
    case RtfKeyword::ShapePicture:
    case RtfKeyword::FieldResult: return; // read as ordinary content
    case RtfKeyword::Object:
        FlushText();
        SetDestination(Dest::Object);
        return;
    case RtfKeyword::ObjectResult:
        if (s.dest == Dest::Object)
            s.dest = Dest::Text;
        return;
    case RtfKeyword::SkippedDestination:
        FlushText();
        SetDestination(Dest::Skip);
        return;
    default: break;
    }
    if (starred) {
        // {\*\word ...}: a destination we do not know, skipped whole.
        FlushText();
        SetDestination(Dest::Skip);
        return;
    }

    switch (s.dest) {
    case Dest::FontTable: OnFontTableWord(k, t); return;
    case Dest::ColorTable: OnColorTableWord(k, t); return;
    case Dest::Picture: OnPictureWord(k, t); return;
    case Dest::Object:
    case Dest::Skip: return;
    case Dest::Text: break;
    }
    OnCharOrParaWord(k, t);
}

void DocumentReader::OnCharOrParaWord(RtfKeyword k, const RtfToken &t)
{
    GroupState &s = State();
    CharState &ch = s.ch;
    ParaState &para = s.para;
    const int p = t.param;
    const bool on = !t.hasParam || p != 0;
    switch (k) {
    case RtfKeyword::Ansi: ansiCodePage_ = kCodePageWestern; return;
    case RtfKeyword::Mac: ansiCodePage_ = 10000; return;
    case RtfKeyword::Pc: ansiCodePage_ = 437; return;
    case RtfKeyword::Pca: ansiCodePage_ = 850; return;
    case RtfKeyword::AnsiCodePage:
        if (t.hasParam && IsDecodableCodePage(p))
            ansiCodePage_ = p;
        return;
    case RtfKeyword::DefaultFont:
        if (t.hasParam)
            defaultFont_ = p;
        return;
    case RtfKeyword::Par: EndParagraph(); return;
    case RtfKeyword::Row: EndParagraph(); return;
    case RtfKeyword::Line: AddUnit(QChar::LineSeparator); return;
    case RtfKeyword::Tab:
    case RtfKeyword::Cell: AddUnit(u'\t'); return;
    case RtfKeyword::EmDash: AddUnit(u'\u2014'); return;
    case RtfKeyword::EnDash: AddUnit(u'\u2013'); return;
    case RtfKeyword::Bullet: AddUnit(u'\u2022'); return;
    case RtfKeyword::LeftQuote: AddUnit(u'\u2018'); return;
    case RtfKeyword::RightQuote: AddUnit(u'\u2019'); return;
    case RtfKeyword::LeftDoubleQuote: AddUnit(u'\u201c'); return;
    case RtfKeyword::RightDoubleQuote: AddUnit(u'\u201d'); return;
    case RtfKeyword::Unicode:
        if (!t.hasParam)
            return;
        // Values above 32767 come as negative numbers (or, from some
        // producers, unsigned); either way the low 16 bits are the unit.
        AddUnit(char16_t(static_cast<unsigned>(p) & 0xffffu));
        skip_ = s.unicodeSkip;
        return;
    case RtfKeyword::UnicodeSkip:
        if (t.hasParam)
            s.unicodeSkip = std::clamp(p, 0, kMaxUnicodeSkip);
        return;
    default: break;
    }

    // A word we do not know leaves the text alone (a lead byte before it
    // still joins its trail byte after it).
    if (k == RtfKeyword::Unknown)
        return;
    // Everything below changes a format: text so far keeps the old one.
    FlushText();
    switch (k) {
    case RtfKeyword::Plain: {
        ch = CharState();
        return;
    }
    case RtfKeyword::Font:
        if (t.hasParam)
            ch.font = p;
        return;
    case RtfKeyword::FontSize:
        ch.halfPoints = (t.hasParam && p > 0) ? std::clamp(p, kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        return;
    case RtfKeyword::Bold: ch.bold = on; return;
    case RtfKeyword::Italic: ch.italic = on; return;
    case RtfKeyword::Strike: ch.strike = on; return;
    case RtfKeyword::Underline:
        ch.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::UnderlineDotted:
        ch.underline = on ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::UnderlineDashed:
        ch.underline = on ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::UnderlineWave:
        ch.underline = on ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline;
        return;
    case RtfKeyword::UnderlineNone: ch.underline = QTextCharFormat::NoUnderline; return;
    case RtfKeyword::Super: ch.valign = on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal; return;
    case RtfKeyword::Sub: ch.valign = on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal; return;
    case RtfKeyword::NoSuperSub: ch.valign = QTextCharFormat::AlignNormal; return;
    case RtfKeyword::Up:
        ch.valign = (t.hasParam && p == 0) ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSuperScript;
        return;
    case RtfKeyword::Down:
        ch.valign = (t.hasParam && p == 0) ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSubScript;
        return;
    case RtfKeyword::DoubleByte: ch.doubleByte = true; return;
    case RtfKeyword::SingleByte: ch.doubleByte = false; return;
    case RtfKeyword::AssociatedSize:
        ch.associatedHalfPoints = (t.hasParam && p > 0) ? std::clamp(p, kMinHalfPoints, kMaxHalfPoints) : -1;
        return;
    case RtfKeyword::AssociatedBold: ch.associatedBold = on; return;
    case RtfKeyword::AssociatedItalic: ch.associatedItalic = on; return;
    case RtfKeyword::Foreground: ch.foreground = t.hasParam ? std::max(p, 0) : 0; return;
    case RtfKeyword::Background: ch.background = t.hasParam ? std::max(p, 0) : 0; return;
    case RtfKeyword::ParagraphDefault: para = ParaState(); return;
    case RtfKeyword::AlignLeft: para.align = Qt::AlignLeft; return;
    case RtfKeyword::AlignCentre: para.align = Qt::AlignHCenter; return;
    case RtfKeyword::AlignRight: para.align = Qt::AlignRight; return;
    case RtfKeyword::AlignJustify: para.align = Qt::AlignJustify; return;
    case RtfKeyword::LeftIndent: para.left = ClampTwips(p); return;
    case RtfKeyword::RightIndent: para.right = ClampTwips(p); return;
    case RtfKeyword::FirstIndent: para.first = ClampTwips(p); return;
    case RtfKeyword::SpaceBefore: para.before = std::max(0, ClampTwips(p)); return;
    case RtfKeyword::SpaceAfter: para.after = std::max(0, ClampTwips(p)); return;
    case RtfKeyword::LineSpacing: para.lineSpacing = ClampTwips(p); return;
    case RtfKeyword::LineMultiple: para.lineMultiple = on; return;
    default: return; // a control word we have no use for
    }
}

void DocumentReader::OnFontTableWord(RtfKeyword k, const RtfToken &t)
{
    switch (k) {
    case RtfKeyword::Font:
        if (tableFont_ >= 0 && (!tableNameBytes_.isEmpty() || !tableEntry_.name.isEmpty()))
            CommitFont();
        tableFont_ = t.hasParam ? t.param : -1;
        tableEntry_ = FontEntry();
        tableNameBytes_.clear();
        return;
    case RtfKeyword::FontCharset: tableEntry_.charset = t.param; return;
    case RtfKeyword::FontCodePage:
        if (IsDecodableCodePage(t.param))
            tableEntry_.codePage = t.param;
        return;
    case RtfKeyword::Unicode: {
        const int cp = tableEntry_.codePage > 0 ? tableEntry_.codePage : CodePageForCharset(tableEntry_.charset);
        tableEntry_.name += DecodeCodePage(tableNameBytes_, cp > 0 ? cp : ansiCodePage_);
        tableNameBytes_.clear();
        tableEntry_.name += QChar(char16_t(static_cast<unsigned>(t.param) & 0xffffu));
        skip_ = State().unicodeSkip;
        return;
    }
    default: return;
    }
}

void DocumentReader::CommitFont()
{
    if (tableFont_ < 0)
        return;
    int cp = tableEntry_.codePage > 0 ? tableEntry_.codePage : CodePageForCharset(tableEntry_.charset);
    if (cp <= 0)
        cp = ansiCodePage_;
    tableEntry_.name += DecodeCodePage(tableNameBytes_, cp);
    tableEntry_.name = tableEntry_.name.trimmed();
    fonts_.insert(tableFont_, tableEntry_);
    tableFont_ = -1;
    tableEntry_ = FontEntry();
    tableNameBytes_.clear();
}

void DocumentReader::OnColorTableWord(RtfKeyword k, const RtfToken &t)
{
    const int v = std::clamp(t.param, 0, 255);
    switch (k) {
    case RtfKeyword::Red:
        red_ = v;
        colourGiven_ = true;
        return;
    case RtfKeyword::Green:
        green_ = v;
        colourGiven_ = true;
        return;
    case RtfKeyword::Blue:
        blue_ = v;
        colourGiven_ = true;
        return;
    default: return;
    }
}

void DocumentReader::OnPictureWord(RtfKeyword k, const RtfToken &t)
{
    const int p = t.param;
    using Kind = RtfPictureData::Kind;
    switch (k) {
    case RtfKeyword::PngBlip: picture_.kind = Kind::Png; return;
    case RtfKeyword::JpegBlip: picture_.kind = Kind::Jpeg; return;
    case RtfKeyword::EmfBlip: picture_.kind = Kind::Emf; return;
    case RtfKeyword::WmfBlip: picture_.kind = Kind::Wmf; return;
    case RtfKeyword::DibBlip: picture_.kind = Kind::Dib; return;
    case RtfKeyword::DdbBlip: picture_.kind = Kind::Ddb; return;
    case RtfKeyword::PictureWidth: picture_.width = p; return;
    case RtfKeyword::PictureHeight: picture_.height = p; return;
    case RtfKeyword::PictureGoalWidth: picture_.goalWidth = p; return;
    case RtfKeyword::PictureGoalHeight: picture_.goalHeight = p; return;
    case RtfKeyword::PictureScaleX: picture_.scaleX = p; return;
    case RtfKeyword::PictureScaleY: picture_.scaleY = p; return;
    case RtfKeyword::BitsPerPixel: picture_.ddbBitsPerPixel = p; return;
    case RtfKeyword::WidthBytes: picture_.ddbWidthBytes = p; return;
    default: return;
    }
}

void DocumentReader::FinishPicture()
{
    if (picture_.bytes.isEmpty())
        return;
    using Kind = RtfPictureData::Kind;
    const qint64 needed = RtfPictureDecodedBytes(picture_);
    QImage image;
    if (needed >= 0 && needed <= pictureBytesLeft_)
        image = DecodeRtfPicture(picture_);
    QTextImageFormat format;
    QSize size;
    if (!image.isNull()) {
        pictureBytesLeft_ -= image.sizeInBytes();
        size = RtfPictureDisplaySize(picture_, RtfPictureNaturalPixels(picture_, image.size()));
    } else {
        // Keep what we cannot show (a metafile without a player, a bitmap
        // beyond what one introduction may take in memory): a blank stands
        // in for it on screen and the original goes back out when written.
        // Damaged bitmaps are dropped.
        const bool metafile = picture_.kind == Kind::Wmf || picture_.kind == Kind::Emf;
        const bool tooBig =
            needed > pictureBytesLeft_
            && (picture_.kind == Kind::Png || picture_.kind == Kind::Jpeg || picture_.kind == Kind::Dib);
        if (!metafile && !tooBig)
            return;
        size = RtfPictureDisplaySize(picture_, RtfPictureNaturalPixels(picture_, QSize()));
        image = QImage(1, 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        format.setProperty(kRtfOriginalBlipKind, int(picture_.kind));
        format.setProperty(kRtfOriginalBlipBytes, picture_.bytes);
        format.setProperty(kRtfOriginalBlipWidth, picture_.width);
        format.setProperty(kRtfOriginalBlipHeight, picture_.height);
    }
    const QString name = QStringLiteral("rtf-picture-%1").arg(++pictureCount_);
    doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    OpenBlockForContent();
    cursor_.insertImage(format);
    picture_ = RtfPictureData();
}

void DocumentReader::OnSymbol(char c)
{
    if (stack_.empty())
        return;
    GroupState &s = State();
    if (s.dest == Dest::Skip)
        return;
    if (c == '*') {
        s.starred = true;
        return;
    }
    if (skip_ > 0 && s.dest == Dest::Text) {
        --skip_;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        if (s.dest == Dest::Text)
            AddByte(c);
        else if (s.dest == Dest::FontTable)
            tableNameBytes_ += c;
        return;
    case '~': AddUnit(u'\u00a0'); return;
    case '-': AddUnit(u'\u00ad'); return;
    case '_': AddUnit(u'\u2011'); return;
    case '\t': AddUnit(u'\t'); return;
    case '\n':
        if (s.dest == Dest::Text)
            EndParagraph();
        return;
    default: return; // \| \: and other symbols of formulas and indexes
    }
}

void DocumentReader::OnText(QByteArrayView bytes)
{
    if (stack_.empty())
        return;
    GroupState &s = State();
    switch (s.dest) {
    case Dest::Object:
    case Dest::Skip: return;
    case Dest::Text: {
        qsizetype i = 0;
        if (skip_ > 0) {
            const qsizetype n = std::min<qsizetype>(skip_, bytes.size());
            skip_ -= int(n);
            i = n;
        }
        const int cp = CodePageOf(s.ch.font);
        if (i < bytes.size()) {
            if (!pendingBytes_.isEmpty() && pendingCodePage_ != cp)
                FlushBytes();
            pendingCodePage_ = cp;
            pendingBytes_.append(bytes.sliced(i));
        }
        return;
    }
    case Dest::FontTable:
        for (char c : bytes) {
            if (skip_ > 0)
                --skip_;
            else if (c == ';')
                CommitFont();
            else if (tableFont_ >= 0)
                tableNameBytes_ += c;
        }
        return;
    case Dest::ColorTable:
        for (char c : bytes) {
            if (c != ';')
                continue;
            if (int(colours_.size()) < kMaxColours)
                colours_.push_back(colourGiven_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colourGiven_ = false;
        }
        return;
    case Dest::Picture:
        for (char c : bytes) {
            int v;
            if (c >= '0' && c <= '9')
                v = c - '0';
            else if (c >= 'a' && c <= 'f')
                v = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v = c - 'A' + 10;
            else
                continue;
            if (pictureNibble_ < 0) {
                pictureNibble_ = v;
            } else {
                picture_.bytes += char(pictureNibble_ * 16 + v);
                pictureNibble_ = -1;
            }
        }
        return;
    }
}

void DocumentReader::OnHexByte(unsigned char b)
{
    if (stack_.empty())
        return;
    const GroupState &s = State();
    if (s.dest == Dest::FontTable) {
        if (tableFont_ >= 0) {
            if (skip_ > 0)
                --skip_;
            else
                tableNameBytes_ += char(b);
        }
        return;
    }
    if (s.dest != Dest::Text)
        return;
    if (skip_ > 0) {
        --skip_;
        return;
    }
    AddByte(char(b));
}

void DocumentReader::OnBinary(QByteArrayView bytes)
{
    if (stack_.empty())
        return;
    if (State().dest == Dest::Picture) {
        picture_.bytes.append(bytes);
    } else if (skip_ > 0 && State().dest == Dest::Text) {
        --skip_;
    }
}

int DocumentReader::CodePageOf(int font) const
{
    const auto it = fonts_.constFind(font < 0 ? defaultFont_ : font);
    if (it == fonts_.constEnd())
        return ansiCodePage_;
    if (it->codePage > 0)
        return it->codePage;
    const int cp = CodePageForCharset(it->charset);
    return cp > 0 ? cp : ansiCodePage_;
}

void DocumentReader::AddByte(char b)
{
    const int cp = CodePageOf(State().ch.font);
    if (!pendingBytes_.isEmpty() && pendingCodePage_ != cp)
        FlushBytes();
    pendingCodePage_ = cp;
    pendingBytes_ += b;
}

void DocumentReader::AddUnit(char16_t unit)
{
    if (State().dest != Dest::Text)
        return;
    FlushBytes();
    pendingText_ += QChar(unit);
}

void DocumentReader::FlushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    // Whole runs go through the decoder at once, so a double-byte
    // character written as two \'hh escapes joins up again.
    // A lead byte left without its trail byte shows as a replacement
    // character rather than vanishing.
    auto it = decoders_.find(pendingCodePage_);
    if (it == decoders_.end())
        it = decoders_.emplace(pendingCodePage_, CodePageDecoder(pendingCodePage_)).first;
    pendingText_ += it->second.Decode(pendingBytes_);
    pendingText_ += it->second.Flush();
    pendingBytes_.clear();
}

void DocumentReader::FlushText()
{
    FlushBytes();
    if (pendingText_.isEmpty())
        return;
    OpenBlockForContent();
    cursor_.insertText(pendingText_, CharFormat());
    pendingText_.clear();
}

void DocumentReader::OpenBlockForContent()
{
    if (blockOpen_)
        return;
    cursor_.insertBlock();
    blockOpen_ = true;
}

void DocumentReader::EndParagraph()
{
    FlushText();
    OpenBlockForContent();
    // Paragraph properties are those in force at the paragraph mark.
    cursor_.setBlockFormat(BlockFormat());
    cursor_.setBlockCharFormat(CharFormat());
    blockOpen_ = false;
}

QTextCharFormat DocumentReader::CharFormat() const
{
    const CharState &ch = stack_.empty() ? CharState() : stack_.back().ch;
    QTextCharFormat f;
    const auto font = fonts_.constFind(ch.font < 0 ? defaultFont_ : ch.font);
    if (font != fonts_.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    const bool associated = ch.doubleByte;
    f.setFontPointSize((associated && ch.associatedHalfPoints > 0 ? ch.associatedHalfPoints : ch.halfPoints) / 2.0);
    if (associated && ch.associatedBold >= 0 ? ch.associatedBold != 0 : ch.bold)
        f.setFontWeight(QFont::Bold);
    if (associated && ch.associatedItalic >= 0 ? ch.associatedItalic != 0 : ch.italic)
        f.setFontItalic(true);
    if (ch.underline != QTextCharFormat::NoUnderline)
        f.setUnderlineStyle(ch.underline);
    if (ch.strike)
        f.setFontStrikeOut(true);
    if (ch.valign != QTextCharFormat::AlignNormal)
        f.setVerticalAlignment(ch.valign);
    if (ch.foreground > 0 && ch.foreground < int(colours_.size()) && colours_[size_t(ch.foreground)].isValid())
        f.setForeground(colours_[size_t(ch.foreground)]);
    if (ch.background > 0 && ch.background < int(colours_.size()) && colours_[size_t(ch.background)].isValid())
        f.setBackground(colours_[size_t(ch.background)]);
    return f;
}

QTextBlockFormat DocumentReader::BlockFormat() const
{
    const ParaState &p = stack_.empty() ? ParaState() : stack_.back().para;
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / kTwipsPerPixel);
    f.setRightMargin(p.right / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    // Exactly one line (240 with \slmult1) is the default spacing.
    if (p.lineSpacing > 0 && p.lineMultiple && p.lineSpacing != 240)
        f.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.lineSpacing > 0 && !p.lineMultiple)
        f.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (p.lineSpacing < 0)
        f.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    return f;
}

bool LooksLikeRtf(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}
} // namespace

bool ReadRtf(QByteArrayView rtf, QTextDocument &document)
{
    if (!LooksLikeRtf(rtf)) {
        document.clear();
        return false;
    }
    DocumentReader(rtf, document).Run();
    return true;
}
