// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

// The state the program's one window is shown in: on a desktop a window of
// its own, placed by the window manager; on the web filling the page's
// element for it, which the page makes the window's size, without a frame.
Qt::WindowStates initialWindowState();
