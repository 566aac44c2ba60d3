#include "settings/dialogs/PathSettingsPage.h"
#include "ui/StringTable.h"
#include "ui/ResourceIds.h"
#include "document/TextLimits.h"

#include "ui/DialogUnits.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPageWidth = 200;
constexpr int kPageHeight = 129;

struct PathRow {
    StringId label;
    int editId, buttonId;
};
constexpr PathRow kRows[] = {
    {kIdsPathsBooks, PathSettingsPage::kBookEdit, PathSettingsPage::kBookBrowse},
    {kIdsPathsPictures, PathSettingsPage::kPictureEdit, PathSettingsPage::kPictureBrowse},
    {kIdsPathsFavorites, PathSettingsPage::kFavoritesEdit, PathSettingsPage::kFavoritesBrowse},
};
} // namespace

QString BrowseForFolder(const QString &start)
{
    // A relative start such as the default ".\booklib" names no folder here;
    // the browser then opens at its own default place.
    QString startDir = start;
    startDir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QDir::isAbsolutePath(startDir) || !QDir(startDir).exists())
        startDir.clear();
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(), startDir,
                                             QFileDialog::ShowDirsOnly);
}

PathSettingsPage::PathSettingsPage(QWidget *parent) : QWidget(parent), browser_(&BrowseForFolder)
{
    setWindowTitle(LoadString(kIdsPathsCaption));
    setMinimumSize(DialogSizeToPixels(QSize(kPageWidth, kPageHeight), DialogBaseUnitsOf(font())));
}

void PathSettingsPage::showEvent(QShowEvent *event)
{
    if (!created_)
        Create();
    QWidget::showEvent(event);
}

void PathSettingsPage::Create()
{
    created_ = true;
    kept_ = ReadDefaultPathSettings();
    const DialogBaseUnits base = DialogBaseUnitsOf(font());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(DialogXToPixels(7, base), DialogYToPixels(7, base), DialogXToPixels(7, base),
                               DialogYToPixels(7, base));
    layout->setSpacing(DialogYToPixels(2, base));
    for (const PathRow &row : kRows) {
        if (row.editId != kBookEdit)
            layout->addSpacing(DialogYToPixels(2, base));
        layout->addWidget(new QLabel(LoadString(row.label), this));
        auto *line = new QHBoxLayout;
        line->setSpacing(DialogXToPixels(2, base));
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edit%1").arg(row.editId));
        line->addWidget(edit, 1);
        auto *button = new QPushButton(QStringLiteral("..."), this);
        button->setObjectName(QStringLiteral("button%1").arg(row.buttonId));
        // A narrow button beside the box, as wide as it has always been in
        // units of the font.
        button->setFixedWidth(DialogXToPixels(16, base));
        line->addWidget(button);
        layout->addLayout(line);
        const int buttonId = row.buttonId;
        connect(button, &QPushButton::clicked, this, [this, buttonId] { BrowseForLibraryFolder(buttonId); });
        (row.editId == kBookEdit ? book_ : row.editId == kPictureEdit ? picture_ : favorites_) = edit;
    }
    layout->addStretch(1);
    // The page is already showing, so what is made now must be shown now.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->show();
    book_->setText(kept_.bookLibrary);
    picture_->setText(kept_.pictureLibrary);
    favorites_->setText(kept_.favorites);
}

QLineEdit *PathSettingsPage::Edit(int editId) const
{
    switch (editId) {
    case kBookEdit: return book_;
    case kPictureEdit: return picture_;
    case kFavoritesEdit: return favorites_;
    default: return nullptr;
    }
}

void PathSettingsPage::BrowseForLibraryFolder(int buttonId)
{
    if (!created_ || !browser_)
        return;
    QLineEdit *edit = nullptr;
    QString start;
    switch (buttonId) {
    case kBookBrowse:
        edit = book_;
        start = kept_.bookLibrary;
        break;
    case kPictureBrowse:
        edit = picture_;
        start = kept_.pictureLibrary;
        break;
    case kFavoritesBrowse:
        edit = favorites_;
        start = kept_.favorites;
        break;
    default: return;
    }
    const QString chosen = browser_(start);
    if (!chosen.isEmpty())
        edit->setText(QDir::toNativeSeparators(chosen));
}

void PathSettingsPage::SavePathSettings() const
{
    if (!created_)
        return;
    WriteDefaultPathSettings({book_->text().left(kMaxLineBoxLength), picture_->text().left(kMaxLineBoxLength),
                              favorites_->text().left(kMaxLineBoxLength)});
}
