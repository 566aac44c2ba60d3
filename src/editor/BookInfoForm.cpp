#include "editor/BookInfoForm.h"

#include "editor/CategoryChooser.h"
#include "editor/CoverBox.h"
#include "editor/FormTemplate.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// The book file's limit for its one-line texts.
constexpr qsizetype kMaxFieldLength = 255;

// The first 255 code units, one fewer when the cut would split a character
// into half a surrogate pair (which no file reader could make sense of).
QString CutField(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    if (text.size() <= kMaxFieldLength)
        return text;
    qsizetype length = kMaxFieldLength;
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
    const DialogBaseUnits base = DialogBaseUnitsOf(font());
    resize(DialogSizeToPixels(kFormTemplateSize, base));
    for (const FormControlPlace &place : kFormTemplate) {
        const QString text = QString::fromUtf16(place.text);
        QWidget *widget = nullptr;
        switch (place.kind) {
        case FormControlPlace::Kind::Label: {
            auto *label = new QLabel(text, this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case FormControlPlace::Kind::UnitLabel: widget = new QLabel(text, this); break;
        case FormControlPlace::Kind::RateLabel: widget = rateLabel_ = new QLabel(text, this); break;
        case FormControlPlace::Kind::Edit: {
            auto *edit = new QLineEdit(this);
            DropLineBreaks(edit);
            widget = edit;
            if (place.id == kFormTitle)
                title_ = edit;
            else if (place.id == kFormAuthor)
                author_ = edit;
            else
                category_ = edit;
            break;
        }
        case FormControlPlace::Kind::Button:
            widget = categoryButton_ = new QPushButton(this);
            categoryButton_->setAutoDefault(false);
            // Without a glyph the button reads as an empty box.
            categoryButton_->setIcon(QIcon(QStringLiteral(":/editor/drop-down.svg")));
            categoryButton_->setToolTip(LoadString(kIdsCategoryButtonTip));
            break;
        case FormControlPlace::Kind::Count:
            widget = count_ = new QLabel(text, this);
            count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            break;
        case FormControlPlace::Kind::Thumb:
            widget = thumb_ = new CoverBox(this);
            // Nothing else tells that a double-click chooses the cover.
            thumb_->setToolTip(LoadString(kIdsCoverBoxTip));
            break;
        case FormControlPlace::Kind::Rate:
            widget = rate_ = new StarRatingButton(this);
            rate_->SetImageStrip(&strip_, kLitStarCell, kUnlitStarCell);
            break;
        case FormControlPlace::Kind::Tabs: widget = tabs_ = new TabHost(this); break;
        }
        widget->setGeometry(DialogRectToPixels(place.rect, base));
        if (widget == categoryButton_) {
            // The glyph grows with the button, about as small as a combo
            // box's arrow.
            const int glyphWidth = std::max(6, widget->height() / 2);
            categoryButton_->setIconSize(QSize(glyphWidth, glyphWidth * 3 / 5));
        }
        if (place.id > 0) {
            widget->setObjectName(QStringLiteral("control%1").arg(place.id));
            controls_.insert(place.id, widget);
        }
    }
    connect(categoryButton_, &QPushButton::clicked, this, [this] { categories_->OpenCategoryPopup(); });
}

void BookInfoForm::BuildPages()
{
    intro_ = new IntroductionEditor(tabs_);
    tabs_->AddPage(LoadString(140), intro_, true);
    index_ = new PictureSequenceEditor(tabs_);
    tabs_->AddPage(LoadString(141), index_, false);
}

void BookInfoForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutControls(width(), height());
}

void BookInfoForm::LayoutControls(int width, int height)
{
    // Sizes arrive as signed 16-bit values, as a window message carries them.
    const int w = std::max(int(qint16(width)), kMinWidth);
    const int h = std::max(int(qint16(height)), kMinHeight);
    const int m = tabs_->x();

    thumb_->move(w - m - thumb_->width(), m);
    const int thumbLeft = thumb_->x();

    const int tabsTop = tabs_->y();
    tabs_->setGeometry(m, tabsTop, w - 2 * m, std::max(0, h - m - tabsTop));

    for (QLineEdit *edit : {title_, author_})
        edit->resize(std::max(0, thumbLeft - m - edit->x()), edit->height());
    categoryButton_->move(thumbLeft - m - categoryButton_->width(), categoryButton_->y());
    category_->resize(std::max(0, categoryButton_->x() - category_->x()), category_->height());

    rateLabel_->move(thumbLeft, rateLabel_->y());
    rate_->move(thumbLeft + rateLabel_->width(), rate_->y());

    thumb_->update();
    tabs_->update();
    rate_->update();
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
