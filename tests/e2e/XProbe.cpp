// SPDX-License-Identifier: MIT
// What the end-to-end scripts ask of the X server beyond xdotool:
//   cursor        prints the cursor as "WIDTHxHEIGHT HOTX,HOTY OPAQUE-COLOURS";
//   close WINDOW  sends WM_DELETE_WINDOW as a window manager's close button does;
//   keep FILE     is a clipboard manager: owns CLIPBOARD_MANAGER, prints "ready"
//                 and writes CLIPBOARD as UTF8_STRING to FILE when a program
//                 leaving asks it to SAVE_TARGETS.
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

// Writes the window's PROPERTY to the file when it holds UTF8_STRING bytes.
bool keep(Display *display, Window window, Atom property, Atom utf8, const char *path)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    bool kept = XGetWindowProperty(display, window, property, 0, 0x1000000, True, AnyPropertyType,
                                   &type, &format, &count, &remaining, &data) == Success &&
                type == utf8 && format == 8 && remaining == 0;
    if (FILE *file = kept ? std::fopen(path, "wb") : nullptr) {
        kept = std::fwrite(data, 1, count, file) == count;
        std::fclose(file);
    }
    if (data)
        XFree(data);
    return kept;
}

// Tells the requestor the outcome: PROPERTY, or None for a refusal.
void answer(Display *display, const XSelectionRequestEvent &request, Atom property)
{
    XEvent reply{};
    reply.xselection = {
        SelectionNotify, 0,        True,        display, request.requestor, request.selection,
        request.target,  property, request.time};
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
}

int manageClipboard(Display *display, const char *path)
{
    const auto atom = [display](const char *name) { return XInternAtom(display, name, False); };
    const Atom manager = atom("CLIPBOARD_MANAGER"), utf8 = atom("UTF8_STRING");
    const Atom kept = atom("VELMORA_KEPT");
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, manager, window, CurrentTime);
    if (XGetSelectionOwner(display, manager) != window) {
        std::fprintf(stderr, "another program owns CLIPBOARD_MANAGER\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    XSelectionRequestEvent saving{}; // the SAVE_TARGETS request being answered
    for (XEvent event;; XFlush(display)) {
        XNextEvent(display, &event);
        const XSelectionRequestEvent &request = event.xselectionrequest;
        if (event.type == SelectionRequest) {
            if (request.selection != manager || request.target != atom("SAVE_TARGETS") ||
                saving.requestor) {
                answer(display, request, None);
                continue;
            }
            saving = request;
            XConvertSelection(display, atom("CLIPBOARD"), utf8, kept, window, request.time);
        } else if (event.type == SelectionNotify && saving.requestor) {
            Atom property = None;
            if (event.xselection.property == kept && keep(display, window, kept, utf8, path)) {
                // A side-effect target answers with an empty property of type NULL.
                property = saving.property != None ? saving.property : saving.target;
                XChangeProperty(display, saving.requestor, property, atom("NULL"), 32,
                                PropModeReplace, nullptr, 0);
            } else {
                std::fprintf(stderr, "CLIPBOARD gave no UTF8_STRING\n");
            }
            answer(display, saving, property);
            saving = {};
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const char *command = argc > 1 ? argv[1] : "";
    const bool cursor = argc == 2 && std::strcmp(command, "cursor") == 0;
    if (!cursor && (argc != 3 || (std::strcmp(command, "close") && std::strcmp(command, "keep")))) {
        std::fprintf(stderr, "usage: %s cursor | close WINDOW-ID | keep FILE\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    if (command[0] == 'k')
        return manageClipboard(display, argv[2]);
    const int status = cursor ? printCursor(display)
                              : askToClose(display, Window(std::strtoul(argv[2], nullptr, 0)));
    XCloseDisplay(display); // flushes the requests
    return status;
}
