// Every text of every window of the program can be drawn in the font it is drawn in: the
// face the font maps to has a glyph for each character, or, for what the system draws in its
// own fonts (captions, menu bar), the system draws each character as more than the box it
// draws for a character no font has. Run under both code pages (936 and 1252).
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/app/main_window_fixture.h"
#include "tests/infowin/program_windows.h"
#include "tests/support/canvas.h"
#include "tests/support/glyphs.h"
#include "ui/menus.h"
#include "ui/std_controls.h"
#include "ui/text_controls.h"

namespace telvana {
namespace {

using testsupport::Canvas;
using testsupport::InfoWindows;
using testsupport::ListRows;
using testsupport::MappedFace;
using testsupport::MissingGlyphs;
using testsupport::Program;
using testsupport::StatusPanelText;

std::vector<ui::TForm*> ProgramForms() {
  std::vector<ui::TForm*> forms{Program().main};
  for (const auto& info : InfoWindows()) forms.push_back(info.form());
  return forms;
}

void ForEachPart(const ui::TComponent& owner, const std::function<void(ui::TComponent&)>& f) {
  for (const auto& part : owner.Components()) {
    f(*part);
    ForEachPart(*part, f);
  }
}

// The texts a control shows in its own font.
std::wstring ShownText(ui::TWinControl& control) {
  std::wstring text = control.Caption();
  if (auto* list = dynamic_cast<ui::TListBox*>(&control)) {
    for (const std::wstring& row : ListRows(list->Handle())) text += row;
  } else if (auto* bar = dynamic_cast<ui::TStatusBar*>(&control)) {
    for (std::size_t i = 0; i < bar->Panels().size(); ++i)
      text += StatusPanelText(bar->Handle(), static_cast<int>(i));
  } else if (auto* memo = dynamic_cast<ui::TMemo*>(&control)) {
    for (const std::wstring& line : memo->Lines()) text += line;
  }
  return text;
}

// The font a control's text is drawn in: its window's for a window of a system class, else
// the one it paints with.
HFONT DrawingFont(ui::TWinControl& control) {
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control.Handle(), WM_GETFONT, 0, 0));
  return font ? font : control.FontHandle();
}

TEST(ProgramText, EveryControlHasTheGlyphsOfItsText) {
  for (ui::TForm* form : ProgramForms()) {
    ForEachPart(*form, [&](ui::TComponent& part) {
      auto* control = dynamic_cast<ui::TWinControl*>(&part);
      if (!control || !control->Handle()) return;
      const std::wstring text = ShownText(*control);
      const HFONT font = DrawingFont(*control);
      EXPECT_EQ(Utf8FromWide(MissingGlyphs(font, text)), "")
          << Utf8FromWide(form->Name) << "." << Utf8FromWide(control->Name) << " in "
          << Utf8FromWide(MappedFace(font));
    });
  }
}

HWND TooltipOf(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t name[64]{};
        ::GetClassNameW(window, name, 64);
        if (std::wstring_view(name) != TOOLTIPS_CLASSW || ::GetWindow(window, GW_OWNER) != s->owner)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(ProgramText, HintsHaveTheirGlyphsInTheTooltipsFont) {
  int hints = 0;
  for (ui::TForm* form : ProgramForms()) {
    ForEachPart(*form, [&](ui::TComponent& part) {
      auto* control = dynamic_cast<ui::TWinControl*>(&part);
      if (!control || !control->ShowHint() || control->Hint().empty()) return;
      const HWND tooltip = TooltipOf(form->Handle());
      ASSERT_NE(tooltip, nullptr) << Utf8FromWide(form->Name) << " shows hints";
      const auto font = reinterpret_cast<HFONT>(::SendMessageW(tooltip, WM_GETFONT, 0, 0));
      EXPECT_EQ(Utf8FromWide(MissingGlyphs(font, control->Hint())), "")
          << Utf8FromWide(control->Name) << " in " << Utf8FromWide(MappedFace(font));
      ++hints;
    });
  }
  EXPECT_GT(hints, 0);
}

TEST(ProgramText, MenuItemsHaveTheirGlyphsInTheMenuFontOfOurOwnPainters) {
  const win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  int items = 0;
  ForEachPart(*Program().main, [&](ui::TComponent& part) {
    if (auto* item = dynamic_cast<ui::TMenuItem*>(&part)) {
      EXPECT_EQ(Utf8FromWide(MissingGlyphs(font.get(), item->Caption())), "")
          << Utf8FromWide(item->Name) << " in " << Utf8FromWide(MappedFace(font.get()));
      ++items;
    }
  });
  EXPECT_GT(items, 0);
}

// The pixels the system draws for one character.
std::vector<COLORREF> Drawing(HFONT font, wchar_t c) {
  Canvas canvas(48, 48, RGB(255, 255, 255));
  win::SelectObjectScope select(canvas.dc(), font);
  ::SetBkMode(canvas.dc(), TRANSPARENT);
  ::TextOutW(canvas.dc(), 4, 4, &c, 1);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) pixels.push_back(canvas.at(x, y));
  return pixels;
}

// The characters of `text` the system draws in `font` (through whatever faces it links to it)
// only as the box of a character no font has, or not at all.
std::wstring Undrawn(const LOGFONTW& face, std::wstring_view text) {
  const win::Font font(::CreateFontIndirectW(&face));
  const std::vector<COLORREF> box = Drawing(font.get(), L'\x0378');  // an unassigned character
  const std::vector<COLORREF> blank(box.size(), RGB(255, 255, 255));
  std::wstring undrawn;
  for (wchar_t c : text) {
    if (c <= L' ' || c == L'\x3000' || undrawn.find(c) != std::wstring::npos) continue;
    const std::vector<COLORREF> drawn = Drawing(font.get(), c);
    if (drawn == box || drawn == blank) undrawn += c;
  }
  return undrawn;
}

TEST(ProgramText, TheSystemDrawsTheCaptionsAndMenusInItsOwnFonts) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  for (ui::TForm* form : ProgramForms()) {
    const bool tool = ::GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW;
    EXPECT_EQ(Utf8FromWide(
                  Undrawn(tool ? metrics.lfSmCaptionFont : metrics.lfCaptionFont, form->Caption())),
              "")
        << Utf8FromWide(form->Name) << "'s caption";
  }
  ForEachPart(*Program().main, [&](ui::TComponent& part) {
    if (auto* item = dynamic_cast<ui::TMenuItem*>(&part)) {
      EXPECT_EQ(Utf8FromWide(Undrawn(metrics.lfMenuFont, item->Caption())), "")
          << Utf8FromWide(item->Name);
    }
  });
}

}  // namespace
}  // namespace telvana
