#include "player/connection_details.h"

#include <cstdio>

#include "player/address.h"
#include "ui/utf.h"

namespace telvana::player {

namespace {

std::u16string Ascii(const std::string& s) {
  return Utf8ToUtf16(s);
}

std::u16string Format(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return Ascii(buffer);
}

// An attempt over TLS says so: "HTTP" beside an https address would tell the user that the
// connection was not secured.
std::u16string TransportText(const OpenAttempt& a) {
  if (SchemeOf(a.address) == "https") {
    if (a.transport == Transport::Http) return u"HTTPS";
    if (a.transport == Transport::Metafile) return u"播放列表（HTTPS）";
  }
  return TransportName(a.transport);
}

}  // namespace

std::vector<std::u16string> ConnectionDetailsLines(const PlaybackStatus& status) {
  std::vector<std::u16string> lines;
  lines.push_back(u"连接尝试：");
  if (status.attempts.empty()) lines.push_back(u"  （无）");
  int number = 0;
  for (const OpenAttempt& a : status.attempts) {
    std::u16string line = u"  " + Ascii(std::to_string(++number)) + u". ";
    line.append(static_cast<std::size_t>(2 * a.depth), u' ');
    line += Ascii(a.address) + u"  " + TransportText(a) + u"  ";
    line += a.result == PlaybackFailure::None ? u"成功" : u"失败：" + FailureReason(a.result);
    line += u"  " + Format("%.2f", a.seconds) + u" 秒";
    lines.push_back(std::move(line));
  }
  lines.push_back(u"");
  lines.push_back(u"正在播放：");
  if (status.playing.empty()) {
    lines.push_back(u"  （无）");
    return lines;
  }
  lines.push_back(u"  地址：" + Ascii(status.playing));
  lines.push_back(u"  格式：" + Ascii(status.container));
  if (!status.videoCodec.empty()) {
    lines.push_back(u"  视频：" + Ascii(status.videoCodec) + u"  " +
                    Ascii(std::to_string(status.videoWidth)) + u"×" +
                    Ascii(std::to_string(status.videoHeight)));
  }
  if (!status.audioCodec.empty()) lines.push_back(u"  音频：" + Ascii(status.audioCodec));
  lines.push_back(u"  码率：" +
                  (status.bitRate > 0
                       ? Format("%.0f", static_cast<double>(status.bitRate) / 1000) + u" kbit/s"
                       : std::u16string(u"未知")));
  lines.push_back(u"  已缓冲：" + Format("%.1f", status.bufferedSeconds) + u" 秒");
  lines.push_back(u"  丢弃的画面：" + Ascii(std::to_string(status.picturesDropped)));
  return lines;
}

}  // namespace telvana::player
