#include "tools/skintool/skin_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "skin/ascii.h"
#include "skin/bmp_decoder.h"
#include "skin/skin_error.h"
#include "skin/skin_limits.h"

namespace telvana::skintool {
namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError{path.string() + ": cannot open"};
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw ToolError{path.string() + ": cannot read"};
  return bytes;
}

std::vector<SkinEntry> ReadSkinFolder(const fs::path& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) throw ToolError{dir.string() + ": not a folder"};

  std::vector<SkinEntry> entries;
  std::vector<std::string> descriptions;
  std::set<std::string> lowered;
  for (const fs::directory_entry& item : fs::directory_iterator(dir)) {
    const std::string name = item.path().filename().string();
    const std::string where = item.path().string();
    if (!item.is_regular_file()) {
      throw ToolError{where + ": a skin folder holds only files (one .ini and its .bmp pictures)"};
    }
    const std::string lower = AsciiLowered(name);
    if (!lowered.insert(lower).second) {
      throw ToolError{where + ": another file has the same name but for case; skins ignore case"};
    }
    if (EndsWith(lower, ".ini")) {
      descriptions.push_back(name);
    } else if (!EndsWith(lower, ".bmp")) {
      throw ToolError{where + ": neither a description (.ini) nor a bitmap (.bmp)"};
    } else if (lower.find(".ini") != std::string::npos) {
      throw ToolError{where +
                      ": a bitmap whose name contains \".ini\" would be taken for the description"};
    }
    SkinEntry entry{name, ReadWholeFile(item.path())};
    if (!EndsWith(lower, ".ini")) {
      try {
        DecodeBitmap(entry.bytes);
      } catch (const SkinLoadError& e) {
        throw ToolError{where + ": " + e.what()};
      }
    }
    entries.push_back(std::move(entry));
  }
  if (descriptions.size() != 1) {
    throw ToolError{dir.string() + ": a skin folder needs exactly one description (.ini), found " +
                    std::to_string(descriptions.size())};
  }
  if (entries.size() > static_cast<std::size_t>(kMaxSkinEntries)) {
    throw ToolError{dir.string() + ": " + std::to_string(entries.size()) +
                    " files; a skin holds at most " + std::to_string(kMaxSkinEntries)};
  }
  SortForPacking(entries);
  return entries;
}

std::vector<std::string> CheckPictureReferences(const std::vector<SkinEntry>& entries) {
  std::vector<std::string> warnings;
  const auto description = std::find_if(
      entries.begin(), entries.end(), [](const SkinEntry& e) { return IsDescriptionName(e.name); });
  if (description == entries.end()) return warnings;
  std::set<std::string> present;
  for (const SkinEntry& e : entries) present.insert(AsciiLowered(e.name));

  // Every key of every section: the ini reader answers only by name, so walk the lines here,
  // with the same line and trimming rules.
  const std::string text(description->bytes.begin(), description->bytes.end());
  std::string section;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = TrimBlanks(std::string_view(text).substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = std::string(line.substr(1, line.size() - 2));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string key(TrimBlanks(line.substr(0, eq)));
    const std::string value(TrimBlanks(line.substr(eq + 1)));
    const std::string file = value.substr(
        value.find_last_of("\\:") == std::string::npos ? 0 : value.find_last_of("\\:") + 1);
    const std::string lower = AsciiLowered(file);
    if (!EndsWith(lower, ".bmp")) continue;
    const std::string where = description->name + " [" + section + "] " + key + ": ";
    if (!EndsWith(file, ".bmp")) {
      warnings.push_back(where + "\"" + file +
                         "\" is ignored: the extension must be \".bmp\" in lower case");
    } else if (present.count(lower) == 0) {
      warnings.push_back(where + "\"" + file + "\" is not in the skin");
    }
  }
  return warnings;
}

}  // namespace telvana::skintool
