#pragma once

// A page view that records what the reader and the dialog ask of it.

#include "viewer/PageView.h"

#include <QStringList>

class RecordingView : public PageView {
public:
    QStringList shown;
    int emptied = 0;
    bool border = true, centre = true;

    void ShowPicture(const QString &path) override { shown.append(path); }
    void ShowNoPicture() override { ++emptied; }
    void ExpectPictures(const QStringList &) override {}
    void ApplyTypedZoom() override {}
    bool BorderShown() const override { return border; }
    bool Centred() const override { return centre; }
    void SetBorderAndCentre(bool b, bool c) override { border = b, centre = c; }
};
