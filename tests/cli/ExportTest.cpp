// vellora-book export and the export behind the program's menu: what a PDF
// reader finds in the file (pages, their sizes, text, pictures, title and
// author), and that a cancelled or failed export leaves no file behind.

#include "document/Base64Text.h"
#include "editor/CoverCodec.h"
#include "export/BookPdfExport.h"

#include "BookTool.h"
#include "FullDisk.h"
#include "PictureFixtures.h"
#include "TestApplication.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

static auto *const g_app = testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);

// A poppler tool's output; the command's words, then the files.
QString Poppler(const QString &command, const QStringList &files)
{
    QStringList args = command.split(QLatin1Char(' ')) + files;
    const QString program = args.takeFirst();
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What a reader of the PDF sees. CJK fonts draw radicals with the glyphs
// of their ideographs; text copied from the PDF must still be the
// ideographs (小, 片 and 页 each share a glyph with a radical).
struct PdfFacts {
    QString title, author;
    QStringList pageSizes; // "595 x 842" per page, in points
    QString text;
    QStringList pictures; // per page, the encoding of each picture: "image" (lossless) or "jpeg"
};

PdfFacts ReadPdf(const QString &pdf)
{
    PdfFacts facts;
    const QString info = Poppler(QStringLiteral("pdfinfo -f 1 -l 9999"), {pdf});
    const QRegularExpression field(QStringLiteral("^(Title|Author|Page +\\d+ size):\\s*(.*?)(?: pts.*)?$"),
                                   QRegularExpression::MultilineOption);
    for (auto m = field.globalMatch(info); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(1) == QLatin1String("Title"))
            facts.title = match.captured(2);
        else if (match.captured(1) == QLatin1String("Author"))
            facts.author = match.captured(2);
        else
            facts.pageSizes << match.captured(2);
    }
    facts.text = Poppler(QStringLiteral("pdftotext -enc UTF-8"), {pdf, QStringLiteral("-")});
    for (int page = 1; page <= facts.pageSizes.size(); ++page) {
        const QString list = Poppler(QStringLiteral("pdfimages -list -f %1 -l %1").arg(page), {pdf});
        QStringList encodings;
        for (const QString &row : list.split(QLatin1Char('\n')).mid(2)) // below the two heading lines
            if (const QStringList fields = row.simplified().split(QLatin1Char(' ')); fields.size() > 8)
                encodings << fields[8];
        facts.pictures << encodings.join(QLatin1Char(' '));
    }
    return facts;
}

