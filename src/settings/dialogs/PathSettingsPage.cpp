#include "settings/dialogs/PathSettingsPage.h"

#include "settings/dialogs/PageLayout.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kPageWidth = 200;
constexpr int kPageHeight = 129;

struct PathRow {
    const char16_t *label;
    int labelX, labelY, editY, buttonY;
    int editId, buttonId;
};
constexpr PathRow kRows[] = {
    {u"画册目录:", 7, 7, 17, 16, PathSettingsPage::kBookEdit, PathSettingsPage::kBookBrowse},
    {u"图库目录:", 7, 35, 45, 44, PathSettingsPage::kPictureEdit, PathSettingsPage::kPictureBrowse},
    {u"我的收藏:", 8, 64, 74, 73, PathSettingsPage::kFavoritesEdit, PathSettingsPage::kFavoritesBrowse},
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
    setWindowTitle(QStringLiteral("默认路径"));
    SetPageSize(*this, kPageWidth, kPageHeight);
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
    for (const PathRow &row : kRows) {
        AddPageLabel(*this, QString::fromUtf16(row.label), row.labelX, row.labelY, 42, 8);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edit%1").arg(row.editId));
        edit->setGeometry(PageRect(*this, 7, row.editY, 168, 12));
        edit->show();
        auto *button = new QPushButton(QStringLiteral("..."), this);
        button->setObjectName(QStringLiteral("button%1").arg(row.buttonId));
        button->setGeometry(PageRect(*this, 177, row.buttonY, 16, 12));
        button->show();
        const int buttonId = row.buttonId;
        connect(button, &QPushButton::clicked, this, [this, buttonId] { BrowseForLibraryFolder(buttonId); });
        (row.editId == kBookEdit ? book_ : row.editId == kPictureEdit ? picture_ : favorites_) = edit;
    }
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
    WriteDefaultPathSettings({book_->text().left(kMaxPageTextLength), picture_->text().left(kMaxPageTextLength),
                              favorites_->text().left(kMaxPageTextLength)});
}
