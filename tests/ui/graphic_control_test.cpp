// Controls without a window: their parent paints them in their stacking order and within their
// bounds, paints their rectangle again when they change, passes them clicks, double-clicks and
// the cursor, and the form's hint window knows their rectangles.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/canvas.h"
#include "tests/support/hint_window.h"
#include "tests/support/mouse.h"
#include "tests/support/solid_jpeg.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::Canvas;
using testsupport::TTestForm;

constexpr COLORREF kBack = RGB(1, 2, 3), kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200);

TLabel* AddLabel(TComponent& owner, TWinControl& parent, RECT bounds, COLORREF color) {
  auto* label = TComponent::New<TLabel>(owner);
  label->SetParent(&parent);
  label->SetColor(color);
  label->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  return label;
}

TEST(GraphicControls, TheParentPaintsThemInTheirOrderWithinTheirBounds) {
  TComponent owner(nullptr);
  auto* panel = TComponent::New<TPanel>(owner);
  panel->SetBounds(0, 0, 60, 40);
  AddLabel(owner, *panel, {10, 10, 40, 30}, kBlue);  // the first, on top
  AddLabel(owner, *panel, {0, 0, 30, 20}, kRed);
  AddLabel(owner, *panel, {40, 0, 60, 20}, kRed)->SetVisible(false);
  TLabel* text = AddLabel(owner, *panel, {0, 30, 30, 40}, kRed);
  text->SetTransparent(true);
  text->SetCaption(L"一二");
  auto* picture = TComponent::New<TImage>(owner);
  picture->SetParent(panel);
  picture->SetBounds(44, 30, 6, 4);
  picture->SetPictureData(testsupport::SolidJpeg(16, 10, 0x00FF00));  // unstretched, larger

  Canvas canvas(60, 40, kBack);
  panel->PaintGraphicControls(canvas.dc(), canvas.area());
  EXPECT_EQ(canvas.at(5, 5), kRed);
  EXPECT_EQ(canvas.at(20, 15), kBlue) << "the first created lies on top";
  EXPECT_EQ(canvas.at(39, 29), kBlue);
  EXPECT_EQ(canvas.at(40, 29), kBack) << "nothing beyond a control's bounds";
  EXPECT_EQ(canvas.at(50, 10), kBack) << "a hidden control is not painted";
  int text_pixels = 0;
  for (int y = 30; y < 40; ++y) {
    for (int x = 0; x < 30; ++x) text_pixels += canvas.at(x, y) != kBack;
  }
  EXPECT_GT(text_pixels, 0) << "the text begins at the label's corner";
  EXPECT_LT(text_pixels, 30 * 10) << "a transparent label leaves what lies beneath";
  EXPECT_NE(canvas.at(49, 33), kBack);
  EXPECT_EQ(canvas.at(50, 33), kBack) << "a picture is cut at the control's edge";
  EXPECT_EQ(canvas.at(49, 34), kBack);
}

