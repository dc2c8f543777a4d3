// The application's wait cursor, shown while the program blocks its own
// window. Until a window layer installs its handlers the calls do nothing.
#pragma once

struct CWaitCursorHandlers {
    void (*m_begin)();
    void (*m_end)();
};

void SetWaitCursorHandlers(CWaitCursorHandlers handlers);

void BeginWaitCursor();
void EndWaitCursor();

// Shows the wait cursor for the life of a scope, on every way out of it.
class CWaitCursor {
public:
    CWaitCursor() { BeginWaitCursor(); }
    ~CWaitCursor() { EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
