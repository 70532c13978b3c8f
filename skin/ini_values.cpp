#include "skin/ini_values.h"

#include <array>
#include <limits>

namespace telvana {
namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits only; nullopt when empty, not all digits, or above `limit`.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint64_t value = 0;
    for (char c : text.substr(2)) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<std::uint64_t>(digit);
      if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::uint64_t limit =
      std::uint64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  const auto magnitude = ParseDigits(text, limit);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<ColourValue> ParseIniColour(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::array<std::uint32_t, 3> parts{};
  std::size_t found = 0;
  auto convert = [](std::string_view digits) {
    const auto v = ParseDigits(digits, std::numeric_limits<std::int32_t>::max());
    return v ? static_cast<std::uint32_t>(*v) : 0u;
  };
  std::size_t start = 0;
  bool in_number = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      if (!in_number) start = i;
      in_number = true;
    } else if (in_number) {
      in_number = false;
      if (found < parts.size()) parts[found] = convert(text.substr(start, i - start));
      ++found;
    }
  }
  if (in_number && found == 2) parts[2] = convert(text.substr(start));
  return parts[0] + 256u * parts[1] + 65536u * parts[2];
}

}  // namespace telvana
