#pragma once

// A recoding between two single-byte code pages as a table of its 256 bytes, applied while
// copying: for writers that recode a whole file.

#include "common/codepage.hpp"

#include <array>
#include <cstddef>
#include <optional>

namespace lumtaris {

class ByteRecoder
{
public:
    using Table = std::array<unsigned char, 256>;

    explicit ByteRecoder(const Table& table);

    // The recoding RecodeText does, as a table; nothing when it is not one byte for one byte.
    static std::optional<ByteRecoder> For(CodePage source, CodePage target);

    // Writes the `size` bytes at `in`, recoded, to `out`; the two may be the same place.
    void Copy(const char* in, std::size_t size, char* out) const;

private:
    Table table_;
    bool keepsAscii_ = true; // every byte below 128 stays as it is
};

} // namespace lumtaris
