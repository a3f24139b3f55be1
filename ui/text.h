#pragma once

// Narrow texts: zero-terminated UTF-8 byte strings, measured in bytes. A null
// pointer stands for the empty text.
//
// Every text that passes between the handlers, the shell and the platform is a
// block from AllocateText. The block comes wrapped in an OwnedText, so it goes
// back to the heap on every path out of the scope that holds it. Constant texts
// are `const char*` and cannot reach ReleaseText at all.

#include <cstddef>
#include <memory>

namespace vh {

void ReleaseText(char* block) noexcept;

struct TextReleaser {
    void operator()(char* block) const noexcept { ReleaseText(block); }
};

using OwnedText = std::unique_ptr<char[], TextReleaser>;

// The constant empty text that is handed to a platform operation in place of
// no text.
inline constexpr char kEmptyText[] = "";

// Returns `size` uninitialised bytes. Never returns an empty block: when the
// heap cannot give them, the fatal error report ends the program.
OwnedText AllocateText(std::size_t size);

// Where AllocateText and ReleaseText take their blocks from. The program uses
// the process heap; tests count or refuse allocations through their own.
struct TextHeap {
    void* (*allocate)(std::size_t size);
    void (*release)(void* block);
};

void UseTextHeap(const TextHeap& heap);
const TextHeap& ProcessHeap();

}  // namespace vh
