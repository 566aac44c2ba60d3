#pragma once

#include "document/BookDocument.h"
#include "editor/PictureRows.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class PictureRowModel;
class QToolButton;
class QTreeView;

// The picture sequence page of the book form: the list of the book's
// pictures in reading order and five buttons that move selected rows up or
// down, delete them, and insert or append picture files. The buttons change
// rows only; the entry array changes when the form hands a book over
// (FillFromEntries) or gathers one (CollectEntries).
class PictureSequenceEditor : public QWidget {
public:
    explicit PictureSequenceEditor(QWidget *parent = nullptr);

    enum ButtonId { kMoveUp = 1013, kMoveDown = 1014, kInsert = 1015, kDelete = 1016, kAppend = 1017 };

    // The entry array, open to the form and to the frame's idle step.
    QList<PictureEntry> &Entries() { return entries_; }
    const QList<PictureEntry> &Entries() const { return entries_; }

    // Rebuilds every row from the entry array, refreshing each entry's size
    // from disk where its file exists.
    void FillFromEntries();
    // Rebuilds the entry array from the rows (paths contracted, sizes from disk).
    void CollectEntries();

    void OnMoveUp();
    void OnMoveDown();
    void OnDeletePictures();
    void OnInsertPictures() { AddPictureFiles(AddMode::Insert); }
    void OnAppendPictures() { AddPictureFiles(AddMode::Append); }
    // Asks for picture files and adds them at the anchor of `mode`.
    void AddPictureFiles(AddMode mode);
    // The same with paths already chosen (what the dialog returned).
    void AddPictureFiles(AddMode mode, const QStringList &paths);
    // Dropped files, by the same rules, standing from `row` on in the order
    // they came; exactly they are selected.
    void AddPictureFilesAt(qsizetype row, const QStringList &paths);

    // Who asks for the files; tests put their own choice here. An empty list
    // means the user cancelled.
    void SetFileChooser(std::function<QStringList(QWidget *)> chooser) { chooser_ = std::move(chooser); }
    static QStringList ChoosePictureFiles(QWidget *owner);

    // The rows as shown, with the list's selection in them.
    PictureRows Rows() const;
    // Selects exactly the given rows (tests and the user's clicks).
    void SelectRows(const QList<int> &rows);
    int CurrentRow() const;
    void SetCurrentRow(int row);

    QTreeView *List() const { return list_; }
    QToolButton *Button(int id) const;

    // The template's list and button rectangles, in pixels for this font.
    void LayoutForSize(int cx, int cy);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void ShowRows(PictureRows rows);

    QList<PictureEntry> entries_;
    PictureRowModel *model_ = nullptr;
    QTreeView *list_ = nullptr;
    QToolButton *buttons_[5] = {};
    std::function<QStringList(QWidget *)> chooser_;
};
