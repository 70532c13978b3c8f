// An RTSP server on 127.0.0.1 for the player's tests, sending an MPEG transport stream as
// RTP (payload type 33, "MP2T/90000") in real time, the way IPTV head-ends and live555- or
// VLC-based servers serve a live channel. Like those servers it offers either RTP over UDP
// only (the server answers an interleaved SETUP with "461 Unsupported Transport", as
// multicast-fed head-ends and Darwin-style servers with reliable transport switched off do)
// or RTP interleaved in the RTSP connection only (answering a UDP SETUP with 461, as servers
// behind NAT configured for TCP do). Keep-alives (GET_PARAMETER, OPTIONS) are answered while
// the stream runs, RTCP from the client is read and ignored, TEARDOWN ends the stream.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "tests/player/loopback_server.h"

namespace telvana::testsupport {

class RtspServer : public ServerBase {
 public:
  enum class Offers { UdpOnly, TcpOnly, Neither };

  // `ts` is a transport stream `seconds` long; it is sent once, paced over that time.
  RtspServer(std::string ts, double seconds, Offers offers)
      : ts_(std::move(ts)), seconds_(seconds), offers_(offers) {}
  ~RtspServer() override { Stop(); }

  std::string RtspUrl(const std::string& path) const {
    return "rtsp://127.0.0.1:" + std::to_string(Port()) + path;
  }
  // SETUP requests answered with 461, and packets sent.
  int Refused() const { return refused_; }
  int PacketsSent() const { return packets_; }

 protected:
  void Serve(SOCKET client) override {
    Session session;
    std::string pending;
    while (!Stopping()) {
      std::string request;
      if (!NextRequest(client, pending, request)) break;
      if (!Answer(client, request, session)) break;
      if (session.playing) {
        Stream(client, pending, session);
        break;
      }
    }
    session.Close();
  }

 private:
  static constexpr std::size_t kTsPacket = 188;
  static constexpr std::size_t kPerRtp = 7;  // 1316 bytes: fits an Ethernet frame

  struct Session {
    bool interleaved = false;
    bool playing = false;
    int client_rtp_port = 0;
    SOCKET rtp = INVALID_SOCKET, rtcp = INVALID_SOCKET;
    void Close() {
      if (rtp != INVALID_SOCKET) ::closesocket(rtp);
      if (rtcp != INVALID_SOCKET) ::closesocket(rtcp);
      rtp = rtcp = INVALID_SOCKET;
    }
  };

  static SOCKET UdpOnLoopback(int& port) {
    SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int length = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &length);
    port = ntohs(a.sin_port);
    return s;
  }

  static std::string Header(const std::string& request, const std::string& name) {
    std::string lower = request;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t at = lower.find("\r\n" + name + ":");
    if (at == std::string::npos) return {};
    std::size_t from = at + 3 + name.size();
    while (from < request.size() && request[from] == ' ') ++from;
    return request.substr(from, request.find("\r\n", from) - from);
  }

  // Takes the next request from the connection, skipping interleaved RTCP ("$" frames).
  bool NextRequest(SOCKET client, std::string& pending, std::string& request) {
    for (;;) {
      while (!pending.empty() && pending[0] == '$') {
        if (pending.size() < 4) break;
        const std::size_t length =
            (static_cast<unsigned char>(pending[2]) << 8) | static_cast<unsigned char>(pending[3]);
        if (pending.size() < 4 + length) break;
        pending.erase(0, 4 + length);
      }
      const std::size_t end = pending.find("\r\n\r\n");
      if (!pending.empty() && pending[0] != '$' && end != std::string::npos) {
        request = pending.substr(0, end + 4);
        pending.erase(0, end + 4);
        return true;
      }
      char buffer[4096];
      const int n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return false;
      pending.append(buffer, static_cast<std::size_t>(n));
    }
  }

