// The wrappers of status bars, progress bars, up-downs, track bars, combo boxes, edits, tabs
// and tab sets on a form with one of each, under a skin whose every frame is one solid
// colour: what each shows where, how they follow the mouse, and that releasing them gives the
// controls back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

#include "skin/bmp_writer.h"
#include "skin/skin_combo_box_win.h"
#include "skin/skin_data.h"
#include "skin/skin_edit_win.h"
#include "skin/skin_progress_win.h"
#include "skin/skin_status_bar_win.h"
#include "skin/skin_stream.h"
#include "skin/skin_tab_win.h"
#include "skin/skin_track_bar_win.h"
#include "skin/skin_up_down_win.h"
#include "skin/win_skin_form.h"
#include "tests/skin/every_control_form.h"
#include "tests/skin/skin_builder.h"
#include "tests/support/ui_test_environment.h"
#include "ui/win_handles.h"

namespace telvana {
namespace {

// Frame k (from 1) of a picture made here is solid base + (k - 1) * kStep.
constexpr std::uint32_t kStep = 0x000020;
constexpr std::uint32_t kStatus = 0x204000, kExtra = 0x600000, kProgress = 0x004060,
                        kChunk = 0x806040, kThumb = 0x408000, kUpDownV = 0x002080,
                        kUpDownH = 0x202000, kCombo = 0x600060, kSunk = 0xC0C000, kTabs = 0x006000,
                        kBorder = 0x0000C0;

std::vector<std::uint8_t> Solid(int frames, int cell_w, int cell_h, std::uint32_t base) {
  PixelImage image{cell_w * frames, cell_h, {}};
  image.pixels.resize(static_cast<std::size_t>(image.width) * cell_h);
  for (int y = 0; y < cell_h; ++y) {
    for (int x = 0; x < image.width; ++x) {
      image.at(x, y) = 0xFF000000u | (base + static_cast<std::uint32_t>(x / cell_w) * kStep);
    }
  }
  return EncodeBitmap(image);
}

COLORREF Frame(std::uint32_t base, int k) {
  const std::uint32_t rgb = base + static_cast<std::uint32_t>(k - 1) * kStep;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::vector<std::uint8_t> EverySkin() {
  return testing::SkinBuilder(
             "[StatusBarEdges]\r\nImage=sb.bmp\r\n[ExtraImages]\r\nImage=ex.bmp\r\n"
             "[Progress]\r\nBitmap=pr.bmp\r\nChunk=ch.bmp\r\n"
             "[Trackbar.ThumbHorz]\r\nImage=th.bmp\r\n"
             "[UpDown.Vert]\r\nImage=uv.bmp\r\n[UpDown.Horz]\r\nImage=uh.bmp\r\n"
             "[ComboButton]\r\nImage=cb.bmp\r\n[SunkEdge]\r\nImage=se.bmp\r\n"
             "[Tabs]\r\nImage=tb.bmp\r\nBorder=bo.bmp\r\n")
      .Entry("sb.bmp", Solid(3, 10, 10, kStatus))
      .Entry("ex.bmp", Solid(5, 8, 8, kExtra))
      .Entry("pr.bmp", Solid(2, 10, 10, kProgress))
      .Entry("ch.bmp", Solid(1, 6, 8, kChunk))
      .Entry("th.bmp", Solid(5, 8, 8, kThumb))
      .Entry("uv.bmp", Solid(8, 8, 8, kUpDownV))
      .Entry("uh.bmp", Solid(8, 8, 8, kUpDownH))
      .Entry("cb.bmp", Solid(4, 8, 8, kCombo))
      .Entry("se.bmp", Solid(4, 8, 8, kSunk))
      .Entry("tb.bmp", Solid(5, 10, 10, kTabs))
      .Entry("bo.bmp", Solid(1, 20, 20, kBorder))
      .File();
}

class SkinControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data = ui::TComponent::New<TSkinData>(*controls.form);
    data->SetSkinStreamValue(MakeSkinStreamProperty(EverySkin()));
    testsupport::EveryControlForm::ListKinds(*data);
    skinner = ui::TComponent::New<TWinSkinForm>(*controls.form);
    skinner->SkinData = data;
    skinner->WindowHandle = controls.form->Handle();
    controls.form->Show();
    skinner->SkinChildControls(*controls.form);
    skinner->SkinDialogChildren();
  }

