// The pre-translation filter: keys go to the frame first, but only while
// the frame is the active window and no modal dialog or pop-up is open.

#include "KeyEvents.h"
#include "platform/PreTranslateFilter.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class PreTranslateFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&frame);
        edit = new QLineEdit(&frame);
        layout->addWidget(edit);
        frame.show();
        QApplication::setActiveWindow(&frame);
        edit->setFocus();
    }

    QWidget frame;
    QLineEdit *edit = nullptr;
    QList<int> seen;
    PreTranslateFilter filter{&frame, [this](const QKeyEvent &event) {
                                  seen.append(event.key());
                                  return event.key() == Qt::Key_Space;
                              }};
};

TEST_F(PreTranslateFilterTest, AConsumedKeyNeverReachesTheFocusWidget)
{
    ASSERT_TRUE(PreTranslateFilter::FrameMayTranslate(&frame));
    SendKeyPress(edit, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    SendKeyPress(edit, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(seen, (QList<int>{Qt::Key_Space, Qt::Key_A}));
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

TEST_F(PreTranslateFilterTest, NothingIsTranslatedWhileAModalDialogIsOpen)
{
    QDialog dialog(&frame);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame));
    SendKeyPress(edit, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(seen.isEmpty());
    dialog.hide();
    QApplication::setActiveWindow(&frame);
    EXPECT_TRUE(PreTranslateFilter::FrameMayTranslate(&frame));
}

TEST_F(PreTranslateFilterTest, NothingIsTranslatedWhileAnotherWindowIsActive)
{
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame));
    SendKeyPress(edit, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(PreTranslateFilterTest, NothingIsTranslatedWhileAPopupIsOpen)
{
    QMenu popup(&frame);
    popup.addAction(QStringLiteral("x"));
    popup.popup(frame.mapToGlobal(QPoint(0, 0)));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(PreTranslateFilter::FrameMayTranslate(&frame));
    popup.close();
}

TEST(PreTranslateFilterLifetimeTest, ADeletedFilterNoLongerSeesKeys)
{
    QWidget frame;
    QLineEdit edit(&frame);
    frame.show();
    QApplication::setActiveWindow(&frame);
    int calls = 0;
    auto *filter = new PreTranslateFilter(&frame, [&](const QKeyEvent &) {
        ++calls;
        return true;
    });
    SendKeyPress(&edit, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    delete filter;
    SendKeyPress(&edit, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(edit.text(), QStringLiteral("c"));
}

} // namespace
