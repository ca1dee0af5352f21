// SPDX-License-Identifier: MIT
// What the end-to-end scripts ask of the X server beyond xdotool:
//   velmora_x_probe cursor         prints the current cursor as
//                                  "WIDTHxHEIGHT HOTX,HOTY COLOURS", COLOURS
//                                  being its distinct opaque pixel colours;
//   velmora_x_probe close WINDOW   asks the window to close as a window
//                                  manager's close button does (WM_PROTOCOLS
//                                  with WM_DELETE_WINDOW), which nothing else
//                                  sends without a window manager.
#include <X11/extensions/Xfixes.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

int printCursor(Display *display)
{
    XFixesCursorImage *image = XFixesGetCursorImage(display);
    if (!image) {
        std::fprintf(stderr, "no cursor image\n");
        return 1;
    }
    std::set<unsigned long> colours;
    for (int i = 0; i < image->width * image->height; ++i) {
        const unsigned long argb = image->pixels[i] & 0xFFFFFFFFUL;
        if ((argb >> 24) != 0)
            colours.insert(argb);
    }
    std::printf("%dx%d %d,%d %zu\n", image->width, image->height, image->xhot, image->yhot,
                colours.size());
    XFree(image);
    return 0;
}

int askToClose(Display *display, Window window)
{
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool cursor = argc == 2 && std::strcmp(argv[1], "cursor") == 0;
    const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
    if (!cursor && !close) {
        std::fprintf(stderr, "usage: %s cursor | close WINDOW-ID\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const int status = cursor ? printCursor(display)
                              : askToClose(display, Window(std::strtoul(argv[2], nullptr, 0)));
    XCloseDisplay(display); // flushes the requests
    return status;
}
