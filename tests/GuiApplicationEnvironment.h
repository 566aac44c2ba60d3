#pragma once

// Tests that draw text or ask for the screen need a QGuiApplication. A test
// folder that needs one defines, in exactly one of its files:
//   static auto *const g_gui = testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

class GuiApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "vellora";
    char *argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
