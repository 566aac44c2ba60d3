#include "editor/BookInfoForm.h"

#include "document/AppDirectories.h"
#include "document/Base64Text.h"
#include "editor/CategoryChooser.h"
#include "editor/CoverBox.h"
#include "editor/CoverCodec.h"
#include "editor/IntroTextEdit.h"
#include "editor/IntroductionEditor.h"
#include "editor/StarRatingButton.h"
#include "formats/rtf/RtfWriter.h"
#include "settings/store/SettingsStore.h"

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
#include <QTextDocument>
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
    void PressOnTheForm(QWidget *form) { QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(2, form->height() - 1)); }

    ScratchDir dir_;
    std::unique_ptr<BookInfoForm> form_;
};

TEST_F(BookInfoFormTest, BookWithoutCoverAndIntroAfterOneWithBothLeavesBothEmpty)
{
    BookDocument full = BookDocument::MakeNew();
    full.cover = CoverTextFromBitmap(fixtures::Solid(8, 6, Qt::red));
    QTextDocument intro;
    intro.setPlainText(QStringLiteral("一只小猫去钓鱼。"));
    full.intro = EncodeBase64Text(WriteRtf(intro));
    form_->FillFromBook(full);
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
    for (int id : {1002, 1003, 1004}) {
        Edit(id)->setText(GetParam().typed);
        const BookDocument book = form_->CollectBook();
        EXPECT_EQ(id == 1002 ? book.title : id == 1003 ? book.author : book.category, GetParam().collected) << id;
        Edit(id)->clear();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, EditFormFields,
    ::testing::Values(FieldCase{"Exactly255", QString(255, QLatin1Char('a')), QString(255, QLatin1Char('a'))},
                      FieldCase{"ThreeHundred", QString(300, QChar(0x732B)), QString(255, QChar(0x732B))},
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

class EditFormRating : public BookInfoFormTest, public ::testing::WithParamInterface<FontCase> {
protected:
    void SetUp() override
    {
        saved_ = QApplication::font();
        if (*GetParam().family) {
            QFont font(QString::fromLatin1(GetParam().family));
            font.setPointSizeF(GetParam().points);
            QApplication::setFont(font);
        }
        BookInfoFormTest::SetUp();
    }
    void TearDown() override
    {
        BookInfoFormTest::TearDown();
        QApplication::setFont(saved_);
    }
    QFont saved_;
};

TEST_P(EditFormRating, ShowsFiveWholeStarsAndTheFifthStoresFive)
{
    form_->show();
    StarRatingButton *rate = form_->RateButton();
    rate->SetRating(5);
    const QImage five = rate->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Column ranges holding star pixels, left to right.
    const QRgb face = rate->palette().color(QPalette::Button).rgb();
    QList<std::pair<int, int>> stars;
    for (int x = 0; x < five.width(); ++x) {
        bool star = false;
        for (int y = 0; y < five.height() && !star; ++y)
            star = five.pixel(x, y) != face;
        if (star && !stars.isEmpty() && stars.last().second == x - 1)
            stars.last().second = x;
        else if (star)
            stars.append({x, x});
    }
    ASSERT_EQ(stars.size(), 5) << rate->width() << " x " << rate->height();
    // The last star is as wide as the first and ends inside the control.
    EXPECT_EQ(stars.last().second - stars.last().first, stars.first().second - stars.first().first);
    EXPECT_LT(stars.last().second, five.width() - 1);
    // Four stars leave the fifth unlit.
    const QRect fifth(stars.last().first, 0, stars.last().second - stars.last().first + 1, five.height());
    rate->SetRating(4);
    EXPECT_NE(rate->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(fifth), five.copy(fifth));

    rate->SetRating(0);
    const QPoint onFifth(fifth.center().x(), rate->height() / 2);
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
    const QRect middle(image.width() / 3, image.height() / 3, image.width() / 3, image.height() / 3);
    int dark = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
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
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
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

TEST_F(BookInfoFormTest, AfterThePopupClosingTheWindowEndsTheProgramAndSavesTheCategories)
{
    // The form in a window of its own, as in the frame: closing that window
    // must end the program, which then writes the frequent categories.
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    form_.release()->setParent(window);
    auto *shown = window->findChild<BookInfoForm *>();
    window->resize(shown->size());
    window->show();
    static_cast<QLineEdit *>(shown->Control(1004))->setText(QStringLiteral("童话; 动物"));
    QTest::mouseClick(shown->Control(1005), Qt::LeftButton);
    PressOnTheForm(shown);
    window->close();
    // The program ends when no window is left on screen.
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        EXPECT_FALSE(topLevel->isVisible()) << topLevel->metaObject()->className();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString file = QString::fromUtf8(ReadAll(SettingsFilePath()));
    EXPECT_TRUE(file.contains(QStringLiteral("CategoryCount=2"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("category1=童话"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("category2=动物"))) << file.toStdString();
    // The next form starts with them.
    form_ = std::make_unique<BookInfoForm>();
    EXPECT_EQ(form_->Categories().FrequentCategories(), QStringList({"童话", "动物"}));
}

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
    const QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QList<QWidget *> visited;
    for (int i = 0; i < 30 && (visited.isEmpty() || QApplication::focusWidget() != Edit(1002)); ++i) {
        visited.append(QApplication::focusWidget());
        EXPECT_TRUE(form_->PreTranslate(tab));
        ASSERT_TRUE(form_->isAncestorOf(QApplication::focusWidget())) << "left the form after " << i + 1 << " Tabs";
    }
    // Back at the title: the last control's Tab led to the first control.
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    EXPECT_GE(visited.size(), 4);
    EXPECT_EQ(visited.value(1), Edit(1003)); // in the form's own order
    EXPECT_TRUE(visited.contains(form_->Control(1005)));
    // Shift+Tab from the first control goes to the last one, then back.
    EXPECT_TRUE(form_->PreTranslate(back));
    EXPECT_EQ(QApplication::focusWidget(), visited.last());
    EXPECT_TRUE(form_->PreTranslate(tab));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_FALSE(form_->PreTranslate(letter));
}

} // namespace
