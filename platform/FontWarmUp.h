// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

// Loads the system's font configuration on a worker thread while the
// application connects to the display, so that the first text laid out finds
// it ready instead of reading it on the way to the first frame.
class FontWarmUp
{
public:
    virtual ~FontWarmUp() = default;
    // Returns once the configuration is loaded; call before any text is laid out.
    virtual void wait() = 0;
};

// Starts loading the configuration; call before the application connects to the display.
std::unique_ptr<FontWarmUp> startFontWarmUp();
