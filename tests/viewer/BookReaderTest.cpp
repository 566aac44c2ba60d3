#include "viewer/BookReader.h"

#include "document/BookDocument.h"

#include "viewer/PageView.h"

#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A page view that records what the reader shows on it.
class RecordingView : public PageView {
public:
    QStringList shown;
    int emptied = 0;

    void ShowPicture(const QString &path) override { shown.append(path); }
    void ShowNoPicture() override { ++emptied; }
    void ExpectPictures(const QStringList &) override {}
    void ApplyTypedZoom(QStringView) override {}
    bool BorderShown() const override { return true; }
    bool Centred() const override { return true; }
    void SetBorderAndCentre(bool, bool) override {}
};

// A book of `entries` picture lines whose count line says `count`.
BookDocument MakeBook(int entries, int count)
{
    BookDocument book = BookDocument::MakeNew();
    for (int i = 0; i < entries; ++i)
        book.pictures.append(PictureEntry(QStringLiteral("/p%1.jpg").arg(i), QString(), 0));
    book.pictureCount = count;
    return book;
}

struct ReaderFixture : ::testing::Test {
    RecordingView view;
    QLineEdit pageBox;
    BookReader reader;
    BookDocument book;

    ReaderFixture()
    {
        reader.SetView(&view);
        QObject::connect(&reader, &BookReader::pageChanged,
                         [this](int page, int count) { pageBox.setText(PageBoxText(page, count)); });
    }
    void Open(const BookDocument &b)
    {
        book = b;
        reader.SetBook(&book);
    }
};

// New, or a book opened without pages: the page of the book before must not
// stay on screen.
TEST_F(ReaderFixture, ABookWithoutPagesEmptiesTheView)
{
    Open(MakeBook(3, 3));
    reader.ShowCurrentPage();
    EXPECT_EQ(view.emptied, 0);
    Open(MakeBook(0, 0)); // new: the frame only sets the book
    EXPECT_EQ(view.emptied, 1);
    reader.ShowCurrentPage(); // open: the frame also shows the current page
    EXPECT_EQ(view.emptied, 2);
    reader.UpdatePageBox();
    EXPECT_EQ(pageBox.text(), QStringLiteral("0/0"));
}

// A count line beyond the entries, or a page kept from before (or read from
// the reading state) beyond the book, never shows a missing entry.
TEST_F(ReaderFixture, PagesOutsideTheBookAreNeverShown)
{
    Open(MakeBook(3, 10));
    reader.LastPage();
    reader.UpdatePageBox();
    EXPECT_EQ(pageBox.text(), QStringLiteral("3/3"));
    Open(MakeBook(5, 5));
    reader.SetCurrentPage(7);
    reader.ShowCurrentPage();
    EXPECT_EQ(view.shown, (QStringList{QStringLiteral("/p2.jpg"), QStringLiteral("/p0.jpg")}));
}

} // namespace
