#include "viewer/PictureDecodeCache.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>

struct CPictureDecodeCache::Job {
    FileKey key;
    DecodeRequest request;
    std::atomic<bool> cancelled{false};
    bool started = false;  // the rest guarded by the cache's mutex
    bool done = false;
    PagePicturePtr result;
    std::condition_variable finished;
};

// The workers are plain threads handed their jobs under the cache's own
// mutex, so every hand-over is one the thread sanitizer can follow (a
// QThreadPool hands over inside Qt, which it cannot see into).
CPictureDecodeCache::CPictureDecodeCache(qint64 byteBudget, int workerThreads)
    : m_byteBudget(byteBudget), m_workerCount(std::max(1, workerThreads))
{
}

CPictureDecodeCache::~CPictureDecodeCache()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
        for (const auto &job : m_jobs)
            job->cancelled = true;
    }
    m_wake.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

CPictureDecodeCache::FileKey CPictureDecodeCache::KeyFor(const QString &path)
{
    const QFileInfo info(path);
    return FileKey{path, info.exists() ? info.size() : -1, info.exists() ? info.lastModified() : QDateTime()};
}

PagePicturePtr CPictureDecodeCache::FindLocked(const FileKey &key, const DecodeRequest &request)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!(m_entries[i].key == key))
            continue;
        const PagePicturePtr picture = m_entries[i].picture;
        const bool enough = request.fullResolution
                                ? !picture->IsReduced()
                                : ResolutionSuffices(*picture, DisplaySizeFor(request, picture->pixelSize));
        if (!enough)
            return nullptr;
        m_entries.move(i, m_entries.size() - 1);
        return picture;
    }
    return nullptr;
}

qint64 CPictureDecodeCache::BytesLocked() const
{
    qint64 bytes = 0;
    for (const Entry &e : m_entries)
        bytes += e.picture->Bytes();
    return bytes;
}

qint64 CPictureDecodeCache::InUseLocked() const
{
    qint64 bytes = BytesLocked() + m_reserved;
    if (const PagePicturePtr shown = m_shown.lock()) {
        const bool cached = std::any_of(m_entries.cbegin(), m_entries.cend(),
                                        [&](const Entry &e) { return e.picture == shown; });
        if (!cached)
            bytes += shown->Bytes();
    }
    return bytes;
}

bool CPictureDecodeCache::MakeRoomLocked(qint64 bytes)
{
    // The page on screen stays: dropping it would free nothing while the
    // view holds it.
    const PagePicturePtr shown = m_shown.lock();
    qint64 inUse = InUseLocked();
    for (qsizetype i = 0; inUse + bytes > m_byteBudget && i < m_entries.size();) {
        if (m_entries[i].picture == shown) {
            ++i;
            continue;
        }
        inUse -= m_entries[i].picture->Bytes();
        m_entries.removeAt(i);
    }
    return inUse + bytes <= m_byteBudget;
}

void CPictureDecodeCache::InsertLocked(const FileKey &key, PagePicturePtr picture)
{
    m_entries.removeIf([&](const Entry &e) { return e.key == key; });
    // A picture larger than the whole budget would push out every other
    // page for itself alone.
    if (picture->Bytes() > m_byteBudget)
        return;
    m_entries.append(Entry{key, std::move(picture)});
    const PagePicturePtr shown = m_shown.lock();
    qint64 inUse = InUseLocked();
    for (qsizetype i = 0; inUse > m_byteBudget && i < m_entries.size() - 1;) {
        if (m_entries[i].picture == shown) {
            ++i;
            continue;
        }
        inUse -= m_entries[i].picture->Bytes();
        m_entries.removeAt(i);
    }
}

