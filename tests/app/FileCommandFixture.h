#pragma once

// A main frame with a fresh data folder, the fake form and reader plugged
// in and a scripted user at its dialogs.

#include "FileCommandDoubles.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "document/AppDirectories.h"
#include "document/BookFile.h"
#include "settings/store/SettingsStore.h"
#include "ui/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

class FileCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(data_.Path());
        StartFrame();
    }

    void StartFrame()
    {
        frame_ = CreateMainWindow();
        auto scripted = std::make_unique<ScriptedUser>();
        user_ = scripted.get();
        frame_->SetFileCommandUi(std::move(scripted));
        frame_->SetBookForm(&form_);
        frame_->SetReaderPort(&reader_);
        frame_->show();
        QApplication::setActiveWindow(frame_.get());
    }

    // A book file on disk with a title and the given pictures.
    QString MakeBookFile(const QString &name, const QString &title, int pictures = 0)
    {
        BookDocument book = BookDocument::MakeNew();
        book.title = title;
        for (int i = 0; i < pictures; ++i)
            book.pictures.append(
                PictureEntry(QStringLiteral("/pictures/p%1.bmp").arg(i), QStringLiteral("2026-1-1 10:00"), 10));
        book.pictureCount = pictures;
        const QString path = files_.FilePath(name);
        EXPECT_TRUE(WriteBookFile(path, book));
        return path;
    }

    void Open(const QString &path)
    {
        user_->openAnswers.enqueue(path);
        frame_->OnCommand(kCmdFileOpen);
    }

    BookDocument OnDisk(const QString &path)
    {
        BookDocument book;
        EXPECT_TRUE(ReadBookFile(path, book));
        return book;
    }

    QStringList RecentMenuTexts() const
    {
        QStringList texts;
        for (QAction *a : frame_->RecentFilesMenu()->actions())
            texts.append(a->text());
        return texts;
    }

    QString Stored(const QString &key) const
    {
        return ReadSettingText(QStringLiteral("Recent Document List"), key, QStringLiteral("<missing>"));
    }

    ScratchDir data_;
    ScratchDir files_;
    FakeBookForm form_;
    FakeReader reader_;
    ScriptedUser *user_ = nullptr;
    std::unique_ptr<MainWindow> frame_;
};
