#include "WindowTimers.h"

#include <QObject>

#include <algorithm>

namespace {

// Shorter periods are raised to this, as window timers are.
constexpr UINT MINIMUM_ELAPSE = 10;

} // namespace

UINT_PTR CWindowTimers::Set(UINT_PTR id, UINT elapse)
{
    Kill(id);
    const int period = static_cast<int>(std::clamp<UINT>(elapse, MINIMUM_ELAPSE, 0x7FFFFFFF));
    const int toolkitId = m_receiver.startTimer(period);
    if (toolkitId == 0)
        return 0;
    m_entries.push_back(CEntry{id, toolkitId, static_cast<UINT>(period)});
    return id;
}

bool CWindowTimers::Kill(UINT_PTR id)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [id](const CEntry& e) { return e.m_id == id; });
    if (it == m_entries.end())
        return false;
    m_receiver.killTimer(it->m_toolkitId);
    m_entries.erase(it);
    return true;
}

UINT CWindowTimers::Elapse(UINT_PTR id) const
{
    for (const CEntry& entry : m_entries) {
        if (entry.m_id == id)
            return entry.m_elapse;
    }
    return 0;
}

std::optional<UINT_PTR> CWindowTimers::Find(int toolkitId) const
{
    for (const CEntry& entry : m_entries) {
        if (entry.m_toolkitId == toolkitId)
            return entry.m_id;
    }
    return std::nullopt;
}
