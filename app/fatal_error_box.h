#pragma once

#include <string>

namespace vh {

// Shows the fatal error report in a modal box titled "错误" with the stop icon
// and a single OK button, and returns once the user has dismissed it.
void ShowFatalErrorBox(const std::string& report);

}  // namespace vh
