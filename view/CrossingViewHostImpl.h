// The crossing view host's inside, for the view's test access.
#pragma once

#include "CrossingViewHost.h"
#include "CrossingViewWindow.h"
#include "ReplayTrack.h"

#include <QPointer>

struct CCrossingViewHost::CImpl {
    StepShown m_stepShown;
    CReplayTrack m_track;
    // Made on first opening; it goes with its owner.
    QPointer<CCrossingViewWindow> m_window;
};

CCrossingViewHost::CImpl& CrossingViewHostImpl(const CCrossingViewHost& host);
