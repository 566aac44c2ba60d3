#include "editor/PictureDialogFilter.h"
#include "ui/PictureFileFilters.h"

#include "Cases.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {
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
    EXPECT_EQ(QDir::match(FilterPatterns(PictureDialogFilters().first()), QString::fromUtf8(GetParam().file)),
              GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Names, AllPicturesFilter,
                         ::testing::Values(FileCase{"Png", "封面.png", true}, FileCase{"Jpeg", "photo.jpeg", true},
                                           FileCase{"UpperCasePng", "PHOTO.PNG", true},
                                           FileCase{"Emf", "clip.emf", true}, FileCase{"Book", "book.vlr", false},
                                           FileCase{"Text", "notes.txt", false},
                                           FileCase{"NoExtension", "picture", false}),
                         CaseName());

TEST(AllPicturesFilter, OffersEveryFormatQtReads)
{
    const QStringList all = FilterPatterns(PictureDialogFilters().first());
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(QDir::match(all, QStringLiteral("picture.") + QString::fromLatin1(format))) << format.constData();
}

} // namespace
