#include "tests/support/counting_heap.h"
#include "tests/unit/test_window.h"
#include "ui/control_text.h"
#include "ui/edit_box.h"
#include "ui/fatal_error.h"
#include "ui/shell_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <type_traits>

namespace vh {
namespace {

using test::CountingHeap;
using testing::HasSubstr;
namespace tw = test::test_window;

// Constant texts are `const char*`: the compiler refuses to release them.
static_assert(!std::is_invocable_v<decltype(&ReleaseText), const char*>);

TEST(AllocateText, BlocksGoBackToTheHeapWhenTheirOwnerEnds) {
    CountingHeap heap;
    {
        const OwnedText text = AllocateText(20);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(heap.outstanding(), 1);
    }
    EXPECT_EQ(heap.allocations(), std::vector<std::size_t>{20});
    EXPECT_EQ(heap.releases(), 1);
}

TEST(AllocateText, ZeroBytesIsABlockNotAFailure) {
    CountingHeap heap;
    const OwnedText empty = AllocateText(0);
    EXPECT_NE(empty, nullptr);
}

TEST(ReleaseText, NoTextReleasesNothing) {
    CountingHeap heap;
    ReleaseText(nullptr);
    OwnedText none;
    none.reset();
    EXPECT_EQ(heap.releases(), 0);
}

TEST(AllocateTextDeathTest, FailureIsFatalAndNamesTheByteCount) {
    EXPECT_EXIT(
        {
            CountingHeap heap(1000);
            (void)AllocateText(150000);
        },
        testing::ExitedWithCode(255),
        HasSubstr("运行时出错!\r\n\r\n错误信息：分配 150000 字节内存失败!\r\n\r\n0, 0\r\n"));
}

// A hidden test window whose boxes the text services read and write.
class ControlTextTest : public testing::Test {
protected:
    void SetUp() override {
        const WindowDescription* descriptions[] = {&tw::Description()};
        LoadDescriptions(descriptions, test::kTestHandlers);
        test::HandlerLog().clear();
        window_ = std::make_unique<ShellWindow>(tw::Description());
    }
    void TearDown() override {
        window_.reset();
        UnloadDescriptions();
    }

    QLineEdit& Line(ControlId box) { return *window_->FindEditBox(box)->textLine(); }

    std::unique_ptr<ShellWindow> window_;
};

TEST_F(ControlTextTest, AnEmptyBoxReadsAsNoTextAndAllocatesNothing) {
    Line(tw::kBox).clear();
    CountingHeap heap;
    EXPECT_EQ(ReadControlText(tw::kId, tw::kBox), nullptr);
    EXPECT_TRUE(heap.allocations().empty());
}

TEST_F(ControlTextTest, ALongTextComesBackWholeAndStaysAsItWasRead) {
    std::string longText;
    while (longText.size() < 150000) {
        longText += "地址 address ";
    }
    Line(tw::kBox).setText(QString::fromStdString(longText));

    CountingHeap heap;
    const OwnedText copy = ReadControlText(tw::kId, tw::kBox);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::string(copy.get()), longText);
    EXPECT_EQ(heap.allocations(), std::vector<std::size_t>{longText.size() + 1});

    Line(tw::kBox).setText(QStringLiteral("edited afterwards"));
    EXPECT_EQ(std::string(copy.get()), longText);
}

TEST_F(ControlTextTest, WritingReplacesTheWholeTextAndPutsTheCaretAtTheStart) {
    WriteControlText(tw::kId, tw::kBox, "192.168.1.20");
    EXPECT_EQ(Line(tw::kBox).text(), QStringLiteral("192.168.1.20"));
    EXPECT_EQ(Line(tw::kBox).cursorPosition(), 0);
    EXPECT_FALSE(Line(tw::kBox).hasSelectedText());

    WriteControlText(tw::kId, tw::kBox, nullptr);
    EXPECT_EQ(Line(tw::kBox).text(), QString());
}

TEST_F(ControlTextTest, EveryWriteRaisesContentChangedOnceEvenWhenTheTextIsUnchanged) {
    WriteControlText(tw::kId, tw::kBox, "same");
    WriteControlText(tw::kId, tw::kBox, "same");
    WriteControlText(tw::kId, tw::kBox, "");
    EXPECT_EQ(test::HandlerLog(), (std::vector<std::string>{"changed", "changed", "changed"}));
}

TEST_F(ControlTextTest, AWriteWhileEventsAreSuppressedRaisesNothing) {
    SuppressEvents();
    WriteControlText(tw::kId, tw::kBox, "quiet");
    ResumeEvents();
    EXPECT_TRUE(test::HandlerLog().empty());
    EXPECT_EQ(Line(tw::kBox).text(), QStringLiteral("quiet"));
}

struct AccessFailure {
    const char* name;
    friend void PrintTo(const AccessFailure& value, std::ostream* out) { *out << value.name; }
    bool write;
    WindowId window;
    bool destroyWindowFirst;
    const char* report;
};

class ControlTextDeathTest : public ControlTextTest,
                             public testing::WithParamInterface<AccessFailure> {};

TEST_P(ControlTextDeathTest, IsFatalWithItsMessage) {
    const AccessFailure& failure = GetParam();
    EXPECT_EXIT(
        {
            if (failure.destroyWindowFirst) {
                window_.reset();
            }
            if (failure.write) {
                WriteControlText(failure.window, tw::kBox, "x");
            } else {
                (void)ReadControlText(failure.window, tw::kBox);
            }
        },
        testing::ExitedWithCode(255), HasSubstr(failure.report));
}

INSTANTIATE_TEST_SUITE_P(
    Services, ControlTextDeathTest,
    testing::Values(
        AccessFailure{
            "ReadFromAWindowTheProgramDoesNotHave", false, 42, false,
            "错误信息：未载入欲访问窗口组件所在的窗口\r\n\r\n42, 71\r\n未找到所指定的窗口\r\n"},
        AccessFailure{"WriteToAWindowTheProgramDoesNotHave", true, 42, false,
                      "错误信息：未载入欲访问窗口组件所在的窗口\r\n\r\n42, 71\r\n"},
        AccessFailure{"ReadFromAWindowNotOnScreen", false, tw::kId, true,
                      "错误信息：读取组件属性时发现指定窗口尚未载入\r\n\r\n7001, 71\r\n"
                      "\"window tag\"\r\n\"\"\r\n"},
        AccessFailure{"WriteToAWindowNotOnScreen", true, tw::kId, true,
                      "错误信息：修改组件属性时发现指定窗口尚未载入\r\n\r\n7001, 71\r\n"}),
    [](const testing::TestParamInfo<AccessFailure>& info) { return info.param.name; });

}  // namespace
}  // namespace vh