  // A pixel of the window (window coordinates) after it painted itself anew.
  static COLORREF PixelOf(HWND window, int x, int y) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    win::WindowDc dc(window, true);
    return ::GetPixel(dc.get(), x, y);
  }

  template <class W>
  W* WrapperOf(HWND window) {
    for (TSkinControl* wrapper : skinner->Wrappers) {
      if (wrapper->Handle() == window) return dynamic_cast<W*>(wrapper);
    }
    return nullptr;
  }

  void PointAt(HWND window, int x, int y) {
    POINT at{x, y};
    ::ClientToScreen(window, &at);
    ::SetCursorPos(at.x, at.y);
  }

  testsupport::EveryControlForm controls;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(SkinControlsTest, EveryControlGetsItsWrapper) {
  EXPECT_NE(WrapperOf<TSkinStatusBar>(controls.status->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinProgress>(controls.progress->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinTrackBar>(controls.track->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinUpDown>(controls.updown->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinComBox>(controls.combo->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinEdit>(controls.edit->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinTab>(controls.notebook->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinTab31>(controls.tab_set->Handle()), nullptr);
  EXPECT_NE(WrapperOf<TSkinComBox>(controls.bare_combo_left), nullptr);
  EXPECT_NE(WrapperOf<TSkinEdit>(controls.bare_edit), nullptr);
  for (HWND tabs : controls.bare_tabs) EXPECT_NE(WrapperOf<TSkinTab>(tabs), nullptr);
  // The tab set's scroller, and the arrows of tabs that do not all fit, are up-downs too.
  auto* scroller = WrapperOf<TSkinUpDown>(controls.tab_set->scroller->Handle());
  ASSERT_NE(scroller, nullptr);
  EXPECT_TRUE(scroller->FHorizontal);
  ASSERT_NE(WrapperOf<TSkinTab>(controls.wide_tabs), nullptr);
  EXPECT_NE(WrapperOf<TSkinTab>(controls.wide_tabs)->UpDown(), nullptr);
}

TEST_F(SkinControlsTest, TheStatusBarsPanelsComeFromTheSkinAndTheGripToo) {
  HWND bar = controls.status->Handle();
  RECT panel;
  ::SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
  const int top = panel.top;
  EXPECT_EQ(PixelOf(bar, 180, top), Frame(kStatus, 1)) << "a sunken panel";
  EXPECT_EQ(PixelOf(bar, 545, top), Frame(kStatus, 1)) << "the empty last panel, to the end";

  ::SetWindowLongW(bar, GWL_STYLE, ::GetWindowLongW(bar, GWL_STYLE) | SBARS_SIZEGRIP);
  RECT r;
  ::GetWindowRect(bar, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  EXPECT_EQ(PixelOf(bar, w - 4, h - 4), Frame(kExtra, 5));
  EXPECT_EQ(PixelOf(bar, w - 12, h - 4), Frame(kStatus, 1)) << "the grip is one frame wide";

  ::SendMessageW(bar, SB_SIMPLE, TRUE, 0);
  EXPECT_EQ(PixelOf(bar, 200, 1), Frame(kStatus, 1)) << "one panel over the whole bar";
}

TEST_F(SkinControlsTest, AStatusBarWithoutEdgePicturesGetsPlainEdges) {
  auto* plain = ui::TComponent::New<TSkinData>(*controls.form);
  plain->SetSkinStreamValue(MakeSkinStreamProperty(
      testing::SkinBuilder("[Buttons]\r\nBitmap=b.bmp\r\n").Picture("b.bmp", 60, 12).File()));
  auto* other = ui::TComponent::New<TWinSkinForm>(*controls.form);
  auto* bar = ui::TComponent::New<ui::TStatusBar>(*controls.form);
  bar->SetBounds(0, 300, 300, 20);
  bar->SetParent(controls.form.get());
  bar->SetPanels(
      {{100, ui::TAlignment::taLeftJustify, L"甲"}, {100, ui::TAlignment::taLeftJustify, L""}});
  ui::TComponent::New<TSkinStatusBar>(*bar)->AttachControl(other, *plain, false, nullptr);
  const SkinColours& colours = plain->Colours();
  RECT first;
  ::SendMessageW(bar->Handle(), SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(PixelOf(bar->Handle(), 50, first.top), ui::ColorToRGB(colours.ButtonShadow));
  EXPECT_EQ(PixelOf(bar->Handle(), first.left, 10), ui::ColorToRGB(colours.ButtonShadow));
  EXPECT_EQ(PixelOf(bar->Handle(), 50, first.bottom - 1), ui::ColorToRGB(colours.ButtonHilight));
  EXPECT_EQ(PixelOf(bar->Handle(), 90, first.top + 1), ui::ColorToRGB(colours.ButtonFace));
}

TEST_F(SkinControlsTest, AProgressBarFillsAsFarAsItsPositionStretchedOrInChunks) {
  HWND bar = controls.progress->Handle();
  EXPECT_EQ(PixelOf(bar, 90, 9), Frame(kProgress, 2));
  EXPECT_EQ(PixelOf(bar, 110, 9), Frame(kProgress, 1));
  ::SendMessageW(bar, PBM_SETPOS, 0, 0);
  EXPECT_EQ(PixelOf(bar, 5, 9), Frame(kProgress, 1)) << "position 0: only the empty frame";

  ::SendMessageW(bar, PBM_SETPOS, 50, 0);
  data->Slot(SkinSlot::kProgress)->Style = 1;
  EXPECT_EQ(PixelOf(bar, 90, 9), Frame(kChunk, 1));
  EXPECT_EQ(PixelOf(bar, 90, 1), Frame(kProgress, 1)) << "the chunks are as high as the chunk";
  EXPECT_NE(PixelOf(bar, 110, 9), Frame(kChunk, 1)) << "no chunk beyond the position";
}

TEST_F(SkinControlsTest, AnUpDownShowsItsPressedArrowAndStillCounts) {
  HWND arrows = controls.updown->Handle();
  EXPECT_EQ(PixelOf(arrows, 9, 5), Frame(kUpDownV, 1));
  EXPECT_EQ(PixelOf(arrows, 9, 30), Frame(kUpDownV, 5));
  PointAt(arrows, 9, 30);
  ::SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 30));
  {
    win::WindowDc dc(arrows, true);
    EXPECT_EQ(::GetPixel(dc.get(), 9, 30), Frame(kUpDownV, 6)) << "pressed, down arrow";
    EXPECT_EQ(::GetPixel(dc.get(), 9, 5), Frame(kUpDownV, 1));
  }
  ::SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(9, 30));
  EXPECT_EQ(::SendMessageW(arrows, UDM_GETPOS32, 0, 0), 49);
  EXPECT_EQ(PixelOf(arrows, 9, 30), Frame(kUpDownV, 5));

  ::EnableWindow(arrows, FALSE);
  EXPECT_EQ(PixelOf(arrows, 9, 5), Frame(kUpDownV, 3));
  EXPECT_EQ(PixelOf(arrows, 9, 30), Frame(kUpDownV, 7));
}

TEST_F(SkinControlsTest, TheTrackBarsThumbComesFromTheSkin) {
  HWND track = controls.track->Handle();
  RECT thumb{};
  ::SendMessageW(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  ASSERT_GT(thumb.right - thumb.left, 2);
  EXPECT_EQ(PixelOf(track, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2),
            Frame(kThumb, 2));
}

TEST_F(SkinControlsTest, AComboBoxShowsItsButtonRightOrMirroredLeftAndOpens) {
  HWND combo = controls.combo->Handle();
  RECT r;
  ::GetWindowRect(combo, &r);
  const int w = r.right - r.left;
  const int s = ::GetSystemMetrics(SM_CXHSCROLL);
  ::SetFocus(controls.form->Handle());
  EXPECT_EQ(PixelOf(combo, w - s - 1, 1), Frame(kCombo, 1));
  EXPECT_EQ(PixelOf(combo, 0, 5), Frame(kSunk, 1)) << "the frame around the text";

  ::SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w - 5, 5));
  EXPECT_NE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), 0) << "the list opens";
  {
    win::WindowDc dc(combo, true);
    EXPECT_EQ(::GetPixel(dc.get(), w - s - 1, 1), Frame(kCombo, 2));
  }
  ::SendMessageW(combo, WM_LBUTTONUP, 0, MAKELPARAM(w - 5, 5));
  ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(PixelOf(combo, w - s - 1, 1), Frame(kCombo, 4)) << "focused";

  ::SetFocus(controls.form->Handle());
  // A skin's simple combo look: a plain frame and a slim button at the right.
  data->Slot(SkinSlot::kComboButton)->Style = 1;
  EXPECT_EQ(PixelOf(combo, 0, 0), ui::ColorToRGB(data->Colours().ButtonShadow));
  EXPECT_EQ(PixelOf(combo, w - 4, (r.bottom - r.top) / 2), Frame(kCombo, 1));
  EXPECT_NE(PixelOf(combo, w - ::GetSystemMetrics(SM_CYVTHUMB) - 4, 1), Frame(kCombo, 1));
  data->Slot(SkinSlot::kComboButton)->Style = 0;

  // The mirrored strip shows each state's own frame, turned round.
  EXPECT_EQ(PixelOf(controls.bare_combo_left, 1, 1), Frame(kCombo, 1));
  ::GetWindowRect(controls.bare_combo_left, &r);
  EXPECT_EQ(PixelOf(controls.bare_combo_left, r.right - r.left - 1, 5), Frame(kSunk, 1));
}

TEST_F(SkinControlsTest, AnEditGetsAPlainBorderAndItsSpinButtonIsSkinned) {
  HWND edit = controls.edit->Handle();
  const COLORREF shadow = ui::ColorToRGB(data->Colours().ButtonShadow);
  EXPECT_EQ(PixelOf(edit, 0, 0), shadow);
  EXPECT_EQ(PixelOf(edit, 1, 1), RGB(0xFF, 0xFF, 0xFF));

  {
    // A print of the edit (as a parent's off-screen copy takes it) gets the border too.
    RECT r;
    ::GetWindowRect(edit, &r);
    win::WindowDc screen(nullptr);
    win::MemoryDc print(::CreateCompatibleDC(screen.get()));
    win::Bitmap bitmap(::CreateCompatibleBitmap(screen.get(), r.right - r.left, r.bottom - r.top));
    win::SelectObjectScope use(print.get(), bitmap.get());
    ::SendMessageW(edit, WM_PRINT, reinterpret_cast<WPARAM>(print.get()),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(::GetPixel(print.get(), 0, 0), shadow);
  }

  auto* bare = WrapperOf<TSkinEdit>(controls.bare_edit);
  ASSERT_NE(bare, nullptr);
  PixelOf(controls.bare_edit, 0, 0);
  ASSERT_NE(bare->UpDown(), nullptr);
  EXPECT_EQ(bare->UpDown()->Handle(), controls.spin);
  EXPECT_TRUE(bare->UpDown()->FInset);
  EXPECT_EQ(PixelOf(controls.spin, 5, 4), Frame(kUpDownV, 1));

  // A spin button that goes, and the frame skinner's sweep of its wrapper, leave the edit
  // looking for the next one.
  ::DestroyWindow(controls.spin);
  skinner->SweepDeadWrappers();
  EXPECT_EQ(bare->UpDown(), nullptr);
  HWND next = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 118, 0, 18, 18,
                                controls.bare_edit, nullptr, nullptr, nullptr);
  PixelOf(controls.bare_edit, 0, 0);
  ASSERT_NE(bare->UpDown(), nullptr);
  EXPECT_EQ(bare->UpDown()->Handle(), next);

  // Without a border the edit keeps its own look.
  HWND flat = ::CreateWindowExW(0, WC_EDITW, L"x", WS_CHILD | WS_VISIBLE, 10, 330, 100, 20,
                                controls.form->Handle(), nullptr, nullptr, nullptr);
  ui::TComponent::New<TSkinEdit>(*skinner)->AttachWindow(flat, *data, skinner, nullptr);
  EXPECT_NE(PixelOf(flat, 0, 0), shadow);
}

TEST_F(SkinControlsTest, TabsShowTheSelectedTabAndThePageFrameOnEverySide) {
  HWND top = controls.bare_tabs[0];
  RECT item;
  ::SendMessageW(top, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const int x = item.left + 2, y = item.top + 3;
  EXPECT_EQ(PixelOf(top, x, y), Frame(kTabs, 1));
  ::SendMessageW(top, TCM_SETCURFOCUS, 1, 0);
  EXPECT_EQ(::SendMessageW(top, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(PixelOf(top, x, y), Frame(kTabs, 2)) << "the chosen tab";
  RECT page{0, 0, 130, 90};
  ::SendMessageW(top, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  EXPECT_EQ(PixelOf(top, 60, page.bottom + 2), Frame(kBorder, 1)) << "the page frame";

  for (std::size_t side = 1; side < 4; ++side) {
    HWND tabs = controls.bare_tabs[side];
    EXPECT_EQ(WrapperOf<TSkinTab>(tabs)->Position(), static_cast<int>(side));
    ::SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(PixelOf(tabs, item.left + 3, item.top + 3), Frame(kTabs, 2)) << "side " << side;
  }
}

TEST_F(SkinControlsTest, ATabSetDrawsItsTabsAndMarksTheChosenOne) {
  HWND set = controls.tab_set->Handle();
  EXPECT_EQ(PixelOf(set, 7, 10), Frame(kTabs, 2));
  controls.tab_set->tab_index = 1;
  EXPECT_EQ(PixelOf(set, 7, 10), Frame(kTabs, 1));
  EXPECT_EQ(PixelOf(set, 2, 10), ui::ColorToRGB(data->Colours().ButtonFace)) << "the margin";
}

TEST_F(SkinControlsTest, ReleasingGivesEveryControlItsOwnProcedureAndLookBack) {
  HWND bar = controls.status->Handle();
  RECT panel;
  ::SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&panel));
  skinner->ReleaseWrappers();
  EXPECT_TRUE(skinner->Wrappers.empty());
  EXPECT_NE(PixelOf(bar, 180, panel.top), Frame(kStatus, 1));
  EXPECT_NE(PixelOf(controls.progress->Handle(), 90, 9), Frame(kProgress, 2));
  EXPECT_NE(PixelOf(controls.updown->Handle(), 9, 5), Frame(kUpDownV, 1));
  EXPECT_NE(PixelOf(controls.bare_tabs[0], 5, 5), Frame(kTabs, 1));
  for (const auto& component : controls.form->Components()) {
    for (const auto& owned : component->Components()) {
      EXPECT_EQ(dynamic_cast<TSkinControl*>(owned.get()), nullptr);
    }
  }
  // Messages still work without the wrappers.
  ::SendMessageW(controls.updown->Handle(), UDM_SETPOS32, 0, 7);
  EXPECT_EQ(::SendMessageW(controls.updown->Handle(), UDM_GETPOS32, 0, 0), 7);
}

}  // namespace
}  // namespace telvana
