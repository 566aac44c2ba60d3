#include "editor/EditFormView.h"

#include "document/AppDirectories.h"
#include "document/Base64Text.h"
#include "editor/CategoryChooser.h"
#include "editor/CoverCodec.h"
#include "editor/EditIndexView.h"
#include "editor/EditIntroView.h"
#include "editor/FrequentCategories.h"
#include "editor/IntroTextEdit.h"
#include "editor/StarRateButton.h"
#include "editor/TabViewCtrl.h"
#include "editor/ThumbBox.h"
#include "platform/RtfWriter.h"
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

class EditForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(dir.path());
        SetApplicationDirectory(dir.file(QStringLiteral("bin/")));
        form = std::make_unique<CEditFormView>();
    }
    void TearDown() override
    {
        form.reset();
        SetDataDirectory(QString());
        SetApplicationDirectory(QString());
    }

    // A book as this program writes it: every field set, cover and
    // introduction made by our own encoders, three pictures on disk.
    BookDocument FullBook()
    {
        BookDocument book = BookDocument::MakeNew();
        book.Title = QStringLiteral("小猫钓鱼");
        book.Author = QStringLiteral("佚名");
        book.Category = QStringLiteral("童话; 动物");
        book.Rating = 4;
        QImage cover(8, 6, QImage::Format_RGB32);
        cover.fill(qRgb(200, 30, 40));
        book.Cover = CoverTextFromBitmap(cover);
        book.Intro = IntroText(QStringLiteral("一只小猫去钓鱼。"));
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.file(QStringLiteral("p%1.jpg").arg(i));
            WriteAll(path, QByteArray(100 + i, 'x'));
            book.Pictures.append(PictureEntry(path, QStringLiteral("2009-3-7 08:05"), 0));
        }
        book.PictureCount = 3000;
        return book;
    }

    QLineEdit *Edit(int id) { return static_cast<QLineEdit *>(form->Control(id)); }

    ScratchDir dir;
    std::unique_ptr<CEditFormView> form;
};

TEST_F(EditForm, CollectingRightAfterFillingGivesTheBookBack)
{
    const BookDocument book = FullBook();
    form->FillFromBook(book);
    const BookDocument collected = form->CollectBook();
    EXPECT_EQ(collected.Title, book.Title);
    EXPECT_EQ(collected.Author, book.Author);
    EXPECT_EQ(collected.Category, book.Category);
    EXPECT_EQ(collected.Rating, book.Rating);
    EXPECT_EQ(collected.Cover, book.Cover);
    EXPECT_EQ(collected.Intro, book.Intro);
    ASSERT_EQ(collected.Pictures.size(), 3);
    EXPECT_EQ(collected.PictureCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(collected.Pictures.at(i).Path, book.Pictures.at(i).Path);
        EXPECT_EQ(collected.Pictures.at(i).CompileTime, book.Pictures.at(i).CompileTime);
        EXPECT_EQ(collected.Pictures.at(i).FileSize, std::uint64_t(100 + i));
    }
    // The fields the form does not show are a new book's.
    EXPECT_EQ(collected.FileType, QString::fromUtf16(kDefaultFileType));
    EXPECT_EQ(collected.Version, QString::fromUtf16(kDefaultVersion));
    EXPECT_FALSE(collected.BookId.isEmpty());
    EXPECT_TRUE(collected.Reserved.isEmpty());
}

TEST_F(EditForm, BookWithoutCoverAndIntroAfterOneWithBothLeavesBothEmpty)
{
    form->FillFromBook(FullBook());
    BookDocument bare = BookDocument::MakeNew();
    bare.Title = QStringLiteral("空");
    form->FillFromBook(bare);
    EXPECT_FALSE(form->ThumbBox()->HasCoverBitmap());
    EXPECT_TRUE(form->IntroView()->Editor()->toPlainText().isEmpty());
    const BookDocument collected = form->CollectBook();
    EXPECT_TRUE(collected.Cover.isEmpty());
    EXPECT_TRUE(collected.Intro.isEmpty());
    EXPECT_TRUE(collected.Pictures.isEmpty());
    EXPECT_EQ(collected.PictureCount, 0);
}

struct FieldCase {
    const char *name;
    QString typed;
    QString collected;
};

