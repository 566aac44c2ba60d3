#include "viewer/PictureDecodeCache.h"

#include <QFileInfo>

#include <atomic>

struct CPictureDecodeCache::Job {
    FileKey key;
    DecodeRequest request;
    std::atomic<bool> cancelled{false};
    bool done = false;  // guarded by the cache's mutex
    PagePicturePtr result;
    std::condition_variable finished;
};

CPictureDecodeCache::CPictureDecodeCache(qint64 byteBudget, int workerThreads) : m_byteBudget(byteBudget)
{
    m_pool.setMaxThreadCount(std::max(1, workerThreads));
}

CPictureDecodeCache::~CPictureDecodeCache()
{
    {
        std::lock_guard lock(m_mutex);
        for (const auto &job : m_jobs)
            job->cancelled = true;
    }
    m_pool.waitForDone();
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
                                : ResolutionSuffices(*picture, ExpectedDisplaySize(request.layout, picture->pixelSize));
        if (!enough)
            return nullptr;
        m_entries.move(i, m_entries.size() - 1);
        return picture;
    }
    return nullptr;
}

void CPictureDecodeCache::InsertLocked(const FileKey &key, PagePicturePtr picture)
{
    m_entries.removeIf([&](const Entry &e) { return e.key == key; });
    m_entries.append(Entry{key, std::move(picture)});
    qint64 bytes = BytesLocked();
    // The newest entry stays even over budget: it is the page on screen or
    // the next one.
    while (bytes > m_byteBudget && m_entries.size() > 1) {
        bytes -= m_entries.front().picture->Bytes();
        m_entries.removeFirst();
    }
}

PagePicturePtr CPictureDecodeCache::Obtain(const DecodeRequest &request)
{
    const FileKey key = KeyFor(request.path);
    std::shared_ptr<Job> running;
    {
        std::unique_lock lock(m_mutex);
        if (PagePicturePtr cached = FindLocked(key, request)) {
            ++m_counters.hits;
            return cached;
        }
        for (const auto &job : m_jobs)
            if (job->key == key && !job->cancelled && job->request.fullResolution >= request.fullResolution)
                running = job;
        if (running) {
            ++m_counters.waits;
            running->finished.wait(lock, [&] { return running->done; });
            if (running->result) {
                const bool enough = ResolutionSuffices(*running->result,
                                                       ExpectedDisplaySize(request.layout, running->result->pixelSize));
                if (enough)
                    return running->result;
            }
        }
        ++m_counters.decodes;
    }
    PagePicturePtr picture = DecodePagePicture(request);
    if (picture) {
        std::lock_guard lock(m_mutex);
        InsertLocked(key, picture);
    }
    return picture;
}

void CPictureDecodeCache::Prefetch(const QList<DecodeRequest> &requests)
{
    std::lock_guard lock(m_mutex);
    QList<FileKey> wanted;
    for (const DecodeRequest &request : requests)
        wanted.append(KeyFor(request.path));
    for (const auto &job : m_jobs)
        if (!wanted.contains(job->key))
            job->cancelled = true;

    for (qsizetype i = 0; i < requests.size(); ++i) {
        if (FindLocked(wanted[i], requests[i]))
            continue;
        bool queued = false;
        for (const auto &job : m_jobs)
            queued = queued || (job->key == wanted[i] && !job->cancelled);
        if (queued)
            continue;
        auto job = std::make_shared<Job>();
        job->key = wanted[i];
        job->request = requests[i];
        job->request.layout.SetZoomBoxWriter(nullptr);
        m_jobs.append(job);
        m_pool.start([this, job] { RunJob(job); });
    }
}

void CPictureDecodeCache::RunJob(const std::shared_ptr<Job> &job)
{
    PagePicturePtr picture;
    if (!job->cancelled)
        picture = DecodePagePicture(job->request);
    std::lock_guard lock(m_mutex);
    job->result = picture;
    job->done = true;
    if (picture && !job->cancelled)
        InsertLocked(job->key, picture);
    m_jobs.removeOne(job);
    job->finished.notify_all();
}

void CPictureDecodeCache::WaitForWorkers() { m_pool.waitForDone(); }

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

qint64 CPictureDecodeCache::BytesLocked() const
{
    qint64 bytes = 0;
    for (const Entry &e : m_entries)
        bytes += e.picture->Bytes();
    return bytes;
}

CPictureDecodeCache::Counters CPictureDecodeCache::Statistics() const
{
    std::lock_guard lock(m_mutex);
    return m_counters;
}
