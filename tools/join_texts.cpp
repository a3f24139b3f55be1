#include "join_texts.h"

#include <cstring>
#include <numeric>
#include <vector>

namespace vh {

OwnedText JoinTexts(std::span<const char* const> pieces) {
    std::vector<std::size_t> lengths;
    lengths.reserve(pieces.size());
    for (const char* piece : pieces) {
        lengths.push_back(piece != nullptr ? std::strlen(piece) : 0);
    }
    OwnedText joined =
        AllocateText(std::accumulate(lengths.begin(), lengths.end(), std::size_t{1}));
    char* end = joined.get();
    auto length = lengths.begin();
    for (const char* piece : pieces) {
        if (*length > 0) {
            std::memcpy(end, piece, *length);
        }
        end += *length++;
    }
    *end = '\0';
    return joined;
}

}  // namespace vh
