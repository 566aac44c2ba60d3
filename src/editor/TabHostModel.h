#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

// Where a tab control shows its tabs.
enum class TabPlacement { Top, Bottom, Left, Right };

// The area of a tab control in which its pages stand: the client rectangle
// less the tab band (rows × the first tab's height, or width for vertical
// tabs, plus the band gap) and the side margin on the other three sides.
// Empty when the client area has no width or height.
QRect PageDisplayRect(const QRect &client, TabPlacement placement, int tabRows, const QSize &firstTab, int sideMargin,
                      int bandGap);

// The behaviour of the page host: an ordered list of page windows of which
// at most one is enabled and shown, the one of the selected tab. The widget
// supplies the tabs themselves through the four hooks.
class TabHostModel {
public:
    virtual ~TabHostModel() = default;

    // Appends a page (disabled and hidden until it becomes active) and its
    // tab; activates it when asked or when it is the only page. Returns the
    // new tab's index.
    int AddPage(const QString &caption, QWidget *page, bool activate = false, int image = -1, void *data = nullptr);
    // Hides and disables the shown page and shows, enables and focuses page
    // i; an index out of range or already active is ignored.
    void SetActivePage(int i);
    // Removes every page, last to first, as the control goes away.
    void RemoveAllPages();
    // Places every page in the page display rectangle (after a resize).
    void PlacePages();

    int ActivePage() const { return active_; }
    QWidget *ActiveWindow() const { return activeWindow_; }
    int PageCount() const { return int(pages_.size()); }
    QWidget *Page(int i) const { return i >= 0 && i < pages_.size() ? pages_.at(i).data() : nullptr; }

    int SideMargin() const { return sideMargin_; }
    int BandGap() const { return bandGap_; }

protected:
    // The widget's tabs.
    virtual void AppendTab(const QString &caption, int image, void *data) = 0;
    virtual void RemoveTab(int i) = 0;
    virtual void SelectTab(int i) = 0;
    virtual QRect PageRect() const = 0;

private:
    int sideMargin_ = 3;
    int bandGap_ = 5;
    QList<QPointer<QWidget>> pages_;
    int active_ = -1;
    QPointer<QWidget> activeWindow_;
};
