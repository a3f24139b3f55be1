#pragma once

// The shell's start, event loop and end.

#include "ui/event_delivery.h"
#include "ui/window_description.h"

#include <span>

namespace vh {

// Makes the program's folder the current directory, reads the window
// descriptions, ties their bindings to the handlers and connects to the
// windowing system. The first description is the start window's: a windowing
// system that cannot be reached is reported as that window failing to load.
void StartShell(std::span<const WindowDescription* const> descriptions,
                std::span<const NamedHandler> handlers);

// Routines that run once each, in order, when the program ends normally.
using EndRoutine = void (*)();
void RegisterEndRoutine(EndRoutine routine);

// Builds the window hidden with its controls, raises its created event, then
// its moved and resized events, and only then shows it.
void LoadStartWindow(WindowId window);

// Returns when the last window has closed, or at once if there is none.
void RunEventLoop();

// The orderly end: no handler runs from here on, the end routines run, and the
// windows and the connection to the windowing system are released. Copied text
// is handed to a clipboard manager, where one runs, before the connection goes.
void EndShell();

}  // namespace vh
