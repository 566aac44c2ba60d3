// vellora-book check and render over raster pictures and Windows metafiles.

#include "PictureFixtures.h"

#include "BookTool.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {

struct Checked {
    const char *status;
    QSize pixels, himetric; // empty when the picture does not load
};

TEST(CheckCommand, ReportsEachPictureAndFailsWhenAnyIsBad)
{
    ScratchDir dir;
    const QStringList paths{Write(dir, QStringLiteral("页 1.bmp"), Encode(TwoHalves(400, 300), "bmp")),
                            Write(dir, QStringLiteral("junk.jpg"), QByteArray::fromHex("ffd8ffe000104a464946") + "cut"),
                            dir.FilePath(QStringLiteral("missing.gif")),
                            Metafile("emf_lo_text.emf"),
                            Metafile("wmf_lo_shapes.wmf"),
                            Metafile("wmf_lo_text.wmf"),
                            Metafile("wmf_lo_shapes_nonplaceable.wmf"),
                            Metafile("broken_truncated.wmf")};
    const Checked expected[] = {{"ok", {400, 300}, {10583, 7938}},
                                {"undecodable", {}, {}},
                                {"missing", {}, {}},
                                {"ok", {426, 199}, {11268, 5268}},
                                {"ok", {351, 257}, {9288, 6788}},
                                {"ok", {426, 199}, {11268, 5268}},
                                // No physical size in the file: its window extent at 1440 units per inch.
                                {"ok", {619, 453}, {16383, 11973}},
                                {"undecodable", {}, {}}};
    const ToolRun run = Tool({QStringLiteral("check"), BookOf(dir, paths)});
    EXPECT_EQ(run.exitCode, 3);
    // Bad pictures are the report's business, not a stream of decoder noise.
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QJsonArray pictures = CheckedPictures(run);
    ASSERT_EQ(pictures.size(), paths.size()) << run.out.toStdString();
    for (int i = 0; i < paths.size(); ++i) {
        const QJsonObject p = pictures[i].toObject();
        const Checked &e = expected[i];
        SCOPED_TRACE(paths[i].toStdString());
        EXPECT_EQ(p[QStringLiteral("Path")].toString(), paths[i]);
        EXPECT_EQ(p[QStringLiteral("status")].toString(), QLatin1String(e.status));
        EXPECT_EQ(p.contains(QStringLiteral("width")), !e.pixels.isEmpty());
        if (!e.pixels.isEmpty()) {
            EXPECT_EQ(QSize(p[QStringLiteral("width")].toInt(), p[QStringLiteral("height")].toInt()), e.pixels);
            EXPECT_EQ(QSize(p[QStringLiteral("himetricWidth")].toInt(), p[QStringLiteral("himetricHeight")].toInt()),
                      e.himetric);
        }
    }
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
    const QString out = dir.FilePath(QStringLiteral("out.png"));
    const ToolRun run = Tool(QStringList{QStringLiteral("render"), picture, out} + GetParam().sizeArgs);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), GetParam().expected);
    EXPECT_TRUE(Near(image.pixelColor(image.width() / 4, image.height() / 2), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(image.width() - 2, image.height() - 2), Qt::blue));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, RenderCommand,
    testing::Values(RenderCase{"OwnSize", {}, {400, 300}},
                    RenderCase{"Stretched",
                               {QStringLiteral("--width"), QStringLiteral("800"), QStringLiteral("--height"),
                                QStringLiteral("300")},
                               {800, 300}},
                    RenderCase{"HeightOnly", {QStringLiteral("--height"), QStringLiteral("30")}, {400, 30}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RenderCommand, MetafilesRenderWithTheirChineseText)
{
    ScratchDir dir;
    const QString emf = dir.FilePath(QStringLiteral("emf.png"));
    const ToolRun stretched = Tool(
        {QStringLiteral("render"), Metafile("emf_lo_text.emf"), emf, QStringLiteral("--width"), QStringLiteral("852")});
    ASSERT_EQ(stretched.exitCode, 0) << stretched.err.toStdString();
    EXPECT_EQ(QImage(emf).size(), QSize(852, 199));

    const QString wmf = dir.FilePath(QStringLiteral("wmf.png"));
    const ToolRun run = Tool({QStringLiteral("render"), Metafile("wmf_lo_text.wmf"), wmf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(wmf);
    ASSERT_EQ(image.size(), QSize(426, 199));
    int red = 0; // the Chinese line is the drawing's dark red ink
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += (c.red() > 150 && c.green() < 60 && c.blue() < 60) ? 1 : 0;
        }
    EXPECT_GT(red, 800);
}

} // namespace
