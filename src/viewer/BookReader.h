#pragma once

#include "viewer/PageNavigation.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

struct BookDocument;
class PageView;
class QWidget;

// The reading logic of read mode: which page of the book is current, the
// page moves and auto-browse. It refers to the frame's saved book and its
// picture view; it owns neither, and holds no widget of the frame: it
// announces the page, the book and auto-browse, and the frame shows them.
//
// Books the program did not write may hold a pictureCount that disagrees with
// their entries, and state files may hold any page: the reader pages only
// through the entries that exist (see UsablePageCount), so no entry past the
// end is ever shown.
class BookReader : public QObject {
    Q_OBJECT
public:
    explicit BookReader(QObject *parent = nullptr);
    ~BookReader() override;

    // A book without pages (a new one, or one opened empty) empties the
    // view at once: the previous book's page must not stay on screen.
    void SetBook(const BookDocument *book);
    const BookDocument *Book() const { return book_; }
    void SetView(PageView *view) { view_ = view; }
    // The frame tells the reader its mode on every switch; it starts in read mode.
    void SetReadMode(bool readMode) { readMode_ = readMode; }
    bool IsReadMode() const { return readMode_; }

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
    // Announces the page as it is now (pageChanged), for the page box.
    void UpdatePageBox();
    bool ToggleAutoBrowse();
    void StopAutoBrowse();
    void OnAutoBrowseTick();
    // Applies what the user typed into the zoom box and the page box.
    void OnRedisplay(QStringView typedZoom, QStringView typedPage);
    // The reading parameters dialog over the owner; true when OK was chosen.
    bool OnReadingParameters(QWidget *owner);
    // The values of an accepted reading parameters dialog.
    void ApplyReadingParameters(QStringView stepText, QStringView speedText, bool border, bool centre);
    // The frame's idle update: auto-browse does not outlive read mode.
    void OnIdle();

    bool SaveReadingState() const;
    bool LoadReadingState();

signals:
    // The current page (from 0) of so many usable pages; 0 pages: no book to read.
    void pageChanged(int currentPage, int pageCount);
    void bookChanged();
    void autoBrowseStarted();
    void autoBrowseStopped();

private:
    void Move(PageMove move);
    void ShowPage(int page);
    void TellViewWhatComesNext();

    const BookDocument *book_ = nullptr;
    PageView *view_ = nullptr;
    bool readMode_ = true;
    QTimer timer_;
    bool autoBrowsing_ = false;
    int currentPage_ = 0;
    std::int32_t speed_ = 1;
    std::int32_t step_ = 1;
};

// What the page box shows for an announced page: "3/10", or "0/0" without pages.
QString PageBoxText(int currentPage, int pageCount);
