// The view widget: only what the arithmetic (ZoomScrollModel) and the decoder
// cache do not show on their own — drawing, scroll bars, wheel, zoom box.

#include "viewer/PictureView.h"

#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr int kZoom50 = 32782;
constexpr int kZoom400 = 32785;

bool Near(QRgb a, QColor b)
{
    return std::abs(qRed(a) - b.red()) < 12 && std::abs(qGreen(a) - b.green()) < 12
           && std::abs(qBlue(a) - b.blue()) < 12;
}

struct ViewFixture : ::testing::Test {
    ScratchDir dir;
    QLineEdit zoomBox;
    PictureView view;

    ViewFixture()
    {
        zoomBox.setText(QStringLiteral("100%"));
        view.SetZoomBox(&zoomBox);
        view.resize(640, 480);
        view.show();
        QApplication::processEvents();
    }
    QSize Client() const { return view.viewport()->size(); }
    QColor Background() const { return view.viewport()->palette().color(QPalette::Window); }
    QString Jpeg(const char *name, QSize size, QColor colour = Qt::darkGreen)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir.FilePath(QLatin1String(name));
        image.save(path, "JPG", 95);
        return path;
    }
};

TEST_F(ViewFixture, DrawsACentredPictureWithARightAndBottomBorder)
{
    const QColor colour(200, 40, 40);
    view.ShowPicture(Jpeg("red.jpg", QSize(200, 100), colour));
    const QImage shot = view.viewport()->grab().toImage();
    const PictureRect r = view.Arithmetic().PictureRectInWindow();
    EXPECT_NEAR(r.left, Client().width() / 2 - 100, 1);
    EXPECT_NEAR(r.top, Client().height() / 2 - 50, 1);
    EXPECT_TRUE(Near(shot.pixel(r.left + 100, r.top + 50), colour));
    EXPECT_TRUE(Near(shot.pixel(5, 5), Background()));
    EXPECT_EQ(QColor(shot.pixel(r.right, r.top + 50)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(r.left + 100, r.bottom)), QColor(Qt::black));
    EXPECT_FALSE(Near(shot.pixel(r.left - 1, r.top + 50), Qt::black));  // no left edge
    EXPECT_FALSE(Near(shot.pixel(r.left + 100, r.top - 1), Qt::black)); // no top edge
}

// A page that does not load, and a book without pages: an empty window
// that does not scroll, whatever was shown before; the zoom stays.
class EmptiedView : public ViewFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(EmptiedView, ShowsNothingAndNothingScrollsButTheZoomBoxStays)
{
    view.ShowPicture(Jpeg("big.jpg", QSize(2000, 1500)));
    zoomBox.setText(QStringLiteral("70")); // the box is also read
    view.ApplyTypedZoom();
    EXPECT_EQ(zoomBox.text(), QStringLiteral("69%"));
    EXPECT_FLOAT_EQ(view.Arithmetic().Scale(), 0.7f);
    view.ZoomCommand(kZoom50);
    view.verticalScrollBar()->setValue(100);
    ASSERT_GT(view.verticalScrollBar()->maximum(), 0);
    if (GetParam())
        view.ShowPicture(dir.FilePath(QStringLiteral("missing.jpg")));
    else
        view.ShowNoPicture();
    QApplication::processEvents();
    EXPECT_FALSE(view.HasPicture());
    for (QScrollBar *bar : {view.horizontalScrollBar(), view.verticalScrollBar()}) {
        EXPECT_EQ(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), 0);
    }
    EXPECT_EQ(zoomBox.text(), QStringLiteral("50%"));
    const QImage shot = view.viewport()->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            drawn += !Near(shot.pixel(x, y), Background());
    EXPECT_EQ(drawn, 0);
}

INSTANTIATE_TEST_SUITE_P(After, EmptiedView, ::testing::Bool(), [](const auto &info) {
    return std::string(info.param ? "AFailedLoad" : "ABookWithoutPages");
});

// An enlarged photograph is interpolated: a 2-pixel checker at 400 % shows
// the shades between black and white, as `vellora-book render` draws it.
TEST_F(ViewFixture, EnlargedPicturesAreDrawnSmooth)
{
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    checker.setPixel(1, 0, qRgb(255, 255, 255));
    checker.setPixel(0, 1, qRgb(255, 255, 255));
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

TEST_F(ViewFixture, ScrollBarsAndWheelMoveTheOffset)
{
    view.ShowPicture(Jpeg("big.jpg", QSize(2000, 1500)));
    QScrollBar *bar = view.verticalScrollBar();
    EXPECT_EQ(bar->pageStep(), Client().height()); // the thumb shows the client
    EXPECT_EQ(bar->maximum(), 1500 - Client().height());
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd); // a trough click: a tenth of the picture
    EXPECT_EQ(bar->value(), 150);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(view.Arithmetic().Offset().y, 165);
    bar->setValue(400); // a drag of the thumb
    EXPECT_EQ(view.Arithmetic().Offset().y, 400);
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_EQ(view.Arithmetic().Offset().y, 400 + QApplication::wheelScrollLines() * 15);
    EXPECT_EQ(bar->value(), view.Arithmetic().Offset().y);
}

TEST_F(ViewFixture, FitWidthFollowsTheWindowAndAZoomPastTheDecodedPixelsFetchesTheFullPicture)
{
    view.ToggleFitWidth();
    view.ShowPicture(Jpeg("wide.jpg", QSize(4000, 1000), Qt::darkYellow));
    ASSERT_TRUE(view.Picture());
    EXPECT_TRUE(view.Picture()->IsReduced());
    view.resize(340, 480);
    QApplication::processEvents();
    EXPECT_FLOAT_EQ(view.Arithmetic().Scale(), float(Client().width()) / 4000.0f);
    view.ZoomCommand(kZoom400);
    EXPECT_FALSE(view.Picture()->IsReduced());
    EXPECT_EQ(view.Picture()->raster.size(), QSize(4000, 1000));
}

TEST_F(ViewFixture, ATurnToAPrefetchedPageDecodesNothing)
{
    view.ShowPicture(Jpeg("a.jpg", QSize(800, 600), Qt::blue));
    view.ExpectPictures({Jpeg("b.jpg", QSize(800, 600), Qt::red)});
    view.DecodeCache().WaitForWorkers();
    const int decodes = view.DecodeCache().Statistics().decodes;
    view.ShowPicture(dir.FilePath(QStringLiteral("b.jpg")));
    EXPECT_EQ(view.DecodeCache().Statistics().decodes, decodes);
    EXPECT_EQ(view.DecodeCache().Statistics().hits, 1);
}

TEST_F(ViewFixture, BorderAndCentreFromTheDialogWaitForTheNextLayout)
{
    view.ShowPicture(Jpeg("a.jpg", QSize(200, 100), Qt::blue));
    const PictureRect centred = view.Arithmetic().Rectangle();
    view.SetBorderAndCentre(false, false);
    EXPECT_FALSE(view.BorderShown() || view.Centred());
    EXPECT_EQ(view.Arithmetic().Rectangle(), centred);
}

} // namespace
