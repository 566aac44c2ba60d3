#include "editor/PictureDialogFilter.h"

#include "Cases.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
// The patterns the file dialog takes from the first entry, "所有图像": its
// last parenthesised group, split at blanks.
QStringList AllPictures()
{
    const QString filter = PictureDialogNameFilters().first();
    return filter.mid(filter.lastIndexOf(QLatin1Char('(')) + 1).chopped(1).split(QLatin1Char(' '));
}

// "所有图像" offers every picture the program can open, whatever its
// extension's case, and no other files.
struct FileCase {
    const char *name;
    const char *file;
    bool offered;
};

class AllPicturesFilter : public ::testing::TestWithParam<FileCase> {};

TEST_P(AllPicturesFilter, OffersPicturesOnly)
{
    EXPECT_EQ(QDir::match(AllPictures(), QString::fromUtf8(GetParam().file)), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Names, AllPicturesFilter,
                         ::testing::Values(FileCase{"Png", "封面.png", true}, FileCase{"Jpeg", "photo.jpeg", true},
                                           FileCase{"UpperCasePng", "PHOTO.PNG", true},
                                           FileCase{"Emf", "clip.emf", true}, FileCase{"Book", "book.vlr", false},
                                           FileCase{"Text", "notes.txt", false},
                                           FileCase{"NoExtension", "picture", false}),
                         CaseName());

} // namespace
