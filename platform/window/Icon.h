// Icons of the resource module.
#pragma once

#include "platform/window/WinTypes.h"

// The size of a big icon in pixels.
inline constexpr int ICON_SIZE = 32;

// Loads icon id once and hands out the same handle afterwards, until the
// application object goes. Null when there is no such icon or no
// application object yet.
HICON AfxLoadIcon(UINT id);
