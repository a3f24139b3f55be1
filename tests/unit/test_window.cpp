#include "test_window.h"

namespace vh::test {
namespace {

void First() { HandlerLog().push_back("first"); }
void Second() { HandlerLog().push_back("second"); }
void Changed() { HandlerLog().push_back("changed"); }
void Clicked() {
    HandlerLog().push_back("clicked");
    if (onButtonClick != nullptr) {
        onButtonClick();
    }
}
void Created() { HandlerLog().push_back("created"); }

constexpr Flags kShown{.visible = true, .disabled = false, .focusStop = true};
constexpr EditBoxSettings kBoxSettings{"start", {0, 0, 0}, {255, 255, 255}};

// The window's own events: two bindings for one event, the first must win;
// a binding without a handler; the created event.
constexpr EventBinding kWindowBindings[] = {
    {window_event::kMoved, "First"},
    {window_event::kMoved, "Second"},
    {window_event::kResized, ""},
    {window_event::kCreated, "Created"},
};
constexpr EventBinding kBoxBindings[] = {{edit_box_event::kContentChanged, "Changed"}};
constexpr EventBinding kButtonBindings[] = {{button_event::kClicked, "Clicked"}};

constexpr Entry kControls[] = {
    {ControlKind::Button,
     "按钮",
     test_window::kButton,
     {70, 8, 50, 30},
     kShown,
     0,
     "button tag",
     ButtonSettings{"按"},
     kButtonBindings},
    {ControlKind::EditBox,
     "另一个编辑框",
     test_window::kOtherBox,
     {8, 40, 60, 30},
     kShown,
     0,
     "",
     kBoxSettings,
     {}},
    {ControlKind::EditBox,
     "编辑框",
     test_window::kBox,
     {8, 8, 60, 30},
     kShown,
     0,
     "",
     kBoxSettings,
     kBoxBindings},
};

constexpr WindowDescription kWindow{
    test_window::kId,
    {ControlKind::Window,
     "",
     7000,
     {0, 0, 200, 100},
     {.visible = true, .disabled = false, .focusStop = false},
     0,
     "window tag",
     WindowSettings{"测试", true},
     kWindowBindings},
    kControls,
};

}  // namespace

const WindowDescription& test_window::Description() { return kWindow; }

std::vector<std::string>& HandlerLog() {
    static std::vector<std::string> log;
    return log;
}

const NamedHandler kTestHandlers[5] = {
    {"First", &First},     {"Second", &Second},   {"Changed", &Changed},
    {"Clicked", &Clicked}, {"Created", &Created},
};

}  // namespace vh::test
