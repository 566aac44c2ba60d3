#include "viewer/ReadingParametersDialog.h"

#include "viewer/BookReader.h"

#include "RecordingView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Once the modal dialog is open: step 9, speed 4, no border, centred, then
// OK or Cancel.
void AnswerDialog(bool ok)
{
    QTimer::singleShot(0, [ok] {
        auto *dialog = dynamic_cast<ReadingParametersDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->StepEdit()->setText(QStringLiteral("9"));
        dialog->SpeedEdit()->setText(QStringLiteral("4"));
        dialog->BorderCheck()->setChecked(false);
        dialog->CentreCheck()->setChecked(true);
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == (ok ? QStringLiteral("确定") : QStringLiteral("取消")))
                button->click();
    });
}

TEST(ReadingParametersDialog, OkChangesStepSpeedAndFlagsCancelChangesNothing)
{
    QWidget owner;
    owner.show();
    RecordingView view;
    view.centre = false;
    BookReader reader;
    reader.SetView(&view);
    AnswerDialog(false);
    EXPECT_FALSE(reader.OnReadingParameters(&owner));
    EXPECT_EQ(std::tuple(reader.Step(), reader.Speed(), view.border, view.centre), std::tuple(1, 1, true, false));
    AnswerDialog(true);
    EXPECT_TRUE(reader.OnReadingParameters(&owner));
    EXPECT_EQ(std::tuple(reader.Step(), reader.Speed(), view.border, view.centre), std::tuple(9, 4, false, true));
}

} // namespace
