#include "app/shell.h"
#include "tests/unit/test_window.h"
#include "ui/fatal_error.h"
#include "ui/main_window_description.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace vh {
namespace {

using testing::HasSubstr;
using testing::Not;
namespace tw = test::test_window;

struct ReportLayout {
    const char* name;
    friend void PrintTo(const ReportLayout& value, std::ostream* out) { *out << value.name; }
    WindowId window;
    ControlId control;
    const char* lines;  // what follows the message line and the empty line
};

void DoNothing() {}

class FatalReportTest : public testing::TestWithParam<ReportLayout> {
protected:
    void SetUp() override {
        const WindowDescription* descriptions[] = {&main_window::Description(), &tw::Description()};
        std::vector<NamedHandler> handlers(std::begin(test::kTestHandlers),
                                           std::end(test::kTestHandlers));
        for (const char* key :
             {"HandleWindowCreated", "HandleCopyAddressClick", "HandleCopyUrlClick"}) {
            handlers.push_back({key, &DoNothing});
        }
        LoadDescriptions(descriptions, handlers);
    }
    void TearDown() override { UnloadDescriptions(); }
};

TEST_P(FatalReportTest, IsLaidOutLineByLine) {
    const ReportLayout& layout = GetParam();
    EXPECT_EQ(ComposeFatalReport("载入启动窗口失败", layout.window, layout.control),
              std::string("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n") + layout.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FatalReportTest,
    testing::Values(ReportLayout{"NoWindow", kNoWindow, kNoControl, "0, 0\r\n"},
                    ReportLayout{"MainWindowWithoutControl", main_window::kId, kNoControl,
                                 "1375797249, 0\r\n\"\"\r\n\"\"\r\n"},
                    ReportLayout{"MainWindowControl", main_window::kId, main_window::kEditBox2,
                                 "1375797249, 369164291\r\n\"\"\r\n\"\"\r\n"},
                    ReportLayout{"WindowTheProgramDoesNotHave", 42, kNoControl,
                                 "42, 0\r\n未找到所指定的窗口\r\n"},
                    ReportLayout{"ControlItsWindowDoesNotHave", main_window::kId, 5,
                                 "1375797249, 5\r\n\"\"\r\n未找到所指定的窗口组件\r\n"},
                    ReportLayout{"TagsOfWindowAndControl", tw::kId, tw::kButton,
                                 "7001, 73\r\n\"window tag\"\r\n\"button tag\"\r\n"},
                    ReportLayout{"WindowTagTwiceWithoutControl", tw::kId, kNoControl,
                                 "7001, 0\r\n\"window tag\"\r\n\"window tag\"\r\n"}),
    [](const testing::TestParamInfo<ReportLayout>& info) { return info.param.name; });

void WriteEndRoutineRan() { std::fputs("END ROUTINE RAN", stderr); }
void WriteFirst() { std::fputs("[first]", stderr); }
void WriteSecond() { std::fputs("[second]", stderr); }

TEST(EndShellDeathTest, RunsEachEndRoutineOnceInOrderOfRegistration) {
    EXPECT_EXIT(
        {
            RegisterEndRoutine(&WriteFirst);
            RegisterEndRoutine(&WriteSecond);
            RegisterEndRoutine(&WriteFirst);
            EndShell();
            EndShell();
            std::exit(0);
        },
        // Whatever the toolkit printed before, then each routine once, in order.
        testing::ExitedWithCode(0), testing::MatchesRegex("(.*\n)?\\[first\\]\\[second\\]"));
}

// Stands in for the box: tries to run a handler while the report is up.
void PresentAndClick(const std::string& report) {
    RaiseEvent(tw::kId, tw::kButton, button_event::kClicked);
    WriteFatalReportToStandardError(report);
    if (!test::HandlerLog().empty()) {
        std::fputs("HANDLER RAN", stderr);
    }
}

TEST(ReportFatalErrorDeathTest, ShowsTheReportRunsNoHandlerNorEndRoutineAndExitsWith255) {
    EXPECT_EXIT(
        {
            const WindowDescription* descriptions[] = {&tw::Description()};
            LoadDescriptions(descriptions, test::kTestHandlers);
            RegisterEndRoutine(&WriteEndRoutineRan);
            UseFatalReportPresenter(&PresentAndClick);
            ReportFatalError("分配 20 字节内存失败!");
        },
        testing::ExitedWithCode(255),
        testing::AllOf(
            HasSubstr("运行时出错!\r\n\r\n错误信息：分配 20 字节内存失败!\r\n\r\n0, 0\r\n"),
            Not(HasSubstr("HANDLER RAN")), Not(HasSubstr("END ROUTINE RAN"))));
}

}  // namespace
}  // namespace vh
