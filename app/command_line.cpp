#include "app/command_line.h"

#include "player/address.h"

namespace telvana {

std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
  std::vector<std::u16string> arguments;
  std::size_t i = 0;
  const auto blank = [&](std::size_t at) { return line[at] == u' ' || line[at] == u'\t'; };
  while (true) {
    while (i < line.size() && blank(i)) ++i;
    if (i >= line.size()) break;
    std::u16string argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !blank(i))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == u'\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == u'"') {
        argument.append(backslashes / 2, u'\\');
        if (backslashes % 2 == 1) {
          argument += u'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          argument += u'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.append(backslashes, u'\\');
        if (i < line.size() && (quoted || !blank(i))) argument += line[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

CommandLineRequest ReadCommandLine(std::u16string_view line) {
  for (std::u16string& argument : SplitCommandLine(line)) {
    if (!player::TransportCandidates(player::NormalizeAddress(argument)).empty()) {
      return CommandLineRequest{std::move(argument)};
    }
  }
  return {};
}

}  // namespace telvana
