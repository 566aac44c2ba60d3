#include "viewer/ZoomScrollImpl.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

constexpr int kZoom25 = 32781;
constexpr int kZoom50 = 32782;
constexpr int kZoom100 = 32783;
constexpr int kZoom800 = 32786;

// A view of the given client size that has just shown a picture the way a
// page is shown: load, layout, keep the centre.
struct ViewFixture {
    CZoomScrollImpl view;
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

TEST(ZoomScrollExamples, QuarterZoomCentresTheSmallPicture)
{
    ViewFixture f(600, 400, 1000, 800);
    f.view.ZoomCommand(kZoom25);
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{700, 400, 1700, 1200}));
    EXPECT_EQ(f.view.PictureRectInWindow(), (PictureRect{175, 100, 425, 300}));
    EXPECT_EQ(f.view.ScaledSize(), (IntSize{250, 200}));
    EXPECT_EQ(f.view.Offset(), (IntPoint{0, 0}));
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.25f);
    EXPECT_EQ(f.view.LastZoomBoxText(), QStringLiteral("25%"));
    EXPECT_EQ(f.view.CheckedZoomCommand(), kZoom25);
}

TEST(ZoomScrollExamples, StretchFillsTheWindowAtTheSmallerQuotient)
{
    ViewFixture f(1000, 500, 800, 600);
    f.view.ToggleStretch();
    EXPECT_TRUE(f.view.Has(kDisplayStretch));
    EXPECT_EQ(f.view.Scale(), 500.0f / 600.0f);  // Sy = 0.8333333 in single precision
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{0, 0, 1200, 600}));
    EXPECT_EQ(f.view.ScaledSize(), (IntSize{666, 499}));
    EXPECT_EQ(f.view.PictureRectInWindow(), (PictureRect{0, 0, 999, 499}));
    EXPECT_EQ(f.view.LastZoomBoxText(), QStringLiteral("83%"));
}

TEST(ZoomScrollExamples, StretchLayoutsLaterDoNotRewriteTheZoomBox)
{
    ViewFixture f(1000, 500, 800, 600);
    f.view.ToggleStretch();
    const int writes = f.zoomBoxWrites;
    f.view.Resize(900, 500);
    f.view.ZoomKeepingCentre(f.view.LayoutPicture());
    EXPECT_EQ(f.zoomBoxWrites, writes);
    EXPECT_FLOAT_EQ(f.view.Scale(), 500.0f / 600.0f);
}

TEST(ZoomScrollExamples, LargePictureWithoutCentringOpensScrolledByHalfItsSize)
{
    ViewFixture f(800, 600, 2000, 1500, /*centre=*/false);
    EXPECT_EQ(f.view.Offset(), (IntPoint{1000, 750}));
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{0, 0, 2000, 1500}));
    EXPECT_EQ(f.view.LastZoomBoxText(), QStringLiteral("100%"));
}

TEST(ZoomScrollExamples, LargePictureWithCentringOpensAtTheTopLeft)
{
    ViewFixture f(800, 600, 2000, 1500);
    EXPECT_EQ(f.view.Offset(), (IntPoint{0, 0}));
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{0, 0, 2000, 1500}));
}

TEST(ZoomScrollExamples, FitWidthBelowTheMinimumShowsTheQuotientButZoomsToTheMinimum)
{
    ViewFixture f(100, 100, 3000, 2000);
    f.view.ToggleFitWidth();
    EXPECT_EQ(f.view.LastZoomBoxText(), QStringLiteral("3%"));
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.05f);
    EXPECT_EQ(f.view.ScaledSize(), (IntSize{150, 100}));
}

TEST(ZoomScrollExamples, ZoomCommandWithoutPictureMovesCheckAndClearsFitButKeepsText)
{
    CZoomScrollImpl view;
    view.ToggleFitHeight();
    view.ZoomCommand(kZoom800);
    EXPECT_FALSE(view.Flags() & kDisplayFitModes);
    EXPECT_EQ(view.CheckedZoomCommand(), kZoom800);
    EXPECT_TRUE(view.LastZoomBoxText().isEmpty());
    EXPECT_FLOAT_EQ(view.Scale(), 1.0f);
}

TEST(ZoomScrollExamples, ZoomKeepsThePointUnderTheCentre)
{
    ViewFixture f(400, 400, 2000, 2000);
    f.view.ScrollToOffset(600, 800);  // centre shows picture point (800, 1000)
    f.view.ZoomCommand(kZoom50);
    // At 50 % that point is window pixel (400, 500) of the scaled picture.
    EXPECT_EQ(f.view.Offset(), (IntPoint{200, 300}));
    EXPECT_EQ(f.view.WindowToLogical({200, 200}), (IntPoint{800, 1000}));
}

