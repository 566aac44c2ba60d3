// Every command's refusals: the exit status, the message, and no output file
// left behind. "@" stands for a scratch folder holding page.jpg, x>y.jpg,
// junk.vlr (not a book) and junk.gif (a bare header); "%" for the metafiles.

#include "BookTool.h"

#include <gtest/gtest.h>

namespace {

struct ExitCase {
    const char *name;
    QStringList args;
    int exitCode;
    const char *message;  // in the output when 0, in the errors otherwise; nullptr: not checked
};
void PrintTo(const ExitCase &c, std::ostream *os) { *os << c.name; }

class ExitStatus : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitStatus, IsAsTheTableSays)
{
    ScratchDir dir;
    Write(dir, QStringLiteral("page.jpg"), "a page");
    Write(dir, QStringLiteral("x>y.jpg"), "a page");
    Write(dir, QStringLiteral("junk.vlr"), "not a book");
    Write(dir, QStringLiteral("junk.gif"), "GIF89a");
    QStringList args = GetParam().args;
    for (QString &a : args)
        a.replace(QLatin1Char('@'), dir.path()).replace(QLatin1Char('%'), Metafile(""));
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    if (GetParam().message) {
        EXPECT_TRUE((run.exitCode == 0 ? run.out : run.err).contains(GetParam().message)) << run.err.toStdString();
    }
    EXPECT_TRUE(run.exitCode == 0 || run.out.isEmpty());
    if (run.exitCode == 1) {
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();  // a failure is one line
    }
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("new.vlr"))));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("out.png"))));
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitStatus, testing::Values(
    ExitCase{"Help", {"--help"}, 0, "usage:"}, ExitCase{"InfoHelp", {"info", "--help"}, 0, "usage:"},
    ExitCase{"CreateHelp", {"create", "--help"}, 0, "usage:"}, ExitCase{"NoCommand", {}, 2, "usage:"},
    ExitCase{"UnknownCommand", {"frobnicate"}, 2, "usage:"}, ExitCase{"InfoWithoutBook", {"info"}, 2, "usage:"},
    ExitCase{"InfoOfTwoBooks", {"info", "a", "b"}, 2, "usage:"},
    ExitCase{"CreateWithoutPictures", {"create", "@new.vlr"}, 2, "usage:"},
    ExitCase{"RatingAboveFive", {"create", "@new.vlr", "--rating", "9", "@page.jpg"}, 2, "usage:"},
    ExitCase{"UnknownOption", {"create", "@new.vlr", "--colour", "red", "@page.jpg"}, 2, "usage:"},
    ExitCase{"OptionWithoutValue", {"create", "@new.vlr", "--title"}, 2, "usage:"},
    ExitCase{"InfoOfANonBook", {"info", "@junk.vlr"}, 1, nullptr},
    ExitCase{"IntroOfAMissingBook", {"intro", "@missing.vlr"}, 1, nullptr},
    ExitCase{"IntroOfANonBook", {"intro", "@junk.vlr"}, 1, nullptr},
    ExitCase{"IntroUnknownFormat", {"intro", "@junk.vlr", "--format", "xml"}, 2, nullptr},
    ExitCase{"IntroWithoutBook", {"intro"}, 2, nullptr},
    ExitCase{"IntroOfTwoBooks", {"intro", "@a.vlr", "@b.vlr"}, 2, nullptr},
    ExitCase{"MissingIntroFile", {"create", "@new.vlr", "--intro", "@none.rtf", "@page.jpg"}, 1, nullptr},
    ExitCase{"IntroIsAFolder", {"create", "@new.vlr", "--intro", "@", "@page.jpg"}, 1, nullptr},
    ExitCase{"MissingPictures", {"create", "@new.vlr", "@page.jpg", "@gone.png", "@"}, 1, "gone.png"},
    // Texts the format cannot carry.
    ExitCase{"TitleWithLineBreak", {"create", "@new.vlr", "--title", "a\nb", "@page.jpg"}, 1, nullptr},
    ExitCase{"PathWithGreaterThan", {"create", "@new.vlr", "@x>y.jpg"}, 1, nullptr},
    ExitCase{"AuthorIsAMarker", {"create", "@new.vlr", "--author", "<intro_begin>", "@page.jpg"}, 1, nullptr},
    ExitCase{"CheckANonBook", {"check", "@junk.vlr"}, 1, nullptr},
    ExitCase{"CheckAMissingBook", {"check", "@none.vlr"}, 1, nullptr},
    ExitCase{"CheckWithoutBook", {"check"}, 2, nullptr},
    ExitCase{"RenderABadPicture", {"render", "@junk.gif", "@out.png"}, 1, "vellora-book: cannot load picture"},
    ExitCase{"RenderZeroWidth", {"render", "%emf_lo_text.emf", "@out.png", "--width", "0"}, 2, nullptr},
    ExitCase{"RenderWithoutOutput", {"render", "%emf_lo_text.emf"}, 2, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
