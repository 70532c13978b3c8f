// What the program's command line asks of start-up. `Telvana.exe ADDRESS` plays ADDRESS
// (any address the player takes: mms, mmsh, mmst, rtsp, pnm, http) right after start-up, as
// a channel of that name would play; without arguments, or with none the player takes,
// start-up is as always. Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvana {

struct CommandLineRequest {
  std::u16string address;  // empty: nothing to play
};

// Splits a command line (without the program's name, as wWinMain receives it) the way the
// C run-time of Windows programs does: blanks separate, double quotes group, 2n backslashes
// before a quote stand for n and the quote groups, 2n+1 stand for n and a plain quote, a
// doubled quote inside a group is a plain quote.
std::vector<std::u16string> SplitCommandLine(std::u16string_view line);

// The first argument the player can play is the address; other arguments are ignored.
CommandLineRequest ReadCommandLine(std::u16string_view line);

}  // namespace telvana