TEST(ZoomScrollExamples, TogglingCentreMovesNothingUntilTheNextLayout)
{
    ViewFixture f(600, 400, 200, 100);
    const PictureRect centred = f.view.Rectangle();
    EXPECT_EQ(centred, (PictureRect{200, 150, 400, 250}));
    f.view.ToggleCentre();
    EXPECT_EQ(f.view.Rectangle(), centred);
    f.view.ZoomKeepingCentre(f.view.LayoutPicture());
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{0, 0, 200, 100}));
}

TEST(ZoomScrollExamples, FailedLoadKeepsScaleExtentAndRectangle)
{
    ViewFixture f(600, 400, 1000, 800);
    f.view.ZoomCommand(kZoom50);
    const IntSize scaled = f.view.ScaledSize();
    const PictureRect rect = f.view.Rectangle();
    f.view.PictureLost();
    EXPECT_FALSE(f.view.HasPicture());
    f.view.ZoomKeepingCentre(f.view.LayoutPicture());
    f.view.Resize(300, 300);
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.5f);
    EXPECT_EQ(f.view.ScaledSize(), scaled);
    EXPECT_EQ(f.view.Rectangle(), rect);
}

// ---- Resize ----

TEST(ZoomScrollResize, FitWidthFollowsEveryResize)
{
    ViewFixture f(500, 500, 1000, 500);
    f.view.ToggleFitWidth();
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.5f);
    f.view.Resize(250, 500);
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.25f);
    EXPECT_EQ(f.view.LastZoomBoxText(), QStringLiteral("25%"));
}

TEST(ZoomScrollResize, WithoutFitModeTheScaleStaysAndThePictureRecentres)
{
    ViewFixture f(600, 400, 200, 100);
    f.view.Resize(1000, 300);
    EXPECT_FLOAT_EQ(f.view.Scale(), 1.0f);
    EXPECT_EQ(f.view.Rectangle(), (PictureRect{400, 100, 600, 200}));
}

TEST(ZoomScrollResize, ShrinkingTheWindowClampsNothingGrowingItClampsTheOffset)
{
    ViewFixture f(400, 400, 1000, 1000);
    f.view.ScrollToOffset(600, 600);
    EXPECT_EQ(f.view.Offset(), (IntPoint{600, 600}));
    f.view.Resize(800, 800);
    EXPECT_LE(f.view.Offset().x, 200);
    EXPECT_LE(f.view.Offset().y, 200);
}

// ---- Typed zoom ----

