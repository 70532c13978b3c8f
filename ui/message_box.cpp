#include "ui/message_box.h"

#include <utility>

namespace telvana::ui {

namespace {
MessageBoxHandler& CurrentHandler() {
  static MessageBoxHandler handler = [](const MessageBoxRequest& r) {
    return ::MessageBoxW(r.owner, r.text.c_str(), r.caption.c_str(), r.style);
  };
  return handler;
}
}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
  return CurrentHandler()(MessageBoxRequest{owner, text, caption, style});
}

ScopedMessageBoxHandler::ScopedMessageBoxHandler(MessageBoxHandler handler)
    : previous_(std::exchange(CurrentHandler(), std::move(handler))) {}

ScopedMessageBoxHandler::~ScopedMessageBoxHandler() {
  CurrentHandler() = std::move(previous_);
}

}  // namespace telvana::ui
