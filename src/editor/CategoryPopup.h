#pragma once

#include "editor/CategoryPopupModel.h"

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QListWidget;

// The category pop-up: a caption-less tool window with a list of every known
// category, in which the user ticks the book's categories with single clicks.
// Closing it writes the ticked categories into the category field.
class CategoryPopup : public QDialog {
public:
    // Takes the field's text (at most 255 characters) and its own copy of the
    // categories, and ticks the field's categories (CategoryPopupModel).
    // `owner` keeps the window alive no longer than itself.
    CategoryPopup(QLineEdit *target, const QStringList &categories, QWidget *owner);

    // The categories with the ones added from the field's text.
    const QStringList &Categories() const { return list_.Categories(); }
    const CategoryPopupModel &List() const { return list_; }
    QListWidget *ListBox() const { return listBox_; }

    // Places the top-left corner at the bottom-right corner of the target
    // field, raises and shows the window.
    void ShowBesideTarget();

    // Writes the ticked categories into the field and ends the pop-up.
    void RequestClose();

    // Whether the pop-up has been closed (its window is on its way out).
    bool Ended() const { return applied_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ApplySelection();
    void SyncFromListBox();

    QPointer<QLineEdit> target_;
    CategoryPopupModel list_;
    QListWidget *listBox_ = nullptr;
    bool applied_ = false;
};
