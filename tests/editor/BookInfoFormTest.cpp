#include "editor/BookInfoForm.h"

#include "document/AppDirectories.h"
#include "document/Base64Text.h"
#include "editor/CategoryChooser.h"
#include "editor/CoverBox.h"
#include "editor/CoverCodec.h"
#include "editor/FrequentCategories.h"
#include "editor/IntroTextEdit.h"
#include "editor/IntroductionEditor.h"
#include "editor/PictureSequenceEditor.h"
#include "editor/StarRatingButton.h"
#include "editor/TabHost.h"
#include "formats/rtf/RtfWriter.h"
#include "settings/store/SettingsStore.h"

#include "TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString IntroText(const QString &text)
{
    QTextDocument document;
    document.setPlainText(text);
    return EncodeBase64Text(WriteRtf(document));
}

class BookInfoFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(dir_.Path());
        SetApplicationDirectory(dir_.FilePath(QStringLiteral("bin/")));
        form_ = std::make_unique<BookInfoForm>();
    }
    void TearDown() override
    {
        form_.reset();
        SetDataDirectory(QString());
        SetApplicationDirectory(QString());
    }

    // A book as this program writes it: every field set, cover and
    // introduction made by our own encoders, three pictures on disk.
    BookDocument FullBook()
    {
        BookDocument book = BookDocument::MakeNew();
        book.title = QStringLiteral("小猫钓鱼");
        book.author = QStringLiteral("佚名");
        book.category = QStringLiteral("童话; 动物");
        book.rating = 4;
        QImage cover(8, 6, QImage::Format_RGB32);
        cover.fill(qRgb(200, 30, 40));
        book.cover = CoverTextFromBitmap(cover);
        book.intro = IntroText(QStringLiteral("一只小猫去钓鱼。"));
        for (int i = 0; i < 3; ++i) {
            const QString path = dir_.FilePath(QStringLiteral("p%1.jpg").arg(i));
            WriteAll(path, QByteArray(100 + i, 'x'));
            book.pictures.append(PictureEntry(path, QStringLiteral("2009-3-7 08:05"), 0));
        }
        book.pictureCount = 3000;
        return book;
    }

    QLineEdit *Edit(int id) { return static_cast<QLineEdit *>(form_->Control(id)); }

    ScratchDir dir_;
    std::unique_ptr<BookInfoForm> form_;
};

TEST_F(BookInfoFormTest, CollectingRightAfterFillingGivesTheBookBack)
{
    const BookDocument book = FullBook();
    form_->FillFromBook(book);
    const BookDocument collected = form_->CollectBook();
    EXPECT_EQ(collected.title, book.title);
    EXPECT_EQ(collected.author, book.author);
    EXPECT_EQ(collected.category, book.category);
    EXPECT_EQ(collected.rating, book.rating);
    EXPECT_EQ(collected.cover, book.cover);
    EXPECT_EQ(collected.intro, book.intro);
    ASSERT_EQ(collected.pictures.size(), 3);
    EXPECT_EQ(collected.pictureCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(collected.pictures.at(i).path, book.pictures.at(i).path);
        EXPECT_EQ(collected.pictures.at(i).compileTime, book.pictures.at(i).compileTime);
        EXPECT_EQ(collected.pictures.at(i).fileSize, std::uint64_t(100 + i));
    }
    // The fields the form does not show are a new book's.
    EXPECT_EQ(collected.fileType, QString::fromUtf16(kDefaultFileType));
    EXPECT_EQ(collected.version, QString::fromUtf16(kDefaultVersion));
    EXPECT_FALSE(collected.bookId.isEmpty());
    EXPECT_TRUE(collected.reserved.isEmpty());
}

