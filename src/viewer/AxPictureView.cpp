#include "viewer/AxPictureView.h"

#include "platform/ScreenDpi.h"
#include "viewer/PagePainting.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr qsizetype kZoomBoxMaxChars = 255;

QRect ToQRect(const PictureRect &r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
} // namespace

CAxPictureView::CAxPictureView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    ReadWheelSettings();
    m_zs.SetZoomBoxWriter([this](const QString &text) {
        if (m_zoomBox)
            m_zoomBox->setText(text);
    });
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar *bar = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(bar, &QScrollBar::actionTriggered, this, [this, o](int action) { OnScrollAction(o, action); });
        connect(bar, &QScrollBar::valueChanged, this, [this, o](int value) { OnScrollValue(o, value); });
    }
    m_zs.Resize(viewport()->width(), viewport()->height());
}

CAxPictureView::~CAxPictureView() = default;

void CAxPictureView::SetZoomBox(QLineEdit *zoomBox) { m_zoomBox = zoomBox; }

void CAxPictureView::ReadWheelSettings()
{
    const int lines = QApplication::wheelScrollLines();
    m_zs.SetWheelSettings(lines, lines);
}

DecodeRequest CAxPictureView::RequestFor(const QString &path, bool fullResolution) const
{
    DecodeRequest request;
    request.path = path;
    request.layout = m_zs;
    request.layout.SetZoomBoxWriter(nullptr);
    request.fullResolution = fullResolution;
    request.dpi = ScreenLogicalDpi();
    return request;
}

void CAxPictureView::DropPicture()
{
    m_picture.reset();
    m_scaledCopy = QImage();
    m_picturePath.clear();
}

bool CAxPictureView::LoadPicture(const QString &path)
{
    // The old page goes before the new one is decoded: two pages of a book
    // of huge pictures would not fit in memory side by side.
    DropPicture();
    m_picture = m_cache.Obtain(RequestFor(path));
    if (!m_picture) {
        m_zs.PictureLost();
        AfterChange();
        return false;
    }
    m_picturePath = path;
    m_zs.PictureLoaded({m_picture->pixelSize.width(), m_picture->pixelSize.height()});
    // Load and layout are followed by a zoom, which settles the scale; only
    // then does it show whether the decoded pixels suffice.
    SyncScrollBars();
    viewport()->update();
    return true;
}

float CAxPictureView::LayoutPicture()
{
    const float scale = m_zs.LayoutPicture();
    SyncScrollBars();
    viewport()->update();
    return scale;
}

void CAxPictureView::ZoomTo(float scale)
{
    m_zs.ZoomTo(scale);
    AfterChange();
}

void CAxPictureView::ZoomKeepingCentre(float scale)
{
    m_zs.ZoomKeepingCentre(scale);
    AfterChange();
}

void CAxPictureView::UpdateZoomBox() { m_zs.UpdateZoomBox(); }

void CAxPictureView::ResetScale() { m_zs.SetScale(1.0f); }

void CAxPictureView::ShowPicture(const QString &path)
{
    LoadPicture(path);
    ZoomKeepingCentre(LayoutPicture());
}

void CAxPictureView::ShowNoPicture()
{
    DropPicture();
    m_zs.PictureLost();
    AfterChange();
}

void CAxPictureView::ExpectPictures(const QStringList &paths)
{
    QList<DecodeRequest> requests;
    for (const QString &path : paths)
        requests.append(RequestFor(path));
    m_cache.Prefetch(requests);
}

void CAxPictureView::ApplyTypedZoom()
{
    if (!m_zoomBox)
        return;
    m_zs.ApplyTypedZoom(QStringView(m_zoomBox->text()).left(kZoomBoxMaxChars));
    AfterChange();
}

void CAxPictureView::SetBorderAndCentre(bool border, bool centre)
{
    m_zs.SetBorder(border);
    m_zs.SetCentre(centre);
}

void CAxPictureView::ZoomCommand(int commandId)
{
    m_zs.ZoomCommand(commandId);
    AfterChange();
}

void CAxPictureView::ToggleBorder()
{
    m_zs.ToggleBorder();
    viewport()->update();
}

void CAxPictureView::ToggleCentre()
{
    m_zs.ToggleCentre();
    viewport()->update();
}

void CAxPictureView::ToggleStretch()
{
    m_zs.ToggleStretch();
    AfterChange();
}

void CAxPictureView::ToggleFitWidth()
{
    m_zs.ToggleFitWidth();
    AfterChange();
}

