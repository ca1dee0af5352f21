#include "platform/CodePage936.h"

namespace {

class IcuCodePage936 final : public CodePage936
{
public:
    QByteArray encodeChar(char32_t) const override { return {}; }
    QByteArray encode(QStringView) const override { return {}; }
    QString decode(QByteArrayView) const override { return {}; }
};

} // namespace

std::unique_ptr<CodePage936> createCodePage936()
{
    return std::make_unique<IcuCodePage936>();
}