struct TypedZoomCase {
    const char *typed;
    float expectedScale;
    const char *expectedBox;  // nullptr: the box is not written
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

INSTANTIATE_TEST_SUITE_P(
    Values, TypedZoom,
    ::testing::Values(TypedZoomCase{"70", 0.7f, "69%"}, TypedZoomCase{"1000", 8.0f, "800%"},
                      TypedZoomCase{"2", 0.05f, "5%"}, TypedZoomCase{"0", 0.05f, "5%"},
                      TypedZoomCase{"-50", 0.05f, "5%"}, TypedZoomCase{" 250\t", 2.5f, "250%"},
                      TypedZoomCase{"99999999999", 8.0f, "800%"}, TypedZoomCase{"100%", 1.0f, nullptr},
                      TypedZoomCase{"100", 1.0f, nullptr}, TypedZoomCase{"100.05", 1.0f, nullptr},
                      TypedZoomCase{"", 1.0f, nullptr}, TypedZoomCase{"abc", 1.0f, nullptr}));

TEST(TypedZoomWithoutPicture, StillSetsTheScale)
{
    CZoomScrollImpl view;
    view.ApplyTypedZoom(u"50");
    EXPECT_FLOAT_EQ(view.Scale(), 0.5f);
    EXPECT_TRUE(view.LastZoomBoxText().isEmpty());
}

// ---- Steps ----

struct StepCase {
    int scaled;
    int line;
    int page;
};

class ScrollSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(ScrollSteps, AreAHundredthAndATenthOfTheScaledPictureAtLeastOne)
{
    const StepCase &c = GetParam();
    CZoomScrollImpl view;
    view.SetScrollExtent(c.scaled, c.scaled * 2);
    EXPECT_EQ(view.LineStep(), (IntSize{c.line, std::max(1, c.scaled * 2 / 100)}));
    EXPECT_EQ(view.PageStep(), (IntSize{c.page, std::max(1, c.scaled * 2 / 10)}));
}

INSTANTIATE_TEST_SUITE_P(Values, ScrollSteps,
                         ::testing::Values(StepCase{1000, 10, 100}, StepCase{250, 2, 25}, StepCase{199, 1, 19},
                                           StepCase{99, 1, 9}, StepCase{9, 1, 1}, StepCase{0, 1, 1}));

// ---- Scroll bar actions: 1000 x 1000 at 100 % in 500 x 500, range 0..500 ----

struct ScrollCase {
    ScrollAction action;
    int start;
    int track;
    int expected;
};

class ScrollActions : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollActions, MoveTheOffsetWithinTheRange)
{
    const ScrollCase &c = GetParam();
    ViewFixture f(500, 500, 1000, 1000);
    f.view.ScrollToOffset(0, c.start);
    const bool moved = f.view.Scroll(ScrollAxis::Vertical, c.action, c.track);
    EXPECT_EQ(f.view.Offset().y, c.expected);
    EXPECT_EQ(moved, c.expected != c.start);
    EXPECT_EQ(f.view.Offset().x, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScrollActions,
    ::testing::Values(ScrollCase{ScrollAction::LineForward, 0, 0, 10}, ScrollCase{ScrollAction::LineForward, 495, 0, 500},
                      ScrollCase{ScrollAction::LineBack, 5, 0, 0}, ScrollCase{ScrollAction::LineBack, 0, 0, 0},
                      ScrollCase{ScrollAction::PageForward, 0, 0, 100}, ScrollCase{ScrollAction::PageForward, 450, 0, 500},
                      ScrollCase{ScrollAction::PageBack, 150, 0, 50}, ScrollCase{ScrollAction::Start, 300, 0, 0},
                      ScrollCase{ScrollAction::End, 0, 0, 500}, ScrollCase{ScrollAction::Track, 0, 250, 250},
                      ScrollCase{ScrollAction::Track, 0, 9999, 500}, ScrollCase{ScrollAction::Track, 100, -5, 0}));

TEST(ScrollActionsSmallPicture, DoNothingWhenThePictureFits)
{
    ViewFixture f(500, 500, 100, 100);
    EXPECT_FALSE(f.view.Scroll(ScrollAxis::Horizontal, ScrollAction::End));
    EXPECT_FALSE(f.view.Scroll(ScrollAxis::Vertical, ScrollAction::PageForward));
    EXPECT_EQ(f.view.Offset(), (IntPoint{0, 0}));
}

// ---- Wheel: 1000 x 1000 at 100 % in 500 x 500, line step 10, page step 100 ----

struct WheelCase {
    int lines;
    std::vector<int> deltas;
    int start;
    int expected;
};

class VerticalWheel : public ::testing::TestWithParam<WheelCase> {};

TEST_P(VerticalWheel, StepsByLinesPerNotch)
{
    const WheelCase &c = GetParam();
    ViewFixture f(500, 500, 1000, 1000);
    f.view.SetWheelSettings(c.lines, 3);
    f.view.ScrollToOffset(0, c.start);
    for (int d : c.deltas)
        f.view.VerticalWheel(d);
    EXPECT_EQ(f.view.Offset().y, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, VerticalWheel,
    ::testing::Values(WheelCase{3, {-120}, 0, 30}, WheelCase{3, {120}, 100, 70}, WheelCase{3, {120}, 0, 0},
                      WheelCase{-1, {-120}, 0, 100}, WheelCase{-1, {120, 120}, 300, 100},
                      WheelCase{3, {-40, -40, -40}, 0, 60}, WheelCase{1, {-60, -60}, 0, 20},
                      WheelCase{0, {-120}, 0, 0}, WheelCase{INT_MAX, {-120}, 0, 500},
                      WheelCase{3, {-1200}, 0, 300}));

TEST(Wheel, VerticalWheelScrollsSidewaysWhenThePictureFitsInHeight)
{
    ViewFixture f(500, 500, 1000, 200);
    f.view.VerticalWheel(-120);
    EXPECT_EQ(f.view.Offset(), (IntPoint{30, 0}));
}

TEST(Wheel, HorizontalWheelRightAndLeftAndOnlyWhenWider)
{
    ViewFixture wide(500, 500, 1000, 1000);
    wide.view.HorizontalWheel(120);
    EXPECT_EQ(wide.view.Offset(), (IntPoint{30, 0}));
    wide.view.HorizontalWheel(-120);
    EXPECT_EQ(wide.view.Offset(), (IntPoint{0, 0}));

    ViewFixture narrow(500, 500, 400, 1000);
    narrow.view.HorizontalWheel(120);
    EXPECT_EQ(narrow.view.Offset(), (IntPoint{0, 0}));
}

// ---- Flags ----

TEST(DisplayFlags, StartWithCentreAndBorderAndFitModesExcludeEachOther)
{
    CZoomScrollImpl view;
    EXPECT_EQ(view.Flags(), 0x11u);
    view.ToggleFitWidth();
    EXPECT_EQ(view.Flags(), 0x13u);
    view.ToggleFitHeight();
    EXPECT_EQ(view.Flags(), 0x15u);
    view.ToggleStretch();
    EXPECT_EQ(view.Flags(), 0x19u);
    view.ToggleStretch();
    EXPECT_EQ(view.Flags(), 0x11u);
    view.ToggleBorder();
    view.ToggleCentre();
    EXPECT_EQ(view.Flags(), 0x00u);
}

// ---- Degenerate sizes: no division by zero, no undefined conversion ----

struct DegenerateCase {
    int clientW, clientH, pictureW, pictureH;
};

class DegenerateSizes : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(DegenerateSizes, EveryCommandKeepsTheStateFinite)
{
    const DegenerateCase &c = GetParam();
    ViewFixture f(c.clientW, c.clientH, c.pictureW, c.pictureH);
    const auto check = [&] {
        EXPECT_TRUE(std::isfinite(f.view.Scale()));
        EXPECT_GT(f.view.Scale(), 0.0f);
        EXPECT_GE(f.view.ScaledSize().cx, 0);
        EXPECT_GE(f.view.ScaledSize().cy, 0);
        EXPECT_GE(f.view.Offset().x, 0);
        EXPECT_GE(f.view.Offset().y, 0);
        EXPECT_GE(f.view.PictureSize().cx, 1);
        EXPECT_GE(f.view.PictureSize().cy, 1);
    };
    check();
    f.view.ToggleFitWidth();
    check();
    f.view.ToggleFitHeight();
    check();
    f.view.ToggleStretch();
    check();
    f.view.Resize(c.clientH, c.clientW);
    check();
    f.view.ZoomCommand(kZoom800);
    check();
    f.view.ApplyTypedZoom(u"5");
    check();
    f.view.VerticalWheel(-120);
    f.view.HorizontalWheel(120);
    f.view.Scroll(ScrollAxis::Vertical, ScrollAction::End);
    check();
    (void)f.view.PictureRectInWindow();
}

INSTANTIATE_TEST_SUITE_P(Values, DegenerateSizes,
                         ::testing::Values(DegenerateCase{0, 0, 800, 600}, DegenerateCase{0, 500, 800, 600},
                                           DegenerateCase{500, 0, 800, 600}, DegenerateCase{600, 400, 0, 500},
                                           DegenerateCase{600, 400, 500, 0}, DegenerateCase{600, 400, 0, 0},
                                           DegenerateCase{0, 0, 0, 0}, DegenerateCase{1, 1, INT_MAX, INT_MAX},
                                           DegenerateCase{32767, 32767, 1, 1}));

TEST(DegenerateSizesExact, ZeroClientKeepsScaleAndZoomBoxInFitModes)
{
    ViewFixture f(0, 0, 800, 600);
    f.view.ZoomCommand(kZoom50);
    const QString box = f.view.LastZoomBoxText();
    f.view.ToggleFitWidth();
    EXPECT_FLOAT_EQ(f.view.Scale(), 0.5f);
    EXPECT_EQ(f.view.LastZoomBoxText(), box);
}

TEST(DegenerateSizesExact, BothSidesZeroBecomeOnePixel)
{
    ViewFixture f(600, 400, 0, 0);
    EXPECT_EQ(f.view.PictureSize(), (IntSize{1, 1}));
    EXPECT_EQ(f.view.LogicalSize(), (IntSize{1, 1}));
}

TEST(DegenerateSizesExact, HugePictureSaturatesTheScaledSize)
{
    ViewFixture f(600, 400, INT_MAX, 1000);
    f.view.ZoomCommand(kZoom800);
    EXPECT_EQ(f.view.ScaledSize().cx, INT_MAX);
    EXPECT_EQ(f.view.ScaledSize().cy, 8000);
}

// ---- Mapping ----

struct MappingCase {
    int logical, scaled, offset, logicalPoint, windowPoint;
};

class Mapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(Mapping, RoundsToNearest)
{
    const MappingCase &c = GetParam();
    CZoomScrollImpl view;
    view.Resize(10, 10);
    view.PictureLoaded({c.logical, c.logical});
    view.SetScrollExtent(c.scaled, c.scaled);
    view.ScrollToOffset(c.offset, c.offset);
    ASSERT_EQ(view.Offset().x, c.offset);
    EXPECT_EQ(view.LogicalToWindow({c.logicalPoint, 0}).x, c.windowPoint);
}

INSTANTIATE_TEST_SUITE_P(Values, Mapping,
                         ::testing::Values(MappingCase{800, 666, 0, 1200, 999}, MappingCase{1000, 250, 0, 1700, 425},
                                           MappingCase{3, 2, 0, 1, 1},  // 0.667 rounds up
                                           MappingCase{3, 1, 0, 1, 0},  // 0.333 rounds down
                                           MappingCase{2, 1, 0, 1, 1},  // a half rounds away from zero
                                           MappingCase{100, 200, 50, 40, 30}));

} // namespace