void CAxPictureView::ToggleFitHeight()
{
    m_zs.ToggleFitHeight();
    AfterChange();
}

void CAxPictureView::AfterChange()
{
    EnsureResolution();
    SyncScrollBars();
    viewport()->update();
}

void CAxPictureView::EnsureResolution()
{
    // A page decoded at the size it was first shown is fetched again with
    // every pixel once a zoom shows it larger than that.
    if (!m_picture || m_picture->IsVector() || !m_picture->IsReduced())
        return;
    const PictureRect r = m_zs.PictureRectInWindow();
    const QSize shown(r.right - r.left, r.bottom - r.top);
    if (ResolutionSuffices(*m_picture, shown))
        return;
    if (PagePicturePtr full = m_cache.Obtain(RequestFor(m_picturePath, /*fullResolution=*/true))) {
        m_picture = std::move(full);
        m_scaledCopy = QImage();
    }
}

void CAxPictureView::SyncScrollBars()
{
    m_syncing = true;
    const IntSize scaled = m_zs.ScaledSize();
    const IntSize client = m_zs.ClientSize();
    const IntPoint offset = m_zs.Offset();
    const auto sync = [](QScrollBar *bar, int extent, int page, int line, int value) {
        bar->setRange(0, std::max(0, extent - page));
        // The thumb shows the client's share of the picture; the trough's
        // page step is applied by OnScrollAction.
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(line);
        bar->setValue(value);
    };
    sync(horizontalScrollBar(), scaled.cx, client.cx, m_zs.LineStep().cx, offset.x);
    sync(verticalScrollBar(), scaled.cy, client.cy, m_zs.LineStep().cy, offset.y);
    m_syncing = false;
    // A scroll bar that appeared or went changed the client size. A few
    // rounds settle it; a fit mode on the edge could otherwise toggle a bar
    // on and off for ever.
    for (int round = 0; m_resizePending && round < 3; ++round) {
        m_resizePending = false;
        m_zs.Resize(viewport()->width(), viewport()->height());
        EnsureResolution();
        m_syncing = true;
        sync(horizontalScrollBar(), m_zs.ScaledSize().cx, m_zs.ClientSize().cx, m_zs.LineStep().cx, m_zs.Offset().x);
        sync(verticalScrollBar(), m_zs.ScaledSize().cy, m_zs.ClientSize().cy, m_zs.LineStep().cy, m_zs.Offset().y);
        m_syncing = false;
    }
    m_resizePending = false;
}

void CAxPictureView::OnScrollAction(Qt::Orientation orientation, int action)
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
    default: return;  // dragging arrives as value changes
    }
    m_zs.Scroll(axis, what);
    QScrollBar *bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    // Replaces the slider's own step with ours before it takes effect.
    bar->setSliderPosition(orientation == Qt::Horizontal ? m_zs.Offset().x : m_zs.Offset().y);
}

void CAxPictureView::OnScrollValue(Qt::Orientation orientation, int value)
{
    if (m_syncing)
        return;
    const ScrollAxis axis = orientation == Qt::Horizontal ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
    m_zs.Scroll(axis, ScrollAction::Track, value);
}

void CAxPictureView::scrollContentsBy(int, int) { viewport()->update(); }

void CAxPictureView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Showing or hiding a scroll bar while they are being set resizes the
    // viewport from inside SyncScrollBars; that call takes the new size
    // when it is done.
    if (m_syncing) {
        m_resizePending = true;
        return;
    }
    m_zs.Resize(viewport()->width(), viewport()->height());
    AfterChange();
}

void CAxPictureView::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0)
        m_zs.VerticalWheel(delta.y());
    // Qt's positive horizontal delta scrolls left; ours scrolls right.
    if (delta.x() != 0)
        m_zs.HorizontalWheel(-delta.x());
    SyncScrollBars();
    viewport()->update();
    event->accept();
}

bool CAxPictureView::event(QEvent *event)
{
    if (event->type() == QEvent::ThemeChange || event->type() == QEvent::ApplicationFontChange)
        ReadWheelSettings();
    return QAbstractScrollArea::event(event);
}

void CAxPictureView::paintEvent(QPaintEvent *event)
{
    if (!m_picture)
        return;
    QPainter painter(viewport());
    const QRect target = ToQRect(m_zs.PictureRectInWindow());
    PaintPagePicture(painter, *m_picture, target, target.intersected(event->rect()), m_scaledCopy);

    if (m_zs.Has(kDisplayBorder)) {
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
