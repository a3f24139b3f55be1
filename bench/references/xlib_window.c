/* The X floor: a plain Xlib window of the same size and title that draws the
   third box's text where the program shows it, and ends on WM_DELETE_WINDOW. */

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <string.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        return 1;
    }
    const int screen = DefaultScreen(display);
    const int x = (DisplayWidth(display, screen) - 209) / 2;
    const int y = (DisplayHeight(display, screen) - 109) / 2;
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, 209, 109, 0,
                                        BlackPixel(display, screen), WhitePixel(display, screen));
    const char title[] = "Vellaro助手";
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    (const unsigned char*)title, (int)strlen(title));
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    GC gc = XCreateGC(display, window, 0, NULL);
    const char text[] = "http://vellaro.cert/ssl";
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose) {
            XDrawString(display, window, gc, 12, 64, text, (int)strlen(text));
        } else if (event.type == ClientMessage && (Atom)event.xclient.data.l[0] == deleteWindow) {
            break;
        }
    }
    XCloseDisplay(display);
    return 0;
}
