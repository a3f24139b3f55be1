#include "shell.h"

#include "fatal_error_box.h"
#include "ui/fatal_error.h"
#include "ui/shell_window.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

// The icon is compiled into this static library; naming its resources keeps
// them linked. The macro must stand outside any namespace.
static void InitProgramResources() { Q_INIT_RESOURCE(vellaro_helper); }

namespace vh {
namespace {

std::unique_ptr<QApplication> application;
std::vector<EndRoutine> endRoutines;
WindowId startWindow = kNoWindow;
bool shellEnded = false;

// The toolkit gets a command line of its own: options such as -platform or
// -style on the program's command line must change nothing.
int toolkitArgc = 1;
char toolkitProgramName[] = "vellaro-helper";
char* toolkitArgv[] = {toolkitProgramName, nullptr};

void EnterProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        // A folder that cannot be entered leaves the current one; nothing of
        // the program depends on it.
        std::filesystem::current_path(program.parent_path(), error);
    }
}

// The toolkit ends the process on a fatal message, for example when it cannot
// reach the windowing system; the program reports it as its own fatal error.
void ReportToolkitFailure(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        ReportFatalError("载入启动窗口失败", startWindow);
    }
    qt_message_output(type, context, message);
}

// The toolkit calls exit() when it loses the windowing system, for example when
// the X server dies, from inside its own event loop. exit() would then destroy
// the running application object and crash; the process ends at once instead,
// as after any other fatal failure. The toolkit has said what happened.
void EndAbruptlyUnlessTheShellEnded() {
    if (!shellEnded) {
        std::_Exit(kFatalExitCode);
    }
}

}  // namespace

void StartShell(std::span<const WindowDescription* const> descriptions,
                std::span<const NamedHandler> handlers) {
    EnterProgramFolder();
    LoadDescriptions(descriptions, handlers);
    startWindow = descriptions.empty() ? kNoWindow : descriptions.front()->id;

    qInstallMessageHandler(&ReportToolkitFailure);
    application = std::make_unique<QApplication>(toolkitArgc, toolkitArgv);
    qInstallMessageHandler(nullptr);
    std::atexit(&EndAbruptlyUnlessTheShellEnded);

    UseFatalReportPresenter(&ShowFatalErrorBox);
    InitProgramResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellaro-helper/icon.png")));
    // Ties the window to its desktop entry, for task bars and Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(VH_APP_ID));
}

void RegisterEndRoutine(EndRoutine routine) {
    if (std::find(endRoutines.begin(), endRoutines.end(), routine) == endRoutines.end()) {
        endRoutines.push_back(routine);
    }
}

void LoadStartWindow(WindowId window) {
    const WindowDescription* description = FindDescription(window);
    if (description == nullptr) {
        ReportFatalError("载入启动窗口失败", window);
    }
    SuppressEvents();
    // The window owns itself: it is deleted when it closes.
    new ShellWindow(*description);
    ResumeEvents();

    RaiseEvent(window, kNoControl, window_event::kCreated);
    if (ShellWindow::Find(window) != nullptr) {
        RaiseEvent(window, kNoControl, window_event::kMoved);
    }
    if (ShellWindow::Find(window) != nullptr) {
        RaiseEvent(window, kNoControl, window_event::kResized);
    }
    ShellWindow* built = ShellWindow::Find(window);
    if (built != nullptr && description->window.flags.visible) {
        built->ShowAndActivate();
    }
}

void RunEventLoop() {
    if (!ShellWindow::AnyExists()) {
        return;
    }
    QApplication::exec();
}

void EndShell() {
    SuppressEvents();
    for (EndRoutine routine : endRoutines) {
        routine();
    }
    endRoutines.clear();
    ShellWindow::DestroyAll();
    UnloadDescriptions();
    application.reset();
    shellEnded = true;
}

}  // namespace vh
