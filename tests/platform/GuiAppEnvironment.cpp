// Text and font look-ups need a QGuiApplication; one is made for the whole
// test program unless another test file already made an application object.

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {
class GuiAppEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test_platform";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment *const kGuiApp =
    testing::AddGlobalTestEnvironment(new GuiAppEnvironment);
} // namespace
