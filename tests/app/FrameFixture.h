#pragma once

// A started main frame, shown and active, with every routed command
// recorded.

#include "FileCommandDoubles.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "document/BookDocument.h"
#include "viewer/BookReader.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame_ = CreateMainWindow();
        frame_->SetCommandObserver([this](int id) { routed_.append(id); });
        // Keys that reach file commands or the settings sheet must not leave
        // a modal dialog waiting for a user who is not there.
        frame_->SetFileCommandUi(std::make_unique<ScriptedUser>());
        frame_->SetSettingsDialogRunner([] {});
        frame_->show();
        QApplication::setActiveWindow(frame_.get());
    }

    // What the commands of one mode switch leave behind is not what a test
    // looks at.
    void SwitchTo(bool read)
    {
        frame_->OnCommand(read ? 1038 : 32806);
        frame_->OnIdle();
        routed_.clear();
    }

    // The reader pages through three 1200 x 900 pictures, as after an open.
    void GiveReaderPages()
    {
        QImage image(QSize(1200, 900), QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        pictureBook_ = BookDocument::MakeNew();
        for (int i = 0; i < 3; ++i) {
            const QString path = pictureDir_.filePath(QStringLiteral("p%1.bmp").arg(i));
            image.save(path, "BMP");
            pictureBook_.pictures.append(PictureEntry(path, QString(), 0));
        }
        pictureBook_.pictureCount = 3;
        frame_->Reader().SetBook(&pictureBook_);
        frame_->Reader().ShowCurrentPage();
        frame_->Reader().UpdatePageBox();
    }

    QTemporaryDir pictureDir_;
    BookDocument pictureBook_;
    std::unique_ptr<MainWindow> frame_;
    QList<int> routed_;
};
