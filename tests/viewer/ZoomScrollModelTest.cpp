#include "viewer/ZoomScrollModel.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
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
constexpr int kZoom800 = 32786;

using View = ZoomScrollModel;

// A view of the given client size that has just shown a picture the way a
// page is shown: load, layout, keep the centre.
struct ViewFixture {
    View view;
    int zoomBoxWrites = 0;

    ViewFixture(int clientW, int clientH, int pictureW, int pictureH, bool centre = true)
    {
        view.SetZoomBoxWriter([this](const QString &) { ++zoomBoxWrites; });
        if (!centre)
            view.ToggleCentre();
        view.Resize(clientW, clientH);
        view.PictureLoaded({pictureW, pictureH});
        view.ZoomKeepingCentre(view.LayoutPicture());
    }
};

void Layout(View &v) { v.ZoomKeepingCentre(v.LayoutPicture()); }

// ---- The worked examples: a view, what is done to it, what it then shows ----

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
    ViewFixture f(c.clientW, c.clientH, c.pictureW, c.pictureH, c.centre);
    c.act(f.view);
    EXPECT_EQ(f.view.Scale(), c.scale);
    EXPECT_EQ(f.view.Rectangle(), c.rect.value_or(f.view.Rectangle()));
    EXPECT_EQ(f.view.LastZoomBoxText(), c.box ? QString::fromUtf8(c.box) : f.view.LastZoomBoxText());
    EXPECT_EQ(f.view.ScaledSize(), c.scaled.value_or(f.view.ScaledSize()));
    EXPECT_EQ(f.view.Offset(), c.offset.value_or(f.view.Offset()));
}

