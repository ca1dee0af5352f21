// SPDX-License-Identifier: MIT
#include "platform/WindowState.h"

Qt::WindowStates initialWindowState()
{
    return Qt::WindowNoState;
}
