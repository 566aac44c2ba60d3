#include "viewer/PictureDecodeCache.h"

#include "viewer/PagePart.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <utility>

struct PictureDecodeCache::Job {
    FileKey key;
    DecodeRequest request;
    std::atomic<bool> cancelled{false};
    bool started = false; // the rest guarded by the cache's mutex
    bool forScreen = false; // completes a page handed out partial: first in line, never dropped by Prefetch
    bool partTried = false;   // the part a turn to the page shows first was decoded ahead, or tried
    bool partPending = false; // decoding it now
    PagePicturePtr part;      // that part, once decoded
    bool done = false;
    PagePicturePtr result;
    std::condition_variable finished;
};

// The workers are plain threads handed their jobs under the cache's own
// mutex, so every hand-over is one the thread sanitizer can follow (a
// QThreadPool hands over inside Qt, which it cannot see into).
int PictureDecodeCache::DefaultWorkerCount() { return std::clamp(int(std::thread::hardware_concurrency()) - 1, 1, 2); }

PictureDecodeCache::PictureDecodeCache(qint64 byteBudget, int workerThreads)
    : byteBudget_(byteBudget), workerCount_(std::max(1, workerThreads))
{
}

PictureDecodeCache::~PictureDecodeCache()
{
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        for (const auto &job : jobs_)
            job->cancelled = true;
    }
    wake_.notify_all();
    changed_.notify_all(); // the rest of the page on screen may wait for room
    for (std::thread &worker : workers_)
        worker.join();
}

PictureDecodeCache::FileKey PictureDecodeCache::KeyFor(const QString &path)
{
    const QFileInfo info(path);
    return FileKey{path, info.exists() ? info.size() : -1, info.exists() ? info.lastModified() : QDateTime()};
}

PagePicturePtr PictureDecodeCache::FindLocked(const FileKey &key, const DecodeRequest &request)
{
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (!(entries_[i].key == key))
            continue;
        const PagePicturePtr picture = entries_[i].picture;
        const bool enough = request.fullResolution
                                ? !picture->IsReduced()
                                : ResolutionSuffices(*picture, DisplaySizeFor(request, picture->pixelSize));
        if (!enough)
            return nullptr;
        entries_.move(i, entries_.size() - 1);
        return picture;
    }
    return nullptr;
}

qint64 PictureDecodeCache::BytesLocked() const
{
    qint64 bytes = 0;
    for (const Entry &e : entries_)
        bytes += e.picture->Bytes();
    return bytes;
}

qint64 PictureDecodeCache::InUseLocked() const
{
    qint64 bytes = BytesLocked() + reserved_;
    if (const PagePicturePtr shown = shown_.lock()) {
        const bool cached =
            std::any_of(entries_.cbegin(), entries_.cend(), [&](const Entry &e) { return e.picture == shown; });
        if (!cached)
            bytes += shown->Bytes();
    }
    if (completed_.picture && completed_.picture != shown_.lock()
        && std::none_of(entries_.cbegin(), entries_.cend(), [&](const Entry &e) { return e.picture == completed_.picture; }))
        bytes += completed_.picture->Bytes();
    return bytes;
}

bool PictureDecodeCache::MakeRoomLocked(qint64 bytes, qsizetype keepNewest)
{
    // The page on screen stays: dropping it would free nothing while the
    // view holds it. So do the newest entries asked for.
    const PagePicturePtr shown = shown_.lock();
    qint64 inUse = InUseLocked();
    for (qsizetype i = 0; inUse + bytes > byteBudget_ && i < entries_.size() - keepNewest;) {
        if (entries_[i].picture == shown) {
            ++i;
            continue;
        }
        inUse -= entries_[i].picture->Bytes();
        entries_.removeAt(i);
    }
    return inUse + bytes <= byteBudget_;
}

void PictureDecodeCache::InsertLocked(const FileKey &key, PagePicturePtr picture)
{
    entries_.removeIf([&](const Entry &e) { return e.key == key; });
    // A picture larger than the whole budget would push out every other
    // page for itself alone.
    if (picture->Bytes() > byteBudget_)
        return;
    entries_.append(Entry{key, std::move(picture)});
    // The new entry stays even when the older ones cannot make room for it.
    MakeRoomLocked(0, 1);
}

