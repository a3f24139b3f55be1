#pragma once

// Delivery of the windows' events to the handlers that their descriptions bind.

#include "window_description.h"

#include <span>
#include <string_view>

namespace vh {

// Handlers take nothing, return nothing and keep no state.
using Handler = void (*)();

struct NamedHandler {
    std::string_view key;
    Handler handler;
};

// Makes the descriptions the program's windows and ties every binding key to
// its handler. A key that names no handler means the descriptions cannot be
// read, which is fatal.
void LoadDescriptions(std::span<const WindowDescription* const> descriptions,
                      std::span<const NamedHandler> handlers);
void UnloadDescriptions();

// The description of one of the program's windows, or null.
const WindowDescription* FindDescription(WindowId window);

// Runs the first handler bound to `event` of the window's own entry (control
// kNoControl) or of one of its controls, unless events are suppressed. Returns
// whether a handler ran. A window or control that the program does not have
// is fatal.
bool RaiseEvent(WindowId window, ControlId control, EventNumber event);

// While suppressed, every raised event is discarded, not held back. The end of
// the program suppresses events without resuming them, so that no handler runs
// while it ends.
void SuppressEvents();
void ResumeEvents();

}  // namespace vh
