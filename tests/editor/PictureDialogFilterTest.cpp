#include "editor/PictureDialogFilter.h"
#include "ui/PictureFileFilters.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <gtest/gtest.h>

#include <string>

namespace {
// What the user sees in the dialog's type box: the descriptions exactly.
TEST(PictureDialogFilter, DialogShowsTheDescriptionsExactly)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(PictureDialogNameFilters());
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 9);
    EXPECT_EQ(types->itemText(0), QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"));
    EXPECT_EQ(types->itemText(2), QStringLiteral("JPEG文件 (*.jpg)"));
    EXPECT_EQ(types->itemText(8), QStringLiteral("所有文件 (*.*)"));
    EXPECT_EQ(dialog.selectedNameFilter(), PictureDialogFilters().first().text); // first entry selected
}

// "所有图像" offers every picture the program can open, whatever its
// extension's case, and still no other files.
struct PictureName {
    const char *name;
    const char *file;
};

class AllPicturesFilter : public ::testing::TestWithParam<PictureName> {};

TEST_P(AllPicturesFilter, OffersThePicture)
{
    EXPECT_TRUE(QDir::match(FilterPatterns(PictureDialogFilters().first()), QString::fromUtf8(GetParam().file)));
}

INSTANTIATE_TEST_SUITE_P(Names, AllPicturesFilter,
                         ::testing::Values(PictureName{"Png", "封面.png"}, PictureName{"Jpeg", "photo.jpeg"},
                                           PictureName{"UpperCasePng", "PHOTO.PNG"}, PictureName{"Tiff", "scan.tif"},
                                           PictureName{"Bitmap", "old.bmp"}, PictureName{"Wmf", "clip.wmf"},
                                           PictureName{"Emf", "clip.emf"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PictureDialogFilter, AllPicturesCoversEveryReadableFormatAndNothingElse)
{
    const QStringList all = FilterPatterns(PictureDialogFilters().first());
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(QDir::match(all, QStringLiteral("picture.") + QString::fromLatin1(format))) << format.constData();
    for (const char *other : {"book.vlr", "notes.txt", "picture"})
        EXPECT_FALSE(QDir::match(all, QString::fromLatin1(other))) << other;
}

} // namespace