PagePicturePtr PictureDecodeCache::Obtain(const DecodeRequest &request)
{
    const FileKey key = KeyFor(request.path);
    std::unique_lock lock(mutex_);
    shown_.reset();
    // The rest of a page the reader has left is no longer wanted.
    bool left = false;
    for (const auto &job : jobs_)
        if (job->forScreen && !(job->key == key) && !job->cancelled)
            left = job->cancelled = true;
    if (left)
        changed_.notify_all(); // a worker waiting for room for it gives up
    queue_.removeIf([](const auto &job) { return job->cancelled.load(); });
    jobs_.removeIf([](const auto &job) { return job->cancelled && !job->started; });
    if (PagePicturePtr cached = FindLocked(key, request)) {
        ++counters_.hits;
        shown_ = cached;
        completed_ = {};
        return cached;
    }
    // The whole of the page on screen, handed over even when the budget
    // could not keep it.
    const Entry completed = std::exchange(completed_, {});
    if (completed.picture && completed.key == key) {
        ++counters_.hits;
        shown_ = completed.picture;
        return completed.picture;
    }
    if (request.partFirst)
        if (PagePicturePtr part = ObtainPartFirst(lock, key, request))
            return part;
    std::shared_ptr<Job> pending;
    for (const auto &job : jobs_)
        if (job->key == key && !job->cancelled && job->request.fullResolution >= request.fullResolution)
            pending = job;
    if (pending && pending->started) {
        ++counters_.waits;
        pending->finished.wait(lock, [&] { return pending->done; });
        if (pending->result
            && ResolutionSuffices(*pending->result, DisplaySizeFor(request, pending->result->pixelSize))) {
            shown_ = pending->result;
            return pending->result;
        }
    } else if (pending) {
        // Still queued: decoded here instead of after the jobs before it.
        queue_.removeOne(pending);
        jobs_.removeOne(pending);
    }
    ++counters_.decodes;
    // Workers start nothing new until the page on screen is decoded.
    ++screenDecodes_;
    lock.unlock();

    PagePicturePtr picture;
    if (const std::optional<QByteArray> bytes = ReadPagePictureFile(request.path)) {
        const qint64 cost = DecodePeakBytes(*bytes, request);
        lock.lock();
        // Without room beside the decodes running, this one waits for them
        // and then runs alone, over the budget if it must.
        changed_.wait(lock, [&] { return MakeRoomLocked(cost) || running_ == 0; });
        reserved_ += cost;
        lock.unlock();
        picture = DecodePagePictureBytes(*bytes, request);
        lock.lock();
        reserved_ -= cost;
        if (picture) {
            shown_ = picture;
            InsertLocked(key, picture);
        }
    } else {
        lock.lock();
    }
    --screenDecodes_;
    lock.unlock();
    wake_.notify_all();
    changed_.notify_all();
    return picture;
}

