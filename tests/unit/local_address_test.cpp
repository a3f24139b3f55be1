#include "tests/support/counting_heap.h"
#include "tools/platform.h"
#include "tools/platform/local_address.h"

#include <QClipboard>
#include <QGuiApplication>

#include <arpa/inet.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ostream>
#include <string>

namespace vh {
namespace {

struct AddressCase {
    const char* address;
    friend void PrintTo(const AddressCase& value, std::ostream* out) { *out << value.address; }
};

class DottedDecimalTest : public testing::TestWithParam<AddressCase> {};

TEST_P(DottedDecimalTest, HasNoLeadingZerosAndAtMostFifteenCharacters) {
    in_addr address{};
    ASSERT_EQ(inet_pton(AF_INET, GetParam().address, &address), 1);
    std::array<char, 16> text;
    text.fill('#');
    WriteDottedDecimal(address, text);
    EXPECT_EQ(std::string(text.data()), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(Addresses, DottedDecimalTest,
                         testing::Values(AddressCase{"0.0.0.0"}, AddressCase{"127.0.0.1"},
                                         AddressCase{"10.0.0.5"}, AddressCase{"192.168.1.20"},
                                         AddressCase{"255.255.255.255"}));

// The real resolver of this machine: whatever it answers, the result is one
// dotted-decimal address or the empty text, in a zero-filled 20-byte block.
TEST(LookUpLocalAddress, GivesOneAddressOrNothingInAZeroFilledBlock) {
    test::CountingHeap heap;
    const OwnedText address = LookUpLocalAddress();
    ASSERT_EQ(heap.allocations(), std::vector<std::size_t>{kAddressTextCapacity});
    const std::size_t length = std::strlen(address.get());
    EXPECT_LE(length, 15u);
    for (std::size_t at = length; at < kAddressTextCapacity; ++at) {
        EXPECT_EQ(address[at], '\0') << "byte " << at;
    }
    if (length > 0) {
        // A dotted quad that reads back as itself: no leading zeros, nothing else.
        in_addr parsed{};
        ASSERT_EQ(inet_pton(AF_INET, address.get(), &parsed), 1) << address.get();
        std::array<char, 16> again{};
        WriteDottedDecimal(parsed, again);
        EXPECT_STREQ(again.data(), address.get());
    }
}

// Off X11 (here the offscreen platform) the writer checks its text by reading
// the toolkit's clipboard back.
TEST(PutTextOnClipboard, LeavesExactlyTheTextOnTheToolkitsClipboard) {
    for (const char* text : {"http://192.168.1.20:8888", "", "http://证书.例子/ssl"}) {
        EXPECT_TRUE(PutTextOnClipboard(text)) << text;
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
    }
}

}  // namespace
}  // namespace vh
