// Text of the Chinese code page (936, GBK), which lists saved on Chinese systems are in,
// decoded by the system whatever the system's own code page is.
#pragma once

#include <string>
#include <string_view>

namespace telvana::playlists {

std::u16string DecodeGbk(std::string_view bytes);

}  // namespace telvana::playlists
