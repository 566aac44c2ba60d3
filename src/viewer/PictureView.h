#pragma once

#include "viewer/PageView.h"
#include "viewer/PictureDecodeCache.h"
#include "viewer/ZoomScrollModel.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <cstdint>

// The client view of read mode: one picture, zoomed and scrolled. All the
// arithmetic lives in ZoomScrollModel; this shell feeds it the viewport's
// size and the user's scroll input, mirrors its extent and offset into the
// scroll bars, and draws the picture rectangle it computes.
//
// Pages are drawn by PaintPagePicture, as `vellora-book render` draws them.
//
// It holds no widget of the frame: it announces the scale and the display
// mode, and the frame writes its zoom box and check marks from them.
class PictureView : public QAbstractScrollArea, public PageView {
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);
    ~PictureView() override;

    void SetMinimumScale(float scale) { zs_.SetMinimumScale(scale); }

    void ZoomTo(float scale);
    void ZoomKeepingCentre(float scale);
    // Announces the scale again (scaleChanged), as the zoom box must show it.
    void UpdateZoomBox();
    // The new-book command: back to 100 % without a new layout.
    void ResetScale();

    // The view's commands.
    void ZoomCommand(int commandId);
    void ToggleBorder();
    void ToggleCentre();
    void ToggleStretch();
    void ToggleFitWidth();
    void ToggleFitHeight();

    // PageView
    void ShowPicture(const QString &path) override;
    void ShowNoPicture() override;
    void ExpectPictures(const QStringList &paths) override;
    void ApplyTypedZoom(QStringView typed) override;
    bool BorderShown() const override { return zs_.Has(kDisplayBorder); }
    bool Centred() const override { return zs_.Has(kDisplayCentre); }
    void SetBorderAndCentre(bool border, bool centre) override;

    const ZoomScrollModel &Arithmetic() const { return zs_; }
    bool HasPicture() const { return picture_ != nullptr; }
    const PagePicture *Picture() const { return picture_.get(); }
    PictureDecodeCache &DecodeCache() { return cache_; }

signals:
    // The scale changed or was written out again: the text is what the zoom
    // box shows for it ("69%").
    void scaleChanged(const QString &zoomText);
    // The display flags (DisplayFlag) or the zoom command that carries the
    // check mark changed.
    void displayModeChanged(std::uint32_t flags, int checkedZoomCommand);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent *event) override;

private:
    // Loads a picture into the arithmetic and resets its extent; false (no
    // picture, the zoom kept) when it does not load. Nothing is written to
    // the screen until the caller's AfterChange.
    bool LoadPicture(const QString &path);
    DecodeRequest RequestFor(const QString &path, bool fullResolution = false) const;
    void ReadWheelSettings();
    void OnScrollAction(Qt::Orientation orientation, int action);
    void OnScrollValue(Qt::Orientation orientation, int value);
    void AfterChange();
    // Emits what changed in the arithmetic since it last announced.
    void Announce();
    void SyncScrollBars();
    void EnsureResolution();
    void DropPicture();
    // Swaps the whole of a page shown part first in for the part.
    void CompletePartialPage();

    ZoomScrollModel zs_;
    PagePicturePtr picture_;
    QString picturePath_;
    QImage scaledCopy_; // the raster scaled to the size last drawn below 100 %
    PictureDecodeCache cache_;
    int announcedZoomBoxWrites_ = 0;
    std::uint32_t announcedFlags_;
    int announcedZoomCommand_;
    bool syncing_ = false;
    bool resizePending_ = false;
};