PagePicturePtr CPictureDecodeCache::Obtain(const DecodeRequest &request)
{
    const FileKey key = KeyFor(request.path);
    std::unique_lock lock(m_mutex);
    m_shown.reset();
    if (PagePicturePtr cached = FindLocked(key, request)) {
        ++m_counters.hits;
        m_shown = cached;
        return cached;
    }
    std::shared_ptr<Job> pending;
    for (const auto &job : m_jobs)
        if (job->key == key && !job->cancelled && job->request.fullResolution >= request.fullResolution)
            pending = job;
    if (pending && pending->started) {
        ++m_counters.waits;
        pending->finished.wait(lock, [&] { return pending->done; });
        if (pending->result
            && ResolutionSuffices(*pending->result, DisplaySizeFor(request, pending->result->pixelSize))) {
            m_shown = pending->result;
            return pending->result;
        }
    } else if (pending) {
        // Still queued: decoded here instead of after the jobs before it.
        m_queue.removeOne(pending);
        m_jobs.removeOne(pending);
    }
    ++m_counters.decodes;
    // Workers start nothing new until the page on screen is decoded.
    ++m_screenDecodes;
    lock.unlock();

    PagePicturePtr picture;
    if (const std::optional<QByteArray> bytes = ReadPagePictureFile(request.path)) {
        const qint64 cost = DecodePeakBytes(*bytes, request);
        lock.lock();
        // Without room beside the decodes running, this one waits for them
        // and then runs alone, over the budget if it must.
        m_changed.wait(lock, [&] { return MakeRoomLocked(cost) || m_running == 0; });
        m_reserved += cost;
        lock.unlock();
        picture = DecodePagePictureBytes(*bytes, request);
        lock.lock();
        m_reserved -= cost;
        if (picture) {
            m_shown = picture;
            InsertLocked(key, picture);
        }
    } else {
        lock.lock();
    }
    --m_screenDecodes;
    lock.unlock();
    m_wake.notify_all();
    m_changed.notify_all();
    return picture;
}

void CPictureDecodeCache::Prefetch(const QList<DecodeRequest> &requests)
{
    {
        std::lock_guard lock(m_mutex);
        QList<FileKey> wanted;
        for (const DecodeRequest &request : requests)
            wanted.append(KeyFor(request.path));
        for (const auto &job : m_jobs)
            if (!wanted.contains(job->key))
                job->cancelled = true;
        m_queue.removeIf([](const auto &job) { return job->cancelled.load(); });
        m_jobs.removeIf([](const auto &job) { return job->cancelled && !job->started; });

        for (qsizetype i = 0; i < requests.size(); ++i) {
            if (FindLocked(wanted[i], requests[i]))
                continue;
            const bool queued = std::any_of(m_jobs.cbegin(), m_jobs.cend(), [&](const auto &job) {
                return job->key == wanted[i] && !job->cancelled;
            });
            if (queued)
                continue;
            auto job = std::make_shared<Job>();
            job->key = wanted[i];
            job->request = requests[i];
            job->request.layout.SetZoomBoxWriter(nullptr);
            m_jobs.append(job);
            m_queue.append(job);
        }
        // Most wanted first, whenever it was queued.
        std::stable_sort(m_queue.begin(), m_queue.end(), [&](const auto &a, const auto &b) {
            return wanted.indexOf(a->key) < wanted.indexOf(b->key);
        });
        if (!m_queue.isEmpty())
            while (int(m_workers.size()) < m_workerCount)
                m_workers.emplace_back([this] { WorkerLoop(); });
    }
    m_wake.notify_all();
}

void CPictureDecodeCache::WorkerLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_closing || (!m_queue.isEmpty() && m_screenDecodes == 0); });
        if (m_closing)
            return;
        const std::shared_ptr<Job> job = m_queue.takeFirst();
        job->started = true;
        ++m_running;
        lock.unlock();
        RunJob(job);
        lock.lock();
    }
}

void CPictureDecodeCache::RunJob(const std::shared_ptr<Job> &job)
{
    std::optional<QByteArray> bytes;
    if (!job->cancelled)
        bytes = ReadPagePictureFile(job->request.path);
    const qint64 cost = bytes ? DecodePeakBytes(*bytes, job->request) : 0;
    bool fits = false;
    {
        // A page that cannot fit now is not decoded ahead at all: it is
        // decoded when it is shown.
        std::lock_guard lock(m_mutex);
        fits = bytes && !job->cancelled && MakeRoomLocked(cost);
        if (fits)
            m_reserved += cost;
    }
    PagePicturePtr picture;
    if (fits)
        picture = DecodePagePictureBytes(*bytes, job->request);
    {
        std::lock_guard lock(m_mutex);
        if (fits)
            m_reserved -= cost;
        --m_running;
        job->result = picture;
        job->done = true;
        if (picture && !job->cancelled)
            InsertLocked(job->key, picture);
        m_jobs.removeOne(job);
    }
    job->finished.notify_all();
    m_changed.notify_all();
}

void CPictureDecodeCache::WaitForWorkers()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_queue.isEmpty() && m_running == 0; });
}

int CPictureDecodeCache::CachedCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_entries.size());
}

qint64 CPictureDecodeCache::CachedBytes() const
{
    std::lock_guard lock(m_mutex);
    return BytesLocked();
}

CPictureDecodeCache::Counters CPictureDecodeCache::Statistics() const
{
    std::lock_guard lock(m_mutex);
    return m_counters;
}
