// The program's resources: dialog templates, strings, icons and the version
// record, looked up by id like the resources linked into a Windows program.
// The program hands its module to the layer once, before any window exists.
#pragma once

#include "platform/window/DialogTemplate.h"

#include <span>

struct CStringResource {
    UINT id;
    const char* text; // UTF-8
};

// One icon in several sizes; each image is XPM data (header, colours, rows).
struct CIconResource {
    UINT id;
    std::span<const char* const* const> images;
};

struct CVersionString {
    const char* key; // "FileDescription", "InternalName", ...
    const char* value;
};

struct CVersionInfo {
    WORD fileVersion[4];
    WORD productVersion[4];
    WORD language; // 0x0411: Japanese
    WORD codePage; // 1200: Unicode
    std::span<const CVersionString> strings;
};

struct CResourceModule {
    std::span<const CDialogTemplate> dialogs;
    std::span<const CStringResource> strings;
    std::span<const CIconResource> icons; // the first is the application's icon
    const CVersionInfo* version;
    // The desktop entry that describes the program (its id without
    // ".desktop"), so that the desktop can tie windows to it.
    const char* desktopFileName;
};

void AfxSetResourceModule(const CResourceModule* module);
const CResourceModule* AfxGetResourceModule();

// Null when the module or the resource is missing.
const CDialogTemplate* AfxFindDialogTemplate(UINT id);
const char* AfxFindString(UINT id);
const CIconResource* AfxFindIcon(UINT id);
const char* AfxFindVersionString(const char* key);
