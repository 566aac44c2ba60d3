// The view widget: only what the arithmetic (ZoomScrollModel) and the decoder
// cache do not show on their own: drawing, scroll bars, zoom box.

#include "viewer/PictureView.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

constexpr int kZoom50 = 32782;
constexpr int kZoom400 = 32785;

struct ViewFixture : ::testing::Test {
    ScratchDir dir;
    QLineEdit zoomBox;
    PictureView view;

    ViewFixture()
    {
        zoomBox.setText(QStringLiteral("100%"));
        QObject::connect(&view, &PictureView::scaleChanged, &zoomBox, &QLineEdit::setText);
        view.resize(640, 480);
        view.show();
        QApplication::processEvents();
    }
    QColor Background() const { return view.viewport()->palette().color(QPalette::Window); }
    QString Page(int width, int height, QColor colour = Qt::darkGreen)
    {
        const QString path = dir.FilePath(QStringLiteral("page.png"));
        fixtures::Solid(width, height, colour).save(path, "PNG");
        return path;
    }
};

TEST_F(ViewFixture, DrawsACentredPictureWithARightAndBottomBorder)
{
    const QColor colour(200, 40, 40);
    view.ShowPicture(Page(200, 100, colour));
    const QImage shot = view.viewport()->grab().toImage();
    const PictureRect r = view.Arithmetic().PictureRectInWindow();
    EXPECT_NEAR(r.left, view.viewport()->width() / 2 - 100, 1);
    EXPECT_NEAR(r.top, view.viewport()->height() / 2 - 50, 1);
    EXPECT_EQ(shot.pixelColor(r.left + 100, r.top + 50), colour);
    EXPECT_EQ(shot.pixelColor(5, 5), Background());
    EXPECT_EQ(QColor(shot.pixel(r.right, r.top + 50)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(r.left + 100, r.bottom)), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(r.left - 1, r.top + 50), QColor(Qt::black));  // no left edge
    EXPECT_NE(shot.pixelColor(r.left + 100, r.top - 1), QColor(Qt::black)); // no top edge
}

// A page that does not load, and a book without pages: an empty window
// that does not scroll, whatever was shown before; the zoom stays.
class EmptiedView : public ViewFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(EmptiedView, ShowsNothingAndNothingScrollsButTheZoomBoxStays)
{
    view.ShowPicture(Page(2000, 1500));
    view.ZoomCommand(kZoom50);
    view.verticalScrollBar()->setValue(100);
    ASSERT_GT(view.verticalScrollBar()->maximum(), 0);
    if (GetParam())
        view.ShowPicture(dir.FilePath(QStringLiteral("missing.jpg")));
    else
        view.ShowNoPicture();
    QApplication::processEvents();
    for (QScrollBar *bar : {view.horizontalScrollBar(), view.verticalScrollBar()}) {
        EXPECT_EQ(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), 0);
    }
    EXPECT_EQ(zoomBox.text(), QStringLiteral("50%"));
    const QImage shot = view.viewport()->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            drawn += shot.pixelColor(x, y) != Background();
    EXPECT_EQ(drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(After, EmptiedView, ::testing::Bool(), [](const auto &instance) {
    return std::string(instance.param ? "AFailedLoad" : "ABookWithoutPages");
});

// An enlarged photograph is interpolated: a 2-pixel checker at 400 % shows
// the shades between black and white, as `vellora-book render` draws it.
TEST_F(ViewFixture, EnlargedPicturesAreDrawnSmooth)
{
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const QString path = dir.FilePath(QStringLiteral("checker.png"));
    ASSERT_TRUE(fixtures::TwoByTwo(black, white, white, black).save(path, "PNG"));
    view.ShowPicture(path);
    view.ZoomCommand(kZoom400);
    const PictureRect r = view.Arithmetic().PictureRectInWindow();
    ASSERT_EQ(r.right - r.left, 8);
    const QImage shot = view.viewport()->grab().toImage();
    int between = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            between += qGray(shot.pixel(x, y)) > 40 && qGray(shot.pixel(x, y)) < 215;
    EXPECT_GT(between, 8);
}

TEST_F(ViewFixture, FitWidthFollowsTheWindowAndAZoomPastTheDecodedPixelsFetchesTheFullPicture)
{
    view.ToggleFitWidth();
    view.ShowPicture(Page(4000, 1000));
    ASSERT_TRUE(view.Picture());
    EXPECT_TRUE(view.Picture()->IsReduced());
    view.resize(340, 480);
    QApplication::processEvents();
    EXPECT_FLOAT_EQ(view.Arithmetic().Scale(), float(view.viewport()->width()) / 4000.0f);
    view.ZoomCommand(kZoom400);
    EXPECT_EQ(view.Picture()->raster.size(), QSize(4000, 1000));
}

} // namespace