class EditFormFields : public EditForm, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(EditFormFields, TitleAuthorAndCategoryComeBackCut)
{
    for (int id : {1002, 1003, 1004}) {
        Edit(id)->setText(GetParam().typed);
        const BookDocument book = form->CollectBook();
        const QString value = id == 1002 ? book.Title : id == 1003 ? book.Author : book.Category;
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

TEST_F(EditForm, LineBreaksPastedIntoAFieldDisappearAtOnce)
{
    QLineEdit *title = Edit(1002);
    title->setFocus();
    title->insert(QStringLiteral("x"));
    // What a paste does: an edit by the user carrying a line break.
    emit title->textEdited(QStringLiteral("第一\r\n第二"));
    EXPECT_EQ(title->text(), QStringLiteral("第一第二"));
    EXPECT_EQ(form->TitleText(), QStringLiteral("第一第二"));
}

TEST_F(EditForm, CountShowsTheStoredNumberUntilTheNextIdleUpdate)
{
    form->FillFromBook(FullBook());
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("3000"));
    form->UpdatePictureCount();
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("3"));

    // Rows added by the user count only once the book is gathered.
    const QString extra = dir.file(QStringLiteral("extra.jpg"));
    ASSERT_TRUE(WriteAll(extra, "x"));
    form->IndexView()->AddPictureFiles(AddMode::Append, {extra});
    form->UpdatePictureCount();
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("3"));
    EXPECT_EQ(form->CollectBook().PictureCount, 4);
    form->UpdatePictureCount();
    EXPECT_EQ(form->PictureCountText(), QStringLiteral("4"));
}

TEST_F(EditForm, IntroductionIsTheVisiblePageAfterCreation)
{
    form->show();
    EXPECT_EQ(form->TabView()->ActivePage(), 0);
    EXPECT_EQ(form->TabView()->TabBar()->tabText(0), QStringLiteral("内容简介"));
    EXPECT_EQ(form->TabView()->TabBar()->tabText(1), QStringLiteral("图画序列"));
    EXPECT_TRUE(form->IntroView()->isVisible());
    EXPECT_FALSE(form->IndexView()->isVisible());
    form->SetActivePage(CEditFormView::kPicturesPage);
    EXPECT_TRUE(form->IndexView()->isVisible());
    EXPECT_FALSE(form->IntroView()->isEnabled());
}

struct SizeCase {
    int width;
    int height;
    int laidOutWidth;
    int laidOutHeight;
};

class EditFormLayout : public EditForm, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(EditFormLayout, FollowsTheRightEdgeAndNeverShrinksBelowTheMinimum)
{
    const SizeCase &c = GetParam();
    form->show();
    form->resize(c.width, c.height);
    const int W = c.laidOutWidth, H = c.laidOutHeight;
    const int m = form->TabView()->x();
    const QRect thumb = form->ThumbBox()->geometry();
    EXPECT_EQ(thumb.topLeft(), QPoint(W - m - thumb.width(), m));
    const int T = thumb.x();
    const QRect tabs = form->TabView()->geometry();
    EXPECT_EQ(tabs.x(), m);
    EXPECT_EQ(tabs.width(), W - 2 * m);
    EXPECT_EQ(tabs.y() + tabs.height(), H - m);
    for (int id : {1002, 1003, 1005})
        EXPECT_EQ(form->Control(id)->geometry().right() + 1, T - m) << id;
    EXPECT_EQ(form->Control(1004)->geometry().right() + 1, form->Control(1005)->x());
    EXPECT_EQ(form->Control(1008)->x(), T);
    EXPECT_EQ(form->Control(1009)->x(), T + form->Control(1008)->width());
    // Nothing on the right runs into the fields.
    EXPECT_LT(form->Control(1002)->geometry().right(), thumb.left());
}

INSTANTIATE_TEST_SUITE_P(Sizes, EditFormLayout,
                         ::testing::Values(SizeCase{1280, 760, 1280, 760}, SizeCase{800, 500, 800, 500},
                                           SizeCase{500, 300, 500, 300}, SizeCase{320, 200, 500, 300},
                                           SizeCase{900, 120, 900, 300}));

// The rating control at the form's own font, whatever that font is.
struct FontCase {
    const char *name;
    const char *family;  // empty: the application's default font
    double points;
};

