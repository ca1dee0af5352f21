// SPDX-License-Identifier: MIT
// A clipboard manager as desktops run one: it owns CLIPBOARD_MANAGER and,
// when a program asks it to SAVE_TARGETS on its way out, converts CLIPBOARD
// to UTF8_STRING and writes those bytes to the file named on the command
// line. Prints "ready" once it owns CLIPBOARD_MANAGER; runs until killed.
#include <X11/Xlib.h>

#include <cstdio>

namespace {

// Tells the requestor the outcome: PROPERTY, or None for a refusal.
void notify(Display *display, const XSelectionRequestEvent &request, Atom property)
{
    XEvent reply{};
    reply.xselection = {
        SelectionNotify, 0,        True,        display, request.requestor, request.selection,
        request.target,  property, request.time};
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
    XFlush(display);
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
    if (kept) {
        FILE *file = std::fopen(path, "wb");
        kept = file && std::fwrite(data, 1, count, file) == count;
        if (file)
            std::fclose(file);
    }
    if (data)
        XFree(data);
    return kept;
}

} // namespace

int main(int argc, char *argv[])
{
    Display *display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fprintf(stderr, "usage: %s FILE-FOR-THE-KEPT-TEXT, with a display\n", argv[0]);
        return 2;
    }
    const Atom manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
    const Atom saveTargets = XInternAtom(display, "SAVE_TARGETS", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom kept = XInternAtom(display, "VELMORA_KEPT", False);
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
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) {
            const XSelectionRequestEvent &request = event.xselectionrequest;
            if (request.selection != manager || request.target != saveTargets || saving.requestor) {
                notify(display, request, None);
                continue;
            }
            saving = request;
            XConvertSelection(display, XInternAtom(display, "CLIPBOARD", False), utf8, kept, window,
                              request.time);
            XFlush(display);
        } else if (event.type == SelectionNotify && saving.requestor) {
            const bool saved =
                event.xselection.property == kept && keep(display, window, kept, utf8, argv[1]);
            if (!saved)
                std::fprintf(stderr, "CLIPBOARD gave no UTF8_STRING\n");
            // A side-effect target answers with an empty property of type NULL.
            const Atom property = saving.property != None ? saving.property : saving.target;
            if (saved)
                XChangeProperty(display, saving.requestor, property,
                                XInternAtom(display, "NULL", False), 32, PropModeReplace, nullptr,
                                0);
            notify(display, saving, saved ? property : None);
            saving = {};
        }
    }
}
