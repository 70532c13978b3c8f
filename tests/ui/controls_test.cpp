#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/canvas.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/solid_jpeg.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/control.h"
#include "ui/std_controls.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::Canvas;
using testsupport::MessageBoxRecorder;
using testsupport::SolidJpeg;
using testsupport::TTestForm;

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "(" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << ")";
}

Box BoundsOf(const TControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// Where the control's window really is, in its parent's client coordinates.
Box WindowOf(const TWinControl& c) {
  RECT r;
  ::GetWindowRect(c.Handle(), &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(c.Handle()), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A form with a client area of the given size and its window.
std::unique_ptr<TTestForm> MakeForm(int width, int height) {
  auto form = std::make_unique<TTestForm>();
  form->SetClientSize(width, height);
  form->CreateHandle();
  return form;
}

// A flat panel (no bevel) of the given size and alignment, owned by `form`, in `parent`.
TPanel* AddPanel(TTestForm& form, TWinControl& parent, TAlign align, int width, int height) {
  auto* panel = TComponent::New<TPanel>(form);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetBounds(0, 0, width, height);
  panel->SetAlign(align);
  panel->SetParent(&parent);
  return panel;
}

bool Overlap(const TControl& a, const TControl& b) {
  RECT ra = a.BoundsRect(), rb = b.BoundsRect(), both;
  return ::IntersectRect(&both, &ra, &rb) != FALSE;
}

// ---------------------------------------------------------------------------------------
// Alignment

TEST(Alignment, BandsAreTakenInCreationOrder) {
  auto form = MakeForm(400, 300);
  TPanel* top = AddPanel(*form, *form, TAlign::alTop, 10, 20);
  TPanel* bottom = AddPanel(*form, *form, TAlign::alBottom, 10, 30);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 50, 10);
  TPanel* right = AddPanel(*form, *form, TAlign::alRight, 60, 10);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);

  EXPECT_EQ(BoundsOf(*top), (Box{0, 0, 400, 20}));
  EXPECT_EQ(BoundsOf(*bottom), (Box{0, 270, 400, 30}));
  EXPECT_EQ(BoundsOf(*left), (Box{0, 20, 50, 250}));
  EXPECT_EQ(BoundsOf(*right), (Box{340, 20, 60, 250}));
  EXPECT_EQ(BoundsOf(*client), (Box{50, 20, 290, 250}));
  for (TPanel* p : {top, bottom, left, right, client}) EXPECT_EQ(WindowOf(*p), BoundsOf(*p));
}

TEST(Alignment, TheEarlierControlTakesTheCorner) {
  auto form = MakeForm(400, 300);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 50, 10);
  TPanel* top = AddPanel(*form, *form, TAlign::alTop, 10, 20);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  EXPECT_EQ(BoundsOf(*left), (Box{0, 0, 50, 300}));
  EXPECT_EQ(BoundsOf(*top), (Box{50, 0, 350, 20}));
  EXPECT_EQ(BoundsOf(*client), (Box{50, 20, 350, 280}));
}

TEST(Alignment, AClientControlNeverLiesUnderItsAlignedSiblings) {
  // The control that fills "the rest" gets the rest even when it was created before the
  // bands around it.
  auto form = MakeForm(400, 300);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  TPanel* top = AddPanel(*form, *form, TAlign::alTop, 10, 20);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 50, 10);
  EXPECT_FALSE(Overlap(*client, *top))
      << "client " << BoundsOf(*client) << ", top " << BoundsOf(*top);
  EXPECT_FALSE(Overlap(*client, *left))
      << "client " << BoundsOf(*client) << ", left " << BoundsOf(*left);
  EXPECT_EQ(BoundsOf(*client), (Box{50, 20, 350, 280}));
}

