#include "program_main.h"

#include "shell.h"
#include "tools/handlers.h"
#include "ui/main_window_description.h"

namespace vh {
namespace {

// The program keeps no global data: there is nothing to set up at start and
// nothing to release at the end. The end routine is still registered, so that
// anything added here is released on a normal end and never after a fatal error.
void InitGlobals() {}
void CleanUpGlobals() {}

const NamedHandler kHandlers[] = {
    {"HandleWindowCreated", &HandleWindowCreated},
    {"HandleCopyAddressClick", &HandleCopyAddressClick},
    {"HandleCopyUrlClick", &HandleCopyUrlClick},
};

const WindowDescription* const kDescriptions[] = {&main_window::Description()};

}  // namespace

std::span<const WindowDescription* const> ProgramDescriptions() { return kDescriptions; }

std::span<const NamedHandler> ProgramHandlers() { return kHandlers; }

int ProgramMain() {
    StartShell(kDescriptions, kHandlers);
    InitGlobals();
    RegisterEndRoutine(&CleanUpGlobals);
    LoadStartWindow(main_window::kId);
    RunEventLoop();
    return 0;
}

}  // namespace vh
