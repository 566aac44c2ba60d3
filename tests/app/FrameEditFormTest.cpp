// The book form inside the frame: the page commands and the idle count.

#include "FrameFixture.h"

#include "TestFiles.h"

#include "editor/PictureSequenceEditor.h"
#include "editor/TabHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

namespace {

struct PageCase {
    int command;
    int page;
};

class FramePageCommand : public FrameTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(FramePageCommand, ShowsItsPageInEditMode)
{
    ASSERT_NE(frame_->EditForm(), nullptr);
    // From the other page, so the command has something to change.
    frame_->EditForm()->SetActivePage(1 - GetParam().page);
    frame_->OnCommand(GetParam().command);
    EXPECT_FALSE(frame_->IsReadMode());
    EXPECT_EQ(frame_->EditForm()->Tabs()->ActivePage(), GetParam().page);
    EXPECT_EQ(frame_->EditForm()->Tabs()->TabBar()->currentIndex(), GetParam().page);
    EXPECT_TRUE(frame_->EditForm()->Tabs()->Page(GetParam().page)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Commands, FramePageCommand, ::testing::Values(PageCase{32805, 1}, PageCase{32807, 0}));

TEST_F(FrameTest, IdleWritesTheEntryCountIntoTheFormInEditModeOnly)
{
    BookInfoForm *form = frame_->EditForm();
    BookDocument book = BookDocument::MakeNew();
    book.pictureCount = 3000;
    for (int i = 0; i < 7; ++i)
        book.pictures.append(PictureEntry(QStringLiteral("/nowhere/%1.jpg").arg(i), QString(), 0));
    form->FillFromBook(book);
    frame_->OnIdle();
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("3000"));
    SwitchTo(false);
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("7"));
}

} // namespace

namespace {

// The file commands gather from the real form: a title typed into it makes
// the book differ from the saved one, and loading a book fills the form.
TEST_F(FrameTest, FileCommandsSeeTheFormsControls)
{
    BookInfoForm *form = frame_->EditForm();
    EXPECT_FALSE(frame_->BooksDiffer());
    form->TitleEdit()->setText(QStringLiteral("新画册"));
    EXPECT_TRUE(frame_->BooksDiffer());
    ASSERT_TRUE(frame_->LoadBook(QStringLiteral(VELLORA_TEST_DATA "/handwritten.vlr")));
    EXPECT_EQ(form->TitleText(), frame_->SavedBook().title);
    EXPECT_FALSE(frame_->BooksDiffer());
}

} // namespace
