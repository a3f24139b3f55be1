#include "event_delivery.h"

#include "fatal_error.h"

#include <map>
#include <utility>
#include <vector>

namespace vh {
namespace {

struct TiedBinding {
    EventNumber event;
    Handler handler;  // null for a binding without a handler
};

struct LoadedWindow {
    const WindowDescription* description;
    // Keyed by control; the window's own bindings are under kNoControl.
    std::map<ControlId, std::vector<TiedBinding>> bindings;
};

std::vector<LoadedWindow> loadedWindows;
int suppressionCount = 0;

std::vector<TiedBinding> Tie(std::span<const EventBinding> bindings,
                             std::span<const NamedHandler> handlers) {
    std::vector<TiedBinding> tied;
    for (const EventBinding& binding : bindings) {
        Handler handler = nullptr;
        if (!binding.handlerKey.empty()) {
            for (const NamedHandler& named : handlers) {
                if (named.key == binding.handlerKey) {
                    handler = named.handler;
                    break;
                }
            }
            if (handler == nullptr) {
                ReportFatalError("载入窗口模板数据段出错!");
            }
        }
        tied.push_back({binding.event, handler});
    }
    return tied;
}

const LoadedWindow* FindLoaded(WindowId window) {
    for (const LoadedWindow& loaded : loadedWindows) {
        if (loaded.description->id == window) {
            return &loaded;
        }
    }
    return nullptr;
}

}  // namespace

void LoadDescriptions(std::span<const WindowDescription* const> descriptions,
                      std::span<const NamedHandler> handlers) {
    std::vector<LoadedWindow> loaded;
    for (const WindowDescription* description : descriptions) {
        LoadedWindow window{description, {}};
        window.bindings[kNoControl] = Tie(description->window.bindings, handlers);
        for (const Entry& control : description->controls) {
            window.bindings[control.id] = Tie(control.bindings, handlers);
        }
        loaded.push_back(std::move(window));
    }
    loadedWindows = std::move(loaded);
}

void UnloadDescriptions() { loadedWindows.clear(); }

const WindowDescription* FindDescription(WindowId window) {
    const LoadedWindow* loaded = FindLoaded(window);
    return loaded != nullptr ? loaded->description : nullptr;
}

bool RaiseEvent(WindowId window, ControlId control, EventNumber event) {
    if (suppressionCount > 0) {
        return false;
    }
    const LoadedWindow* loaded = FindLoaded(window);
    if (loaded == nullptr) {
        ReportFatalError("未找到引发事件的窗口", window, control);
    }
    const auto bindings = loaded->bindings.find(control);
    if (bindings == loaded->bindings.end()) {
        ReportFatalError("未找到引发事件的窗口组件", window, control);
    }
    for (const TiedBinding& binding : bindings->second) {
        if (binding.event == event) {
            if (binding.handler == nullptr) {
                return false;
            }
            // Nested events that the handler causes are delivered at once, inside it.
            binding.handler();
            return true;
        }
    }
    return false;
}

void SuppressEvents() { ++suppressionCount; }

void ResumeEvents() {
    if (suppressionCount > 0) {
        --suppressionCount;
    }
}

}  // namespace vh
