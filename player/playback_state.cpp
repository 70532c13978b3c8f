#include "player/playback_state.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace telvana::player {

std::u16string StatusText(PlaybackState state, int bufferingPercent, PlaybackFailure failure) {
  switch (state) {
    case PlaybackState::Closed:
      return u"就绪";
    case PlaybackState::Connecting:
      return u"正在连接…";
    case PlaybackState::Buffering: {
      const int percent = std::clamp(bufferingPercent, 0, 100);
      std::u16string text = u"正在缓冲 ";
      for (const char c : std::to_string(percent)) text += static_cast<char16_t>(c);
      return text + u"%";
    }
    case PlaybackState::Playing:
      return u"正在播放";
    case PlaybackState::Paused:
      return u"已暂停";
    case PlaybackState::Stopped:
      return u"已停止";
    case PlaybackState::Failed:
      break;
  }
  switch (failure) {
    case PlaybackFailure::Unreachable:
      return u"无法连接到服务器";
    case PlaybackFailure::NoAnswer:
      return u"服务器没有响应";
    case PlaybackFailure::NotFound:
      return u"服务器上没有这个节目";
    case PlaybackFailure::Undecodable:
      return u"无法解码这个节目的数据流";
    case PlaybackFailure::NothingToPlay:
      return u"播放列表里没有可以播放的节目";
    case PlaybackFailure::UnsupportedAddress:
      return u"无法识别的节目地址";
    case PlaybackFailure::UnsupportedTransport:
      return u"服务器不支持这种传输方式";
    case PlaybackFailure::UntrustedCertificate:
      return u"服务器的安全证书不受信任";
    case PlaybackFailure::None:
      break;
  }
  return u"无法播放";
}

std::u16string TransportName(Transport transport) {
  switch (transport) {
    case Transport::Http:
      return u"HTTP";
    case Transport::Metafile:
      return u"播放列表（HTTP）";
    case Transport::Hls:
      return u"HLS";
    case Transport::MmsOverHttp:
      return u"MMS over HTTP";
    case Transport::MmsOverTcp:
      return u"MMS over TCP";
    case Transport::RtspOverTcp:
      return u"RTSP over TCP";
    case Transport::RtspOverUdp:
      return u"RTSP over UDP";
  }
  return {};
}

std::u16string FailureReason(PlaybackFailure failure) {
  switch (failure) {
    case PlaybackFailure::None:
      return u"成功";
    case PlaybackFailure::Unreachable:
      return u"拒绝连接";
    case PlaybackFailure::NoAnswer:
      return u"无应答超时";
    case PlaybackFailure::NotFound:
      return u"地址不存在";
    case PlaybackFailure::Undecodable:
      return u"无法解码";
    case PlaybackFailure::NothingToPlay:
      return u"列表中没有可播放的地址";
    case PlaybackFailure::UnsupportedAddress:
      return u"不支持的地址";
    case PlaybackFailure::UnsupportedTransport:
      return u"不支持的传输方式";
    case PlaybackFailure::UntrustedCertificate:
      return u"证书不受信任";
  }
  return {};
}

std::u16string FormatPlayTime(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
  const long long total = static_cast<long long>(std::min(seconds, 1e9));
  const long long h = total / 3600, m = total / 60 % 60, s = total % 60;
  char buffer[32];
  if (h > 0) {
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", h, m, s);
  } else {
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld", m, s);
  }
  std::u16string out;
  for (const char* p = buffer; *p; ++p) out += static_cast<char16_t>(*p);
  return out;
}

}  // namespace telvana::player
