// Ctrl-C and termination requests, caught so that the search can be stopped
// and its best path still printed.
#pragma once

// Catches SIGINT and SIGTERM once each; a second one ends the program the
// usual way.
void InstallStopHandlers();

// The signal caught since the start, or 0.
int PendingStopSignal();
