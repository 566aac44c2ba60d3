#pragma once

#include "viewer/PageNavigation.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>

struct BookDocument;
class PageView;
class QLineEdit;
class QWidget;

// The reading logic of read mode: which page of the book is current, the
// page moves, auto-browse and the page box. It refers to the frame's saved
// book and its picture view; it owns neither.
//
// Books the program did not write may hold a pictureCount that disagrees with
// their entries, and state files may hold any page: the reader pages only
// through the entries that exist (see UsablePageCount), so no entry past the
// end is ever shown.
class BookReader {
public:
    BookReader();
    ~BookReader();
    BookReader(const BookReader &) = delete;
    BookReader &operator=(const BookReader &) = delete;

    // A book without pages (a new one, or one opened empty) empties the
    // view at once: the previous book's page must not stay on screen.
    void SetBook(const BookDocument *book);
    const BookDocument *Book() const { return book_; }
    void SetView(PageView *view) { view_ = view; }
    void SetPageBox(QLineEdit *pageBox);
    // Tells whether the frame is in read mode; without one it always is.
    void SetReadModeQuery(std::function<bool()> isReadMode) { isReadMode_ = std::move(isReadMode); }

    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int page) { currentPage_ = page; }
    std::int32_t Speed() const { return speed_; }
    void SetSpeed(std::int32_t speed) { speed_ = speed; }
    std::int32_t Step() const { return step_; }
    void SetStep(std::int32_t step) { step_ = step; }
    bool IsAutoBrowsing() const { return autoBrowsing_; }
    bool IsTimerRunning() const { return timer_.isActive(); }
    int TimerInterval() const { return timer_.interval(); }
    int PageCount() const;

    void ShowCurrentPage();
    void NextPage() { Move(PageMove::Next); }
    void PreviousPage() { Move(PageMove::Previous); }
    void FirstPage() { Move(PageMove::First); }
    void LastPage() { Move(PageMove::Last); }
    void JumpForward() { Move(PageMove::JumpForward); }
    void JumpBack() { Move(PageMove::JumpBack); }

    // The frame's command handlers. Navigation acts only in read mode on a
    // book with pages; false when it did nothing.
    bool Navigate(PageMove move);
    void UpdatePageBox();
    bool ToggleAutoBrowse();
    void StopAutoBrowse();
    void OnAutoBrowseTick();
    void OnRedisplay();
    // The reading parameters dialog over the owner; true when OK was chosen.
    bool OnReadingParameters(QWidget *owner);
    // The values of an accepted reading parameters dialog.
    void ApplyReadingParameters(QStringView stepText, QStringView speedText, bool border, bool centre);
    // The frame's idle update: auto-browse does not outlive read mode.
    void OnIdle();

    bool SaveReadingState() const;
    bool LoadReadingState();

private:
    void Move(PageMove move);
    void ShowPage(int page);
    void TellViewWhatComesNext();
    bool IsReadMode() const { return !isReadMode_ || isReadMode_(); }

    const BookDocument *book_ = nullptr;
    PageView *view_ = nullptr;
    QPointer<QLineEdit> pageBox_;
    std::function<bool()> isReadMode_;
    QTimer timer_;
    bool autoBrowsing_ = false;
    int currentPage_ = 0;
    std::int32_t speed_ = 1;
    std::int32_t step_ = 1;
};
