#include "Resources.h"

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
        for (const CDialogTemplate& dialog : module->dialogs) {
            if (dialog.id == id)
                return &dialog;
        }
    }
    return nullptr;
}

const char* AfxFindString(UINT id)
{
    if (const CResourceModule* module = AfxGetResourceModule()) {
        for (const CStringResource& entry : module->strings) {
            if (entry.id == id)
                return entry.text;
        }
    }
    return nullptr;
}

const CIconResource* AfxFindIcon(UINT id)
{
    if (const CResourceModule* module = AfxGetResourceModule()) {
        for (const CIconResource& icon : module->icons) {
            if (icon.id == id)
                return &icon;
        }
    }
    return nullptr;
}

const char* AfxFindVersionString(const char* key)
{
    const CResourceModule* module = AfxGetResourceModule();
    if (module == nullptr || module->version == nullptr || key == nullptr)
        return nullptr;
    for (const CVersionString& entry : module->version->strings) {
        if (std::strcmp(entry.key, key) == 0)
            return entry.value;
    }
    return nullptr;
}
