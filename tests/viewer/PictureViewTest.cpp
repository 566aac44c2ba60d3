// The view widget: only what the arithmetic (ZoomScrollModel) and the decoder
// cache do not show on their own: drawing, scroll bars, zoom box.

#include "viewer/PictureView.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QScrollBar>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int kZoom50 = 32782;
constexpr int kZoom100 = 32783;
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
    QImage checker(2, 2, QImage::Format_Mono);
    checker.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    checker.fill(0);
    checker.setPixel(1, 0, 1);
    checker.setPixel(0, 1, 1);
    const QString path = dir.FilePath(QStringLiteral("checker.png"));
    ASSERT_TRUE(checker.save(path, "PNG"));
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

// A page far larger than the window, needed at 100 % and not decoded yet
// at that size (a page turned to, or a zoom from fit width, which decoded it
// at a quarter): the window's part shows first with the pixels of the whole
// decode; the part not decoded yet shows background (or the reduced page it
// was zoomed from) when scrolled into; once the page is complete every
// pixel is Qt's own.
class HugePage : public ViewFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(HugePage, ShowsTheWindowsPartFirstAndTheRestWhenDecoded)
{
    const bool zoomedFromFit = GetParam();
    QImage source(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 5) & 0xff, ((x ^ y) * 3) & 0xff));
    const QString path = dir.FilePath(QStringLiteral("huge.jpg"));
    ASSERT_TRUE(source.save(path, "JPG", 85));
    const QImage whole = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
    const auto windowOfPicture = [&] {
        const PictureRect r = view.Arithmetic().PictureRectInWindow();
        return whole.copy(-r.left, -r.top, view.viewport()->width(), view.viewport()->height());
    };
    const auto undecodedLooks = [&](QColor pixel) { return (pixel == Background()) != zoomedFromFit; };

    if (zoomedFromFit) {
        view.ToggleFitWidth();
        view.ShowPicture(path);
        ASSERT_TRUE(view.Picture() && view.Picture()->IsReduced());
        view.DecodeCache().HoldWorkers(true);
        view.ZoomCommand(kZoom100);
    } else {
        view.ZoomCommand(kZoom100);
        view.DecodeCache().HoldWorkers(true);
        view.ShowPicture(path);
    }
    ASSERT_TRUE(view.Picture());
    EXPECT_TRUE(view.Picture()->IsPartial());
    EXPECT_EQ(view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32), windowOfPicture());

    // A few lines on, the part still in the window shows, right where it
    // was, and the rest does not show stale pixels.
    for (int i = 0; i < 3; ++i) {
        view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    const QImage moved = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect part = view.Picture()->decodedPart;
    const PictureRect r = view.Arithmetic().PictureRectInWindow();
    ASSERT_TRUE(r.left < 0 && r.top < 0);
    const QRect stillShown = part.translated(r.left, r.top).intersected(moved.rect()).adjusted(0, 0, -1, -1);
    ASSERT_FALSE(stillShown.isEmpty());
    EXPECT_EQ(moved.copy(stillShown), windowOfPicture().copy(stillShown));
    EXPECT_TRUE(undecodedLooks(moved.pixelColor(moved.width() - 1, moved.height() - 1)));

    view.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    const QImage undecoded = view.viewport()->grab().toImage();
    EXPECT_TRUE(undecodedLooks(undecoded.pixelColor(0, 0)));
    EXPECT_TRUE(undecodedLooks(undecoded.pixelColor(undecoded.width() / 2, undecoded.height() / 2)));

    view.DecodeCache().HoldWorkers(false);
    view.DecodeCache().WaitForWorkers();
    // The worker hands the page over just after it ends.
    for (int i = 0; i < 1000 && view.Picture()->IsPartial(); ++i) {
        QThread::msleep(10);
        QApplication::processEvents();
    }
    ASSERT_FALSE(view.Picture()->IsPartial());
    EXPECT_EQ(view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32), windowOfPicture());
}

INSTANTIATE_TEST_SUITE_P(NeededAt100, HugePage, ::testing::Bool(), [](const auto &instance) {
    return std::string(instance.param ? "AfterAZoomFromFitWidth" : "TurnedTo");
});

} // namespace
