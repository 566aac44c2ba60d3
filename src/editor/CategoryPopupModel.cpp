#include "editor/CategoryPopupModel.h"

#include <algorithm>

CategoryPopupModel::CategoryPopupModel(QStringList categories, const QLocale &locale)
    : categories_(std::move(categories)), collator_(locale)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

void CategoryPopupModel::Initialise(const QString &fieldText)
{
    for (const QString &category : std::as_const(categories_))
        AddItem(category);
    for (const QString &piece : SplitCategoryText(fieldText)) {
        qsizetype index = FindPrefix(piece);
        if (index < 0) {
            categories_.append(piece);
            index = AddItem(piece);
        }
        items_[index].selected = true;
    }
}

void CategoryPopupModel::SetSelected(qsizetype index, bool selected)
{
    if (index >= 0 && index < items_.size())
        items_[index].selected = selected;
}

qsizetype CategoryPopupModel::AddItem(const QString &text)
{
    const auto at = std::upper_bound(items_.begin(), items_.end(), text, [this](const QString &t, const Item &item) {
        return collator_.compare(t, item.text) < 0;
    });
    const qsizetype index = at - items_.begin();
    items_.insert(index, Item{text, false});
    return index;
}

qsizetype CategoryPopupModel::FindPrefix(const QString &prefix) const
{
    const qsizetype n = items_.size();
    for (qsizetype step = 1; step <= n; ++step) {
        const qsizetype index = step % n;
        if (items_.at(index).text.startsWith(prefix, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

QString CategoryPopupModel::SelectedText() const
{
    QStringList selected;
    for (const Item &item : items_) {
        if (item.selected)
            selected.append(item.text);
    }
    return selected.join(QStringLiteral("; "));
}

QStringList CategoryPopupModel::SplitCategoryText(const QString &text)
{
    QStringList pieces;
    for (const QString &raw : text.split(QLatin1Char(';'))) {
        const QString piece = raw.trimmed();
        if (!piece.isEmpty())
            pieces.append(piece);
    }
    return pieces;
}
