#pragma once

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// What the category pop-up shows, without a window: its own copy of the
// frequent categories, the list items kept sorted without regard to case in
// the user's language, and which of them are ticked.
class CategoryPopupModel {
public:
    explicit CategoryPopupModel(QStringList categories, const QLocale &locale = QLocale());

    // Fills the items from the categories, then ticks the categories of the
    // field's text: each piece between ";" (trimmed, empty ones skipped)
    // ticks the first item that begins with it, ignoring case, searching from
    // the second item and wrapping to the first; a piece no item begins with
    // is added to the categories and the items and ticked.
    void Initialise(const QString &fieldText);

    // The categories with every piece Initialise added, in the order added.
    const QStringList &Categories() const { return categories_; }

    qsizetype Count() const { return items_.size(); }
    const QString &Text(qsizetype index) const { return items_.at(index).text; }
    bool IsSelected(qsizetype index) const { return items_.at(index).selected; }
    void SetSelected(qsizetype index, bool selected);

    // Inserts after every item that does not sort after it; returns its index.
    qsizetype AddItem(const QString &text);

    // The index of the first item beginning with `prefix` (ignoring case),
    // looking from the second item on and then at the first; -1 if none.
    qsizetype FindPrefix(const QString &prefix) const;

    // The ticked items in list order joined by "; " (empty when none).
    QString SelectedText() const;

    // The non-empty trimmed pieces of a category text split at ";".
    static QStringList SplitCategoryText(const QString &text);

private:
    struct Item {
        QString text;
        bool selected = false;
    };
    QStringList categories_;
    QList<Item> items_;
    QCollator collator_;
};
