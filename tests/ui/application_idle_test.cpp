// The application's idle moment: what waits for it runs once every message waiting has
// been handled and every window has painted.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/forms.h"

namespace telvana {
namespace {

using ui::Application;

TEST(IdleActions, RunOnlyOnceEveryMessageIsHandledAndEveryWindowHasPainted) {
  // Unframed: a framed window, hidden or destroyed, makes Wine wait two seconds for a
  // window manager that the virtual display does not have.
  testsupport::TTestForm form;
  ASSERT_TRUE(form.Read(R"(
object Form1: TTestForm
  BorderStyle = bsNone
  ClientWidth = 200
  ClientHeight = 100
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 100
    Height = 50
  end
end
)")
                  .empty());
  ::ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
  const HWND panel = ::GetWindow(form.Handle(), GW_CHILD);
  ASSERT_TRUE(panel);
  ::InvalidateRect(form.Handle(), nullptr, TRUE);
  ::PostMessageW(form.Handle(), WM_NULL, 0, 0);

  int runs = 0;
  bool queue_was_empty = false, unpainted = true;
  Application().WhenIdle([&] {
    ++runs;
    MSG msg;
    queue_was_empty = !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    unpainted =
        ::GetUpdateRect(form.Handle(), nullptr, FALSE) || ::GetUpdateRect(panel, nullptr, FALSE);
  });
  Application().ProcessMessages();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(queue_was_empty);
  EXPECT_FALSE(unpainted);
  Application().ProcessMessages();
  EXPECT_EQ(runs, 1) << "an action runs once";
}

TEST(IdleActions, WhatAnActionPostsOrAsksForComesAfterIt) {
  std::vector<int> order;
  const HWND window = Application().Handle();
  Application().WhenIdle([&] {
    order.push_back(1);
    Application().WhenIdle([&] { order.push_back(3); });
    ::PostMessageW(window, WM_NULL, 0, 0);
  });
  Application().WhenIdle([&] { order.push_back(2); });
  Application().ProcessMessages();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

// The tooltip window a form keeps for the hints of its controls.
HWND HintWindowOf(HWND form) {
  HWND found = nullptr;
  for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    ::GetClassNameW(w, name, 64);
    if (::GetWindow(w, GW_OWNER) == form && std::wstring_view(name) == TOOLTIPS_CLASSW) found = w;
  }
  return found;
}

TEST(IdleActions, AFormsHintWindowComesAtTheIdleMomentWithEveryHint) {
  testsupport::TTestForm form;
  ASSERT_TRUE(form.Read(R"(
object Form1: TTestForm
  object Panel1: TPanel
    Hint = 'outer'
    ShowHint = True
    object Panel2: TPanel
      Hint = 'inner'
      ShowHint = True
    end
    object Panel3: TPanel
      Hint = 'not shown'
    end
  end
end
)")
                  .empty());
  EXPECT_EQ(HintWindowOf(form.Handle()), nullptr) << "not while the form is being made";
  Application().ProcessMessages();
  const HWND tips = HintWindowOf(form.Handle());
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
}

}  // namespace
}  // namespace telvana
