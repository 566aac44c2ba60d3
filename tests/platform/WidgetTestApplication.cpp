// Widget tests need one QApplication for the whole test program; it is made
// before the first test and lives until the program ends.

#include <QApplication>
#include <gtest/gtest.h>

namespace {

class WidgetApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance())
            app_ = new QApplication(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[16] = "test_platform";
    char *argv_[2] = {name_, nullptr};
    QApplication *app_ = nullptr;
};

const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new WidgetApplicationEnvironment);

} // namespace
