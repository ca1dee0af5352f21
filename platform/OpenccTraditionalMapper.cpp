#include "platform/TraditionalMapper.h"

namespace {

class OpenccTraditionalMapper final : public TraditionalMapper
{
public:
    QString toTraditional(const QString &simplified) override { return simplified; }
};

} // namespace

std::unique_ptr<TraditionalMapper> createTraditionalMapper()
{
    return std::make_unique<OpenccTraditionalMapper>();
}
