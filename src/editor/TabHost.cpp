#include "editor/TabHost.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TabHost::TabHost(QWidget *parent) : QWidget(parent), bar_(new QTabBar(this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(true);
    // A click on a tab shows its page.
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { SetActivePage(index); });
    PlaceTabBar();
}

TabHost::~TabHost()
{
    // The pages are our children and go with us; the tab bar must not
    // announce their removal to a half-destroyed host.
    const QSignalBlocker blocker(bar_);
    RemoveAllPages();
}

QRect TabHost::PageRect() const
{
    const QSize firstTab = bar_->count() > 0 ? bar_->tabRect(0).size() : QSize(0, bar_->sizeHint().height());
    return PageDisplayRect(rect(), TabPlacement::Top, 1, firstTab, SideMargin(), BandGap());
}

void TabHost::AppendTab(const QString &caption, int /*image*/, void * /*data*/)
{
    // The host chooses the page itself once the tab is in place.
    const QSignalBlocker blocker(bar_);
    bar_->addTab(caption);
    PlaceTabBar();
}

void TabHost::RemoveTab(int i)
{
    const QSignalBlocker blocker(bar_);
    bar_->removeTab(i);
}

void TabHost::SelectTab(int i)
{
    const QSignalBlocker blocker(bar_);
    bar_->setCurrentIndex(i);
}

void TabHost::PlaceTabBar() { bar_->setGeometry(0, 0, width(), bar_->sizeHint().height()); }

void TabHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceTabBar();
    PlacePages();
}

void TabHost::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar_->size();
    frame.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
