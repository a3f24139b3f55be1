#include "main_window_description.h"

namespace vh::main_window {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Flags kShownFocusStop{.visible = true, .disabled = false, .focusStop = true};

constexpr EventBinding kWindowBindings[] = {{window_event::kCreated, "HandleWindowCreated"}};
constexpr EventBinding kButton1Bindings[] = {{button_event::kClicked, "HandleCopyAddressClick"}};
constexpr EventBinding kButton2Bindings[] = {{button_event::kClicked, "HandleCopyUrlClick"}};

constexpr EditBoxSettings EditBox(std::string_view initialText) {
    return {initialText, kBlack, kWhite};
}

// Stored order: the first entry is on top of its siblings.
constexpr Entry kControls[] = {
    {ControlKind::EditBox,
     "编辑框3",
     kEditBox3,
     {8, 44, 128, 32},
     kShownFocusStop,
     0,
     "",
     EditBox("http://vellaro.cert/ssl"),
     {}},
    {ControlKind::Button,
     "按钮2",
     kButton2,
     {136, 44, 56, 32},
     kShownFocusStop,
     0,
     "",
     ButtonSettings{"复制网址"},
     kButton2Bindings},
    {ControlKind::Button,
     "按钮1",
     kButton1,
     {136, 8, 56, 32},
     kShownFocusStop,
     0,
     "",
     ButtonSettings{"复制地址"},
     kButton1Bindings},
    {ControlKind::EditBox,
     "编辑框2",
     kEditBox2,
     {95, 8, 41, 32},
     kShownFocusStop,
     0,
     "",
     EditBox("8888"),
     {}},
    {ControlKind::EditBox,
     "编辑框1",
     kEditBox1,
     {8, 8, 88, 32},
     kShownFocusStop,
     0,
     "",
     EditBox(""),
     {}},
};

// The stored left and top are not used: the window is centred on the screen.
constexpr WindowDescription kMainWindow{
    kId,
    {ControlKind::Window,
     "",
     100728832,
     {50, 50, 209, 109},
     {.visible = true, .disabled = false, .focusStop = false},
     0,
     "",
     WindowSettings{.title = "Vellaro助手", .escClosesWindow = true},
     kWindowBindings},
    kControls,
};

}  // namespace

const WindowDescription& Description() { return kMainWindow; }

}  // namespace vh::main_window
