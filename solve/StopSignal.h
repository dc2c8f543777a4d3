// Ctrl-C, termination requests and hang-ups, caught so that the search can be
// stopped and its best path still printed.
#pragma once

// Catches SIGINT, SIGTERM and SIGHUP once each; a second one ends the program
// the usual way. A signal ignored when the program started (nohup, a
// background job) stays ignored.
void InstallStopHandlers();

// The first of them caught since the start, or 0.
int PendingStopSignal();

// "SIGINT", "SIGTERM" or "SIGHUP"; "" for any other signal.
const char* StopSignalName(int signal);
