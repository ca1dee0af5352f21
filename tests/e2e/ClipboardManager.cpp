// SPDX-License-Identifier: MIT
// A clipboard manager as desktops run one: it owns CLIPBOARD_MANAGER and,
// when a program asks it to SAVE_TARGETS on its way out, converts CLIPBOARD's
// UTF8_STRING into a property of its own, writes those bytes to the file
// named on the command line, takes CLIPBOARD over and serves the kept text
// from then on. Prints "ready" once it owns CLIPBOARD_MANAGER; runs until
// killed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <string>

namespace {

struct Atoms
{
    Atom manager, saveTargets, clipboard, utf8, targets, kept, null;
};

// Tells the requestor the outcome: PROPERTY, or None for a refusal.
void notify(Display *display, const XSelectionRequestEvent &request, Atom property)
{
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = display;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.property = property;
    reply.xselection.time = request.time;
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
    XFlush(display);
}

// The bytes of the window's property, read whole.
bool readProperty(Display *display, Window window, Atom property, Atom type, std::string &bytes)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 0x1000000, True, AnyPropertyType,
                           &actualType, &format, &count, &remaining, &data) != Success)
        return false;
    const bool ok = actualType == type && format == 8 && remaining == 0;
    if (ok)
        bytes.assign(reinterpret_cast<const char *>(data), count);
    if (data)
        XFree(data);
    return ok;
}

// Serves the kept text as CLIPBOARD, as UTF8_STRING, and its list of targets.
void serveClipboard(Display *display, const Atoms &atoms, const XSelectionRequestEvent &request,
                    const std::string &kept)
{
    const Atom property = request.property != None ? request.property : request.target;
    if (request.target == atoms.targets) {
        const Atom offered[] = {atoms.targets, atoms.utf8};
        XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(offered), 2);
    } else if (request.target == atoms.utf8) {
        XChangeProperty(display, request.requestor, property, atoms.utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(kept.data()), int(kept.size()));
    } else {
        notify(display, request, None);
        return;
    }
    notify(display, request, property);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE-FOR-THE-KEPT-TEXT\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const Atoms atoms{XInternAtom(display, "CLIPBOARD_MANAGER", False),
                      XInternAtom(display, "SAVE_TARGETS", False),
                      XInternAtom(display, "CLIPBOARD", False),
                      XInternAtom(display, "UTF8_STRING", False),
                      XInternAtom(display, "TARGETS", False),
                      XInternAtom(display, "VELMORA_KEPT", False),
                      XInternAtom(display, "NULL", False)};
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, atoms.manager, window, CurrentTime);
    if (XGetSelectionOwner(display, atoms.manager) != window) {
        std::fprintf(stderr, "another program owns CLIPBOARD_MANAGER\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::string kept;
    bool keeping = false;
    XSelectionRequestEvent saveRequest{}; // the request being answered, while converting
    bool saving = false;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest) {
            const XSelectionRequestEvent &request = event.xselectionrequest;
            if (request.selection == atoms.clipboard && keeping) {
                serveClipboard(display, atoms, request, kept);
            } else if (request.selection == atoms.manager && request.target == atoms.saveTargets &&
                       !saving) {
                saveRequest = request;
                saving = true;
                XConvertSelection(display, atoms.clipboard, atoms.utf8, atoms.kept, window,
                                  request.time);
                XFlush(display);
            } else {
                notify(display, request, None);
            }
        } else if (event.type == SelectionNotify && saving) {
            saving = false;
            const bool saved = event.xselection.property == atoms.kept &&
                               readProperty(display, window, atoms.kept, atoms.utf8, kept);
            if (saved) {
                if (FILE *file = std::fopen(argv[1], "wb")) {
                    std::fwrite(kept.data(), 1, kept.size(), file);
                    std::fclose(file);
                }
                keeping = true;
                XSetSelectionOwner(display, atoms.clipboard, window, CurrentTime);
            } else {
                std::fprintf(stderr, "CLIPBOARD gave no UTF8_STRING\n");
            }
            // A side-effect target answers with an empty property of type NULL.
            const Atom property =
                saveRequest.property != None ? saveRequest.property : saveRequest.target;
            if (saved)
                XChangeProperty(display, saveRequest.requestor, property, atoms.null, 32,
                                PropModeReplace, nullptr, 0);
            notify(display, saveRequest, saved ? property : None);
        } else if (event.type == SelectionClear &&
                   event.xselectionclear.selection == atoms.manager) {
            std::fprintf(stderr, "CLIPBOARD_MANAGER taken by another program\n");
            return 1;
        }
    }
}
