#pragma once

// A started main frame, shown and active, with every routed command
// recorded.

#include "FileCommandDoubles.h"
#include "app/MainFrame.h"
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
        frame = CreateMainFrame();
        frame->SetCommandObserver([this](int id) { routed.append(id); });
        // Keys that reach file commands or the settings sheet must not leave
        // a modal dialog waiting for a user who is not there.
        frame->SetFileCommandUi(std::make_unique<ScriptedUser>());
        frame->SetSettingsDialogRunner([] {});
        frame->show();
        QApplication::setActiveWindow(frame.get());
    }

    // What the commands of one mode switch leave behind is not what a test
    // looks at.
    void SwitchTo(bool read)
    {
        frame->OnCommand(read ? 1038 : 32806);
        frame->OnIdle();
        routed.clear();
    }

    // The reader pages through three 1200 x 900 pictures, as after an open.
    void GiveReaderPages()
    {
        QImage image(QSize(1200, 900), QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        pictureBook = BookDocument::MakeNew();
        for (int i = 0; i < 3; ++i) {
            const QString path = pictureDir.filePath(QStringLiteral("p%1.bmp").arg(i));
            image.save(path, "BMP");
            pictureBook.Pictures.append(PictureEntry(path, QString(), 0));
        }
        pictureBook.PictureCount = 3;
        frame->Reader().SetBook(&pictureBook);
        frame->Reader().ShowCurrentPage();
        frame->Reader().UpdatePageBox();
    }

    QTemporaryDir pictureDir;
    BookDocument pictureBook;
    std::unique_ptr<CMainFrame> frame;
    QList<int> routed;
};
