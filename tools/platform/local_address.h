#pragma once

#include <netinet/in.h>

#include <span>

namespace vh {

// The address in dotted decimal, zero-terminated: at most 15 characters.
void WriteDottedDecimal(const in_addr& address, std::span<char, 16> text);

}  // namespace vh