  bool Answer(SOCKET client, const std::string& request, Session& session) {
    const std::string method = request.substr(0, request.find(' '));
    const std::string url =
        request.substr(method.size() + 1, request.find(' ', method.size() + 1) - method.size() - 1);
    const std::string head = "RTSP/1.0 200 OK\r\nCSeq: " + Header(request, "cseq") + "\r\n";
    if (method == "OPTIONS" || method == "GET_PARAMETER") {
      return Send(client, head + "Public: OPTIONS, DESCRIBE, SETUP, PLAY, TEARDOWN\r\n\r\n");
    }
    if (method == "DESCRIBE") {
      const std::string sdp =
          "v=0\r\no=- 1 1 IN IP4 127.0.0.1\r\ns=Loopback\r\nc=IN IP4 0.0.0.0\r\nt=0 0\r\n"
          "a=control:*\r\nm=video 0 RTP/AVP 33\r\na=rtpmap:33 MP2T/90000\r\n"
          "a=control:trackID=0\r\n";
      return Send(client, head + "Content-Base: " + url + "/\r\nContent-Type: application/sdp\r\n" +
                              "Content-Length: " + std::to_string(sdp.size()) + "\r\n\r\n" + sdp);
    }
    if (method == "SETUP") {
      const std::string transport = Header(request, "transport");
      const bool tcp = transport.find("RTP/AVP/TCP") != std::string::npos;
      if (offers_ == Offers::Neither || tcp != (offers_ == Offers::TcpOnly)) {
        ++refused_;
        return Send(client, "RTSP/1.0 461 Unsupported Transport\r\nCSeq: " +
                                Header(request, "cseq") + "\r\n\r\n");
      }
      session.interleaved = tcp;
      std::string reply;
      if (tcp) {
        reply = "RTP/AVP/TCP;unicast;interleaved=0-1";
      } else {
        const std::size_t at = transport.find("client_port=");
        if (at == std::string::npos) return false;
        session.client_rtp_port = std::atoi(transport.c_str() + at + 12);
        int rtp_port = 0, rtcp_port = 0;
        session.rtp = UdpOnLoopback(rtp_port);
        session.rtcp = UdpOnLoopback(rtcp_port);
        reply = "RTP/AVP;unicast;client_port=" + std::to_string(session.client_rtp_port) + "-" +
                std::to_string(session.client_rtp_port + 1) +
                ";server_port=" + std::to_string(rtp_port) + "-" + std::to_string(rtcp_port);
      }
      return Send(client, head + "Transport: " + reply + "\r\nSession: 4711;timeout=60\r\n\r\n");
    }
    if (method == "PLAY") {
      session.playing = true;
      return Send(client, head + "Session: 4711\r\nRange: npt=0.000-\r\n\r\n");
    }
    if (method == "TEARDOWN") {
      Send(client, head + "\r\n");
      return false;
    }
    return Send(client,
                "RTSP/1.0 501 Not Implemented\r\nCSeq: " + Header(request, "cseq") + "\r\n\r\n");
  }

  // Sends the transport stream in real time, answering requests meanwhile.
  void Stream(SOCKET client, std::string& pending, Session& session) {
    const std::size_t payload = kTsPacket * kPerRtp;
    const std::size_t count = (ts_.size() + payload - 1) / payload;
    const auto interval = std::chrono::duration<double>(seconds_ / static_cast<double>(count));
    const auto start = std::chrono::steady_clock::now();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(static_cast<u_short>(session.client_rtp_port));
    for (std::size_t i = 0; i < count && !Stopping(); ++i) {
      std::string packet(12, '\0');
      packet[0] = '\x80';
      packet[1] = 33;
      packet[2] = static_cast<char>((i >> 8) & 0xFF);
      packet[3] = static_cast<char>(i & 0xFF);
      const auto ts = static_cast<std::uint32_t>(i * seconds_ * 90000 / count);
      for (int b = 0; b < 4; ++b) packet[4 + b] = static_cast<char>((ts >> (24 - 8 * b)) & 0xFF);
      packet[8] = 0x12, packet[9] = 0x34, packet[10] = 0x56, packet[11] = 0x78;
      packet += ts_.substr(i * payload, payload);
      if (session.interleaved) {
        std::string frame = "$";
        frame += '\0';
        frame += static_cast<char>((packet.size() >> 8) & 0xFF);
        frame += static_cast<char>(packet.size() & 0xFF);
        if (!Send(client, frame + packet)) return;
      } else {
        ::sendto(session.rtp, packet.data(), static_cast<int>(packet.size()), 0,
                 reinterpret_cast<sockaddr*>(&to), sizeof to);
      }
      ++packets_;
      // Answer keep-alives and notice TEARDOWN until the next packet is due.
      const auto due = start + interval * static_cast<double>(i + 1);
      while (std::chrono::steady_clock::now() < due) {
        fd_set read;
        FD_ZERO(&read);
        FD_SET(client, &read);
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
            due - std::chrono::steady_clock::now());
        timeval wait{0, static_cast<long>(std::max<long long>(0, left.count()))};
        if (::select(0, &read, nullptr, nullptr, &wait) <= 0) continue;
        char buffer[4096];
        const int n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) return;
        pending.append(buffer, static_cast<std::size_t>(n));
        std::string request;
        while (pending.find("\r\n\r\n") != std::string::npos &&
               NextRequest(client, pending, request)) {
          if (!Answer(client, request, session)) return;
        }
      }
    }
    // The channel went off the air: hold the connection until the client leaves.
    char buffer[4096];
    while (!Stopping() && ::recv(client, buffer, sizeof buffer, 0) > 0) {
    }
  }

  static bool Send(SOCKET client, const std::string& data) {
    return ::send(client, data.data(), static_cast<int>(data.size()), 0) ==
           static_cast<int>(data.size());
  }

  std::string ts_;
  double seconds_;
  Offers offers_;
  std::atomic<int> refused_{0};
  std::atomic<int> packets_{0};
};

}  // namespace telvana::testsupport
