#include "tests/support/counting_heap.h"
#include "tests/support/recording_platform.h"
#include "tools/handlers.h"
#include "ui/edit_box.h"
#include "ui/main_window_description.h"
#include "ui/shell_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vh {
namespace {

using Texts = std::vector<std::string>;
namespace mw = main_window;

const NamedHandler kHandlers[] = {
    {"HandleWindowCreated", &HandleWindowCreated},
    {"HandleCopyAddressClick", &HandleCopyAddressClick},
    {"HandleCopyUrlClick", &HandleCopyUrlClick},
};

// The main window, built hidden, in front of a recording platform. Every
// handler must give back every text it obtained.
class HandlersTest : public testing::Test {
protected:
    void SetUp() override {
        const WindowDescription* descriptions[] = {&mw::Description()};
        LoadDescriptions(descriptions, kHandlers);
        window_ = std::make_unique<ShellWindow>(mw::Description());
        test::Platform() = {};
    }
    void TearDown() override {
        window_.reset();
        UnloadDescriptions();
    }

    void SetBox(ControlId box, const char* text) {
        window_->FindEditBox(box)->textLine()->setText(QString::fromUtf8(text));
    }
    std::string Box(ControlId box) {
        return window_->FindEditBox(box)->textLine()->text().toStdString();
    }
    void Run(Handler handler) {
        test::CountingHeap heap;
        handler();
        EXPECT_EQ(heap.outstanding(), 0) << "a text was not released";
    }

    std::unique_ptr<ShellWindow> window_;
};

struct AddressCase {
    const char* name;
    friend void PrintTo(const AddressCase& value, std::ostream* out) { *out << value.name; }
    const char* address;
    const char* port;
    const char* copied;
};

class CopyAddressTest : public HandlersTest, public testing::WithParamInterface<AddressCase> {};

TEST_P(CopyAddressTest, CopiesSchemeAddressColonAndPortExactlyAsTheBoxesHoldThem) {
    SetBox(mw::kEditBox1, GetParam().address);
    SetBox(mw::kEditBox2, GetParam().port);
    Run(&HandleCopyAddressClick);
    EXPECT_EQ(test::Platform().clipboardTexts, Texts{GetParam().copied});
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CopyAddressTest,
    testing::Values(
        AddressCase{"AddressAndPort", "192.168.1.20", "8888", "http://192.168.1.20:8888"},
        AddressCase{"AddressEmpty", "", "8888", "http://:8888"},
        AddressCase{"BothEmpty", "", "", "http://:"},
        AddressCase{"PortEmpty", "10.0.0.5", "", "http://10.0.0.5:"},
        AddressCase{"PortWithSpaces", "10.0.0.5", " 8080 ", "http://10.0.0.5: 8080 "},
        AddressCase{"TypedOverNonAsciiAndAnyPort", "代理主机", "99999", "http://代理主机:99999"}),
    [](const testing::TestParamInfo<AddressCase>& info) { return info.param.name; });

struct UrlCase {
    const char* name;
    friend void PrintTo(const UrlCase& value, std::ostream* out) { *out << value.name; }
    const char* url;
};

class CopyUrlTest : public HandlersTest, public testing::WithParamInterface<UrlCase> {};

TEST_P(CopyUrlTest, CopiesTheBoxExactly) {
    SetBox(mw::kEditBox3, GetParam().url);
    Run(&HandleCopyUrlClick);
    EXPECT_EQ(test::Platform().clipboardTexts, Texts{GetParam().url});
}

INSTANTIATE_TEST_SUITE_P(Boxes, CopyUrlTest,
                         testing::Values(UrlCase{"Initial", "http://vellaro.cert/ssl"},
                                         UrlCase{"EmptiedGivesAnEmptyText", ""},
                                         UrlCase{"Spaces", "  http://a b/ssl  "},
                                         UrlCase{"NonAscii", "http://证书.例子/ssl"}),
                         [](const testing::TestParamInfo<UrlCase>& info) {
                             return info.param.name;
                         });

TEST_F(HandlersTest, ARefusedClipboardChangesNothingElse) {
    test::Platform().clipboardTaken = false;
    Run(&HandleCopyUrlClick);
    Run(&HandleCopyAddressClick);
    EXPECT_EQ(test::Platform().clipboardTexts.size(), 2u);
    EXPECT_EQ(Box(mw::kEditBox3), "http://vellaro.cert/ssl");
}

TEST_F(HandlersTest, WindowCreatedWritesTheLookedUpAddressIntoTheFirstBox) {
    test::Platform().address = "192.168.1.20";
    Run(&HandleWindowCreated);
    EXPECT_EQ(Box(mw::kEditBox1), "192.168.1.20");
    EXPECT_EQ(test::Platform().lookups, 1);
}

TEST_F(HandlersTest, AFailedLookupLeavesTheFirstBoxEmpty) {
    SetBox(mw::kEditBox1, "stale");
    Run(&HandleWindowCreated);
    EXPECT_EQ(Box(mw::kEditBox1), "");
}

}  // namespace
}  // namespace vh
