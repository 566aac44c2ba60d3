#include "app/RecentDocumentList.h"

#include "settings/store/SettingsStore.h"

#include <algorithm>

namespace {
const QString kSection = QStringLiteral("Recent Document List");
const QString kCountKey = QStringLiteral("DocumentCount");

QString EntryKey(int n) { return QStringLiteral("Document%1").arg(n); }
} // namespace

int RecentDocumentList::ClampCapacity(int stored) { return std::clamp(stored, kMinCapacity, kMaxCapacity); }

void RecentDocumentList::Read()
{
    capacity_ = ClampCapacity(ReadSettingInt(kSection, kCountKey, kDefaultCapacity));
    entries_.clear();
    for (int n = capacity_; n >= 1; --n)
        entries_.append(ReadSettingText(kSection, EntryKey(n), QString()).left(kMaxPathLength));
}

bool RecentDocumentList::Write() const
{
    bool written = WriteSetting(kSection, kCountKey, QString::number(capacity_));
    const int count = Count();
    for (int n = count; n >= 1; --n)
        written = WriteSetting(kSection, EntryKey(n), entries_.at(count - n)) && written;
    return written;
}

void RecentDocumentList::Add(const QString &path)
{
    const QString entry = path.left(kMaxPathLength);
    entries_.removeAll(entry);
    while (Count() >= capacity_ && !entries_.isEmpty())
        entries_.removeFirst();
    entries_.append(entry);
}

void RecentDocumentList::MoveToTop(int index)
{
    if (index < 0 || index >= Count())
        return;
    entries_.append(entries_.takeAt(index));
}

void RecentDocumentList::Remove(int index)
{
    if (index >= 0 && index < Count())
        entries_.removeAt(index);
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
