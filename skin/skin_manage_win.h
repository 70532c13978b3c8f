// TSkinManage: the program's one skin manager. It decides which windows get a frame skinner
// and with which skin data, watches window activation and creation through a thread CBT hook,
// and carries out skin on, skin off and skin changes from its timer, after the request has
// returned. Everything runs on the thread that installed the hook.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/skin_manager_link.h"
#include "ui/win_handles.h"

namespace telvana {

namespace ui {
class TForm;
class TTimer;
}  // namespace ui
class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;

class TSkinManage : public SkinManagerLink {
 public:
  TSkinManage();
  // Removes the hook and frees the popup skinners; frame skinners stay with their forms and
  // windows but forget this manager.
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  void RegisterSkinData(TSkinData& data) override;
  // Also detaches the skinners that use `data`: they must not outlive their skin.
  void UnregisterSkinData(TSkinData& data) override;
  void InstallHook() override;
  void SwitchOn() override;
  void SkinWindow(ui::TComponent& form) override;
  void SetPendingSkinData(TSkinData& data) override { PendingSkinData = &data; }
  // Every frame skinner drops its caption buttons ahead of a skin change.
  void RefreshSkinners() override;
  void RequestAction(TSkinData& requester, SkinAction action, int delay_ms) override;

  void PerformPendingAction();
  // True when a frame skinner was attached to `window`.
  bool SkinWindow(HWND window);
  // Skins a form's hidden window right before it is first shown, its frame fitted at once.
  void SkinBeforeShow(ui::TForm& form);
  bool SkinVisibleForm(ui::TForm& form);
  TSkinData* ChooseSkinData(HWND window) const;
  bool AcceptWindowClass(const std::wstring& class_name) const;
  TWinSkinForm* FindSkinner(HWND window) const;
  void PurgeDeadSkinners();
  void AttachPopupWindow(HWND window);
  bool DetachPopupWindow(HWND window);
  // The popup skinner of a window, or of the window that shows `menu`; null when none.
  TWinSkinPopMenu* PopupOfWindow(HWND window) const;
  TWinSkinPopMenu* PopupShowing(HMENU menu) const;
  // Enters or leaves the mode of a maximised MDI child: children then show the system's
  // caption (merged into the frame's menu bar) and lose their skinned region.
  void SetMdiMax(bool on);
  int CountChildSkinners() const;

  bool HookInstalled() const { return static_cast<bool>(hook_); }
  bool TimerRunning() const;

  std::vector<TWinSkinForm*> FormSkinners;  // in order of attachment
  std::vector<std::unique_ptr<TWinSkinPopMenu>> PopupSkinners;
  std::vector<TSkinData*> SkinDatas;  // in order of registration; not owned
  bool Enabled = false;
  bool SkinAllPass = false;
  std::int32_t ActivationCount = 0;
  bool MdiMaxMode = false;
  HWND MdiClientWindow = nullptr;
  std::int32_t PendingAction = 0;
  TSkinData* PendingSkinData = nullptr;

 private:
  static LRESULT CALLBACK HookProcedure(int code, WPARAM wparam, LPARAM lparam);
  void Adopt(TWinSkinForm& skinner);
  // Detaches the skinner, repaints its window, and frees it.
  void DropSkinner(TWinSkinForm& skinner);

  std::unique_ptr<ui::TTimer> ActionTimer;
  win::Hook hook_;
  // The frame skinners of windows without a form; the others belong to their forms.
  std::vector<std::unique_ptr<TWinSkinForm>> unowned_;
};

// The manager that takes over from the queue that recorded the requests made before it
// existed: the registered skin data, the hook, the switch, the pending skin data and action.
std::unique_ptr<TSkinManage> TakeOverSkinRequests(SkinRequestQueue& queue);

// The program's skin manager for as long as the scope lasts: the first skin data that asks
// for a manager gets a TSkinManage (which takes over a queue's requests made before the
// scope began), and the manager ends with the scope. Meanwhile every form of the program is
// skinned right before it is first shown, not only when it is activated.
class SkinManagerScope {
 public:
  SkinManagerScope();
  ~SkinManagerScope();
  SkinManagerScope(const SkinManagerScope&) = delete;
  SkinManagerScope& operator=(const SkinManagerScope&) = delete;
};

}  // namespace telvana
