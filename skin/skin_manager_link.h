// What a TSkinData asks of the program's one skin manager. The manager that attaches skins
// to windows (TSkinManage) implements this in the program; where there is none (portable
// code and its tests), SkinRequestQueue records every request in the order made, for a
// manager to consume when it takes over.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace telvana {

namespace ui {
class TComponent;
}
class TSkinData;

// The manager's actions, carried out on its timer after the requested delay.
// kPurge only frees the frame skinners whose window is gone.
enum class SkinAction { kSkin = 1, kUnskin = 2, kSkinChanged = 3, kPurge = 6 };
inline constexpr int kSkinActionDelayMs = 250;

class SkinManagerLink {
 public:
  virtual ~SkinManagerLink() = default;

  virtual void RegisterSkinData(TSkinData& data) = 0;
  virtual void UnregisterSkinData(TSkinData& data) = 0;
  // The window-creation hook through which every new window of the program gets skinned.
  virtual void InstallHook() = 0;
  // Switches skinning on and counts one activation (skin data scoped to one form).
  virtual void SwitchOn() = 0;
  // Skins the window of `form` at once.
  virtual void SkinWindow(ui::TComponent& form) = 0;
  // The skin data whose skin the next action applies.
  virtual void SetPendingSkinData(TSkinData& data) = 0;
  // Drops the caption buttons of every skinned window, ahead of a skin change.
  virtual void RefreshSkinners() = 0;
  virtual void RequestAction(TSkinData& requester, SkinAction action, int delay_ms) = 0;
};

// One request, as SkinRequestQueue keeps it.
struct SkinManagerRequest {
  enum class Kind {
    kRegister,
    kUnregister,
    kInstallHook,
    kSwitchOn,
    kSkinWindow,
    kSetPending,
    kRefreshSkinners,
    kAction,
  };
  Kind kind;
  const TSkinData* data =
      nullptr;  // every kind but kInstallHook, kSwitchOn, kRefreshSkinners, kSkinWindow
  const ui::TComponent* form = nullptr;   // kSkinWindow
  SkinAction action = SkinAction::kSkin;  // kAction
  int delay_ms = 0;                       // kAction

  bool operator==(const SkinManagerRequest&) const = default;
};

// The link's implementation until the manager exists: it keeps the registered skin data and
// the requests, and carries nothing out.
class SkinRequestQueue : public SkinManagerLink {
 public:
  void RegisterSkinData(TSkinData& data) override;
  void UnregisterSkinData(TSkinData& data) override;
  void InstallHook() override;
  void SwitchOn() override;
  void SkinWindow(ui::TComponent& form) override;
  void SetPendingSkinData(TSkinData& data) override;
  void RefreshSkinners() override;
  void RequestAction(TSkinData& requester, SkinAction action, int delay_ms) override;

  const std::vector<TSkinData*>& Registered() const { return registered_; }
  TSkinData* Pending() const { return pending_; }
  bool HookInstalled() const { return hook_installed_; }
  bool SwitchedOn() const { return switched_on_; }
  int Activations() const { return activations_; }
  // The requests made since the last call, oldest first.
  std::vector<SkinManagerRequest> TakeRequests();

 private:
  std::vector<TSkinData*> registered_;
  TSkinData* pending_ = nullptr;
  bool hook_installed_ = false;
  bool switched_on_ = false;
  int activations_ = 0;
  std::vector<SkinManagerRequest> requests_;
};

// The program's one manager, or null before any skin data asked for it.
SkinManagerLink* SkinManager();
// The program's one manager, created when there is none yet: by the factory when one is
// set, else as a SkinRequestQueue.
SkinManagerLink& EnsureSkinManager();
using SkinManagerFactory = std::function<std::unique_ptr<SkinManagerLink>()>;
// Sets how EnsureSkinManager makes the manager (an empty factory: a SkinRequestQueue).
void SetSkinManagerFactory(SkinManagerFactory factory);
// Replaces the program's manager (the manager's own start-up, and tests); returns the one
// it replaces.
std::unique_ptr<SkinManagerLink> ReplaceSkinManager(std::unique_ptr<SkinManagerLink> manager);

}  // namespace telvana
