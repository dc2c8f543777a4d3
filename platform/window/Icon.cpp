#include "Icon.h"

#include "platform/window/Resources.h"
#include "qt/WindowHandle.h"

#include <QGuiApplication>
#include <QPixmap>

#include <map>
#include <memory>

namespace {

std::map<UINT, std::unique_ptr<CIconHandle>>& IconCache()
{
    static std::map<UINT, std::unique_ptr<CIconHandle>> s_cache;
    return s_cache;
}

// Pixmaps must go before the application object does.
void ClearIconCache()
{
    IconCache().clear();
}

} // namespace

HICON AfxLoadIcon(UINT id)
{
    if (QGuiApplication::instance() == nullptr)
        return nullptr;
    auto& cache = IconCache();
    if (const auto found = cache.find(id); found != cache.end())
        return found->second.get();
    const CIconResource* resource = AfxFindIcon(id);
    if (resource == nullptr)
        return nullptr;
    auto icon = std::make_unique<CIconHandle>();
    for (const char* const* image : resource->m_images)
        icon->m_icon.addPixmap(QPixmap(image));
    if (cache.empty())
        qAddPostRoutine(ClearIconCache);
    return cache.emplace(id, std::move(icon)).first->second.get();
}
