// Exits 0 when nothing holds the pointer of the X server at DISPLAY: it can grab it itself.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_grab_pointer_reply_t *reply =
        xcb_grab_pointer_reply(x, xcb_grab_pointer(x, 0, root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME), nullptr);
    const int status = reply != nullptr ? reply->status : -1; // no reply: no server
    std::free(reply);
    xcb_disconnect(x);
    if (status != XCB_GRAB_STATUS_SUCCESS)
        std::printf("something holds the pointer: the grab answered %d\n", status);
    return status == XCB_GRAB_STATUS_SUCCESS ? 0 : 1;
}
