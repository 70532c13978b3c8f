// The seven information windows as the program has them: created hidden after the main
// window in their order, their frames, fonts, colours and close controls, and their showing
// by the menu commands (modal, centred on the main window, closed by Escape or the close
// box, hidden and reused).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/infowin/program_windows.h"
#include "ui/buttons.h"
#include "ui/graphic_control.h"

namespace telvana {
namespace {

using testsupport::InfoWindow;
using testsupport::InfoWindows;
using testsupport::PartOf;
using testsupport::Program;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST(InformationWindows, OnlyTheirWindowedControlsHaveWindows) {
  for (const InfoWindow& w : InfoWindows()) {
    SCOPED_TRACE(w.label);
    const ui::TForm& form = *w.form();
    int windowed = 0, graphic = 0;
    for (const auto& component : form.Components()) {
      windowed += dynamic_cast<const ui::TWinControl*>(component.get()) != nullptr;
      graphic += dynamic_cast<const ui::TGraphicControl*>(component.get()) != nullptr;
    }
    EXPECT_GT(graphic, 0);
    int windows = 0;
    ::EnumChildWindows(form.Handle(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, windowed) << "labels, pictures and bevels are painted by their parents";
  }
}

TEST(InformationWindows, AreCreatedHiddenAfterTheMainWindowInTheirOrder) {
  Program();
  const std::vector<ui::TForm*>& forms = ui::Application().Forms();
  std::vector<std::string> classes;
  for (const ui::TForm* form : forms) classes.emplace_back(form->Class().name);
  EXPECT_EQ(classes, (std::vector<std::string>{"TFmain1", "TFgy1", "TFmzsm1", "TFhelp1", "TFlxxz1",
                                               "TFgygg1", "TFsygg1", "TFyqgg1"}));
  EXPECT_EQ(ui::Application().MainForm(), Program().main);
  EXPECT_TRUE(::IsWindowVisible(Program().main->Handle()));
  for (std::size_t i = 1; i < forms.size(); ++i) {
    SCOPED_TRACE(forms[i]->Class().name);
    EXPECT_TRUE(::IsWindow(forms[i]->Handle()));
    EXPECT_FALSE(::IsWindowVisible(forms[i]->Handle()));
    EXPECT_TRUE(forms[i]->ReadProblems().empty()) << forms[i]->ReadProblems().front();
    EXPECT_EQ(::GetWindow(forms[i]->Handle(), GW_OWNER), ui::Application().Handle());
  }
  const InformationWindows& w = Program().information;
  EXPECT_EQ(forms[1], static_cast<ui::TForm*>(w.about));
  EXPECT_EQ(forms[2], static_cast<ui::TForm*>(w.disclaimer));
  EXPECT_EQ(forms[3], static_cast<ui::TForm*>(w.help));
  EXPECT_EQ(forms[4], static_cast<ui::TForm*>(w.contact));
  EXPECT_EQ(forms[5], static_cast<ui::TForm*>(w.publicService));
  EXPECT_EQ(forms[6], static_cast<ui::TForm*>(w.commercial));
  EXPECT_EQ(forms[7], static_cast<ui::TForm*>(w.friendship));
}

struct Frame {
  const char* label;
  const wchar_t* caption;
  int width, height;
  ui::TColor color;
};

const Frame kFrames[] = {
    {"help", L"影视直播帮助", 857, 638, 0xF0FBFF},
    {"disclaimer", L"Korvane软件免责申明", 497, 584, ui::clBtnFace},
    {"about", L"KorvaneTelvana版本信息", 497, 587, ui::clBtnFace},
    {"contact", L"联系Korvane软件", 501, 570, ui::clBtnFace},
    {"commercial", L"Korvane商业广告区", 786, 564, ui::clBtnFace},
    {"public service", L"Korvane公益广告区\u2014新年篇", 583, 441, ui::clBtnFace},
    {"friendship", L"Korvane友情广告区", 786, 521, ui::clBtnFace},
};

ui::TForm& FormOf(const char* label) {
  for (const InfoWindow& w : InfoWindows()) {
    if (std::string(w.label) == label) return *w.form();
  }
  throw std::runtime_error("no such window");
}

TEST(InformationWindows, ToolWindowFramesCaptionsSizesFontsAndColours) {
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(f.label);
    ui::TForm& form = FormOf(f.label);
    wchar_t caption[128] = {};
    ::GetWindowTextW(form.Handle(), caption, 128);
    EXPECT_EQ(std::wstring(caption), f.caption);
    EXPECT_EQ(form.ClientWidth(), f.width);
    EXPECT_EQ(form.ClientHeight(), f.height);
    const LONG style = ::GetWindowLongW(form.Handle(), GWL_STYLE);
    const LONG exStyle = ::GetWindowLongW(form.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "a small caption";
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU) << "with a close box";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << "of a fixed size";
    EXPECT_EQ(form.BorderStyle(), ui::TBorderStyle::bsToolWindow);
    EXPECT_EQ(form.Position(), ui::TPosition::poMainFormCenter);
    EXPECT_EQ(form.Font().Name, L"宋体");
    EXPECT_EQ(form.Font().Height, -12);
    EXPECT_EQ(form.Color(), f.color);
    EXPECT_EQ(::GetMenu(form.Handle()), nullptr);
  }
}

struct CloseControl {
  const char* label;
  const wchar_t* name;
  bool bitmap;
  const wchar_t* caption;
  int width, height;
};

const CloseControl kCloseControls[] = {
    {"help", L"BitBtn1", true, L"掌握拉", 75, 25},
    {"disclaimer", L"BitBtn1", true, L"知道拉", 75, 22},
    {"about", L"Button1", false, L"好极了", 75, 22},
    {"contact", L"BitBtn1", true, L"知道拉", 75, 22},
    {"commercial", L"BitBtn1", true, L"GOOD", 75, 41},
    {"public service", L"BitBtn1", true, L"GOOD", 75, 41},
    {"friendship", L"BitBtn1", true, L"GOOD", 75, 41},
};

TEST(InformationWindows, EachHasOneCancelButtonThatCloses) {
  for (const CloseControl& c : kCloseControls) {
    SCOPED_TRACE(c.label);
    ui::TForm& form = FormOf(c.label);
    auto& button = PartOf<ui::TButton>(form, c.name);
    EXPECT_EQ(dynamic_cast<ui::TBitBtn*>(&button) != nullptr, c.bitmap);
    EXPECT_EQ(button.Caption(), c.caption);
    EXPECT_EQ(button.Width(), c.width);
    EXPECT_EQ(button.Height(), c.height);
    EXPECT_TRUE(button.Cancel());
    EXPECT_EQ(button.Cursor(), ui::TCursor::crHandPoint);
    EXPECT_TRUE(button.OnClick);
    EXPECT_TRUE(::GetWindowLongW(button.Handle(), GWL_STYLE) & WS_VISIBLE)
        << "shown with its window";
    int cancels = 0;
    for (const auto& component : form.Components()) {
      if (auto* b = dynamic_cast<ui::TButton*>(component.get()); b && b->Cancel()) ++cancels;
    }
    EXPECT_EQ(cancels, 1);
  }
  // The version window's button stands where it was designed.
  auto& okay = PartOf<ui::TButton>(FormOf("about"), L"Button1");
  EXPECT_EQ(okay.Left(), 408);
  EXPECT_EQ(okay.Top(), 192);
  // The New Year page's second button leads on, and is no close control.
  auto& more = PartOf<ui::TBitBtn>(FormOf("public service"), L"BitBtn2");
  EXPECT_EQ(more.Caption(), L"详情进入");
  EXPECT_EQ(more.Width(), 75);
  EXPECT_EQ(more.Height(), 22);
  EXPECT_FALSE(more.Cancel());
  EXPECT_EQ(more.Cursor(), ui::TCursor::crDefault);
}

// What a window looked like while it was shown, seen from its OnShow.
struct Showing {
  int count = 0;
  bool visible = false;
  bool inFront = false;  // of the main window
  bool mainEnabled = true;
  RECT rect{};
};

// Ends a modal showing that a test could not end, so that a failure does not hang the run.
struct Backstop {
  static inline HWND window = nullptr;
  static inline bool fired = false;
  UINT_PTR timer;
  explicit Backstop(HWND w) {
    window = w;
    fired = false;
    timer = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
      fired = true;
      ::PostMessageW(window, WM_CLOSE, 0, 0);
    });
  }
  ~Backstop() { ::KillTimer(nullptr, timer); }
};

