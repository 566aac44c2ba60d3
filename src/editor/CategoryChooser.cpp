#include "editor/CategoryChooser.h"

#include "editor/FrequentCategories.h"

CategoryChooser::CategoryChooser(QLineEdit *field, QWidget *owner) : field_(field), owner_(owner) {}

void CategoryChooser::OpenCategoryPopup()
{
    if (!popup_ || popup_->Ended()) {
        if (frequent_.isEmpty())
            LoadFrequentCategories(frequent_);
        popup_ = new CategoryPopup(field_, frequent_, owner_);
    }
    popup_->ShowBesideTarget();
}

void CategoryChooser::CloseCategoryPopup()
{
    if (!popup_ || popup_->Ended())
        return;
    frequent_ = popup_->Categories();
    CategoryPopup *popup = popup_;
    popup_ = nullptr;
    popup->RequestClose();
}
