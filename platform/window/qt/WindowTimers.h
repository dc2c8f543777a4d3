// The timers of one window: the program's ids mapped to the toolkit's timers
// of the object that receives them. Internal to the window layer.
#pragma once

#include "platform/window/WinTypes.h"

#include <optional>
#include <vector>

class QObject;

class CWindowTimers {
public:
    explicit CWindowTimers(QObject& receiver) : m_receiver(receiver) {}
    CWindowTimers(const CWindowTimers&) = delete;
    CWindowTimers& operator=(const CWindowTimers&) = delete;

    // Starts or restarts timer id; 0 when the toolkit refused it.
    UINT_PTR Set(UINT_PTR id, UINT elapse);
    bool Kill(UINT_PTR id);
    UINT Elapse(UINT_PTR id) const;
    // The program's id of the toolkit's timer, when it is one of these.
    std::optional<UINT_PTR> Find(int toolkitId) const;

private:
    struct CEntry {
        UINT_PTR m_id;
        int m_toolkitId;
        UINT m_elapse;
    };

    QObject& m_receiver;
    std::vector<CEntry> m_entries;
};
