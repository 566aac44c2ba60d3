#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Plain value types of the view's arithmetic: a rectangle is
// {left, top, right, bottom} with right and bottom exclusive, as the picture
// rectangle is defined, which QRect (inclusive right edge) is not.
struct IntSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const IntSize &) const = default;
};

struct IntPoint {
    int x = 0;
    int y = 0;
    bool operator==(const IntPoint &) const = default;
};

struct PictureRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PictureRect &) const = default;
};

// The display options of the picture view; at most one of the three fit
// modes is set at a time.
enum DisplayFlag : std::uint32_t {
    kDisplayCentre = 0x01,
    kDisplayFitWidth = 0x02,
    kDisplayFitHeight = 0x04,
    kDisplayStretch = 0x08,
    kDisplayBorder = 0x10,
    kDisplayFitModes = kDisplayFitWidth | kDisplayFitHeight | kDisplayStretch,
};

enum class ScrollAxis { Horizontal, Vertical };

// What a scroll bar asks for; "Back" is up or left, "Forward" down or right.
enum class ScrollAction { LineBack, LineForward, PageBack, PageForward, Track, Start, End };

// The whole state of the picture view that decides what the user sees:
// display flags, picture size and rectangle, scale, scroll extent, offset,
// client size, steps and wheel remainders. The widget is a thin shell that
// feeds it sizes and inputs and draws what it says, so every number the
// user sees can be checked here without a window.
//
// Logical units are picture pixels; window units are client pixels. The
// mapping per axis is window = logical * scaled / logical size - offset,
// rounded to the nearest integer.
class ZoomScrollModel {
public:
    // The last text meant for the zoom box of the tool bar (empty before the
    // first), and how many times one was meant for it: writing the same text
    // again still counts, since it puts back what the user typed over.
    const QString &LastZoomBoxText() const { return lastZoomBoxText_; }
    int ZoomBoxWrites() const { return zoomBoxWrites_; }

    // A picture of the given natural pixel size was loaded: lays it out at
    // the present scale with the scroll position at the top-left, or at its
    // middle when centring is off.
    void PictureLoaded(IntSize pixels);
    // No picture (a load failed, or the book has no pages): nothing is drawn
    // and nothing scrolls; only the scale stays, for the next picture.
    void PictureLost();
    bool HasPicture() const { return hasPicture_; }

    // Scale and rectangle asked for by the display flags; writes the zoom
    // box except in stretch mode. Returns the scale for ZoomKeepingCentre.
    float LayoutPicture();
    void ZoomTo(float scale);
    void ZoomKeepingCentre(float scale);

    void SetScrollExtent(int cx, int cy);
    void ScrollToOffset(int x, int y);
    void CentreOnPoint(int px, int py);

    // The client area changed size.
    void Resize(int cx, int cy);
    // A scroll bar action on one axis; true when the offset moved.
    bool Scroll(ScrollAxis axis, ScrollAction action, int trackPosition = 0);
    // Wheel movement in 1/120 notches; vertical positive is away from the
    // user (up), horizontal positive is to the right.
    void VerticalWheel(int delta);
    void HorizontalWheel(int delta);
    void SetWheelSettings(int linesPerNotch, int charactersPerNotch);

    // Commands of the view.
    void ApplyTypedZoom(QStringView typed);
    void ZoomCommand(int commandId);
    void ToggleBorder() { flags_ ^= kDisplayBorder; }
    void ToggleCentre() { flags_ ^= kDisplayCentre; }
    void ToggleStretch();
    void ToggleFitWidth();
    void ToggleFitHeight();
    void UpdateZoomBox();

    // Sets flags as the reading parameters dialog does: no new layout.
    void SetBorder(bool on) { SetFlag(kDisplayBorder, on); }
    void SetCentre(bool on) { SetFlag(kDisplayCentre, on); }

    // The coordinate mapping (rounding to nearest).
    IntPoint LogicalToWindow(IntPoint logical) const;
    IntPoint WindowToLogical(IntPoint window) const;
    // The picture rectangle in window pixels.
    PictureRect PictureRectInWindow() const;

    float Scale() const { return scale_; }
    // A new book starts at 100 % without a new layout.
    void SetScale(float scale) { scale_ = scale; }
    float MinimumScale() const { return minimumScale_; }
    void SetMinimumScale(float scale) { minimumScale_ = scale; }
    std::uint32_t Flags() const { return flags_; }
    bool Has(DisplayFlag flag) const { return (flags_ & flag) != 0; }
    IntSize PictureSize() const { return pictureSize_; }
    PictureRect Rectangle() const { return rect_; }
    IntSize LogicalSize() const { return logicalSize_; }
    IntSize ScaledSize() const { return scaledSize_; }
    IntPoint Offset() const { return offset_; }
    IntSize ClientSize() const { return clientSize_; }
    IntSize LineStep() const { return lineStep_; }
    IntSize PageStep() const { return pageStep_; }
    // The zoom command whose menu item carries the check mark.
    int CheckedZoomCommand() const { return checkedZoomCommand_; }

private:
    void SetFlag(DisplayFlag flag, bool on);
    void SetFitMode(DisplayFlag mode);
    void PlaceForScale(float scale, int width, int height);
    void MoveRectangle(const PictureRect &rect);
    void WriteZoomBox(const QString &text);
    void WritePercent(float scale);
    void Wheel(int delta, bool vertical);

    QString lastZoomBoxText_;
    int zoomBoxWrites_ = 0;

    bool hasPicture_ = false;
    std::uint32_t flags_ = kDisplayCentre | kDisplayBorder;
    IntSize pictureSize_;
    PictureRect rect_;
    // How far the layout has moved the rectangle since the window centre was
    // last kept: the next zoom adds it to the centre it reads.
    IntPoint rectMove_;
    int checkedZoomCommand_ = 32783;

    float scale_ = 1.0f;
    float minimumScale_ = 0.05f;
    IntSize logicalSize_;
    IntSize scaledSize_;
    IntPoint offset_;
    IntSize clientSize_;
    IntSize lineStep_{1, 1};
    IntSize pageStep_{1, 1};
    int wheelLines_ = 3;
    int wheelCharacters_ = 3;
    int verticalRemainder_ = 0;
    int horizontalRemainder_ = 0;
};

// The percentage a zoom command stands for (100 for any id but the five others).
int ZoomPercentForCommand(int commandId);
