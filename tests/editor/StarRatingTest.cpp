#include "editor/StarRatingButton.h"
#include "editor/StarRatingModel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
// Cells of side 10, as a control 10 pixels high.
constexpr int kH = 10;

struct PressCase {
    int x;
    int stars;
};

class StarPress : public testing::TestWithParam<PressCase> {};

TEST_P(StarPress, PressStoresTheCellUnderThePointer)
{
    StarRatingModel impl;
    impl.MouseMove(GetParam().x, kH);
    ASSERT_TRUE(impl.ButtonDown(GetParam().x, kH));
    impl.ButtonUp();
    impl.MouseLeave();
    EXPECT_EQ(impl.Rating(), GetParam().stars);
    EXPECT_EQ(impl.ShownValue(), GetParam().stars);
}

TEST_P(StarPress, HoverShowsWhatAPressThereWouldStore)
{
    StarRatingModel impl;
    impl.SetRating(2);
    impl.MouseMove(GetParam().x, kH);
    EXPECT_EQ(impl.ShownValue(), GetParam().stars);
    EXPECT_EQ(impl.Rating(), 2); // hovering alone stores nothing
}

INSTANTIATE_TEST_SUITE_P(Cells, StarPress,
                         testing::Values(PressCase{0, 0}, PressCase{9, 0}, // the empty first cell: no star
                                         PressCase{10, 1}, PressCase{19, 1}, PressCase{35, 3}, // 3.5 × h
                                         PressCase{50, 5}, PressCase{59, 5},
                                         PressCase{75, 7})); // right of the last star: not limited to 5

TEST(StarRatingModel, HoverPositionIsXOverHeightAsFloat)
{
    StarRatingModel impl;
    EXPECT_FLOAT_EQ(impl.HoverPosition(), -1.0f);
    impl.MouseMove(35, kH);
    EXPECT_FLOAT_EQ(impl.HoverPosition(), 3.5f);
    impl.MouseMove(7, 3);
    EXPECT_FLOAT_EQ(impl.HoverPosition(), 7.0f / 3.0f);
}

TEST(StarRatingModel, DragShowsStarsUnderMouseThenPressPointAfterLeaving)
{
    StarRatingModel impl;
    impl.MouseMove(42, kH);
    impl.ButtonDown(42, kH);
    EXPECT_TRUE(impl.Captured());
    EXPECT_FLOAT_EQ(impl.HoverPosition(), -1.0f); // a press clears the hover
    EXPECT_EQ(impl.ShownValue(), 4);
    impl.MouseMove(21, kH); // dragging with the button held
    EXPECT_EQ(impl.ShownValue(), 2);
    impl.ButtonUp();
    EXPECT_FALSE(impl.Captured());
    EXPECT_EQ(impl.ShownValue(), 2);
    impl.MouseLeave();
    EXPECT_FALSE(impl.Tracking());
    EXPECT_EQ(impl.ShownValue(), 4);
    EXPECT_EQ(impl.Rating(), 4);
}

TEST(StarRatingModel, LeavingShowsTheStoredRatingAgain)
{
    StarRatingModel impl;
    impl.SetRating(3);
    impl.MouseMove(55, kH);
    ASSERT_EQ(impl.ShownValue(), 5);
    impl.MouseLeave();
    EXPECT_EQ(impl.ShownValue(), 3);
}

TEST(StarRatingModel, PressWithoutTrackingIsLeftToTheStandardControl)
{
    StarRatingModel impl;
    impl.SetRating(4);
    EXPECT_FALSE(impl.ButtonDown(15, kH));
    EXPECT_FALSE(impl.Captured());
    EXPECT_EQ(impl.Rating(), 4);
}

struct ShownCase {
    int rating;
    int lit;
};

class StarsLit : public testing::TestWithParam<ShownCase> {};

