#include "fatal_error.h"

#include "event_delivery.h"

#include <cstdio>
#include <cstdlib>

namespace vh {
namespace {

FatalReportPresenter presenter = &WriteFatalReportToStandardError;

constexpr std::string_view kLineBreak = "\r\n";

std::string Quoted(std::string_view tag) {
    std::string line = "\"";
    line += tag;
    line += "\"";
    return line;
}

}  // namespace

std::string ComposeFatalReport(std::string_view message, WindowId window, ControlId control) {
    std::string report = "运行时出错!";
    report += kLineBreak;
    report += kLineBreak;
    report += "错误信息：";
    report += message;
    report += kLineBreak;
    report += kLineBreak;
    report += std::to_string(static_cast<std::int32_t>(window)) + ", " +
              std::to_string(static_cast<std::int32_t>(control));
    if (window != kNoWindow) {
        report += kLineBreak;
        const WindowDescription* description = FindDescription(window);
        if (description == nullptr) {
            report += "未找到所指定的窗口";
        } else {
            report += Quoted(description->window.tag);
            report += kLineBreak;
            if (control == kNoControl) {
                report += Quoted(description->window.tag);
            } else if (const Entry* entry = description->FindControl(control)) {
                report += Quoted(entry->tag);
            } else {
                report += "未找到所指定的窗口组件";
            }
        }
    }
    report += kLineBreak;
    return report;
}

void UseFatalReportPresenter(FatalReportPresenter newPresenter) { presenter = newPresenter; }

void WriteFatalReportToStandardError(const std::string& report) {
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::fflush(stderr);
}

void ReportFatalError(std::string_view message, WindowId window, ControlId control) {
    SuppressEvents();
    presenter(ComposeFatalReport(message, window, control));
    // _Exit skips the end routines and every destructor: after a fatal error
    // nothing of the program runs again.
    std::_Exit(kFatalExitCode);
}

}  // namespace vh
