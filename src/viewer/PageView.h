#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// What the book reader needs of the picture view. The reader only decides
// which page is shown; the view loads, lays out and zooms it. Keeping this
// narrow lets the page logic run against a recording stand-in in tests.
class PageView {
public:
    virtual ~PageView() = default;

    // Loads the picture file (an expanded path; empty when the path cannot
    // name a file) and lays it out and zooms it as a page is shown. A picture
    // that does not load leaves the view empty.
    virtual void ShowPicture(const QString &path) = 0;
    // The book has no page to show: the view is emptied and nothing scrolls.
    virtual void ShowNoPicture() = 0;

    // The pages the user is likely to turn to next; the view may decode them
    // ahead. Earlier entries matter more. Paths no longer listed are dropped.
    virtual void ExpectPictures(const QStringList &paths) { (void)paths; }

    // The zoom half of the redisplay command: the percentage typed into the
    // zoom box.
    virtual void ApplyTypedZoom(QStringView typed) = 0;

    virtual bool BorderShown() const = 0;
    virtual bool Centred() const = 0;
    // Set from the reading parameters dialog: no redraw, no new layout.
    virtual void SetBorderAndCentre(bool border, bool centre) = 0;
};
