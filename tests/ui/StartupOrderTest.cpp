// The process-wide objects are built in a fixed order at start-up: the
// application object, then the workers' lock, the stop event and the idle
// event, whatever the order in which their files are linked. This program
// links the real application object and the engine's objects, and looks at
// them from static initialisation just before and just after each group.
#include "platform/StartupOrder.h"
#include "engine/AbortEvent.h"
#include "engine/WorkerTask.h"
#include "platform/window/WinApp.h"

#include <gtest/gtest.h>

namespace {

// What each look saw; constant-initialised, so ready before any look.
bool g_appBeforeItsTurn = true;
bool g_appAfterItsTurn = false;
bool g_idleSignalledAfterSync = false;
bool g_abortSignalledAfterSync = true;

class CStartupLook {
public:
    explicit CStartupLook(void (*look)()) { look(); }
};

[[gnu::init_priority(INIT_PRIORITY_APPLICATION - 1)]] CStartupLook g_beforeApp([] {
    g_appBeforeItsTurn = AfxGetApp() != nullptr;
});
[[gnu::init_priority(INIT_PRIORITY_APPLICATION + 1)]] CStartupLook g_afterApp([] {
    g_appAfterItsTurn = AfxGetApp() != nullptr;
});
[[gnu::init_priority(INIT_PRIORITY_SHARED_SYNC + 1)]] CStartupLook g_afterSync([] {
    CSingleLock guard(g_workerCountLock);
    g_idleSignalledAfterSync = g_idleEvent.Lock(0) != FALSE;
    g_abortSignalledAfterSync = g_abortEvent.Lock(0) != FALSE;
});

TEST(StartupOrder, ApplicationObjectFirstThenTheSharedSynchronisationObjects)
{
    EXPECT_FALSE(g_appBeforeItsTurn);
    EXPECT_TRUE(g_appAfterItsTurn);
    EXPECT_TRUE(g_idleSignalledAfterSync) << "the idle event starts signalled once built";
    EXPECT_FALSE(g_abortSignalledAfterSync);
}

} // namespace
