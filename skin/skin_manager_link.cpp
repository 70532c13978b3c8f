#include "skin/skin_manager_link.h"

#include <algorithm>
#include <utility>

namespace telvana {

namespace {
// The program ends its manager after its application (whose forms' skin data leave the
// manager as they go); by the end of the process the holder is empty.
std::unique_ptr<SkinManagerLink>& TheManager() {
  static std::unique_ptr<SkinManagerLink> manager;
  return manager;
}

SkinManagerFactory& TheFactory() {
  static SkinManagerFactory factory;
  return factory;
}
}  // namespace

SkinManagerLink* SkinManager() {
  return TheManager().get();
}

SkinManagerLink& EnsureSkinManager() {
  if (!TheManager()) {
    if (TheFactory()) {
      TheManager() = TheFactory()();
    } else {
      TheManager() = std::make_unique<SkinRequestQueue>();
    }
  }
  return *TheManager();
}

void SetSkinManagerFactory(SkinManagerFactory factory) {
  TheFactory() = std::move(factory);
}

std::unique_ptr<SkinManagerLink> ReplaceSkinManager(std::unique_ptr<SkinManagerLink> manager) {
  return std::exchange(TheManager(), std::move(manager));
}

using Kind = SkinManagerRequest::Kind;

void SkinRequestQueue::RegisterSkinData(TSkinData& data) {
  if (std::find(registered_.begin(), registered_.end(), &data) == registered_.end()) {
    registered_.push_back(&data);
  }
  requests_.push_back({Kind::kRegister, &data});
}

void SkinRequestQueue::UnregisterSkinData(TSkinData& data) {
  std::erase(registered_, &data);
  if (pending_ == &data) pending_ = nullptr;
  // Requests of a skin data that is gone must not reach the manager.
  std::erase_if(requests_, [&](const SkinManagerRequest& r) { return r.data == &data; });
  requests_.push_back({Kind::kUnregister, &data});
}

void SkinRequestQueue::InstallHook() {
  hook_installed_ = true;
  requests_.push_back({Kind::kInstallHook});
}

void SkinRequestQueue::SwitchOn() {
  switched_on_ = true;
  ++activations_;
  requests_.push_back({Kind::kSwitchOn});
}

void SkinRequestQueue::SkinWindow(ui::TComponent& form) {
  requests_.push_back({Kind::kSkinWindow, nullptr, &form});
}

void SkinRequestQueue::SetPendingSkinData(TSkinData& data) {
  pending_ = &data;
  requests_.push_back({Kind::kSetPending, &data});
}

void SkinRequestQueue::RefreshSkinners() {
  requests_.push_back({Kind::kRefreshSkinners});
}

void SkinRequestQueue::RequestAction(TSkinData& requester, SkinAction action, int delay_ms) {
  requests_.push_back({Kind::kAction, &requester, nullptr, action, delay_ms});
}

std::vector<SkinManagerRequest> SkinRequestQueue::TakeRequests() {
  return std::exchange(requests_, {});
}

}  // namespace telvana
