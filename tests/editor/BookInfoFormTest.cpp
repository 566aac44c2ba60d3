#include "editor/BookInfoForm.h"

#include "document/AppDirectories.h"
#include "editor/CategoryChooser.h"
#include "editor/CoverBox.h"
#include "editor/CoverCodec.h"
#include "editor/IntroTextEdit.h"
#include "editor/IntroductionEditor.h"
#include "editor/StarRatingButton.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace {

class BookInfoFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(dir_.Path());
        form_ = std::make_unique<BookInfoForm>();
    }
    void TearDown() override
    {
        form_.reset();
        SetDataDirectory(QString());
    }
    QLineEdit *Edit(int id) { return static_cast<QLineEdit *>(form_->Control(id)); }
    // A press on the form's empty lower left corner.
    // Through the window, as a real click comes: whatever lies under the
    // pointer gets it first.
    void PressOnTheForm(QWidget *form)
    {
        const QPoint at = form->mapTo(form->window(), QPoint(2, form->height() - 1));
        QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, at);
    }

    ScratchDir dir_;
    std::unique_ptr<BookInfoForm> form_;
};

TEST_F(BookInfoFormTest, BookWithoutCoverAndIntroAfterOneWithBothLeavesBothEmpty)
{
    BookDocument full = BookDocument::MakeNew();
    full.cover = CoverTextFromBitmap(fixtures::Solid(8, 6, Qt::red));
    full.intro = QStringLiteral("e1xydGYxIGNhdH0="); // {\rtf1 cat}
    form_->FillFromBook(full);
    ASSERT_EQ(form_->Introduction()->Editor()->toPlainText(), QStringLiteral("cat"));
    form_->FillFromBook(BookDocument::MakeNew());
    EXPECT_FALSE(form_->Cover()->HasCoverBitmap());
    EXPECT_TRUE(form_->Introduction()->Editor()->toPlainText().isEmpty());
    const BookDocument collected = form_->CollectBook();
    EXPECT_TRUE(collected.cover.isEmpty());
    EXPECT_TRUE(collected.intro.isEmpty());
}

struct FieldCase {
    const char *name;
    QString typed;
    QString collected;
};

class EditFormFields : public BookInfoFormTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(EditFormFields, TitleAuthorAndCategoryComeBackCut)
{
    for (int id : {1002, 1003, 1004})
        Edit(id)->setText(GetParam().typed);
    const BookDocument book = form_->CollectBook();
    EXPECT_EQ(QStringList({book.title, book.author, book.category}), QStringList(3, GetParam().collected));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, EditFormFields,
    ::testing::Values(FieldCase{"ThreeHundred", QString(300, QChar(0x732B)), QString(255, QChar(0x732B))},
                      // A character outside the basic plane is never cut in half.
                      FieldCase{"SurrogatePairAtTheCut", QString(254, QLatin1Char('a')) + QStringLiteral("😺b"),
                                QString(254, QLatin1Char('a'))},
                      FieldCase{"LineBreaksRemoved", QStringLiteral("a\r\nb\nc"), QStringLiteral("abc")}),
    CaseName());

// The rating control at the form's own font, whatever that font is.
struct FontCase {
    const char *name;
    const char *family; // empty: the application's default font
    double points;
};

class EditFormRating : public BookInfoFormTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(EditFormRating, ShowsFiveWholeStarsAndTheFifthStoresFive)
{
    const QFont saved = QApplication::font();
    const auto restore = qScopeGuard([&saved] { QApplication::setFont(saved); });
    if (*GetParam().family) {
        QFont font(QString::fromLatin1(GetParam().family));
        font.setPointSizeF(GetParam().points);
        QApplication::setFont(font);
    }
    form_ = std::make_unique<BookInfoForm>();
    form_->show();
    StarRatingButton *rate = form_->RateButton();
    rate->SetRating(5);
    const QImage five = rate->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Column ranges holding star pixels, left to right.
    const QRgb face = rate->palette().color(QPalette::Button).rgb();
    QList<QRect> stars;
    for (int x = 0; x < five.width(); ++x) {
        bool star = false;
        for (int y = 0; y < five.height() && !star; ++y)
            star = five.pixel(x, y) != face;
        if (star && !stars.isEmpty() && stars.last().right() == x - 1)
            stars.last().setRight(x);
        else if (star)
            stars.append(QRect(x, 0, 1, five.height()));
    }
    ASSERT_EQ(stars.size(), 5) << rate->width() << " x " << rate->height();
    // The last star is as wide as the first and ends inside the control;
    // four stars leave it unlit.
    EXPECT_EQ(stars.last().width(), stars.first().width());
    EXPECT_LT(stars.last().right(), five.width() - 1);
    rate->SetRating(4);
    EXPECT_NE(rate->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(stars.last()), five.copy(stars.last()));

