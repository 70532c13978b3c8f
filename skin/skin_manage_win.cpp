#include "skin/skin_manage_win.h"

#include <algorithm>
#include <utility>

#include "skin/ascii.h"
#include "skin/skin_data.h"
#include "skin/skin_messages.h"
#include "skin/win_skin_form.h"
#include "skin/win_skin_pop_menu.h"
#include "ui/forms.h"
#include "ui/std_controls.h"

namespace telvana {

namespace {

// The manager whose hook runs on this thread.
thread_local TSkinManage* hooked_manager = nullptr;

bool IsSkinned(HWND window) {
  return ::SendMessageW(window, WM_SKINQUERY, 0, 0) == 1;
}

bool Usable(const TSkinData* data) {
  return data && !data->SkinNotReady();
}

ui::TForm* FormOf(HWND window) {
  return dynamic_cast<ui::TForm*>(ui::TWinControl::FromHandle(window));
}

// The forms of the screen: the forms among this thread's top-level windows, in z-order.
std::vector<ui::TForm*> ScreenForms() {
  std::vector<ui::TForm*> forms;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        if (ui::TForm* form = FormOf(window)) {
          reinterpret_cast<std::vector<ui::TForm*>*>(found)->push_back(form);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&forms));
  return forms;
}

}  // namespace

TSkinManage::TSkinManage() : ActionTimer(std::make_unique<ui::TTimer>(nullptr)) {
  ActionTimer->SetEnabled(false);
  ActionTimer->SetInterval(kSkinActionDelayMs);
  ActionTimer->OnTimer = [this](ui::TComponent&) { PerformPendingAction(); };
}

TSkinManage::~TSkinManage() {
  ActivationCount = 4;
  ActionTimer.reset();
  hook_.reset();
  if (hooked_manager == this) hooked_manager = nullptr;
  PopupSkinners.clear();
  for (TWinSkinForm* skinner : FormSkinners) {
    skinner->OnFree = nullptr;
    skinner->Manager = nullptr;
  }
  // A window without a form keeps its controls' look only as long as its skinner.
  for (auto& skinner : unowned_) skinner->Detach();
}

void TSkinManage::RegisterSkinData(TSkinData& data) {
  if (std::find(SkinDatas.begin(), SkinDatas.end(), &data) == SkinDatas.end()) {
    SkinDatas.push_back(&data);
  }
}

void TSkinManage::UnregisterSkinData(TSkinData& data) {
  std::erase(SkinDatas, &data);
  if (PendingSkinData == &data) {
    PendingSkinData = nullptr;
    ActionTimer->SetEnabled(false);
  }
  for (std::size_t i = FormSkinners.size(); i-- > 0;) {
    if (i < FormSkinners.size() && FormSkinners[i]->SkinData == &data) {
      DropSkinner(*FormSkinners[i]);
    }
  }
  std::erase_if(PopupSkinners, [&](const auto& popup) { return popup->SkinData() == &data; });
}

void TSkinManage::InstallHook() {
  hook_.reset(::SetWindowsHookExW(WH_CBT, HookProcedure, nullptr, ::GetCurrentThreadId()));
  if (hook_) hooked_manager = this;
}

