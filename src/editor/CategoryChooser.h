#pragma once

#include "editor/CategoryPopup.h"

#include <QPointer>
#include <QStringList>

class QLineEdit;
class QWidget;

// The category field's helper on the book information form: it holds the
// frequent categories and the one pop-up, opens the pop-up beside the field
// and takes the categories back when the form closes it.
class CategoryChooser {
public:
    // `field` is the category field; `owner` the window the pop-up may not
    // outlive.
    CategoryChooser(QLineEdit *field, QWidget *owner);

    QStringList &FrequentCategories() { return frequent_; }
    const QStringList &FrequentCategories() const { return frequent_; }

    // Opens the pop-up, or moves and shows the one already open (its list and
    // ticks stay). An empty frequent list is read from the settings first.
    void OpenCategoryPopup();

    // Takes the pop-up's categories as the frequent ones and closes it, which
    // writes the ticked categories into the field. Nothing without a pop-up.
    void CloseCategoryPopup();

    CategoryPopup *Popup() const { return popup_; }

private:
    QLineEdit *field_;
    QWidget *owner_;
    QStringList frequent_;
    QPointer<CategoryPopup> popup_;
};
