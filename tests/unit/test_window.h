#pragma once

// A small window description of the tests' own, with handlers that record
// the order in which they run.

#include "ui/event_delivery.h"
#include "ui/window_description.h"

#include <string>
#include <vector>

namespace vh::test {

namespace test_window {
inline constexpr WindowId kId = 7001;
inline constexpr ControlId kBox = 71;
inline constexpr ControlId kOtherBox = 72;
inline constexpr ControlId kButton = 73;

const WindowDescription& Description();
}  // namespace test_window

// Every handler of the test window appends its name here.
std::vector<std::string>& HandlerLog();

// What the handler bound to the button's click runs, if set.
inline void (*onButtonClick)() = nullptr;

extern const NamedHandler kTestHandlers[5];

}  // namespace vh::test
