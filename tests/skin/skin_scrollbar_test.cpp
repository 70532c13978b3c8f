// Skinned scroll bars on a real list box, with a skin whose pieces are solid colours: what is
// painted where, arrows and track scrolling as the system's, the thumb drag, and drags that
// end badly (outside the window, over a refilled list, with the window or the wrapper gone,
// over a bar without range or with more than 65535 positions). And the bare-window sizer.
#include "skin/skin_scrollbar_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/bmp_writer.h"
#include "skin/skin_data.h"
#include "skin/skin_stream.h"
#include "skin/win_skin_form.h"
#include "tests/skin/skin_builder.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/graphics.h"
#include "ui/std_controls.h"
#include "ui/win_handles.h"
#include "ui/window_subclass.h"

namespace telvana {
namespace {

using namespace std::chrono_literals;

// The colour of frame k (1-based) of the arrow strip.
std::uint32_t ArrowColour(int k) {
  return 0x104080u + static_cast<std::uint32_t>(k) * 0x080000u;
}
constexpr std::uint32_t kTrack = 0x20C020, kThumb = 0x2020C0, kThumbDragged = 0xC02020;
constexpr std::uint32_t kBackground = 0xC8C800;  // the skin's Scrollbar colour, 200 200 0

PixelImage Strip(int frames, int width, int height, const std::function<std::uint32_t(int)>& of) {
  PixelImage image{width * frames, height, {}};
  image.pixels.resize(static_cast<std::size_t>(image.width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < image.width; ++x) image.at(x, y) = 0xFF000000u | of(x / width + 1);
  }
  return image;
}

COLORREF Ref(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Arrows, a vertical track and thumb; no horizontal track or thumb.
std::vector<std::uint8_t> ScrollSkin() {
  testing::SkinBuilder skin(
      "[Colours]\r\nScrollbar=200 200 0\r\nButtonShadow=10 20 30\r\n"
      "[Scrollbar]\r\nImage=arrows.bmp\r\n"
      "[VertScrollThumb]\r\nImage=thumb.bmp\r\nFrameCount=3\r\n");
  skin.Entry("arrows.bmp", EncodeBitmap(Strip(23, 16, 16, ArrowColour)));
  skin.Entry("thumb.bmp",
             EncodeBitmap(Strip(3, 16, 24, [](int k) { return k == 2 ? kThumbDragged : kThumb; })));
  skin.Ini("[VertScroll]\r\nImage=track.bmp\r\n");
  skin.Entry("track.bmp", EncodeBitmap(Strip(4, 16, 16, [](int) { return kTrack; })));
  return skin.File();
}

class SkinScrollbarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<testsupport::TTestForm>();
    ASSERT_TRUE(form->Read("object Form1: TTestForm\n  Left = 40\n  Top = 40\n"
                           "  ClientWidth = 260\n  ClientHeight = 220\n"
                           "  object List1: TListBox\n    Left = 10\n    Top = 10\n"
                           "    Width = 150\n    Height = 160\n  end\nend\n")
                    .empty());
    list = dynamic_cast<ui::TListBox*>(form->FindComponent(L"List1"));
    ASSERT_NE(list, nullptr);
    std::vector<std::wstring> rows;
    for (int i = 0; i < 100; ++i) rows.push_back(L"频道 " + std::to_wstring(i));
    list->SetRows(rows);
    data = ui::TComponent::New<TSkinData>(*form);
    data->SetSkinStreamValue(MakeSkinStreamProperty(ScrollSkin()));
    skinner = ui::TComponent::New<TWinSkinForm>(*form);
    form->Show();
    // Runs the actions of the test in the order of the queue, between mouse messages.
    actions_window = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, form->Handle(),
                                       nullptr, ::GetModuleHandleW(nullptr), nullptr);
    actions.Attach(actions_window, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
      if (msg == WM_APP) {
        const auto index = static_cast<std::size_t>(wparam);
        if (index < queued.size()) queued[index]();
        return LRESULT{0};
      }
      return actions.CallNext(msg, wparam, lparam);
    });
  }

  void TearDown() override { actions.Release(); }

  TSkinScrollbar& Attach(bool handle_clicks = true) {
    wrapper = ui::TComponent::New<TSkinScrollbar>(*list);
    wrapper->AttachScrolled(*list, *data, handle_clicks, skinner, nullptr);
    Paint();
    return *wrapper;
  }

  void Paint() {
    ::RedrawWindow(list->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  }

  // A pixel of the list's window, in window coordinates.
  COLORREF Pixel(int x, int y) {
    HDC dc = ::GetWindowDC(list->Handle());
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(list->Handle(), dc);
    return colour;
  }

  // The middle of the vertical bar at `along` pixels from its top, on the screen.
  POINT OnBar(int along) {
    RECT window{};
    ::GetWindowRect(list->Handle(), &window);
    const RECT& bar = wrapper->VertBar();
    return {window.left + (bar.left + bar.right) / 2, window.top + bar.top + along};
  }
  int ThumbMiddle() {
    const ScrollBarGeometry& g = wrapper->VertGeometry();
    return g.arrow + g.thumb_offset + g.thumb / 2;
  }

  void PostMouse(UINT msg, POINT screen) {
    ::ScreenToClient(list->Handle(), &screen);
    ::PostMessageW(list->Handle(), msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                   MAKELPARAM(screen.x, screen.y));
  }
  void PostAction(std::function<void()> action) {
    queued.push_back(std::move(action));
    ::PostMessageW(actions_window, WM_APP, queued.size() - 1, 0);
  }
  void PressOnBar(POINT screen) {
    ::SendMessageW(list->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
  }
  // Drags the thumb from its middle: moves by each of `moves`, then lets go `release` pixels
  // from where it was taken.
  void Drag(const std::vector<int>& moves, int release) {
    const POINT from = OnBar(ThumbMiddle());
    for (int moved : moves) PostMouse(WM_MOUSEMOVE, {from.x, from.y + moved});
    PostMouse(WM_LBUTTONUP, {from.x, from.y + release});
    PressOnBar(from);
  }

  ScrollValues Values() {
    SCROLLINFO info{sizeof(info), SIF_ALL};
    ::GetScrollInfo(list->Handle(), SB_VERT, &info);
    return {info.nMin, info.nMax, info.nPage, info.nPos, info.nTrackPos};
  }
  int TopIndex() { return static_cast<int>(::SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0)); }
  void Settle() {
    testsupport::PumpMessagesUntil([] { return ::GetQueueStatus(QS_ALLINPUT) == 0; }, 500ms);
  }

  std::unique_ptr<testsupport::TTestForm> form;
  ui::TListBox* list = nullptr;
  TSkinData* data = nullptr;
  TWinSkinForm* skinner = nullptr;
  TSkinScrollbar* wrapper = nullptr;
  HWND actions_window = nullptr;
  ui::WindowSubclass actions;
  std::vector<std::function<void()>> queued;
};

