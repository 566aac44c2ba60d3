#include "platform/RtfKeyword.h"

#include <string_view>
#include <unordered_map>

namespace {
using K = RtfKeyword;

const std::unordered_map<std::string_view, RtfKeyword> &Table()
{
    static const std::unordered_map<std::string_view, RtfKeyword> table = {
        {"rtf", K::Rtf}, {"ansi", K::Ansi}, {"mac", K::Mac}, {"pc", K::Pc}, {"pca", K::Pca},
        {"ansicpg", K::AnsiCodePage}, {"deff", K::DefaultFont},
        {"fonttbl", K::FontTable}, {"colortbl", K::ColorTable}, {"pict", K::Picture},
        {"shppict", K::ShapePicture}, {"fldrslt", K::FieldResult},
        {"object", K::Object}, {"result", K::ObjectResult},
        // Groups whose content is never shown in the body text.
        {"stylesheet", K::SkippedDestination}, {"info", K::SkippedDestination},
        {"header", K::SkippedDestination}, {"headerl", K::SkippedDestination},
        {"headerr", K::SkippedDestination}, {"headerf", K::SkippedDestination},
        {"footer", K::SkippedDestination}, {"footerl", K::SkippedDestination},
        {"footerr", K::SkippedDestination}, {"footerf", K::SkippedDestination},
        {"footnote", K::SkippedDestination}, {"fldinst", K::SkippedDestination},
 {"nonshppict", K::SkippedDestination},
        {"listtable", K::SkippedDestination}, {"listoverridetable", K::SkippedDestination},
        {"revtbl", K::SkippedDestination}, {"rsidtbl", K::SkippedDestination},
        {"filetbl", K::SkippedDestination}, {"pn", K::SkippedDestination},
        {"pgdsctbl", K::SkippedDestination}, {"generator", K::SkippedDestination},
        {"themedata", K::SkippedDestination}, {"colorschememapping", K::SkippedDestination},
        {"latentstyles", K::SkippedDestination}, {"datastore", K::SkippedDestination},
        {"xmlnstbl", K::SkippedDestination}, {"template", K::SkippedDestination},
        {"upr", K::SkippedDestination}, {"annotation", K::SkippedDestination},
        {"atnid", K::SkippedDestination}, {"atnauthor", K::SkippedDestination},
        {"xe", K::SkippedDestination}, {"tc", K::SkippedDestination},
        {"txe", K::SkippedDestination}, {"docvar", K::SkippedDestination},
        {"userprops", K::SkippedDestination}, {"falt", K::SkippedDestination},
        {"panose", K::SkippedDestination}, {"fname", K::SkippedDestination},
        {"f", K::Font}, {"fcharset", K::FontCharset}, {"cpg", K::FontCodePage},
        {"red", K::Red}, {"green", K::Green}, {"blue", K::Blue},
        {"par", K::Par}, {"sect", K::Par}, {"page", K::Par}, {"line", K::Line}, {"tab", K::Tab},
        {"cell", K::Cell}, {"row", K::Row},
        {"emdash", K::EmDash}, {"endash", K::EnDash}, {"bullet", K::Bullet},
        {"lquote", K::LeftQuote}, {"rquote", K::RightQuote},
        {"ldblquote", K::LeftDoubleQuote}, {"rdblquote", K::RightDoubleQuote},
        {"u", K::Unicode}, {"uc", K::UnicodeSkip},
        {"plain", K::Plain}, {"fs", K::FontSize}, {"b", K::Bold}, {"i", K::Italic},
        {"ul", K::Underline}, {"uldb", K::Underline}, {"ulw", K::Underline}, {"ulth", K::Underline},
        {"uld", K::UnderlineDotted}, {"ulthd", K::UnderlineDotted},
        {"uldash", K::UnderlineDashed}, {"ulthdash", K::UnderlineDashed}, {"ulldash", K::UnderlineDashed},
        {"ulwave", K::UnderlineWave}, {"ulhwave", K::UnderlineWave}, {"ululdbwave", K::UnderlineWave},
        {"ulnone", K::UnderlineNone}, {"strike", K::Strike}, {"striked", K::Strike},
        {"super", K::Super}, {"sub", K::Sub}, {"nosupersub", K::NoSuperSub}, {"up", K::Up}, {"dn", K::Down},
        {"cf", K::Foreground}, {"cb", K::Background}, {"highlight", K::Background},
        {"chcbpat", K::Background},
        {"dbch", K::DoubleByte}, {"loch", K::SingleByte}, {"hich", K::SingleByte},
        {"afs", K::AssociatedSize}, {"ab", K::AssociatedBold}, {"ai", K::AssociatedItalic},
        {"pard", K::ParagraphDefault}, {"ql", K::AlignLeft}, {"qc", K::AlignCentre},
        {"qr", K::AlignRight}, {"qj", K::AlignJustify}, {"qd", K::AlignJustify},
        {"li", K::LeftIndent}, {"lin", K::LeftIndent}, {"ri", K::RightIndent}, {"rin", K::RightIndent},
        {"fi", K::FirstIndent}, {"sb", K::SpaceBefore}, {"sa", K::SpaceAfter},
        {"sl", K::LineSpacing}, {"slmult", K::LineMultiple},
        {"pngblip", K::PngBlip}, {"jpegblip", K::JpegBlip}, {"emfblip", K::EmfBlip},
        {"wmetafile", K::WmfBlip}, {"dibitmap", K::DibBlip}, {"wbitmap", K::DdbBlip},
        {"picw", K::PictureWidth}, {"pich", K::PictureHeight},
        {"picwgoal", K::PictureGoalWidth}, {"pichgoal", K::PictureGoalHeight},
        {"picscalex", K::PictureScaleX}, {"picscaley", K::PictureScaleY},
        {"wbmbitspixel", K::BitsPerPixel}, {"wbmwidthbytes", K::WidthBytes},
    };
    return table;
}
} // namespace

RtfKeyword LookUpRtfKeyword(QByteArrayView word)
{
    const auto &table = Table();
    const auto it = table.find(std::string_view(word.data(), size_t(word.size())));
    return it == table.end() ? RtfKeyword::Unknown : it->second;
}
