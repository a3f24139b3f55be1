#include "tests/unit/test_window.h"
#include "ui/event_delivery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vh {
namespace {

using testing::HasSubstr;
using Log = std::vector<std::string>;
namespace tw = test::test_window;

class EventDeliveryTest : public testing::Test {
protected:
    void SetUp() override {
        const WindowDescription* descriptions[] = {&tw::Description()};
        LoadDescriptions(descriptions, test::kTestHandlers);
        test::HandlerLog().clear();
        test::onButtonClick = nullptr;
    }
    void TearDown() override { UnloadDescriptions(); }
};

TEST_F(EventDeliveryTest, TheFirstMatchingBindingWins) {
    EXPECT_TRUE(RaiseEvent(tw::kId, kNoControl, window_event::kMoved));
    EXPECT_EQ(test::HandlerLog(), Log{"first"});
}

TEST_F(EventDeliveryTest, AnEventWithoutAHandlerHasNoEffect) {
    EXPECT_FALSE(RaiseEvent(tw::kId, kNoControl, window_event::kResized));  // bound to none
    EXPECT_FALSE(RaiseEvent(tw::kId, kNoControl, window_event::kIdle));     // not bound
    EXPECT_FALSE(RaiseEvent(tw::kId, tw::kOtherBox, edit_box_event::kContentChanged));
    EXPECT_TRUE(test::HandlerLog().empty());
}

TEST_F(EventDeliveryTest, SuppressedEventsAreDroppedNotHeldBack) {
    SuppressEvents();
    SuppressEvents();
    EXPECT_FALSE(RaiseEvent(tw::kId, tw::kButton, button_event::kClicked));
    ResumeEvents();
    EXPECT_FALSE(RaiseEvent(tw::kId, tw::kButton, button_event::kClicked));
    ResumeEvents();
    EXPECT_TRUE(test::HandlerLog().empty());

    EXPECT_TRUE(RaiseEvent(tw::kId, tw::kButton, button_event::kClicked));
    EXPECT_EQ(test::HandlerLog(), Log{"clicked"});
}

TEST_F(EventDeliveryTest, ResumingWithoutSuppressionLeavesTheCountAtZero) {
    ResumeEvents();
    SuppressEvents();
    EXPECT_FALSE(RaiseEvent(tw::kId, tw::kButton, button_event::kClicked));
    ResumeEvents();
    EXPECT_TRUE(RaiseEvent(tw::kId, tw::kButton, button_event::kClicked));
}

TEST_F(EventDeliveryTest, AnEventRaisedInsideAHandlerIsDeliveredAtOnce) {
    test::onButtonClick = [] {
        RaiseEvent(tw::kId, kNoControl, window_event::kMoved);
        test::HandlerLog().push_back("click handler returns");
    };
    RaiseEvent(tw::kId, tw::kButton, button_event::kClicked);
    EXPECT_EQ(test::HandlerLog(), (Log{"clicked", "first", "click handler returns"}));
}

TEST_F(EventDeliveryTest, AWindowTheProgramDoesNotHaveIsFatal) {
    EXPECT_EXIT(RaiseEvent(42, kNoControl, window_event::kCreated), testing::ExitedWithCode(255),
                HasSubstr("错误信息：未找到引发事件的窗口\r\n\r\n42, 0\r\n未找到所指定的窗口\r\n"));
}

TEST_F(EventDeliveryTest, AControlItsWindowDoesNotHaveIsFatal) {
    EXPECT_EXIT(RaiseEvent(tw::kId, 5, button_event::kClicked), testing::ExitedWithCode(255),
                HasSubstr("错误信息：未找到引发事件的窗口组件\r\n\r\n7001, 5\r\n\"window tag\"\r\n"
                          "未找到所指定的窗口组件\r\n"));
}

TEST(LoadDescriptionsDeathTest, ABindingWhoseHandlerIsMissingIsFatal) {
    EXPECT_EXIT(
        {
            const WindowDescription* descriptions[] = {&tw::Description()};
            LoadDescriptions(descriptions, {});
        },
        testing::ExitedWithCode(255),
        HasSubstr("错误信息：载入窗口模板数据段出错!\r\n\r\n0, 0\r\n"));
}

}  // namespace
}  // namespace vh
