// Keys on their way to the frame (the pre-translation filter), the
// digits-only edit box of the bars, the message boxes and the picture
// file dialog's filters.

#include "TestFiles.h"
#include "ui/DialogUnits.h"
#include "ui/MessageBoxes.h"
#include "ui/NumberEdit.h"
#include "ui/PictureFileFilters.h"
#include "ui/PreTranslateFilter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// A key press delivered the way the event loop delivers it: through the
// application, so application-wide event filters see it first.
bool SendKeyPress(QObject *target, Qt::Key key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
    return press.isAccepted();
}

// Keys go to the frame first, but only while the frame is the active window
// and no modal dialog or pop-up is open.
class PreTranslateFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        (new QVBoxLayout(&frame_))->addWidget(edit_);
        frame_.show();
        QApplication::setActiveWindow(&frame_);
        edit_->setFocus();
    }

    QWidget frame_;
    QLineEdit *edit_ = new QLineEdit(&frame_);
    QList<int> seen_;
    PreTranslateFilter filter_{&frame_, [this](const QKeyEvent &event) {
                                   seen_.append(event.key());
                                   return event.key() == Qt::Key_Space;
                               }};
};

TEST_F(PreTranslateFilterTest, AConsumedKeyNeverReachesTheFocusWidget)
{
    ASSERT_TRUE(PreTranslateFilter::FrameMayTranslate(&frame_));
    SendKeyPress(edit_, Qt::Key_Space, QStringLiteral(" "));
    SendKeyPress(edit_, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(seen_, (QList<int>{Qt::Key_Space, Qt::Key_A}));
    EXPECT_EQ(edit_->text(), QStringLiteral("a"));
}

TEST_F(PreTranslateFilterTest, NothingIsTranslatedWhileAModalDialogOrAnotherWindowIsActive)
{
    {
        QDialog dialog(&frame_);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame_));
        SendKeyPress(edit_, Qt::Key_Space, QStringLiteral(" "));
    }
    QApplication::setActiveWindow(&frame_);
    EXPECT_TRUE(PreTranslateFilter::FrameMayTranslate(&frame_));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame_));
    SendKeyPress(edit_, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(seen_.isEmpty());
}

TEST_F(PreTranslateFilterTest, NothingIsTranslatedWhileAPopupIsOpen)
{
    QMenu popup(&frame_);
    popup.addAction(QStringLiteral("x"));
    popup.popup(frame_.mapToGlobal(QPoint(0, 0)));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame_));
    popup.close();
}

TEST(PreTranslateFilterLifetimeTest, ADeletedFilterNoLongerSeesKeys)
{
    QWidget frame;
    QLineEdit edit(&frame);
    frame.show();
    QApplication::setActiveWindow(&frame);
    int calls = 0;
    auto *filter = new PreTranslateFilter(&frame, [&](const QKeyEvent &) { return ++calls > 0; });
    SendKeyPress(&edit, Qt::Key_B, QStringLiteral("b"));
    delete filter;
    SendKeyPress(&edit, Qt::Key_C, QStringLiteral("c"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(edit.text(), QStringLiteral("c"));
}

struct TypedCase {
    const char *text;
    bool accepted;
};

class NumberEditTypingTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(NumberEditTypingTest, OnlyDigitsAndControlCharactersMayBeTyped)
{
    EXPECT_EQ(NumberEdit::AcceptsTypedText(QString::fromUtf8(GetParam().text)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberEditTypingTest,
                         ::testing::Values(TypedCase{"7", true}, TypedCase{"0", true}, TypedCase{"", true},
                                           TypedCase{"\b", true}, TypedCase{"%", false}, TypedCase{"/", false},
                                           TypedCase{"a", false}, TypedCase{" ", false}, TypedCase{"-", false},
                                           TypedCase{"五", false}, TypedCase{"١", false}));

TEST(NumberEditTest, TypingLettersChangesNothingButDigitsGoIn)
{
    NumberEdit box;
    box.setText(QStringLiteral("100%"));
    box.setCursorPosition(0);
    SendKeyPress(&box, Qt::Key_A, QStringLiteral("a"));
    SendKeyPress(&box, Qt::Key_Percent, QStringLiteral("%"));
    SendKeyPress(&box, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
    SendKeyPress(&box, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(box.text(), QStringLiteral("2100%"));
    SendKeyPress(&box, Qt::Key_Backspace); // editing keys still work
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
}

TEST(NumberEditTest, IsCentredAndSixteenAverageCharactersWide)
{
    NumberEdit box;
    box.SetWidthInCharacters(16);
    EXPECT_EQ(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(box.width(), 16 * DialogBaseUnitsOf(box.font()).averageCharWidth);
    EXPECT_GT(box.width(), 16);
}

TEST(MessageBoxTest, HasNoOwnerTheProgramsCaptionChineseButtonsAndNoMinimiseBox)
{
    const auto box =
        MakeMessageBox(QStringLiteral("文件不能打开！"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("电子画册Vellora V1.0"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->text(), QStringLiteral("文件不能打开！"));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("是"));
    EXPECT_EQ(box->button(QMessageBox::No)->text(), QStringLiteral("否"));
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    box->show();
    // the caption fits beside the window manager's icon and close box
    EXPECT_GT(box->width(), QFontMetrics(box->font()).horizontalAdvance(box->windowTitle()) + 100);
}

// Every way of dismissing a question without pressing a button keeps the
// edits: it answers Cancel where the box has one.
struct DismissCase {
    const char *name;
    QMessageBox::StandardButtons buttons;
    bool byEscape;
};

class MessageBoxDismissTest : public ::testing::TestWithParam<DismissCase> {};

TEST_P(MessageBoxDismissTest, DismissingAnswersCancel)
{
    const DismissCase &c = GetParam();
    const auto box = MakeMessageBox(QStringLiteral("问题"), c.buttons);
    QTimer::singleShot(0, box.get(), [&] {
        if (c.byEscape)
            QTest::keyClick(box.get(), Qt::Key_Escape);
        else
            box->close();
    });
    EXPECT_EQ(box->exec(), QMessageBox::Cancel);
    EXPECT_FALSE(box->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MessageBoxDismissTest,
    ::testing::Values(DismissCase{"YesNoCancelEscape", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, true},
                      DismissCase{"YesNoCancelCloseBox", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  false},
                      DismissCase{"OkCancelEscape", QMessageBox::Ok | QMessageBox::Cancel, true},
                      DismissCase{"OkCancelCloseBox", QMessageBox::Ok | QMessageBox::Cancel, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PictureDialogFilters, ListsAllPicturesFirstAndAllFilesLast)
{
    const QList<FileDialogFilter> &filters = PictureDialogFilters();
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters.first().text, QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"));
    EXPECT_TRUE(filters.first().pattern.startsWith(QStringLiteral("*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf;")));
    EXPECT_EQ(filters[4].text, QStringLiteral("光标文件 (*.cur)"));
    EXPECT_EQ(filters.last().text, QStringLiteral("所有文件 (*.*)"));
    // Each single-format entry's pattern is one of the all-pictures patterns.
    const QStringList all = FilterPatterns(filters.first());
    for (qsizetype i = 1; i + 1 < filters.size(); ++i)
        EXPECT_TRUE(all.contains(filters[i].pattern)) << filters[i].pattern.toStdString();
    EXPECT_TRUE(QDir::match(all, QStringLiteral("猫.emf")));
    EXPECT_FALSE(QDir::match(all, QStringLiteral("book.vlr")));
    EXPECT_TRUE(QDir::match(FilterPatterns(filters.last()), QStringLiteral("README")));
}
} // namespace
