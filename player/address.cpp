#include "player/address.h"

#include <algorithm>

#include "ui/utf.h"

namespace telvana::player {

namespace {

bool IsAsciiBlank(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Blanks that stored addresses and metafiles carry around an address, as UTF-8 sequences:
// no-break space, ideographic space, byte-order mark.
constexpr std::string_view kWideBlanks[] = {"\xC2\xA0", "\xE3\x80\x80", "\xEF\xBB\xBF"};

std::string_view TrimBlanks(std::string_view s) {
  for (bool changed = true; changed && !s.empty();) {
    changed = false;
    while (!s.empty() && IsAsciiBlank(static_cast<unsigned char>(s.front()))) {
      s.remove_prefix(1);
      changed = true;
    }
    while (!s.empty() && IsAsciiBlank(static_cast<unsigned char>(s.back()))) {
      s.remove_suffix(1);
      changed = true;
    }
    for (std::string_view blank : kWideBlanks) {
      if (s.starts_with(blank)) {
        s.remove_prefix(blank.size());
        changed = true;
      }
      if (s.ends_with(blank)) {
        s.remove_suffix(blank.size());
        changed = true;
      }
    }
  }
  return s;
}

void AppendEscaped(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[c >> 4];
  out += kHex[c & 0xF];
}

// Escapes what may not travel in a request line: every byte of a non-ASCII character (so a
// UTF-8 sequence and a stray byte of a local code page come out the same way, byte by byte),
// control characters and blanks.
std::string EscapeAddress(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80 || c <= 0x20 || c == 0x7F) {
      AppendEscaped(out, c);
    } else {
      out += ch;
    }
  }
  return out;
}

std::size_t SchemeEnd(std::string_view s) {
  const std::size_t colon = s.find("://");
  if (colon == std::string_view::npos || colon == 0) return std::string_view::npos;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = s[i];
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                    (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!ok) return std::string_view::npos;
  }
  return colon;
}

std::string WithScheme(std::string_view address, std::string_view scheme) {
  const std::size_t colon = SchemeEnd(address);
  return std::string(scheme) + std::string(address.substr(colon));
}

}  // namespace

std::string NormalizeAddressBytes(std::string_view address) {
  std::string out = EscapeAddress(TrimBlanks(address));
  const std::size_t colon = SchemeEnd(out);
  if (colon != std::string::npos) {
    std::transform(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(colon), out.begin(),
                   LowerAscii);
  }
  return out;
}

std::string NormalizeAddress(std::u16string_view address) {
  return NormalizeAddressBytes(Utf16ToUtf8(address));
}

std::string SchemeOf(std::string_view address) {
  const std::size_t colon = SchemeEnd(address);
  if (colon == std::string_view::npos) return {};
  std::string scheme(address.substr(0, colon));
  std::transform(scheme.begin(), scheme.end(), scheme.begin(), LowerAscii);
  return scheme;
}

std::vector<TransportCandidate> TransportPlan(std::string_view address) {
  const std::string scheme = SchemeOf(address);
  if (scheme == "mms") {
    return {{WithScheme(address, "mmsh"), Transport::MmsOverHttp},
            {WithScheme(address, "mmst"), Transport::MmsOverTcp}};
  }
  if (scheme == "mmsh") return {{WithScheme(address, scheme), Transport::MmsOverHttp}};
  if (scheme == "mmst") return {{WithScheme(address, scheme), Transport::MmsOverTcp}};
  if (scheme == "rtsp" || scheme == "pnm") {
    const std::string url = WithScheme(address, "rtsp");
    return {{url, Transport::RtspOverTcp}, {url, Transport::RtspOverUdp}};
  }
  // FFmpeg's https goes through Windows' own TLS, which checks the server's certificate.
  if (scheme == "http" || scheme == "https")
    return {{WithScheme(address, scheme), Transport::Http}};
  return {};
}

std::vector<std::string> TransportCandidates(std::string_view address) {
  std::vector<std::string> urls;
  for (TransportCandidate& c : TransportPlan(address)) {
    if (urls.empty() || urls.back() != c.url) urls.push_back(std::move(c.url));
  }
  return urls;
}

std::string ResolveReference(std::string_view base, std::string_view reference) {
  if (SchemeEnd(reference) != std::string_view::npos) return std::string(reference);
  const std::size_t colon = SchemeEnd(base);
  if (colon == std::string_view::npos) return std::string(reference);
  if (reference.starts_with("//"))
    return std::string(base.substr(0, colon + 1)) + std::string(reference);
  const std::size_t authorityStart = colon + 3;
  std::size_t pathStart = base.find_first_of("/?#", authorityStart);
  if (pathStart == std::string_view::npos) pathStart = base.size();
  const std::string_view origin = base.substr(0, pathStart);
  if (reference.starts_with('/')) return std::string(origin) + std::string(reference);
  std::string_view path = base.substr(pathStart);
  path = path.substr(0, path.find_first_of("?#"));
  const std::size_t lastSlash = path.rfind('/');
  const std::string_view directory =
      lastSlash == std::string_view::npos ? "/" : path.substr(0, lastSlash + 1);
  return std::string(origin) + std::string(directory) + std::string(reference);
}

std::string PathExtension(std::string_view address) {
  std::size_t start = 0;
  if (const std::size_t colon = SchemeEnd(address); colon != std::string_view::npos) {
    start = address.find('/', colon + 3);
    if (start == std::string_view::npos) return {};
  }
  std::string_view path = address.substr(start);
  path = path.substr(0, path.find_first_of("?#"));
  const std::size_t slash = path.rfind('/');
  const std::string_view segment = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = segment.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string ext(segment.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), LowerAscii);
  return ext;
}

}  // namespace telvana::player
