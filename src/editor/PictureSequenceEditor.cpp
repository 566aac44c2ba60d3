#include "editor/PictureSequenceEditor.h"

#include "editor/FileSizeText.h"
#include "editor/PictureDialogFilter.h"
#include "editor/PictureDropTarget.h"
#include "editor/PictureRowModel.h"
#include "ui/DialogUnits.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelection>
#include <QResizeEvent>
#include <QToolButton>
#include <QTreeView>

namespace {

struct ButtonSpec {
    int id;
    int top;     // dialog units
    int tooltip; // string id
    const char *icon;
};

// The column of buttons, top to bottom; x 253, 24 × 22 dialog units each.
constexpr ButtonSpec kButtons[] = {
    {PictureSequenceEditor::kMoveUp, 7, kIdsSequenceMoveUp, "sequence-up.svg"},
    {PictureSequenceEditor::kMoveDown, 34, kIdsSequenceMoveDown, "sequence-down.svg"},
    {PictureSequenceEditor::kInsert, 87, kIdsSequenceInsert, "sequence-insert.svg"},
    {PictureSequenceEditor::kDelete, 114, kIdsSequenceDelete, "sequence-remove.svg"},
    {PictureSequenceEditor::kAppend, 142, kIdsSequenceAppend, "sequence-add.svg"},
};
constexpr int kButtonLeft = 253;
constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 22;
constexpr QRect kListRect(7, 7, 239, 167);
constexpr QSize kTemplateSize(284, 181);
constexpr int kColumnWidths[] = {60, 500, 100, 150};
constexpr int kButtonImageSide = 32;

} // namespace

PictureSequenceEditor::PictureSequenceEditor(QWidget *parent)
    : QWidget(parent), model_(new PictureRowModel(this)), list_(new QTreeView(this))
{
    const DialogBaseUnits base = DialogBaseUnitsOf(font());
    resize(DialogSizeToPixels(kTemplateSize, base));

    list_->setObjectName(QStringLiteral("pictureList"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    // Every row is one line high: the view then never measures ten thousand
    // rows one by one.
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setDragDropMode(QAbstractItemView::NoDragDrop);
    list_->setSortingEnabled(false);
    list_->setAllColumnsShowFocus(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->header()->setSectionsClickable(false);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);
    for (int c = 0; c < PictureRowModel::kColumnCount; ++c)
        list_->header()->resizeSection(c, kColumnWidths[c]);
    // The selection stays as visible when the list loses the focus (to a
    // button that acts on it) as while it has it.
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    list_->setPalette(palette);
    list_->setGeometry(DialogRectToPixels(kListRect, base));

    for (int i = 0; i < 5; ++i) {
        const ButtonSpec &entry = kButtons[i];
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("button%1").arg(entry.id));
        button->setIcon(NamedIcon(QString::fromLatin1(entry.icon)));
        button->setIconSize(QSize(kButtonImageSide, kButtonImageSide));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        // Flat at rest, raised under the mouse, sunken while pressed.
        button->setAutoRaise(true);
        button->setToolTip(LoadString(entry.tooltip));
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(DialogRectToPixels(QRect(kButtonLeft, entry.top, kButtonWidth, kButtonHeight), base));
        buttons_[i] = button;
    }
    connect(Button(kMoveUp), &QToolButton::clicked, this, [this] { OnMoveUp(); });
    connect(Button(kMoveDown), &QToolButton::clicked, this, [this] { OnMoveDown(); });
    connect(Button(kInsert), &QToolButton::clicked, this, [this] { OnInsertPictures(); });
    connect(Button(kDelete), &QToolButton::clicked, this, [this] { OnDeletePictures(); });
    connect(Button(kAppend), &QToolButton::clicked, this, [this] { OnAppendPictures(); });
    chooser_ = &PictureSequenceEditor::ChoosePictureFiles;
    new PictureDropTarget(*this, list_->viewport());
}

QToolButton *PictureSequenceEditor::Button(int id) const
{
    const int i = id - kMoveUp;
    return i >= 0 && i < 5 ? buttons_[i] : nullptr;
}

void PictureSequenceEditor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutForSize(event->size().width(), event->size().height());
}

void PictureSequenceEditor::LayoutForSize(int cx, int cy)
{
    // The list keeps its template margin on every side but the right, where
    // the button column stands; the buttons keep their heights and places.
    const int m = list_->x();
    const int w = Button(kMoveUp)->width();
    const int c = cx - 3 * m - w;
    list_->setGeometry(m, m, cx - 5 * m - w, cy - 2 * m);
    for (int id : {kMoveUp, kMoveDown}) {
        QToolButton *button = Button(id);
        button->move(c + m, button->y());
    }
    const int w15 = Button(kInsert)->width();
    const int left = c + ((cx - m - c) - w15) / 2;
    for (int id : {kInsert, kDelete, kAppend}) {
        QToolButton *button = Button(id);
        button->move(left, button->y());
    }
}

