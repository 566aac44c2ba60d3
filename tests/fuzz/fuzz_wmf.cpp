#include "FuzzInput.h"
#include "formats/wmf/WmfPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

// Text drawing needs a GUI application; one lives for the whole run.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Font look-ups fill fontconfig's caches once; do it before the first
    // input so those allocations are not charged to it.
    QImage warm(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&warm);
    painter.drawText(QPointF(0, 8), QString::fromUtf8("A中"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const DecodedPicturePtr picture = DecodeWmfPicture(bytes);
    if (!picture)
        return 0;
    const QSize natural = picture->NaturalSizeHimetric();
    if (natural.width() < 1 || natural.height() < 1)
        __builtin_trap();
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->Render(painter, QRectF(0, 0, 64, 48));
    // A flipped target and a repaint go through the same records again.
    picture->Render(painter, QRectF(64, 48, -64, -48));
    return 0;
}
