#pragma once

#include "editor/StarStrip.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// The behaviour of the rating control: five stars in six square cells, cell 0
// left empty so that a press there means "no stars". A cell is as high as the
// control unless six of those would not fit its width: then the width decides,
// so the fifth star is whole at every font. The widget feeds it mouse positions
// and lets it paint; tests drive it directly.
class StarRatingModel {
public:
    static constexpr int kStarCount = 5;

    // The strip is the form's and outlives the control; the cells are set
    // once after the control is created (−1 draws nothing).
    void SetImageStrip(const ImageStrip *strip, int litCell, int unlitCell);

    // The book's rating: any integer, never clamped, so a value the control
    // cannot show goes back into the book unchanged.
    int Rating() const { return rating_; }
    void SetRating(int rating) { rating_ = rating; }

    bool Tracking() const { return tracking_; }
    bool Captured() const { return captured_; }
    float HoverPosition() const { return hover_; }

    // The side of one cell for a control of this client size.
    static int CellSide(const QSize &client);

    // Mouse input at client x with cells of side h (CellSide). Each returns
    // whether the control must be redrawn at once. A side of 0 (or less)
    // ignores moves and presses: there is no cell to divide by.
    bool MouseMove(int x, int h);
    // Takes the mouse (and sets the rating to the cell under x) only while
    // the pointer is being tracked over the control.
    bool ButtonDown(int x, int h);
    // Releases the mouse; the rating stays what the press set.
    void ButtonUp();
    bool MouseLeave();

    // The number of stars lit now: the hovered cell while the mouse is over
    // the control, the rating otherwise.
    int ShownValue() const;

    // Top-left corner of star i (0–4) for cells of side h.
    static QPoint StarOrigin(int star, int h) { return QPoint((star + 1) * h, 0); }

    // Fills the client rectangle with the face colour and draws the five
    // stars at their cell corners: unscaled, or shrunk to a cell smaller than
    // the artwork.
    void Paint(QPainter &painter, const QRect &client, const QColor &face) const;

private:
    const ImageStrip *strip_ = nullptr;
    int unlitCell_ = -1;
    int litCell_ = -1;
    int rating_ = 0;
    bool tracking_ = false;
    bool captured_ = false;
    float hover_ = -1.0f;
};
