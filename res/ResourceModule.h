// TorvalyPuzzle's resources: the two dialogs, the string table, the icon and
// the version record.
#pragma once

#include "platform/window/Resources.h"

const CResourceModule& TorvalyPuzzleResources();
