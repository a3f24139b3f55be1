#pragma once

// The one report of an unrecoverable error.

#include "window_description.h"

#include <string>
#include <string_view>

namespace vh {

// The exit code after a fatal error; the system shows it as 255.
inline constexpr int kFatalExitCode = -1;

// Shows the report and ends the process with kFatalExitCode. From its start no
// handler runs, and no end routine runs afterwards.
[[noreturn]] void ReportFatalError(std::string_view message, WindowId window = kNoWindow,
                                   ControlId control = kNoControl);

// The report's text, lines ended by CR LF. The tag lines come from the
// program's window descriptions.
std::string ComposeFatalReport(std::string_view message, WindowId window, ControlId control);

// Shows a composed report and returns once the user has dismissed it. Until a
// presenter is installed, the report goes to standard error.
using FatalReportPresenter = void (*)(const std::string& report);
void UseFatalReportPresenter(FatalReportPresenter presenter);
void WriteFatalReportToStandardError(const std::string& report);

}  // namespace vh
