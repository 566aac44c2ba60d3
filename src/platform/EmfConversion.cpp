#include "platform/EmfConversion.h"

#include "document/AppDirectories.h"

#include <QCache>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

namespace {
// Charged by SVG bytes: a handful of typical pages, never without bound.
constexpr qint64 kCacheBytes = 64ll * 1024 * 1024;

QCache<QByteArray, QByteArray> &SvgCache()
{
    static QCache<QByteArray, QByteArray> cache(kCacheBytes);
    return cache;
}

std::optional<QByteArray> RunHelper(const QByteArray &emf)
{
    // Without a known application directory the name would be looked up in
    // the working directory, which could hold anything.
    if (ApplicationDirectory().isEmpty())
        return std::nullopt;
    const QString helper = ApplicationDirectory() + QLatin1String(kEmfHelperName);
    if (!QFileInfo(helper).isExecutable())
        return std::nullopt;

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(helper, {}, QIODevice::ReadWrite);
    if (!process.waitForStarted(kEmfConversionTimeoutMs))
        return std::nullopt;
    process.write(emf);
    process.closeWriteChannel();

    // Read as it comes so that a flood of output is cut off at the limit
    // instead of piling up in memory.
    QByteArray svg;
    const QDeadlineTimer deadline(kEmfConversionTimeoutMs);
    bool failed = false;
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            failed = true;
            break;
        }
        process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 200)));
        svg += process.readAllStandardOutput();
        if (svg.size() > kMaxEmfSvgBytes) {
            failed = true;
            break;
        }
    }
    if (failed) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    svg += process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || svg.isEmpty() ||
        svg.size() > kMaxEmfSvgBytes)
        return std::nullopt;
    return svg;
}
} // namespace

std::optional<QByteArray> ConvertEmfToSvg(const QByteArray &emf)
{
    const QByteArray key = QCryptographicHash::hash(emf, QCryptographicHash::Sha256);
    if (const QByteArray *cached = SvgCache().object(key))
        return *cached;
    std::optional<QByteArray> svg = RunHelper(emf);
    if (!svg)
        return std::nullopt;
    const qint64 cost = qMax<qint64>(1, svg->size());
    if (cost <= kCacheBytes)
        SvgCache().insert(key, new QByteArray(*svg), cost);
    return svg;
}

void ClearEmfSvgCache()
{
    SvgCache().clear();
}
