// One QApplication for the whole test program, and application and data
// folders of its own, so no test touches the user's documents folder.

#include "TestApplication.h"
#include "TestFiles.h"
#include "document/AppDirectories.h"

namespace {

class AppTestEnvironment : public TestApplicationEnvironment {
public:
    void SetUp() override
    {
        TestApplicationEnvironment::SetUp();
        folders_ = std::make_unique<ScratchDir>();
        SetApplicationDirectory(folders_->FilePath(QStringLiteral("bin")));
        SetDataDirectory(folders_->FilePath(QStringLiteral("data")));
    }

private:
    std::unique_ptr<ScratchDir> folders_;
};

const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new AppTestEnvironment);

} // namespace
