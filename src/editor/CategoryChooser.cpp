#include "editor/CategoryChooser.h"

#include "editor/FrequentCategories.h"

CCategoryChooser::CCategoryChooser(QLineEdit *field, QWidget *owner)
    : field_(field)
    , owner_(owner)
{
}

void CCategoryChooser::OpenCategoryPopup()
{
    if (!popup_ || popup_->Ended()) {
        if (frequent_.isEmpty())
            LoadFrequentCategories(frequent_);
        popup_ = new CPopListBox(field_, frequent_, owner_);
    }
    popup_->ShowBesideTarget();
}

void CCategoryChooser::CloseCategoryPopup()
{
    if (!popup_ || popup_->Ended())
        return;
    frequent_ = popup_->Categories();
    CPopListBox *popup = popup_;
    popup_ = nullptr;
    popup->RequestClose();
}
