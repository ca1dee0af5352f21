// SPDX-License-Identifier: MIT
#include "platform/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace {

// Fontconfig parses its XML configuration once per process; Qt's font
// database then reuses the loaded configuration.
class FontconfigWarmUp final : public FontWarmUp
{
public:
    FontconfigWarmUp() : m_thread([] { FcInit(); }) {}
    ~FontconfigWarmUp() override { wait(); }

    void wait() override
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

} // namespace

std::unique_ptr<FontWarmUp> startFontWarmUp()
{
    return std::make_unique<FontconfigWarmUp>();
}
