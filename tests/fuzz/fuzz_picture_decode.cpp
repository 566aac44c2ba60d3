// Any bytes as a picture file: decoding and drawing must neither crash nor
// read outside the input.

#include "FuzzInput.h"
#include "formats/PictureDecoder.h"
#include "formats/emf/EmfHeader.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto header = ReadEmfHeader(bytes); header && EmfFrameSize(*header).isEmpty())
        __builtin_trap();
    const DecodedPicturePtr picture = DecodePicture(bytes, QSize(96, 96));
    if (picture) {
        if (picture->NaturalSizeHimetric().isEmpty())
            __builtin_trap();
        QImage canvas(48, 32, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        picture->Render(painter, QRectF(0, 0, 48, 32));
    }
    return 0;
}
