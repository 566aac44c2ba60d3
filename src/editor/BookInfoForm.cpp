#include "editor/BookInfoForm.h"
#include "document/TextLimits.h"

#include "editor/CategoryChooser.h"
#include "editor/CoverBox.h"
#include "editor/FrequentCategories.h"
#include "editor/IntroductionEditor.h"
#include "editor/PictureSequenceEditor.h"
#include "editor/StarRatingButton.h"
#include "editor/TabHost.h"
#include "ui/DialogUnits.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "ui/TabCycle.h"

#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The first 255 code units, one fewer when the cut would split a character
// into half a surrogate pair (which no file reader could make sense of).
QString CutField(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    if (text.size() <= kMaxTitleLength)
        return text;
    qsizetype length = kMaxTitleLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// One-line fields: text pasted with line breaks loses them at once, so what
// the user sees is what the book will hold.
void DropLineBreaks(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
            return;
        const int cursor = edit->cursorPosition();
        const int before = int(text.left(cursor).count(QLatin1Char('\r')) + text.left(cursor).count(QLatin1Char('\n')));
        QString clean = text;
        clean.remove(QLatin1Char('\r'));
        clean.remove(QLatin1Char('\n'));
        edit->setText(clean);
        edit->setCursorPosition(cursor - before);
    });
}

} // namespace

BookInfoForm::BookInfoForm(QWidget *parent) : QWidget(parent), strip_(MakeFormImageStrip())
{
    setObjectName(QStringLiteral("editForm"));
    BuildControls();
    categories_ = std::make_unique<CategoryChooser>(category_, this);
    BuildPages();
    LoadFrequentCategories(categories_->FrequentCategories());
}

BookInfoForm::~BookInfoForm()
{
    // Categories added in a pop-up still open belong to the list as well.
    categories_->CloseCategoryPopup();
    SaveFrequentCategories(categories_->FrequentCategories());
}

void BookInfoForm::BuildControls()
{
    page_ = new QWidget(this);
    const DialogBaseUnits base = DialogBaseUnitsOf(font());
    const int margin = DialogXToPixels(2, base);

    const auto addControl = [this](int id, QWidget *widget) {
        widget->setObjectName(QStringLiteral("control%1").arg(id));
        controls_.insert(id, widget);
    };
    const auto makeEdit = [this, &addControl](int id) {
        auto *edit = new QLineEdit(page_);
        DropLineBreaks(edit);
        addControl(id, edit);
        return edit;
    };
    const auto makeLabel = [this, &base](const QString &text) {
        auto *label = new QLabel(text, page_);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(DialogXToPixels(32, base));
        return label;
    };

    // Left: the labelled fields, one under the other.
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(DialogXToPixels(4, base));
    fields->setVerticalSpacing(DialogYToPixels(3, base));
    fields->addWidget(makeLabel(LoadString(kIdsFormTitle)), 0, 0);
    fields->addWidget(title_ = makeEdit(kTitleId), 0, 1);
    fields->addWidget(makeLabel(LoadString(kIdsFormAuthor)), 1, 0);
    fields->addWidget(author_ = makeEdit(kAuthorId), 1, 1);
    fields->addWidget(makeLabel(LoadString(kIdsFormCategory)), 2, 0);
    auto *categoryRow = new QHBoxLayout;
    categoryRow->setSpacing(DialogXToPixels(1, base));
    categoryRow->addWidget(category_ = makeEdit(kCategoryId), 1);
    categoryButton_ = new QPushButton(page_);
    categoryButton_->setAutoDefault(false);
    categoryButton_->setFixedWidth(DialogXToPixels(14, base));
    // Without a glyph the button reads as an empty box; the glyph grows with
    // the button, about as small as a combo box's arrow.
    categoryButton_->setIcon(QIcon(QStringLiteral(":/editor/drop-down.svg")));
    categoryButton_->setToolTip(LoadString(kIdsCategoryButtonTip));
    const int glyphWidth = std::max(6, DialogYToPixels(12, base) / 2);
    categoryButton_->setIconSize(QSize(glyphWidth, glyphWidth * 3 / 5));
    addControl(kCategoryButtonId, categoryButton_);
    categoryRow->addWidget(categoryButton_);
    fields->addLayout(categoryRow, 2, 1);
    fields->addWidget(makeLabel(LoadString(kIdsFormCount)), 3, 0);
    auto *countRow = new QHBoxLayout;
    countRow->setSpacing(DialogXToPixels(5, base));
    count_ = new QLabel(QStringLiteral("3000"), page_);
    count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    count_->setMinimumWidth(DialogXToPixels(71, base));
    addControl(kCountId, count_);
    countRow->addWidget(count_);
    countRow->addWidget(new QLabel(LoadString(kIdsFormCountUnit), page_));
    countRow->addStretch(1);
    fields->addLayout(countRow, 3, 1);
    fields->setColumnStretch(1, 1);
    fields->setRowStretch(4, 1);

    // Right: the cover with the rating under it.
    auto *coverColumn = new QVBoxLayout;
    coverColumn->setSpacing(DialogYToPixels(2, base));
    thumb_ = new CoverBox(page_);
    thumb_->setFixedSize(DialogSizeToPixels(QSize(80, 60), base));
    // Nothing else tells that a double-click chooses the cover.
    thumb_->setToolTip(LoadString(kIdsCoverBoxTip));
    addControl(kCoverId, thumb_);
    coverColumn->addWidget(thumb_);
    auto *rateRow = new QHBoxLayout;
    rateRow->setSpacing(0);
    rateLabel_ = new QLabel(LoadString(kIdsFormRate), page_);
    rateLabel_->setMinimumWidth(DialogXToPixels(20, base));
    addControl(kRateLabelId, rateLabel_);
    rateRow->addWidget(rateLabel_);
    rate_ = new StarRatingButton(page_);
    rate_->SetImageStrip(&strip_, kLitStarCell, kUnlitStarCell);
    rate_->setFixedSize(DialogSizeToPixels(QSize(58, 10), base));
    addControl(kRateId, rate_);
    rateRow->addWidget(rate_);
    rateRow->addStretch(1);
    coverColumn->addLayout(rateRow);

    auto *top = new QHBoxLayout;
    top->setSpacing(DialogXToPixels(5, base));
    top->addLayout(fields, 1);
    top->addLayout(coverColumn);

    tabs_ = new TabHost(page_);
    addControl(kTabsId, tabs_);

    auto *layout = new QVBoxLayout(page_);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(DialogYToPixels(5, base));
    layout->addLayout(top);
    layout->addWidget(tabs_, 1);

    resize(DialogSizeToPixels(QSize(248, 170), base));
    connect(categoryButton_, &QPushButton::clicked, this, [this] { categories_->OpenCategoryPopup(); });
}

