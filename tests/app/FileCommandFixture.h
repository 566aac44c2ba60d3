#pragma once

// A main frame with a fresh data folder, the fake form and reader plugged
// in and a scripted user at its dialogs.

#include "FileCommandDoubles.h"
#include "TestFiles.h"
#include "app/MainFrame.h"
#include "app/StartUp.h"
#include "document/AppDirectories.h"
#include "document/BookFile.h"
#include "platform/CommandIds.h"
#include "settings/store/SettingsStore.h"

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
        SetDataDirectory(data.path());
        StartFrame();
    }

    void StartFrame()
    {
        frame = CreateMainFrame();
        auto scripted = std::make_unique<ScriptedUser>();
        user = scripted.get();
        frame->SetFileCommandUi(std::move(scripted));
        frame->SetBookForm(&form);
        frame->SetReaderPort(&reader);
        frame->show();
        QApplication::setActiveWindow(frame.get());
    }

    // A book file on disk with a title and the given pictures.
    QString MakeBookFile(const QString &name, const QString &title, int pictures = 0)
    {
        BookDocument book = BookDocument::MakeNew();
        book.Title = title;
        for (int i = 0; i < pictures; ++i)
            book.Pictures.append(PictureEntry(QStringLiteral("/pictures/p%1.bmp").arg(i), QStringLiteral("2026-1-1 10:00"), 10));
        book.PictureCount = pictures;
        const QString path = files.file(name);
        EXPECT_TRUE(WriteBookFile(path, book));
        return path;
    }

    void Open(const QString &path)
    {
        user->openAnswers.enqueue(path);
        frame->OnCommand(kCmdFileOpen);
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
        for (QAction *a : frame->RecentFilesMenu()->actions())
            texts.append(a->text());
        return texts;
    }

    QString Stored(const QString &key) const
    {
        return ReadSettingText(QStringLiteral("Recent Document List"), key, QStringLiteral("<missing>"));
    }

    ScratchDir data;
    ScratchDir files;
    FakeBookForm form;
    FakeReader reader;
    ScriptedUser *user = nullptr;
    std::unique_ptr<CMainFrame> frame;
};
