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
// Books the program did not write may hold a PictureCount that disagrees with
// their entries, and state files may hold any page: the reader pages only
// through the entries that exist (see UsablePageCount), so no entry past the
// end is ever shown.
class CBookReader {
public:
    CBookReader();
    ~CBookReader();
    CBookReader(const CBookReader &) = delete;
    CBookReader &operator=(const CBookReader &) = delete;

    // A book without pages (a new one, or one opened empty) empties the
    // view at once: the previous book's page must not stay on screen.
    void SetBook(const BookDocument *book);
    const BookDocument *Book() const { return m_book; }
    void SetView(PageView *view) { m_view = view; }
    void SetPageBox(QLineEdit *pageBox);
    // Tells whether the frame is in read mode; without one it always is.
    void SetReadModeQuery(std::function<bool()> isReadMode) { m_isReadMode = std::move(isReadMode); }

    int CurrentPage() const { return m_currentPage; }
    void SetCurrentPage(int page) { m_currentPage = page; }
    std::int32_t Speed() const { return m_speed; }
    void SetSpeed(std::int32_t speed) { m_speed = speed; }
    std::int32_t Step() const { return m_step; }
    void SetStep(std::int32_t step) { m_step = step; }
    bool IsAutoBrowsing() const { return m_autoBrowsing; }
    bool IsTimerRunning() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }
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
    bool IsReadMode() const { return !m_isReadMode || m_isReadMode(); }

    const BookDocument *m_book = nullptr;
    PageView *m_view = nullptr;
    QPointer<QLineEdit> m_pageBox;
    std::function<bool()> m_isReadMode;
    QTimer m_timer;
    bool m_autoBrowsing = false;
    int m_currentPage = 0;
    std::int32_t m_speed = 1;
    std::int32_t m_step = 1;
};