INSTANTIATE_TEST_SUITE_P(Table, ZoomScrollExamples, ::testing::Values(
    ExampleCase{"QuarterZoomCentresTheSmallPicture", 600, 400, 1000, 800,
                [](View &v) { v.ZoomCommand(kZoom25); EXPECT_EQ(v.CheckedZoomCommand(), kZoom25); },
                0.25f, PictureRect{700, 400, 1700, 1200}, "25%", IntSize{250, 200}, IntPoint{0, 0}},
    // Sy = 0.8333333 in single precision.
    ExampleCase{"StretchTakesTheSmallerQuotient", 1000, 500, 800, 600, [](View &v) { v.ToggleStretch(); },
                500.0f / 600.0f, PictureRect{0, 0, 1200, 600}, "83%", IntSize{666, 499}},
    ExampleCase{"LargePictureWithoutCentringOpensScrolledByHalf", 800, 600, 2000, 1500, [](View &) {}, 1.0f,
                PictureRect{0, 0, 2000, 1500}, "100%", {}, IntPoint{1000, 750}, /*centre=*/false},
    ExampleCase{"LargePictureWithCentringOpensAtTheTopLeft", 800, 600, 2000, 1500, [](View &) {}, 1.0f,
                PictureRect{0, 0, 2000, 1500}, nullptr, {}, IntPoint{0, 0}},
    ExampleCase{"FitWidthBelowTheMinimumShowsTheQuotient", 100, 100, 3000, 2000, [](View &v) { v.ToggleFitWidth(); },
                0.05f, {}, "3%", IntSize{150, 100}},
    // The centre shows picture point (800, 1000); at 50 % that is window pixel (400, 500).
    ExampleCase{"ZoomKeepsThePointUnderTheCentre", 400, 400, 2000, 2000,
                [](View &v) { v.ScrollToOffset(600, 800); v.ZoomCommand(kZoom50);
                              EXPECT_EQ(v.WindowToLogical({200, 200}), (IntPoint{800, 1000})); },
                0.5f, {}, nullptr, {}, IntPoint{200, 300}},
    // 1600 x 1200 in 1184 x 689: at 100 % the offset runs to (416, 511), and
    // (208, 255) shows the middle. At 25 % the picture sits centred; coming
    // back, the middle is under the centre again (to the 4 pixels one step
    // of 25 % spans).
    ExampleCase{"QuarterAndBackReturnsToTheMiddle", 1184, 689, 1600, 1200,
                [](View &v) { v.ScrollToOffset(208, 255); v.ZoomCommand(kZoom25); v.ZoomCommand(kZoom100); },
                1.0f, PictureRect{0, 0, 1600, 1200}, "100%", IntSize{1600, 1200}, IntPoint{208, 254}},
    // The same in the widget, whose scroll bars (14 pixels) go at 25 % and
    // come back at 100 %: the centre moves 7 pixels with the client.
    ExampleCase{"QuarterAndBackPastTheScrollBarsReturnsToTheMiddle", 1184, 689, 1600, 1200,
                [](View &v) { v.ScrollToOffset(208, 255); v.ZoomCommand(kZoom25); v.Resize(1198, 703);
                              v.ZoomCommand(kZoom100); v.Resize(1184, 689); },
                1.0f, {}, "100%", {}, IntPoint{201, 247}},
    ExampleCase{"FitHeightThenHundredShowsTheMiddle", 1184, 689, 1600, 1200,
                [](View &v) { v.ToggleFitHeight(); v.ZoomCommand(kZoom100); }, 1.0f, PictureRect{0, 0, 1600, 1200},
                "100%", {}, IntPoint{209, 256}},
    ExampleCase{"TogglingCentreMovesNothingUntilTheNextLayout", 600, 400, 200, 100,
                [](View &v) { EXPECT_EQ(v.Rectangle(), (PictureRect{200, 150, 400, 250})); v.ToggleCentre();
                              EXPECT_EQ(v.Rectangle(), (PictureRect{200, 150, 400, 250})); Layout(v); },
                1.0f, PictureRect{0, 0, 200, 100}},
    ExampleCase{"FailedLoadKeepsOnlyTheScale", 600, 400, 2000, 1600,
                [](View &v) { v.ZoomCommand(kZoom50); v.ScrollToOffset(300, 300); v.PictureLost();
                              EXPECT_FALSE(v.HasPicture()); Layout(v); v.Resize(300, 300);
                              EXPECT_EQ(v.PictureRectInWindow(), PictureRect{}); },
                0.5f, PictureRect{}, "50%", IntSize{0, 0}, IntPoint{0, 0}},
    ExampleCase{"FitWidthFollowsEveryResize", 500, 500, 1000, 500,
                [](View &v) { v.ToggleFitWidth(); v.Resize(250, 500); }, 0.25f, {}, "25%"},
    ExampleCase{"WithoutFitModeAResizeRecentres", 600, 400, 200, 100, [](View &v) { v.Resize(1000, 300); }, 1.0f,
                PictureRect{400, 100, 600, 200}},
    ExampleCase{"GrowingTheWindowClampsTheOffset", 400, 400, 1000, 1000,
                [](View &v) { v.ScrollToOffset(600, 600); v.Resize(800, 800); }, 1.0f, {}, nullptr, {},
                IntPoint{200, 200}},
    ExampleCase{"ZeroClientKeepsScaleAndBoxInFitModes", 0, 0, 800, 600,
                [](View &v) { v.ZoomCommand(kZoom50); v.ToggleFitWidth(); }, 0.5f, {}, "50%"},
    ExampleCase{"EmptyPictureBecomesOnePixel", 600, 400, 0, 0,
                [](View &v) { EXPECT_EQ(v.PictureSize(), (IntSize{1, 1})); EXPECT_EQ(v.LogicalSize(), (IntSize{1, 1})); },
                1.0f},
    ExampleCase{"HugePictureSaturatesTheScaledSize", 600, 400, INT_MAX, 1000, [](View &v) { v.ZoomCommand(kZoom800); },
                8.0f, {}, nullptr, IntSize{INT_MAX, 8000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ZoomScroll, StretchLayoutsLaterDoNotRewriteTheZoomBox)
{
    ViewFixture f(1000, 500, 800, 600);
    f.view.ToggleStretch();
    const int writes = f.zoomBoxWrites;
    f.view.Resize(900, 500);
    Layout(f.view);
    EXPECT_EQ(f.zoomBoxWrites, writes);
}

TEST(ZoomScroll, WithoutPictureZoomsSetTheScaleCheckAndFitButNoText)
{
    View view;
    view.ToggleFitHeight();
    view.ZoomCommand(kZoom800);
    EXPECT_FALSE(view.Flags() & kDisplayFitModes);
    EXPECT_EQ(view.CheckedZoomCommand(), kZoom800);
    EXPECT_FLOAT_EQ(view.Scale(), 1.0f);
    view.ApplyTypedZoom(u"50");
    EXPECT_FLOAT_EQ(view.Scale(), 0.5f);
    EXPECT_TRUE(view.LastZoomBoxText().isEmpty());
}

TEST(ZoomScroll, FlagsStartWithCentreAndBorderAndFitModesExcludeEachOther)
{
    View view;
    EXPECT_EQ(view.Flags(), 0x11u);
    const std::pair<void (View::*)(), unsigned> steps[] = {
        {&View::ToggleFitWidth, 0x13u}, {&View::ToggleFitHeight, 0x15u}, {&View::ToggleStretch, 0x19u},
        {&View::ToggleStretch, 0x11u},  {&View::ToggleBorder, 0x01u},    {&View::ToggleCentre, 0x00u}};
    for (const auto &[toggle, flags] : steps) {
        (view.*toggle)();
        EXPECT_EQ(view.Flags(), flags);
    }
}

// ---- Typed zoom ----

struct TypedZoomCase {
    const char *typed;
    float expectedScale;
    const char *expectedBox; // nullptr: the box is not written
};

class TypedZoom : public ::testing::TestWithParam<TypedZoomCase> {};

TEST_P(TypedZoom, ParsesClampsAndWritesTheBox)
{
    const TypedZoomCase &c = GetParam();
    ViewFixture f(600, 400, 1000, 800);
    const int writes = f.zoomBoxWrites;
    f.view.ApplyTypedZoom(QString::fromUtf8(c.typed));
    EXPECT_EQ(f.view.Scale(), c.expectedScale);
    if (c.expectedBox) {
        EXPECT_EQ(f.view.LastZoomBoxText(), QString::fromUtf8(c.expectedBox));
    } else {
        EXPECT_EQ(f.zoomBoxWrites, writes);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, TypedZoom,
                         ::testing::Values(TypedZoomCase{"70", 0.7f, "69%"}, TypedZoomCase{"1000", 8.0f, "800%"},
                                           TypedZoomCase{"2", 0.05f, "5%"}, TypedZoomCase{"-50", 0.05f, "5%"},
                                           TypedZoomCase{" 250\t", 2.5f, "250%"},
                                           TypedZoomCase{"99999999999", 8.0f, "800%"},
                                           TypedZoomCase{"100%", 1.0f, nullptr}, TypedZoomCase{"100", 1.0f, nullptr},
                                           TypedZoomCase{"100.05", 1.0f, nullptr},
                                           TypedZoomCase{"abc", 1.0f, nullptr}));

// ---- Steps: a hundredth and a tenth of the scaled picture, at least one ----

class ScrollSteps : public ::testing::TestWithParam<std::array<int, 3>> {};

TEST_P(ScrollSteps, AreAHundredthAndATenthAtLeastOne)
{
    const auto [scaled, line, page] = GetParam();
    View view;
    view.SetScrollExtent(scaled, scaled * 2);
    EXPECT_EQ(view.LineStep(), (IntSize{line, std::max(1, scaled * 2 / 100)}));
    EXPECT_EQ(view.PageStep(), (IntSize{page, std::max(1, scaled * 2 / 10)}));
}

INSTANTIATE_TEST_SUITE_P(Values, ScrollSteps,
                         ::testing::Values(std::array{1000, 10, 100}, std::array{199, 1, 19}, std::array{9, 1, 1},
                                           std::array{0, 1, 1}));

// ---- Scroll bar actions: 1000 x 1000 at 100 % in 500 x 500, range 0..500 ----

struct ScrollCase {
    ScrollAction action;
    int start, track, expected;
};

class ScrollActions : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollActions, MoveTheOffsetWithinTheRange)
{
    const ScrollCase &c = GetParam();
    ViewFixture f(500, 500, 1000, 1000);
    f.view.ScrollToOffset(0, c.start);
    EXPECT_EQ(f.view.Scroll(ScrollAxis::Vertical, c.action, c.track), c.expected != c.start);
    EXPECT_EQ(f.view.Offset(), (IntPoint{0, c.expected}));
}

using SA = ScrollAction;
INSTANTIATE_TEST_SUITE_P(Values, ScrollActions,
                         ::testing::Values(ScrollCase{SA::LineForward, 0, 0, 10},
                                           ScrollCase{SA::LineForward, 495, 0, 500}, ScrollCase{SA::LineBack, 5, 0, 0},
                                           ScrollCase{SA::LineBack, 0, 0, 0}, ScrollCase{SA::PageForward, 450, 0, 500},
                                           ScrollCase{SA::PageBack, 150, 0, 50}, ScrollCase{SA::Start, 300, 0, 0},
                                           ScrollCase{SA::End, 0, 0, 500}, ScrollCase{SA::Track, 0, 250, 250},
                                           ScrollCase{SA::Track, 0, 9999, 500}, ScrollCase{SA::Track, 100, -5, 0}));

// ---- Wheel: 1000 x 1000 at 100 % in 500 x 500, line step 10, page step 100 ----

struct WheelCase {
    int lines;
    std::vector<int> deltas;
    int start, expected;
};

class VerticalWheelTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(VerticalWheelTest, StepsByLinesPerNotch)
{
    const WheelCase &c = GetParam();
    ViewFixture f(500, 500, 1000, 1000);
    f.view.SetWheelSettings(c.lines, 3);
    f.view.ScrollToOffset(0, c.start);
    for (int d : c.deltas)
        f.view.VerticalWheel(d);
    EXPECT_EQ(f.view.Offset().y, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, VerticalWheelTest,
                         ::testing::Values(WheelCase{3, {-120}, 0, 30}, WheelCase{3, {120}, 100, 70},
                                           WheelCase{3, {120}, 0, 0}, WheelCase{-1, {-120}, 0, 100},
                                           WheelCase{-1, {120, 120}, 300, 100}, WheelCase{3, {-40, -40, -40}, 0, 60},
                                           WheelCase{1, {-60, -60}, 0, 20}, WheelCase{0, {-120}, 0, 0},
                                           WheelCase{INT_MAX, {-120}, 0, 500}, WheelCase{3, {-1200}, 0, 300}));

TEST(Wheel, ScrollsSidewaysOnlyWhenThePictureIsWiderAndNothingScrollsAPictureThatFits)
{
    ViewFixture small(500, 500, 100, 100);
    EXPECT_FALSE(small.view.Scroll(ScrollAxis::Horizontal, ScrollAction::End));
    EXPECT_FALSE(small.view.Scroll(ScrollAxis::Vertical, ScrollAction::PageForward));
    ViewFixture flat(500, 500, 1000, 200);
    flat.view.VerticalWheel(-120); // fits in height: the vertical wheel goes sideways
    EXPECT_EQ(flat.view.Offset(), (IntPoint{30, 0}));
    ViewFixture wide(500, 500, 1000, 1000);
    wide.view.HorizontalWheel(120);
    EXPECT_EQ(wide.view.Offset(), (IntPoint{30, 0}));
    wide.view.HorizontalWheel(-120);
    EXPECT_EQ(wide.view.Offset(), (IntPoint{0, 0}));
    ViewFixture narrow(500, 500, 400, 1000);
    narrow.view.HorizontalWheel(120);
    EXPECT_EQ(narrow.view.Offset(), (IntPoint{0, 0}));
    EXPECT_EQ(small.view.Offset(), (IntPoint{0, 0}));
}

// ---- Degenerate sizes: no division by zero, no undefined conversion ----

class DegenerateSizes : public ::testing::TestWithParam<std::array<int, 4>> {};

TEST_P(DegenerateSizes, EveryCommandKeepsTheStateFinite)
{
    const auto [clientW, clientH, pictureW, pictureH] = GetParam();
    ViewFixture f(clientW, clientH, pictureW, pictureH);
    const std::function<void(View &)> commands[] = {[](View &) {},
                                                    [](View &v) { v.ToggleFitWidth(); },
                                                    [](View &v) { v.ToggleFitHeight(); },
                                                    [](View &v) { v.ToggleStretch(); },
                                                    [w = clientW, h = clientH](View &v) { v.Resize(h, w); },
                                                    [](View &v) { v.ZoomCommand(kZoom800); },
                                                    [](View &v) { v.ApplyTypedZoom(u"5"); },
                                                    [](View &v) {
                                                        v.VerticalWheel(-120);
                                                        v.HorizontalWheel(120);
                                                        v.Scroll(ScrollAxis::Vertical, ScrollAction::End);
                                                        (void)v.PictureRectInWindow();
                                                    }};
    for (const auto &command : commands) {
        command(f.view);
        const View &v = f.view;
        EXPECT_TRUE(std::isfinite(v.Scale()) && v.Scale() > 0.0f);
        EXPECT_TRUE(v.ScaledSize().cx >= 0 && v.ScaledSize().cy >= 0 && v.Offset().x >= 0 && v.Offset().y >= 0);
        EXPECT_TRUE(v.PictureSize().cx >= 1 && v.PictureSize().cy >= 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, DegenerateSizes,
                         ::testing::Values(std::array{0, 0, 800, 600}, std::array{0, 500, 800, 600},
                                           std::array{500, 0, 800, 600}, std::array{600, 400, 0, 500},
                                           std::array{600, 400, 500, 0}, std::array{0, 0, 0, 0},
                                           std::array{1, 1, INT_MAX, INT_MAX}, std::array{32767, 32767, 1, 1}));

// ---- Mapping: logical size, scaled size, offset, logical point, window point ----

class Mapping : public ::testing::TestWithParam<std::array<int, 5>> {};

TEST_P(Mapping, RoundsToNearest)
{
    const auto [logical, scaled, offset, logicalPoint, windowPoint] = GetParam();
    View view;
    view.Resize(10, 10);
    view.PictureLoaded({logical, logical});
    view.SetScrollExtent(scaled, scaled);
    view.ScrollToOffset(offset, offset);
    ASSERT_EQ(view.Offset().x, offset);
    EXPECT_EQ(view.LogicalToWindow({logicalPoint, 0}).x, windowPoint);
}

INSTANTIATE_TEST_SUITE_P(Values, Mapping,
                         ::testing::Values(std::array{800, 666, 0, 1200, 999}, std::array{1000, 250, 0, 1700, 425},
                                           std::array{3, 2, 0, 1, 1}, // 0.667 rounds up
                                           std::array{3, 1, 0, 1, 0}, // 0.333 rounds down
                                           std::array{2, 1, 0, 1, 1}, // a half rounds away from zero
                                           std::array{100, 200, 50, 40, 30}));

} // namespace
