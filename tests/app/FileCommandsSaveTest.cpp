// Save: what is refused, and what a write without
// room leaves behind; the book exported as PDF.

#include "FrameFixture.h"
#include "FullDisk.h"
#include "settings/store/SettingsStore.h"
#include "ui/ResourceIds.h"

#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <functional>

namespace {

// No room on the disk, a real one (a small tmpfs, where mounting is allowed)
// or a file-size limit: a save is reported as failed and neither the book
// nor the settings file loses a byte.
class FileCommandsWithoutRoom : public FrameTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        if (GetParam() && !disk_.Mounted())
            GTEST_SKIP() << disk_.Refusal() << "; the file-size limit case still runs";
        folder_ = GetParam() ? disk_.Path() : files_.Path();
        ASSERT_TRUE(QDir(folder_).mkpath(QStringLiteral("data/etc")));
        SetDataDirectory(folder_ + QStringLiteral("data/"));
        path_ = MakeBook(folder_ + QStringLiteral("a.vlr"), QStringLiteral("满"));
    }

    void WithoutRoom(const std::function<void()> &command)
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (GetParam())
            ASSERT_TRUE(disk_.LeaveRoom(0));
        else
            limit = std::make_unique<FileSizeLimit>(16);
        command();
    }

    // The files in the book's folder and the data folder, the filler aside.
    QStringList Beside() const
    {
        QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden, QDir::Name)
                            + QDir(folder_ + QStringLiteral("data")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

    SmallFileSystem disk_;
    QString folder_;
    QString path_;
};

TEST_P(FileCommandsWithoutRoom, SaveIsReportedAndTheBookStaysAsItWas)
{
    Open(path_);
    const QByteArray book = ReadAll(path_);
    const QByteArray settings = ReadAll(SettingsFilePath());
    ASSERT_FALSE(settings.isEmpty());
    Title()->setText(QStringLiteral("edited"));
    WithoutRoom([this] { frame_->OnCommand(kCmdFileSave); });
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_TRUE(frame_->BooksDiffer()) << "the edits are still changes";
    EXPECT_EQ(ReadAll(path_), book);
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"})) << "no temporary file is left";
}

TEST_P(FileCommandsWithoutRoom, OpeningABookLeavesTheSettingsFileAsItWas)
{
    WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("9"));
    const QByteArray settings = ReadAll(SettingsFilePath());
    WithoutRoom([this] { Open(path_); });
    EXPECT_EQ(frame_->CurrentPath(), path_) << "reading needs no room";
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, FileCommandsWithoutRoom, ::testing::Bool(),
                         [](const auto &instance) { return std::string(instance.param ? "SmallTmpfs" : "FileSizeLimit"); });

int PdfPages(const QString &pdf, QString *title)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpression titleLine(QStringLiteral("^Title:\\s*(.*)$"), QRegularExpression::MultilineOption);
    *title = titleLine.match(out).captured(1);
    return QRegularExpression(QStringLiteral("^Pages:\\s*(\\d+)$"), QRegularExpression::MultilineOption).match(out).captured(1).toInt();
}

// The File menu's export writes the book as the form shows it, edits not
// yet saved included, under the name it suggests beside the book; a
// cancelled file dialog writes nothing.
TEST_F(FrameTest, ExportPdfFromTheFileMenuWritesTheFormsBook)
{
    Open(MakeBook(QStringLiteral("a.vlr"), QStringLiteral("old"), 2));
    Title()->setText(QStringLiteral("edited"));
    QAction *exportItem = nullptr;
    for (QMenu *menu : frame_->findChildren<QMenu *>())
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("导出PDF..."))
                exportItem = action;
    ASSERT_NE(exportItem, nullptr);
    QStringList suggestions;
    QString answer;
    frame_->SetExportPathChooser([&](const QString &suggested) { return suggestions << suggested, answer; });
    exportItem->trigger();
    const QString pdf = QDir(files_.Path()).filePath(QStringLiteral("edited.pdf"));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    answer = pdf;
    exportItem->trigger();
    EXPECT_EQ(suggestions, QStringList(2, pdf));
    QString title;
    EXPECT_EQ(PdfPages(pdf, &title), 3);
    EXPECT_EQ(title, QStringLiteral("edited"));
    EXPECT_TRUE(frame_->BooksDiffer()) << "exporting saves nothing";
}

} // namespace