// Painted with a strip whose lit cell is solid red and unlit cell solid blue,
// so the colour at each star corner tells what was drawn there.
TEST_P(StarsLit, RatingLightsStarsWithoutBeingClamped)
{
    constexpr int h = 20;
    ImageStrip strip;
    for (int i = 0; i < kStripCellCount; ++i) {
        QImage cell(kStripCellSize, kStripCellSize, QImage::Format_ARGB32_Premultiplied);
        cell.fill(i == kLitStarCell ? Qt::red : i == kUnlitStarCell ? Qt::blue : Qt::transparent);
        strip.append(cell);
    }
    StarRatingModel impl;
    impl.SetImageStrip(&strip, kLitStarCell, kUnlitStarCell);
    impl.SetRating(GetParam().rating);

    QImage target(6 * h, h, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    impl.Paint(painter, target.rect(), Qt::green);
    painter.end();

    EXPECT_EQ(target.pixel(0, 0), QColor(Qt::green).rgb()); // cell 0 stays empty
    int lit = 0;
    for (int i = 0; i < StarRatingModel::kStarCount; ++i) {
        const QPoint corner = StarRatingModel::StarOrigin(i, h);
        const QRgb atCorner = target.pixel(corner);
        EXPECT_TRUE(atCorner == QColor(Qt::red).rgb() || atCorner == QColor(Qt::blue).rgb()) << "star " << i;
        lit += atCorner == QColor(Qt::red).rgb();
        // Drawn at 16 × 16, not stretched to the 20-pixel cell.
        EXPECT_EQ(target.pixel(corner + QPoint(kStripCellSize, kStripCellSize)), QColor(Qt::green).rgb());
    }
    EXPECT_EQ(lit, GetParam().lit);
    EXPECT_EQ(impl.Rating(), GetParam().rating); // goes back into the book unchanged
}

INSTANTIATE_TEST_SUITE_P(Ratings, StarsLit,
                         testing::Values(ShownCase{0, 0}, ShownCase{1, 1}, ShownCase{3, 3}, ShownCase{5, 5},
                                         ShownCase{7, 5}, ShownCase{-1, 0}, ShownCase{-100, 0}));

struct BoxCase {
    const char *name;
    QSize client;
    int starSide; // the side every star is drawn at
};

class StarBox : public testing::TestWithParam<BoxCase> {};

// Five whole stars in any box: with solid red stars and all five lit, the
// red area is exactly five squares of the star side, none cut or covered.
TEST_P(StarBox, FiveWholeStarsFitTheControl)
{
    ImageStrip strip;
    for (int i = 0; i < kStripCellCount; ++i) {
        QImage cell(kStripCellSize, kStripCellSize, QImage::Format_ARGB32_Premultiplied);
        cell.fill(i == kLitStarCell ? Qt::red : Qt::transparent);
        strip.append(cell);
    }
    StarRatingModel impl;
    impl.SetImageStrip(&strip, kLitStarCell, kUnlitStarCell);
    impl.SetRating(5);
    QImage target(GetParam().client, QImage::Format_RGB32);
    QPainter painter(&target);
    impl.Paint(painter, target.rect(), Qt::green);
    painter.end();
    int red = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            red += target.pixel(x, y) == QColor(Qt::red).rgb();
    EXPECT_EQ(red, 5 * GetParam().starSide * GetParam().starSide);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StarBox,
    testing::Values(BoxCase{"SixCellsWide", QSize(120, 20), 16},
                    BoxCase{"NarrowerThanSixCells", QSize(145, 29), 16}, // the form at a 12-point font
                    BoxCase{"CellsSmallerThanAStar", QSize(87, 13), 13}, BoxCase{"VeryNarrow", QSize(60, 20), 10}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StarStrip, ArtworkFillsTheTwoStarCellsOnly)
{
    const ImageStrip strip = MakeFormImageStrip();
    ASSERT_EQ(strip.size(), kStripCellCount);
    for (int i = 0; i < kStripCellCount; ++i) {
        ASSERT_EQ(strip[i].size(), QSize(kStripCellSize, kStripCellSize));
        const bool drawn = qAlpha(strip[i].pixel(8, 8)) == 255;
        EXPECT_EQ(drawn, i == kLitStarCell || i == kUnlitStarCell) << "cell " << i;
        EXPECT_EQ(qAlpha(strip[i].pixel(0, 15)), 0) << "cell " << i; // transparent corner
    }
    // The unlit star is the same star with a pale centre.
    EXPECT_NE(strip[kLitStarCell].pixel(8, 9), strip[kUnlitStarCell].pixel(8, 9));
}

// The widget passes Qt's mouse events to the behaviour.
void SendMouse(QWidget &widget, QEvent::Type type, int x)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(x, 5), widget.mapToGlobal(QPointF(x, 5)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(StarRatingButton, MouseEventsRateAndHover)
{
    StarRatingButton button;
    button.resize(120, 20);
    SendMouse(button, QEvent::MouseMove, 65);
    EXPECT_EQ(button.ShownValue(), 3);
    SendMouse(button, QEvent::MouseButtonPress, 65);
    EXPECT_TRUE(button.Captured());
    SendMouse(button, QEvent::MouseButtonRelease, 65);
    EXPECT_FALSE(button.Captured());
    EXPECT_EQ(button.Rating(), 3);
    SendMouse(button, QEvent::MouseMove, 105);
    EXPECT_EQ(button.ShownValue(), 5);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.ShownValue(), 3);
}

TEST(StarRatingButton, FlatControlIgnoresTheMouse)
{
    StarRatingButton button;
    button.resize(120, 0);
    button.SetRating(2);
    SendMouse(button, QEvent::MouseMove, 65);
    SendMouse(button, QEvent::MouseButtonPress, 65);
    SendMouse(button, QEvent::MouseButtonRelease, 65);
    EXPECT_EQ(button.Rating(), 2);
    EXPECT_EQ(button.ShownValue(), 2);
}

TEST(StarRatingButton, PaintsTheShownStars)
{
    ImageStrip strip = MakeFormImageStrip();
    StarRatingButton button;
    button.resize(120, 20);
    button.SetImageStrip(&strip, kLitStarCell, kUnlitStarCell);
    button.SetRating(1);
    const QImage one = button.grab().toImage();
    button.SetRating(2);
    const QImage two = button.grab().toImage();
    // Only the second star differs; the first is lit in both.
    EXPECT_EQ(one.copy(20, 0, 20, 20), two.copy(20, 0, 20, 20));
    EXPECT_NE(one.copy(40, 0, 20, 20), two.copy(40, 0, 20, 20));
    EXPECT_EQ(one.copy(60, 0, 60, 20), two.copy(60, 0, 60, 20));
}
} // namespace
