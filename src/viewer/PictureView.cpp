#include "viewer/PictureView.h"

#include "document/TextLimits.h"
#include "formats/ScreenDpi.h"
#include "viewer/PagePainting.h"
#include "viewer/PagePart.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
QRect ToQRect(const PictureRect &r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
} // namespace

PictureView::PictureView(QWidget *parent)
    : QAbstractScrollArea(parent), announcedFlags_(zs_.Flags()), announcedZoomCommand_(zs_.CheckedZoomCommand())
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    ReadWheelSettings();
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar *bar = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(bar, &QScrollBar::actionTriggered, this, [this, o](int action) { OnScrollAction(o, action); });
        connect(bar, &QScrollBar::valueChanged, this, [this, o](int value) { OnScrollValue(o, value); });
    }
    zs_.Resize(viewport()->width(), viewport()->height());
    // A worker ends the decode of a page shown part first; the page is
    // swapped in on this thread.
    cache_.SetCompletionHandler(
        [this] { QMetaObject::invokeMethod(this, [this] { CompletePartialPage(); }, Qt::QueuedConnection); });
}

PictureView::~PictureView() = default;

void PictureView::CompletePartialPage()
{
    if (!picture_ || !picture_->IsPartial())
        return;
    // Found in the cache; decoded here only if the worker could not.
    if (PagePicturePtr whole = cache_.Obtain(RequestFor(picturePath_))) {
        picture_ = std::move(whole);
        scaledCopy_ = QImage();
        EnsureResolution();
        viewport()->update();
    }
}

void PictureView::ReadWheelSettings()
{
    const int lines = QApplication::wheelScrollLines();
    zs_.SetWheelSettings(lines, lines);
}

DecodeRequest PictureView::RequestFor(const QString &path, bool fullResolution) const
{
    DecodeRequest request;
    request.path = path;
    request.layout = zs_;
    request.fullResolution = fullResolution;
    request.dpi = ScreenLogicalDpi();
    request.devicePixelRatio = devicePixelRatioF();
    return request;
}

void PictureView::DropPicture()
{
    picture_.reset();
    scaledCopy_ = QImage();
    picturePath_.clear();
}

bool PictureView::LoadPicture(const QString &path)
{
    // The old page goes before the new one is decoded: two pages of a book
    // of huge pictures would not fit in memory side by side.
    DropPicture();
    DecodeRequest request = RequestFor(path);
    request.partFirst = true;
    picture_ = cache_.Obtain(request);
    if (!picture_) {
        zs_.PictureLost();
        return false;
    }
    picturePath_ = path;
    zs_.PictureLoaded({picture_->pixelSize.width(), picture_->pixelSize.height()});
    return true;
}

void PictureView::ZoomTo(float scale)
{
    zs_.ZoomTo(scale);
    AfterChange();
}

void PictureView::ZoomKeepingCentre(float scale)
{
    zs_.ZoomKeepingCentre(scale);
    AfterChange();
}

void PictureView::UpdateZoomBox()
{
    zs_.UpdateZoomBox();
    Announce();
}

void PictureView::ResetScale() { zs_.SetScale(1.0f); }

void PictureView::ShowPicture(const QString &path)
{
    // Load, layout and zoom settle the page before anything is written: the
    // scroll bars, the boxes and the resolution check see it once, as it
    // ends up.
    LoadPicture(path);
    zs_.ZoomKeepingCentre(zs_.LayoutPicture());
    AfterChange();
}

void PictureView::ShowNoPicture()
{
    DropPicture();
    zs_.PictureLost();
    AfterChange();
}

void PictureView::ExpectPictures(const QStringList &paths)
{
    QList<DecodeRequest> requests;
    for (const QString &path : paths)
        requests.append(RequestFor(path));
    cache_.Prefetch(requests);
}

void PictureView::ApplyTypedZoom(QStringView typed)
{
    zs_.ApplyTypedZoom(typed.left(kMaxLineBoxLength));
    AfterChange();
}

void PictureView::SetBorderAndCentre(bool border, bool centre)
{
    zs_.SetBorder(border);
    zs_.SetCentre(centre);
    Announce();
}

void PictureView::ZoomCommand(int commandId)
{
    // A zoom command is always announced, even the one already checked: the
    // click that chose its menu item took the check mark away.
    announcedZoomCommand_ = 0;
    zs_.ZoomCommand(commandId);
    AfterChange();
}

void PictureView::ToggleBorder()
{
    zs_.ToggleBorder();
    viewport()->update();
    Announce();
}

void PictureView::ToggleCentre()
{
    zs_.ToggleCentre();
    viewport()->update();
    Announce();
}

void PictureView::ToggleStretch()
{
    zs_.ToggleStretch();
    AfterChange();
}

void PictureView::ToggleFitWidth()
{
    zs_.ToggleFitWidth();
    AfterChange();
}

void PictureView::ToggleFitHeight()
{
    zs_.ToggleFitHeight();
    AfterChange();
}

void PictureView::AfterChange()
{
    EnsureResolution();
    SyncScrollBars();
    viewport()->update();
    Announce();
}

void PictureView::Announce()
{
    if (zs_.ZoomBoxWrites() != announcedZoomBoxWrites_) {
        announcedZoomBoxWrites_ = zs_.ZoomBoxWrites();
        emit scaleChanged(zs_.LastZoomBoxText());
    }
    if (zs_.Flags() != announcedFlags_ || zs_.CheckedZoomCommand() != announcedZoomCommand_) {
        announcedFlags_ = zs_.Flags();
        announcedZoomCommand_ = zs_.CheckedZoomCommand();
        emit displayModeChanged(announcedFlags_, announcedZoomCommand_);
    }
}

