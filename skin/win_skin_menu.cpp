#include "skin/win_skin_menu.h"

#include <cwctype>
#include <utility>

#include "skin/skin_data.h"
#include "skin/skin_text_win.h"
#include "ui/graphics.h"

namespace telvana {

namespace {
constexpr int kButtonPadding = 7;  // on each side of a caption

std::wstring ItemText(HMENU menu, int index) {
  wchar_t text[256] = {};
  ::GetMenuStringW(menu, static_cast<UINT>(index), text, 256, MF_BYPOSITION);
  return text;
}

// The text as shown: "&&" is one ampersand, a single "&" marks the accelerator.
wchar_t AcceleratorOf(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}
}  // namespace

TMenuBtn::TMenuBtn(TWinSkinForm& owner, TWinSkinMenu& bar, int index, std::wstring caption)
    : TNCObject(owner), Index(index), Caption(std::move(caption)), bar_(bar) {
  Visible = true;
}

void TMenuBtn::MouseDown() {
  TNCObject::MouseDown();
  if (Enabled) bar_.OpenDropDown(Index);
}

void TMenuBtn::Paint(HDC dc) {
  if (!owner_.SkinData) return;
  const SkinColours& colours = owner_.SkinData->Colours();
  const bool raised = State != kNormal && Enabled;
  win::Brush face(::CreateSolidBrush(ui::ColorToRGB(raised ? colours.Hilight : colours.Menubar)));
  ::FillRect(dc, &Rect, face.get());
  win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  win::SelectObjectScope selected(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, !Enabled ? ::GetSysColor(COLOR_GRAYTEXT)
                              : ui::ColorToRGB(raised ? colours.HilightText : colours.MenuBarText));
  RECT text = Rect;
  ::DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TWinSkinMenu::BuildFromHandle(HMENU menu) {
  menu_ = menu;
  if (::GetMenu(owner_.WindowHandle) == menu) ::SetMenu(owner_.WindowHandle, nullptr);
  RebuildFromItems();
}

void TWinSkinMenu::RebuildFromItems() {
  if (owner_.TrackedObject) owner_.TrackedObject = nullptr;
  buttons_.clear();
  const int count = menu_ ? ::GetMenuItemCount(menu_) : 0;
  for (int i = 0; i < count; ++i) {
    auto button = std::make_unique<TMenuBtn>(owner_, *this, i, ItemText(menu_, i));
    button->Enabled =
        !(::GetMenuState(menu_, static_cast<UINT>(i), MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED));
    buttons_.push_back(std::move(button));
  }
}

void TWinSkinMenu::GiveBack() {
  if (menu_ && ::IsWindow(owner_.WindowHandle)) ::SetMenu(owner_.WindowHandle, menu_);
  buttons_.clear();
  menu_ = nullptr;
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& bar) {
  if (!owner_.SkinData) return;
  win::Brush face(::CreateSolidBrush(ui::ColorToRGB(owner_.SkinData->Colours().Menubar)));
  ::FillRect(dc, &bar, face.get());
  win::Font font = ui::CreateTextFont(ui::SystemFont::Menu);
  win::SelectObjectScope selected(dc, font.get());
  int x = bar.left;
  for (auto& button : buttons_) {
    RECT extent{};
    ::DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &extent,
                DT_CALCRECT | DT_SINGLELINE);
    button->Rect = {x, bar.top, x + extent.right + 2 * kButtonPadding, bar.bottom};
    button->Visible = button->Rect.right <= bar.right;
    x = button->Rect.right;
    if (button->Visible) button->Paint(dc);
  }
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT window_point) {
  for (auto& button : buttons_) {
    if (button->Visible && ::PtInRect(&button->Rect, window_point)) return button.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonForKey(wchar_t key) {
  for (auto& button : buttons_) {
    const wchar_t accelerator = AcceleratorOf(button->Caption);
    if (button->Enabled && accelerator && std::towupper(accelerator) == std::towupper(key)) {
      return button.get();
    }
  }
  return nullptr;
}

void TWinSkinMenu::OpenDropDown(int index) {
  if (tracking_ || index < 0 || index >= static_cast<int>(buttons_.size())) return;
  HMENU drop_down = ::GetSubMenu(menu_, index);
  if (!drop_down) return;
  TMenuBtn& button = *buttons_[static_cast<std::size_t>(index)];
  RECT window{};
  ::GetWindowRect(owner_.WindowHandle, &window);
  tracking_ = true;
  button.State = TNCObject::kPressed;
  button.Repaint();
  TPMPARAMS exclude{sizeof(exclude)};
  exclude.rcExclude = {window.left + button.Rect.left, window.top + button.Rect.top,
                       window.left + button.Rect.right, window.top + button.Rect.bottom};
  ::TrackPopupMenuEx(drop_down, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, exclude.rcExclude.left,
                     exclude.rcExclude.bottom, owner_.WindowHandle, &exclude);
  tracking_ = false;
  if (::IsWindow(owner_.WindowHandle)) {
    button.State = TNCObject::kNormal;
    if (owner_.TrackedObject == &button) owner_.TrackedObject = nullptr;
    button.Repaint();
  }
}

}  // namespace telvana
