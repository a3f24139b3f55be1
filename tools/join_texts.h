#pragma once

#include "ui/text.h"

#include <span>

namespace vh {

// The pieces joined in order into one new text; a missing piece is empty.
OwnedText JoinTexts(std::span<const char* const> pieces);

}  // namespace vh
