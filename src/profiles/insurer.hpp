#pragma once

// The choice of a run: one insurer and one kind of submission.

#include <cstdint>

namespace lumtaris {

// The insurer, in the order OZP (207), ZPŠ (209), RBP (213), ČPZP (205), VoZP (201).
using InsurerIndex = std::uint8_t;
inline constexpr int kInsurerCount = 5;

enum class ActionKind : std::uint8_t
{
    Hoz = 0,
    Pppz = 1,
    Vyu1 = 2, // billing, general practitioner
    Vyu2 = 3, // billing, other providers
};

inline bool IsBilling(ActionKind kind)
{
    return kind == ActionKind::Vyu1 || kind == ActionKind::Vyu2;
}

} // namespace lumtaris
