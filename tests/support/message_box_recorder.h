// Records every message box the program shows instead of showing it, and answers it with
// the button a test chooses.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/message_box.h"

namespace telvana::testsupport {

class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int answer = IDOK) : answer(answer) {}
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  int answer;
  std::vector<ui::MessageBoxRequest> boxes;

 private:
  ui::ScopedMessageBoxHandler scope_{[this](const ui::MessageBoxRequest& request) {
    boxes.push_back(request);
    return answer;
  }};
};

}  // namespace telvana::testsupport
