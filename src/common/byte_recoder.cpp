#include "common/byte_recoder.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define LUMTARIS_WIDE_COPY 1
#include <immintrin.h>
#endif

namespace lumtaris {

namespace {

#ifdef LUMTARIS_WIDE_COPY
bool HasWideCopy()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
    }();
    return has;
}

// A byte permute looks up 64 bytes at once in a table of 128, so two of them and a blend on the
// top bit recode 64 bytes with no branch at all. The tail is read and written under a mask.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
CopyWide(const ByteRecoder::Table& table, const char* in, std::size_t size, char* out)
{
    const __m512i t0 = _mm512_loadu_si512(table.data());
    const __m512i t1 = _mm512_loadu_si512(table.data() + 64);
    const __m512i t2 = _mm512_loadu_si512(table.data() + 128);
    const __m512i t3 = _mm512_loadu_si512(table.data() + 192);
    std::size_t i = 0;
    for (; i + 64 <= size; i += 64) {
        const __m512i bytes = _mm512_loadu_si512(in + i);
        const __m512i lower = _mm512_permutex2var_epi8(t0, bytes, t1);
        const __m512i upper = _mm512_permutex2var_epi8(t2, bytes, t3);
        _mm512_storeu_si512(out + i,
                            _mm512_mask_blend_epi8(_mm512_movepi8_mask(bytes), lower, upper));
    }
    if (i < size) {
        const __mmask64 tail = ~std::uint64_t{0} >> (64 - (size - i));
        const __m512i bytes = _mm512_maskz_loadu_epi8(tail, in + i);
        const __m512i lower = _mm512_permutex2var_epi8(t0, bytes, t1);
        const __m512i upper = _mm512_permutex2var_epi8(t2, bytes, t3);
        _mm512_mask_storeu_epi8(out + i, tail,
                                _mm512_mask_blend_epi8(_mm512_movepi8_mask(bytes), lower, upper));
    }
}
#endif

} // namespace

ByteRecoder::ByteRecoder(const Table& table, Method method) : table_(table)
{
    for (std::size_t b = 0; b < 128; ++b)
        keepsAscii_ = keepsAscii_ && table_[b] == b;
#ifdef LUMTARIS_WIDE_COPY
    wide_ = method == Method::Fastest && HasWideCopy();
#else
    (void)method;
#endif
}

std::optional<ByteRecoder> ByteRecoder::For(CodePage source, CodePage target, Method method)
{
    std::string all(256, '\0');
    for (std::size_t b = 0; b < all.size(); ++b)
        all[b] = static_cast<char>(b);
    const std::string recoded = RecodeText(all, source, target);
    if (recoded.size() != all.size())
        return std::nullopt;
    Table table;
    for (std::size_t b = 0; b < table.size(); ++b)
        table[b] = static_cast<unsigned char>(recoded[b]);
    return ByteRecoder(table, method);
}

void ByteRecoder::Copy(const char* in, std::size_t size, char* out) const
{
#ifdef LUMTARIS_WIDE_COPY
    if (wide_) {
        CopyWide(table_, in, size, out);
        return;
    }
#endif
    const auto recode = [&](std::size_t k) {
        out[k] = static_cast<char>(table_[static_cast<unsigned char>(in[k])]);
    };
    std::size_t i = 0;
    // File lines are mostly digits, blanks and plain letters: sixteen (or eight) bytes at a time
    // are copied as they are, and only those with the top bit set are looked up.
    if (keepsAscii_) {
#if defined(__SSE2__) || defined(_M_X64)
        for (; i + 16 <= size; i += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), chunk);
            for (unsigned high = static_cast<unsigned>(_mm_movemask_epi8(chunk)); high != 0;
                 high &= high - 1)
                recode(i + static_cast<std::size_t>(std::countr_zero(high)));
        }
#endif
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, in + i, sizeof word);
            std::memcpy(out + i, &word, sizeof word);
            std::uint64_t high = word & 0x8080808080808080u;
            if constexpr (std::endian::native == std::endian::little) {
                for (; high != 0; high &= high - 1)
                    recode(i + static_cast<std::size_t>(std::countr_zero(high)) / 8);
            } else if (high != 0) {
                for (std::size_t k = i; k < i + 8; ++k)
                    recode(k);
            }
        }
    }
    for (; i < size; ++i)
        recode(i);
}

} // namespace lumtaris