TEST(Alignment, HiddenControlsReleaseTheirSpace) {
  auto form = MakeForm(400, 300);
  TPanel* top = AddPanel(*form, *form, TAlign::alTop, 10, 20);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 50, 10);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);

  top->SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(top->Handle()) &&
               ::GetWindowLongW(top->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(BoundsOf(*left), (Box{0, 0, 50, 300}));
  EXPECT_EQ(BoundsOf(*client), (Box{50, 0, 350, 300}));
  left->SetVisible(false);
  EXPECT_EQ(BoundsOf(*client), (Box{0, 0, 400, 300}));

  top->SetVisible(true);
  left->SetVisible(true);
  EXPECT_TRUE(::GetWindowLongW(top->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(BoundsOf(*top), (Box{0, 0, 400, 20}));
  EXPECT_EQ(BoundsOf(*left), (Box{0, 20, 50, 280}));
  EXPECT_EQ(BoundsOf(*client), (Box{50, 20, 350, 280}));
}

TEST(Alignment, FollowsTheParentsSize) {
  auto form = MakeForm(400, 300);
  TPanel* bottom = AddPanel(*form, *form, TAlign::alBottom, 10, 30);
  TPanel* right = AddPanel(*form, *form, TAlign::alRight, 60, 10);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  TPanel* loose = AddPanel(*form, *form, TAlign::alNone, 25, 15);
  loose->SetBounds(7, 9, 25, 15);

  form->SetClientSize(500, 200);
  EXPECT_EQ(form->ClientWidth(), 500);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(BoundsOf(*bottom), (Box{0, 170, 500, 30}));
  EXPECT_EQ(BoundsOf(*right), (Box{440, 0, 60, 170}));
  EXPECT_EQ(BoundsOf(*client), (Box{0, 0, 440, 170}));
  EXPECT_EQ(BoundsOf(*loose), (Box{7, 9, 25, 15})) << "a control without alignment stays put";
  for (TPanel* p : {bottom, right, client, loose}) EXPECT_EQ(WindowOf(*p), BoundsOf(*p));

  // Too small for the bands: nothing gets a negative size.
  form->SetClientSize(40, 20);
  EXPECT_GE(client->Width(), 0);
  EXPECT_GE(client->Height(), 0);
}

TEST(Alignment, AHeldLayoutIsPlacedOnceForTheLastSize) {
  auto form = MakeForm(400, 300);
  TPanel* bottom = AddPanel(*form, *form, TAlign::alBottom, 10, 30);
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  form->DisableAlign();
  form->DisableAlign();  // held twice: both must end
  form->SetClientSize(500, 200);
  EXPECT_EQ(BoundsOf(*bottom), (Box{0, 270, 400, 30})) << "held where it was";
  form->EnableAlign();
  EXPECT_EQ(BoundsOf(*bottom), (Box{0, 270, 400, 30}));
  form->EnableAlign();
  EXPECT_EQ(BoundsOf(*bottom), (Box{0, 170, 500, 30}));
  EXPECT_EQ(BoundsOf(*client), (Box{0, 0, 500, 170}));
  for (TPanel* p : {bottom, client}) EXPECT_EQ(WindowOf(*p), BoundsOf(*p));
  form->EnableAlign();  // one too many is harmless
  form->SetClientSize(300, 100);
  EXPECT_EQ(BoundsOf(*client), (Box{0, 0, 300, 70})) << "laid out again as usual";

  // A window asked to stay where it is is not moved: not even asked to.
  static HWND watched;
  static int moves;
  watched = client->Handle();
  moves = 0;
  HHOOK hook = ::SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wparam, LPARAM lparam) -> LRESULT {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && sent->hwnd == watched && sent->message == WM_WINDOWPOSCHANGING) {
          ++moves;
        }
        return ::CallNextHookEx(nullptr, code, wparam, lparam);
      },
      nullptr, ::GetCurrentThreadId());
  client->SetBounds(0, 0, 300, 70);
  EXPECT_EQ(moves, 0);
  client->SetBounds(0, 0, 300, 71);
  EXPECT_EQ(moves, 1);
  ::UnhookWindowsHookEx(hook);
}

TEST(Alignment, PanelBevelsInsetTheirChildren) {
  auto form = MakeForm(300, 200);
  auto* panel = TComponent::New<TPanel>(*form);
  panel->SetBounds(10, 10, 200, 100);
  panel->SetParent(form.get());
  TPanel* inside = AddPanel(*form, *panel, TAlign::alClient, 10, 10);

  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvRaised) << "a panel is raised unless told otherwise";
  EXPECT_EQ(BoundsOf(*inside), (Box{1, 1, 198, 98}));
  panel->SetBevelInner(TBevelCut::bvLowered);
  EXPECT_EQ(BoundsOf(*inside), (Box{2, 2, 196, 96}));
  panel->SetBevelWidth(3);
  EXPECT_EQ(BoundsOf(*inside), (Box{6, 6, 188, 88}));
  panel->SetBevelOuter(TBevelCut::bvNone);
  EXPECT_EQ(BoundsOf(*inside), (Box{3, 3, 194, 94}));
  panel->SetBevelInner(TBevelCut::bvNone);
  EXPECT_EQ(BoundsOf(*inside), (Box{0, 0, 200, 100}));
  EXPECT_EQ(WindowOf(*inside), BoundsOf(*inside));
}

