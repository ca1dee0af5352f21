// SPDX-License-Identifier: MIT
// Writes the window's layout as shell variables for the end-to-end scripts:
// each control's "x y width height" under its object name, so that the
// scripts click where the window really puts things.
#include "layout/WindowLayout.h"

#include <cstdio>

namespace {

void print(const char *name, const QRect &rect)
{
    std::printf("%s='%d %d %d %d'\n", name, rect.x(), rect.y(), rect.width(), rect.height());
}

} // namespace

int main()
{
    std::printf("# Written by velmora_layout_dump from the window's layout table.\n");
    for (const auto &row :
         {WindowLayout::signatureBox, WindowLayout::symbolStrip, WindowLayout::statusLine})
        print(row.objectName, row.rect);
    for (const WindowLayout::HotSpotRow &row : WindowLayout::hotSpots)
        print(row.objectName, row.rect);
    return 0;
}
