#include "viewer/ZoomScrollImpl.h"

#include "document/ParseNumber.h"
#include "viewer/SaturatingMath.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kZoomBoxMaxChars = 255;

int LineStepFor(int scaled) { return std::max(1, scaled / 100); }
int PageStepFor(int scaled) { return std::max(1, scaled / 10); }

int ClampOffset(std::int64_t offset, int scaled, int client)
{
    const std::int64_t maximum = std::max<std::int64_t>(0, std::int64_t(scaled) - client);
    return int(std::clamp<std::int64_t>(offset, 0, maximum));
}

// One axis of the mapping; an axis with a zero extent maps one to one, so a
// degenerate picture never divides by zero.
int ToWindow(int logical, int logicalSize, int scaledSize, int offset)
{
    if (logicalSize <= 0 || scaledSize <= 0)
        return ClampToInt(std::int64_t(logical) - offset);
    return ClampToInt(RoundedDivide(std::int64_t(logical) * scaledSize, logicalSize) - offset);
}

int ToLogical(int window, int logicalSize, int scaledSize, int offset)
{
    const std::int64_t shifted = std::int64_t(window) + offset;
    if (logicalSize <= 0 || scaledSize <= 0)
        return ClampToInt(shifted);
    return ClampToInt(RoundedDivide(shifted * logicalSize, scaledSize));
}

// The scale is a single-precision value; products and quotients with it are
// formed in double precision before truncation, which is what makes 600 at
// 0.8333333f come out as 499 rather than the 500 a float product rounds to.
int ScaledLength(int length, float scale) { return TruncToInt(double(length) * double(scale)); }

bool UsableScale(float scale) { return scale > 0.0f && std::isfinite(scale); }

} // namespace

int ZoomPercentForCommand(int commandId)
{
    switch (commandId) {
    case 32781: return 25;
    case 32782: return 50;
    case 32784: return 200;
    case 32785: return 400;
    case 32786: return 800;
    default: return 100;
    }
}

void CZoomScrollImpl::WriteZoomBox(const QString &text)
{
    m_lastZoomBoxText = text;
    if (m_zoomBoxWriter)
        m_zoomBoxWriter(text);
}

void CZoomScrollImpl::WritePercent(float scale)
{
    // The single-precision scale times 100 in double precision, truncated:
    // a typed 70 becomes 0.69999999f and shows as 69 %.
    WriteZoomBox(QString::asprintf("%i%%", TruncToInt(double(scale) * 100.0)));
}

void CZoomScrollImpl::UpdateZoomBox() { WritePercent(m_scale); }

void CZoomScrollImpl::SetFlag(DisplayFlag flag, bool on)
{
    if (on)
        m_flags |= flag;
    else
        m_flags &= ~std::uint32_t(flag);
}

void CZoomScrollImpl::PictureLoaded(IntSize pixels)
{
    // A degenerate metafile can be empty in one direction; a side of 1 keeps
    // the fit quotients and the mapping finite.
    m_pictureSize = {std::max(1, pixels.cx), std::max(1, pixels.cy)};
    m_hasPicture = true;
    m_logicalSize = m_pictureSize;
    SetScrollExtent(ScaledLength(m_pictureSize.cx, m_scale), ScaledLength(m_pictureSize.cy, m_scale));
    m_rect = {0, 0, m_pictureSize.cx, m_pictureSize.cy};
    m_rectMove = {};
    if (!Has(kDisplayCentre))
        ScrollToOffset(m_pictureSize.cx / 2, m_pictureSize.cy / 2);
}

void CZoomScrollImpl::PictureLost()
{
    m_hasPicture = false;
    m_rect = {};
    m_rectMove = {};
    // Without a logical size every later zoom keeps the extent empty too.
    m_logicalSize = {};
    SetScrollExtent(0, 0);
}

void CZoomScrollImpl::SetScrollExtent(int cx, int cy)
{
    m_scaledSize = {std::max(0, cx), std::max(0, cy)};
    m_offset = {0, 0};
    m_lineStep = {LineStepFor(m_scaledSize.cx), LineStepFor(m_scaledSize.cy)};
    m_pageStep = {PageStepFor(m_scaledSize.cx), PageStepFor(m_scaledSize.cy)};
}

void CZoomScrollImpl::ScrollToOffset(int x, int y)
{
    m_offset = {ClampOffset(x, m_scaledSize.cx, m_clientSize.cx), ClampOffset(y, m_scaledSize.cy, m_clientSize.cy)};
}

void CZoomScrollImpl::CentreOnPoint(int px, int py)
{
    const std::int64_t x = std::int64_t(px) - m_clientSize.cx / 2 + m_offset.x;
    const std::int64_t y = std::int64_t(py) - m_clientSize.cy / 2 + m_offset.y;
    ScrollToOffset(ClampOffset(x, m_scaledSize.cx, m_clientSize.cx), ClampOffset(y, m_scaledSize.cy, m_clientSize.cy));
}

IntPoint CZoomScrollImpl::LogicalToWindow(IntPoint logical) const
{
    return {ToWindow(logical.x, m_logicalSize.cx, m_scaledSize.cx, m_offset.x),
            ToWindow(logical.y, m_logicalSize.cy, m_scaledSize.cy, m_offset.y)};
}