TEST(TabOrder, SiblingWindowsStandInTheirTabOrder) {
  // Children that exist before their parent's window get their windows in tab order; those
  // without a place come last, in creation order.
  TTestForm form;
  std::vector<TPanel*> panels;
  for (int order : {-1, 3, -1, 1, 0}) {
    auto* panel = TComponent::New<TPanel>(form);
    panel->SetTabOrder(order);
    panel->SetParent(&form);
    panels.push_back(panel);
  }
  form.CreateHandle();
  std::vector<HWND> zOrder;
  for (HWND child = ::GetWindow(form.Handle(), GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    zOrder.push_back(child);
  }
  EXPECT_EQ(zOrder,
            (std::vector<HWND>{panels[4]->Handle(), panels[3]->Handle(), panels[1]->Handle(),
                               panels[0]->Handle(), panels[2]->Handle()}));
}

// ---------------------------------------------------------------------------------------
// The replaceable message handler

constexpr UINT kProbeMessage = WM_APP + 17;

TEST(WindowProc, AReplacementSeesMessagesChainsAndDetaches) {
  auto form = MakeForm(300, 200);
  auto* panel = TComponent::New<TPanel>(*form);
  panel->SetAlign(TAlign::alClient);
  panel->SetParent(form.get());
  TPanel* child = AddPanel(*form, *panel, TAlign::alClient, 10, 10);
  const HWND window = panel->Handle();

  std::vector<UINT> seen;
  const MessageHandler saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    seen.push_back(m.msg);
    if (m.msg == kProbeMessage) {
      m.result = 42;
      return;
    }
    saved(m);
  };

  EXPECT_EQ(::SendMessageW(window, kProbeMessage, 0, 0), 42);
  EXPECT_EQ(panel->Perform(kProbeMessage), 42);
  // Chained messages still get their usual handling: the text is set, the size realigns.
  ::SetWindowTextW(window, L"新标题");
  wchar_t text[32] = {};
  ::GetWindowTextW(window, text, 32);
  EXPECT_STREQ(text, L"新标题");
  form->SetClientSize(250, 150);
  EXPECT_EQ(BoundsOf(*child), (Box{1, 1, 248, 148}));
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT{WM_SETTEXT}), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), UINT{WM_SIZE}), seen.end());

  // Detached: the class's own handling again, and the replacement sees nothing more.
  panel->WindowProc = saved;
  seen.clear();
  EXPECT_EQ(::SendMessageW(window, kProbeMessage, 0, 0), 0);
  form->SetClientSize(200, 100);
  EXPECT_EQ(BoundsOf(*child), (Box{1, 1, 198, 98}));
  EXPECT_TRUE(seen.empty());
}

TEST(WindowProc, ItHearsTheMouseComeAndGoAndTheEnabledStateChange) {
  auto form = MakeForm(300, 200);
  TPanel* panel = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  std::vector<UINT> notes;
  const MessageHandler saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.msg >= CM_ENABLEDCHANGED && m.msg <= CM_EXIT) notes.push_back(m.msg);
    saved(m);
  };
  ::SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  ::SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  panel->SetEnabled(false);
  panel->SetEnabled(false);
  EXPECT_EQ(notes, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE, CM_ENABLEDCHANGED}));
  panel->WindowProc = saved;
}

TEST(WindowProc, ReplacementsStackAndComeOffInReverse) {
  auto form = MakeForm(200, 100);
  TPanel* panel = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  std::vector<std::string> log;
  const MessageHandler original = panel->WindowProc;
  const MessageHandler first = [&, original](TMessage& m) {
    if (m.msg == kProbeMessage) log.push_back("first");
    original(m);
  };
  panel->WindowProc = first;
  const MessageHandler second = [&, first](TMessage& m) {
    if (m.msg == kProbeMessage) log.push_back("second");
    first(m);
  };
  panel->WindowProc = second;

  ::SendMessageW(panel->Handle(), kProbeMessage, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
  panel->WindowProc = first;
  log.clear();
  ::SendMessageW(panel->Handle(), kProbeMessage, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"first"}));
  panel->WindowProc = original;
  log.clear();
  ::SendMessageW(panel->Handle(), kProbeMessage, 0, 0);
  EXPECT_TRUE(log.empty());
}

TEST(WindowProc, ControlsOfSystemClassesGoThroughItToo) {
  auto form = MakeForm(200, 100);
  auto* list = TComponent::New<TListBox>(*form);
  list->SetParent(form.get());
  const HWND window = list->Handle();
  const MessageHandler saved = list->WindowProc;
  int adds = 0;
  list->WindowProc = [&](TMessage& m) {
    if (m.msg == LB_ADDSTRING) {
      ++adds;
      if (std::wstring(reinterpret_cast<const wchar_t*>(m.lParam)) == L"refused") {
        m.result = LB_ERR;
        return;
      }
    }
    saved(m);
  };
  EXPECT_EQ(::SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"天津影视频道")), 0);
  EXPECT_EQ(::SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"refused")), LB_ERR);
  EXPECT_EQ(adds, 2);
  EXPECT_EQ(::SendMessageW(window, LB_GETCOUNT, 0, 0), 1);
  // The framework's own calls are messages like any other.
  EXPECT_THROW(list->Add(L"refused"), PropertyError);
  EXPECT_EQ(adds, 3);
  list->WindowProc = saved;
  EXPECT_EQ(::SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"refused")), 1);
  EXPECT_EQ(adds, 3);
}

