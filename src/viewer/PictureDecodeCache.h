#pragma once

#include "viewer/PictureDecode.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Decoded pages kept and made ahead of time. The UI thread asks for the
// page it shows (Obtain) and names the pages likely to come next
// (Prefetch); a few worker threads decode those meanwhile. Workers only
// decode into fresh objects; the UI thread alone draws.
//
// A picture is known by its path, its file size and its modification time,
// so a file replaced on disk is decoded afresh. The memory budget covers the
// bytes of decoded pixels (not file bytes, which a JPEG exceeds tenfold):
// the pictures kept, the page on screen and what every running decode holds
// at its peak (known from the picture's header before it starts). A
// prefetch that does not fit is skipped; the page on screen is decoded
// alone when it does not fit beside the others, even over the budget, but is
// not kept past it. Least recently used pictures go first.
class PictureDecodeCache {
public:
    static constexpr qint64 kDefaultByteBudget = 384ll * 1024 * 1024;

    // One core is left to the UI thread, which decodes the visible part of
    // a page not decoded ahead: on two cores one worker turns pages for a
    // quick reader five times sooner than two (bench/README.md).
    static int DefaultWorkerCount();

    explicit PictureDecodeCache(qint64 byteBudget = kDefaultByteBudget, int workerThreads = DefaultWorkerCount());
    ~PictureDecodeCache();
    PictureDecodeCache(const PictureDecodeCache &) = delete;
    PictureDecodeCache &operator=(const PictureDecodeCache &) = delete;

    // The picture for the page shown now, as if decoded right here: a cached
    // one with enough pixels, else the one a worker is decoding (waited
    // for), else decoded on the calling thread. Null when it does not decode.
    // The caller lets go of its previous page first, or both count.
    //
    // With request.partFirst, a JPEG page needed at full resolution of which
    // the window shows a small part comes back partial (PagePicture::
    // decodedPart) as soon as that part is decoded here; a worker decodes the
    // whole page first of all its work and then calls the completion
    // handler, and the next Obtain finds it. Obtaining another page drops
    // that work at once.
    PagePicturePtr Obtain(const DecodeRequest &request);

    // The view shows this picture now, made from what Obtain gave it (a
    // partial page drawn over the reduced one): counted as the page on
    // screen.
    void NoteShown(const PagePicturePtr &picture);

    // Called on a worker thread when the whole of a page handed out partial
    // is decoded, or has failed to. Set before the first Obtain.
    void SetCompletionHandler(std::function<void()> handler) { onCompleted_ = std::move(handler); }

    // Starts decoding these pictures ahead, most wanted first. Queued decodes
    // of pictures no longer named are dropped; a decode already running for
    // one is discarded when it ends.
    void Prefetch(const QList<DecodeRequest> &requests);

    // Waits until no decode is queued or running (tests and benchmarks).
    void WaitForWorkers();
    // While held, workers start no new decode (tests: a page stays partial).
    void HoldWorkers(bool hold);
    // How many workers decode ahead; takes effect for workers not started
    // yet (benchmarks compare one against two).
    void SetWorkerCount(int count);

    int CachedCount() const;
    qint64 CachedBytes() const;
    // How Obtain was served, for tests and benchmarks.
    struct Counters {
        int hits = 0;
        int waits = 0;
        int decodes = 0;
        int parts = 0; // pages handed out partial
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
    qint64 InUseLocked() const;
    // Drops the oldest entries (never the page on screen, nor the newest
    // `keepNewest`) until `bytes` more fit the budget; false when they do not.
    bool MakeRoomLocked(qint64 bytes, qsizetype keepNewest = 0);
    void InsertLocked(const FileKey &key, PagePicturePtr picture);
    void StartWorkersLocked();
    // Decodes the visible part of the page here and has the rest decoded
    // next; null when the page is not one to show part first.
    PagePicturePtr ObtainPartFirst(std::unique_lock<std::mutex> &lock, const FileKey &key,
                                   const DecodeRequest &request);
    // Makes the job complete the page on screen: first in line.
    void CompleteForScreenLocked(const std::shared_ptr<Job> &job);
    void WorkerLoop();
    void RunPart(const std::shared_ptr<Job> &job);
    void RunJob(const std::shared_ptr<Job> &job);

    const qint64 byteBudget_;
    int workerCount_;
    std::vector<std::thread> workers_; // started with the first prefetch
    mutable std::mutex mutex_;
    std::condition_variable wake_;           // a job was queued, the screen is free, or the cache closes
    std::condition_variable changed_;        // a decode ended: room may have come free
    QList<Entry> entries_;                   // most recently used last
    QList<std::shared_ptr<Job>> queue_;      // waiting for a worker, most wanted first
    QList<std::shared_ptr<Job>> jobs_;       // queued or running
    std::weak_ptr<const PagePicture> shown_; // the page last handed to the screen
    qint64 reserved_ = 0;                    // peak bytes of the decodes running now
    int running_ = 0;                        // workers busy with a job
    int screenDecodes_ = 0;                  // decodes for the screen under way: workers start nothing new
    bool closing_ = false;
    bool held_ = false;
    Counters counters_;
    std::function<void()> onCompleted_;
    Entry completed_; // the whole of a page handed out partial, until the next Obtain
};
