// The program's resources: dialog templates, strings, icons and the version
// record, looked up by id like the resources linked into a Windows program.
// The program hands its module to the layer once, before any window exists.
#pragma once

#include "platform/window/DialogTemplate.h"

#include <span>
#include <string>

struct CStringResource {
    UINT m_id;
    const char* m_text; // UTF-8
};

// One icon in several sizes; each image is XPM data (header, colours, rows).
struct CIconResource {
    UINT m_id;
    std::span<const char* const* const> m_images;
};

struct CVersionString {
    const char* m_key; // "FileDescription", "InternalName", ...
    const char* m_value;
};

struct CVersionInfo {
    WORD m_fileVersion[4];
    WORD m_productVersion[4];
    WORD m_language; // 0x0411: Japanese
    WORD m_codePage; // 1200: Unicode
    std::span<const CVersionString> m_strings;
};

struct CResourceModule {
    std::span<const CDialogTemplate> m_dialogs;
    std::span<const CStringResource> m_strings;
    std::span<const CIconResource> m_icons; // the first is the application's icon
    const CVersionInfo* m_version;
    // The desktop entry that describes the program (its id without
    // ".desktop"), so that the desktop can tie windows to it.
    const char* m_desktopFileName;
};

void AfxSetResourceModule(const CResourceModule* module);
const CResourceModule* AfxGetResourceModule();

// Null when the module or the resource is missing.
const CDialogTemplate* AfxFindDialogTemplate(UINT id);
const char* AfxFindString(UINT id);
const CIconResource* AfxFindIcon(UINT id);
const char* AfxFindVersionString(const char* key);

// The file version as "a.b.c.d", as --version and the toolkit show it.
std::string FileVersionText(const CVersionInfo& version);
