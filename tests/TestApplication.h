#pragma once

// Tests that draw, ask for the screen or make widgets need one QApplication
// for the whole test program, made before the first test (offscreen unless
// the caller chose a platform). A test folder that needs one registers it
// in exactly one file:
//   static auto *const g_app = testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

class TestApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "vellora";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