// A form with its window, at a known place on the screen.
std::unique_ptr<TTestForm> MakeForm(int width, int height) {
  auto form = std::make_unique<TTestForm>();
  form->SetClientSize(width, height);
  form->CreateHandle();
  ::SetWindowPos(form->Handle(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return form;
}

TEST(GraphicControls, AChangePaintsTheirRectangleAgain) {
  auto form = MakeForm(200, 100);
  ::ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);  // a hidden window keeps no update region
  TLabel* label = AddLabel(*form, *form, {10, 10, 60, 30}, kRed);
  const auto invalid = [&](int x, int y) {
    win::Region region(::CreateRectRgn(0, 0, 0, 0));
    ::GetUpdateRgn(form->Handle(), region.get(), FALSE);
    return ::PtInRegion(region.get(), x, y) != FALSE;
  };
  const auto change = [&](auto f) {
    ::ValidateRect(form->Handle(), nullptr);
    f();
  };
  change([&] { label->SetCaption(L"新的"); });
  EXPECT_TRUE(invalid(20, 20));
  EXPECT_FALSE(invalid(100, 80)) << "only the label's rectangle";
  change([&] { label->SetBounds(100, 50, 50, 20); });
  EXPECT_TRUE(invalid(20, 20)) << "where it was";
  EXPECT_TRUE(invalid(120, 60)) << "and where it is";
  change([&] {
    TFont font = label->Font();
    font.Bold = true;
    label->SetFont(font);
  });
  EXPECT_TRUE(invalid(120, 60));
  change([&] { label->SetVisible(false); });
  EXPECT_TRUE(invalid(120, 60));
  EXPECT_EQ(form->GraphicControlAt({120, 60}), nullptr) << "a hidden label takes no mouse";
  ::ShowWindow(form->Handle(), SW_HIDE);
}

TEST(GraphicControls, ClicksAndDoubleClicksGoToTheTopmostUnderTheMouse) {
  auto form = MakeForm(200, 100);
  std::vector<std::string> log;
  form->OnDblClick = [&](TComponent&) { log.push_back("form double"); };
  TLabel* upper = AddLabel(*form, *form, {10, 10, 60, 30}, kRed);
  TLabel* lower = AddLabel(*form, *form, {40, 10, 90, 30}, kBlue);
  for (TLabel* label : {upper, lower}) {
    const std::string name = label == upper ? "upper" : "lower";
    label->OnClick = [&log, name](TComponent&) { log.push_back(name + " click"); };
    label->OnDblClick = [&log, name](TComponent&) { log.push_back(name + " double"); };
  }
  const auto send = [&](UINT msg, int x, int y) {
    ::SendMessageW(form->Handle(), msg, 0, MAKELPARAM(x, y));
  };
  send(WM_LBUTTONDOWN, 45, 15);
  EXPECT_EQ(::GetCapture(), form->Handle()) << "the press holds the mouse";
  send(WM_LBUTTONUP, 45, 15);
  EXPECT_EQ(::GetCapture(), nullptr);
  send(WM_LBUTTONDOWN, 45, 15);
  send(WM_LBUTTONUP, 150, 80);  // released elsewhere: no click
  send(WM_LBUTTONDBLCLK, 80, 15);
  send(WM_LBUTTONUP, 80, 15);
  send(WM_LBUTTONDBLCLK, 150, 80);
  upper->SetEnabled(false);
  send(WM_LBUTTONDBLCLK, 20, 15);  // a disabled label leaves the mouse to its parent
  send(WM_LBUTTONDBLCLK, 45, 15);  // and to the one beneath it
  EXPECT_EQ(log, (std::vector<std::string>{"upper click", "lower double", "form double",
                                           "form double", "lower double"}));
}

TEST(GraphicControls, TheCursorIsTheControlsOrElseItsParents) {
  auto form = MakeForm(200, 100);
  form->SetCursor(TCursor::crIBeam);
  AddLabel(*form, *form, {10, 10, 60, 30}, kRed)->SetCursor(TCursor::crHandPoint);
  AddLabel(*form, *form, {100, 10, 150, 30}, kRed);
  const auto cursorAt = [&](int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(form->Handle(), &p);
    ::SetCursorPos(p.x, p.y);
    ::SetCursor(nullptr);
    EXPECT_TRUE(::SendMessageW(form->Handle(), WM_SETCURSOR,
                               reinterpret_cast<WPARAM>(form->Handle()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    return ::GetCursor();
  };
  EXPECT_EQ(cursorAt(20, 20), ::LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(cursorAt(120, 20), ::LoadCursorW(nullptr, IDC_IBEAM)) << "the default: the parent's";
  EXPECT_EQ(cursorAt(20, 80), ::LoadCursorW(nullptr, IDC_IBEAM));
}

TEST(GraphicControls, TheirHintsBelongToTheirRectangleInTheParentsWindow) {
  TTestForm form;
  auto* panel = TComponent::New<TPanel>(form);
  panel->SetBounds(10, 10, 150, 100);
  panel->SetParent(&form);
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* image = TComponent::New<TImage>(*owner);
  image->SetBounds(5, 5, 40, 30);
  image->SetHint(L"提示");
  image->SetShowHint(true);
  image->SetParent(panel);
  form.CreateHandle();
  // The form's hint window comes at the idle moment, with the hints of every control.
  ui::Application().ProcessMessages();

  const HWND tips = testsupport::HintWindowOf(form.Handle());
  ASSERT_NE(tips, nullptr);
  const auto toolAt = [&](int x, int y) -> const void* {
    TTHITTESTINFOW hit{panel->Handle(), {x, y}, {sizeof(TTTOOLINFOW)}};
    if (!::SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit))) return nullptr;
    return reinterpret_cast<const void*>(hit.ti.uId);
  };
  EXPECT_EQ(toolAt(10, 10), image);
  EXPECT_EQ(toolAt(60, 60), nullptr);
  image->SetBounds(50, 50, 40, 30);
  EXPECT_EQ(toolAt(10, 10), nullptr) << "the rectangle follows the control";
  EXPECT_EQ(toolAt(60, 60), image);
  image->SetVisible(false);
  EXPECT_EQ(toolAt(60, 60), nullptr) << "no hint for a hidden control";
  image->SetVisible(true);
  EXPECT_EQ(toolAt(60, 60), image);
  owner.reset();  // the image goes, and its hint with it
  EXPECT_EQ(toolAt(60, 60), nullptr);
  EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace telvana
