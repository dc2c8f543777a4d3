// TorvalyPuzzle's resources: the two dialogs, the string table, the icon and
// the version record.
#pragma once

#include "platform/window/Resources.h"

// The desktop's name for the program: its desktop entry, metainfo and icon
// are installed under this id.
#define TORVALY_APP_ID "io.github.torvalypuzzle.TorvalyPuzzle"

const CResourceModule& TorvalyPuzzleResources();
