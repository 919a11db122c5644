#include "common/byte_recoder.hpp"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace lumtaris {

ByteRecoder::ByteRecoder(const Table& table) : table_(table)
{
    for (std::size_t b = 0; b < 128; ++b)
        keepsAscii_ = keepsAscii_ && table_[b] == b;
}

std::optional<ByteRecoder> ByteRecoder::For(CodePage source, CodePage target)
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
    return ByteRecoder(table);
}

void ByteRecoder::Copy(const char* in, std::size_t size, char* out) const
{
    const auto recode = [&](std::size_t k) {
        out[k] = static_cast<char>(table_[static_cast<unsigned char>(in[k])]);
    };
    std::size_t i = 0;
    // File lines are mostly digits, blanks and plain letters: eight bytes at a time are copied
    // as they are, and only those with the top bit set are looked up.
    if (keepsAscii_) {
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
