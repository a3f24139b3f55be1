#pragma once

// The constant description from which a window and its controls are built.
// Everything the window shows and does at start comes from here; the shell
// only walks the table.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace vh {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

inline constexpr WindowId kNoWindow = 0;
inline constexpr ControlId kNoControl = 0;

enum class ControlKind { Window, EditBox, Button };

// Event numbers are defined per kind of control.
using EventNumber = int;

namespace window_event {
inline constexpr EventNumber kCreated = 0;
inline constexpr EventNumber kCloseQuery = 1;
inline constexpr EventNumber kDestroyed = 2;
inline constexpr EventNumber kMoved = 3;
inline constexpr EventNumber kResized = 4;
inline constexpr EventNumber kIdle = 7;
inline constexpr EventNumber kClosing = 12;
}  // namespace window_event

namespace button_event {
inline constexpr EventNumber kClicked = 0;
}

namespace edit_box_event {
inline constexpr EventNumber kContentChanged = 0;
}

// Shared by buttons and edit boxes.
namespace control_event {
inline constexpr EventNumber kGotFocus = -7;
inline constexpr EventNumber kLostFocus = -8;
}  // namespace control_event

// A binding names its handler by key; the keys are tied to functions when the
// shell starts. An empty key is a binding without a handler.
struct EventBinding {
    EventNumber event;
    std::string_view handlerKey;
};

// Pixels. A control's place is relative to its window's client area; the
// window's width and height are its outer size, frame included.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

struct Flags {
    bool visible;
    bool disabled;
    bool focusStop;
};

struct Rgb {
    int red;
    int green;
    int blue;
};

// Enter never moves the focus and F1 opens no help: neither has a setting.
struct WindowSettings {
    std::string_view title;
    bool escClosesWindow;
};

struct EditBoxSettings {
    std::string_view initialText;
    Rgb textColour;
    Rgb backgroundColour;
};

struct ButtonSettings {
    std::string_view caption;
};

using Settings = std::variant<WindowSettings, EditBoxSettings, ButtonSettings>;

struct Entry {
    ControlKind kind;
    std::string_view name;
    std::uint32_t id;
    Place place;
    Flags flags;
    int focusOrder;
    std::string_view tag;
    Settings settings;
    std::span<const EventBinding> bindings;
};

// The window's own entry carries its settings and the bindings of the window's
// own events. `controls` are in stored order, which is also their stacking
// order from top to bottom.
struct WindowDescription {
    WindowId id;
    Entry window;
    std::span<const Entry> controls;

    const Entry* FindControl(ControlId control) const {
        for (const Entry& entry : controls) {
            if (entry.id == control) {
                return &entry;
            }
        }
        return nullptr;
    }
};

}  // namespace vh
