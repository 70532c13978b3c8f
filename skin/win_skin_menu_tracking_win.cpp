// The drop-downs of a skinned menu bar: one is tracked at a time on the thread, and a
// message filter on the menu's modal loop moves to the neighbouring drop-down on Left and
// Right (from the last to the first and back) and to the drop-down of the bar button the
// mouse moves over, as on the system's menu bar.

#include <memory>

#include "skin/win_skin_menu.h"
#include "ui/win_handles.h"

namespace telvana {

// The unit's tracking state and its message filter.
class MenuTracking {
 public:
  static MenuTracking& Get() {
    static MenuTracking tracking;
    return tracking;
  }
  bool HookInstalled() const { return hooked_; }
  int OpenIndex() const { return open_index_; }
  // The item selected in the drop-down or in one of its submenus (WM_MENUSELECT).
  void MenuSelect(WPARAM wparam, LPARAM lparam);
  const TWinSkinMenu* Bar() const { return bar_; }

  // Tracks drop-down `index` of `bar`, then each drop-down the user moves to.
  bool Run(TWinSkinMenu& bar, int index);

 private:
  static LRESULT CALLBACK FilterHook(int code, WPARAM wparam, LPARAM lparam);
  bool Filter(MSG& msg);
  // The button the message asks to move to, or -1.
  int Target(const MSG& msg);
  void Begin(TWinSkinMenu& bar, int index);
  void End();

  // The filter itself is owned by the tracking in progress (Run); the state here holds no
  // resource, so nothing of it is left to free after the program's end.
  bool hooked_ = false;
  TWinSkinMenu* bar_ = nullptr;
  int open_index_ = -1;
  bool first_key_sent_ = false;
  bool switching_ = false;
  int switch_to_ = -1;
  POINT last_mouse_{};
  HMENU selected_menu_ = nullptr;
  bool selected_opens_ = false;
};

namespace {

constexpr int kMaxDepth = 16;  // of submenus made owner-drawn

// Every item at every depth drawn by its owner, that is, by the frame's item painter.
void MakeOwnerDrawn(HMENU menu, int depth) {
  if (depth > kMaxDepth) return;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info)};
    info.fMask = MIIM_FTYPE;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fType |= MFT_OWNERDRAW;
      ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    if (HMENU sub = ::GetSubMenu(menu, i)) MakeOwnerDrawn(sub, depth + 1);
  }
}

}  // namespace

bool MenuFilterHookInstalled() {
  return MenuTracking::Get().HookInstalled();
}

int OpenDropDownIndex() {
  return MenuTracking::Get().OpenIndex();
}

void MenuSelected(const TWinSkinMenu& bar, WPARAM wparam, LPARAM lparam) {
  MenuTracking& tracking = MenuTracking::Get();
  if (tracking.Bar() == &bar) tracking.MenuSelect(wparam, lparam);
}

bool TWinSkinMenu::OpenDropDown(int index) {
  if (in_loop_ || index < 0 || index >= static_cast<int>(buttons_.size())) return false;
  return MenuTracking::Get().Run(*this, index);
}

void MenuTracking::Begin(TWinSkinMenu& bar, int index) {
  bar_ = &bar;
  open_index_ = index;
  switching_ = false;
  switch_to_ = -1;
  first_key_sent_ = false;
  selected_menu_ = nullptr;
  selected_opens_ = false;
  ::GetCursorPos(&last_mouse_);
}

void MenuTracking::End() {
  hooked_ = false;
  selected_menu_ = nullptr;
  open_index_ = -1;
  first_key_sent_ = false;
  bar_ = nullptr;
}

