// SPDX-License-Identifier: MIT
// Writes code page 936 as a C++ table, for systems without ICU: every
// character of the Basic Multilingual Plane that ICU's windows-936-2000
// encodes and decodes back to itself, under its bytes. Supplementary
// characters have none in code page 936; the program stops if ICU gives one.
//   velmora_codepage_table OUTPUT
#include <unicode/ucnv.h>
#include <unicode/uversion.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int leadFirst = 0x81, leadLast = 0xFE, trailFirst = 0x40, trailLast = 0xFE;
constexpr int trailCount = trailLast - trailFirst + 1;

// The bytes of one code point, or an empty string: the stop callback reports
// what does not encode, and only what decodes back to the code point counts.
std::string encode(UConverter *converter, UChar32 codePoint)
{
    UChar units[2];
    int32_t length = 0;
    U16_APPEND_UNSAFE(units, length, codePoint);
    char bytes[8];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t size = ucnv_fromUChars(converter, bytes, sizeof bytes, units, length, &status);
    if (U_FAILURE(status) || size <= 0)
        return {};
    UChar back[4];
    status = U_ZERO_ERROR;
    const int32_t backLength = ucnv_toUChars(converter, back, 4, bytes, size, &status);
    if (U_FAILURE(status) || backLength != length || back[0] != units[0] ||
        (length == 2 && back[1] != units[1]))
        return {};
    return std::string(bytes, size);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora_codepage_table OUTPUT\n");
        return 2;
    }
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open("windows-936-2000", &status);
    if (U_SUCCESS(status))
        ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU has no windows-936-2000: %s\n", u_errorName(status));
        return 1;
    }
    std::array<unsigned, 256> single{};
    std::array<unsigned, (leadLast - leadFirst + 1) * trailCount> pairs{};
    for (UChar32 codePoint = 1; codePoint <= 0x10FFFF; ++codePoint) {
        if (U_IS_SURROGATE(codePoint))
            continue;
        const std::string bytes = encode(converter, codePoint);
        if (bytes.empty())
            continue;
        const auto first = static_cast<unsigned char>(bytes[0]);
        if (codePoint > 0xFFFF || bytes.size() > 2) {
            std::fprintf(stderr, "U+%04X encodes outside the table's form\n", unsigned(codePoint));
            return 1;
        }
        if (bytes.size() == 1) {
            single[first] = unsigned(codePoint);
        } else {
            const auto second = static_cast<unsigned char>(bytes[1]);
            if (first < leadFirst || second < trailFirst || second > trailLast) {
                std::fprintf(stderr, "U+%04X encodes outside the table's form\n",
                             unsigned(codePoint));
                return 1;
            }
            pairs[(first - leadFirst) * trailCount + (second - trailFirst)] = unsigned(codePoint);
        }
    }
    ucnv_close(converter);

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Made by velmora_codepage_table from ICU " U_ICU_VERSION "'s windows-936-2000.\n"
           "// Single bytes, then the pairs: leads 0x81 to 0xFE, each with trails 0x40\n"
           "// to 0xFE; the character each stands for, 0 for none.\n"
           "#pragma once\n\n"
           "namespace CodePage936Table {\n"
        << "inline constexpr int leadFirst = " << leadFirst << ", trailFirst = " << trailFirst
        << ", trailCount = " << trailCount << ";\n"
        << "inline constexpr char16_t single[256] = {";
    auto write = [&out](const auto &values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            out << (i % 16 == 0 ? "\n    " : " ") << values[i] << ',';
        out << "\n};\n";
    };
    write(single);
    out << "inline constexpr char16_t pairs[" << pairs.size() << "] = {";
    write(pairs);
    out << "} // namespace CodePage936Table\n";
    return out ? 0 : 1;
}