TEST_F(SkinScrollbarTest, TheBarIsPaintedFromTheSkinAndFollowsTheList) {
  TSkinScrollbar& bars = Attach();
  const RECT bar = bars.VertBar();
  RECT window{};
  ::GetWindowRect(list->Handle(), &window);
  EXPECT_EQ(bar.right, window.right - window.left - 2) << "inside the list's 2-pixel edge";
  EXPECT_TRUE(::IsRectEmpty(&bars.HorzBar()));
  const int x = (bar.left + bar.right) / 2;
  EXPECT_EQ(Pixel(x, bar.top + 3), Ref(ArrowColour(9)));
  EXPECT_EQ(Pixel(x, bar.bottom - 3), Ref(ArrowColour(13)));
  const ScrollBarGeometry& g = bars.VertGeometry();
  ASSERT_GT(g.thumb, 0);
  EXPECT_EQ(g.thumb_offset, 0);
  EXPECT_EQ(Pixel(x, bar.top + ThumbMiddle()), Ref(kThumb));
  EXPECT_EQ(Pixel(x, bar.top + g.arrow + g.thumb + 2), Ref(kTrack));

  // Scrolled by the program: the thumb follows at the next paint.
  ::SendMessageW(list->Handle(), LB_SETTOPINDEX, 50, 0);
  Paint();
  EXPECT_GT(bars.VertGeometry().thumb_offset, g.track / 3);
  EXPECT_EQ(Pixel(x, bar.top + ThumbMiddle()), Ref(kThumb));
  EXPECT_EQ(Pixel(x, bar.top + g.arrow + 2), Ref(kTrack));

  // A skin without scroll-bar pictures leaves the system's bar.
  data->SetSkinStreamValue(MakeSkinStreamProperty(testing::SkinBuilder("[Colours]\r\n").File()));
  Paint();
  EXPECT_NE(Pixel(x, bar.top + 3), Ref(ArrowColour(9)));
}

