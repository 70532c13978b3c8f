// TQuickIni and the value rules over arbitrary text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/skin/fuzz_checks.h"
#include "skin/ini_values.h"
#include "skin/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  telvana::TQuickIni ini;
  ini.Load(text);
  // Lookups in the first four sections show all there is to see. Every lookup walks all the
  // sections, so looking up each of a thousand tiny ones would cost millions of comparisons.
  const std::vector<std::string> sections = ini.ReadSections();
  const std::size_t looked_up = std::min<std::size_t>(sections.size(), 4);
  for (const std::string& section : std::span(sections).first(looked_up)) {
    for (const char* key : {"Image", "Bitmap", "Action", "color", "ButtonFace", ""}) {
      const std::string value = ini.ReadString(section, key, "\x01");
      FUZZ_CHECK(!value.empty());
      ini.ReadInteger(section, key, -1);
      ini.ReadColour(section, key, 0xFF000008u);
    }
    ini.ReadColourTriple(section, "ActiveText");
  }
  // The value rules on the raw text (values are trimmed, but the rules must not care).
  const auto integer = telvana::ParseIniInteger(text);
  if (integer && text.size() < 12 && !text.empty() && text[0] >= '1' && text[0] <= '9') {
    FUZZ_CHECK(std::to_string(*integer) == text);
  }
  const auto colour = telvana::ParseIniColour(text);
  FUZZ_CHECK(colour.has_value() == !text.empty());
  return 0;
}
