// The window descriptions embedded in the program: every one reads without a problem, and the
// main window's gives the layout, fonts, panels, timer, pictures, player settings and menus
// the window is designed with.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/fwldz1.h"
#include "infowin/fgy1.h"
#include "infowin/fgygg1.h"
#include "infowin/fhelp1.h"
#include "infowin/flxxz1.h"
#include "infowin/fmzsm1.h"
#include "infowin/fsygg1.h"
#include "infowin/fyqgg1.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/hint_window.h"
#include "ui/form_text.h"
#include "ui/resources.h"
#include "web/site_addresses.h"

namespace telvana {
namespace {

using testsupport::MainWindowTest;

// ---------------------------------------------------------------------------------------
// Every embedded description

std::vector<std::wstring> RcDataNames() {
  std::vector<std::wstring> names;
  ::EnumResourceNamesW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(10) /* RT_RCDATA */,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
        if (!IS_INTRESOURCE(name))
          reinterpret_cast<std::vector<std::wstring>*>(list)->emplace_back(name);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&names));
  return names;
}

// A description is text that begins (after blanks and comments) with "object".
std::optional<std::string_view> DescriptionText(const std::wstring& name) {
  const auto data = ui::ProgramResource(name);
  if (!data) return std::nullopt;
  std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
  std::string_view rest = text;
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  for (;;) {
    while (!rest.empty() &&
           (rest[0] == ' ' || rest[0] == '\t' || rest[0] == '\r' || rest[0] == '\n'))
      rest.remove_prefix(1);
    if (rest.substr(0, 2) != "//") break;
    const std::size_t end = rest.find('\n');
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
  }
  if (rest.substr(0, 7) != "object ") return std::nullopt;
  return text;
}

