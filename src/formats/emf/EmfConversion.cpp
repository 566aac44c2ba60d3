#include "formats/emf/EmfConversion.h"

#include "document/AppDirectories.h"

#include <QCache>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

#include <mutex>

namespace {
// Charged by SVG bytes: a handful of typical pages, never without bound.
constexpr qint64 kCacheBytes = 64ll * 1024 * 1024;

// Pages are decoded on worker threads while the UI thread decodes the page
// on screen, and even a lookup reorders QCache's list: every use of the cache
// holds the lock. The helper runs outside it, so two different conversions
// never wait for each other.
struct SvgCache {
    std::mutex mutex;
    QCache<QByteArray, QByteArray> entries{kCacheBytes};
};

SvgCache &Cache()
{
    static SvgCache cache;
    return cache;
}

std::optional<QByteArray> CachedSvg(const QByteArray &key)
{
    SvgCache &cache = Cache();
    const std::lock_guard lock(cache.mutex);
    if (const QByteArray *svg = cache.entries.object(key))
        return *svg;
    return std::nullopt;
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
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || svg.isEmpty()
        || svg.size() > kMaxEmfSvgBytes)
        return std::nullopt;
    return svg;
}
} // namespace

std::optional<QByteArray> ConvertEmfToSvg(const QByteArray &emf)
{
    const QByteArray key = QCryptographicHash::hash(emf, QCryptographicHash::Sha256);
    if (std::optional<QByteArray> cached = CachedSvg(key))
        return cached;
    std::optional<QByteArray> svg = RunHelper(emf);
    if (!svg)
        return std::nullopt;
    const qint64 cost = qMax<qint64>(1, svg->size());
    if (cost <= kCacheBytes) {
        SvgCache &cache = Cache();
        const std::lock_guard lock(cache.mutex);
        cache.entries.insert(key, new QByteArray(*svg), cost);
    }
    return svg;
}

void ClearEmfSvgCache()
{
    SvgCache &cache = Cache();
    const std::lock_guard lock(cache.mutex);
    cache.entries.clear();
}
