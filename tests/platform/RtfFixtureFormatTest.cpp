// Formats that other producers' files carry must arrive in the document.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include <QColor>
#include <QTextBlockFormat>

#include <gtest/gtest.h>

namespace {
enum class Check { Bold, Italic, Underline, Strike, PointSize, Foreground, Alignment, Family };

struct FormatCase {
    const char *file;
    const char16_t *needle;
    Check check;
    double value;           // points, alignment flags, or 1 for "on"
    const char *text = "";  // colour name or font family
};

class FixtureFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(FixtureFormat, CarriesTheFormat)
{
    const FormatCase &c = GetParam();
    const auto doc = ReadRtfText(ReadAll(QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(c.file)));
    const QString needle = QString::fromUtf16(c.needle);
    ASSERT_TRUE(doc->toPlainText().contains(needle)) << c.file;
    const QTextCharFormat f = FormatOf(*doc, needle);
    switch (c.check) {
    case Check::Bold: EXPECT_EQ(f.fontWeight() >= QFont::Bold, c.value != 0); break;
    case Check::Italic: EXPECT_EQ(f.fontItalic(), c.value != 0); break;
    case Check::Underline: EXPECT_EQ(f.fontUnderline(), c.value != 0); break;
    case Check::Strike: EXPECT_EQ(f.fontStrikeOut(), c.value != 0); break;
    case Check::PointSize: EXPECT_DOUBLE_EQ(f.fontPointSize(), c.value); break;
    case Check::Foreground: EXPECT_EQ(f.foreground().color(), QColor(QLatin1String(c.text))); break;
    case Check::Alignment:
        EXPECT_EQ(int(BlockWith(*doc, needle).blockFormat().alignment() & Qt::AlignHorizontal_Mask), int(c.value));
        break;
    case Check::Family: EXPECT_EQ(f.fontFamilies().toStringList().value(0), QString::fromUtf8(c.text)); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, FixtureFormat, testing::Values(
    FormatCase{"lo-from-fodt.rtf", u"Bold ", Check::Bold, 1},
    FormatCase{"lo-from-fodt.rtf", u"Plain", Check::Bold, 0},
    FormatCase{"lo-from-fodt.rtf", u"italic ", Check::Italic, 1},
    FormatCase{"lo-from-fodt.rtf", u"underline ", Check::Underline, 1},
    FormatCase{"lo-from-fodt.rtf", u"Red ", Check::Foreground, 0, "#ff0000"},
    FormatCase{"lo-from-fodt.rtf", u"Blue ", Check::Foreground, 0, "#0000ff"},
    FormatCase{"lo-from-fodt.rtf", u"Green ", Check::Foreground, 0, "#008000"},
    FormatCase{"lo-from-fodt.rtf", u"9pt", Check::PointSize, 9},
    FormatCase{"lo-from-fodt.rtf", u"小字", Check::PointSize, 9},
    FormatCase{"lo-from-fodt.rtf", u"28pt", Check::PointSize, 28},
    FormatCase{"lo-from-fodt.rtf", u"Plain", Check::PointSize, 12},
    FormatCase{"lo-from-fodt.rtf", u"Centred", Check::Alignment, double(Qt::AlignHCenter)},
    FormatCase{"lo-from-fodt.rtf", u"Right-aligned", Check::Alignment, double(Qt::AlignRight)},
    FormatCase{"pandoc-from-md.rtf", u"Heading", Check::PointSize, 18},
    FormatCase{"pandoc-from-md.rtf", u"粗体", Check::Bold, 1},
    FormatCase{"pandoc-from-md.rtf", u"斜体", Check::Italic, 1},
    FormatCase{"pandoc-from-md.rtf", u"strike", Check::Strike, 1},
    FormatCase{"pandoc-from-md.rtf", u"代码", Check::Family, 0, "Courier"},
    FormatCase{"pandoc-from-md.rtf", u"链接", Check::Underline, 1},
    FormatCase{"pod-simple-rtf-from-pod.rtf", u"Bold", Check::Bold, 1},
    FormatCase{"pod-simple-rtf-from-pod.rtf", u"Heading", Check::PointSize, 16},
    FormatCase{"re20-gbk-hex.rtf", u"小猫", Check::PointSize, 9},
    FormatCase{"re20-gbk-hex.rtf", u"小猫", Check::Family, 0, "宋体"},
    FormatCase{"re-ansicpg1252-font134.rtf", u"蜜蜂", Check::Family, 0, "SimSun"},
    FormatCase{"re-ansicpg1252-font134.rtf", u"café", Check::Family, 0, "Microsoft Sans Serif"},
    FormatCase{"re-ansicpg1252-font134.rtf", u"café", Check::PointSize, 8.5}));
} // namespace