// The forms whose descriptions the program carries, by resource name.
const std::map<std::wstring, std::function<ui::TForm*(ui::TComponent& owner)>>& FormFactories() {
  static const std::map<std::wstring, std::function<ui::TForm*(ui::TComponent&)>> factories{
      {L"FMAIN1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFmain1>(owner); }},
      {L"FGY1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFgy1>(owner); }},
      {L"FMZSM1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFmzsm1>(owner); }},
      {L"FHELP1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFhelp1>(owner); }},
      {L"FLXXZ1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFlxxz1>(owner); }},
      {L"FGYGG1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFgygg1>(owner); }},
      {L"FSYGG1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFsygg1>(owner); }},
      {L"FYQGG1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFyqgg1>(owner); }},
      {L"FWLDZ1",
       [](ui::TComponent& owner) -> ui::TForm* { return ui::TComponent::New<TFwldz1>(owner); }},
  };
  return factories;
}

TEST(StoredDescriptions, EveryOneReadsWithoutProblems) {
  testsupport::MessageBoxRecorder boxes;
  int descriptions = 0;
  for (const std::wstring& name : RcDataNames()) {
    const std::optional<std::string_view> text = DescriptionText(name);
    if (!text) continue;
    SCOPED_TRACE(Utf8FromWide(name));
    ++descriptions;
    EXPECT_NO_THROW(ParseDescription(*text));
    const auto factory = FormFactories().find(name);
    if (factory == FormFactories().end()) {
      ADD_FAILURE() << "no test reads the form of this description";
      continue;
    }
    ui::TComponent owner(nullptr);
    ui::TForm* form = factory->second(owner);
    form->Create();
    EXPECT_TRUE(form->ReadProblems().empty()) << [&] {
      std::string all;
      for (const std::string& problem : form->ReadProblems()) all += "\n  " + problem;
      return all;
    }();
    EXPECT_TRUE(::IsWindow(form->Handle()));
  }
  EXPECT_EQ(descriptions, 9)
      << "the main window, the seven information windows and the address window";
  for (const auto& entry : FormFactories()) {
    EXPECT_TRUE(DescriptionText(entry.first).has_value())
        << Utf8FromWide(entry.first) << " is not embedded";
  }
}

// ---------------------------------------------------------------------------------------
// The main window's description

TEST_F(MainWindowTest, CaptionSizeAndPlace) {
  wchar_t caption[256] = {};
  ::GetWindowTextW(window->Handle(), caption, 256);
  EXPECT_STREQ(caption,
               L"Korvane影视Telvana\u2014\u2014终身免费版   \u2605  精彩影视，想看就看！  \u2605  "
               L"我的娱乐，我做主！ ");
  EXPECT_EQ(window->Caption(), caption);

  RECT r;
  ::GetWindowRect(window->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 756);
  EXPECT_EQ(r.bottom - r.top, 617);
  EXPECT_EQ(window->BorderStyle(), ui::TBorderStyle::bsSizeable);
  EXPECT_TRUE(::GetWindowLongW(window->Handle(), GWL_STYLE) & WS_THICKFRAME);
  EXPECT_FALSE(::GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  // Shown for the first time: centred on the monitor, whatever the stored position.
  window->Show();
  ::GetWindowRect(window->Handle(), &r);
  MONITORINFO monitor{sizeof(monitor)};
  ::GetMonitorInfoW(::MonitorFromWindow(window->Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& m = monitor.rcMonitor;
  EXPECT_EQ(r.right - r.left, 756);
  EXPECT_EQ(r.bottom - r.top, 617);
  EXPECT_NEAR(r.left - m.left, (m.right - m.left - 756) / 2, 1);
  EXPECT_NEAR(r.top - m.top, (m.bottom - m.top - 617) / 2, 1);
  EXPECT_TRUE(::IsWindowVisible(window->Handle()));
  EXPECT_FALSE(::IsIconic(window->Handle()) || ::IsZoomed(window->Handle()))
      << "normal window state";
  window->Hide();

  // A 32 x 32 icon of its own.
  HICON icon = reinterpret_cast<HICON>(::SendMessageW(window->Handle(), WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon, &info));
  BITMAP mask{};
  ::GetObjectW(info.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, ::GetSystemMetrics(SM_CXICON));
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
}

struct Placed {
  const wchar_t* name;
  const wchar_t* parent;  // null: the window
  ui::TAlign align;
  int left, top, width, height;
};

// The layout for a client area of the given size: bands of fixed thickness around the player.
std::vector<Placed> LayoutFor(int w, int h) {
  using ui::TAlign;
  const int middle = h - 25 - 19 - 136;
  return {
      {L"Panel4", nullptr, TAlign::alTop, 0, 0, w, 25},
      {L"WebBrowser1", L"Panel4", TAlign::alTop, 1, 1, w - 2, 23},
      {L"StatusBar1", nullptr, TAlign::alBottom, 0, h - 19, w, 19},
      {L"Panel5", nullptr, TAlign::alBottom, 0, h - 19 - 136, w, 136},
      {L"Image2", L"Panel5", TAlign::alClient, 1, 1, w - 2, 134},
      {L"Panel3", nullptr, TAlign::alLeft, 0, 25, 116, middle},
      {L"Image1", L"Panel3", TAlign::alClient, 1, 1, 114, middle - 2},
      {L"Splitter2", nullptr, TAlign::alLeft, 116, 25, 2, middle},
      {L"Panel2", nullptr, TAlign::alRight, w - 146, 25, 146, middle},
      {L"ListBox1", L"Panel2", TAlign::alClient, 1, 1, 144, middle - 2},
      {L"Splitter1", nullptr, TAlign::alRight, w - 148, 25, 2, middle},
      {L"Panel1", nullptr, TAlign::alClient, 118, 25, w - 148 - 118, middle},
      {L"WindowsMediaPlayer1", L"Panel1", TAlign::alClient, 1, 1, w - 148 - 118 - 2, middle - 2},
  };
}

// The designed layout at the initial client size of 748 x 571.
const Placed kInitialLayout[] = {
    {L"Panel4", nullptr, ui::TAlign::alTop, 0, 0, 748, 25},
    {L"WebBrowser1", L"Panel4", ui::TAlign::alTop, 1, 1, 746, 23},
    {L"StatusBar1", nullptr, ui::TAlign::alBottom, 0, 552, 748, 19},
    {L"Panel5", nullptr, ui::TAlign::alBottom, 0, 416, 748, 136},
    {L"Image2", L"Panel5", ui::TAlign::alClient, 1, 1, 746, 134},
    {L"Panel3", nullptr, ui::TAlign::alLeft, 0, 25, 116, 391},
    {L"Image1", L"Panel3", ui::TAlign::alClient, 1, 1, 114, 389},
    {L"Splitter2", nullptr, ui::TAlign::alLeft, 116, 25, 2, 391},
    {L"Panel2", nullptr, ui::TAlign::alRight, 602, 25, 146, 391},
    {L"ListBox1", L"Panel2", ui::TAlign::alClient, 1, 1, 144, 389},
    {L"Splitter1", nullptr, ui::TAlign::alRight, 600, 25, 2, 391},
    {L"Panel1", nullptr, ui::TAlign::alClient, 118, 25, 482, 391},
    {L"WindowsMediaPlayer1", L"Panel1", ui::TAlign::alClient, 1, 1, 480, 389},
};

void ExpectLayout(TFmain1& window, const std::vector<Placed>& layout) {
  for (const Placed& p : layout) {
    SCOPED_TRACE(Utf8FromWide(p.name));
    auto* control = dynamic_cast<ui::TControl*>(window.FindComponent(p.name));
    ASSERT_NE(control, nullptr);
    ui::TWinControl* parent = p.parent
                                  ? dynamic_cast<ui::TWinControl*>(window.FindComponent(p.parent))
                                  : &static_cast<ui::TWinControl&>(window);
    EXPECT_EQ(control->Parent(), parent);
    EXPECT_EQ(control->Align(), p.align);
    EXPECT_EQ(control->Left(), p.left);
    EXPECT_EQ(control->Top(), p.top);
    EXPECT_EQ(control->Width(), p.width);
    EXPECT_EQ(control->Height(), p.height);
    // The window itself, where there is one, is where the control says.
    auto* win = dynamic_cast<ui::TWinControl*>(control);
    if (!win) continue;
    ASSERT_TRUE(::IsWindow(win->Handle()));
    EXPECT_EQ(::GetParent(win->Handle()), parent->Handle());
    RECT r;
    ::GetWindowRect(win->Handle(), &r);
    ::MapWindowPoints(HWND_DESKTOP, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, p.left);
    EXPECT_EQ(r.top, p.top);
    EXPECT_EQ(r.right - r.left, p.width);
    EXPECT_EQ(r.bottom - r.top, p.height);
  }
}

TEST_F(MainWindowTest, LayoutOfTheBands) {
  // At the client size the window's outer size gives on this system.
  RECT client;
  ::GetClientRect(window->Handle(), &client);
  SCOPED_TRACE("initial client area " + std::to_string(client.right) + " x " +
               std::to_string(client.bottom));
  ExpectLayout(*window, LayoutFor(client.right, client.bottom));

  // At the designed client size, exactly the designed layout.
  window->SetClientSize(748, 571);
  ASSERT_EQ(window->ClientWidth(), 748);
  ASSERT_EQ(window->ClientHeight(), 571);
  ExpectLayout(*window, std::vector<Placed>(std::begin(kInitialLayout), std::end(kInitialLayout)));

  // The alignments are resolved in the designed order.
  std::vector<std::wstring> order;
  for (const ui::TControl* c : window->Controls()) order.push_back(c->Name);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"Panel4", L"StatusBar1", L"Panel5", L"Panel3",
                                              L"Splitter2", L"Panel2", L"Splitter1", L"Panel1"}));
  EXPECT_EQ(Part<ui::TPanel>(L"Panel4").TabOrder(), 3);
  EXPECT_EQ(Part<ui::TPanel>(L"Panel2").TabOrder(), 1);
  // The Tab key visits the channel column before the top strip.
  const HWND first = ::GetWindow(window->Handle(), GW_CHILD);
  EXPECT_EQ(first, Part<ui::TPanel>(L"Panel2").Handle());
  EXPECT_EQ(::GetWindow(first, GW_HWNDNEXT), Part<ui::TPanel>(L"Panel4").Handle());
}

std::wstring FaceOf(HWND window, int* height) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  *height = font.lfHeight;
  return font.lfFaceName;
}

TEST_F(MainWindowTest, FontsAndColours) {
  const ui::TFont& font = window->Font();
  EXPECT_EQ(font.Name, L"宋体");
  EXPECT_EQ(font.Height, -12);
  EXPECT_EQ(font.Charset, DEFAULT_CHARSET);
  EXPECT_EQ(font.Color, ui::clWindowText);
  EXPECT_FALSE(font.Bold || font.Italic || font.Underline || font.StrikeOut);
  EXPECT_EQ(window->Color(), ui::clBtnFace);
  for (const wchar_t* name : {L"StatusBar1", L"Panel1", L"Panel5"}) {
    EXPECT_EQ(Part<ui::TWinControl>(name).Font(), font) << Utf8FromWide(name);
  }
  // The windows use that font, in a face with Chinese where 宋体 is missing.
  const std::wstring face = ui::TextLogFont(font).lfFaceName;
  int height = 0;
  EXPECT_EQ(FaceOf(Bar(), &height), face);
  EXPECT_EQ(height, -12);

  auto& list = Part<ui::TListBox>(L"ListBox1");
  EXPECT_EQ(list.Font().Name, L"宋体");
  EXPECT_EQ(list.Font().Height, -12);
  EXPECT_EQ(list.Font().Color, ui::clNavy);
  EXPECT_EQ(FaceOf(List(), &height), face);
  EXPECT_EQ(height, -12);
  HDC dc = ::CreateCompatibleDC(nullptr);
  ::SendMessageW(::GetParent(List()), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(List()));
  EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0x80)) << "navy rows";
  ::DeleteDC(dc);
  EXPECT_EQ(::SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0), 12);
  EXPECT_TRUE(::GetWindowLongW(List(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "3-D border";
  EXPECT_EQ(list.Hint(), L"双点所选电视频道，即可播放");
  EXPECT_TRUE(list.ShowHint());
  EXPECT_TRUE(list.OnDblClick);
}

TEST_F(MainWindowTest, StatusPanels) {
  auto& bar = Part<ui::TStatusBar>(L"StatusBar1");
  ASSERT_EQ(bar.Panels().size(), 3u);
  EXPECT_EQ(bar.Panels()[0].width, 200);
  EXPECT_EQ(bar.Panels()[1].width, 320);
  EXPECT_EQ(bar.Panels()[2].width, 100);
  EXPECT_EQ(bar.Panels()[0].alignment, ui::TAlignment::taLeftJustify);
  EXPECT_EQ(bar.Panels()[1].alignment, ui::TAlignment::taCenter);
  EXPECT_EQ(bar.Panels()[2].alignment, ui::TAlignment::taLeftJustify);

  std::vector<int> edges(3);
  ASSERT_EQ(::SendMessageW(Bar(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges.data())), 3);
  EXPECT_EQ(edges, (std::vector<int>{200, 520, -1}));
  EXPECT_FALSE(bar.Panels()[2].text.empty()) << "the notice of the last panel";
  EXPECT_EQ(Panel(2), bar.Panels()[2].text);
}

TEST_F(MainWindowTest, ApplicationEventsComponent) {
  EXPECT_NE(dynamic_cast<ui::TApplicationEvents*>(window->FindComponent(L"ApplicationEvents1")),
            nullptr);
}

TEST_F(MainWindowTest, ClockTimer) {
  auto& timer = Part<ui::TTimer>(L"Timer1");
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_TRUE(timer.OnTimer);
}

// The size a JPEG file gives in its frame header.
std::pair<int, int> JpegFrameSize(std::span<const std::uint8_t> jpeg) {
  std::size_t i = 2;
  while (i + 9 < jpeg.size()) {
    if (jpeg[i] != 0xFF) return {0, 0};
    const std::uint8_t marker = jpeg[i + 1];
    const std::size_t length = std::size_t{jpeg[i + 2]} << 8 | jpeg[i + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      return {jpeg[i + 7] << 8 | jpeg[i + 8], jpeg[i + 5] << 8 | jpeg[i + 6]};
    }
    i += 2 + length;
  }
  return {0, 0};
}

// The file a component's property names in the main window's description.
std::u16string FileNamedBy(const DescObject& object, const std::string& component,
                           const std::string& property) {
  if (object.name == component) {
    for (const auto& [name, value] : object.properties) {
      if (name == property && value.kind == DescValue::Kind::File) return value.text;
    }
  }
  for (const DescObject& child : object.children) {
    std::u16string found = FileNamedBy(child, component, property);
    if (!found.empty()) return found;
  }
  return {};
}

TEST_F(MainWindowTest, PicturesAndTheirHints) {
  const std::wstring hint = std::wstring(L"欢迎光临Korvane软件官方销售站") + kSalesSite + L"！";
  const DescObject description = ParseDescription(*DescriptionText(L"FMAIN1"));
  for (const auto& [name, width, height] :
       {std::tuple{"Image1", 114, 389}, std::tuple{"Image2", 746, 134}}) {
    SCOPED_TRACE(name);
    auto& image = Part<ui::TImage>(WideFromUtf8(name).c_str());
    const std::u16string file = FileNamedBy(description, name, "Picture.Data");
    ASSERT_FALSE(file.empty());
    const auto bytes = ui::ProgramResource(ui::ResourceNameForFile(AsWide(file)));
    ASSERT_TRUE(bytes.has_value());
    const auto [fileWidth, fileHeight] = JpegFrameSize(*bytes);
    EXPECT_EQ(image.Picture().width, fileWidth);
    EXPECT_EQ(image.Picture().height, fileHeight);
    EXPECT_EQ(image.Picture().width, width) << "drawn to the size the layout gives it";
    EXPECT_EQ(image.Picture().height, height);
    EXPECT_TRUE(image.Stretch());
    EXPECT_EQ(image.Cursor(), ui::TCursor::crHandPoint);
    EXPECT_EQ(image.Hint(), hint);
    EXPECT_TRUE(image.ShowHint());
    EXPECT_TRUE(image.OnDblClick);
  }
  EXPECT_FALSE(Part<ui::TPanel>(L"Panel3").ShowHint());
  EXPECT_FALSE(Part<ui::TPanel>(L"Panel5").ShowHint());
}

// The text the form's hint window holds for a control: a windowed control is a tool of the form
// named by its window, a control without one a tool of its parent's window named by its address.
std::wstring ToolText(HWND tips, HWND form, const ui::TControl& control) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool{sizeof(tool)};
  if (auto* win = dynamic_cast<const ui::TWinControl*>(&control)) {
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(win->Handle());
  } else {
    tool.hwnd = control.Parent()->Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(&control);
  }
  tool.lpszText = text;
  ::SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST_F(MainWindowTest, HintsAreShownForTheControlsThatAskForThem) {
  const HWND tips = testsupport::HintWindowOf(window->Handle());
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 4);
  for (const wchar_t* name : {L"Image1", L"Image2", L"ListBox1", L"WindowsMediaPlayer1"}) {
    SCOPED_TRACE(Utf8FromWide(name));
    auto& control = Part<ui::TControl>(name);
    EXPECT_EQ(ToolText(tips, window->Handle(), control), control.Hint());
  }
  // A control that stops showing its hint leaves the hint window.
  Part<ui::TImage>(L"Image1").SetShowHint(false);
  EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 3);
  EXPECT_EQ(ToolText(tips, window->Handle(), Part<ui::TImage>(L"Image1")), L"");
}

TEST_F(MainWindowTest, PlayerSplittersAndContextMenu) {
  auto& video = Part<TWindowsMediaPlayer>(L"WindowsMediaPlayer1");
  auto& popup = Part<ui::TPopupMenu>(L"PopupMenu1");
  EXPECT_EQ(video.GetProperty("uiMode").Text(), L"full");
  EXPECT_TRUE(video.GetProperty("stretchToFit").Bool());
  EXPECT_EQ(video.PopupMenu(), &popup);
  EXPECT_EQ(Part<ui::TPanel>(L"Panel1").PopupMenu(), &popup);
  EXPECT_EQ(video.Hint(), L"右击\u201C直播控制条\u201D，可切换屏幕显示模式");
  EXPECT_TRUE(video.ShowHint());
  EXPECT_EQ(video.URL(), u"") << "nothing is played at start-up";
  for (const wchar_t* name : {L"Splitter1", L"Splitter2"}) {
    SCOPED_TRACE(Utf8FromWide(name));
    auto& splitter = Part<ui::TSplitter>(name);
    EXPECT_TRUE(splitter.Beveled());
    EXPECT_FALSE(splitter.AutoSnap());
    EXPECT_TRUE(splitter.OnMoved);
  }
}

TEST_F(MainWindowTest, MenusHoldTheirItemsWithCaptionsAndShortcuts) {
  auto& bar = Part<ui::TMainMenu>(L"MainMenu1");
  EXPECT_EQ(window->Menu(), &bar);
  EXPECT_EQ(::GetMenu(window->Handle()), bar.Handle());
  EXPECT_FALSE(bar.AutoHotkeys());
  EXPECT_FALSE(Part<ui::TPopupMenu>(L"PopupMenu1").AutoHotkeys());

  auto& n4 = Part<ui::TMenuItem>(L"N4");
  auto& n6 = Part<ui::TMenuItem>(L"N6");
  EXPECT_EQ(n4.ParentItem(), &bar.Items());
  EXPECT_EQ(bar.Items().Items().at(0), &n4);
  EXPECT_EQ(n4.Caption(), L"精选频道");
  EXPECT_EQ(n6.ParentItem(), &n4);
  EXPECT_EQ(n4.Items().at(0), &n6);
  EXPECT_EQ(n6.Caption(), L"影视频道");
  EXPECT_EQ(n6.ShortCut(), VK_F2);
  EXPECT_TRUE(n6.OnClick);

  wchar_t text[64] = {};
  ::GetMenuStringW(bar.Handle(), 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"精选频道");
  ::GetMenuStringW(::GetSubMenu(bar.Handle(), 0), 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"影视频道\tF2");
  EXPECT_EQ(::GetMenuItemID(::GetSubMenu(bar.Handle(), 0), 0), n6.Command());
}

}  // namespace
}  // namespace telvana
