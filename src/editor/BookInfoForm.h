#pragma once

#include "document/BookDocument.h"
#include "editor/StarStrip.h"

#include <QHash>
#include <QWidget>

#include <memory>

class CategoryChooser;
class PictureSequenceEditor;
class IntroductionEditor;
class StarRatingButton;
class TabHost;
class CoverBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// The book information form, the frame's client view in edit mode: title,
// author and category fields, the picture count, the cover box, the rating
// and a tab host with the introduction and the picture sequence. It keeps
// no copy of the book: between FillFromBook and CollectBook its controls are
// the book being edited.
class BookInfoForm : public QWidget {
public:
    explicit BookInfoForm(QWidget *parent = nullptr);
    // Writes the frequent categories back to the settings file.
    ~BookInfoForm() override;

    // Shows the book (the form works on its own copy).
    void FillFromBook(BookDocument book);
    // A new book document gathered from the controls: fresh id, type and
    // version; texts cut to 255 characters; the picture count is the number
    // of entries gathered.
    BookDocument CollectBook();

    // The title field (control 1002): the save commands refuse an empty one.
    QLineEdit *TitleEdit() const { return title_; }
    QString TitleText() const;

    // The frame's idle step: writes the number of entries of the sequence
    // editor's entry array into the count field (control 1006).
    void UpdatePictureCount();
    qsizetype PictureEntryCount() const;
    QString PictureCountText() const;

    // Page 0 is the introduction, page 1 the picture sequence (commands
    // 32807 and 32805).
    static constexpr int kIntroPage = 0;
    static constexpr int kPicturesPage = 1;
    void SetActivePage(int page);

    // The form's dialog keys (Tab and Shift+Tab between its controls), offered
    // by the frame's pre-translation after the accelerators. Returns whether
    // the key was used.
    bool PreTranslate(const QKeyEvent &event);

    // The controls by their ids (1002–1011), for the frame and tests.
    enum ControlId : int {
        kTitleId = 1002,
        kAuthorId = 1003,
        kCategoryId = 1004,
        kCategoryButtonId = 1005,
        kCountId = 1006,
        kRateLabelId = 1008,
        kRateId = 1009,
        kCoverId = 1010,
        kTabsId = 1011,
    };
    QWidget *Control(int id) const { return controls_.value(id); }
    TabHost *Tabs() const { return tabs_; }
    IntroductionEditor *Introduction() const { return intro_; }
    PictureSequenceEditor *PictureSequence() const { return index_; }
    CoverBox *Cover() const { return thumb_; }
    StarRatingButton *RateButton() const { return rate_; }
    CategoryChooser &Categories() { return *categories_; }

    // The form's own minimum: smaller client sizes lay out as this one.
    static constexpr int kMinWidth = 500;
    static constexpr int kMinHeight = 300;

protected:
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildControls();
    void BuildPages();

    ImageStrip strip_;
    // The controls' parent, never smaller than the form's minimum.
    QWidget *page_ = nullptr;
    QHash<int, QWidget *> controls_;
    QLineEdit *title_ = nullptr;
    QLineEdit *author_ = nullptr;
    QLineEdit *category_ = nullptr;
    QPushButton *categoryButton_ = nullptr;
    QLabel *count_ = nullptr;
    QLabel *rateLabel_ = nullptr;
    CoverBox *thumb_ = nullptr;
    StarRatingButton *rate_ = nullptr;
    TabHost *tabs_ = nullptr;
    IntroductionEditor *intro_ = nullptr;
    PictureSequenceEditor *index_ = nullptr;
    std::unique_ptr<CategoryChooser> categories_;
};