LRESULT CALLBACK TSkinManage::HookProcedure(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = hooked_manager;
  if (manager && code >= 0) {
    const HWND window = reinterpret_cast<HWND>(wparam);
    switch (code) {
      case HCBT_CREATEWND:
        if (win::ClassNameOf(window) == L"#32768") manager->AttachPopupWindow(window);
        break;
      case HCBT_DESTROYWND:
        manager->DetachPopupWindow(window);
        break;
      case HCBT_ACTIVATE:
        if (manager->ActivationCount == 0) manager->ActivationCount = 1;
        manager->SkinWindow(window);
        break;
      default:
        break;
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

void TSkinManage::SwitchOn() {
  Enabled = true;
  ++ActivationCount;
}

void TSkinManage::SkinWindow(ui::TComponent& form) {
  if (auto* control = dynamic_cast<ui::TWinControl*>(&form); control && control->Handle()) {
    SkinWindow(control->Handle());
  }
}

void TSkinManage::RequestAction(TSkinData&, SkinAction action, int delay_ms) {
  PendingAction = static_cast<std::int32_t>(action);
  ActionTimer->SetInterval(delay_ms);
  if (ActivationCount != 0) {
    // A request within the delay replaces the one before and waits the whole delay again.
    ActionTimer->SetEnabled(false);
    ActionTimer->SetEnabled(true);
  } else if (action == SkinAction::kSkin || action == SkinAction::kUnskin) {
    Enabled = action == SkinAction::kSkin;
  }
}

void TSkinManage::SetMdiMax(bool on) {
  if (MdiMaxMode == on) return;
  MdiMaxMode = on;
  for (TWinSkinForm* skinner : FormSkinners) {
    if (skinner->MdiKind != kMdiChild || skinner->State == kFormDead) continue;
    if (on) {
      skinner->DropRegion();
      skinner->SetCaptionStyles(true);
    } else if (skinner->WindowState != kWindowMinimised) {
      skinner->WindowState = kWindowNormal;
      skinner->SetCaptionStyles(false);
      skinner->BuildRegion();
      ::SetWindowPos(skinner->WindowHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
}

int TSkinManage::CountChildSkinners() const {
  return static_cast<int>(std::count_if(FormSkinners.begin(), FormSkinners.end(), [](auto* s) {
    return s->MdiKind == kMdiChild && s->State != kFormDead;
  }));
}

void TSkinManage::RefreshSkinners() {
  for (TWinSkinForm* skinner : FormSkinners) skinner->DropCaptionButtons();
}

bool TSkinManage::TimerRunning() const {
  return ActionTimer->Enabled();
}

void TSkinManage::PerformPendingAction() {
  if (!PendingSkinData) return;
  ActionTimer->SetEnabled(false);
  TSkinData& requester = *PendingSkinData;
  const bool one_form = requester.SkinFormtype == TSkinFormType::sfOnlyThisForm;
  switch (static_cast<SkinAction>(PendingAction)) {
    case SkinAction::kSkin: {
      Enabled = true;
      SkinAllPass = true;
      if (!one_form) PurgeDeadSkinners();
      std::vector<ui::TForm*> forms = ScreenForms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if (one_form && *it != requester.Owner()) continue;
        SkinVisibleForm(**it);
        if (one_form) break;
      }
      SkinAllPass = false;
      break;
    }
    case SkinAction::kUnskin:
      Enabled = false;
      PurgeDeadSkinners();
      for (std::size_t i = FormSkinners.size(); i-- > 0;) {
        if (i >= FormSkinners.size()) continue;
        if (one_form && FormSkinners[i]->SkinData != &requester) continue;
        DropSkinner(*FormSkinners[i]);
        if (one_form) break;
      }
      break;
    case SkinAction::kSkinChanged: {
      PurgeDeadSkinners();
      // Copied: refreshing may make a wrapper's window go, and with it a skinner.
      const std::vector<TWinSkinForm*> skinners = FormSkinners;
      for (TWinSkinForm* skinner : skinners) {
        if (skinner->SkinData != &requester) continue;
        skinner->RefreshSkin();
        if (one_form) break;
      }
      break;
    }
    case SkinAction::kPurge:
      PurgeDeadSkinners();
      break;
  }
  if (PendingSkinData == &requester) {
    requester.SkinChanged();
    PendingSkinData = nullptr;
  }
}

bool TSkinManage::SkinVisibleForm(ui::TForm& form) {
  const HWND window = form.Handle();
  if (!window || !::IsWindowVisible(window)) return false;
  // The framework has no MDI children, so every child window is skipped.
  if (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) return false;
  return SkinWindow(window);
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!Enabled || !::IsWindow(window) || IsSkinned(window)) return false;
  PurgeDeadSkinners();
  if (FindSkinner(window)) return false;
  ui::TForm* form = FormOf(window);
  if (!SkinAllPass && (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD) &&
      AsciiLowered(win::ClassNameOf(::GetParent(window))) != L"mdiclient") {
    return false;
  }
  RECT rect{};
  ::GetWindowRect(window, &rect);
  if (rect.right == rect.left || rect.bottom == rect.top) return false;
  if (form && form->Tag == 99) return false;
  const std::wstring class_name = win::ClassNameOf(window);
  if (class_name == L"TApplication" || !AcceptWindowClass(class_name)) return false;
  TSkinData* data = ChooseSkinData(window);
  if (!Usable(data)) return false;

  if (form) {
    auto* skinner = ui::TComponent::New<TWinSkinForm>(*form);
    skinner->Manager = this;
    if (!skinner->AttachForm(*data, *form)) {
      form->FreeComponent(*skinner);
      return false;
    }
    Adopt(*skinner);
  } else {
    auto skinner = std::make_unique<TWinSkinForm>(nullptr);
    skinner->Manager = this;
    skinner->WindowHandle = window;
    if (!skinner->AttachFrame(*data)) return false;
    Adopt(*skinner);
    unowned_.push_back(std::move(skinner));
  }
  ::PostMessageW(window, WM_SKININIT, 0, kSkinInitParam);
  return true;
}

void TSkinManage::SkinBeforeShow(ui::TForm& form) {
  // Taking the menu into the skinned bar and fitting the frame each change the client area;
  // the fitted one is the one the form had, so its controls are placed once, at the end.
  struct AlignHold {
    explicit AlignHold(ui::TForm& held) : held_(held) { held_.DisableAlign(); }
    ~AlignHold() { held_.EnableAlign(); }
    ui::TForm& held_;
  } hold(form);
  if (!SkinWindow(form.Handle())) return;
  // The frame fits now, while the window is hidden, instead of at the WM_SKININIT just posted
  // (which then finds it done): the window appears once, in its skin, without a second
  // resize and repaint through the display server.
  ::SendMessageW(form.Handle(), WM_SKININIT, 0, kSkinInitParam);
}

void TSkinManage::Adopt(TWinSkinForm& skinner) {
  FormSkinners.push_back(&skinner);
  skinner.OnFree = [this](TWinSkinForm& gone) { std::erase(FormSkinners, &gone); };
}

void TSkinManage::DropSkinner(TWinSkinForm& skinner) {
  const HWND window = skinner.WindowHandle;
  const bool dead = skinner.State == kFormDead;
  if (!dead) skinner.Detach();
  std::erase(FormSkinners, &skinner);
  skinner.OnFree = nullptr;
  skinner.Manager = nullptr;
  if (skinner.Owner()) {
    skinner.Owner()->FreeComponent(skinner);
  } else {
    std::erase_if(unowned_, [&](const auto& owned) { return owned.get() == &skinner; });
  }
  if (!dead && ::IsWindow(window)) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : SkinDatas) {
    auto* owner = dynamic_cast<ui::TWinControl*>(data->Owner());
    if (data->SkinFormtype == TSkinFormType::sfOnlyThisForm && owner && owner->Handle() == window) {
      chosen = data;
    }
  }
  if (chosen) return chosen;
  const std::wstring class_name = AsciiLowered(win::ClassNameOf(window));
  if (class_name == L"tmessageform" || class_name == L"#32770") {
    for (TSkinData* data : SkinDatas) {
      if (data->SkinFormtype == TSkinFormType::sfDialog) chosen = data;
    }
    if (chosen) return chosen;
  }
  for (TSkinData* data : SkinDatas) {
    if (data->SkinFormtype == TSkinFormType::sfMainform) chosen = data;
  }
  if (chosen) return chosen;
  return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

bool TSkinManage::AcceptWindowClass(const std::wstring& class_name) const {
  auto main = std::find_if(SkinDatas.begin(), SkinDatas.end(), [](const TSkinData* data) {
    return data->SkinFormtype == TSkinFormType::sfMainform;
  });
  if (main == SkinDatas.end()) return true;
  TSkinData& data = **main;
  if (data.OnFormSkin) {
    bool do_skin = true;
    data.OnFormSkin(data, class_name, do_skin);
    return do_skin;
  }
  if (class_name == L"SysMonthCal32") return false;
  if ((data.SkinControls & SkinControlBit(TSkinControlType::xcFastReport)) &&
      class_name.starts_with(L"Tfr")) {
    return false;
  }
  return true;
}

TWinSkinForm* TSkinManage::FindSkinner(HWND window) const {
  for (TWinSkinForm* skinner : FormSkinners) {
    if (skinner->WindowHandle == window) return skinner;
  }
  return nullptr;
}

void TSkinManage::PurgeDeadSkinners() {
  for (std::size_t i = FormSkinners.size(); i-- > 0;) {
    if (i < FormSkinners.size() && FormSkinners[i]->State == kFormDead) {
      DropSkinner(*FormSkinners[i]);
    }
  }
}

void TSkinManage::AttachPopupWindow(HWND window) {
  if (!Enabled || IsSkinned(window)) return;
  for (const auto& popup : PopupSkinners) {
    if (popup->Window() == window) return;
  }
  TSkinData* data = ChooseSkinData(window);
  if (!Usable(data) || !(data->SkinControls & SkinControlBit(TSkinControlType::xcMainMenu))) {
    return;
  }
  auto popup = std::make_unique<TWinSkinPopMenu>();
  if (popup->Attach(window, *data)) PopupSkinners.push_back(std::move(popup));
}

bool TSkinManage::DetachPopupWindow(HWND window) {
  auto found = std::find_if(PopupSkinners.begin(), PopupSkinners.end(),
                            [&](const auto& popup) { return popup->Window() == window; });
  if (found == PopupSkinners.end()) return false;
  PopupSkinners.erase(found);
  return true;
}

TWinSkinPopMenu* TSkinManage::PopupOfWindow(HWND window) const {
  if (!window) return nullptr;
  for (const auto& popup : PopupSkinners) {
    if (popup->Window() == window) return popup.get();
  }
  return nullptr;
}

TWinSkinPopMenu* TSkinManage::PopupShowing(HMENU menu) const {
  if (!menu) return nullptr;
  for (const auto& popup : PopupSkinners) {
    if (popup->MenuHandle() == menu) return popup.get();
  }
  return nullptr;
}

std::unique_ptr<TSkinManage> TakeOverSkinRequests(SkinRequestQueue& queue) {
  auto manager = std::make_unique<TSkinManage>();
  for (TSkinData* data : queue.Registered()) manager->RegisterSkinData(*data);
  if (queue.HookInstalled()) manager->InstallHook();
  if (queue.SwitchedOn()) {
    manager->Enabled = true;
    manager->ActivationCount = queue.Activations();
  }
  if (queue.Pending()) manager->SetPendingSkinData(*queue.Pending());
  // Only the last action counts, as with the manager's own timer; before the first
  // activation it switches skinning at once.
  const std::vector<SkinManagerRequest> requests = queue.TakeRequests();
  for (auto it = requests.rbegin(); it != requests.rend(); ++it) {
    if (it->kind != SkinManagerRequest::Kind::kAction) continue;
    auto data = std::find(queue.Registered().begin(), queue.Registered().end(), it->data);
    if (data == queue.Registered().end()) continue;
    manager->RequestAction(**data, it->action, it->delay_ms);
    break;
  }
  return manager;
}

SkinManagerScope::SkinManagerScope() {
  if (auto* queue = dynamic_cast<SkinRequestQueue*>(SkinManager())) {
    ReplaceSkinManager(TakeOverSkinRequests(*queue));
  }
  SetSkinManagerFactory([] { return std::make_unique<TSkinManage>(); });
  ui::SetFormShowingHook([](ui::TForm& form) {
    if (auto* manager = dynamic_cast<TSkinManage*>(SkinManager())) manager->SkinBeforeShow(form);
  });
}

SkinManagerScope::~SkinManagerScope() {
  ui::SetFormShowingHook(nullptr);
  SetSkinManagerFactory(nullptr);
  ReplaceSkinManager(nullptr);
}

}  // namespace telvana