// A book of four pictures: a 400 × 300 bitmap, a Windows metafile, an
// enhanced metafile and a file that is gone, with a cover and a red, centred introduction.
QString MakeBook(const ScratchDir &dir)
{
    BookDocument book = BookDocument::MakeNew();
    book.title = QStringLiteral("星空画册");
    book.author = QStringLiteral("李小明");
    book.category = QStringLiteral("童话");
    book.rating = 3;
    book.cover = CoverTextFromBitmap(fixtures::Solid(60, 40, Qt::darkGreen));
    book.intro = EncodeBase64Text("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                                  "\\qc\\cf1\\fs96 Once upon a time\\par}");
    for (const QString &path :
         {Write(dir, QStringLiteral("page.bmp"), fixtures::Encode(fixtures::TwoHalves(400, 300), "bmp")),
          Metafile("wmf_lo_shapes.wmf"), Metafile("emf_lo_text.emf"), dir.FilePath(QStringLiteral("gone 页.png"))})
        book.pictures.append(PictureEntry(path, QStringLiteral("2026-12-7 5:00"), 0));
    const QString path = dir.FilePath(QStringLiteral("book.vlr"));
    return WriteBookFile(path, book) ? path : QString();
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct PageSizeCase {
    const char *name;
    QStringList args;
    QStringList pageSizes;
};

class ExportCommand : public testing::TestWithParam<PageSizeCase> {};

TEST_P(ExportCommand, WritesTitlePagePicturesAndTheMissingFileOnTheChosenPaper)
{
    ScratchDir dir;
    const QString book = MakeBook(dir);
    ASSERT_FALSE(book.isEmpty());
    const QString pdf = dir.FilePath(QStringLiteral("book.pdf"));
    const ToolRun run = Tool(QStringList{QStringLiteral("export"), book, pdf} + GetParam().args);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    const PdfFacts facts = ReadPdf(pdf);
    EXPECT_EQ(facts.pageSizes, GetParam().pageSizes);
    EXPECT_EQ(facts.title, QStringLiteral("星空画册"));
    EXPECT_EQ(facts.author, QStringLiteral("李小明"));
    for (const QString &line :
         {QStringLiteral("星空画册"), QStringLiteral("作者: 李小明"), QStringLiteral("类别: 童话"),
          QStringLiteral("喜好: ★★★☆☆"), QStringLiteral("Once upon a time"), QStringLiteral("图片无法载入："),
          dir.FilePath(QStringLiteral("gone 页.png"))})
        EXPECT_TRUE(facts.text.contains(line)) << line.toStdString() << " not in\n" << facts.text.toStdString();
    // The cover and the bitmap are pictures, kept pixel for pixel; the
    // metafiles stay vectors.
    EXPECT_EQ(facts.pictures, (QStringList{"image", "image", "", "", ""}));
    // The introduction keeps its colour and its centring.
    const QString png = dir.FilePath(QStringLiteral("title"));
    Poppler(QStringLiteral("pdftoppm -r 30 -f 1 -l 1 -singlefile -png"), {pdf, png});
    const QImage title(png + QStringLiteral(".png"));
    ASSERT_FALSE(title.isNull());
    int left = title.width(), right = -1;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            if (const QColor c = title.pixelColor(x, y); c.red() > 200 && c.green() < 80 && c.blue() < 80)
                left = std::min(left, x), right = std::max(right, x);
    ASSERT_GE(right, 0) << "no red introduction on the title page";
    EXPECT_NEAR(left + right, title.width(), title.width() / 20);
}

INSTANTIATE_TEST_SUITE_P(PageSizes, ExportCommand,
                         testing::Values(PageSizeCase{"A4ByDefault", {}, QStringList(5, "595 x 842")},
                                         PageSizeCase{"Letter", {"--page-size", "letter"}, QStringList(5, "612 x 792")},
                                         // 400 × 300, 351 × 257 and 426 × 199 pixels at 96 dpi plus 15 mm
                                         // each side; the missing picture's page is A4.
                                         PageSizeCase{
                                             "PictureSized",
                                             {"--page-size", "picture"},
                                             {"595 x 842", "385 x 310", "348 x 278", "405 x 234", "595 x 842"}}),
                         [](const auto &instance) { return std::string(instance.param.name); });

// A cancel at any point of the progress, as the dialog's Cancel gives it,
// leaves the PDF that was there byte for byte and nothing beside it.
struct CancelCase {
    const char *name;
    int cancelAt; // the progress call (0: before the title page) that cancels
};

class CancelledExport : public testing::TestWithParam<CancelCase> {};

TEST_P(CancelledExport, LeavesTheOldFileAndNoTemporaryFile)
{
    ScratchDir dir;
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(MakeBook(dir), book));
    const QString pdf = dir.FilePath(QStringLiteral("book.pdf"));
    ASSERT_TRUE(WriteAll(pdf, "the PDF that was there"));
    const QStringList before = FilesIn(dir.Path());
    QStringList calls;
    PdfExportOptions options;
    options.progress = [&](int done, int total) {
        calls << QStringLiteral("%1/%2").arg(done).arg(total);
        return done < GetParam().cancelAt;
    };
    EXPECT_EQ(ExportBookPdf(book, pdf, options).status, PdfExportStatus::Cancelled);
    const QStringList expected = QStringList{"0/5", "1/5", "2/5", "3/5", "4/5", "5/5"}.mid(0, GetParam().cancelAt + 1);
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(ReadAll(pdf), QByteArray("the PDF that was there"));
    EXPECT_EQ(FilesIn(dir.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(Points, CancelledExport,
                         testing::Values(CancelCase{"BeforeTheTitlePage", 0}, CancelCase{"AfterAPicturePage", 2},
                                         CancelCase{"AfterTheLastPage", 5}),
                         [](const auto &instance) { return std::string(instance.param.name); });

// No room for the PDF: a full disk or a read-only folder (both on a small
// tmpfs, skipped where mounting is refused) or a file-size limit on the tool
// ends with status 1 and the reason, the old PDF byte for byte and nothing
// beside it.
struct FaultCase {
    const char *name;
    enum Kind { FileSizeLimit, FullDisk, ReadOnlyFolder } kind;
    const char *reason;
};

class ExportWithoutRoom : public testing::TestWithParam<FaultCase> {};

TEST_P(ExportWithoutRoom, FailsWithTheReasonAndKeepsTheOldFile)
{
    const FaultCase::Kind kind = GetParam().kind;
    SmallFileSystem disk;
    ScratchDir scratch;
    if (kind != FaultCase::FileSizeLimit && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit case still runs";
    const QString book = MakeBook(scratch);
    const QString folder = kind == FaultCase::FileSizeLimit ? scratch.Path() : disk.Path();
    const QString pdf = folder + QStringLiteral("book.pdf");
    ASSERT_TRUE(WriteAll(pdf, "the PDF that was there"));
    ASSERT_TRUE(kind != FaultCase::FullDisk || disk.LeaveRoom(8192));
    ASSERT_TRUE(kind != FaultCase::ReadOnlyFolder
                || ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
                       == 0);
    const QStringList before = FilesIn(folder);
    const ToolRun run = Tool({QStringLiteral("export"), book, pdf}, [kind](QProcess &p) {
        if (kind == FaultCase::FileSizeLimit)
            FileSizeLimit::ApplyTo(p, 8192);
    });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "vellora-book: cannot write \"" + QFile::encodeName(pdf) + "\": " + GetParam().reason + "\n");
    EXPECT_EQ(ReadAll(pdf), QByteArray("the PDF that was there"));
    EXPECT_EQ(FilesIn(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, ExportWithoutRoom,
                         testing::Values(FaultCase{"FileSizeLimit", FaultCase::FileSizeLimit, "File too large"},
                                         FaultCase{"FullDisk", FaultCase::FullDisk, "No space left on device"},
                                         FaultCase{"ReadOnlyFolder", FaultCase::ReadOnlyFolder,
                                                   "Read-only file system"}),
                         [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
