#include "TestApplication.h"

static auto *const g_app = testing::AddGlobalTestEnvironment(new TestApplicationEnvironment);
