// Icons of the resource module.
#pragma once

#include "platform/window/WinTypes.h"

// The sizes of a big and a small icon in pixels.
inline constexpr int ICON_SIZE = 32;
inline constexpr int SMALL_ICON_SIZE = 16;

// Loads icon id once and hands out the same handle afterwards, until the
// application object goes. Null when there is no such icon or no
// application object yet.
HICON AfxLoadIcon(UINT id);
