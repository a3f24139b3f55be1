#include "control_text.h"

#include "edit_box.h"
#include "event_delivery.h"
#include "fatal_error.h"
#include "shell_window.h"

#include <cstring>
#include <string_view>

namespace vh {
namespace {

// The box that a text service names; a window that the program does not have,
// or a box that is not on screen, is fatal.
EditBox& AccessEditBox(WindowId window, ControlId control, std::string_view notLoadedMessage) {
    if (FindDescription(window) == nullptr) {
        ReportFatalError("未载入欲访问窗口组件所在的窗口", window, control);
    }
    const ShellWindow* live = ShellWindow::Find(window);
    EditBox* box = live != nullptr ? live->FindEditBox(control) : nullptr;
    if (box == nullptr) {
        ReportFatalError(notLoadedMessage, window, control);
    }
    return *box;
}

}  // namespace

OwnedText ReadControlText(WindowId window, ControlId control) {
    const EditBox& box = AccessEditBox(window, control, "读取组件属性时发现指定窗口尚未载入");
    const QByteArray bytes = box.textLine()->text().toUtf8();
    if (bytes.isEmpty()) {
        return nullptr;
    }
    OwnedText copy = AllocateText(static_cast<std::size_t>(bytes.size()) + 1);
    std::memcpy(copy.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()) + 1);
    return copy;
}

void WriteControlText(WindowId window, ControlId control, const char* text) {
    EditBox& box = AccessEditBox(window, control, "修改组件属性时发现指定窗口尚未载入");
    box.ReplaceText(QString::fromUtf8(text != nullptr ? text : kEmptyText));
    RaiseEvent(window, control, edit_box_event::kContentChanged);
}

}  // namespace vh
