// SPDX-License-Identifier: MIT
// Prints the X server's current cursor as "WIDTHxHEIGHT HOTX,HOTY COLOURS",
// COLOURS being the number of distinct opaque pixel colours of its image.
#include <X11/extensions/Xfixes.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <set>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    XFixesCursorImage *image = XFixesGetCursorImage(display);
    if (!image) {
        std::fprintf(stderr, "no cursor image\n");
        XCloseDisplay(display);
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
    XCloseDisplay(display);
    return 0;
}
