#pragma once

// The handlers' only way to the platform: the resolver and the clipboard.

#include "ui/text.h"

namespace vh {

// This computer's first IPv4 address, in the order the resolver gives them for
// its own host name, in dotted decimal; the empty text when there is none. The
// result is a zero-filled block of kAddressTextCapacity bytes.
OwnedText LookUpLocalAddress();

inline constexpr std::size_t kAddressTextCapacity = 20;

// Replaces the system clipboard's contents with `text` as plain text. True only
// when the program holds the clipboard afterwards; otherwise whatever another
// program offered stays.
[[nodiscard]] bool PutTextOnClipboard(const char* text);

}  // namespace vh
