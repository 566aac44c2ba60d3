#pragma once

#include "document/TextLimits.h"

#include <QString>
#include <QStringList>

// The recent-document list: paths, most recent last, at most Capacity() of
// them. Reading fills it to exactly the capacity (empty texts for keys that
// are missing), so a first start shows numbered empty items. The list lives
// in the settings file, section "Recent Document List", which other copies
// of the program running on the same home folder write too.
class RecentDocumentList {
public:
    static constexpr int kDefaultCapacity = 5;
    static constexpr int kMinCapacity = 2;
    static constexpr int kMaxCapacity = 16;

    static int ClampCapacity(int stored);

    // "DocumentCount" and "Document<n>" from the settings file, the list
    // emptied first.
    void Read();
    // Stores the list merged with the one in the file, which another copy
    // may have changed since: first the paths this list added or moved to
    // the top since its last write (most recent first), then the file's
    // entries that this list has not removed meanwhile, each path once
    // (letter case counts), cut to the capacity and filled up to it with
    // empty entries. "DocumentCount" and keys 1 (most recent) to capacity
    // go in one write; higher keys stay as they are. The list itself is
    // left as it is, so a menu built from it still matches its commands.
    // False when the file could not be written; the changes are then kept
    // for the next write.
    bool Write();

    // Removes an entry equal to the path (letter case counts: two such paths
    // are two files here), drops the oldest entry when full, appends the path.
    void Add(const QString &path);
    void Remove(int index);

    int Capacity() const { return capacity_; }
    int Count() const { return int(entries_.size()); }
    const QStringList &Entries() const { return entries_; }
    // The entry a recent-document command at this position (0 = most recent)
    // names: index Count() - 1 - position, or -1 when there is none.
    int IndexOfPosition(int position) const;
    // Most recent first, as the menu shows them.
    QStringList MostRecentFirst() const;

    void SetCapacity(int capacity) { capacity_ = ClampCapacity(capacity); }

private:
    void Raise(const QString &entry);

    int capacity_ = kDefaultCapacity;
    QStringList entries_;
    // Since the last read or write: paths added or moved to the top (most
    // recent last), and paths taken out.
    QStringList raised_;
    QStringList removed_;
};
