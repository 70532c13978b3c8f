// The controls of dialogs and information windows: push and bitmap buttons (the cancel
// button pressed by Escape, modal results), labels, read-only memos and group boxes, and
// modal showing. Driven in real windows; painting checked on small bitmaps.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/canvas.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/solid_jpeg.h"
#include "tests/support/test_form.h"
#include "tests/support/ui_test_environment.h"
#include "ui/buttons.h"
#include "ui/group_box.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using namespace ui;
using testsupport::Canvas;
using testsupport::MessageBoxRecorder;
using testsupport::TTestForm;

template <class T>
T& Part(const TComponent& form, const wchar_t* name) {
  auto* part = dynamic_cast<T*>(form.FindComponent(name));
  if (!part) throw std::runtime_error("the form has no part of that name and class");
  return *part;
}

// A form read from `text`, with handlers that count their calls by name.
struct DialogForm : TTestForm {
  std::vector<std::string> calls;
  explicit DialogForm(std::initializer_list<const char*> handlers) {
    for (const char* name : handlers) {
      RegisterHandler(
          name, EventHandler{NotifyEvent([this, name](TComponent&) { calls.push_back(name); })});
    }
  }
};

std::unique_ptr<DialogForm> ReadForm(std::initializer_list<const char*> handlers,
                                     std::string_view text) {
  auto form = std::make_unique<DialogForm>(handlers);
  const std::vector<std::string> problems = form->Read(text);
  EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front());
  return form;
}

constexpr char kButtons[] = R"(
object Form1: TTestForm
  ClientWidth = 300
  ClientHeight = 200
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 100
    object CloseButton: TBitBtn
      Left = 10
      Top = 10
      Width = 75
      Height = 22
      Caption = 'Close'
      Cancel = True
      Kind = bkOK
      OnClick = CloseClick
    end
  end
  object OkButton: TButton
    Left = 10
    Top = 120
    Caption = 'OK'
    ModalResult = 1
    OnClick = OkClick
  end
  object OtherButton: TButton
    Left = 100
    Top = 120
    Caption = 'Other'
    OnClick = OtherClick
  end
end
)";

// Presses a button as its parent hears of it.
void Press(TWinControl& button) {
  ::SendMessageW(::GetParent(button.Handle()), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(button.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button.Handle()));
}

void PostKey(HWND window, WPARAM key) {
  ::PostMessageW(window, WM_KEYDOWN, key, 1);
  Application().ProcessMessages();
}

// ---------------------------------------------------------------------------------------
// Buttons