// Chooses `item` with `closing` already posted to the window, so that the modal showing
// the command starts ends by it; returns how the window looked meanwhile.
Showing ShowByMenu(const InfoWindow& w, UINT closing, WPARAM wParam) {
  ui::TForm& form = *w.form();
  Showing showing;
  form.OnShow = [&](ui::TComponent&) {
    ++showing.count;
    showing.visible = ::IsWindowVisible(form.Handle());
    for (HWND w = ::GetWindow(form.Handle(), GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
      if (w == Program().main->Handle()) showing.inFront = true;
    }
    showing.mainEnabled = ::IsWindowEnabled(Program().main->Handle());
    ::GetWindowRect(form.Handle(), &showing.rect);
  };
  ::PostMessageW(form.Handle(), closing, wParam, 1);
  {
    Backstop backstop(form.Handle());
    testsupport::ChooseOnMain(w.item);
    EXPECT_FALSE(Backstop::fired) << "the window did not close by itself";
  }
  form.OnShow = nullptr;
  return showing;
}

TEST(InformationWindows, MenuCommandsShowThemModallyCentredAndEscapeClosesThem) {
  TFmain1& main = *Program().main;
  RECT mainRect;
  ::GetWindowRect(main.Handle(), &mainRect);
  for (const InfoWindow& w : InfoWindows()) {
    SCOPED_TRACE(w.label);
    ui::TForm& form = *w.form();
    const HWND handle = form.Handle();
    const Showing showing = ShowByMenu(w, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(showing.count, 1);
    EXPECT_TRUE(showing.visible);
    EXPECT_TRUE(showing.inFront) << "in front of the main window";
    EXPECT_FALSE(showing.mainEnabled) << "the main window waits while it is up";
    EXPECT_NEAR((showing.rect.left + showing.rect.right) / 2, (mainRect.left + mainRect.right) / 2,
                1);
    EXPECT_NEAR((showing.rect.top + showing.rect.bottom) / 2, (mainRect.top + mainRect.bottom) / 2,
                1);
    // The command has returned: the window is hidden, kept, and the main window usable.
    EXPECT_FALSE(::IsWindowVisible(handle));
    EXPECT_EQ(form.Handle(), handle);
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(ui::Application().Terminated());
  }
}

TEST(InformationWindows, TheCloseBoxClosesThemTooAndTheyFollowTheMainWindow) {
  TFmain1& main = *Program().main;
  RECT original;
  ::GetWindowRect(main.Handle(), &original);
  ::SetWindowPos(main.Handle(), nullptr, original.left - 40, original.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT moved;
  ::GetWindowRect(main.Handle(), &moved);
  for (const InfoWindow& w : InfoWindows()) {
    SCOPED_TRACE(w.label);
    const Showing showing = ShowByMenu(w, WM_CLOSE, 0);
    EXPECT_EQ(showing.count, 1);
    EXPECT_NEAR((showing.rect.left + showing.rect.right) / 2, (moved.left + moved.right) / 2, 1)
        << "centred on the main window where it is now";
    EXPECT_NEAR((showing.rect.top + showing.rect.bottom) / 2, (moved.top + moved.bottom) / 2, 1);
    EXPECT_FALSE(::IsWindowVisible(w.form()->Handle()));
  }
  ::SetWindowPos(main.Handle(), nullptr, original.left, original.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(InformationWindows, TheCloseControlItselfEndsTheShowing) {
  for (const CloseControl& c : kCloseControls) {
    SCOPED_TRACE(c.label);
    for (const InfoWindow& w : InfoWindows()) {
      if (std::string(w.label) != c.label) continue;
      auto& button = PartOf<ui::TButton>(*w.form(), c.name);
      // A press as the button reports it to its parent, waiting in the queue.
      ::PostMessageW(::GetParent(button.Handle()), WM_COMMAND,
                     MAKEWPARAM(::GetDlgCtrlID(button.Handle()), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button.Handle()));
      Backstop backstop(w.form()->Handle());
      testsupport::ChooseOnMain(w.item);
      EXPECT_FALSE(Backstop::fired);
      EXPECT_FALSE(::IsWindowVisible(w.form()->Handle()));
    }
  }
}

}  // namespace
}  // namespace telvana
