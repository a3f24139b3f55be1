// The cost of one copy click on a 1 MiB text, in process on a real X server:
// reading the box, joining, and putting the text on the clipboard.

#include "app/program_main.h"
#include "app/shell.h"
#include "tools/handlers.h"
#include "ui/control_text.h"
#include "ui/edit_box.h"
#include "ui/main_window_description.h"
#include "ui/shell_window.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 50;

template <typename Action>
double MedianMilliseconds(Action action) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        action();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vh::LoadDescriptions(vh::ProgramDescriptions(), vh::ProgramHandlers());
    vh::LoadStartWindow(vh::main_window::kId);
    vh::ShellWindow* window = vh::ShellWindow::Find(vh::main_window::kId);
    const QString mebibyte(1 << 20, QLatin1Char('u'));
    window->FindEditBox(vh::main_window::kEditBox3)->ReplaceText(mebibyte);
    window->FindEditBox(vh::main_window::kEditBox2)->ReplaceText(mebibyte);

    std::printf("read_control_text_1mib_ms %.3f\n", MedianMilliseconds([] {
                    (void)vh::ReadControlText(vh::main_window::kId, vh::main_window::kEditBox3);
                }));
    std::printf("copy_url_click_1mib_ms %.3f\n", MedianMilliseconds(&vh::HandleCopyUrlClick));
    std::printf("copy_address_click_1mib_ms %.3f\n",
                MedianMilliseconds(&vh::HandleCopyAddressClick));
    vh::ShellWindow::DestroyAll();
    return 0;
}