bool MenuTracking::Run(TWinSkinMenu& bar, int index) {
  const HWND window = bar.owner_.WindowHandle;
  // The window may go while its drop-down is up, and its bar with it; the bar may also be
  // rebuilt meanwhile. After the tracking the bar is only touched while it lives, and its
  // button found again by position.
  const std::weak_ptr<int> alive = bar.alive_;
  bool opened = false;
  bar.in_loop_ = true;
  for (int next = index; next >= 0;) {
    const int current = next;
    next = -1;
    TMenuBtn& button = *bar.buttons_[static_cast<std::size_t>(current)];
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(button.Command, 0), 0);
    if (!button.SubMenu) break;
    opened = true;
    RECT frame{};
    ::GetWindowRect(window, &frame);
    MakeOwnerDrawn(button.SubMenu, 0);
    bar.tracking_active_ = true;
    bar.open_menu_ = button.SubMenu;
    button.State = TNCObject::kPressed;
    button.Repaint();
    Begin(bar, current);
    UINT command = 0;
    {
      win::Hook filter(
          ::SetWindowsHookExW(WH_MSGFILTER, FilterHook, nullptr, ::GetCurrentThreadId()));
      hooked_ = static_cast<bool>(filter);
      if (button.Enabled) {
        // The choice comes back here and is posted as the window's WM_COMMAND. The window is
        // notified as by any menu: the filter learns the selection from WM_MENUSELECT.
        command = static_cast<UINT>(::TrackPopupMenuEx(
            button.SubMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
            frame.left + button.Rect.left, frame.top + button.Rect.bottom, window, nullptr));
      }
    }
    const int count = alive.expired() ? 0 : static_cast<int>(bar.buttons_.size());
    if (switching_ && switch_to_ >= 0 && switch_to_ < count) next = switch_to_;
    End();
    if (alive.expired()) return opened;
    bar.tracking_active_ = false;
    bar.open_menu_ = nullptr;
    if (current < count) {
      TMenuBtn& shown = *bar.buttons_[static_cast<std::size_t>(current)];
      shown.State = TNCObject::kNormal;
      if (bar.owner_.TrackedObject == &shown) bar.owner_.TrackedObject = nullptr;
      if (::IsWindow(window)) shown.Repaint();
    }
    if (command && ::IsWindow(window)) {
      ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
  }
  bar.in_loop_ = false;
  return opened;
}

LRESULT CALLBACK MenuTracking::FilterHook(int code, WPARAM wparam, LPARAM lparam) {
  MenuTracking& tracking = Get();
  auto* msg = reinterpret_cast<MSG*>(lparam);
  if (code == MSGF_MENU && tracking.bar_ && tracking.bar_->owner_.RightToLeft &&
      msg->message == WM_KEYDOWN && (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT)) {
    msg->wParam = msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
  }
  const LRESULT next = ::CallNextHookEx(nullptr, code, wparam, lparam);
  if (next != 0 || code != MSGF_MENU || !tracking.bar_) return next;
  return tracking.Filter(*msg) ? 1 : 0;
}

bool MenuTracking::Filter(MSG& msg) {
  if (!first_key_sent_) {
    // The drop-down opens with its first item selected, as from the system's menu bar.
    first_key_sent_ = true;
    ::PostMessageW(msg.hwnd ? msg.hwnd : bar_->owner_.WindowHandle, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) {
    bar_->tracking_active_ = false;
    return false;
  }
  const int target = Target(msg);
  if (target < 0 || target == open_index_) return false;
  switching_ = true;
  switch_to_ = target;
  ::EndMenu();
  return true;
}

int MenuTracking::Target(const MSG& msg) {
  const int count = static_cast<int>(bar_->buttons_.size());
  switch (msg.message) {
    case WM_KEYDOWN:
      switch (msg.wParam) {
        case VK_RETURN:
        case VK_ESCAPE:
          switching_ = false;
          return -1;
        case VK_LEFT:
          // In a submenu of the drop-down Left goes back to its parent.
          return selected_menu_ && selected_menu_ != bar_->open_menu_
                     ? -1
                     : (open_index_ + count - 1) % count;
        case VK_RIGHT:
          // On an item with a submenu Right opens it.
          return selected_opens_ ? -1 : (open_index_ + 1) % count;
        default:
          return -1;
      }
    case WM_MOUSEMOVE: {
      if (msg.pt.x == last_mouse_.x && msg.pt.y == last_mouse_.y) return -1;
      last_mouse_ = msg.pt;
      TMenuBtn* button = bar_->ButtonAt(bar_->owner_.ToWindowPoint(msg.pt));
      return button ? button->Index : -1;
    }
    default:
      return -1;
  }
}

void MenuTracking::MenuSelect(WPARAM wparam, LPARAM lparam) {
  if (!bar_) return;
  const UINT flags = HIWORD(wparam);
  if (flags == 0xFFFF && lparam == 0) {
    // The drop-down closes; a switch keeps the bar tracked until the next one opens.
    if (!switching_) bar_->tracking_active_ = false;
    return;
  }
  switching_ = false;
  selected_menu_ = reinterpret_cast<HMENU>(lparam);
  selected_opens_ = (flags & MF_POPUP) != 0;
}

}  // namespace telvana
