#include "ui/focus_cycle.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vh {
namespace {

struct CycleCase {
    const char* name;
    friend void PrintTo(const CycleCase& value, std::ostream* out) { *out << value.name; }
    std::vector<FocusCandidate> controls;  // in stored order
    std::vector<int> cycle;
};

constexpr FocusCandidate Stop(int order) { return {order, true, true, true}; }

class FocusCycleTest : public testing::TestWithParam<CycleCase> {};

TEST_P(FocusCycleTest, FollowsNumbersThenTheLastStoredFirst) {
    EXPECT_EQ(ComputeFocusCycle(GetParam().controls), GetParam().cycle);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FocusCycleTest,
    testing::Values(CycleCase{"EqualNumbersGoFromTheLastStored",
                              {Stop(0), Stop(0), Stop(0), Stop(0), Stop(0)},
                              {4, 3, 2, 1, 0}},
                    CycleCase{"LowerNumbersComeFirst", {Stop(2), Stop(0), Stop(1)}, {1, 2, 0}},
                    CycleCase{"NegativeNumbersBeforeZero", {Stop(0), Stop(-3), Stop(0)}, {1, 2, 0}},
                    CycleCase{"HiddenDisabledAndNonStopsAreLeftOut",
                              {Stop(0),
                               {0, true, false, true},
                               {0, true, true, false},
                               {0, false, true, true},
                               Stop(0)},
                              {4, 0}},
                    CycleCase{"NothingToFocus", {{0, false, true, true}}, {}}),
    [](const testing::TestParamInfo<CycleCase>& info) { return info.param.name; });

struct StepCase {
    int current;
    int count;
    FocusDirection direction;
    int next;
};

class StepFocusTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepFocusTest, WrapsAtBothEnds) {
    const StepCase& step = GetParam();
    EXPECT_EQ(StepFocus(step.current, step.count, step.direction), step.next);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepFocusTest,
                         testing::Values(StepCase{0, 5, FocusDirection::Forward, 1},
                                         StepCase{4, 5, FocusDirection::Forward, 0},
                                         StepCase{0, 5, FocusDirection::Backward, 4},
                                         StepCase{3, 5, FocusDirection::Backward, 2},
                                         StepCase{-1, 5, FocusDirection::Forward, 0},
                                         StepCase{-1, 5, FocusDirection::Backward, 4},
                                         StepCase{0, 1, FocusDirection::Forward, 0}));

}  // namespace
}  // namespace vh
