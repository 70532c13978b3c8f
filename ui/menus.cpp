#include "ui/menus.h"

#include <algorithm>

#include "ui/forms.h"
#include "ui/graphics.h"

namespace telvana::ui {

namespace {
// Menu command identifiers are unique in the process; ids below this stay free for others.
constexpr UINT kFirstMenuCommand = 0x100;
UINT NextCommand() {
  static UINT next = kFirstMenuCommand;
  return next++;
}

// A menu shows "&" as an underline prefix; doubling it shows the character itself.
std::wstring MenuText(const TMenuItem& item) {
  std::wstring text;
  for (wchar_t c : item.Caption()) {
    if (c == L'&') text.push_back(L'&');
    text.push_back(c);
  }
  if (item.ShortCut()) {
    text += L'\t';
    text += ShortCutToText(item.ShortCut());
  }
  return text;
}

std::wstring KeyName(int vk) {
  if (vk >= VK_F1 && vk <= VK_F24) return L"F" + std::to_wstring(vk - VK_F1 + 1);
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::wstring(1, wchar_t(vk));
  switch (vk) {
    case VK_ESCAPE:
      return L"Esc";
    case VK_RETURN:
      return L"Enter";
    case VK_DELETE:
      return L"Del";
    case VK_INSERT:
      return L"Ins";
    case VK_SPACE:
      return L"Space";
  }
  return L"";
}
}  // namespace

std::wstring ShortCutToText(int shortCut) {
  const std::wstring key = KeyName(shortCut & 0xFF);
  if (key.empty()) return L"";
  std::wstring text;
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + key;
}

// ---------------------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* child : items_) child->parent_item_ = nullptr;
  if (parent_item_) parent_item_->Remove(*this);
}

TMenu* TMenuItem::Menu() const {
  return menu_;
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  const bool kindChanged = (caption == L"-") != IsSeparator();
  caption_ = caption;
  Changed(kindChanged);
}

void TMenuItem::SetShortCut(int shortCut) {
  short_cut_ = shortCut;
  Changed(false);
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::Add(TMenuItem& item) {
  if (item.parent_item_) item.parent_item_->Remove(item);
  item.parent_item_ = this;
  items_.push_back(&item);
  Changed(true);
}

void TMenuItem::Remove(TMenuItem& item) {
  std::erase(items_, &item);
  item.parent_item_ = nullptr;
  Changed(true);
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(*this);
}

void TMenuItem::Changed(bool structure) {
  TMenuItem* root = this;
  while (root->parent_item_) root = root->parent_item_;
  if (root->menu_) root->menu_->ItemChanged(*this, structure);
}

// ---------------------------------------------------------------------------------------
// TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), root_(TComponent::New<TMenuItem>(*this)) {
  root_->menu_ = this;
}

void TMenu::SetOwnerDraw(bool on) {
  owner_draw_ = on;
  ItemChanged(*root_, true);
}

HMENU TMenu::Handle() {
  if (!handle_ && !released_) {
    handle_ = win::Menu(IsMenuBar() ? ::CreateMenu() : ::CreatePopupMenu());
    Build(handle_.get(), *root_);
  }
  return handle_.get();
}

void TMenu::Build(HMENU menu, TMenuItem& parent) {
  for (TMenuItem* item : parent.items_) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
    info.wID = item->command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.fState = (item->checked_ ? MFS_CHECKED : 0) | (item->enabled_ ? 0 : MFS_DISABLED);
    std::wstring text;
    if (item->IsSeparator()) {
      info.fType = MFT_SEPARATOR;
    } else {
      text = MenuText(*item);
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
      info.fType = owner_draw_ ? MFT_OWNERDRAW : MFT_STRING;
    }
    if (!item->items_.empty()) {
      HMENU sub = ::CreatePopupMenu();
      Build(sub, *item);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub;  // destroyed with its parent menu
    }
    ::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &info);
    item->container_ = menu;
  }
}

void TMenu::Release() {
  released_ = true;
  handle_.reset();
}

void TMenu::ItemChanged(TMenuItem& item, bool structure) {
  if (!handle_ || released_) return;
  if (structure || !item.container_) {
    win::Menu previous = std::move(handle_);  // freed only once the new one is in place
    Handle();
    HandleRebuilt();
    return;
  }
  MENUITEMINFOW info{sizeof(info)};
  info.fMask = MIIM_STATE;
  info.fState = (item.checked_ ? MFS_CHECKED : 0) | (item.enabled_ ? 0 : MFS_DISABLED);
  std::wstring text;
  if (!item.IsSeparator()) {
    text = MenuText(item);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  ::SetMenuItemInfoW(item.container_, item.command_, FALSE, &info);
  HandleRebuilt();
}

TMenuItem* TMenu::FindItem(UINT command) {
  std::vector<TMenuItem*> pending{root_};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != root_ && item->command_ == command) return item;
    pending.insert(pending.end(), item->items_.rbegin(), item->items_.rend());
  }
  return nullptr;
}

