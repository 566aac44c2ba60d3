#include "editor/TabViewCtrl.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

CTabViewCtrl::CTabViewCtrl(QWidget *parent)
    : QWidget(parent)
    , bar_(new QTabBar(this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(true);
    // A click on a tab shows its page.
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { SetActivePage(index); });
    PlaceTabBar();
}

CTabViewCtrl::~CTabViewCtrl()
{
    // The pages are our children and go with us; the tab bar must not
    // announce their removal to a half-destroyed host.
    const QSignalBlocker blocker(bar_);
    RemoveAllPages();
}

QRect CTabViewCtrl::PageRect() const
{
    const QSize firstTab = bar_->count() > 0 ? bar_->tabRect(0).size() : QSize(0, bar_->sizeHint().height());
    return PageDisplayRect(rect(), TabPlacement::Top, 1, firstTab, SideMargin(), BandGap());
}

void CTabViewCtrl::AppendTab(const QString &caption, int /*image*/, void * /*data*/)
{
    // The host chooses the page itself once the tab is in place.
    const QSignalBlocker blocker(bar_);
    bar_->addTab(caption);
    PlaceTabBar();
}

void CTabViewCtrl::RemoveTab(int i)
{
    const QSignalBlocker blocker(bar_);
    bar_->removeTab(i);
}

void CTabViewCtrl::SelectTab(int i)
{
    const QSignalBlocker blocker(bar_);
    bar_->setCurrentIndex(i);
}

void CTabViewCtrl::PlaceTabBar()
{
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
}

void CTabViewCtrl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceTabBar();
    PlacePages();
}

void CTabViewCtrl::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar_->size();
    frame.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}
