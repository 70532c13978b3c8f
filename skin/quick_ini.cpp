#include "skin/quick_ini.h"

#include "skin/ascii.h"

namespace telvana {

void TQuickIni::Load(std::span<const std::uint8_t> bytes) {
  Load(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::Load(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<Line> lines;
  std::vector<Section> sections;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;
    Line kept;
    if (line.front() == '[' && line.back() == ']') {
      kept.header = true;
      kept.value = std::string(line);
      sections.push_back({kept.value, lines.size()});
    } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
      kept.key = AsciiLowered(TrimBlanks(line.substr(0, eq)));
      kept.value = std::string(TrimBlanks(line.substr(eq + 1)));
    }
    lines.push_back(std::move(kept));
  }
  lines_ = std::move(lines);
  sections_ = std::move(sections);
}

const std::string* TQuickIni::Find(std::string_view section, std::string_view key) const {
  if (key.empty()) return nullptr;  // lines without a key answer no lookup
  std::string header;
  header.reserve(section.size() + 2);
  header.append(1, '[').append(section).append(1, ']');
  const Section* found = nullptr;
  for (const Section& s : sections_) {
    if (AsciiEqualNoCase(s.name, header)) {
      found = &s;
      break;
    }
  }
  if (found == nullptr) return nullptr;
  const std::string wanted = AsciiLowered(key);
  for (std::size_t i = found->line + 1; i < lines_.size() && !lines_[i].header; ++i) {
    if (lines_[i].key == wanted) return &lines_[i].value;
  }
  return nullptr;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
  const std::string* value = Find(section, key);
  if (value == nullptr || value->empty()) return std::string(fallback);
  return *value;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t fallback) const {
  const std::string* value = Find(section, key);
  if (value == nullptr || value->empty()) return fallback;
  return ParseIniInteger(*value).value_or(fallback);
}

ColourValue TQuickIni::ReadColour(std::string_view section, std::string_view key,
                                  ColourValue fallback) const {
  const std::string* value = Find(section, key);
  if (value == nullptr) return fallback;
  return ParseIniColour(*value).value_or(fallback);
}

std::optional<ColourValue> TQuickIni::ReadColourTriple(std::string_view section,
                                                       std::string_view prefix) const {
  const std::string p(prefix);
  const std::int32_t r = ReadInteger(section, p + "R", -1);
  const std::int32_t g = ReadInteger(section, p + "G", -1);
  const std::int32_t b = ReadInteger(section, p + "B", -1);
  if (r < 0 || g < 0 || b < 0) return std::nullopt;
  return RgbColour(r % 256, g % 256, b % 256);
}

std::vector<std::string> TQuickIni::ReadSections() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const Section& s : sections_) {
    names.emplace_back(TrimBlanks(std::string_view(s.name).substr(1, s.name.size() - 2)));
  }
  return names;
}

}  // namespace telvana