// A window with both bars, on either side: the horizontal arrows, the corner between them.
TEST_F(SkinScrollbarTest, BothBarsAndTheCornerBetweenThem) {
  auto* panel = ui::TComponent::New<ui::TPanel>(*form);
  panel->SetBounds(170, 10, 80, 160);
  panel->SetParent(form.get());
  const HWND window = panel->Handle();
  ::SetWindowLongW(window, GWL_STYLE,
                   ::GetWindowLongW(window, GWL_STYLE) | WS_VSCROLL | WS_HSCROLL);
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 10, 0, 0};
    ::SetScrollInfo(window, bar, &info, FALSE);
  }
  auto* bars = ui::TComponent::New<TSkinScrollbar>(*panel);
  bars->AttachScrolled(*panel, *data, true, skinner, nullptr);
  const COLORREF face = ui::ColorToRGB(data->Colours().ButtonFace);
  auto pixel = [window](int x, int y) {
    HDC dc = ::GetWindowDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
  };
  for (bool left : {false, true}) {
    if (left) {
      ::SetWindowLongW(window, GWL_EXSTYLE,
                       ::GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
      ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    const RECT horz = bars->HorzBar(), vert = bars->VertBar(), corner = bars->Corner();
    ASSERT_FALSE(::IsRectEmpty(&horz));
    ASSERT_FALSE(::IsRectEmpty(&corner));
    EXPECT_EQ(corner.left, left ? vert.left : horz.right);
    EXPECT_EQ(horz.left, left ? corner.right : vert.top) << (left ? "left" : "right");
    const int y = (horz.top + horz.bottom) / 2;
    EXPECT_EQ(pixel(horz.left + 3, y), Ref(ArrowColour(1)));
    EXPECT_EQ(pixel(horz.right - 3, y), Ref(ArrowColour(5)));
    EXPECT_EQ(pixel((horz.left + horz.right) / 2, y), Ref(kBackground)) << "no horizontal track";
    EXPECT_EQ(pixel(corner.left + 3, corner.top + 3), face);
    EXPECT_EQ(pixel((vert.left + vert.right) / 2, vert.top + 3), Ref(ArrowColour(9)));
  }
}

TEST_F(SkinScrollbarTest, ArrowsAndTrackScrollAsTheSystemsDo) {
  TSkinScrollbar& bars = Attach();
  const int arrow = bars.VertGeometry().arrow;
  const int length = bars.VertBar().bottom - bars.VertBar().top;
  // The system follows a press on an arrow or the track until the button goes up.
  PostMouse(WM_LBUTTONUP, OnBar(length - arrow / 2));
  PressOnBar(OnBar(length - arrow / 2));
  EXPECT_EQ(TopIndex(), 1);
  EXPECT_EQ(bars.PressedPart(), kPressedNone) << "the end of the scroll";
  EXPECT_FALSE(bars.Tracking());

  const ScrollBarGeometry g = bars.VertGeometry();
  const int page = static_cast<int>(Values().page);
  const int below_thumb = g.arrow + g.thumb_offset + g.thumb + 5;
  PostMouse(WM_LBUTTONUP, OnBar(below_thumb));
  PressOnBar(OnBar(below_thumb));
  EXPECT_EQ(TopIndex(), 1 + page);
  PostMouse(WM_LBUTTONUP, OnBar(arrow / 2));
  PressOnBar(OnBar(arrow / 2));
  EXPECT_EQ(TopIndex(), page);
  Settle();
  const int x = (bars.VertBar().left + bars.VertBar().right) / 2;
  EXPECT_EQ(Pixel(x, bars.VertBar().top + ThumbMiddle()), Ref(kThumb)) << "skinned after it";

  // At the top an arrow scrolls nothing, and the list paints nothing: the skin's bar stays.
  ::SendMessageW(list->Handle(), LB_SETTOPINDEX, 0, 0);
  Settle();
  PostMouse(WM_LBUTTONUP, OnBar(arrow / 2));
  PressOnBar(OnBar(arrow / 2));
  Settle();
  EXPECT_EQ(TopIndex(), 0);
  EXPECT_EQ(Pixel(x, bars.VertBar().top + 3), Ref(ArrowColour(9)));
  EXPECT_EQ(Pixel(x, bars.VertBar().top + ThumbMiddle()), Ref(kThumb));
}

TEST_F(SkinScrollbarTest, TheThumbFollowsTheMouse) {
  TSkinScrollbar& bars = Attach();
  const ScrollBarGeometry before = bars.VertGeometry();
  const int expected = DragThumb(before, Values(), before.thumb_offset, 40).position;
  ASSERT_GT(expected, 5);
  Drag({10, 25, 40}, 40);
  EXPECT_EQ(TopIndex(), expected);
  EXPECT_EQ(Values().pos, expected);
  EXPECT_FALSE(bars.Tracking());
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_NEAR(bars.VertGeometry().thumb_offset, before.thumb_offset + 40, 1);
  Settle();
  EXPECT_EQ(bars.PressedPart(), kPressedNone);
  const RECT bar = bars.VertBar();
  const int x = (bar.left + bar.right) / 2;
  EXPECT_EQ(Pixel(x, bar.top + ThumbMiddle()), Ref(kThumb));
  EXPECT_EQ(Pixel(x, bar.top + before.arrow + 2), Ref(kTrack)) << "the thumb left the top";

  // A quick second press on the thumb drags it as well.
  const int offset = bars.VertGeometry().thumb_offset;
  const POINT from = OnBar(ThumbMiddle());
  PostMouse(WM_MOUSEMOVE, {from.x, from.y - 20});
  PostMouse(WM_LBUTTONUP, {from.x, from.y - 20});
  ::SendMessageW(list->Handle(), WM_NCLBUTTONDBLCLK, HTVSCROLL, MAKELPARAM(from.x, from.y));
  EXPECT_NEAR(bars.VertGeometry().thumb_offset, offset - 20, 1);

  // Lists of the grids' kind leave their bars to the system.
  list->FreeComponent(bars);
  Attach(false);
  ::SendMessageW(list->Handle(), LB_SETTOPINDEX, 0, 0);
  Paint();
  PostMouse(WM_LBUTTONUP, OnBar(ThumbMiddle()));
  PressOnBar(OnBar(ThumbMiddle()));
  EXPECT_FALSE(wrapper->Tracking());
  EXPECT_EQ(TopIndex(), 0);
}

TEST_F(SkinScrollbarTest, ADragEndingOutsideTheWindowStopsAtTheEnds) {
  TSkinScrollbar& bars = Attach();
  Drag({-500}, -500);
  EXPECT_EQ(TopIndex(), 0);
  const ScrollValues v = Values();
  const int last = v.max - static_cast<int>(v.page) + 1;
  Drag({300, 2000}, 3000);
  EXPECT_EQ(TopIndex(), last);
  EXPECT_EQ(Values().pos, last);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_FALSE(bars.Tracking());
  const ScrollBarGeometry& g = bars.VertGeometry();
  EXPECT_EQ(g.thumb_offset, g.track - g.thumb) << "drawn inside the track";
}

TEST_F(SkinScrollbarTest, AListRefilledDuringADragKeepsItsThumbInRange) {
  TSkinScrollbar& bars = Attach();
  const POINT from = OnBar(ThumbMiddle());
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 30});
  PostAction([this] {
    std::vector<std::wstring> rows(20, L"短");
    list->SetRows(rows);
  });
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 60});
  PostAction([this] { list->SetRows({}); });
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 90});
  PostMouse(WM_LBUTTONUP, {from.x, from.y + 90});
  PressOnBar(from);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_FALSE(bars.Tracking());
  EXPECT_EQ(TopIndex(), 0);
  Settle();
  const ScrollBarGeometry& g = bars.VertGeometry();
  EXPECT_GE(g.thumb_offset, 0);
  EXPECT_LE(g.thumb_offset + g.thumb, g.track);
}

