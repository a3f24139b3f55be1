#pragma once

#include "ui/text.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace vh::test {

// While it lives, AllocateText and ReleaseText use a heap that records every
// block and refuses any allocation of `refuseFrom` bytes or more.
class CountingHeap {
public:
    explicit CountingHeap(std::size_t refuseFrom = std::numeric_limits<std::size_t>::max());
    ~CountingHeap();
    CountingHeap(const CountingHeap&) = delete;
    CountingHeap& operator=(const CountingHeap&) = delete;

    const std::vector<std::size_t>& allocations() const;
    int releases() const;
    // Blocks allocated and not yet released.
    int outstanding() const;
};

}  // namespace vh::test
