#pragma once

// The program's own logic behind the window, bound to its events when the
// shell starts.

namespace vh {

// Writes this computer's address into the address box before the window is
// first shown.
void HandleWindowCreated();

// Puts "http://ADDRESS:PORT", from the address and port boxes as they stand,
// on the clipboard.
void HandleCopyAddressClick();

// Puts the certificate page's box as it stands on the clipboard.
void HandleCopyUrlClick();

}  // namespace vh
