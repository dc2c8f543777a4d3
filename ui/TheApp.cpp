// The one application object of torvaly-puzzle; the window layer's entry point
// runs it.
#include "PuzzleApp.h"

CPuzzleApp g_theApp;
