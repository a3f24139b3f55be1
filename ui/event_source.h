#pragma once

#include "event_delivery.h"

namespace vh {

// Names the window and control whose notifications a widget forwards.
struct EventSource {
    WindowId window;
    ControlId control;

    void Raise(EventNumber event) const { RaiseEvent(window, control, event); }
};

}  // namespace vh
