// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

// Makes the fonts ready before any text is laid out: on Linux the system's
// font configuration, loaded on a worker thread while the application
// connects to the display, so that the first text laid out finds it ready
// instead of reading it on the way to the first frame; on the web the
// program's own faces, which the page hands it.
class FontWarmUp
{
public:
    virtual ~FontWarmUp() = default;
    // Returns once the fonts are ready; call once the application object
    // exists and before any text is laid out.
    virtual void wait() = 0;
};

// Starts the work; call before the application connects to the display.
std::unique_ptr<FontWarmUp> startFontWarmUp();
