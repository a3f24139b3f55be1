#pragma once

#include "ui/event_delivery.h"
#include "ui/window_description.h"

#include <span>

namespace vh {

// The program's start procedure: starts the shell, loads the main window and
// runs the event loop until it closes. Always returns 0.
int ProgramMain();

// The program's window descriptions, the start window first, and the handlers
// that their binding keys name.
std::span<const WindowDescription* const> ProgramDescriptions();
std::span<const NamedHandler> ProgramHandlers();

}  // namespace vh
