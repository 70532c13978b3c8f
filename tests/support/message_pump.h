// Handles the thread's messages until a condition holds, for tests and probes that wait on
// a control whose work goes on in other threads.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "ui/forms.h"

namespace telvana::testsupport {

// True once `done` holds; false when `limit` passed first. Every message wakes the wait; the
// one-millisecond bound keeps a condition set by another thread from being seen late.
inline bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (true) {
    ui::Application().ProcessMessages();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

}  // namespace telvana::testsupport
