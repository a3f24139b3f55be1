#pragma once

#include "window_description.h"

namespace vh {

// The program's one window and the controls that its handlers name.
namespace main_window {
inline constexpr WindowId kId = 1375797249;
inline constexpr ControlId kEditBox1 = 369164290;  // 编辑框1, the local address
inline constexpr ControlId kEditBox2 = 369164291;  // 编辑框2, the proxy's port
inline constexpr ControlId kButton1 = 369164294;   // 按钮1, copies the proxy address
inline constexpr ControlId kEditBox3 = 369164295;  // 编辑框3, the certificate page
inline constexpr ControlId kButton2 = 369164297;   // 按钮2, copies the certificate page

const WindowDescription& Description();
}  // namespace main_window

}  // namespace vh
