#pragma once

// The program's few direct X11 requests go through here.

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace vh {

// The connection to the X server when the program runs on X11, else null.
xcb_connection_t* X11Connection();

// XCB hands out replies and events that the caller must free().
struct FreeXcbReply {
    void operator()(void* reply) const noexcept { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

// The atom of `name`, or XCB_ATOM_NONE when the server does not answer.
xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name);

}  // namespace vh