TEST(WindowProc, AnErrorInAHandlerEndsInTheErrorReport) {
  MessageBoxRecorder boxes;
  auto form = MakeForm(200, 100);
  TPanel* panel = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  const MessageHandler saved = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.msg == kProbeMessage) throw std::runtime_error("出错了");
    saved(m);
  };
  ::SendMessageW(panel->Handle(), kProbeMessage, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"出错了");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONSTOP | MB_OK});
  EXPECT_TRUE(::IsWindow(panel->Handle()));
  panel->WindowProc = saved;
}

// ---------------------------------------------------------------------------------------
// Reflected notifications and the list box

struct ListOnForm {
  std::unique_ptr<TTestForm> form = MakeForm(300, 200);
  TPanel* panel = nullptr;
  TListBox* list = nullptr;
  std::vector<std::wstring> events;

  ListOnForm() {
    panel = AddPanel(*form, *form, TAlign::alClient, 10, 10);
    list = TComponent::New<TListBox>(*form);
    list->SetAlign(TAlign::alClient);
    list->SetParent(panel);
    for (const wchar_t* row : {L"天津影视频道", L"海南影视娱乐频道", L"江苏影视频道"})
      list->Add(row);
    list->OnDblClick = [this](TComponent& sender) {
      EXPECT_EQ(&sender, list);
      events.push_back(L"dblclick " + std::to_wstring(list->ItemIndex()));
    };
    list->OnClick = [this](TComponent&) {
      events.push_back(L"click " + std::to_wstring(list->ItemIndex()));
    };
  }

  LRESULT Notify(WORD code) {
    return ::SendMessageW(panel->Handle(), WM_COMMAND,
                          MAKEWPARAM(::GetDlgCtrlID(list->Handle()), code),
                          reinterpret_cast<LPARAM>(list->Handle()));
  }
};

TEST(Reflection, NotificationsReachTheListsEvents) {
  ListOnForm f;
  ::SendMessageW(f.list->Handle(), LB_SETCURSEL, 1, 0);
  f.Notify(LBN_DBLCLK);
  f.Notify(LBN_SELCHANGE);
  f.Notify(LBN_SETFOCUS);  // not an event of ours
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"dblclick 1", L"click 1"}));
}

TEST(Reflection, AMouseDoubleClickOnARowReachesOnDblClick) {
  ListOnForm f;
  RECT row{};
  ASSERT_NE(::SendMessageW(f.list->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row)),
            LB_ERR);
  const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
  ::SendMessageW(f.list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(f.list->Handle(), WM_LBUTTONUP, 0, at);
  ::SendMessageW(f.list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(f.list->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_EQ(f.list->ItemIndex(), 2);
  ASSERT_FALSE(f.events.empty());
  EXPECT_EQ(std::count(f.events.begin(), f.events.end(), L"dblclick 2"), 1);
  EXPECT_EQ(f.events.back(), L"dblclick 2");
}

TEST(Reflection, NotificationsOfForeignWindowsAreLeftAlone) {
  ListOnForm f;
  // A child window the framework knows nothing of.
  HWND stranger = ::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD, 0, 0, 10, 10, f.panel->Handle(),
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(stranger, nullptr);
  ::SendMessageW(f.panel->Handle(), WM_COMMAND, MAKEWPARAM(7, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(stranger));
  EXPECT_TRUE(f.events.empty());
  ::DestroyWindow(stranger);
}

TEST(Reflection, TheListPaintsInItsOwnColours) {
  ListOnForm f;
  TFont font = f.list->Font();
  font.Color = clNavy;
  f.list->SetFont(font);
  HDC dc = ::CreateCompatibleDC(nullptr);
  const LRESULT brush =
      ::SendMessageW(f.panel->Handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(f.list->Handle()));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(f.list->ColorBrush()));
  EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0x80));
  EXPECT_EQ(::GetBkColor(dc), ::GetSysColor(COLOR_WINDOW));
  ::DeleteDC(dc);
}

