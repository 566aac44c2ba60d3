#include "viewer/ZoomScrollModel.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// Readable failure messages for the view's value types.
void PrintTo(const IntPoint &p, std::ostream *os) { *os << '(' << p.x << ", " << p.y << ')'; }
void PrintTo(const IntSize &s, std::ostream *os) { *os << s.cx << " x " << s.cy; }
void PrintTo(const PictureRect &r, std::ostream *os)
{
    *os << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

constexpr int kZoom25 = 32781;
constexpr int kZoom50 = 32782;
constexpr int kZoom100 = 32783;

using View = ZoomScrollModel;
using SA = ScrollAction;

// A view, what is done to it after it has shown a picture the way a page is
// shown (load, layout, keep the centre), and what it then shows.
struct ExampleCase {
    const char *name;
    int clientW, clientH, pictureW, pictureH;
    std::function<void(View &)> act;
    float scale;
    std::optional<PictureRect> rect = {};
    const char *box = nullptr; // nullptr: not checked
    std::optional<IntSize> scaled = {};
    std::optional<IntPoint> offset = {};
    bool centre = true;
};
void PrintTo(const ExampleCase &c, std::ostream *os) { *os << c.name; }

class ZoomScrollExamples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ZoomScrollExamples, GiveTheirFigures)
{
    const ExampleCase &c = GetParam();
    View view;
    if (!c.centre)
        view.ToggleCentre();
    view.Resize(c.clientW, c.clientH);
    view.PictureLoaded({c.pictureW, c.pictureH});
    view.ZoomKeepingCentre(view.LayoutPicture());
    c.act(view);
    EXPECT_EQ(view.Scale(), c.scale);
    EXPECT_EQ(view.Rectangle(), c.rect.value_or(view.Rectangle()));
    EXPECT_EQ(view.LastZoomBoxText(), c.box ? QString::fromUtf8(c.box) : view.LastZoomBoxText());
    EXPECT_EQ(view.ScaledSize(), c.scaled.value_or(view.ScaledSize()));
    EXPECT_EQ(view.Offset(), c.offset.value_or(view.Offset()));
}

INSTANTIATE_TEST_SUITE_P(Table, ZoomScrollExamples, ::testing::Values(
    ExampleCase{"QuarterZoomCentresTheSmallPicture", 600, 400, 1000, 800, [](View &v) { v.ZoomCommand(kZoom25); },
                0.25f, PictureRect{700, 400, 1700, 1200}, "25%", IntSize{250, 200}, IntPoint{0, 0}},
    // Sy = 0.8333333 in single precision.
    ExampleCase{"StretchTakesTheSmallerQuotient", 1000, 500, 800, 600, [](View &v) { v.ToggleStretch(); },
                500.0f / 600.0f, PictureRect{0, 0, 1200, 600}, "83%", IntSize{666, 499}},
    ExampleCase{"LargePictureWithoutCentringOpensScrolledByHalf", 800, 600, 2000, 1500, [](View &) {}, 1.0f,
                PictureRect{0, 0, 2000, 1500}, "100%", {}, IntPoint{1000, 750}, /*centre=*/false},
    ExampleCase{"FitWidthFollowsEveryResize", 500, 500, 1000, 500,
                [](View &v) { v.ToggleFitWidth(); v.Resize(250, 500); }, 0.25f, {}, "25%"},
    // 1600 x 1200 in 1184 x 689: at 100 % the offset runs to (416, 511), and
    // (208, 255) shows the middle. At 25 % the picture sits centred and the
    // scroll bars (14 pixels) go; coming back at 100 % with them, the middle
    // is under the centre again, which moved 7 pixels with the client (to
    // the 4 pixels one step of 25 % spans).
    ExampleCase{"QuarterAndBackPastTheScrollBarsReturnsToTheMiddle", 1184, 689, 1600, 1200,
                [](View &v) { v.ScrollToOffset(208, 255); v.ZoomCommand(kZoom25); v.Resize(1198, 703);
                              v.ZoomCommand(kZoom100); v.Resize(1184, 689); },
                1.0f, {}, "100%", {}, IntPoint{201, 247}},
    ExampleCase{"FitHeightThenHundredShowsTheMiddle", 1184, 689, 1600, 1200,
                [](View &v) { v.ToggleFitHeight(); v.ZoomCommand(kZoom100); }, 1.0f, PictureRect{0, 0, 1600, 1200},
                "100%", {}, IntPoint{209, 256}},
    ExampleCase{"FailedLoadKeepsOnlyTheScale", 600, 400, 2000, 1600,
                [](View &v) { v.ZoomCommand(kZoom50); v.ScrollToOffset(300, 300); v.PictureLost();
                              v.ZoomKeepingCentre(v.LayoutPicture()); },
                0.5f, PictureRect{}, "50%", IntSize{0, 0}, IntPoint{0, 0}},
    // Typed zooms are rounded into the box and clamped to 5 .. 800 %.
    ExampleCase{"TypedSeventy", 600, 400, 1000, 800, [](View &v) { v.ApplyTypedZoom(u" 70\t"); }, 0.7f, {}, "69%"},
    ExampleCase{"TypedAboveTheMaximum", 600, 400, 1000, 800, [](View &v) { v.ApplyTypedZoom(u"99999999999"); },
                8.0f, {}, "800%"},
    // 1000 x 1000 in 500 x 500: a page is a tenth, a wheel notch three lines of a hundredth.
    ExampleCase{"PageBack", 500, 500, 1000, 1000,
                [](View &v) { v.ScrollToOffset(0, 150); v.Scroll(ScrollAxis::Vertical, SA::PageBack); }, 1.0f, {},
                nullptr, {}, IntPoint{0, 50}},
    ExampleCase{"WheelNotch", 500, 500, 1000, 1000, [](View &v) { v.SetWheelSettings(3, 3); v.VerticalWheel(-120); },
                1.0f, {}, nullptr, {}, IntPoint{0, 30}},
    // A picture that fits in height: the vertical wheel scrolls sideways.
    ExampleCase{"WheelOnAFlatPicture", 500, 500, 1000, 200,
                [](View &v) { v.SetWheelSettings(3, 3); v.VerticalWheel(-120); }, 1.0f, {}, nullptr, {},
                IntPoint{30, 0}}),
    [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
