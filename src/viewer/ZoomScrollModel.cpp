#include "viewer/ZoomScrollModel.h"

#include "document/ParseNumber.h"
#include "document/TextLimits.h"
#include "viewer/SaturatingMath.h"

#include <algorithm>
#include <cstdlib>

namespace {

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

void ZoomScrollModel::WriteZoomBox(const QString &text)
{
    lastZoomBoxText_ = text;
    ++zoomBoxWrites_;
}

void ZoomScrollModel::WritePercent(float scale)
{
    // The single-precision scale times 100 in double precision, truncated:
    // a typed 70 becomes 0.69999999f and shows as 69 %.
    WriteZoomBox(QString::asprintf("%i%%", TruncToInt(double(scale) * 100.0)));
}

void ZoomScrollModel::UpdateZoomBox() { WritePercent(scale_); }

void ZoomScrollModel::SetFlag(DisplayFlag flag, bool on)
{
    if (on)
        flags_ |= flag;
    else
        flags_ &= ~std::uint32_t(flag);
}

void ZoomScrollModel::PictureLoaded(IntSize pixels)
{
    // A degenerate metafile can be empty in one direction; a side of 1 keeps
    // the fit quotients and the mapping finite.
    pictureSize_ = {std::max(1, pixels.cx), std::max(1, pixels.cy)};
    hasPicture_ = true;
    logicalSize_ = pictureSize_;
    SetScrollExtent(ScaledLength(pictureSize_.cx, scale_), ScaledLength(pictureSize_.cy, scale_));
    rect_ = {0, 0, pictureSize_.cx, pictureSize_.cy};
    rectMove_ = {};
    if (!Has(kDisplayCentre))
        ScrollToOffset(pictureSize_.cx / 2, pictureSize_.cy / 2);
}

void ZoomScrollModel::PictureLost()
{
    hasPicture_ = false;
    rect_ = {};
    rectMove_ = {};
    // Without a logical size every later zoom keeps the extent empty too.
    logicalSize_ = {};
    SetScrollExtent(0, 0);
}

void ZoomScrollModel::SetScrollExtent(int cx, int cy)
{
    scaledSize_ = {std::max(0, cx), std::max(0, cy)};
    offset_ = {0, 0};
    lineStep_ = {LineStepFor(scaledSize_.cx), LineStepFor(scaledSize_.cy)};
    pageStep_ = {PageStepFor(scaledSize_.cx), PageStepFor(scaledSize_.cy)};
}

void ZoomScrollModel::ScrollToOffset(int x, int y)
{
    offset_ = {ClampOffset(x, scaledSize_.cx, clientSize_.cx), ClampOffset(y, scaledSize_.cy, clientSize_.cy)};
}

void ZoomScrollModel::CentreOnPoint(int px, int py)
{
    const std::int64_t x = std::int64_t(px) - clientSize_.cx / 2 + offset_.x;
    const std::int64_t y = std::int64_t(py) - clientSize_.cy / 2 + offset_.y;
    ScrollToOffset(ClampOffset(x, scaledSize_.cx, clientSize_.cx), ClampOffset(y, scaledSize_.cy, clientSize_.cy));
}

IntPoint ZoomScrollModel::LogicalToWindow(IntPoint logical) const
{
    return {ToWindow(logical.x, logicalSize_.cx, scaledSize_.cx, offset_.x),
            ToWindow(logical.y, logicalSize_.cy, scaledSize_.cy, offset_.y)};
}

IntPoint ZoomScrollModel::WindowToLogical(IntPoint window) const
{
    return {ToLogical(window.x, logicalSize_.cx, scaledSize_.cx, offset_.x),
            ToLogical(window.y, logicalSize_.cy, scaledSize_.cy, offset_.y)};
}

PictureRect ZoomScrollModel::PictureRectInWindow() const
{
    const IntPoint topLeft = LogicalToWindow({rect_.left, rect_.top});
    const IntPoint bottomRight = LogicalToWindow({rect_.right, rect_.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void ZoomScrollModel::PlaceForScale(float scale, int width, int height)
{
    const int pw = pictureSize_.cx;
    const int ph = pictureSize_.cy;
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

void ZoomScrollModel::MoveRectangle(const PictureRect &rect)
{
    rectMove_.x = ClampToInt(std::int64_t(rectMove_.x) + rect.left - rect_.left);
    rectMove_.y = ClampToInt(std::int64_t(rectMove_.y) + rect.top - rect_.top);
    rect_ = rect;
}

float ZoomScrollModel::LayoutPicture()
{
    if (!hasPicture_)
        return scale_;
    const int cw = clientSize_.cx;
    const int ch = clientSize_.cy;
    const int pw = pictureSize_.cx;
    const int ph = pictureSize_.cy;

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

    float scale = scale_;
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

void ZoomScrollModel::ZoomTo(float scale)
{
    if (!hasPicture_ || !UsableScale(scale))
        return;
    PlaceForScale(scale, clientSize_.cx, clientSize_.cy);
    ZoomKeepingCentre(scale);
    // The requested scale, even where the zoom step raised it to the minimum.
    WritePercent(scale);
}

void ZoomScrollModel::ZoomKeepingCentre(float scale)
{
    if (!UsableScale(scale))
        return;
    if (scale < minimumScale_)
        scale = minimumScale_;
    // The centre is read with the mapping of the old scale; where the layout
    // has moved the rectangle since, the same picture point now lies that
    // much further along in logical units.
    IntPoint centre = WindowToLogical({clientSize_.cx / 2, clientSize_.cy / 2});
    centre = {ClampToInt(std::int64_t(centre.x) + rectMove_.x), ClampToInt(std::int64_t(centre.y) + rectMove_.y)};
    rectMove_ = {};
    scale_ = scale;
    SetScrollExtent(ScaledLength(logicalSize_.cx, scale), ScaledLength(logicalSize_.cy, scale));
    const IntPoint back = LogicalToWindow(centre);
    CentreOnPoint(back.x, back.y);
}

void ZoomScrollModel::Resize(int cx, int cy)
{
    clientSize_ = {std::max(0, cx), std::max(0, cy)};
    ScrollToOffset(offset_.x, offset_.y);
    if (!hasPicture_)
        return;
    if (flags_ & kDisplayFitModes)
        ZoomKeepingCentre(LayoutPicture());
    else
        ZoomTo(scale_);
}

bool ZoomScrollModel::Scroll(ScrollAxis axis, ScrollAction action, int trackPosition)
{
    const bool vertical = axis == ScrollAxis::Vertical;
    const int extent = vertical ? scaledSize_.cy : scaledSize_.cx;
    const int client = vertical ? clientSize_.cy : clientSize_.cx;
    const std::int64_t maximum = std::int64_t(extent) - client;
    if (maximum < 0)
        return false;
    const int line = vertical ? lineStep_.cy : lineStep_.cx;
    const int page = vertical ? pageStep_.cy : pageStep_.cx;
    int &offset = vertical ? offset_.y : offset_.x;
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

void ZoomScrollModel::SetWheelSettings(int linesPerNotch, int charactersPerNotch)
{
    wheelLines_ = linesPerNotch;
    wheelCharacters_ = charactersPerNotch;
}

void ZoomScrollModel::VerticalWheel(int delta) { Wheel(delta, true); }
void ZoomScrollModel::HorizontalWheel(int delta) { Wheel(delta, false); }

void ZoomScrollModel::Wheel(int delta, bool vertical)
{
    int &remainder = vertical ? verticalRemainder_ : horizontalRemainder_;
    const int perNotch = vertical ? wheelLines_ : wheelCharacters_;
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
            axis = scaledSize_.cy > clientSize_.cy ? ScrollAxis::Vertical : ScrollAxis::Horizontal;
        else
            scrollable = scaledSize_.cx > clientSize_.cx;
        // Once a step stops moving, the rest cannot move either: a huge
        // lines-per-notch setting costs no more than the way to the end.
        for (std::int64_t i = 0; scrollable && i < steps; ++i)
            if (!Scroll(axis, action))
                break;
    }
    remainder = int(accumulated % 120);
}

void ZoomScrollModel::ApplyTypedZoom(QStringView typed)
{
    const std::optional<std::int32_t> number = ParseNumber(typed.left(kMaxLineBoxLength));
    if (!number)
        return;
    float v = float(double(*number) / 100.0);
    const float change = v - scale_;
    if (!(change > 0.001f || change < -0.001f))
        return;
    v = std::clamp(v, minimumScale_, 8.0f);
    if (v > 0.0f && v >= minimumScale_)
        scale_ = v;
    ZoomTo(v);
}

void ZoomScrollModel::ZoomCommand(int commandId)
{
    flags_ &= ~std::uint32_t(kDisplayFitModes);
    checkedZoomCommand_ = commandId;
    ZoomTo(float(ZoomPercentForCommand(commandId)) / 100.0f);
}

void ZoomScrollModel::SetFitMode(DisplayFlag mode)
{
    flags_ ^= mode;
    if (Has(mode))
        flags_ = (flags_ & ~std::uint32_t(kDisplayFitModes)) | mode;
}

void ZoomScrollModel::ToggleStretch()
{
    SetFitMode(kDisplayStretch);
    if (!Has(kDisplayStretch) || !hasPicture_)
        return;
    const float scale = LayoutPicture();
    ZoomKeepingCentre(scale);
    if (UsableScale(scale))
        WritePercent(scale);
}

void ZoomScrollModel::ToggleFitWidth()
{
    SetFitMode(kDisplayFitWidth);
    if (Has(kDisplayFitWidth) && hasPicture_)
        ZoomKeepingCentre(LayoutPicture());
}

void ZoomScrollModel::ToggleFitHeight()
{
    SetFitMode(kDisplayFitHeight);
    if (Has(kDisplayFitHeight) && hasPicture_)
        ZoomKeepingCentre(LayoutPicture());
}
