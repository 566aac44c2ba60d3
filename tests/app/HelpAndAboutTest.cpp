// Help documents and the about box.

#include "FrameFixture.h"
#include "TestFiles.h"
#include "app/AboutDialog.h"
#include "app/HelpDocuments.h"
#include "document/AppDirectories.h"
#include "ui/DialogUnits.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct HelpCase {
    int command;
    const char *file;
};

class HelpDocumentTest : public ::testing::TestWithParam<HelpCase> {
protected:
    void SetUp() override
    {
        saved_ = ApplicationDirectory();
        SetApplicationDirectory(scratch_.Path());
    }
    void TearDown() override { SetApplicationDirectory(saved_); }
    ScratchDir scratch_;
    QString saved_;
};

TEST_P(HelpDocumentTest, OpensTheDocumentBesideTheProgram)
{
    const QString path = scratch_.FilePath(QString::fromUtf8(GetParam().file));
    EXPECT_EQ(HelpDocumentPath(GetParam().command), path);
    ASSERT_TRUE(WriteAll(path, "help"));
    QList<QUrl> opened;
    EXPECT_TRUE(OpenHelpDocument(GetParam().command, [&](const QUrl &url) {
        opened.append(url);
        return true;
    }));
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

TEST_P(HelpDocumentTest, AMissingDocumentIsSkippedQuietly)
{
    int calls = 0;
    EXPECT_FALSE(OpenHelpDocument(GetParam().command, [&](const QUrl &) { return ++calls, true; }));
    EXPECT_EQ(calls, 0);
}

TEST_P(HelpDocumentTest, AFolderOfThatNameIsNotOpened)
{
    ASSERT_TRUE(QDir().mkpath(scratch_.FilePath(QString::fromUtf8(GetParam().file))));
    int calls = 0;
    EXPECT_FALSE(OpenHelpDocument(GetParam().command, [&](const QUrl &) { return ++calls, true; }));
    EXPECT_EQ(calls, 0);
}

INSTANTIATE_TEST_SUITE_P(Documents, HelpDocumentTest,
                         ::testing::Values(HelpCase{32815, "User Manual.rtf"}, HelpCase{32816, "faq.txt"},
                                           HelpCase{32818, "readme.txt"}));

TEST(HelpDocumentPathTest, OtherCommandsHaveNoDocument)
{
    EXPECT_TRUE(HelpDocumentPath(57664).isEmpty());
    EXPECT_TRUE(HelpDocumentPath(32817).isEmpty());
}

TEST_F(FrameTest, AHelpCommandWithoutItsDocumentChangesNothing)
{
    const QString saved = ApplicationDirectory();
    ScratchDir empty;
    SetApplicationDirectory(empty.Path());
    const int windows = QApplication::topLevelWidgets().size();
    frame_->OnCommand(32816);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_TRUE(frame_->isVisible());
    SetApplicationDirectory(saved);
}

QStringList LabelTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

TEST(AboutBoxTest, ShowsTheProgramsTextsExactly)
{
    QWidget owner;
    AboutDialog about(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("关于 电子画册Vellora"));
    const QStringList texts = LabelTexts(about);
    EXPECT_TRUE(texts.contains(QStringLiteral(" 名称:  电子画册Vellora V1.0")));
    EXPECT_TRUE(texts.contains(QStringLiteral(" 描述:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Vellora 是一个以画册形式编译和查阅图片集的应用程序.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("联系:")));
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const QString &t) { return t.contains(QLatin1Char('@')); }));
    // the icon
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel *l) { return !l->pixmap().isNull(); }));
}

TEST(AboutBoxTest, Is233By174DialogUnits)
{
    QWidget owner;
    AboutDialog about(&owner);
    EXPECT_EQ(about.size(), DialogSizeToPixels(QSize(233, 174), DialogBaseUnitsOf(about.font())));
}

TEST(AboutBoxTest, OkIsTheOnlyButtonAndTheDefault)
{
    QWidget owner;
    AboutDialog about(&owner);
    const QList<QPushButton *> buttons = about.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("确定"));
    EXPECT_TRUE(buttons[0]->isDefault());
}

struct CloseCase {
    Qt::Key key;
    int result;
};

class AboutBoxCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutBoxCloseTest, ClosesWithTheKey)
{
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    AboutDialog about(&owner);
    QPoint centreOffset;
    QTimer::singleShot(0, &about, [&] {
        centreOffset = about.frameGeometry().center() - owner.frameGeometry().center();
        QTest::keyClick(&about, GetParam().key);
    });
    EXPECT_EQ(about.exec(), GetParam().result);
    EXPECT_LE(std::abs(centreOffset.x()), 1);
    EXPECT_LE(std::abs(centreOffset.y()), 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutBoxCloseTest,
                         ::testing::Values(CloseCase{Qt::Key_Return, QDialog::Accepted},
                                           CloseCase{Qt::Key_Enter, QDialog::Accepted},
                                           CloseCase{Qt::Key_Escape, QDialog::Rejected}));

} // namespace
