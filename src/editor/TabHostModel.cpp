#include "editor/TabHostModel.h"

QRect PageDisplayRect(const QRect &client, TabPlacement placement, int tabRows, const QSize &firstTab, int sideMargin,
                      int bandGap)
{
    if (client.width() <= 0 || client.height() <= 0)
        return {};
    int left = client.left() + sideMargin;
    int top = client.top() + sideMargin;
    // Edges as exclusive coordinates, so the margins subtract exactly.
    int right = client.left() + client.width() - sideMargin;
    int bottom = client.top() + client.height() - sideMargin;
    switch (placement) {
    case TabPlacement::Top: top = client.top() + tabRows * firstTab.height() + bandGap; break;
    case TabPlacement::Bottom: bottom = client.top() + client.height() - (tabRows * firstTab.height() + bandGap); break;
    case TabPlacement::Left: left = client.left() + bandGap + tabRows * firstTab.width(); break;
    case TabPlacement::Right: right = client.left() + client.width() - (bandGap + tabRows * firstTab.width()); break;
    }
    return QRect(QPoint(left, top), QSize(std::max(0, right - left), std::max(0, bottom - top)));
}

int TabHostModel::AddPage(const QString &caption, QWidget *page, bool activate, int image, void *data)
{
    if (page) {
        page->setEnabled(false);
        page->hide();
    }
    pages_.append(page);
    const int index = int(pages_.size()) - 1;
    AppendTab(caption, image, data);
    if (page)
        page->setGeometry(PageRect());
    if (activate || pages_.size() == 1)
        SetActivePage(index);
    return index;
}

void TabHostModel::SetActivePage(int i)
{
    if (i < 0 || i >= pages_.size() || i == active_)
        return;
    if (activeWindow_) {
        activeWindow_->setEnabled(false);
        activeWindow_->hide();
    }
    QWidget *page = pages_.at(i);
    if (page) {
        page->setEnabled(true);
        page->show();
        page->setFocus();
        page->update();
    }
    active_ = i;
    activeWindow_ = page;
    SelectTab(i);
}

void TabHostModel::RemoveAllPages()
{
    for (int i = int(pages_.size()) - 1; i >= 0; --i) {
        int next = -1;
        if (i == active_) {
            active_ = -1;
            activeWindow_ = nullptr;
            next = i > 0 ? i - 1 : (pages_.size() > 1 ? 0 : -1);
        }
        pages_.removeAt(i);
        RemoveTab(i);
        SetActivePage(next);
    }
}

void TabHostModel::PlacePages()
{
    const QRect area = PageRect();
    for (const QPointer<QWidget> &page : pages_) {
        if (page)
            page->setGeometry(area);
    }
}