    rate->SetRating(0);
    const QPoint onFifth = stars.last().center();
    QMouseEvent move(QEvent::MouseMove, onFifth, rate->mapToGlobal(onFifth), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(rate, &move);
    QTest::mouseClick(rate, Qt::LeftButton, {}, onFifth);
    EXPECT_EQ(rate->Rating(), 5);
}

INSTANTIATE_TEST_SUITE_P(Fonts, EditFormRating,
                         ::testing::Values(FontCase{"ApplicationFont", "", 0},
                                           FontCase{"NotoSansCjk9", "Noto Sans CJK SC", 9},
                                           FontCase{"NotoSansCjk10", "Noto Sans CJK SC", 10.5},
                                           FontCase{"Latin9", "DejaVu Sans", 9},
                                           FontCase{"Latin20", "DejaVu Sans", 20}),
                         CaseName());

// The two controls that explain themselves only by a tool tip, and the
// category button's glyph: dark pixels in the middle of the button.
TEST_F(BookInfoFormTest, CategoryButtonShowsAGlyphAndBothBoxesExplainThemselves)
{
    form_->show();
    QWidget *button = form_->Control(1005);
    EXPECT_EQ(button->toolTip(), QStringLiteral("选择类别"));
    EXPECT_EQ(form_->Control(1010)->toolTip(), QStringLiteral("双击选择封面图片"));
    const QImage image = button->grab().toImage();
    int dark = 0;
    for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y)
        for (int x = image.width() / 3; x < image.width() * 2 / 3; ++x)
            dark += qGray(image.pixel(x, y)) < 96;
    EXPECT_GE(dark, 4);
}

// Every way the user can end the category pop-up.
class EditFormPopupEnd : public BookInfoFormTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(EditFormPopupEnd, WritesTheTicksOnceAndLeavesTheScreen)
{
    form_->show();
    Edit(1004)->setText(QStringLiteral("童话;动物"));
    QTest::mouseClick(form_->Control(1005), Qt::LeftButton);
    QPointer<CategoryPopup> popup = form_->Categories().Popup();
    ASSERT_TRUE(popup && popup->isVisible());
    const std::string_view way = GetParam();
    if (way == "PressOnTheForm")
        PressOnTheForm(form_.get());
    else if (way == "EscapeKey")
        QTest::keyClick(popup, Qt::Key_Escape);
    else if (way == "CloseRequest")
        popup->close();
    else { // the frame swaps the form out for read mode
        form_->hide();
        form_->show();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!popup || !popup->isVisible());
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("动物; 童话"));
    // The ticks were applied once: what is typed afterwards stays.
    Edit(1004)->setText(QStringLiteral("科普"));
    PressOnTheForm(form_.get());
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("科普"));
    // No window of the form is left on screen.
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window != form_.get() && window->isVisible()) << window->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Ways, EditFormPopupEnd,
                         ::testing::Values("PressOnTheForm", "EscapeKey", "CloseRequest", "FormHidden"), CaseName());

// The form inside a window whose other controls (here two buttons standing
// in for the bars) take focus too: Tab and Shift+Tab stay in the form.
TEST_F(BookInfoFormTest, TabCyclesInsideTheForm)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton(QStringLiteral("before"), &window));
    form_->setParent(&window);
    const auto giveBack = qScopeGuard([this] { form_->setParent(nullptr); });
    layout->addWidget(form_.get());
    layout->addWidget(new QPushButton(QStringLiteral("after"), &window));
    window.show();
    QApplication::setActiveWindow(&window);
    Edit(1002)->setFocus();

    const QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QList<QWidget *> visited;
    for (int i = 0; i < 30 && (visited.isEmpty() || QApplication::focusWidget() != Edit(1002)); ++i) {
        visited.append(QApplication::focusWidget());
        EXPECT_TRUE(form_->PreTranslate(tab));
        ASSERT_TRUE(form_->isAncestorOf(QApplication::focusWidget())) << "left the form after " << i + 1 << " Tabs";
    }
    // Back at the title, in the form's own order through the category button.
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    EXPECT_EQ(visited.value(1), Edit(1003));
    EXPECT_TRUE(visited.contains(form_->Control(1005)));
    // Shift+Tab from the first control goes to the last one, then back.
    EXPECT_TRUE(form_->PreTranslate(QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier)));
    EXPECT_EQ(QApplication::focusWidget(), visited.last());
    EXPECT_TRUE(form_->PreTranslate(tab));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    EXPECT_FALSE(form_->PreTranslate(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"))));
}

} // namespace
