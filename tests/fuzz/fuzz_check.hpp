#pragma once

// A broken property ends the run as a crash, so libFuzzer keeps the input that broke it.

#include <cstdlib>

namespace lumtaris::fuzz {

inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace lumtaris::fuzz
