#include "counting_heap.h"

#include <algorithm>
#include <cstdlib>

namespace vh::test {
namespace {

std::size_t refuseFromSize = 0;
std::vector<std::size_t> allocatedSizes;
std::vector<void*> liveBlocks;
int releaseCount = 0;

void* Allocate(std::size_t size) {
    if (size >= refuseFromSize) {
        return nullptr;
    }
    void* block = std::malloc(size);
    allocatedSizes.push_back(size);
    liveBlocks.push_back(block);
    return block;
}

void Release(void* block) {
    // A block this heap never gave out would be a double or foreign release.
    const auto found = std::find(liveBlocks.begin(), liveBlocks.end(), block);
    if (found == liveBlocks.end()) {
        std::abort();
    }
    liveBlocks.erase(found);
    ++releaseCount;
    std::free(block);
}

}  // namespace

CountingHeap::CountingHeap(std::size_t refuseFrom) {
    refuseFromSize = refuseFrom;
    allocatedSizes.clear();
    liveBlocks.clear();
    releaseCount = 0;
    UseTextHeap({&Allocate, &Release});
}

CountingHeap::~CountingHeap() { UseTextHeap(ProcessHeap()); }

const std::vector<std::size_t>& CountingHeap::allocations() const { return allocatedSizes; }

int CountingHeap::releases() const { return releaseCount; }

int CountingHeap::outstanding() const { return static_cast<int>(liveBlocks.size()); }

}  // namespace vh::test
