// Waiting in tests for what other threads bring about.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace telvana::testsupport {

// Waits (generously: a loaded machine under Wine is slow) until `done` holds; whether it did.
inline bool Eventually(const std::function<bool()>& done,
                       std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

}  // namespace telvana::testsupport
