// The order in which static initialisation builds the process-wide objects,
// whatever the order in which their files are linked: GCC's init_priority,
// lowest first, all before the objects without one. They are destroyed in the
// reverse order at exit.
#pragma once

// The application object comes first, so everything built after it may use it.
inline constexpr int INIT_PRIORITY_APPLICATION = 1100;
// The synchronisation objects that worker threads and the user interface
// share, built in the order in which their one file defines them.
inline constexpr int INIT_PRIORITY_SHARED_SYNC = 1200;
