// Drives `vellora-book check` and `vellora-book render` as a script would.

#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <string>

using namespace fixtures;

namespace {
struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

ToolRun Tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VELLORA_BIN_DIR "/vellora-book"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString Book(const ScratchDir &dir, const QStringList &paths)
{
    BookDocument book = BookDocument::MakeNew();
    book.Title = QStringLiteral("检查");
    for (const QString &path : paths)
        book.Pictures.append(PictureEntry(path, QStringLiteral("2026-12-6 20:00"), 0));
    book.PictureCount = int(book.Pictures.size());
    const QString file = dir.file(QStringLiteral("book.vlr"));
    WriteBookFile(file, book);
    return file;
}

QString Write(const ScratchDir &dir, const QString &name, const QByteArray &bytes)
{
    WriteAll(dir.file(name), bytes);
    return dir.file(name);
}

QJsonArray Pictures(const ToolRun &run)
{
    return QJsonDocument::fromJson(run.out).object()[QStringLiteral("Pictures")].toArray();
}

bool Near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

const QString kTextEmf = QStringLiteral(VELLORA_TEST_DATA "/metafiles/emf_lo_text.emf");
} // namespace

TEST(CheckCommand, ReportsEachPictureAndFailsWhenAnyIsBad)
{
    ScratchDir dir;
    const QString bmp = Write(dir, QStringLiteral("页 1.bmp"), Encode(TwoHalves(400, 300), "bmp"));
    const QString junk = Write(dir, QStringLiteral("junk.jpg"), QByteArray::fromHex("ffd8ffe000104a464946") + "cut");
    const QString missing = dir.file(QStringLiteral("missing.gif"));
    const ToolRun run = Tool({QStringLiteral("check"), Book(dir, {bmp, junk, missing, kTextEmf})});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    // Bad pictures are the report's business, not a stream of decoder noise.
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QJsonArray pictures = Pictures(run);
    ASSERT_EQ(pictures.size(), 4) << run.out.toStdString();

    const QJsonObject ok = pictures[0].toObject();
    EXPECT_EQ(ok[QStringLiteral("Path")].toString(), bmp);
    EXPECT_EQ(ok[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    EXPECT_EQ(ok[QStringLiteral("width")].toInt(), 400);
    EXPECT_EQ(ok[QStringLiteral("height")].toInt(), 300);
    EXPECT_EQ(ok[QStringLiteral("himetricWidth")].toInt(), 10583);
    EXPECT_EQ(ok[QStringLiteral("himetricHeight")].toInt(), 7938);

    EXPECT_EQ(pictures[1].toObject()[QStringLiteral("status")].toString(), QStringLiteral("undecodable"));
    EXPECT_FALSE(pictures[1].toObject().contains(QStringLiteral("width")));
    EXPECT_EQ(pictures[2].toObject()[QStringLiteral("status")].toString(), QStringLiteral("missing"));

    const QJsonObject emf = pictures[3].toObject();
    EXPECT_EQ(emf[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    EXPECT_EQ(emf[QStringLiteral("himetricWidth")].toInt(), 11268);
    EXPECT_EQ(emf[QStringLiteral("himetricHeight")].toInt(), 5268);
    EXPECT_EQ(emf[QStringLiteral("width")].toInt(), 426);
    EXPECT_EQ(emf[QStringLiteral("height")].toInt(), 199);
}

TEST(CheckCommand, AllGoodIsExitZeroAndPathsBelowTheToolAreExpanded)
{
    ScratchDir dir;
    const QString inside = QStringLiteral(VELLORA_BIN_DIR "/check-picture-below-tool.png");
    WriteAll(inside, Encode(Solid(10, 20, Qt::green), "png"));
    const QString contracted = QStringLiteral(u"[安装目录]\\check-picture-below-tool.png");
    const ToolRun run = Tool({QStringLiteral("check"), Book(dir, {contracted})});
    QFile::remove(inside);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray pictures = Pictures(run);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("Path")].toString(), contracted);
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    EXPECT_EQ(pictures[0].toObject()[QStringLiteral("height")].toInt(), 20);
}

TEST(CheckCommand, UnreadableBookIsExitOne)
{
    ScratchDir dir;
    EXPECT_EQ(Tool({QStringLiteral("check"), Write(dir, QStringLiteral("x.vlr"), "nonsense")}).exitCode, 1);
    EXPECT_EQ(Tool({QStringLiteral("check"), dir.file(QStringLiteral("none.vlr"))}).exitCode, 1);
    EXPECT_EQ(Tool({QStringLiteral("check")}).exitCode, 2);
}

struct RenderCase {
    const char *name;
    QStringList sizeArgs;
    QSize expected;
};
void PrintTo(const RenderCase &c, std::ostream *os) { *os << c.name; }

class RenderCommand : public testing::TestWithParam<RenderCase> {};

TEST_P(RenderCommand, DrawsThePictureStretchedIntoThePng)
{
    ScratchDir dir;
    const QString picture = Write(dir, QStringLiteral("p.bmp"), Encode(TwoHalves(400, 300), "bmp"));
    const QString out = dir.file(QStringLiteral("out.png"));
    const ToolRun run = Tool(QStringList{QStringLiteral("render"), picture, out} + GetParam().sizeArgs);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), GetParam().expected);
    const int w = image.width(), h = image.height();
    EXPECT_TRUE(Near(image.pixelColor(w / 4, h / 2), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(w - 2, h - 2), Qt::blue));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RenderCommand, testing::Values(
    RenderCase{"OwnSize", {}, {400, 300}},
    RenderCase{"Stretched", {QStringLiteral("--width"), QStringLiteral("800"), QStringLiteral("--height"), QStringLiteral("300")}, {800, 300}},
    RenderCase{"HeightOnly", {QStringLiteral("--height"), QStringLiteral("30")}, {400, 30}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderCommandFailures, MetafileRendersAndBadInputIsOneLine)
{
    ScratchDir dir;
    const QString out = dir.file(QStringLiteral("m.png"));
    const ToolRun metafile = Tool({QStringLiteral("render"), kTextEmf, out, QStringLiteral("--width"), QStringLiteral("852")});
    ASSERT_EQ(metafile.exitCode, 0) << metafile.err.toStdString();
    EXPECT_EQ(QImage(out).size(), QSize(852, 199));

    const ToolRun bad = Tool({QStringLiteral("render"), Write(dir, QStringLiteral("b.gif"), "GIF89a"), dir.file(QStringLiteral("b.png"))});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.trimmed().split('\n').last().startsWith("vellora-book: cannot load picture")) << bad.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("b.png"))));

    EXPECT_EQ(Tool({QStringLiteral("render"), kTextEmf, out, QStringLiteral("--width"), QStringLiteral("0")}).exitCode, 2);
    EXPECT_EQ(Tool({QStringLiteral("render"), kTextEmf}).exitCode, 2);
}
