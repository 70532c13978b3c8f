// Feeds arbitrary bytes to the metafile reader as each kind of metafile, and to the sniffer
// and the address normaliser. Every address that comes out must be one the engine can send:
// printable ASCII without blanks, with a network transport, and no more of them than the
// limit. Nothing may crash, leak or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "player/address.h"
#include "player/metafile.h"

namespace {

void CheckSendable(std::string_view address) {
  if (address.empty()) __builtin_trap();
  for (const char c : address) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace telvana::player;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)SniffMetafile(text);
  for (const MetafileKind kind : {MetafileKind::Asx, MetafileKind::Ram, MetafileKind::Smil}) {
    const auto entries = ParseMetafile(kind, text, "http://127.0.0.1/dir/list.asx");
    if (entries.size() > kMaxMetafileEntries) __builtin_trap();
    for (const std::string& entry : entries) {
      CheckSendable(entry);
      if (TransportCandidates(entry).empty()) __builtin_trap();
    }
  }
  const std::string normalized = NormalizeAddressBytes(text);
  for (const char c : normalized) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F) __builtin_trap();
  }
  for (const std::string& candidate : TransportCandidates(normalized)) CheckSendable(candidate);
  return 0;
}
