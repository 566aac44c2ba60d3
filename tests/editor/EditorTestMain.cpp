#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object for the whole run. ctest also
// starts the program just to list its tests, without the test environment,
// so the off-screen platform is chosen here when nothing else was asked for.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
