#include "WindowHandle.h"

#include "WindowRouter.h"

CWindowHandle::CWindowHandle() = default;

// The wrappers outlive the window; they are told it is gone.
CWindowHandle::~CWindowHandle()
{
    if (m_temporary)
        CWindowRouter::SetHandle(*m_temporary, nullptr);
    if (m_attached != nullptr)
        CWindowRouter::SetHandle(*m_attached, nullptr);
}
