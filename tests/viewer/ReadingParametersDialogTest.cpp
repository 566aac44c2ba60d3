#include "viewer/ReadingParametersDialog.h"

#include "document/BookDocument.h"
#include "viewer/BookReader.h"

#include "RecordingView.h"
#include "TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include <gtest/gtest.h>

namespace {

TEST(ReadingParametersDialog, OpensWithTheReadersValuesAndTheViewsFlagsInDigitOnlyBoxes)
{
    ReadingParametersDialog dialog(nullptr);
    dialog.SetValues(5, -2, true, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自动浏览参数"));
    EXPECT_EQ(dialog.StepText(), QStringLiteral("5"));
    EXPECT_EQ(dialog.SpeedText(), QStringLiteral("-2"));
    EXPECT_TRUE(dialog.BorderChecked() && !dialog.CentreChecked());
    EXPECT_EQ(dialog.BorderCheck()->text(), QStringLiteral("显示边框"));
    EXPECT_EQ(dialog.CentreCheck()->text(), QStringLiteral("居中显示"));
    // The edit boxes take digits only.
    QString typed = QStringLiteral("12a");
    int pos = 0;
    EXPECT_EQ(dialog.StepEdit()->validator()->validate(typed, pos), QValidator::Invalid);
    typed = QStringLiteral("120");
    EXPECT_EQ(dialog.SpeedEdit()->validator()->validate(typed, pos), QValidator::Acceptable);
    EXPECT_EQ(dialog.StepEdit()->maxLength(), 255);
}

struct DialogRun {
    QString step, speed;
    bool border, centre, ok;
};

// Fills in the modal dialog once it is open and ends it with OK or Cancel.
void AnswerDialog(const DialogRun &run, QPoint *openedAt)
{
    QTimer::singleShot(0, [run, openedAt] {
        auto *dialog = dynamic_cast<ReadingParametersDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *openedAt = dialog->pos();
        dialog->StepEdit()->setText(run.step);
        dialog->SpeedEdit()->setText(run.speed);
        dialog->BorderCheck()->setChecked(run.border);
        dialog->CentreCheck()->setChecked(run.centre);
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == (run.ok ? QStringLiteral("确定") : QStringLiteral("取消")))
                button->click();
    });
}

TEST(ReadingParametersDialog, OkChangesStepSpeedAndFlagsCancelChangesNothing)
{
    QMainWindow owner;
    owner.move(100, 80);
    owner.resize(400, 300);
    owner.show();
    RecordingView view;
    BookReader reader;
    reader.SetView(&view);
    QPoint openedAt;

    AnswerDialog({QStringLiteral("9"), QStringLiteral("4"), false, false, /*ok=*/false}, &openedAt);
    EXPECT_FALSE(reader.OnReadingParameters(&owner));
    EXPECT_EQ(std::tuple(reader.Step(), reader.Speed(), view.border), std::tuple(1, 1, true));

    AnswerDialog({QStringLiteral("9"), QStringLiteral("4"), false, true, /*ok=*/true}, &openedAt);
    EXPECT_TRUE(reader.OnReadingParameters(&owner));
    EXPECT_EQ(std::tuple(reader.Step(), reader.Speed(), view.border, view.centre), std::tuple(9, 4, false, true));
    // Not centred: at the owner's client top-left.
    EXPECT_EQ(openedAt, owner.mapToGlobal(QPoint(0, 0)));
}

} // namespace
