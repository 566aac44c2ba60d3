#pragma once

// A started main frame, shown and active, with every routed command
// recorded, a fresh data folder and a scripted user at its dialogs.

#include "TestFiles.h"
#include "app/FileCommandUi.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "document/AppDirectories.h"
#include "document/BookFile.h"
#include "editor/BookInfoForm.h"
#include "ui/CommandIds.h"
#include "viewer/BookReader.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QQueue>
#include <gtest/gtest.h>
#include <memory>

// Answers dialogs and message boxes from queues, as a user would; an empty
// queue cancels the dialog or presses the box's last button.
class ScriptedUser : public FileCommandUi {
public:
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QMessageBox::StandardButton> messageAnswers;
    QList<int> messagesShown;
    int openDialogs = 0;
    int saveDialogs = 0;

    QString AskOpenPath() override { return ++openDialogs, openAnswers.isEmpty() ? QString() : openAnswers.dequeue(); }
    QString AskSavePath() override { return ++saveDialogs, saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue(); }
    QMessageBox::StandardButton ShowMessage(int stringId, QMessageBox::StandardButtons buttons) override
    {
        messagesShown.append(stringId);
        if (!messageAnswers.isEmpty())
            return messageAnswers.dequeue();
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
               : buttons.testFlag(QMessageBox::No)   ? QMessageBox::No
                                                     : QMessageBox::Ok;
    }
    void Beep() override {}
    void SetBusy(bool) override {}
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(data_.Path());
        frame_ = CreateMainWindow();
        QObject::connect(frame_.get(), &MainWindow::commandRouted, [this](int id) { routed_.append(id); });
        auto scripted = std::make_unique<ScriptedUser>();
        user_ = scripted.get();
        frame_->SetFileCommandUi(std::move(scripted));
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

    // A book file (named in the files folder, or a full path) with a title
    // and the given 1200 x 900 pictures beside it.
    QString MakeBook(const QString &name, const QString &title, int pictures = 0)
    {
        const QString path = QDir(files_.Path()).filePath(name);
        QImage image(QSize(1200, 900), QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        BookDocument book = BookDocument::MakeNew();
        book.title = title;
        for (int i = 0; i < pictures; ++i) {
            book.pictures.append(PictureEntry(path + QStringLiteral(".p%1.bmp").arg(i), QString(), 0));
            image.save(book.pictures.last().path, "BMP");
        }
        book.pictureCount = pictures;
        EXPECT_TRUE(WriteBookFile(path, book));
        return path;
    }

    void Open(const QString &path)
    {
        user_->openAnswers.enqueue(path);
        frame_->OnCommand(kCmdFileOpen);
    }

    QLineEdit *Title() const { return frame_->EditForm()->TitleEdit(); }
    // The reading states the program keeps, one file per book.
    QStringList StateFiles() const { return QDir(DataDirectory() + QStringLiteral("etc")).entryList(QDir::Files); }

    ScratchDir data_;
    ScratchDir files_;
    ScriptedUser *user_ = nullptr;
    std::unique_ptr<MainWindow> frame_;
    QList<int> routed_;
};
