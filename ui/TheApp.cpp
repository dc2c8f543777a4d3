// The one application object of torvaly-puzzle; the window layer's entry point
// runs it.
#include "PuzzleApp.h"
#include "platform/StartupOrder.h"

[[gnu::init_priority(INIT_PRIORITY_APPLICATION)]] CPuzzleApp g_theApp;
