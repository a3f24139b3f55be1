#pragma once

#include <span>
#include <vector>

namespace vh {

// What decides whether and where a control stands in the focus cycle.
struct FocusCandidate {
    int focusOrder;
    bool focusStop;
    bool visible;
    bool enabled;
};

// The controls that take the focus by keyboard, as indices into `controls`
// (given in stored order): visible, enabled focus stops, by ascending
// focus-order number and, for equal numbers, the last stored first.
std::vector<int> ComputeFocusCycle(std::span<const FocusCandidate> controls);

enum class FocusDirection { Forward, Backward };

// The position in a cycle of `count` controls that the focus moves to from
// `current`, wrapping at either end; from outside the cycle (-1) forward goes
// to the first and backward to the last.
int StepFocus(int current, int count, FocusDirection direction);

}  // namespace vh
