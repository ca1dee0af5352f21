// SPDX-License-Identifier: MIT
#include "platform/WindowState.h"

Qt::WindowStates initialWindowState()
{
    // Full screen is the page's screen element: no title bar drawn in the page.
    return Qt::WindowFullScreen;
}