std::wstring ListText(HWND list, int index) {
  const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return L"<none>";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

TEST(ListBox, RowsAndSelectionBeforeAndAfterItsWindow) {
  auto form = MakeForm(300, 200);
  auto* list = TComponent::New<TListBox>(*form);
  list->Add(L"天津影视频道");
  list->Add(L"");
  list->Add(L"石家庄影视频道");
  list->SetItemIndex(2);
  list->SetItemHeight(12);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetParent(form.get());  // the window appears now
  const HWND window = list->Handle();
  ASSERT_TRUE(::IsWindow(window));
  EXPECT_EQ(::SendMessageW(window, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(ListText(window, 0), L"天津影视频道");
  EXPECT_EQ(ListText(window, 1), L"");
  EXPECT_EQ(ListText(window, 2), L"石家庄影视频道");
  EXPECT_EQ(::SendMessageW(window, LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(::SendMessageW(window, LB_GETITEMHEIGHT, 0, 0), 12);
  EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  list->Add(L"南京影视频道");
  EXPECT_EQ(ListText(window, 3), L"南京影视频道");
  EXPECT_EQ(list->Row(3), L"南京影视频道");
  list->SetItemIndex(7);
  EXPECT_EQ(list->ItemIndex(), -1) << "a row that is not there selects nothing";
  list->SetItemIndex(0);
  EXPECT_EQ(list->ItemIndex(), 0);
  list->Clear();
  EXPECT_EQ(::SendMessageW(window, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(ListBox, SetRowsReplacesEveryRowAndTheSelection) {
  auto form = MakeForm(300, 200);
  auto* list = TComponent::New<TListBox>(*form);
  list->SetParent(form.get());
  const HWND window = list->Handle();
  list->Add(L"旧的");
  list->SetItemIndex(0);
  list->SetRows({L"甲", L"", L"丙"});
  EXPECT_EQ(::SendMessageW(window, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(ListText(window, 0), L"甲");
  EXPECT_EQ(ListText(window, 2), L"丙");
  EXPECT_EQ(list->Rows(), (std::vector<std::wstring>{L"甲", L"", L"丙"}));
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(::SendMessageW(window, LB_GETCURSEL, 0, 0), LB_ERR);
  list->SetRows({});
  EXPECT_EQ(::SendMessageW(window, LB_GETCOUNT, 0, 0), 0);
}

// ---------------------------------------------------------------------------------------
// Status bar

std::wstring PanelText(HWND bar, int index) {
  const LRESULT length = ::SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(length) + 1, L'\0');
  ::SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(length));
  return text;
}

std::vector<int> PanelEdges(HWND bar) {
  const int count = static_cast<int>(::SendMessageW(bar, SB_GETPARTS, 0, 0));
  std::vector<int> edges(static_cast<std::size_t>(count));
  ::SendMessageW(bar, SB_GETPARTS, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(edges.data()));
  return edges;
}

TEST(StatusBar, PanelsWidthsAndTextsReachTheControl) {
  auto form = MakeForm(748, 300);
  auto* bar = TComponent::New<TStatusBar>(*form);
  bar->SetPanels({{200, TAlignment::taLeftJustify, L""},
                  {320, TAlignment::taCenter, L"现在时刻："},
                  {100, TAlignment::taLeftJustify, L"免费版"}});
  bar->SetParent(form.get());
  const HWND window = bar->Handle();
  ASSERT_TRUE(::IsWindow(window));

  EXPECT_EQ(PanelEdges(window), (std::vector<int>{200, 520, -1}));
  EXPECT_EQ(PanelText(window, 0), L"");
  EXPECT_EQ(PanelText(window, 1), L"\t现在时刻：") << "a centred panel's text follows one tab";
  EXPECT_EQ(PanelText(window, 2), L"免费版");

  bar->SetPanelText(0, L"正在播放：天津影视频道");
  bar->SetPanelText(1, L"现在时刻：2006年01月15日");
  EXPECT_EQ(PanelText(window, 0), L"正在播放：天津影视频道");
  EXPECT_EQ(PanelText(window, 1), L"\t现在时刻：2006年01月15日");
  EXPECT_EQ(bar->PanelText(0), L"正在播放：天津影视频道");
  EXPECT_EQ(bar->PanelText(1), L"现在时刻：2006年01月15日")
      << "the tab is the control's business, not the text's";

  bar->SetPanels({{150, TAlignment::taRightJustify, L"右"}, {50, TAlignment::taLeftJustify, L""}});
  EXPECT_EQ(PanelEdges(window), (std::vector<int>{150, -1}));
  EXPECT_EQ(PanelText(window, 0), L"\t\t右");
}

TEST(StatusBar, StaysWhereTheLayoutPutsIt) {
  auto form = MakeForm(400, 300);
  auto* bar = TComponent::New<TStatusBar>(*form);
  bar->SetPanels({{200, TAlignment::taLeftJustify, L""}, {100, TAlignment::taLeftJustify, L""}});
  bar->SetParent(form.get());
  EXPECT_EQ(bar->Align(), TAlign::alBottom);
  EXPECT_EQ(WindowOf(*bar), (Box{0, 281, 400, 19}));
  form->SetClientSize(500, 200);
  EXPECT_EQ(WindowOf(*bar), (Box{0, 181, 500, 19}));
  EXPECT_EQ(BoundsOf(*bar), WindowOf(*bar));
}

// ---------------------------------------------------------------------------------------
// Splitters

struct SplitForm {
  std::unique_ptr<TTestForm> form = MakeForm(400, 300);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 100, 10);
  TSplitter* splitter = nullptr;
  TPanel* client = nullptr;
  int moved = 0;

  SplitForm() {
    splitter = TComponent::New<TSplitter>(*form);
    splitter->SetBounds(100, 0, 3, 300);
    splitter->SetAlign(TAlign::alLeft);
    splitter->SetParent(form.get());
    client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
    splitter->OnMoved = [this](TComponent& sender) {
      EXPECT_EQ(&sender, splitter);
      ++moved;
    };
  }

  // Mouse messages to the splitter, at x in the form's client coordinates.
  void Mouse(UINT msg, int formX) {
    ::SendMessageW(splitter->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                   MAKELPARAM(formX - splitter->Left(), 10));
  }
};

TEST(Splitter, MovesResizeTheNeighbourAndTheClientTakesTheRest) {
  SplitForm f;
  EXPECT_EQ(f.splitter->Neighbour(), f.left);
  EXPECT_EQ(f.splitter->MinSize(), 30);
  f.splitter->MoveBy(50);
  EXPECT_EQ(f.moved, 1);
  EXPECT_EQ(BoundsOf(*f.left), (Box{0, 0, 150, 300}));
  EXPECT_EQ(BoundsOf(*f.splitter), (Box{150, 0, 3, 300}));
  EXPECT_EQ(BoundsOf(*f.client), (Box{153, 0, 247, 300}));
  EXPECT_EQ(WindowOf(*f.client), BoundsOf(*f.client));
  f.splitter->MoveBy(-20);
  EXPECT_EQ(f.left->Width(), 130);
  EXPECT_EQ(f.moved, 2);
}

TEST(Splitter, NeitherTheNeighbourNorTheClientCollapses) {
  SplitForm f;
  f.splitter->MoveBy(-1000);
  EXPECT_EQ(f.left->Width(), 30) << "the neighbour stops at MinSize";
  f.splitter->MoveBy(-1);
  EXPECT_EQ(f.left->Width(), 30);
  f.splitter->MoveBy(10000);
  EXPECT_EQ(f.client->Width(), 30) << "the client keeps MinSize";
  EXPECT_EQ(f.left->Width(), 400 - 3 - 30);

  f.splitter->SetMinSize(60);
  f.splitter->MoveBy(-10000);
  EXPECT_EQ(f.left->Width(), 60);
  f.splitter->MoveBy(10000);
  EXPECT_EQ(f.client->Width(), 60);
  EXPECT_EQ(f.left->Width(), 400 - 3 - 60);
}

TEST(Splitter, ADragWithTheMouseMovesItOnce) {
  SplitForm f;
  f.Mouse(WM_LBUTTONDOWN, 101);
  f.Mouse(WM_MOUSEMOVE, 111);
  EXPECT_EQ(f.left->Width(), 110) << "the neighbour follows the drag";
  f.Mouse(WM_MOUSEMOVE, 126);
  EXPECT_EQ(f.moved, 0) << "OnMoved waits for the release";
  f.Mouse(WM_LBUTTONUP, 126);
  EXPECT_EQ(f.left->Width(), 125);
  EXPECT_EQ(f.client->Left(), 128);
  EXPECT_EQ(f.moved, 1);
  // Moving without a press does nothing.
  f.Mouse(WM_MOUSEMOVE, 200);
  EXPECT_EQ(f.left->Width(), 125);
  // A drag far to the left stops at MinSize.
  f.Mouse(WM_LBUTTONDOWN, 126);
  f.Mouse(WM_MOUSEMOVE, 5);
  f.Mouse(WM_LBUTTONUP, 0);
  EXPECT_EQ(f.left->Width(), 30);
  EXPECT_EQ(f.moved, 2);
}

TEST(Splitter, RightAndTopSplittersResizeTheirOwnSide) {
  auto form = MakeForm(400, 300);
  TPanel* top = AddPanel(*form, *form, TAlign::alTop, 10, 50);
  auto* topSplitter = TComponent::New<TSplitter>(*form);
  topSplitter->SetBounds(0, 50, 400, 3);
  topSplitter->SetAlign(TAlign::alTop);
  topSplitter->SetParent(form.get());
  TPanel* right = AddPanel(*form, *form, TAlign::alRight, 100, 10);
  auto* rightSplitter = TComponent::New<TSplitter>(*form);
  rightSplitter->SetBounds(297, 53, 3, 247);
  rightSplitter->SetAlign(TAlign::alRight);
  rightSplitter->SetParent(form.get());
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);

  EXPECT_EQ(BoundsOf(*rightSplitter), (Box{297, 53, 3, 247}));
  EXPECT_EQ(rightSplitter->Neighbour(), right);
  EXPECT_EQ(topSplitter->Neighbour(), top);

  rightSplitter->MoveBy(-40);  // to the left: the right column grows
  EXPECT_EQ(right->Width(), 140);
  EXPECT_EQ(BoundsOf(*client), (Box{0, 53, 257, 247}));
  rightSplitter->MoveBy(1000);
  EXPECT_EQ(right->Width(), 30);

  topSplitter->MoveBy(20);
  EXPECT_EQ(top->Height(), 70);
  EXPECT_EQ(right->Top(), 73);
  EXPECT_EQ(client->Height(), 300 - 73);
}

TEST(Splitter, WithoutAClientControlTheNeighbourGrowsIntoTheFreeSpace) {
  auto form = MakeForm(400, 300);
  TPanel* left = AddPanel(*form, *form, TAlign::alLeft, 100, 10);
  auto* splitter = TComponent::New<TSplitter>(*form);
  splitter->SetBounds(100, 0, 3, 300);
  splitter->SetAlign(TAlign::alLeft);
  splitter->SetParent(form.get());
  splitter->MoveBy(50);
  EXPECT_EQ(left->Width(), 150);
  splitter->MoveBy(10000);
  EXPECT_GE(left->Width(), 150);
  EXPECT_LE(left->Width() + splitter->Width(), 400) << "but not beyond the parent";
  splitter->MoveBy(-10000);
  EXPECT_EQ(left->Width(), 30);
}

TEST(Splitter, WithoutANeighbourNothingMoves) {
  auto form = MakeForm(400, 300);
  auto* splitter = TComponent::New<TSplitter>(*form);
  splitter->SetAlign(TAlign::alLeft);
  splitter->SetParent(form.get());
  TPanel* client = AddPanel(*form, *form, TAlign::alClient, 10, 10);
  int moved = 0;
  splitter->OnMoved = [&](TComponent&) { ++moved; };
  EXPECT_EQ(splitter->Neighbour(), nullptr);
  splitter->MoveBy(50);
  EXPECT_EQ(moved, 0);
  EXPECT_EQ(client->Left(), splitter->Width());
}

// ---------------------------------------------------------------------------------------
// Painting, checked on small bitmaps

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// The painting routines are protected: these subclasses lend them to the tests.
struct PaintablePanel : TPanel {
  using TPanel::Paint;
  using TPanel::TPanel;
};
struct PaintableImage : TImage {
  using TImage::Paint;
  using TImage::TImage;
};
struct PaintableBevel : TBevel {
  using TBevel::Paint;
  using TBevel::TBevel;
};

TEST(Painting, PanelBevels) {
  TComponent owner(nullptr);
  auto* panel = TComponent::New<PaintablePanel>(owner);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), dark = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF fill = RGB(1, 2, 3);
  {
    Canvas canvas(8, 6, fill);
    panel->Paint(canvas.dc(), canvas.area());  // raised, one pixel
    EXPECT_EQ(canvas.at(0, 0), light);
    EXPECT_EQ(canvas.at(4, 0), light);
    EXPECT_EQ(canvas.at(0, 3), light);
    EXPECT_EQ(canvas.at(7, 3), dark);
    EXPECT_EQ(canvas.at(4, 5), dark);
    EXPECT_EQ(canvas.at(1, 1), fill) << "the inside is the background's";
  }
  {
    Canvas canvas(8, 6, fill);
    panel->SetBevelOuter(TBevelCut::bvLowered);
    panel->SetBevelInner(TBevelCut::bvRaised);
    panel->Paint(canvas.dc(), canvas.area());
    EXPECT_EQ(canvas.at(3, 0), dark);
    EXPECT_EQ(canvas.at(3, 5), light);
    EXPECT_EQ(canvas.at(3, 1), light);
    EXPECT_EQ(canvas.at(3, 4), dark);
    EXPECT_EQ(canvas.at(3, 2), fill);
  }
  {
    Canvas canvas(8, 6, fill);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetBevelInner(TBevelCut::bvNone);
    panel->Paint(canvas.dc(), canvas.area());
    EXPECT_EQ(canvas.at(0, 0), fill);
    EXPECT_EQ(canvas.at(7, 5), fill);
  }
}

TEST(Painting, BevelBoxesFramesAndLines) {
  TComponent owner(nullptr);
  auto* bevel = TComponent::New<PaintableBevel>(owner);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), dark = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF fill = RGB(1, 2, 3);
  const auto paint = [&](TBevelShape shape, TBevelStyle style, int width, int height) {
    bevel->SetShape(shape);
    bevel->SetStyle(style);
    auto canvas = std::make_unique<Canvas>(width, height, fill);
    bevel->Paint(canvas->dc(), canvas->area());
    return canvas;
  };
  {
    // Two pixels high and raised: a rule line, light above its shadow.
    auto canvas = paint(TBevelShape::bsBox, TBevelStyle::bsRaised, 8, 2);
    EXPECT_EQ(canvas->at(3, 0), light);
    EXPECT_EQ(canvas->at(3, 1), dark);
    EXPECT_EQ(canvas->at(7, 0), dark) << "the right edge lies in shadow";
  }
  {
    auto canvas = paint(TBevelShape::bsFrame, TBevelStyle::bsLowered, 8, 6);
    EXPECT_EQ(canvas->at(0, 3), dark) << "etched: a dark line";
    EXPECT_EQ(canvas->at(1, 3), light) << "and a light one inside it";
    EXPECT_EQ(canvas->at(7, 3), light);
    EXPECT_EQ(canvas->at(6, 3), dark);
    EXPECT_EQ(canvas->at(3, 3), fill);
  }
  {
    auto canvas = paint(TBevelShape::bsTopLine, TBevelStyle::bsLowered, 8, 6);
    EXPECT_EQ(canvas->at(3, 0), dark);
    EXPECT_EQ(canvas->at(3, 1), light);
    EXPECT_EQ(canvas->Count(fill, 2, 6), 8 * 4);
  }
  {
    auto canvas = paint(TBevelShape::bsRightLine, TBevelStyle::bsRaised, 8, 6);
    EXPECT_EQ(canvas->at(6, 3), light);
    EXPECT_EQ(canvas->at(7, 3), dark);
    EXPECT_EQ(canvas->at(5, 3), fill);
  }
  EXPECT_EQ(paint(TBevelShape::bsSpacer, TBevelStyle::bsRaised, 8, 6)->Count(fill), 8 * 6);
}

TEST(Painting, PicturesStretchedOrAtTheirOwnSize) {
  TComponent owner(nullptr);
  auto* image = TComponent::New<PaintableImage>(owner);
  image->SetPictureData(SolidJpeg(4, 2, 0xFF0000));
  image->SetColor(RGB(0xE6, 0xEF, 0xF8));
  ASSERT_EQ(image->Picture().width, 4);
  ASSERT_EQ(image->Picture().height, 2);
  const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0);
  {
    Canvas canvas(16, 8, white);
    image->Paint(canvas.dc(), canvas.area());
    EXPECT_TRUE(Near(canvas.at(0, 0), red, 8));
    EXPECT_TRUE(Near(canvas.at(3, 1), red, 8));
    EXPECT_EQ(canvas.at(5, 0), RGB(0xE6, 0xEF, 0xF8))
        << "unstretched, the picture keeps its size, on the control's colour";
    EXPECT_EQ(canvas.at(0, 3), RGB(0xE6, 0xEF, 0xF8));
  }
  {
    image->SetStretch(true);
    Canvas canvas(16, 8, white);
    image->Paint(canvas.dc(), canvas.area());
    for (int y : {0, 4, 7}) {
      for (int x : {0, 8, 15}) EXPECT_TRUE(Near(canvas.at(x, y), red, 8)) << x << "," << y;
    }
  }
}

TEST(Painting, ADamagedPictureLeavesTheControlEmpty) {
  TComponent owner(nullptr);
  auto* image = TComponent::New<PaintableImage>(owner);
  image->SetPictureData(SolidJpeg(4, 2, 0x00FF00));
  ASSERT_FALSE(image->Picture().empty());
  PropBytes damaged = SolidJpeg(40, 20, 0x00FF00);
  damaged.resize(damaged.size() / 2);
  EXPECT_THROW(image->SetPictureData(damaged), PropertyError);
  EXPECT_TRUE(image->Picture().empty());
  EXPECT_THROW(image->SetPictureData({}), PropertyError);
  image->SetStretch(true);
  image->SetColor(RGB(7, 7, 7));
  Canvas canvas(4, 4, RGB(9, 9, 9));
  image->Paint(canvas.dc(), canvas.area());
  EXPECT_EQ(canvas.at(0, 0), RGB(7, 7, 7)) << "an empty place shows the control's colour";
}

// ---------------------------------------------------------------------------------------
// Timer

TEST(Timer, TicksThroughTheMessageLoopAndReportsErrors) {
  MessageBoxRecorder boxes;
  TComponent owner(nullptr);
  auto* timer = TComponent::New<TTimer>(owner);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 1000);
  int ticks = 0;
  timer->OnTimer = [&](TComponent& sender) {
    EXPECT_EQ(&sender, timer);
    if (++ticks == 2) throw std::runtime_error("timer failed");
  };
  timer->SetInterval(10);
  // Wait for messages (not for a time) until the timer has ticked twice.
  for (int round = 0; round < 2000 && ticks < 2; ++round) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Application().ProcessMessages();
  }
  timer->SetEnabled(false);
  EXPECT_GE(ticks, 2);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"timer failed");
}

}  // namespace
}  // namespace telvana
