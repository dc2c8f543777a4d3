// The request to stop the search: a manual-reset event, set once by the user
// interface and never reset by the program. The search only tests it.
#pragma once

#include "platform/Event.h"

extern CEvent g_abortEvent;