void PictureView::EnsureResolution()
{
    // A page decoded at the size it was first shown is fetched again with
    // every pixel once a zoom shows it larger than that.
    if (!picture_ || picture_->IsVector() || !picture_->IsReduced())
        return;
    const PictureRect r = zs_.PictureRectInWindow();
    const QSize shown = (QSizeF(r.right - r.left, r.bottom - r.top) * devicePixelRatioF()).toSize();
    if (ResolutionSuffices(*picture_, shown))
        return;
    // The window's part comes first, over the reduced page; the rest follows.
    DecodeRequest request = RequestFor(picturePath_, /*fullResolution=*/true);
    request.partFirst = true;
    request.shownPart = WindowPart(zs_, picture_->pixelSize);
    if (PagePicturePtr full = cache_.Obtain(request)) {
        if (full->IsPartial()) {
            auto overReduced = std::make_shared<PagePicture>(*full);
            overReduced->backdrop = picture_;
            full = std::move(overReduced);
            cache_.NoteShown(full);
        }
        picture_ = std::move(full);
        scaledCopy_ = QImage();
    }
}

void PictureView::SyncScrollBars()
{
    syncing_ = true;
    const IntSize scaled = zs_.ScaledSize();
    const IntSize client = zs_.ClientSize();
    const IntPoint offset = zs_.Offset();
    const auto sync = [](QScrollBar *bar, int extent, int page, int line, int value) {
        bar->setRange(0, std::max(0, extent - page));
        // The thumb shows the client's share of the picture; the trough's
        // page step is applied by OnScrollAction.
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(line);
        bar->setValue(value);
    };
    sync(horizontalScrollBar(), scaled.cx, client.cx, zs_.LineStep().cx, offset.x);
    sync(verticalScrollBar(), scaled.cy, client.cy, zs_.LineStep().cy, offset.y);
    syncing_ = false;
    // A scroll bar that appeared or went changed the client size. A few
    // rounds settle it; a fit mode on the edge could otherwise toggle a bar
    // on and off for ever.
    for (int round = 0; resizePending_ && round < 3; ++round) {
        resizePending_ = false;
        zs_.Resize(viewport()->width(), viewport()->height());
        EnsureResolution();
        syncing_ = true;
        sync(horizontalScrollBar(), zs_.ScaledSize().cx, zs_.ClientSize().cx, zs_.LineStep().cx, zs_.Offset().x);
        sync(verticalScrollBar(), zs_.ScaledSize().cy, zs_.ClientSize().cy, zs_.LineStep().cy, zs_.Offset().y);
        syncing_ = false;
    }
    resizePending_ = false;
}

void PictureView::OnScrollAction(Qt::Orientation orientation, int action)
{
    const ScrollAxis axis = orientation == Qt::Horizontal ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    ScrollAction what;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: what = ScrollAction::LineForward; break;
    case QAbstractSlider::SliderSingleStepSub: what = ScrollAction::LineBack; break;
    case QAbstractSlider::SliderPageStepAdd: what = ScrollAction::PageForward; break;
    case QAbstractSlider::SliderPageStepSub: what = ScrollAction::PageBack; break;
    case QAbstractSlider::SliderToMinimum: what = ScrollAction::Start; break;
    case QAbstractSlider::SliderToMaximum: what = ScrollAction::End; break;
    default: return; // dragging arrives as value changes
    }
    zs_.Scroll(axis, what);
    QScrollBar *bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    // Replaces the slider's own step with ours before it takes effect.
    bar->setSliderPosition(orientation == Qt::Horizontal ? zs_.Offset().x : zs_.Offset().y);
}

void PictureView::OnScrollValue(Qt::Orientation orientation, int value)
{
    if (syncing_)
        return;
    const ScrollAxis axis = orientation == Qt::Horizontal ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    zs_.Scroll(axis, ScrollAction::Track, value);
}

void PictureView::scrollContentsBy(int, int) { viewport()->update(); }

void PictureView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Showing or hiding a scroll bar while they are being set resizes the
    // viewport from inside SyncScrollBars; that call takes the new size
    // when it is done.
    if (syncing_) {
        resizePending_ = true;
        return;
    }
    zs_.Resize(viewport()->width(), viewport()->height());
    AfterChange();
}

void PictureView::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0)
        zs_.VerticalWheel(delta.y());
    // Qt's positive horizontal delta scrolls left; ours scrolls right.
    if (delta.x() != 0)
        zs_.HorizontalWheel(-delta.x());
    SyncScrollBars();
    viewport()->update();
    event->accept();
}

bool PictureView::event(QEvent *event)
{
    if (event->type() == QEvent::ThemeChange || event->type() == QEvent::ApplicationFontChange)
        ReadWheelSettings();
    return QAbstractScrollArea::event(event);
}

void PictureView::paintEvent(QPaintEvent *event)
{
    if (!picture_)
        return;
    QPainter painter(viewport());
    const QRect target = ToQRect(zs_.PictureRectInWindow());
    PaintPagePicture(painter, *picture_, target, target.intersected(event->rect()), scaledCopy_);

    if (zs_.Has(kDisplayBorder)) {
        // Only the right and the bottom edge: the picture's own top-left
        // edge meets the window there when it is not centred.
        painter.setPen(QPen(Qt::black, 0));
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QPoint topRight(target.right() + 1, target.top());
        const QPoint bottomRight(target.right() + 1, target.bottom() + 1);
        const QPoint bottomLeft(target.left(), target.bottom() + 1);
        painter.drawLine(topRight, bottomRight);
        painter.drawLine(bottomRight, bottomLeft);
    }
}
