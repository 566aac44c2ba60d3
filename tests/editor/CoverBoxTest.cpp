#include "editor/CoverBox.h"
#include "editor/CoverCodec.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
const QRgb kRed = QColor(Qt::red).rgb(), kGreen = QColor(Qt::green).rgb(), kBlue = QColor(Qt::blue).rgb();

// Double clicks the box and answers the picture dialog it opens with the
// file, or cancels it when the name is empty.
void DoubleClickChoosing(CoverBox &box, const QString &file)
{
    QTimer::singleShot(0, [file] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, file.isEmpty() ? "reject" : "accept");
    });
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5), box.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
}

TEST(CoverBox, ChosenPictureIsSqueezedIntoTheBoxAndShownUnscaledCancelOrAnUnreadableFileKeepsTheCover)
{
    ScratchDir dir;
    // 1000 × 200, red at its left end and green at its right end.
    QImage picture = fixtures::Solid(1000, 200, Qt::blue);
    QPainter(&picture).fillRect(0, 0, 100, 200, Qt::red);
    QPainter(&picture).fillRect(900, 0, 100, 200, Qt::green);
    const QString wide = dir.FilePath(QStringLiteral("wide.bmp")), text = dir.FilePath(QStringLiteral("text.bmp"));
    ASSERT_TRUE(picture.save(wide, "BMP") && WriteAll(text, "this is text, not a bitmap"));
    CoverBox box;
    box.resize(135, 102);
    box.show();
    const QString loaded = CoverTextFromBitmap(fixtures::Solid(4, 4, Qt::gray));
    ASSERT_TRUE(box.DecodeCover(loaded));
    QString cover;
    for (const QString &kept : {QString(), text}) {
        DoubleClickChoosing(box, kept);
        ASSERT_TRUE(box.EncodeCover(cover));
        EXPECT_EQ(cover, loaded);
    }

    DoubleClickChoosing(box, wide);
    const QImage &chosen = box.CoverBitmap();
    ASSERT_EQ(chosen.size(), box.contentsRect().size());
    EXPECT_EQ(chosen.pixel(2, 50), kRed);
    EXPECT_EQ(chosen.pixel(66, 0), kBlue);
    EXPECT_EQ(chosen.pixel(66, chosen.height() - 1), kBlue);
    EXPECT_EQ(chosen.pixel(chosen.width() - 2, 50), kGreen);
    ASSERT_TRUE(box.EncodeCover(cover));
    EXPECT_EQ(cover, CoverTextFromBitmap(chosen));
    // In a larger box the cover stays unscaled at the corner, the face colour beyond it.
    box.resize(200, 150);
    const QImage shown = box.grab().toImage();
    const QPoint corner = box.contentsRect().topLeft();
    EXPECT_EQ(shown.pixel(corner + QPoint(2, 50)), kRed);
    EXPECT_EQ(shown.pixel(corner + QPoint(chosen.width() + 2, 50)), box.palette().color(QPalette::Button).rgb());
}
} // namespace
