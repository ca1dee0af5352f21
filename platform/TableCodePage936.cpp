// SPDX-License-Identifier: MIT
#include "platform/CodePage936.h"

#include "CodePage936Table.h"

#include <vector>

namespace {

// Code page 936 from the table made of ICU's when the program was built, for
// systems without ICU: the same characters, under the same bytes.
class TableCodePage936 final : public CodePage936
{
public:
    QByteArray encodeChar(char32_t codePoint) const override
    {
        // U+0000 is the table's "none", and its own byte.
        if (codePoint == 0)
            return QByteArray(1, '\0');
        if (codePoint > 0xFFFF)
            return {};
        const quint16 bytes = encodings()[codePoint];
        if (bytes == 0)
            return {};
        if (bytes < 0x100)
            return QByteArray(1, char(bytes));
        const char pair[2] = {char(bytes >> 8), char(bytes & 0xFF)};
        return QByteArray(pair, 2);
    }

private:
    // Each character's bytes, lead byte high, inverted from the table once.
    const std::vector<quint16> &encodings() const
    {
        if (m_encodings.empty()) {
            m_encodings.resize(0x10000);
            for (int byte = 0; byte < 0x100; ++byte) {
                if (const char16_t unit = CodePage936Table::single[byte])
                    m_encodings[unit] = quint16(byte);
            }
            const int count = int(std::size(CodePage936Table::pairs));
            for (int i = 0; i < count; ++i) {
                if (const char16_t unit = CodePage936Table::pairs[i]) {
                    const int lead = CodePage936Table::leadFirst + i / CodePage936Table::trailCount;
                    const int trail =
                        CodePage936Table::trailFirst + i % CodePage936Table::trailCount;
                    m_encodings[unit] = quint16(lead << 8 | trail);
                }
            }
        }
        return m_encodings;
    }

    mutable std::vector<quint16> m_encodings;
};

} // namespace

std::unique_ptr<CodePage936> createCodePage936()
{
    return std::make_unique<TableCodePage936>();
}
