#pragma once

#include "viewer/PageView.h"
#include "viewer/PictureDecodeCache.h"
#include "viewer/ZoomScrollImpl.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>

class QLineEdit;

// The client view of read mode: one picture, zoomed and scrolled. All the
// arithmetic lives in CZoomScrollImpl; this shell feeds it the viewport's
// size and the user's scroll input, mirrors its extent and offset into the
// scroll bars, and draws the picture rectangle it computes.
//
// Pages are drawn by PaintPagePicture, as `vellora-book render` draws them.
class CAxPictureView : public QAbstractScrollArea, public PageView {
public:
    explicit CAxPictureView(QWidget *parent = nullptr);
    ~CAxPictureView() override;

    void SetZoomBox(QLineEdit *zoomBox);
    void SetMinimumScale(float scale) { m_zs.SetMinimumScale(scale); }

    // Loads a picture and resets the scroll extent; false (view emptied,
    // scroll bars reset, the zoom kept) when it does not load.
    bool LoadPicture(const QString &path);
    float LayoutPicture();
    void ZoomTo(float scale);
    void ZoomKeepingCentre(float scale);
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
    void ApplyTypedZoom() override;
    bool BorderShown() const override { return m_zs.Has(kDisplayBorder); }
    bool Centred() const override { return m_zs.Has(kDisplayCentre); }
    void SetBorderAndCentre(bool border, bool centre) override;

    const CZoomScrollImpl &Arithmetic() const { return m_zs; }
    bool HasPicture() const { return m_picture != nullptr; }
    const PagePicture *Picture() const { return m_picture.get(); }
    CPictureDecodeCache &DecodeCache() { return m_cache; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent *event) override;

private:
    DecodeRequest RequestFor(const QString &path, bool fullResolution = false) const;
    void ReadWheelSettings();
    void OnScrollAction(Qt::Orientation orientation, int action);
    void OnScrollValue(Qt::Orientation orientation, int value);
    void AfterChange();
    void SyncScrollBars();
    void EnsureResolution();
    void DropPicture();

    CZoomScrollImpl m_zs;
    PagePicturePtr m_picture;
    QString m_picturePath;
    QImage m_scaledCopy;  // the raster scaled to the size last drawn below 100 %
    QPointer<QLineEdit> m_zoomBox;
    CPictureDecodeCache m_cache;
    bool m_syncing = false;
    bool m_resizePending = false;
};