PagePicturePtr PictureDecodeCache::ObtainPartFirst(std::unique_lock<std::mutex> &lock, const FileKey &key,
                                                   const DecodeRequest &request)
{
    // A decode ahead of this page makes its visible part first: that part
    // is taken (or waited for, being nearly done) and the rest follows.
    for (const auto &job : jobs_) {
        if (!(job->key == key) || job->cancelled || job->request.fullResolution < request.fullResolution)
            continue;
        const std::shared_ptr<Job> ahead = job;
        ahead->finished.wait(lock, [&] { return !ahead->partPending || ahead->done; });
        if (PagePicturePtr whole = FindLocked(key, request)) {
            shown_ = whole;
            return whole;
        }
        // A part made for another zoom would not cover the window.
        if (!ahead->part || ahead->done || ahead->cancelled
            || DisplaySizeFor(ahead->request, ahead->part->pixelSize)
                   != DisplaySizeFor(request, ahead->part->pixelSize))
            break;
        ++counters_.parts;
        shown_ = ahead->part;
        PagePicturePtr part = ahead->part;
        CompleteForScreenLocked(ahead);
        lock.unlock();
        wake_.notify_all();
        lock.lock();
        return part;
    }
    // Otherwise even a decode of this page already running is not waited
    // for: the visible part alone comes sooner than the rest of the whole.
    lock.unlock();
    const std::optional<QByteArray> bytes = ReadPagePictureFile(request.path);
    const std::optional<QRect> part = bytes ? PartShownFirst(*bytes, request) : std::nullopt;
    lock.lock();
    if (!part)
        return nullptr;
    const qint64 cost = bytes->size() + 4 * qint64(part->width()) * part->height();
    ++screenDecodes_;
    reserved_ += cost;
    lock.unlock();
    PagePicturePtr picture = DecodePagePart(*bytes, *part);
    lock.lock();
    reserved_ -= cost;
    --screenDecodes_;
    if (PagePicturePtr whole = FindLocked(key, request)) {
        // Finished ahead while the part was decoded.
        picture = whole;
    } else if (picture) {
        ++counters_.parts;
        std::shared_ptr<Job> rest;
        for (const auto &job : jobs_)
            if (job->key == key && !job->cancelled && job->request.fullResolution >= request.fullResolution)
                rest = job;
        if (!rest) {
            rest = std::make_shared<Job>();
            rest->key = key;
            rest->request = request;
            rest->request.partFirst = false;
            jobs_.append(rest);
        }
        CompleteForScreenLocked(rest);
    }
    if (picture)
        shown_ = picture;
    lock.unlock();
    wake_.notify_all();
    changed_.notify_all();
    lock.lock();
    return picture;
}

void PictureDecodeCache::CompleteForScreenLocked(const std::shared_ptr<Job> &job)
{
    job->forScreen = true;
    if (!job->started) {
        queue_.removeOne(job);
        queue_.prepend(job);
    }
    StartWorkersLocked();
}

void PictureDecodeCache::StartWorkersLocked()
{
    if (!queue_.isEmpty())
        while (int(workers_.size()) < workerCount_)
            workers_.emplace_back([this] { WorkerLoop(); });
}

void PictureDecodeCache::Prefetch(const QList<DecodeRequest> &requests)
{
    {
        std::lock_guard lock(mutex_);
        QList<FileKey> wanted;
        for (const DecodeRequest &request : requests)
            wanted.append(KeyFor(request.path));
        for (const auto &job : jobs_)
            if (!job->forScreen && !wanted.contains(job->key))
                job->cancelled = true;
        queue_.removeIf([](const auto &job) { return job->cancelled.load(); });
        jobs_.removeIf([](const auto &job) { return job->cancelled && !job->started; });

        for (qsizetype i = 0; i < requests.size(); ++i) {
            if (FindLocked(wanted[i], requests[i]))
                continue;
            const bool queued = std::any_of(jobs_.cbegin(), jobs_.cend(),
                                            [&](const auto &job) { return job->key == wanted[i] && !job->cancelled; });
            if (queued)
                continue;
            auto job = std::make_shared<Job>();
            job->key = wanted[i];
            job->request = requests[i];
            jobs_.append(job);
            queue_.append(job);
        }
        // The rest of the page on screen, then the most wanted first,
        // whenever it was queued.
        const auto rank = [&](const auto &job) { return job->forScreen ? -1 : wanted.indexOf(job->key); };
        std::stable_sort(queue_.begin(), queue_.end(), [&](const auto &a, const auto &b) { return rank(a) < rank(b); });
        StartWorkersLocked();
    }
    wake_.notify_all();
}

void PictureDecodeCache::WorkerLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return closing_ || (!queue_.isEmpty() && screenDecodes_ == 0 && !held_); });
        if (closing_)
            return;
        // The visible part of the page a turn goes to next comes before
        // anything else, even the rest of the page on screen: a reader
        // paging quickly needs it first.
        const auto next =
            std::find_if(queue_.cbegin(), queue_.cend(), [](const auto &queued) { return !queued->forScreen; });
        if (next != queue_.cend() && !(*next)->partTried) {
            const std::shared_ptr<Job> job = *next;
            job->partTried = true;
            job->partPending = true;
            ++running_;
            lock.unlock();
            RunPart(job);
            lock.lock();
            continue;
        }
        const std::shared_ptr<Job> job = queue_.takeFirst();
        job->started = true;
        ++running_;
        lock.unlock();
        RunJob(job);
        lock.lock();
    }
}

