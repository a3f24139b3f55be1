#include "focus_cycle.h"

#include <algorithm>

namespace vh {

std::vector<int> ComputeFocusCycle(std::span<const FocusCandidate> controls) {
    std::vector<int> cycle;
    for (int position = static_cast<int>(controls.size()) - 1; position >= 0; --position) {
        const FocusCandidate& control = controls[position];
        if (control.focusStop && control.visible && control.enabled) {
            cycle.push_back(position);
        }
    }
    // Walking backwards made ties come last-stored first; a stable sort keeps that.
    std::stable_sort(cycle.begin(), cycle.end(), [&](int left, int right) {
        return controls[left].focusOrder < controls[right].focusOrder;
    });
    return cycle;
}

int StepFocus(int current, int count, FocusDirection direction) {
    if (current < 0) {
        return direction == FocusDirection::Forward ? 0 : count - 1;
    }
    const int step = direction == FocusDirection::Forward ? 1 : count - 1;
    return (current + step) % count;
}

}  // namespace vh
