// Servers for the player's tests, on 127.0.0.1 only: an HTTP server that serves bodies from
// memory (whole, from a byte offset for range requests, or slowly, like a live stream), a
// server that takes connections and never answers, and a port that refuses. Each lives as
// long as its object; the destructor closes every connection and joins every thread.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/file_bytes.h"

namespace telvana::testsupport {

class Winsock {
 public:
  Winsock() {
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  }
  ~Winsock() { ::WSACleanup(); }
};

// A listening socket on 127.0.0.1 at a port the system chooses.
inline SOCKET ListenOnLoopback(int& port) {
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) throw std::runtime_error("socket failed");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(s, 16) != 0) {
    ::closesocket(s);
    throw std::runtime_error("bind or listen failed");
  }
  int length = sizeof address;
  ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

// A port on 127.0.0.1 where nobody listens: connections to it are refused.
inline int RefusingPort() {
  Winsock winsock;
  int port = 0;
  SOCKET s = ListenOnLoopback(port);
  ::closesocket(s);
  return port;
}

class ServerBase {
 public:
  ServerBase() : listener_(ListenOnLoopback(port_)) {
    acceptor_ = std::thread([this] { AcceptLoop(); });
  }
  virtual ~ServerBase() = default;

  int Port() const { return port_; }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  int Connections() const { return connections_; }

 protected:
  // Subclasses call this first thing in their destructor, before their members go.
  void Stop() {
    if (stopping_.exchange(true)) return;
    ::closesocket(listener_);
    {
      std::lock_guard lock(mutex_);
      for (SOCKET c : clients_) ::shutdown(c, SD_BOTH);
    }
    wake_.notify_all();
    acceptor_.join();
    for (std::thread& t : workers_) t.join();
    for (SOCKET c : clients_) ::closesocket(c);
  }

  virtual void Serve(SOCKET client) = 0;

  bool Stopping() const { return stopping_; }
  // Sleeps, waking early when the server stops.
  void Pause(std::chrono::milliseconds time) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, time, [&] { return stopping_.load(); });
  }

 private:
  void AcceptLoop() {
    while (!stopping_) {
      SOCKET client = ::accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) break;
      ++connections_;
      std::lock_guard lock(mutex_);
      if (stopping_) {
        ::closesocket(client);
        break;
      }
      clients_.push_back(client);
      workers_.emplace_back([this, client] { Serve(client); });
    }
  }

  Winsock winsock_;
  int port_ = 0;
  SOCKET listener_;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<SOCKET> clients_;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

// Takes every connection and never sends a byte.
class SilentServer : public ServerBase {
 public:
  ~SilentServer() override { Stop(); }

 protected:
  void Serve(SOCKET client) override {
    char buffer[1024];
    while (::recv(client, buffer, sizeof buffer, 0) > 0) {
    }
  }
};

class HttpServer : public ServerBase {
 public:
  struct Body {
    std::string bytes;
    std::string contentType = "application/octet-stream";
    int bytesPerSecond = 0;  // 0: as fast as the connection takes them
    // Sent the way Windows Media servers answer MMS over HTTP: the ASF header and each data
    // packet in a chunk of its own. The bytes must be an ASF file.
    bool mmsOverHttp = false;
    std::size_t stallAfter = std::string::npos;  // stop sending (and hold the line) after this many
    // Answers every request with the whole body and no Accept-Ranges, as many real servers
    // do for files served through a script or a handler that knows nothing of ranges.
    bool ignoresRange = false;
    // Closes the connection after this many bytes, for the first `cuts` requests: a live
    // encoder or a relay that restarts drops its listeners and is back a moment later.
    std::size_t cutAfter = std::string::npos;
    int cuts = 1;
  };

  ~HttpServer() override { Stop(); }