IntPoint CZoomScrollImpl::WindowToLogical(IntPoint window) const
{
    return {ToLogical(window.x, m_logicalSize.cx, m_scaledSize.cx, m_offset.x),
            ToLogical(window.y, m_logicalSize.cy, m_scaledSize.cy, m_offset.y)};
}

PictureRect CZoomScrollImpl::PictureRectInWindow() const
{
    const IntPoint topLeft = LogicalToWindow({m_rect.left, m_rect.top});
    const IntPoint bottomRight = LogicalToWindow({m_rect.right, m_rect.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CZoomScrollImpl::PlaceForScale(float scale, int width, int height)
{
    const int pw = m_pictureSize.cx;
    const int ph = m_pictureSize.cy;
    if (!Has(kDisplayCentre)) {
        MoveRectangle({0, 0, pw, ph});
        return;
    }
    // A picture smaller than the window at this scale is moved right or down
    // in logical units so that it sits in the middle; a larger one keeps its
    // edge at 0 and is scrolled instead.
    const int x0 = TruncToInt(double(width) / (2.0 * double(scale)) - double(pw / 2));
    const int y0 = TruncToInt(double(height) / (2.0 * double(scale)) - double(ph / 2));
    const int left = std::max(x0, 0);
    const int top = std::max(y0, 0);
    MoveRectangle({left, top, ClampToInt(std::int64_t(left) + pw), ClampToInt(std::int64_t(top) + ph)});
}

void CZoomScrollImpl::MoveRectangle(const PictureRect &rect)
{
    m_rectMove.x = ClampToInt(std::int64_t(m_rectMove.x) + rect.left - m_rect.left);
    m_rectMove.y = ClampToInt(std::int64_t(m_rectMove.y) + rect.top - m_rect.top);
    m_rect = rect;
}

float CZoomScrollImpl::LayoutPicture()
{
    if (!m_hasPicture)
        return m_scale;
    const int cw = m_clientSize.cx;
    const int ch = m_clientSize.cy;
    const int pw = m_pictureSize.cx;
    const int ph = m_pictureSize.cy;

    if (Has(kDisplayStretch)) {
        // A window without area has no proportions to stretch to; a scale of 0
        // is what the zoom step ignores.
        if (cw <= 0 || ch <= 0)
            return 0.0f;
        const float sx = float(cw) / float(pw);
        const float sy = float(ch) / float(ph);
        const float aspect = float(cw) / float(ch);
        if (sy > sx) {
            MoveRectangle({0, 0, pw, TruncToInt(double(pw) / double(aspect))});
            return sx;
        }
        MoveRectangle({0, 0, TruncToInt(double(ph) * double(aspect)), ph});
        return sy;
    }

    float scale = m_scale;
    if (Has(kDisplayFitWidth))
        scale = float(cw) / float(pw);
    if (Has(kDisplayFitHeight))
        scale = float(ch) / float(ph);
    // A minimised window fits nothing: keep rectangle and zoom box as they
    // are until it has a size again.
    if (!UsableScale(scale))
        return 0.0f;
    PlaceForScale(scale, cw, ch);
    WritePercent(scale);
    return scale;
}

void CZoomScrollImpl::ZoomTo(float scale)
{
    if (!m_hasPicture || !UsableScale(scale))
        return;
    PlaceForScale(scale, m_clientSize.cx, m_clientSize.cy);
    ZoomKeepingCentre(scale);
    // The requested scale, even where the zoom step raised it to the minimum.
    WritePercent(scale);
}

void CZoomScrollImpl::ZoomKeepingCentre(float scale)
{
    if (!UsableScale(scale))
        return;
    if (scale < m_minimumScale)
        scale = m_minimumScale;
    // The centre is read with the mapping of the old scale; where the layout
    // has moved the rectangle since, the same picture point now lies that
    // much further along in logical units.
    IntPoint centre = WindowToLogical({m_clientSize.cx / 2, m_clientSize.cy / 2});
    centre = {ClampToInt(std::int64_t(centre.x) + m_rectMove.x), ClampToInt(std::int64_t(centre.y) + m_rectMove.y)};
    m_rectMove = {};
    m_scale = scale;
    SetScrollExtent(ScaledLength(m_logicalSize.cx, scale), ScaledLength(m_logicalSize.cy, scale));
    const IntPoint back = LogicalToWindow(centre);
    CentreOnPoint(back.x, back.y);
}

void CZoomScrollImpl::Resize(int cx, int cy)
{
    m_clientSize = {std::max(0, cx), std::max(0, cy)};
    ScrollToOffset(m_offset.x, m_offset.y);
    if (!m_hasPicture)
        return;
    if (m_flags & kDisplayFitModes)
        ZoomKeepingCentre(LayoutPicture());
    else
        ZoomTo(m_scale);
}

bool CZoomScrollImpl::Scroll(ScrollAxis axis, ScrollAction action, int trackPosition)
{
    const bool vertical = axis == ScrollAxis::Vertical;
    const int extent = vertical ? m_scaledSize.cy : m_scaledSize.cx;
    const int client = vertical ? m_clientSize.cy : m_clientSize.cx;
    const std::int64_t maximum = std::int64_t(extent) - client;
    if (maximum < 0)
        return false;
    const int line = vertical ? m_lineStep.cy : m_lineStep.cx;
    const int page = vertical ? m_pageStep.cy : m_pageStep.cx;
    int &offset = vertical ? m_offset.y : m_offset.x;
    std::int64_t target = offset;
    switch (action) {
    case ScrollAction::LineBack: target = std::max<std::int64_t>(std::int64_t(offset) - line, 0); break;
    case ScrollAction::LineForward: target = std::min<std::int64_t>(std::int64_t(offset) + line, maximum); break;
    case ScrollAction::PageBack: target = std::max<std::int64_t>(std::int64_t(offset) - page, 0); break;
    case ScrollAction::PageForward: target = std::min<std::int64_t>(std::int64_t(offset) + page, maximum); break;
    case ScrollAction::Track: target = std::clamp<std::int64_t>(trackPosition, 0, maximum); break;
    case ScrollAction::Start: target = 0; break;
    case ScrollAction::End: target = maximum; break;
    }
    if (target == offset)
        return false;
    offset = int(target);
    return true;
}

void CZoomScrollImpl::SetWheelSettings(int linesPerNotch, int charactersPerNotch)
{
    m_wheelLines = linesPerNotch;
    m_wheelCharacters = charactersPerNotch;
}

void CZoomScrollImpl::VerticalWheel(int delta) { Wheel(delta, true); }
void CZoomScrollImpl::HorizontalWheel(int delta) { Wheel(delta, false); }

void CZoomScrollImpl::Wheel(int delta, bool vertical)
{
    int &remainder = vertical ? m_verticalRemainder : m_horizontalRemainder;
    const int perNotch = vertical ? m_wheelLines : m_wheelCharacters;
    const bool byPage = perNotch == -1;
    const std::int64_t accumulated = std::int64_t(remainder) + delta;
    const std::int64_t amount = std::llabs(accumulated) * (byPage ? 1 : perNotch);
    if (amount > 0) {
        const std::int64_t steps = (amount + 119) / 120;
        ScrollAction action;
        if (vertical)
            action = delta > 0 ? (byPage ? ScrollAction::PageBack : ScrollAction::LineBack)
                               : (byPage ? ScrollAction::PageForward : ScrollAction::LineForward);
        else
            action = delta > 0 ? (byPage ? ScrollAction::PageForward : ScrollAction::LineForward)
                               : (byPage ? ScrollAction::PageBack : ScrollAction::LineBack);
        ScrollAxis axis = ScrollAxis::Horizontal;
        bool scrollable = true;
        if (vertical)
            axis = m_scaledSize.cy > m_clientSize.cy ? ScrollAxis::Vertical : ScrollAxis::Horizontal;
        else
            scrollable = m_scaledSize.cx > m_clientSize.cx;
        // Once a step stops moving, the rest cannot move either: a huge
        // lines-per-notch setting costs no more than the way to the end.
        for (std::int64_t i = 0; scrollable && i < steps; ++i)
            if (!Scroll(axis, action))
                break;
    }
    remainder = int(accumulated % 120);
}

void CZoomScrollImpl::ApplyTypedZoom(QStringView typed)
{
    const std::optional<std::int32_t> number = ParseNumber(typed.left(kZoomBoxMaxChars));
    if (!number)
        return;
    float v = float(double(*number) / 100.0);
    const float change = v - m_scale;
    if (!(change > 0.001f || change < -0.001f))
        return;
    v = std::clamp(v, m_minimumScale, 8.0f);
    if (v > 0.0f && v >= m_minimumScale)
        m_scale = v;
    ZoomTo(v);
}

void CZoomScrollImpl::ZoomCommand(int commandId)
{
    m_flags &= ~std::uint32_t(kDisplayFitModes);
    m_checkedZoomCommand = commandId;
    ZoomTo(float(ZoomPercentForCommand(commandId)) / 100.0f);
}

void CZoomScrollImpl::SetFitMode(DisplayFlag mode)
{
    m_flags ^= mode;
    if (Has(mode))
        m_flags = (m_flags & ~std::uint32_t(kDisplayFitModes)) | mode;
}

void CZoomScrollImpl::ToggleStretch()
{
    SetFitMode(kDisplayStretch);
    if (!Has(kDisplayStretch) || !m_hasPicture)
        return;
    const float scale = LayoutPicture();
    ZoomKeepingCentre(scale);
    if (UsableScale(scale))
        WritePercent(scale);
}

void CZoomScrollImpl::ToggleFitWidth()
{
    SetFitMode(kDisplayFitWidth);
    if (Has(kDisplayFitWidth) && m_hasPicture)
        ZoomKeepingCentre(LayoutPicture());
}

void CZoomScrollImpl::ToggleFitHeight()
{
    SetFitMode(kDisplayFitHeight);
    if (Has(kDisplayFitHeight) && m_hasPicture)
        ZoomKeepingCentre(LayoutPicture());
}
