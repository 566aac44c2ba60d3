#pragma once

// Stand-ins for the user and for the form and the reader, so the file
// commands run through the frame's command routing without a display.

#include "app/BookFormPort.h"
#include "app/FileCommandUi.h"
#include "app/ReaderPort.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <chrono>
#include <functional>
#include <thread>

// Book ids come from the millisecond tick count, so two books made within one
// millisecond share an id; tests that expect a new id wait for the next tick.
inline void NextMillisecond() { std::this_thread::sleep_for(std::chrono::milliseconds(2)); }

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
    int beeps = 0;
    int busyDepth = 0;
    // Runs when the open dialog comes up, before it answers.
    std::function<void()> onOpenDialog;

    QString AskOpenPath() override
    {
        ++openDialogs;
        if (onOpenDialog)
            onOpenDialog();
        return openAnswers.isEmpty() ? QString() : openAnswers.dequeue();
    }
    QString AskSavePath() override
    {
        ++saveDialogs;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    QMessageBox::StandardButton ShowMessage(int stringId, QMessageBox::StandardButtons buttons) override
    {
        messagesShown.append(stringId);
        if (!messageAnswers.isEmpty())
            return messageAnswers.dequeue();
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
               : buttons.testFlag(QMessageBox::No)   ? QMessageBox::No
                                                     : QMessageBox::Ok;
    }
    void Beep() override { ++beeps; }
    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
};

// The form: its controls hold `shown`; CollectBook gathers them into a newly
// made book as the real form does.
class FakeBookForm : public BookFormPort {
public:
    BookDocument shown = BookDocument::MakeNew();
    int fills = 0;
    bool enabled = true;

    BookDocument CollectBook() const override
    {
        BookDocument book = BookDocument::MakeNew();
        book.title = shown.title;
        book.author = shown.author;
        book.category = shown.category;
        book.rating = shown.rating;
        book.cover = shown.cover;
        book.intro = shown.intro;
        book.pictures = shown.pictures;
        book.pictureCount = shown.pictureCount;
        return book;
    }
    void FillFromBook(const BookDocument &book) override
    {
        shown = book;
        ++fills;
    }
    QString TitleText() const override { return shown.title.left(255); }
    void SetFormEnabled(bool on) override { enabled = on; }
};

// Records what the commands ask of the reader, in order.
class FakeReader : public ReaderPort {
public:
    const BookDocument *book = nullptr;
    QStringList calls;
    // Book ids whose reading state was written, in order.
    QStringList statesSavedFor;

    bool HasBook() const override { return book != nullptr; }
    void SetBook(const BookDocument *b) override { book = b; }
    void SetCurrentPage(int page) override { calls.append(QStringLiteral("page %1").arg(page)); }
    void StopAutoBrowse() override { calls.append(QStringLiteral("stop")); }
    bool SaveReadingState() override
    {
        calls.append(QStringLiteral("save state"));
        statesSavedFor.append(book ? book->bookId : QString());
        return true;
    }
    bool LoadReadingState() override
    {
        calls.append(QStringLiteral("load state"));
        return true;
    }
    void ShowCurrentPage() override { calls.append(QStringLiteral("show")); }
    void UpdatePageBox() override { calls.append(QStringLiteral("page box")); }
    void UpdateZoomBox() override { calls.append(QStringLiteral("zoom box")); }
    void ResetZoomScale() override { calls.append(QStringLiteral("zoom 1")); }
};
