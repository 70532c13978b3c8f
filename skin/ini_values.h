// The value rules of skin descriptions: integers and colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace telvana {

// A colour value: red + 256 * green + 65536 * blue, or 0xFF000000 + a system colour index.
using ColourValue = std::uint32_t;

inline constexpr ColourValue SystemColour(int index) {
  return 0xFF000000u + static_cast<ColourValue>(index);
}
inline constexpr ColourValue RgbColour(int r, int g, int b) {
  return static_cast<ColourValue>(r) + 256u * static_cast<ColourValue>(g) +
         65536u * static_cast<ColourValue>(b);
}

// Decimal with an optional sign, or, for more than two characters beginning "0x" or "0X",
// hexadecimal of up to 32 bits (so 0xFFFFFFFF is -1). Anything else, including a number
// outside the 32-bit range, is no integer.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// Up to three decimal numbers separated by runs of non-digits, as red, green and blue.
// A number counts when a non-digit follows it; the number that ends the text counts only
// as the third. Missing numbers and numbers above the 32-bit range count as 0; numbers after
// the third are ignored. Empty text is no colour at all.
std::optional<ColourValue> ParseIniColour(std::string_view text);

}  // namespace telvana
