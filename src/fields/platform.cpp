#include "fields/platform.h"

namespace {
Platform *g_platform = nullptr;
}

Platform &Platform::instance()
{
    Q_ASSERT_X(g_platform, "Platform::instance", "no platform installed");
    return *g_platform;
}

Platform *Platform::install(Platform *platform)
{
    Platform *old = g_platform;
    g_platform = platform;
    return old;
}
