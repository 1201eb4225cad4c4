#pragma once

#include "engine/modBazelot.h"

#include <array>
#include <cstddef>

// The four numeral systems as the option buttons of both groups offer them, in button order.
enum class SystemOption { Decimal, Binary, Octal, Hexadecimal };

inline constexpr std::array<SystemOption, 4> kSystemOptions{SystemOption::Decimal, SystemOption::Binary,
                                                            SystemOption::Octal, SystemOption::Hexadecimal};

// The button index of an option: 0 decimal, 1 binary, 2 octal, 3 hexadecimal.
constexpr std::size_t indexOf(SystemOption option) {
    return static_cast<std::size_t>(option);
}

// The radix of each option, in button order: what the engine works with and the windows store.
inline constexpr std::array<modBazelot::NumeralSystem, 4> kOptionRadices{10, 2, 8, 16};

constexpr modBazelot::NumeralSystem radixOf(SystemOption option) {
    return kOptionRadices[indexOf(option)];
}
