#include "text.h"

#include "fatal_error.h"

#include <cstdlib>
#include <string>

namespace vh {
namespace {

const TextHeap kProcessHeap{&std::malloc, &std::free};
TextHeap currentHeap = kProcessHeap;

}  // namespace

const TextHeap& ProcessHeap() { return kProcessHeap; }

void UseTextHeap(const TextHeap& heap) { currentHeap = heap; }

OwnedText AllocateText(std::size_t size) {
    // malloc(0) may legally answer with no block; a text always has room for
    // at least its terminating zero, so nobody asks for 0, but never treat it as
    // exhaustion.
    void* block = currentHeap.allocate(size == 0 ? 1 : size);
    if (block == nullptr) {
        ReportFatalError("分配 " + std::to_string(size) + " 字节内存失败!");
    }
    return OwnedText(static_cast<char*>(block));
}

void ReleaseText(char* block) noexcept {
    if (block != nullptr) {
        currentHeap.release(block);
    }
}

}  // namespace vh
