#pragma once

#include "settings/dialogs/DefaultPathSettings.h"

#include <QWidget>
#include <functional>

class QLineEdit;

// The sheet's "默认路径" page: the three library folders. The page is filled
// the first time it is shown; a page never shown writes nothing.
class PathSettingsPage : public QWidget {
public:
    enum ControlId {
        kBookEdit = 1020,
        kPictureEdit = 1021,
        kFavoritesEdit = 1022,
        kBookBrowse = 1023,
        kPictureBrowse = 1024,
        kFavoritesBrowse = 1017,
    };
    // Shows a folder browser starting at the given text; the confirmed
    // folder's full path, or empty when cancelled.
    using FolderBrowser = std::function<QString(const QString &start)>;

    explicit PathSettingsPage(QWidget *parent = nullptr);

    bool IsCreated() const { return created_; }
    const DefaultPathSettings &Kept() const { return kept_; }
    void SavePathSettings() const;

    // Run by the "..." buttons: browses from the value kept when the page
    // opened (not what has been typed since) and puts a confirmed folder
    // into the matching edit box.
    void BrowseForLibraryFolder(int buttonId);
    void SetFolderBrowser(FolderBrowser browser) { browser_ = std::move(browser); }

    QLineEdit *Edit(int editId) const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Create();

    bool created_ = false;
    DefaultPathSettings kept_;
    QLineEdit *book_ = nullptr;
    QLineEdit *picture_ = nullptr;
    QLineEdit *favorites_ = nullptr;
    FolderBrowser browser_;
};

// The platform's folder browser, owned by the active window.
QString BrowseForFolder(const QString &start);