  void Add(const std::string& path, Body body) {
    std::lock_guard lock(bodies_mutex_);
    bodies_[path] = std::move(body);
  }
  void Add(const std::string& path, std::string bytes,
           std::string contentType = "application/octet-stream") {
    Body body;
    body.bytes = std::move(bytes);
    body.contentType = std::move(contentType);
    Add(path, std::move(body));
  }
  // When a connection was last cut (see Body::cutAfter).
  std::chrono::steady_clock::time_point LastCut() const {
    return std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(last_cut_));
  }
  int Requests(const std::string& path) const {
    std::lock_guard lock(bodies_mutex_);
    const auto it = requests_.find(path);
    return it == requests_.end() ? 0 : it->second;
  }

 protected:
  void Serve(SOCKET client) override {
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      request.append(buffer, static_cast<std::size_t>(n));
      if (request.size() > 65536) return;
    }
    const std::size_t pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    Body body;
    bool found;
    int request_number;
    {
      std::lock_guard lock(bodies_mutex_);
      request_number = ++requests_[path];
      const auto it = bodies_.find(path);
      found = it != bodies_.end();
      if (found) body = it->second;
    }
    if (!found) {
      SendAll(client, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
      return;
    }
    if (body.mmsOverHttp) {
      SendAll(client, "HTTP/1.0 200 OK\r\nContent-Type: application/vnd.ms.wms-hdr.asfv1\r\n\r\n");
      SendAll(client, MmsChunks(body.bytes));
      ::shutdown(client, SD_SEND);
      return;
    }
    std::size_t from = 0;
    const std::size_t range = Lower(request).find("\r\nrange: bytes=");
    if (range != std::string::npos && !body.ignoresRange)
      from = std::strtoull(request.c_str() + range + 15, nullptr, 10);
    if (from > body.bytes.size()) from = body.bytes.size();
    std::string head = from > 0 ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    head += "Content-Type: " + body.contentType + "\r\n";
    head += "Content-Length: " + std::to_string(body.bytes.size() - from) + "\r\n";
    if (body.bytesPerSecond == 0 && !body.ignoresRange) head += "Accept-Ranges: bytes\r\n";
    if (from > 0) {
      head += "Content-Range: bytes " + std::to_string(from) + "-" +
              std::to_string(body.bytes.size() - 1) + "/" + std::to_string(body.bytes.size()) +
              "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    if (!SendAll(client, head)) return;
    std::size_t sent = from;
    const std::size_t chunk =
        body.bytesPerSecond > 0 ? std::max(1, body.bytesPerSecond / 20) : 65536;
    while (sent < body.bytes.size() && !Stopping()) {
      if (sent >= body.cutAfter && request_number <= body.cuts) {
        ::shutdown(client, SD_BOTH);
        last_cut_ = std::chrono::steady_clock::now().time_since_epoch().count();
        return;
      }
      if (sent >= body.stallAfter) {
        Pause(std::chrono::hours(1));
        return;
      }
      const std::size_t cut = request_number <= body.cuts ? body.cutAfter : std::string::npos;
      const std::size_t n =
          std::min({chunk, body.bytes.size() - sent, body.stallAfter - sent, cut - sent});
      if (!SendAll(client, std::string_view(body.bytes).substr(sent, n))) return;
      sent += n;
      if (body.bytesPerSecond > 0) Pause(std::chrono::milliseconds(50));
    }
    ::shutdown(client, SD_SEND);
  }

 private:
  // An ASF file cut into MMS-over-HTTP chunks: "$H" with the header (up to the packets),
  // "$D" for every data packet, "$E" at the end.
  static std::string MmsChunks(const std::string& asf) {
    const auto u64 = [&](std::size_t at) {
      std::uint64_t v = 0;
      for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(asf[at + i]);
      return static_cast<std::size_t>(v);
    };
    constexpr std::size_t kDataObjectHead = 50;  // GUID, size, file id, packet count, reserved
    const std::size_t headerSize = u64(16);
    const std::size_t dataSize = u64(headerSize + 16);
    const std::size_t packets = u64(headerSize + 40);
    const std::size_t packetSize = packets ? (dataSize - kDataObjectHead) / packets : 0;
    std::string out;
    std::uint32_t sequence = 0;
    const auto chunk = [&](char type, std::string_view payload, std::size_t extension) {
      const std::size_t length = payload.size() + extension;
      out += '$';
      out += type;
      out += static_cast<char>(length & 0xFF);
      out += static_cast<char>(length >> 8);
      for (int i = 0; i < 4; ++i) out += static_cast<char>((sequence >> (8 * i)) & 0xFF);
      if (extension == 8) {
        out += '\0', out += '\0';
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
      }
      out += payload;
      ++sequence;
    };
    chunk('H', std::string_view(asf).substr(0, headerSize + kDataObjectHead), 8);
    for (std::size_t i = 0; i < packets; ++i) {
      chunk('D',
            std::string_view(asf).substr(headerSize + kDataObjectHead + i * packetSize, packetSize),
            8);
    }
    chunk('E', {}, 4);
    return out;
  }

  static std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }
  static bool SendAll(SOCKET client, std::string_view data) {
    while (!data.empty()) {
      const int n = ::send(client, data.data(),
                           static_cast<int>(std::min<std::size_t>(data.size(), 65536)), 0);
      if (n <= 0) return false;
      data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

  std::atomic<std::chrono::steady_clock::rep> last_cut_{0};
  mutable std::mutex bodies_mutex_;
  std::map<std::string, Body> bodies_;
  std::map<std::string, int> requests_;
};

// A transport stream cut into segments of an HLS playlist, served as files are by a web
// server (the playlist says the stream is complete, as for a recording).
inline void AddHls(HttpServer& server, const std::string& ts, double seconds, int segments) {
  const std::size_t packets = ts.size() / 188;
  std::string playlist = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:" +
                         std::to_string(static_cast<int>(seconds / segments + 1)) +
                         "\n#EXT-X-MEDIA-SEQUENCE:0\n";
  for (int i = 0; i < segments; ++i) {
    const std::size_t from = packets * i / segments * 188, to = packets * (i + 1) / segments * 188;
    const std::string name = "seg" + std::to_string(i) + ".ts";
    server.Add("/hls/" + name, ts.substr(from, to - from), "video/mp2t");
    playlist += "#EXTINF:" + std::to_string(seconds / segments) + ",\n" + name + "\n";
  }
  server.Add("/hls/index.m3u8", playlist + "#EXT-X-ENDLIST\n", "application/vnd.apple.mpegurl");
}

#ifdef TELVANA_PLAYER_TEST_DATA
// The bytes of a test clip from tests/player/data.
inline std::string ReadTestFile(const std::string& name) {
  return ReadFileBytes<std::string>(std::filesystem::path(TELVANA_PLAYER_TEST_DATA) / name);
}
#endif

}  // namespace telvana::testsupport
