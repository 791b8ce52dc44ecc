#pragma once

#include <functional>

namespace rewrix::engine {

// Called by an engine step at its yield points, before a shuffle and before
// the synonym loop. The window binds it to processing its pending events;
// an empty hook (the command line's) does nothing.
using YieldHook = std::function<void()>;

inline void CallYield(const YieldHook& hook) {
    if (hook) {
        hook();
    }
}

} // namespace rewrix::engine