void BookInfoForm::BuildPages()
{
    intro_ = new IntroductionEditor(tabs_);
    tabs_->AddPage(LoadString(kIdsPageIntro), intro_, true);
    index_ = new PictureSequenceEditor(tabs_);
    tabs_->AddPage(LoadString(kIdsPagePictures), index_, false);
}

void BookInfoForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Sizes arrive as signed 16-bit values, as a window message carries them.
    // Below the form's minimum the controls keep their places and the window
    // shows part of them, rather than squeezing them over each other.
    const QSize least = QSize(kMinWidth, kMinHeight).expandedTo(page_->minimumSizeHint());
    page_->setGeometry(0, 0, std::max(int(qint16(width())), least.width()),
                       std::max(int(qint16(height())), least.height()));
}

void BookInfoForm::mousePressEvent(QMouseEvent *event)
{
    // A press on the form itself (no control under it) ends the pop-up.
    if (event->button() == Qt::LeftButton)
        categories_->CloseCategoryPopup();
    QWidget::mousePressEvent(event);
}

void BookInfoForm::hideEvent(QHideEvent *event)
{
    // The pop-up is a window of its own: left open, it would stay over the
    // picture view when the frame swaps the form out for read mode.
    if (!event->spontaneous())
        categories_->CloseCategoryPopup();
    QWidget::hideEvent(event);
}

void BookInfoForm::FillFromBook(BookDocument book)
{
    title_->setText(book.title);
    author_->setText(book.author);
    category_->setText(book.category);
    count_->setText(QString::number(book.pictureCount));
    rate_->SetRating(book.rating);
    if (book.cover.isEmpty())
        thumb_->ClearCover();
    else
        thumb_->DecodeCover(book.cover);
    if (book.intro.isEmpty())
        intro_->ClearIntro();
    else
        intro_->LoadIntro(book.intro);
    index_->Entries() = std::move(book.pictures);
    index_->FillFromEntries();
    update();
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
}

BookDocument BookInfoForm::CollectBook()
{
    BookDocument book = BookDocument::MakeNew();
    book.title = CutField(title_->text());
    book.author = CutField(author_->text());
    book.category = CutField(category_->text());
    book.rating = rate_->Rating();
    thumb_->EncodeCover(book.cover);
    intro_->SaveIntro(book.intro);
    index_->CollectEntries();
    book.pictures = index_->Entries();
    book.pictureCount = std::int32_t(book.pictures.size());
    return book;
}

QString BookInfoForm::TitleText() const { return title_->text(); }

qsizetype BookInfoForm::PictureEntryCount() const { return index_->Entries().size(); }

QString BookInfoForm::PictureCountText() const { return count_->text(); }

void BookInfoForm::UpdatePictureCount()
{
    const QString text = QString::number(PictureEntryCount());
    if (count_->text() != text)
        count_->setText(text);
}

void BookInfoForm::SetActivePage(int page) { tabs_->SetActivePage(page); }

bool BookInfoForm::PreTranslate(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    if (!tab || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QWidget *focus = focusWidget();
    if (!focus || !isAncestorOf(focus) || !isVisible())
        return false;
    // Tab and Shift+Tab walk the form's controls, the introduction editor
    // included, as in any dialog, and wrap around inside the form: past its
    // last control lie the bars, where typed letters would open menus.
    const bool backwards = event.key() == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
    if (QWidget *next = NextTabStopWithin(*this, focus, !backwards))
        next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}