void PictureDecodeCache::RunPart(const std::shared_ptr<Job> &job)
{
    std::optional<QByteArray> bytes;
    if (!job->cancelled)
        bytes = ReadPagePictureFile(job->request.path);
    const std::optional<QRect> part = bytes ? PartShownFirst(*bytes, job->request) : std::nullopt;
    const qint64 cost = part ? 4 * qint64(part->width()) * part->height() : 0;
    bool fits = false;
    {
        std::lock_guard lock(mutex_);
        fits = part && !job->cancelled && MakeRoomLocked(cost);
        if (fits)
            reserved_ += cost;
    }
    PagePicturePtr picture;
    if (fits)
        picture = DecodePagePart(*bytes, *part);
    {
        std::lock_guard lock(mutex_);
        if (fits)
            reserved_ -= cost;
        --running_;
        job->part = std::move(picture);
        job->partPending = false;
    }
    job->finished.notify_all();
    changed_.notify_all();
}

void PictureDecodeCache::RunJob(const std::shared_ptr<Job> &job)
{
    std::optional<QByteArray> bytes;
    if (!job->cancelled)
        bytes = ReadPagePictureFile(job->request.path);
    const qint64 cost = bytes ? DecodePeakBytes(*bytes, job->request) : 0;
    bool fits = false;
    {
        // A page that cannot fit now is not decoded ahead at all: it is
        // decoded when it is shown. The rest of the page on screen is
        // decoded as the page on screen is: when there is room, or alone.
        std::unique_lock lock(mutex_);
        if (bytes && job->forScreen)
            changed_.wait(lock, [&] { return job->cancelled || closing_ || MakeRoomLocked(cost) || running_ == 1; });
        fits = bytes && !job->cancelled && !closing_ && (job->forScreen || MakeRoomLocked(cost));
        if (fits)
            reserved_ += cost;
    }
    PagePicturePtr picture;
    if (fits)
        picture = DecodePagePictureBytes(*bytes, job->request, &job->cancelled);
    bool completesScreen = false;
    {
        std::lock_guard lock(mutex_);
        completesScreen = job->forScreen && !job->cancelled;
        if (fits)
            reserved_ -= cost;
        job->result = picture;
        job->part.reset();
        job->done = true;
        if (picture && !job->cancelled)
            InsertLocked(job->key, picture);
        if (picture && completesScreen)
            completed_ = Entry{job->key, picture};
        jobs_.removeOne(job);
    }
    job->finished.notify_all();
    // Still counted as running until the handler is called, so that
    // WaitForWorkers also waits for the hand-over.
    if (completesScreen && onCompleted_)
        onCompleted_();
    {
        std::lock_guard lock(mutex_);
        --running_;
    }
    changed_.notify_all();
}

void PictureDecodeCache::NoteShown(const PagePicturePtr &picture)
{
    std::lock_guard lock(mutex_);
    shown_ = picture;
}

void PictureDecodeCache::SetWorkerCount(int count)
{
    std::lock_guard lock(mutex_);
    workerCount_ = std::max(1, count);
}

void PictureDecodeCache::HoldWorkers(bool hold)
{
    {
        std::lock_guard lock(mutex_);
        held_ = hold;
    }
    wake_.notify_all();
}

void PictureDecodeCache::WaitForWorkers()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return queue_.isEmpty() && running_ == 0; });
}

int PictureDecodeCache::CachedCount() const
{
    std::lock_guard lock(mutex_);
    return int(entries_.size());
}

qint64 PictureDecodeCache::CachedBytes() const
{
    std::lock_guard lock(mutex_);
    return BytesLocked();
}

PictureDecodeCache::Counters PictureDecodeCache::Statistics() const
{
    std::lock_guard lock(mutex_);
    return counters_;
}