TEST_F(BookInfoFormTest, BookWithoutCoverAndIntroAfterOneWithBothLeavesBothEmpty)
{
    form_->FillFromBook(FullBook());
    BookDocument bare = BookDocument::MakeNew();
    bare.title = QStringLiteral("空");
    form_->FillFromBook(bare);
    EXPECT_FALSE(form_->Cover()->HasCoverBitmap());
    EXPECT_TRUE(form_->Introduction()->Editor()->toPlainText().isEmpty());
    const BookDocument collected = form_->CollectBook();
    EXPECT_TRUE(collected.cover.isEmpty());
    EXPECT_TRUE(collected.intro.isEmpty());
    EXPECT_TRUE(collected.pictures.isEmpty());
    EXPECT_EQ(collected.pictureCount, 0);
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
        const QString value = id == 1002 ? book.title : id == 1003 ? book.author : book.category;
        EXPECT_EQ(value, GetParam().collected) << id;
        Edit(id)->clear();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, EditFormFields,
    ::testing::Values(FieldCase{"Short", QStringLiteral("abc"), QStringLiteral("abc")},
                      FieldCase{"Exactly255", QString(255, QLatin1Char('a')), QString(255, QLatin1Char('a'))},
                      FieldCase{"ThreeHundred", QString(300, QChar(0x732B)), QString(255, QChar(0x732B))},
                      // A character outside the basic plane is never cut in half.
                      FieldCase{"SurrogatePairAtTheCut", QString(254, QLatin1Char('a')) + QStringLiteral("😺b"),
                                QString(254, QLatin1Char('a'))},
                      FieldCase{"LineBreaksRemoved", QStringLiteral("a\r\nb\nc"), QStringLiteral("abc")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BookInfoFormTest, LineBreaksPastedIntoAFieldDisappearAtOnce)
{
    QLineEdit *title = Edit(1002);
    title->setFocus();
    title->insert(QStringLiteral("x"));
    // What a paste does: an edit by the user carrying a line break.
    emit title->textEdited(QStringLiteral("第一\r\n第二"));
    EXPECT_EQ(title->text(), QStringLiteral("第一第二"));
    EXPECT_EQ(form_->TitleText(), QStringLiteral("第一第二"));
}

TEST_F(BookInfoFormTest, CountShowsTheStoredNumberUntilTheNextIdleUpdate)
{
    form_->FillFromBook(FullBook());
    EXPECT_EQ(form_->PictureCountText(), QStringLiteral("3000"));
    form_->UpdatePictureCount();
    EXPECT_EQ(form_->PictureCountText(), QStringLiteral("3"));

    // Rows added by the user count only once the book is gathered.
    const QString extra = dir_.FilePath(QStringLiteral("extra.jpg"));
    ASSERT_TRUE(WriteAll(extra, "x"));
    form_->PictureSequence()->AddPictureFiles(AddMode::Append, {extra});
    form_->UpdatePictureCount();
    EXPECT_EQ(form_->PictureCountText(), QStringLiteral("3"));
    EXPECT_EQ(form_->CollectBook().pictureCount, 4);
    form_->UpdatePictureCount();
    EXPECT_EQ(form_->PictureCountText(), QStringLiteral("4"));
}

TEST_F(BookInfoFormTest, IntroductionIsTheVisiblePageAfterCreation)
{
    form_->show();
    EXPECT_EQ(form_->Tabs()->ActivePage(), 0);
    EXPECT_EQ(form_->Tabs()->TabBar()->tabText(0), QStringLiteral("内容简介"));
    EXPECT_EQ(form_->Tabs()->TabBar()->tabText(1), QStringLiteral("图画序列"));
    EXPECT_TRUE(form_->Introduction()->isVisible());
    EXPECT_FALSE(form_->PictureSequence()->isVisible());
    form_->SetActivePage(BookInfoForm::kPicturesPage);
    EXPECT_TRUE(form_->PictureSequence()->isVisible());
    EXPECT_FALSE(form_->Introduction()->isEnabled());
}

struct SizeCase {
    int width;
    int height;
    int laidOutWidth;
    int laidOutHeight;
};

class EditFormLayout : public BookInfoFormTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(EditFormLayout, FollowsTheRightEdgeAndNeverShrinksBelowTheMinimum)
{
    const SizeCase &c = GetParam();
    form_->show();
    form_->resize(c.width, c.height);
    const int W = c.laidOutWidth, H = c.laidOutHeight;
    const int m = form_->Tabs()->x();
    const QRect thumb = form_->Cover()->geometry();
    EXPECT_EQ(thumb.topLeft(), QPoint(W - m - thumb.width(), m));
    const int T = thumb.x();
    const QRect tabs = form_->Tabs()->geometry();
    EXPECT_EQ(tabs.x(), m);
    EXPECT_EQ(tabs.width(), W - 2 * m);
    EXPECT_EQ(tabs.y() + tabs.height(), H - m);
    for (int id : {1002, 1003, 1005})
        EXPECT_EQ(form_->Control(id)->geometry().right() + 1, T - m) << id;
    EXPECT_EQ(form_->Control(1004)->geometry().right() + 1, form_->Control(1005)->x());
    EXPECT_EQ(form_->Control(1008)->x(), T);
    EXPECT_EQ(form_->Control(1009)->x(), T + form_->Control(1008)->width());
    // Nothing on the right runs into the fields.
    EXPECT_LT(form_->Control(1002)->geometry().right(), thumb.left());
}

INSTANTIATE_TEST_SUITE_P(Sizes, EditFormLayout,
                         ::testing::Values(SizeCase{1280, 760, 1280, 760}, SizeCase{800, 500, 800, 500},
                                           SizeCase{500, 300, 500, 300}, SizeCase{320, 200, 500, 300},
                                           SizeCase{900, 120, 900, 300}));

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

    // Column ranges of the control that hold star pixels, left to right.
    static QList<std::pair<int, int>> StarColumns(const QImage &image, QRgb face)
    {
        QList<std::pair<int, int>> runs;
        for (int x = 0; x < image.width(); ++x) {
            bool star = false;
            for (int y = 0; y < image.height() && !star; ++y)
                star = image.pixel(x, y) != face;
            if (!star)
                continue;
            if (!runs.isEmpty() && runs.last().second == x - 1)
                runs.last().second = x;
            else
                runs.append({x, x});
        }
        return runs;
    }

    QFont saved_;
};

TEST_P(EditFormRating, ShowsFiveWholeStarsAndTheFifthStoresFive)
{
    form_->show();
    StarRatingButton *rate = form_->RateButton();
    rate->SetRating(5);
    const QImage image = rate->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = rate->palette().color(QPalette::Button).rgb();
    const QList<std::pair<int, int>> stars = StarColumns(image, face);
    ASSERT_EQ(stars.size(), 5) << rate->width() << " x " << rate->height();
    // The last star is as wide as the first and ends inside the control.
    EXPECT_EQ(stars.last().second - stars.last().first, stars.first().second - stars.first().first);
    EXPECT_LT(stars.last().second, image.width() - 1);

    rate->SetRating(0);
    const QPoint onFifth((stars.last().first + stars.last().second) / 2, rate->height() / 2);
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
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BookInfoFormTest, FrequentCategoriesAreSavedWhenTheFormGoes)
{
    form_->Categories().FrequentCategories() = {QStringLiteral("童话"), QStringLiteral("科普")};
    form_.reset();
    QStringList loaded;
    LoadFrequentCategories(loaded);
    EXPECT_EQ(loaded, QStringList({QStringLiteral("童话"), QStringLiteral("科普")}));
    // A new form starts with them.
    form_ = std::make_unique<BookInfoForm>();
    EXPECT_EQ(form_->Categories().FrequentCategories(), loaded);
}

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
enum class PopupEnd { PressOnTheForm, EscapeKey, CloseRequest, FormHidden };

class EditFormPopupEnd : public BookInfoFormTest, public ::testing::WithParamInterface<PopupEnd> {
protected:
    void End(CategoryPopup *popup)
    {
        switch (GetParam()) {
        case PopupEnd::PressOnTheForm:
            QTest::mouseClick(form_.get(), Qt::LeftButton, {}, QPoint(2, form_->height() - 1));
            break;
        case PopupEnd::EscapeKey: QTest::keyClick(popup, Qt::Key_Escape); break;
        case PopupEnd::CloseRequest: popup->close(); break;
        case PopupEnd::FormHidden: // the frame swaps the form out for read mode
            form_->hide();
            form_->show();
            break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_P(EditFormPopupEnd, WritesTheTicksOnceAndLeavesTheScreen)
{
    form_->show();
    Edit(1004)->setText(QStringLiteral("童话;动物"));
    QTest::mouseClick(form_->Control(1005), Qt::LeftButton);
    QPointer<CategoryPopup> popup = form_->Categories().Popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    End(popup);
    EXPECT_TRUE(!popup || !popup->isVisible());
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("动物; 童话"));
    // The ticks were applied once: what is typed afterwards stays.
    Edit(1004)->setText(QStringLiteral("科普"));
    QTest::mouseClick(form_.get(), Qt::LeftButton, {}, QPoint(2, form_->height() - 1));
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("科普"));
    // No window of the form is left on screen.
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window != form_.get() && window->isVisible()) << window->metaObject()->className();
}

INSTANTIATE_TEST_SUITE_P(Ways, EditFormPopupEnd,
                         ::testing::Values(PopupEnd::PressOnTheForm, PopupEnd::EscapeKey, PopupEnd::CloseRequest,
                                           PopupEnd::FormHidden),
                         [](const auto &info) {
                             switch (info.param) {
                             case PopupEnd::PressOnTheForm: return std::string("PressOnTheForm");
                             case PopupEnd::EscapeKey: return std::string("EscapeKey");
                             case PopupEnd::CloseRequest: return std::string("CloseRequest");
                             case PopupEnd::FormHidden: return std::string("FormHidden");
                             }
                             return std::string();
                         });

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
    QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(2, shown->height() - 1));
    window->close();
    // The program ends when no window is left on screen.
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        EXPECT_FALSE(topLevel->isVisible()) << topLevel->metaObject()->className();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString file = QString::fromUtf8(ReadAll(SettingsFilePath()));
    EXPECT_TRUE(file.contains(QStringLiteral("CategoryCount=2"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("category1=童话"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("category2=动物"))) << file.toStdString();
}

// The form inside a window whose other controls (here two buttons standing
// in for the bars) take focus too: Tab and Shift+Tab stay in the form.
TEST_F(BookInfoFormTest, TabCyclesInsideTheForm)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QPushButton(QStringLiteral("before"), &window);
    layout->addWidget(before);
    form_->setParent(&window);
    const auto giveBack = qScopeGuard([this] { form_->setParent(nullptr); });
    layout->addWidget(form_.get());
    auto *after = new QPushButton(QStringLiteral("after"), &window);
    layout->addWidget(after);
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
    EXPECT_TRUE(visited.contains(form_->Control(1005)));
    // Shift+Tab from the first control goes to the last one, then back.
    EXPECT_TRUE(form_->PreTranslate(back));
    EXPECT_EQ(QApplication::focusWidget(), visited.last());
    EXPECT_TRUE(form_->PreTranslate(tab));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
}

TEST_F(BookInfoFormTest, TabWalksTheFormsControls)
{
    form_->show();
    Edit(1002)->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    EXPECT_TRUE(form_->PreTranslate(tab));
    EXPECT_EQ(form_->focusWidget(), Edit(1003));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form_->PreTranslate(back));
    EXPECT_EQ(form_->focusWidget(), Edit(1002));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_FALSE(form_->PreTranslate(letter));
}

} // namespace
