// torvaly-solve's exit statuses, all of them.
#pragma once

// The search ran to its end and its result was written; the trips checked
// bring everybody across; the puzzle was solved.
inline constexpr int EXIT_DONE = 0;
// The search could not be started, or standard output could not be written.
inline constexpr int EXIT_FAILED = 1;
// A trip was refused or somebody is left; the puzzle has no way across.
inline constexpr int EXIT_NOT_ACROSS = 1;
// A wrong option or argument; a puzzle, file or line that cannot be read.
inline constexpr int EXIT_USAGE = 2;
// A stop signal was received: this plus the signal's number.
inline constexpr int EXIT_SIGNALLED = 128;
