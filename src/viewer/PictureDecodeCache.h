#pragma once

#include "viewer/PictureDecode.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QThreadPool>

#include <condition_variable>
#include <memory>
#include <mutex>

// Decoded pages kept and made ahead of time. The UI thread asks for the
// page it shows (Obtain) and names the pages likely to come next
// (Prefetch); a small pool of worker threads decodes those meanwhile.
// Workers only decode into fresh objects; the UI thread alone draws.
//
// A picture is known by its path, its file size and its modification time,
// so a file replaced on disk is decoded afresh. The cache is bounded by the
// bytes of decoded pixels (not file bytes, which a JPEG exceeds tenfold),
// least recently used first out.
class CPictureDecodeCache {
public:
    static constexpr qint64 kDefaultByteBudget = 384ll * 1024 * 1024;

    explicit CPictureDecodeCache(qint64 byteBudget = kDefaultByteBudget, int workerThreads = 2);
    ~CPictureDecodeCache();
    CPictureDecodeCache(const CPictureDecodeCache &) = delete;
    CPictureDecodeCache &operator=(const CPictureDecodeCache &) = delete;

    // The picture for the page shown now, as if decoded right here: a cached
    // one with enough pixels, else the one a worker is decoding (waited
    // for), else decoded on the calling thread. Null when it does not decode.
    PagePicturePtr Obtain(const DecodeRequest &request);

    // Starts decoding these pictures ahead, most wanted first. Queued decodes
    // of pictures no longer named are dropped; a decode already running for
    // one is discarded when it ends.
    void Prefetch(const QList<DecodeRequest> &requests);

    // Waits until no decode is running (tests and benchmarks).
    void WaitForWorkers();

    int CachedCount() const;
    qint64 CachedBytes() const;
    // How Obtain was served, for tests and benchmarks.
    struct Counters {
        int hits = 0;
        int waits = 0;
        int decodes = 0;
    };
    Counters Statistics() const;

private:
    struct FileKey {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileKey &) const = default;
    };
    struct Job;
    struct Entry {
        FileKey key;
        PagePicturePtr picture;
    };

    static FileKey KeyFor(const QString &path);
    PagePicturePtr FindLocked(const FileKey &key, const DecodeRequest &request);
    qint64 BytesLocked() const;
    void InsertLocked(const FileKey &key, PagePicturePtr picture);
    void RunJob(const std::shared_ptr<Job> &job);

    const qint64 m_byteBudget;
    QThreadPool m_pool;
    mutable std::mutex m_mutex;
    QList<Entry> m_entries;  // most recently used last
    QList<std::shared_ptr<Job>> m_jobs;
    Counters m_counters;
};
