// TQuickIni: the in-memory reader of a skin description (ini syntax, 8-bit text).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/ini_values.h"

namespace telvana {

class TQuickIni {
 public:
  // Replaces everything held with the text. Lines end at CR, LF or CR LF; a NUL byte ends
  // the whole text. Each line is trimmed of blanks and control characters; empty lines and
  // lines beginning with ';' are dropped.
  void Load(std::string_view text);
  void Load(std::span<const std::uint8_t> bytes);

  // The value of the first line with the key (compared lower-cased) in the first section
  // with the name (compared without case), looking no further than the next section header.
  // `fallback` when any of these is missing or the value is empty.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  // A colour by the colour rule (ini_values.h); `fallback` for a missing or empty value.
  ColourValue ReadColour(std::string_view section, std::string_view key,
                         ColourValue fallback) const;
  // The colour of three integer keys prefix + "R", "G", "B": only when all three are given
  // and none is negative, each taken modulo 256.
  std::optional<ColourValue> ReadColourTriple(std::string_view section,
                                              std::string_view prefix) const;

  // True when the section has a line with the key, whatever its value (even an empty one).
  bool HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
  }

  // The section names without brackets, trimmed, in file order (a repeated one repeats).
  std::vector<std::string> ReadSections() const;

  std::size_t LineCount() const { return lines_.size(); }

 private:
  struct Line {
    bool header = false;
    std::string key;    // lower-cased; empty for a header or a line without '='
    std::string value;  // the trimmed value; for a header, the whole line
  };
  struct Section {
    std::string name;  // the header line, brackets included
    std::size_t line = 0;
  };

  // The value of the first line with the key, if there is one (it may be empty).
  const std::string* Find(std::string_view section, std::string_view key) const;

  std::vector<Line> lines_;
  std::vector<Section> sections_;
};

}  // namespace telvana
