// The clipboard writer on a real X server, in process: it answers true only
// when the program holds the CLIPBOARD afterwards. Run by test_platform.py on
// a private X server.

#include "tools/platform.h"
#include "ui/x11_connection.h"

#include <QApplication>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <chrono>

namespace vh {
namespace {

// Another X client on the same display, as another program is.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        clipboard_ = InternAtom(connection_, "CLIPBOARD");
    }
    ~OtherClient() { xcb_disconnect(connection_); }

    // The server's time now, from a property change on the client's window.
    xcb_timestamp_t ServerTime() {
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, 0, "");
        xcb_flush(connection_);
        while (true) {
            const XcbReply<xcb_generic_event_t> event(xcb_wait_for_event(connection_));
            if (event && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                return reinterpret_cast<xcb_property_notify_event_t*>(event.get())->time;
            }
        }
    }

    void TakeClipboard(xcb_timestamp_t time) {
        xcb_set_selection_owner(connection_, window_, clipboard_, time);
        ASSERT_EQ(Owner(), window_);
    }

    xcb_window_t Owner() {
        const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr));
        return owner->owner;
    }

    xcb_window_t window() const { return window_; }

private:
    xcb_connection_t* connection_;
    xcb_window_t window_ = 0;
    xcb_atom_t clipboard_ = 0;
};

TEST(PutTextOnClipboard, TakesTheClipboard) {
    OtherClient other;
    ASSERT_TRUE(PutTextOnClipboard("http://192.168.1.20:8888"));
    EXPECT_NE(other.Owner(), static_cast<xcb_window_t>(XCB_NONE));
    EXPECT_NE(other.Owner(), other.window());
}

TEST(PutTextOnClipboard, AnswersFalseAndLeavesTheClipboardToANewerClaim) {
    OtherClient other;
    ASSERT_TRUE(PutTextOnClipboard("ours"));
    // The other program claims at a time later than the program's claim, and
    // the program has not yet read the news: its next claim is older and the
    // server ignores it.
    const xcb_timestamp_t ours = other.ServerTime();
    xcb_timestamp_t later = ours;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (later <= ours && std::chrono::steady_clock::now() < deadline) {
        later = other.ServerTime();
    }
    ASSERT_GT(later, ours);
    other.TakeClipboard(later);

    EXPECT_FALSE(PutTextOnClipboard("ours again"));
    EXPECT_EQ(other.Owner(), other.window());
}

}  // namespace
}  // namespace vh

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
