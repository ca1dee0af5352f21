// SPDX-License-Identifier: MIT
#include "platform/FontWarmUp.h"

namespace {

// Systems whose font list the toolkit reads without a configuration to parse.
class NoFontWarmUp final : public FontWarmUp
{
public:
    void wait() override {}
};

} // namespace

std::unique_ptr<FontWarmUp> startFontWarmUp()
{
    return std::make_unique<NoFontWarmUp>();
}
