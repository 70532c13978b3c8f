// The button and box wrappers on real windows, with a skin made here whose frames are solid
// colours: which frame shows, when a click happens, and what a bare button tells its parent.
#include "skin/skin_buttons_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_data.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "tests/skin/skin_builder.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/buttons.h"
#include "ui/win_handles.h"

namespace telvana {
namespace {

// Frame k of the strips is solid kFrameColours[k - 1].
constexpr std::uint32_t kFrameColours[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0};

PixelImage SolidFrames(int frames, int cell) {
  PixelImage image{cell * frames, cell, {}};
  image.pixels.resize(static_cast<std::size_t>(image.width) * cell);
  for (int y = 0; y < cell; ++y) {
    for (int x = 0; x < image.width; ++x) image.at(x, y) = 0xFF000000u | kFrameColours[x / cell];
  }
  return image;
}

COLORREF AsColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class SkinButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read("object Form1: TTestForm\n  ClientWidth = 200\n  ClientHeight = 120\n"
                           "end\n")
                    .empty());
    data = ui::TComponent::New<TSkinData>(*form);
    const auto skin = testing::SkinBuilder(
                          "[Buttons]\r\nBitmap=b.bmp\r\nCheckButton=c.bmp\r\n"
                          "CheckButtonFrame=4\r\n")
                          .Entry("b.bmp", EncodeBitmap(SolidFrames(5, 12)))
                          .Entry("c.bmp", EncodeBitmap(SolidFrames(4, 13)))
                          .File();
    data->SetSkinStreamValue(MakeSkinStreamProperty(skin));
    skinner = ui::TComponent::New<TWinSkinForm>(*form);
    form->Show();
  }

  ui::TButton& AddButton(const wchar_t* caption) {
    auto* button = ui::TComponent::New<ui::TButton>(*form);
    button->SetBounds(10, 10, 80, 30);
    button->SetCaption(caption);
    button->SetParent(form.get());
    return *button;
  }

  // A pixel of the control as its skin paints it, away from its caption.
  COLORREF CornerPixel(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    win::WindowDc dc(window);
    return ::GetPixel(dc.get(), 2, 2);
  }

  std::unique_ptr<testsupport::TTestForm> form;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(SkinButtonsTest, APushButtonShowsTheFrameOfItsStateAndClicksOnceOnRelease) {
  ui::TButton& button = AddButton(L"确定");
  int clicks = 0;
  button.OnClick = [&](ui::TComponent&) { ++clicks; };
  auto* wrapper = ui::TComponent::New<TSkinButton>(button);
  wrapper->AttachControl(skinner, *data, false, nullptr);
  HWND window = button.Handle();
  ::SetFocus(form->Handle());
  EXPECT_EQ(CornerPixel(window), AsColorRef(kFrameColours[0]));

  ::SendMessageW(window, ui::CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(skinner->HotButton, wrapper);
  EXPECT_EQ(CornerPixel(window), AsColorRef(kFrameColours[3]));
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 0) << "the press is the wrapper's";
  EXPECT_EQ(CornerPixel(window), AsColorRef(kFrameColours[1]));
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);

  // Pressed, then the mouse leaves and is released elsewhere: no click.
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(window, ui::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(wrapper->MouseState(), 0);
  EXPECT_EQ(skinner->HotButton, nullptr);
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
  EXPECT_EQ(clicks, 1);

  button.SetEnabled(false);
  EXPECT_EQ(CornerPixel(window), AsColorRef(kFrameColours[2]));
}

TEST_F(SkinButtonsTest, ABareButtonTellsItsParentAndADefaultOneShowsSo) {
  constexpr int kId = 1234;
  HWND window =
      ::CreateWindowExW(0, L"BUTTON", L"bare", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 100, 10,
                        80, 30, form->Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)),
                        ::GetModuleHandleW(nullptr), nullptr);
  auto* wrapper = ui::TComponent::New<TSkinButton>(*skinner);
  wrapper->AttachWindow(window, *data, skinner, nullptr);
  ::SetFocus(form->Handle());
  EXPECT_EQ(CornerPixel(window), AsColorRef(kFrameColours[4]));
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  MSG posted{};
  ASSERT_TRUE(::PeekMessageW(&posted, form->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(posted.wParam, MAKEWPARAM(kId, 0));
  EXPECT_EQ(posted.lParam, reinterpret_cast<LPARAM>(window));
  ::DestroyWindow(window);
  EXPECT_EQ(wrapper->Status(), kStatusWindowDestroyed);
}

TEST_F(SkinButtonsTest, ACheckBoxGetsTheSkinsBoxForItsState) {
  HWND window =
      ::CreateWindowExW(0, L"BUTTON", L"box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 50, 120,
                        20, form->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  auto* wrapper = ui::TComponent::New<TSkinCheckBox>(*skinner);
  wrapper->AttachWindow(window, *data, skinner, nullptr);
  const auto box_pixel = [&] {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    win::WindowDc dc(window);
    // A 13-pixel cell sits at (14 - 13) / 2 + 2 = 2 across, centred down.
    return ::GetPixel(dc.get(), 2 + 6, 10);
  };
  EXPECT_EQ(box_pixel(), AsColorRef(kFrameColours[0]));
  ::SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(box_pixel(), AsColorRef(kFrameColours[1]));
  ::EnableWindow(window, FALSE);
  EXPECT_EQ(box_pixel(), AsColorRef(kFrameColours[3]));
}

}  // namespace
}  // namespace telvana
