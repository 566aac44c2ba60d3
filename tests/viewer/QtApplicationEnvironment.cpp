// The viewer's tests need a QApplication: widgets, timers and fonts all do.
#include "TestApplication.h"

static auto *const g_app = testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);
