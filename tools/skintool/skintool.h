// skintool: packs skin folders into skin files and takes skin files apart, for skin authors
// and for the build. The commands live here, apart from main(), so that tests can run them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace telvana::skintool {

// Exit codes.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;  // unreadable input, damaged skin, a file that cannot be written
inline constexpr int kBadUsage = 2;  // unknown command or wrong arguments

// Runs one command line (without the program name). Results go to `out`, messages to `err`.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace telvana::skintool
