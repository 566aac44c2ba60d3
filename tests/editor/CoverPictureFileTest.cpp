#include "editor/CoverBox.h"
#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include "TestFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// A 1000 × 200 picture, red at its left end and green at its right end.
QString WideBmp(const ScratchDir &dir)
{
    QImage picture(1000, 200, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    QPainter painter(&picture);
    painter.fillRect(0, 0, 100, 200, Qt::red);
    painter.fillRect(900, 0, 100, 200, Qt::green);
    painter.end();
    const QString path = dir.FilePath(QStringLiteral("wide.bmp"));
    picture.save(path, "BMP");
    return path;
}

TEST(CoverPictureFile, WidePictureIsSqueezedIntoTheBox)
{
    ScratchDir dir;
    CoverBoxModel box;
    ASSERT_TRUE(box.LoadCoverPicture(WideBmp(dir), QSize(133, 100)));
    const QImage &cover = box.CoverBitmap();
    ASSERT_EQ(cover.size(), QSize(133, 100));
    EXPECT_EQ(cover.pixel(2, 50), qRgb(255, 0, 0));
    EXPECT_EQ(cover.pixel(66, 0), qRgb(0, 0, 255));
    EXPECT_EQ(cover.pixel(66, 99), qRgb(0, 0, 255));
    EXPECT_EQ(cover.pixel(131, 50), qRgb(0, 255, 0));
}

struct UnloadableCase {
    const char *name;
    QByteArray bytes; // empty: no file at all
};

void PrintTo(const UnloadableCase &c, std::ostream *os) { *os << c.name; }

class UnloadableCover : public testing::TestWithParam<UnloadableCase> {};

TEST_P(UnloadableCover, ChangesNothing)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("cover.bmp"));
    if (!GetParam().bytes.isEmpty()) {
        ASSERT_TRUE(WriteAll(path, GetParam().bytes));
    }
    CoverBoxModel box;
    const QString loaded = CoverTextFromBitmap(QImage(4, 4, QImage::Format_RGB32));
    ASSERT_TRUE(box.DecodeCover(loaded));
    EXPECT_FALSE(box.LoadCoverPicture(path, QSize(133, 100)));
    QString cover;
    ASSERT_TRUE(box.EncodeCover(cover));
    EXPECT_EQ(cover, loaded);
    EXPECT_EQ(box.CoverBitmap().size(), QSize(4, 4));
}

INSTANTIATE_TEST_SUITE_P(Files, UnloadableCover,
                         testing::Values(UnloadableCase{"missing", QByteArray()},
                                         UnloadableCase{"not_a_picture", QByteArray("this is text, not a bitmap")},
                                         UnloadableCase{"truncated_bmp_header", QByteArray("BM\x10\x00", 4)}));

// The double click goes through the picture dialog: cancelling keeps the
// cover, choosing a file replaces it.
void AnswerDialog(const QString &file)
{
    QTimer::singleShot(0, [file] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bmp"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        if (file.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
}

void DoubleClick(QWidget &widget)
{
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(CoverBoxDialog, CancelKeepsTheCoverAndAChosenFileReplacesIt)
{
    ScratchDir dir;
    const QString wide = WideBmp(dir);
    CoverBox box;
    box.resize(135, 102);
    box.show();
    ASSERT_FALSE(box.HasCoverBitmap());

    AnswerDialog(QString());
    DoubleClick(box);
    EXPECT_FALSE(box.HasCoverBitmap());

    AnswerDialog(wide);
    DoubleClick(box);
    ASSERT_TRUE(box.HasCoverBitmap());
    EXPECT_EQ(box.CoverBitmap().size(), box.contentsRect().size());
}
} // namespace
