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

    // How Copy goes about it: the fastest way this processor offers, or the portable one that
    // every processor has (for tests of both).
    enum class Method
    {
        Fastest,
        Portable,
    };

    explicit ByteRecoder(const Table& table, Method method = Method::Fastest);

    // The recoding RecodeText does, as a table; nothing when it is not one byte for one byte.
    static std::optional<ByteRecoder> For(CodePage source, CodePage target,
                                          Method method = Method::Fastest);

    // Writes the `size` bytes at `in`, recoded, to `out`; the two may be the same place.
    void Copy(const char* in, std::size_t size, char* out) const;

private:
    Table table_;
    bool keepsAscii_ = true; // every byte below 128 stays as it is
    bool wide_ = false;      // 64 bytes at a time, looked up by the processor's byte permute
};

} // namespace lumtaris
