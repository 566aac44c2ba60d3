// The digits-only edit box of the bars and the message boxes.

#include "ui/MessageBoxes.h"
#include "ui/NumberEdit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(NumberEditTest, TypingLettersChangesNothingButDigitsGoIn)
{
    NumberEdit box;
    box.setText(QStringLiteral("100%"));
    box.setCursorPosition(0);
    QTest::keyClicks(&box, QStringLiteral("a% -"));
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
    QTest::keyClick(&box, Qt::Key_2, Qt::NoModifier);
    EXPECT_EQ(box.text(), QStringLiteral("2100%"));
    QTest::keyClick(&box, Qt::Key_Backspace); // editing keys still work
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
}

TEST(MessageBoxTest, HasNoOwnerTheProgramsCaptionChineseButtonsAndNoMinimiseBox)
{
    const auto box =
        MakeMessageBox(QStringLiteral("文件不能打开！"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("电子画册Vellora V1.0"));
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

constexpr QMessageBox::StandardButtons kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
constexpr QMessageBox::StandardButtons kOkCancel = QMessageBox::Ok | QMessageBox::Cancel;

INSTANTIATE_TEST_SUITE_P(Ways, MessageBoxDismissTest,
                         ::testing::Values(DismissCase{"YesNoCancelEscape", kYesNoCancel, true},
                                           DismissCase{"YesNoCancelCloseBox", kYesNoCancel, false},
                                           DismissCase{"OkCancelEscape", kOkCancel, true},
                                           DismissCase{"OkCancelCloseBox", kOkCancel, false}),
                         [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