TEST_F(SkinScrollbarTest, AWindowOrWrapperGoingDuringADragLetsTheMouseGo) {
  Attach();
  POINT from = OnBar(ThumbMiddle());
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 20});
  PostAction([this] { list->FreeComponent(*wrapper); });
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 40});
  PostMouse(WM_LBUTTONUP, {from.x, from.y + 40});
  PressOnBar(from);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_TRUE(skinner->Wrappers.empty());
  EXPECT_GT(TopIndex(), 0) << "the list works on";
  Settle();

  ::SendMessageW(list->Handle(), LB_SETTOPINDEX, 0, 0);
  TSkinScrollbar& second = Attach();
  from = OnBar(ThumbMiddle());
  const HWND window = list->Handle();
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 20});
  PostAction([window] { ::DestroyWindow(window); });
  PostMouse(WM_MOUSEMOVE, {from.x, from.y + 40});
  ::PostMessageW(form->Handle(), WM_LBUTTONUP, 0, 0);
  PressOnBar(from);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(second.Status(), kStatusWindowDestroyed);
  EXPECT_FALSE(second.Tracking());
  EXPECT_EQ(::GetCapture(), nullptr);
  Settle();
}

// A window of the program's own class with scroll information set from outside: a range of
// none, and one of more positions than a message can carry.
TEST_F(SkinScrollbarTest, BarsWithoutRangeOrBeyondSixteenBits) {
  auto* panel = ui::TComponent::New<ui::TPanel>(*form);
  panel->SetBounds(170, 10, 80, 160);
  panel->SetParent(form.get());
  const HWND window = panel->Handle();
  ::SetWindowLongW(window, GWL_STYLE, ::GetWindowLongW(window, GWL_STYLE) | WS_VSCROLL);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 1000000, 10, 0, 0};
  ::SetScrollInfo(window, SB_VERT, &info, TRUE);
  // The panel stands for a control that reads the whole position from its bar.
  std::vector<int> tracked;
  const ui::MessageHandler own = panel->WindowProc;
  panel->WindowProc = [&, own](ui::TMessage& m) {
    if (m.msg == WM_VSCROLL && LOWORD(m.wParam) == SB_THUMBTRACK) {
      SCROLLINFO track{sizeof(track), SIF_TRACKPOS};
      ::GetScrollInfo(window, SB_VERT, &track);
      tracked.push_back(track.nTrackPos);
    }
    own(m);
  };
  auto* bars = ui::TComponent::New<TSkinScrollbar>(*panel);
  bars->AttachScrolled(*panel, *data, true, skinner, nullptr);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const ScrollBarGeometry g = bars->VertGeometry();
  ASSERT_GT(g.thumb, 0);
  RECT screen{};
  ::GetWindowRect(window, &screen);
  const RECT bar = bars->VertBar();
  const POINT from{screen.left + (bar.left + bar.right) / 2,
                   screen.top + bar.top + g.arrow + g.thumb / 2};
  auto post = [&](UINT msg, int moved) {
    POINT at{from.x, from.y + moved};
    ::ScreenToClient(window, &at);
    ::PostMessageW(window, msg, 0, MAKELPARAM(at.x, at.y));
  };
  post(WM_MOUSEMOVE, g.track / 2);
  post(WM_LBUTTONUP, g.track / 2);
  ::SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(from.x, from.y));
  ASSERT_EQ(tracked.size(), 1u);
  EXPECT_GT(tracked[0], 65535);
  EXPECT_EQ(tracked[0], DragThumb(g, {0, 1000000, 10, 0, 0}, 0, g.track / 2).position);
  EXPECT_EQ(::GetScrollPos(window, SB_VERT), tracked[0]);
  EXPECT_EQ(::GetCapture(), nullptr);

  // No range left: the thumb stays where it was, and a drag changes nothing.
  const ScrollBarGeometry kept = bars->VertGeometry();
  info = {sizeof(info), SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0};
  ::SetScrollInfo(window, SB_VERT, &info, TRUE);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_EQ(bars->VertGeometry(), kept);
  tracked.clear();
  post(WM_MOUSEMOVE, 30);
  post(WM_LBUTTONUP, 30);
  const POINT on_thumb{from.x, screen.top + bar.top + kept.arrow + kept.thumb_offset + 2};
  ::SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(on_thumb.x, on_thumb.y));
  EXPECT_TRUE(tracked.empty());
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_FALSE(bars->Tracking());
}

TEST_F(SkinScrollbarTest, ABareScrollBarWindowGetsAPlainFrame) {
  HWND window =
      ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 200, 10, 17, 120,
                        form->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  auto* sizer = ui::TComponent::New<TSkinSizer>(*skinner);
  sizer->AttachWindow(window, *data, skinner, nullptr);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = ::GetWindowDC(window);
  EXPECT_EQ(::GetPixel(dc, 0, 50), RGB(10, 20, 30));
  EXPECT_EQ(::GetPixel(dc, 16, 119), RGB(10, 20, 30));
  ::ReleaseDC(window, dc);
  skinner->FreeComponent(*sizer);
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace telvana
