#include "viewer/ReadingCommands.h"

#include "document/BookDocument.h"
#include "viewer/AxPictureView.h"
#include "viewer/BookReader.h"
#include "viewer/ZoomScrollImpl.h"

#include "TestFiles.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using namespace ReadingCommand;

struct StateCase {
    int id;
    bool stretch;
    bool autoBrowsing;
    bool readMode;
    bool onToolBar;
    ReadingCommandState expected;
};

class CommandStates : public ::testing::TestWithParam<StateCase> {};

TEST_P(CommandStates, FollowModeStretchFlagsAndAutoBrowse)
{
    const StateCase &c = GetParam();
    CZoomScrollImpl view;  // centre and border on, 100 % checked
    if (c.stretch)
        view.ToggleStretch();
    EXPECT_EQ(ReadingCommandStateFor(c.id, view, c.autoBrowsing, c.readMode, c.onToolBar), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CommandStates,
    ::testing::Values(
        StateCase{Zoom100, false, false, true, false, {true, true}},
        StateCase{Zoom100, false, false, true, true, {true, false}},   // the button is never checked
        StateCase{Zoom100, true, false, false, true, {true, false}},   // nor disabled
        StateCase{Zoom100, true, false, true, false, {false, true}},   // the menu item is, in stretch
        StateCase{Zoom400, false, false, true, false, {true, false}},
        StateCase{Zoom400, false, false, false, false, {false, false}},
        StateCase{Border, false, false, true, true, {true, true}}, StateCase{Border, true, false, true, true, {false, true}},
        StateCase{Centre, false, false, false, false, {false, true}},
        StateCase{Stretch, true, false, true, true, {true, true}}, StateCase{Stretch, false, false, false, true, {false, false}},
        StateCase{FitWidth, false, false, true, false, {true, false}}, StateCase{FitHeight, true, false, true, false, {false, false}},
        StateCase{StartAutoBrowse, false, false, true, true, {true, false}},
        StateCase{StartAutoBrowse, false, true, true, true, {false, false}},
        StateCase{StopAutoBrowse, false, true, true, true, {true, false}},
        StateCase{StopAutoBrowse, false, true, false, true, {false, false}},
        StateCase{NextPage, true, true, false, true, {true, false}}, StateCase{Redisplay, false, false, false, false, {true, false}},
        StateCase{ReadingParameters, false, false, false, true, {true, false}}));

TEST(ZoomBox, IsReadOnlyOutsideReadModeAndInStretch)
{
    CZoomScrollImpl view;
    EXPECT_FALSE(ZoomBoxReadOnly(view, true));
    EXPECT_TRUE(ZoomBoxReadOnly(view, false));
    view.ToggleStretch();
    EXPECT_TRUE(ZoomBoxReadOnly(view, true));
}

TEST(RunReadingCommand, RoutesToTheViewAndTheReader)
{
    ScratchDir dir;
    QImage image(QSize(400, 300), QImage::Format_RGB32);
    image.fill(Qt::gray);
    BookDocument book = BookDocument::MakeNew();
    for (int i = 0; i < 3; ++i) {
        const QString path = dir.file(QStringLiteral("p%1.bmp").arg(i));
        image.save(path, "BMP");
        book.Pictures.append(PictureEntry(path, QString(), 0));
    }
    book.PictureCount = 3;
    QLineEdit zoomBox, pageBox;
    CAxPictureView view;
    view.SetZoomBox(&zoomBox);
    view.resize(300, 200);
    CBookReader reader;
    reader.SetBook(&book);
    reader.SetView(&view);
    reader.SetPageBox(&pageBox);
    reader.ShowCurrentPage();

    EXPECT_TRUE(RunReadingCommand(Zoom25, view, reader, nullptr));
    EXPECT_EQ(zoomBox.text(), QStringLiteral("25%"));
    EXPECT_TRUE(RunReadingCommand(FitWidth, view, reader, nullptr));
    EXPECT_TRUE(view.Arithmetic().Has(kDisplayFitWidth));
    EXPECT_TRUE(RunReadingCommand(LastPage, view, reader, nullptr));
    EXPECT_EQ(pageBox.text(), QStringLiteral("3/3"));
    EXPECT_TRUE(RunReadingCommand(NextPage, view, reader, nullptr));
    EXPECT_EQ(pageBox.text(), QStringLiteral("1/3"));
    EXPECT_TRUE(RunReadingCommand(StopAutoBrowse, view, reader, nullptr));
    EXPECT_TRUE(reader.IsAutoBrowsing());
    EXPECT_TRUE(RunReadingCommand(StartAutoBrowse, view, reader, nullptr));
    EXPECT_FALSE(reader.IsAutoBrowsing());
    EXPECT_FALSE(RunReadingCommand(57600, view, reader, nullptr));
    EXPECT_FALSE(IsReadingCommand(57600));
    EXPECT_TRUE(IsReadingCommand(Redisplay));
}

} // namespace
