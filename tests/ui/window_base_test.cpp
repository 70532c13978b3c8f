// The one window base and the one way of replacing a window procedure: errors end in the
// report, replacements stack and come off in any order, and none outlives its window.
#include "ui/window_base.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/message_box_recorder.h"
#include "tests/support/ui_test_environment.h"
#include "ui/forms.h"
#include "ui/window_subclass.h"

namespace telvana {
namespace {

using testsupport::MessageBoxRecorder;
using ui::WindowSubclass;

constexpr UINT kProbe = WM_APP + 7;

// A window of a system class, as the program meets in dialogs and message boxes.
class ForeignWindow {
 public:
  ForeignWindow()
      : window_(::CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr)) {}
  ~ForeignWindow() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Takes the window's messages, writes its name for every probe and passes everything on.
struct NamedReplacement {
  NamedReplacement(const char* name, std::vector<std::string>& seen) : name(name), seen(seen) {}
  bool Attach(HWND window) {
    return subclass.Attach(window, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
      if (msg == kProbe) seen.push_back(name);
      return subclass.CallNext(msg, wparam, lparam);
    });
  }
  const char* name;
  std::vector<std::string>& seen;
  WindowSubclass subclass;
};

std::wstring TextOf(HWND window) {
  wchar_t text[32] = {};
  ::GetWindowTextW(window, text, 32);
  return text;
}

std::vector<std::string> Probe(HWND window, std::vector<std::string>& seen) {
  seen.clear();
  ::SendMessageW(window, kProbe, 0, 0);
  return seen;
}

TEST(WindowSubclass, StackedReplacementsComeOffInEitherOrder) {
  for (const bool first_goes_first : {true, false}) {
    SCOPED_TRACE(first_goes_first ? "released in the order made" : "released in reverse");
    ForeignWindow window;
    std::vector<std::string> seen;
    NamedReplacement first("first", seen), second("second", seen);
    ASSERT_TRUE(first.Attach(window.get()));
    ASSERT_TRUE(second.Attach(window.get()));
    EXPECT_EQ(Probe(window.get(), seen), (std::vector<std::string>{"second", "first"}));

    NamedReplacement& going = first_goes_first ? first : second;
    NamedReplacement& staying = first_goes_first ? second : first;
    going.subclass.Release();
    EXPECT_EQ(Probe(window.get(), seen), std::vector<std::string>{staying.name});
    // The window's own procedure still answers beneath the one that stays.
    EXPECT_EQ(TextOf(window.get()), L"foreign");

    staying.subclass.Release();
    EXPECT_TRUE(Probe(window.get(), seen).empty());
    EXPECT_EQ(TextOf(window.get()), L"foreign");
  }
}

TEST(WindowSubclass, EndsWithTheWindowsLastMessage) {
  ForeignWindow window;
  bool saw_last_message = false;
  WindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window.get(), [&](UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_NCDESTROY) saw_last_message = true;
    return subclass.CallNext(msg, wparam, lparam);
  }));
  ::DestroyWindow(window.get());
  EXPECT_TRUE(saw_last_message);
  EXPECT_FALSE(subclass.Attached());
  EXPECT_FALSE(subclass.Attach(window.get(), nullptr)) << "a window that is gone";
}

TEST(WindowSubclass, AnErrorInAReplacementEndsInTheErrorReport) {
  MessageBoxRecorder boxes;
  ForeignWindow window;
  WindowSubclass subclass;
  ASSERT_TRUE(subclass.Attach(window.get(), [&](UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == kProbe) throw std::runtime_error("replacement failed");
    return subclass.CallNext(msg, wparam, lparam);
  }));
  EXPECT_EQ(::SendMessageW(window.get(), kProbe, 0, 0), 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"replacement failed");
  EXPECT_EQ(TextOf(window.get()), L"foreign") << "later messages still flow";
}

// A window of the program's own that fails on a probe and counts its last message.
class FailingWindow : public ui::WindowBase {
 public:
  FailingWindow() {
    WindowOptions options;
    options.own_class = L"TelvanaTestFailingWindow";
    options.style = WS_POPUP;
    options.title = L"failing";
    CreateWindowFrom(options);
  }
  int destroyed = 0;

 private:
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
    if (msg == kProbe) throw std::runtime_error("handler failed");
    return DefaultProc(msg, wparam, lparam);
  }
  void HandleDestroyed() override { ++destroyed; }
};

TEST(WindowBase, AnErrorEndsInTheReportAndTheWindowGoesOn) {
  MessageBoxRecorder boxes;
  FailingWindow window;
  HWND handle = window.Handle();
  EXPECT_EQ(ui::WindowBase::FromHandle(handle), &window);
  ::SendMessageW(handle, kProbe, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"handler failed");
  EXPECT_EQ(TextOf(handle), L"failing");
  ::DestroyWindow(handle);
  EXPECT_EQ(window.destroyed, 1);
  EXPECT_EQ(window.Handle(), nullptr);
  EXPECT_EQ(ui::WindowBase::FromHandle(handle), nullptr);
}

TEST(WindowBase, ReleasedLaterGoesOnceTheRunningMessageIsDone) {
  auto window = std::make_unique<FailingWindow>();
  HWND handle = window->Handle();
  ui::Application().ReleaseLater(std::move(window));
  EXPECT_TRUE(::IsWindow(handle));
  ui::Application().ProcessMessages();
  EXPECT_FALSE(::IsWindow(handle));
}

}  // namespace
}  // namespace telvana
