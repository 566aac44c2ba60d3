#pragma once

#include <QString>
#include <QStringList>

// The frequent categories in the settings file: section "Frequent Category",
// "CategoryCount" and "category1" … "categoryN", one category each.

inline const QString kFrequentCategorySection = QStringLiteral("Frequent Category");

// More categories than anybody types by hand. A count above it in the
// settings file is damage: reading it literally would open the settings file
// once per claimed entry (billions of times) and fill memory with empty
// strings before the program could show a window.
inline constexpr int kMaxFrequentCategories = 1000;

// Appends the stored categories to `list` in key order: missing keys give
// empty entries, duplicates are kept, values come back cut to 255
// characters. A count below 1 appends nothing; one above
// kMaxFrequentCategories reads only that many.
void LoadFrequentCategories(QStringList &list);

// Writes the count and every entry in list order. Keys beyond a shorter list
// stay in the file (the count says they are not part of it).
void SaveFrequentCategories(const QStringList &list);