PictureRows PictureSequenceEditor::Rows() const
{
    PictureRows rows = model_->Rows();
    // Straight from the selection's ranges: asking for the selected rows
    // checks every row against every range, which is quadratic when every
    // other row of a long list is selected.
    const QItemSelection selection = list_->selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < rows.size(); ++row)
            rows[row].selected = true;
    }
    return rows;
}

void PictureSequenceEditor::ShowRows(PictureRows rows)
{
    // The selected rows as runs of adjacent rows, taken before the model
    // resets and made into a selection after it.
    QList<std::pair<int, int>> runs;
    for (qsizetype i = 0; i < rows.size();) {
        if (!rows.at(i).selected) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end + 1 < rows.size() && rows.at(end + 1).selected)
            ++end;
        runs.append({int(i), int(end)});
        i = end + 1;
    }
    for (PictureRow &row : rows)
        row.selected = false;
    model_->SetRows(std::move(rows));
    QItemSelection selection;
    const int last = PictureRowModel::kColumnCount - 1;
    for (const auto &[first, end] : runs)
        selection.append(QItemSelectionRange(model_->index(first, 0), model_->index(end, last)));
    QItemSelectionModel *marks = list_->selectionModel();
    marks->select(selection, QItemSelectionModel::ClearAndSelect);
    // No row keeps the focus mark after the list changed under it.
    marks->clearCurrentIndex();
}

void PictureSequenceEditor::SelectRows(const QList<int> &rows)
{
    QItemSelection selection;
    for (int row : rows) {
        if (row >= 0 && row < model_->rowCount())
            selection.select(model_->index(row, 0), model_->index(row, PictureRowModel::kColumnCount - 1));
    }
    list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int PictureSequenceEditor::CurrentRow() const
{
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PictureSequenceEditor::SetCurrentRow(int row)
{
    list_->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
}

void PictureSequenceEditor::FillFromEntries()
{
    PictureRows rows;
    rows.reserve(entries_.size());
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        PictureEntry &entry = entries_[i];
        if (const std::optional<std::uint64_t> size = LookUpPictureFile(entry.path))
            entry.fileSize = *size;
        rows.append(PictureRow{QString::number(i), entry.path, FormatFileSize(entry.fileSize), entry.compileTime});
    }
    ShowRows(std::move(rows));
}

void PictureSequenceEditor::CollectEntries()
{
    entries_.clear();
    const PictureRows &rows = model_->Rows();
    entries_.reserve(rows.size());
    for (const PictureRow &row : rows) {
        PictureEntry entry(row.path, row.compileTime, 0);
        entry.fileSize = LookUpPictureFile(row.path).value_or(0);
        entries_.append(entry);
    }
}

void PictureSequenceEditor::OnMoveUp()
{
    PictureRows rows = Rows();
    if (MoveSelectedRowsUp(rows))
        ShowRows(std::move(rows));
}

void PictureSequenceEditor::OnMoveDown()
{
    PictureRows rows = Rows();
    if (MoveSelectedRowsDown(rows))
        ShowRows(std::move(rows));
}

void PictureSequenceEditor::OnDeletePictures()
{
    PictureRows rows = Rows();
    DeleteSelectedRows(rows);
    ShowRows(std::move(rows));
}

void PictureSequenceEditor::AddPictureFiles(AddMode mode)
{
    const QStringList paths = chooser_ ? chooser_(QApplication::activeWindow()) : QStringList();
    if (paths.isEmpty())
        return;
    AddPictureFiles(mode, paths);
}

void PictureSequenceEditor::AddPictureFiles(AddMode mode, const QStringList &paths)
{
    const QString compileTime = FormatCompileTime(QDateTime::currentDateTime());
    PictureRows rows = Rows();
    const qsizetype anchor = TakeAddAnchor(rows, mode);
    AddPictureRows(rows, anchor, paths, compileTime, &LookUpPictureFile);
    ShowRows(std::move(rows));
}

void PictureSequenceEditor::AddPictureFilesAt(qsizetype row, const QStringList &paths)
{
    // Each file goes in at the same row, pushing the one before it down:
    // handed over last first, they stand in the order they were dragged.
    QStringList lastFirst(paths.crbegin(), paths.crend());
    PictureRows rows = model_->Rows();
    AddPictureRows(rows, row, lastFirst, FormatCompileTime(QDateTime::currentDateTime()), &LookUpPictureFile);
    ShowRows(std::move(rows));
}

QStringList PictureSequenceEditor::ChoosePictureFiles(QWidget *owner)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = PictureDialogNameFilters();
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}
