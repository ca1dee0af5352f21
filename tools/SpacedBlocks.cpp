#include "tools/SpacedBlocks.h"

#include "platform/GraphemeClusters.h"

#include <algorithm>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMORA_SPACED_BLOCKS_AVX2 1
#include <immintrin.h>
#endif

#ifdef VELMORA_SPACED_BLOCKS_AVX2

namespace {

constexpr int gapCount = StandaloneUnits::commonRunCount - 1;

struct CommonGaps
{
    std::array<UnitRun, gapCount> gaps{};
    bool usable = false;
};

// The units outside the common runs, as the gaps between them on the circle
// of 65,536 code units, where the run up to U+FFFF meets the one from U+0000:
// one gap fewer than runs, one test fewer per block. Should there be more
// gaps, dropping the smallest run only turns more blocks away.
CommonGaps commonGaps()
{
    std::vector<UnitRun> runs;
    for (const UnitRun &run : StandaloneUnits::instance().commonRuns()) {
        if (run.size > 0)
            runs.push_back(run);
    }
    const auto byFirst = [](const UnitRun &a, const UnitRun &b) { return a.first < b.first; };
    const auto sameFirst = [](const UnitRun &a, const UnitRun &b) { return a.first == b.first; };
    std::sort(runs.begin(), runs.end(), byFirst);
    runs.erase(std::unique(runs.begin(), runs.end(), sameFirst), runs.end());
    CommonGaps result;
    while (!runs.empty()) {
        std::vector<UnitRun> gaps;
        for (std::size_t k = 0; k < runs.size(); ++k) {
            const UnitRun &run = runs[k];
            const UnitRun &next = runs[(k + 1) % runs.size()];
            const char16_t first = char16_t(run.first + run.size);
            const quint16 size = quint16(next.first - first);
            if (size > 0)
                gaps.push_back({first, size});
        }
        if (gaps.size() <= gapCount) {
            std::copy(gaps.begin(), gaps.end(), result.gaps.begin());
            result.usable = true;
            break;
        }
        runs.erase(
            std::min_element(runs.begin(), runs.end(),
                             [](const UnitRun &a, const UnitRun &b) { return a.size < b.size; }));
    }
    return result;
}

// For each set of kept lanes out of eight, their indices moved to the front.
alignas(32) constexpr std::array<std::array<qint32, 8>, 256> keptLanes = [] {
    std::array<std::array<qint32, 8>, 256> table{};
    for (int kept = 0; kept < 256; ++kept) {
        int next = 0;
        for (int lane = 0; lane < 8; ++lane) {
            if (kept >> lane & 1)
                table[kept][next++] = lane;
        }
    }
    return table;
}();

// A unit lies in a gap when unit - first < size, counted modulo 65,536;
// shifted by 0x8000 the test fits the signed comparison.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i
inGaps(__m256i units, const __m256i *bias, const __m256i *limit)
{
    __m256i inside = _mm256_cmpgt_epi16(limit[0], _mm256_sub_epi16(units, bias[0]));
    for (int g = 1; g < gapCount; ++g)
        inside =
            _mm256_or_si256(inside, _mm256_cmpgt_epi16(limit[g], _mm256_sub_epi16(units, bias[g])));
    return inside;
}

[[gnu::target("avx2,popcnt")]] SpacedBlocks spaceBlocksAvx2(const char16_t *text, qsizetype size,
                                                            char16_t *out, const CommonGaps &common)
{
    __m256i bias[gapCount];
    __m256i limit[gapCount];
    for (int g = 0; g < gapCount; ++g) {
        bias[g] = _mm256_set1_epi16(short(common.gaps[g].first ^ 0x8000));
        limit[g] = _mm256_set1_epi16(short(common.gaps[g].size - 0x8000));
    }
    const __m256i blank = _mm256_set1_epi16(short(u' '));
    char16_t *written = out;
    qsizetype i = 0;
    for (; i + spacedBlockSize <= size; i += spacedBlockSize) {
        const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text + i));
        const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(text + i + 16));
        if (_mm256_movemask_epi8(
                _mm256_or_si256(inGaps(first, bias, limit), inGaps(second, bias, limit))) != 0)
            break;
        // Each unit paired with a blank, units 0-7, 8-15, 16-23, 24-31; the
        // quarter order puts each unit's lane into the right pairing half.
        const __m256i firstQuarters = _mm256_permute4x64_epi64(first, 0xD8);
        const __m256i secondQuarters = _mm256_permute4x64_epi64(second, 0xD8);
        const __m256i pairs[4] = {_mm256_unpacklo_epi16(firstQuarters, blank),
                                  _mm256_unpackhi_epi16(firstQuarters, blank),
                                  _mm256_unpacklo_epi16(secondQuarters, blank),
                                  _mm256_unpackhi_epi16(secondQuarters, blank)};
        // One bit per blank: bits 0-7 units 0-7, 8-15 units 16-23, 16-23
        // units 8-15, 24-31 units 24-31. Blanks' pairs are dropped.
        const unsigned kept = ~unsigned(_mm256_movemask_epi8(_mm256_packs_epi16(
            _mm256_cmpeq_epi16(first, blank), _mm256_cmpeq_epi16(second, blank))));
        // Chinese text mostly has no blank in a block: the pairs go out as
        // they are, without a chain of counts between the stores.
        if (kept == ~0u) {
            for (int q = 0; q < 4; ++q)
                _mm256_storeu_si256(reinterpret_cast<__m256i *>(written + 16 * q), pairs[q]);
            written += 2 * spacedBlockSize;
            continue;
        }
        constexpr int keptShift[4] = {0, 16, 8, 24};
        for (int q = 0; q < 4; ++q) {
            const unsigned lanes = kept >> keptShift[q] & 0xFF;
            const __m256i order =
                _mm256_load_si256(reinterpret_cast<const __m256i *>(keptLanes[lanes].data()));
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(written),
                                _mm256_permutevar8x32_epi32(pairs[q], order));
            written += 2 * _mm_popcnt_u32(lanes);
        }
    }
    return {i, written};
}

} // namespace

#endif

SpacedBlocks spaceCommonBlocks(const char16_t *text, qsizetype size, char16_t *out)
{
#ifdef VELMORA_SPACED_BLOCKS_AVX2
    static const bool hasAvx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    static const CommonGaps common = commonGaps();
    if (hasAvx2 && common.usable)
        return spaceBlocksAvx2(text, size, out, common);
#else
    Q_UNUSED(text);
    Q_UNUSED(size);
#endif
    return {0, out};
}
