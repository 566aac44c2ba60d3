// Metafile pages: decoding a file (parse once, on load) and painting it into
// a 1600 x 1000 rectangle (every repaint; the records are not parsed again).

#include "formats/wmf/WmfPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {
const char *const kFixtures[] = {"wmf_lo_shapes.wmf", "wmf_lo_text.wmf"};

QByteArray Fixture(int index)
{
    // The fixtures live with the tests, beside this folder in the source tree.
    const QDir bench = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
    QFile f(bench.filePath(QStringLiteral("../tests/data/metafiles/")) + QLatin1String(kFixtures[index]));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_DecodeWmf(benchmark::State &state)
{
    const QByteArray bytes = Fixture(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeWmfPicture(bytes));
    state.SetLabel(kFixtures[state.range(0)]);
}
BENCHMARK(BM_DecodeWmf)->Arg(0)->Arg(1);

void BM_PaintWmf1600x1000(benchmark::State &state)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture(int(state.range(0))));
    if (!picture) {
        state.SkipWithError("fixture missing");
        return;
    }
    QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->Render(painter, QRectF(0, 0, 1600, 1000));
    }
    state.SetLabel(kFixtures[state.range(0)]);
}
BENCHMARK(BM_PaintWmf1600x1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
