#include "WindowHandle.h"

#include "WindowRouter.h"

HWND__::HWND__() = default;

// The wrappers outlive the window; they are told it is gone.
HWND__::~HWND__()
{
    if (temporary)
        CWindowRouter::SetHandle(*temporary, nullptr);
    if (attached != nullptr)
        CWindowRouter::SetHandle(*attached, nullptr);
}
