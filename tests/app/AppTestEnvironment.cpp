// One QApplication for the whole test program, and application and data
// folders of its own, so no test touches the user's documents folder.

#include "TestFiles.h"
#include "document/AppDirectories.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class AppTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
            app_ = new QApplication(argc_, argv_);
        folders_ = new ScratchDir;
        SetApplicationDirectory(folders_->FilePath(QStringLiteral("bin")));
        SetDataDirectory(folders_->FilePath(QStringLiteral("data")));
    }

private:
    int argc_ = 1;
    char name_[16] = "test_app";
    char *argv_[2] = {name_, nullptr};
    QApplication *app_ = nullptr;
    ScratchDir *folders_ = nullptr;
};

const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new AppTestEnvironment);

} // namespace
