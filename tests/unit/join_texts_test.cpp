#include "tests/support/counting_heap.h"
#include "tools/join_texts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vh {
namespace {

const std::string kLong(150000, 'x');

struct JoinCase {
    const char* name;
    friend void PrintTo(const JoinCase& value, std::ostream* out) { *out << value.name; }
    std::vector<const char*> pieces;
    std::string joined;
};

class JoinTextsTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinTextsTest, JoinsInOrderIntoExactlyTheBytesNeeded) {
    test::CountingHeap heap;
    const OwnedText joined = JoinTexts(GetParam().pieces);
    EXPECT_EQ(std::string(joined.get()), GetParam().joined);
    EXPECT_EQ(heap.allocations(), std::vector<std::size_t>{GetParam().joined.size() + 1});
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, JoinTextsTest,
    testing::Values(
        JoinCase{"All", {"http://", "192.168.1.20", ":", "8888"}, "http://192.168.1.20:8888"},
        JoinCase{"MissingPiecesCountAsEmpty", {"http://", nullptr, ":", nullptr}, "http://:"},
        JoinCase{"EmptyPieces", {"", "", ""}, ""}, JoinCase{"OnlyOnePiece", {"alone"}, "alone"},
        JoinCase{"NonAscii", {"主机", "：", "端口 8888"}, "主机：端口 8888"},
        JoinCase{"Long", {"<", kLong.c_str(), ">"}, "<" + kLong + ">"}),
    [](const testing::TestParamInfo<JoinCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vh