class EditFormRating : public EditForm, public ::testing::WithParamInterface<FontCase> {
protected:
    void SetUp() override
    {
        saved = QApplication::font();
        if (*GetParam().family) {
            QFont font(QString::fromLatin1(GetParam().family));
            font.setPointSizeF(GetParam().points);
            QApplication::setFont(font);
        }
        EditForm::SetUp();
    }
    void TearDown() override
    {
        EditForm::TearDown();
        QApplication::setFont(saved);
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

    QFont saved;
};

TEST_P(EditFormRating, ShowsFiveWholeStarsAndTheFifthStoresFive)
{
    form->show();
    CStarRateButton *rate = form->RateButton();
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
    QMouseEvent move(QEvent::MouseMove, onFifth, rate->mapToGlobal(onFifth), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(rate, &move);
    QTest::mouseClick(rate, Qt::LeftButton, {}, onFifth);
    EXPECT_EQ(rate->Rating(), 5);
}

INSTANTIATE_TEST_SUITE_P(Fonts, EditFormRating,
                         ::testing::Values(FontCase{"ApplicationFont", "", 0}, FontCase{"NotoSansCjk9", "Noto Sans CJK SC", 9},
                                           FontCase{"NotoSansCjk10", "Noto Sans CJK SC", 10.5},
                                           FontCase{"Latin9", "DejaVu Sans", 9}, FontCase{"Latin20", "DejaVu Sans", 20}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditForm, FrequentCategoriesAreSavedWhenTheFormGoes)
{
    form->Categories().FrequentCategories() = {QStringLiteral("童话"), QStringLiteral("科普")};
    form.reset();
    QStringList loaded;
    LoadFrequentCategories(loaded);
    EXPECT_EQ(loaded, QStringList({QStringLiteral("童话"), QStringLiteral("科普")}));
    // A new form starts with them.
    form = std::make_unique<CEditFormView>();
    EXPECT_EQ(form->Categories().FrequentCategories(), loaded);
}

// The two controls that explain themselves only by a tool tip, and the
// category button's glyph: dark pixels in the middle of the button.
TEST_F(EditForm, CategoryButtonShowsAGlyphAndBothBoxesExplainThemselves)
{
    form->show();
    QWidget *button = form->Control(1005);
    EXPECT_EQ(button->toolTip(), QStringLiteral("选择类别"));
    EXPECT_EQ(form->Control(1010)->toolTip(), QStringLiteral("双击选择封面图片"));
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

class EditFormPopupEnd : public EditForm, public ::testing::WithParamInterface<PopupEnd> {
protected:
    void End(CPopListBox *popup)
    {
        switch (GetParam()) {
        case PopupEnd::PressOnTheForm:
            QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(2, form->height() - 1));
            break;
        case PopupEnd::EscapeKey:
            QTest::keyClick(popup, Qt::Key_Escape);
            break;
        case PopupEnd::CloseRequest:
            popup->close();
            break;
        case PopupEnd::FormHidden:  // the frame swaps the form out for read mode
            form->hide();
            form->show();
            break;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_P(EditFormPopupEnd, WritesTheTicksOnceAndLeavesTheScreen)
{
    form->show();
    Edit(1004)->setText(QStringLiteral("童话;动物"));
    QTest::mouseClick(form->Control(1005), Qt::LeftButton);
    QPointer<CPopListBox> popup = form->Categories().Popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    End(popup);
    EXPECT_TRUE(!popup || !popup->isVisible());
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("动物; 童话"));
    // The ticks were applied once: what is typed afterwards stays.
    Edit(1004)->setText(QStringLiteral("科普"));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(2, form->height() - 1));
    EXPECT_EQ(Edit(1004)->text(), QStringLiteral("科普"));
    // No window of the form is left on screen.
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window != form.get() && window->isVisible()) << window->metaObject()->className();
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

TEST_F(EditForm, AfterThePopupClosingTheWindowEndsTheProgramAndSavesTheCategories)
{
    // The form in a window of its own, as in the frame: closing that window
    // must end the program, which then writes the frequent categories.
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    form.release()->setParent(window);
    auto *shown = window->findChild<CEditFormView *>();
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
TEST_F(EditForm, TabCyclesInsideTheForm)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QPushButton(QStringLiteral("before"), &window);
    layout->addWidget(before);
    form->setParent(&window);
    const auto giveBack = qScopeGuard([this] { form->setParent(nullptr); });
    layout->addWidget(form.get());
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
        EXPECT_TRUE(form->PreTranslate(tab));
        ASSERT_TRUE(form->isAncestorOf(QApplication::focusWidget())) << "left the form after " << i + 1 << " Tabs";
    }
    // Back at the title: the last control's Tab led to the first control.
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
    EXPECT_GE(visited.size(), 4);
    EXPECT_TRUE(visited.contains(form->Control(1005)));
    // Shift+Tab from the first control goes to the last one, then back.
    EXPECT_TRUE(form->PreTranslate(back));
    EXPECT_EQ(QApplication::focusWidget(), visited.last());
    EXPECT_TRUE(form->PreTranslate(tab));
    EXPECT_EQ(QApplication::focusWidget(), Edit(1002));
}

TEST_F(EditForm, TabWalksTheFormsControls)
{
    form->show();
    Edit(1002)->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    EXPECT_TRUE(form->PreTranslate(tab));
    EXPECT_EQ(form->focusWidget(), Edit(1003));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form->PreTranslate(back));
    EXPECT_EQ(form->focusWidget(), Edit(1002));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_FALSE(form->PreTranslate(letter));
}

} // namespace