TEST(Buttons, APressRunsTheHandlerAndGivesTheFormItsModalResult) {
  auto form = ReadForm({"CloseClick", "OkClick", "OtherClick"}, kButtons);
  auto& ok = Part<TButton>(*form, L"OkButton");
  EXPECT_EQ(ok.ModalResult(), mrOk);
  EXPECT_EQ(ok.Width(), 75) << "a button's designed size is 75 x 25";
  EXPECT_EQ(ok.Height(), 25);
  Press(ok);
  EXPECT_EQ(form->calls, (std::vector<std::string>{"OkClick"}));
  EXPECT_EQ(form->ModalResult(), mrOk);

  form->SetModalResult(mrNone);
  Press(Part<TButton>(*form, L"OtherButton"));
  EXPECT_EQ(form->ModalResult(), mrNone)
      << "a button without a modal result leaves the form's alone";

  // A press with the mouse, on the bitmap button inside the panel.
  auto& close = Part<TBitBtn>(*form, L"CloseButton");
  form->calls.clear();
  ::SendMessageW(close.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(close.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form->calls, (std::vector<std::string>{"CloseClick"}));
  // A quick second press counts as a press too.
  ::SendMessageW(close.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(close.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form->calls, (std::vector<std::string>{"CloseClick", "CloseClick"}));
}

TEST(Buttons, EscapePressesTheCancelButtonWhileItCanBePressed) {
  auto form = ReadForm({"CloseClick", "OkClick", "OtherClick"}, kButtons);
  auto& close = Part<TBitBtn>(*form, L"CloseButton");
  ASSERT_TRUE(close.Cancel());
  EXPECT_FALSE(Part<TButton>(*form, L"OkButton").Cancel());

  PostKey(form->Handle(), VK_ESCAPE);
  EXPECT_EQ(form->calls, (std::vector<std::string>{"CloseClick"}));
  // Wherever the key goes inside the form.
  PostKey(Part<TButton>(*form, L"OtherButton").Handle(), VK_ESCAPE);
  EXPECT_EQ(form->calls.size(), 2u);
  // Other keys are not the cancel button's.
  PostKey(form->Handle(), VK_RETURN);
  PostKey(form->Handle(), 'A');
  EXPECT_EQ(form->calls.size(), 2u);

  close.SetEnabled(false);
  PostKey(form->Handle(), VK_ESCAPE);
  EXPECT_EQ(form->calls.size(), 2u) << "a disabled cancel button is not pressed";
  close.SetEnabled(true);
  Part<TPanel>(*form, L"Panel1").SetVisible(false);
  PostKey(form->Handle(), VK_ESCAPE);
  EXPECT_EQ(form->calls.size(), 2u) << "nor one inside a hidden panel";
  Part<TPanel>(*form, L"Panel1").SetVisible(true);
  close.SetCancel(false);
  PostKey(form->Handle(), VK_ESCAPE);
  EXPECT_EQ(form->calls.size(), 2u) << "nor a button that is not the cancel button";
}

TEST(Buttons, AnErrorInTheCancelButtonsHandlerEndsInTheErrorReport) {
  auto form =
      std::make_unique<DialogForm>(std::initializer_list<const char*>{"OkClick", "OtherClick"});
  form->RegisterHandler("CloseClick", EventHandler{NotifyEvent([](TComponent&) {
                          throw std::runtime_error("the handler failed");
                        })});
  ASSERT_TRUE(form->Read(kButtons).empty());
  MessageBoxRecorder boxes;
  PostKey(form->Handle(), VK_ESCAPE);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"the handler failed");
  EXPECT_EQ(boxes.boxes[0].style, UINT{MB_ICONSTOP | MB_OK});
}

TEST(Buttons, EnabledComesFromTheDescriptionAndReachesTheWindow) {
  auto form = ReadForm({}, R"(
object Form1: TTestForm
  object Button1: TButton
    Caption = 'x'
    Enabled = False
  end
end
)");
  auto& button = Part<TButton>(*form, L"Button1");
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(::IsWindowEnabled(button.Handle()));
  button.SetEnabled(true);
  EXPECT_TRUE(::IsWindowEnabled(button.Handle()));
  EXPECT_TRUE(button.GetProperty("Enabled").Bool());
}

// ---------------------------------------------------------------------------------------
// Modal showing

TEST(ModalForms, EscapeAndTheCloseBoxEndTheShowingWithCancelAndHideTheForm) {
  auto form =
      std::make_unique<DialogForm>(std::initializer_list<const char*>{"OkClick", "OtherClick"});
  form->RegisterHandler("CloseClick",
                        EventHandler{NotifyEvent([&](TComponent&) { form->Close(); })});
  ASSERT_TRUE(form->Read(kButtons).empty());
  const HWND window = form->Handle();

  ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_FALSE(::IsWindowVisible(window));
  EXPECT_EQ(form->ModalResult(), mrNone);

  // The same form again, closed from its caption's close box.
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(form->Handle(), window);
  EXPECT_FALSE(::IsWindowVisible(window));

  // A button with a modal result ends the showing with it.
  auto& ok = Part<TButton>(*form, L"OkButton");
  ::PostMessageW(::GetParent(ok.Handle()), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(ok.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok.Handle()));
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->calls, (std::vector<std::string>{"OkClick"}));
}

