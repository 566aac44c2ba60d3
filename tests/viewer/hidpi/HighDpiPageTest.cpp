// Pages on a screen with two device pixels to a logical one: drawn from the
// picture's own pixels at device resolution, never from a copy at half that
// resolution blown up. A program of its own, as the ratio is fixed when the
// application starts.

#include "viewer/PictureView.h"

#include "TestApplication.h"
#include "TestFiles.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class HighDpiApplication : public TestApplicationEnvironment {
public:
    void SetUp() override
    {
        qputenv("QT_SCALE_FACTOR", "2");
        TestApplicationEnvironment::SetUp();
    }
};

auto *const g_app = testing::AddGlobalTestEnvironment(new HighDpiApplication);

constexpr int kZoom50 = 32782;
constexpr int kZoom100 = 32783;

// A checker of single pixels, black at the top left.
QImage Checker(int side)
{
    QImage image(side, side, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, (x + y) % 2);
    return image;
}

struct CheckerCase {
    const char *name;
    int zoomCommand;
    int side;             // of the checker, in picture pixels
    int devicePerPicture; // device pixels one picture pixel takes on each axis
};

class HighDpiPage : public ::testing::TestWithParam<CheckerCase> {};

TEST_P(HighDpiPage, SinglePixelCheckerStaysCrisp)
{
    const CheckerCase &c = GetParam();
    ScratchDir dir;
    // The zoom is chosen on a page before, so the checker is decoded for it.
    for (const char *name : {"before.png", "checker.png"})
        ASSERT_TRUE(Checker(c.side).save(dir.FilePath(QString::fromLatin1(name)), "PNG"));
    PictureView view;
    view.resize(640, 480);
    view.show();
    ASSERT_EQ(view.devicePixelRatioF(), 2.0);
    view.ShowPicture(dir.FilePath(QStringLiteral("before.png")));
    view.ZoomCommand(c.zoomCommand);
    view.ShowPicture(dir.FilePath(QStringLiteral("checker.png")));
    const QImage shot = view.viewport()->grab().toImage();
    const PictureRect r = view.Arithmetic().PictureRectInWindow();
    const int shown = c.side * c.devicePerPicture;
    ASSERT_EQ((r.right - r.left) * 2, shown);
    // Every device pixel of the page is the picture pixel it stands for.
    int wrong = 0;
    for (int y = 0; y < shown; ++y) {
        for (int x = 0; x < shown; ++x) {
            const int expected = ((x / c.devicePerPicture) + (y / c.devicePerPicture)) % 2 ? 255 : 0;
            wrong += std::abs(qGray(shot.pixel(r.left * 2 + x, r.top * 2 + y)) - expected) > 8;
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << shown * shown << " device pixels";
}

INSTANTIATE_TEST_SUITE_P(Zooms, HighDpiPage,
                         ::testing::Values(
                             // half the picture's size: one picture pixel per device pixel
                             CheckerCase{"HalfSizeOnePixelEach", kZoom50, 400, 1},
                             // its own size: each picture pixel a sharp 2 x 2 block
                             CheckerCase{"OwnSizeTwoByTwoBlocks", kZoom100, 100, 2}),
                         [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
