#include "app/RecentDocumentList.h"
#include "document/TextLimits.h"

#include "settings/store/SettingsStore.h"

#include <algorithm>

namespace {
const QString kSection = QStringLiteral("Recent Document List");
const QString kCountKey = QStringLiteral("DocumentCount");

QString EntryKey(int n) { return QStringLiteral("Document%1").arg(n); }

// The entries in the file for this capacity, key 1 (the most recent) last.
QStringList StoredEntries(int capacity)
{
    QStringList entries;
    for (int n = capacity; n >= 1; --n)
        entries.append(ReadSettingText(kSection, EntryKey(n), QString()).left(kMaxPathLength));
    return entries;
}
} // namespace

int RecentDocumentList::ClampCapacity(int stored) { return std::clamp(stored, kMinCapacity, kMaxCapacity); }

void RecentDocumentList::Read()
{
    capacity_ = ClampCapacity(ReadSettingInt(kSection, kCountKey, kDefaultCapacity));
    entries_ = StoredEntries(capacity_);
    raised_.clear();
    removed_.clear();
}

bool RecentDocumentList::Write()
{
    // Read again just before writing: the list read at start-up may be long
    // out of date, and writing it back would drop what other copies added.
    const QStringList stored = StoredEntries(capacity_);
    QStringList merged(raised_.crbegin(), raised_.crend());
    for (auto it = stored.crbegin(); it != stored.crend(); ++it) {
        if (!it->isEmpty() && (merged.contains(*it) || removed_.contains(*it)))
            continue;
        merged.append(*it);
    }
    merged = merged.mid(0, capacity_);
    while (merged.size() < capacity_)
        merged.append(QString());

    SettingValues values{{kCountKey, QString::number(capacity_)}};
    for (int n = capacity_; n >= 1; --n)
        values.append({EntryKey(n), merged.at(n - 1)});
    if (!WriteSettings(kSection, values))
        return false;
    raised_.clear();
    removed_.clear();
    return true;
}

void RecentDocumentList::Raise(const QString &entry)
{
    removed_.removeAll(entry);
    raised_.removeAll(entry);
    raised_.append(entry);
}

void RecentDocumentList::Add(const QString &path)
{
    const QString entry = path.left(kMaxPathLength);
    entries_.removeAll(entry);
    while (Count() >= capacity_ && !entries_.isEmpty())
        entries_.removeFirst();
    entries_.append(entry);
    Raise(entry);
}

void RecentDocumentList::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    const QString entry = entries_.takeAt(index);
    raised_.removeAll(entry);
    if (!entry.isEmpty() && !removed_.contains(entry))
        removed_.append(entry);
}

int RecentDocumentList::IndexOfPosition(int position) const
{
    const int index = Count() - 1 - position;
    return position >= 0 && index >= 0 ? index : -1;
}

QStringList RecentDocumentList::MostRecentFirst() const
{
    QStringList out(entries_.crbegin(), entries_.crend());
    return out;
}
