#include "cli/CliCommand.h"

#include "document/FileIo.h"
#include "formats/PictureHolder.h"
#include "formats/ScreenDpi.h"
#include "viewer/PagePainting.h"
#include "viewer/PictureDecode.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <optional>

namespace {
const char kUsage[] = "usage: vellora-book render PICTURE OUT.png [--width W] [--height H]";

// Large enough for any print, small enough that a typo cannot ask for
// gigabytes of pixels.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 16384ll * 16384;
constexpr QSize kRenderDpi{96, 96};

struct RenderOptions {
    QString picture, out;
    int width = 0, height = 0; // 0: the picture's own
};

bool ParseSide(const QString &text, int &side)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0 || value > kMaxSide)
        return false;
    side = value;
    return true;
}

std::optional<RenderOptions> ParseArgs(const QStringList &args)
{
    RenderOptions o;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--width") || a == QLatin1String("--height")) {
            if (i + 1 >= args.size() || !ParseSide(args[i + 1], a == QLatin1String("--width") ? o.width : o.height))
                return std::nullopt;
            ++i;
        } else if (a.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            positional.append(a);
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    o.picture = positional[0];
    o.out = positional[1];
    return o;
}
} // namespace

int RunRender(const QStringList &args)
{
    const std::optional<RenderOptions> o = ParseArgs(args);
    if (!o) {
        PrintError(QString::fromLatin1(kUsage));
        return kExitUsage;
    }
    SetScreenLogicalDpi(kRenderDpi);
    // Decoded and drawn as the reader decodes and draws a page: a picture
    // far larger than the output is decoded no larger than it needs.
    const std::optional<QByteArray> bytes = ReadRegularFile(o->picture, kMaxPictureFileBytes);
    if (!bytes || bytes->isEmpty()) {
        PrintError(QStringLiteral("cannot load picture \"%1\"").arg(o->picture));
        return kExitFailure;
    }
    const auto outputSize = [&](QSize natural) {
        return QSize(o->width ? o->width : qBound(1, natural.width(), kMaxSide),
                     o->height ? o->height : qBound(1, natural.height(), kMaxSide));
    };
    DecodeRequest request;
    request.dpi = kRenderDpi;
    const QSize header = HeaderPixelSize(*bytes);
    if (header.isValid() || (o->width && o->height))
        request.displaySize = outputSize(header);
    const PagePicturePtr page = DecodePagePictureBytes(*bytes, request);
    if (!page) {
        PrintError(QStringLiteral("cannot load picture \"%1\"").arg(o->picture));
        return kExitFailure;
    }
    const QSize size = outputSize(page->pixelSize);
    if (qint64(size.width()) * size.height() > kMaxPixels) {
        PrintError(QStringLiteral("%1 x %2 pixels is too large").arg(size.width()).arg(size.height()));
        return kExitFailure;
    }
    QImage image;
    if (!page->IsVector() && !page->displayCopy.hasAlphaChannel() && page->displayCopy.size() == size) {
        // An opaque page already decoded at the output size is what drawing
        // it would give: no second picture of that size is made.
        image = page->displayCopy;
    } else {
        image = QImage(size, QImage::Format_RGB32);
        if (image.isNull()) {
            PrintError(QStringLiteral("not enough memory for %1 x %2 pixels").arg(size.width()).arg(size.height()));
            return kExitFailure;
        }
        // The reader's view is erased to white before a page is drawn.
        image.fill(Qt::white);
        QPainter painter(&image);
        QImage scaledCopy;
        const QRect target(QPoint(0, 0), size);
        PaintPagePicture(painter, *page, target, target, scaledCopy);
    }
    QImageWriter writer(o->out, "png");
    if (!writer.write(image)) {
        PrintError(QStringLiteral("cannot write \"%1\": %2").arg(o->out, writer.errorString()));
        return kExitFailure;
    }
    return kExitOk;
}
