// `vellora-book check` and `render` with Windows metafiles, as a script
// would run them over a book of clip art.

#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "TestFiles.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <string>

namespace {
struct WmfToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

WmfToolRun RunTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VELLORA_BIN_DIR "/vellora-book"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString Metafile(const char *name)
{
    return QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name);
}

struct WmfCheckCase {
    const char *file;
    const char *status;
    QSize pixels, himetric;  // empty when the file does not load
};

void PrintTo(const WmfCheckCase &c, std::ostream *os) { *os << c.file; }

class WmfCheck : public testing::TestWithParam<WmfCheckCase> {};

TEST_P(WmfCheck, ReportsStatusAndSizes)
{
    ScratchDir dir;
    BookDocument book = BookDocument::MakeNew();
    book.Title = QStringLiteral("剪贴画");
    book.Pictures.append(PictureEntry(Metafile(GetParam().file), QStringLiteral("2026-12-6 21:00"), 0));
    book.PictureCount = 1;
    const QString file = dir.file(QStringLiteral("book.vlr"));
    ASSERT_TRUE(WriteBookFile(file, book));

    const WmfToolRun run = RunTool({QStringLiteral("check"), file});
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QJsonArray pictures =
        QJsonDocument::fromJson(run.out).object()[QStringLiteral("Pictures")].toArray();
    ASSERT_EQ(pictures.size(), 1) << run.out.toStdString();
    const QJsonObject p = pictures[0].toObject();
    EXPECT_EQ(p[QStringLiteral("status")].toString(), QLatin1String(GetParam().status));
    if (!GetParam().pixels.isEmpty()) {
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(p[QStringLiteral("width")].toInt(), GetParam().pixels.width());
        EXPECT_EQ(p[QStringLiteral("height")].toInt(), GetParam().pixels.height());
        EXPECT_EQ(p[QStringLiteral("himetricWidth")].toInt(), GetParam().himetric.width());
        EXPECT_EQ(p[QStringLiteral("himetricHeight")].toInt(), GetParam().himetric.height());
    } else {
        EXPECT_NE(run.exitCode, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WmfCheck, testing::Values(
    WmfCheckCase{"wmf_lo_shapes.wmf", "ok", {351, 257}, {9288, 6788}},
    WmfCheckCase{"wmf_lo_text.wmf", "ok", {426, 199}, {11268, 5268}},
    // No physical size in the file: its window extent at 1440 units per inch.
    WmfCheckCase{"wmf_lo_shapes_nonplaceable.wmf", "ok", {619, 453}, {16383, 11973}},
    WmfCheckCase{"broken_truncated.wmf", "undecodable", {}, {}}
), [](const testing::TestParamInfo<WmfCheckCase> &info) {
    std::string name = info.param.file;
    return name.substr(0, name.find('.'));
});

TEST(WmfRenderCommand, WritesThePictureWithItsChineseText)
{
    ScratchDir dir;
    const QString out = dir.file(QStringLiteral("text.png"));
    const WmfToolRun run = RunTool({QStringLiteral("render"), Metafile("wmf_lo_text.wmf"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(426, 199));
    // The Chinese line is the drawing's dark red ink.
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += (c.red() > 150 && c.green() < 60 && c.blue() < 60) ? 1 : 0;
        }
    EXPECT_GT(red, 800);
}
} // namespace
