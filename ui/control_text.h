#pragma once

// Reading and replacing the text of an edit box, for the handlers.

#include "text.h"
#include "window_description.h"

namespace vh {

// The box's whole current text as a new text, or no text when it is empty.
// The copy is the caller's; later edits of the box do not touch it.
OwnedText ReadControlText(WindowId window, ControlId control);

// Replaces the box's whole text (no text stands for the empty text), puts the
// caret at the start and raises the box's content changed event once, also
// when the text is unchanged.
void WriteControlText(WindowId window, ControlId control, const char* text);

}  // namespace vh