TEST(ModalForms, WithoutAShownMainFormAFormCentredOnItIsCentredOnTheScreen) {
  auto form = std::make_unique<TTestForm>();
  form->SetPosition(TPosition::poMainFormCenter);
  form->SetBorderStyle(TBorderStyle::bsToolWindow);
  form->SetClientSize(300, 200);
  form->CreateHandle();
  EXPECT_TRUE(::GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(::GetWindowLongW(form->Handle(), GWL_STYLE) &
               (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  ::PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  form->ShowModal();
  RECT r;
  ::GetWindowRect(form->Handle(), &r);
  MONITORINFO monitor{sizeof(monitor)};
  ::GetMonitorInfoW(::MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

// Whether `above` comes before `below` in the z-order of top-level windows.
bool Above(HWND above, HWND below) {
  for (HWND w = ::GetWindow(above, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (w == below) return true;
  }
  return false;
}

TEST(ModalForms, AShownFormComesInFrontOfTheOthers) {
  TTestForm first, second;
  first.CreateHandle();
  second.CreateHandle();
  second.Show();
  first.Show();
  EXPECT_TRUE(Above(first.Handle(), second.Handle()));
  second.Show();
  EXPECT_TRUE(Above(second.Handle(), first.Handle())) << "shown again, it comes in front again";
  first.Hide();
  second.Hide();
}

// ---------------------------------------------------------------------------------------
// Painting, checked on small bitmaps

// The painting routines are protected: these subclasses lend them to the tests.
struct PaintableLabel : TLabel {
  using TLabel::Paint;
  using TLabel::TLabel;
};
struct PaintableMemo : TMemo {
  using TMemo::Paint;
  using TMemo::TMemo;
};
struct PaintableGroupBox : TGroupBox {
  using TGroupBox::Paint;
  using TGroupBox::TGroupBox;
};
struct PaintableBitBtn : TBitBtn {
  using TBitBtn::DrawItem;
  using TBitBtn::TBitBtn;
};

constexpr COLORREF kBack = RGB(1, 2, 3);

int TextHeightOf(const TFont& font) {
  const win::Font handle = font.Create();
  win::WindowDc screen(nullptr);
  win::SelectObjectScope select(screen.get(), handle.get());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

TEST(Painting, BitmapButtonGlyphs) {
  const COLORREF tickEdge = RGB(0x17, 0x69, 0x1A), tickFill = RGB(0x3D, 0xBA, 0x3D);
  const COLORREF crossEdge = RGB(0x8E, 0x10, 0x10), crossFill = RGB(0xE2, 0x3A, 0x3A);
  {
    Canvas canvas(20, 20, kBack);
    TBitBtn::DrawGlyph(canvas.dc(), TBitBtnKind::bkOK, 2, 2, true);
    EXPECT_EQ(canvas.at(2 + 13, 2 + 2), tickEdge) << "the tip of the tick";
    EXPECT_EQ(canvas.at(2 + 13, 2 + 3), tickFill);
    EXPECT_EQ(canvas.at(2 + 5, 2 + 12), tickEdge) << "its foot";
    EXPECT_EQ(canvas.at(2 + 0, 2 + 0), kBack) << "the corner stays the button's";
    EXPECT_EQ(canvas.Count(tickFill), 24);
  }
  {
    Canvas canvas(16, 16, kBack);
    TBitBtn::DrawGlyph(canvas.dc(), TBitBtnKind::bkCancel, 0, 0, true);
    EXPECT_EQ(canvas.at(7, 7), crossFill) << "the middle of the cross";
    EXPECT_EQ(canvas.at(3, 3), crossEdge);
    EXPECT_EQ(canvas.at(7, 2), kBack);
  }
  {
    Canvas canvas(16, 16, kBack);
    TBitBtn::DrawGlyph(canvas.dc(), TBitBtnKind::bkOK, 0, 0, false);
    EXPECT_EQ(canvas.Count(tickFill) + canvas.Count(tickEdge), 0) << "a disabled glyph is grey";
    EXPECT_EQ(canvas.at(13, 3), ::GetSysColor(COLOR_GRAYTEXT));
    Canvas none(16, 16, kBack);
    TBitBtn::DrawGlyph(none.dc(), TBitBtnKind::bkCustom, 0, 0, true);
    EXPECT_EQ(none.Count(kBack), 16 * 16);
  }
}

TEST(Painting, BitmapButtonsPlaceTheGlyphBesideOrAboveTheCaption) {
  TComponent owner(nullptr);
  auto* button = TComponent::New<PaintableBitBtn>(owner);
  button->SetCaption(L"GOOD");
  button->SetKind(TBitBtnKind::bkOK);
  const COLORREF tick = RGB(0x3D, 0xBA, 0x3D);
  const auto draw = [&](Canvas& canvas) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hDC = canvas.dc();
    item.rcItem = canvas.area();
    button->DrawItem(item);
  };
  {
    Canvas canvas(75, 41, kBack);
    button->SetLayout(TButtonLayout::blGlyphTop);
    draw(canvas);
    EXPECT_EQ(canvas.at(37, 20), ::GetSysColor(COLOR_BTNFACE)) << "the face of a push button";
    EXPECT_GT(canvas.Count(tick, 0, 20), 0) << "the glyph in the upper half";
    EXPECT_EQ(canvas.Count(tick, 20, 41), 0);
  }
  {
    Canvas canvas(75, 22, kBack);
    button->SetLayout(TButtonLayout::blGlyphLeft);
    draw(canvas);
    int leftmost = 75;
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < 75; ++x)
        if (canvas.at(x, y) == tick) leftmost = std::min(leftmost, x);
    EXPECT_LT(leftmost, 30) << "the glyph left of the caption";
    EXPECT_GT(leftmost, 4);
  }
}

TEST(Painting, LabelsDrawTheirCaptionOnTheirParentsColourOneLineOrWrapped) {
  TComponent owner(nullptr);
  auto* parent = TComponent::New<TPanel>(owner);
  parent->SetColor(RGB(0xF0, 0xE0, 0xD0));
  auto* label = TComponent::New<PaintableLabel>(owner);
  label->SetParent(parent);
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(label->Color(), parent->Color()) << "a label takes its parent's colour";
  TFont font = label->Font();
  font.Color = RGB(0x80, 0, 0x80);
  label->SetFont(font);
  label->SetCaption(L"广告图片大小广告图片大小");
  const int line = TextHeightOf(label->Font());
  const COLORREF face = RGB(0xF0, 0xE0, 0xD0);
  {
    Canvas canvas(60, 3 * line, kBack);
    label->Paint(canvas.dc(), canvas.area());
    EXPECT_EQ(canvas.at(59, 3 * line - 1), face) << "on the parent's colour";
    EXPECT_GT(canvas.Count(RGB(0x80, 0, 0x80), 0, line), 0)
        << "the first line in the font's colour";
    EXPECT_EQ(canvas.CountOther(face, line, 3 * line), 0) << "no second line unless wrapped";
  }
  {
    label->SetWordWrap(true);
    Canvas canvas(60, 3 * line, kBack);
    label->Paint(canvas.dc(), canvas.area());
    EXPECT_GT(canvas.CountOther(face, line, 2 * line), 0) << "wrapped to a second line";
  }
  {
    label->SetWordWrap(false);
    label->SetCaption(L"一二三\r\n四五六");
    Canvas canvas(60, 3 * line, kBack);
    label->Paint(canvas.dc(), canvas.area());
    EXPECT_GT(canvas.CountOther(face, line, 2 * line), 0) << "line breaks are kept";
    EXPECT_EQ(canvas.CountOther(face, 2 * line, 3 * line), 0);
  }
  // A colour of its own ends ParentColor; a transparent label leaves what lies beneath it.
  label->SetColor(RGB(9, 9, 9));
  EXPECT_FALSE(label->ParentColor());
  parent->SetColor(RGB(0xF0, 0xE0, 0xD1));
  EXPECT_EQ(label->Color(), RGB(9, 9, 9));
  {
    Canvas canvas(60, 40, kBack);
    label->Paint(canvas.dc(), canvas.area());
    EXPECT_EQ(canvas.at(59, 39), RGB(9, 9, 9));
  }
  label->SetTransparent(true);
  Canvas canvas(60, 40, kBack);
  label->Paint(canvas.dc(), canvas.area());
  EXPECT_EQ(canvas.at(59, 39), kBack);
  EXPECT_GT(canvas.CountOther(kBack, 0, line), 0) << "the text all the same";
}

constexpr char kMemo[] = R"(
object Form1: TTestForm
  object Memo1: TMemo
    Width = 120
    Height = 60
    Color = clGray
    Ctl3D = False
    Enabled = False
    Font.Color = clWhite
    ReadOnly = True
    Lines.Strings = (
      '●第一条'
      '●第二条')
  end
end
)";

TEST(Memos, ShowTheirLinesInTheirColoursEvenWhenDisabled) {
  auto form = ReadForm({}, kMemo);
  auto& memo = Part<TMemo>(*form, L"Memo1");
  EXPECT_EQ(memo.Lines(), (std::vector<std::wstring>{L"●第一条", L"●第二条"}));
  EXPECT_EQ(memo.Text(), L"●第一条\r\n●第二条");
  EXPECT_TRUE(memo.ReadOnly());
  EXPECT_FALSE(::IsWindowEnabled(memo.Handle()));
  EXPECT_TRUE(::GetWindowLongW(memo.Handle(), GWL_STYLE) & WS_BORDER) << "a flat border";
  EXPECT_FALSE(::GetWindowLongW(memo.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  TComponent owner(nullptr);
  auto* paintable = TComponent::New<PaintableMemo>(owner);
  paintable->SetColor(RGB(0x80, 0x80, 0x80));
  TFont font = paintable->Font();
  font.Color = RGB(0xFF, 0xFF, 0xFF);
  paintable->SetFont(font);
  paintable->SetLines(memo.Lines());
  Canvas canvas(120, 40, RGB(0x80, 0x80, 0x80));
  paintable->Paint(canvas.dc(), canvas.area());
  EXPECT_GT(canvas.Count(RGB(0xFF, 0xFF, 0xFF), 0, 14), 0) << "the first line in white";
  EXPECT_GT(canvas.Count(RGB(0xFF, 0xFF, 0xFF), 14, 40), 0) << "the second line below it";

  // A memo that would take input is not one of ours.
  auto faulty = std::make_unique<TTestForm>();
  const auto problems = faulty->Read(R"(
object Form1: TTestForm
  object Memo1: TMemo
    ReadOnly = False
  end
end
)");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("ReadOnly"), std::string::npos);
}

constexpr char kGroupBox[] = R"(
object Form1: TTestForm
  ClientWidth = 300
  ClientHeight = 200
  Color = $F0FBFF
  object GroupBox1: TGroupBox
    Left = 10
    Top = 10
    Width = 200
    Height = 120
    Caption = 'Box'
    OnDblClick = BoxDblClick
    object Image1: TImage
      Align = alClient
    end
  end
end
)";

TEST(GroupBoxes, HoldTheirControlsInsideTheFrameAndReactOnIt) {
  auto form = ReadForm({"BoxDblClick"}, kGroupBox);
  auto& box = Part<TGroupBox>(*form, L"GroupBox1");
  auto& image = Part<TImage>(*form, L"Image1");
  EXPECT_EQ(box.Color(), TColor{0xF0FBFF}) << "the form's colour";
  const int caption = TextHeightOf(box.Font());
  EXPECT_EQ(image.Left(), 2);
  EXPECT_EQ(image.Top(), caption + 2);
  EXPECT_EQ(image.Width(), 200 - 4);
  EXPECT_EQ(image.Height(), 120 - caption - 4);

  // The mouse finds the frame at its edges and the picture inside.
  EXPECT_EQ(box.GraphicControlAt({1, 60}), nullptr);
  EXPECT_EQ(box.GraphicControlAt({100, 3}), nullptr);
  EXPECT_EQ(box.GraphicControlAt({100, 60}), &image);
  ::SendMessageW(box.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 60));
  EXPECT_TRUE(form->calls.empty())
      << "the picture has no handler, and the frame does not hear of it";
  ::SendMessageW(box.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 60));
  EXPECT_EQ(form->calls, (std::vector<std::string>{"BoxDblClick"}));
}

TEST(Painting, GroupBoxFrameAndCaption) {
  TComponent owner(nullptr);
  auto* box = TComponent::New<PaintableGroupBox>(owner);
  box->SetColor(RGB(0xF0, 0xFB, 0xFF));
  box->SetCaption(L"广告连接1");
  const int caption = TextHeightOf(box->Font());
  Canvas canvas(120, 60, RGB(0xF0, 0xFB, 0xFF));
  box->Paint(canvas.dc(), canvas.area());
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(canvas.at(0, 40), shadow) << "the etched frame: a dark line";
  EXPECT_EQ(canvas.at(1, 40), light) << "and a light one inside it";
  EXPECT_EQ(canvas.at(119, 40), light);
  EXPECT_EQ(canvas.at(100, caption / 2), shadow) << "the top edge through the caption's middle";
  EXPECT_EQ(canvas.at(5, caption / 2), shadow);
  EXPECT_EQ(canvas.at(9, caption / 2), RGB(0xF0, 0xFB, 0xFF)) << "cut where the caption stands";
  EXPECT_GT(canvas.Count(::GetSysColor(COLOR_WINDOWTEXT), 0, caption), 0) << "the caption's text";
  EXPECT_EQ(canvas.at(60, 30), RGB(0xF0, 0xFB, 0xFF));
}

}  // namespace
}  // namespace telvana
