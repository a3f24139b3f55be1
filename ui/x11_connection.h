#pragma once

struct xcb_connection_t;

namespace vh {

// The connection to the X server when the program runs on X11, else null.
xcb_connection_t* X11Connection();

}  // namespace vh
