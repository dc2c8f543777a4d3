#include "Resources.h"

#include "platform/VersionText.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<const CResourceModule*> g_module{nullptr};

} // namespace

void AfxSetResourceModule(const CResourceModule* module)
{
    g_module.store(module);
}

const CResourceModule* AfxGetResourceModule()
{
    return g_module.load();
}

const CDialogTemplate* AfxFindDialogTemplate(UINT id)
{
    if (const CResourceModule* module = AfxGetResourceModule()) {
        for (const CDialogTemplate& dialog : module->m_dialogs) {
            if (dialog.m_id == id)
                return &dialog;
        }
    }
    return nullptr;
}

const char* AfxFindString(UINT id)
{
    if (const CResourceModule* module = AfxGetResourceModule()) {
        for (const CStringResource& entry : module->m_strings) {
            if (entry.m_id == id)
                return entry.m_text;
        }
    }
    return nullptr;
}

const CIconResource* AfxFindIcon(UINT id)
{
    if (const CResourceModule* module = AfxGetResourceModule()) {
        for (const CIconResource& icon : module->m_icons) {
            if (icon.m_id == id)
                return &icon;
        }
    }
    return nullptr;
}

const char* AfxFindVersionString(const char* key)
{
    const CResourceModule* module = AfxGetResourceModule();
    if (module == nullptr || module->m_version == nullptr || key == nullptr)
        return nullptr;
    for (const CVersionString& entry : module->m_version->m_strings) {
        if (std::strcmp(entry.m_key, key) == 0)
            return entry.m_value;
    }
    return nullptr;
}

std::string FileVersionText(const CVersionInfo& version)
{
    const WORD* v = version.m_fileVersion;
    return DottedVersion(v[0], v[1], v[2], v[3]);
}