TMenuItem* TMenu::FindShortCut(int shortCut) {
  if (!shortCut) return nullptr;
  std::vector<TMenuItem*> pending{root_};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (!item->enabled_) continue;
    if (item != root_ && item->short_cut_ == shortCut) return item;
    pending.insert(pending.end(), item->items_.rbegin(), item->items_.rend());
  }
  return nullptr;
}

HWND TMenu::OwnerWindow() const {
  auto* form = dynamic_cast<TForm*>(Owner());
  return form ? form->Handle() : nullptr;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  auto* item = reinterpret_cast<TMenuItem*>(measure.itemData);
  if (!item || FindItem(measure.itemID) != item || !item->OnMeasureItem) return false;
  win::WindowDc dc(OwnerWindow());
  // Items are measured, and drawn, in the menu font, in a face that has their Chinese.
  const win::Font font = CreateTextFont(SystemFont::Menu);
  win::SelectObjectScope select(dc.get(), font.get());
  int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
  item->OnMeasureItem(*item, dc.get(), width, height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  auto* item = reinterpret_cast<TMenuItem*>(draw.itemData);
  if (!item || FindItem(draw.itemID) != item || !item->OnDrawItem) return false;
  const win::Font font = CreateTextFont(SystemFont::Menu);
  win::SelectObjectScope select(draw.hDC, font.get());
  item->OnDrawItem(*item, draw.hDC, draw.rcItem, draw.itemState);
  return true;
}

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info{
      "TMenuItem",
      &TComponent::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TMenuItem>(owner); },
      {
          TextProp<TMenuItem>(
              "Caption", [](const TMenuItem& m) { return m.caption_; },
              [](TMenuItem& m, const std::wstring& v) { m.SetCaption(v); }),
          IntProp<TMenuItem>(
              "ShortCut", [](const TMenuItem& m) { return m.short_cut_; },
              [](TMenuItem& m, std::int64_t v) { m.SetShortCut(static_cast<int>(v)); }),
          BoolProp<TMenuItem>(
              "Checked", [](const TMenuItem& m) { return m.checked_; },
              [](TMenuItem& m, bool v) { m.SetChecked(v); }),
          BoolProp<TMenuItem>(
              "Enabled", [](const TMenuItem& m) { return m.enabled_; },
              [](TMenuItem& m, bool v) { m.SetEnabled(v); }),
          EventProp<TMenuItem>("OnClick", &TMenuItem::OnClick),
      }};
  return info;
}

const ClassInfo& TMenu::StaticClass() {
  static const ClassInfo info{
      "TMenu",
      &TComponent::StaticClass(),
      nullptr,
      {
          BoolProp<TMenu>(
              "OwnerDraw", [](const TMenu& m) { return m.owner_draw_; },
              [](TMenu& m, bool v) { m.SetOwnerDraw(v); }),
          // Accelerator letters are never added: captions stay exactly as stored.
          BoolProp<TMenu>(
              "AutoHotkeys", [](const TMenu&) { return false; },
              [](TMenu&, bool on) {
                if (on) throw PropertyError("automatic accelerator letters are not supported");
              }),
      }};
  return info;
}

void TMainMenu::HandleRebuilt() {
  HWND owner = OwnerWindow();
  if (!owner) return;
  if (::GetMenu(owner) != nullptr) {
    ::SetMenu(owner, Handle());
    ::DrawMenuBar(owner);
  }
  // A menu bar drawn by someone else (a skinned frame) takes the new menu from here.
  ::SendMessageW(owner, CM_MENUCHANGED, 0, 0);
}

const ClassInfo& TMainMenu::StaticClass() {
  static const ClassInfo info{
      "TMainMenu",
      &TMenu::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TMainMenu>(owner); },
      {}};
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  HWND owner = OwnerWindow();
  const UINT command = ::TrackPopupMenuEx(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                          x, y, owner, nullptr);
  if (TMenuItem* item = command ? FindItem(command) : nullptr) item->Click();
}

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info{
      "TPopupMenu",
      &TMenu::StaticClass(),
      [](TComponent& owner) -> TComponent* { return TComponent::New<TPopupMenu>(owner); },
      {}};
  return info;
}

}  // namespace telvana::ui
