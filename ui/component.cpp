#include "ui/component.h"

#include <algorithm>
#include <map>

#include "ui/utf.h"

namespace telvana::ui {

namespace {
template <class T>
const T& Get(const PropValue& v, const char* what) {
  if (const T* p = std::get_if<T>(&v.value)) return *p;
  throw PropertyError(std::string(what) + " value expected");
}

std::map<std::string, const ClassInfo*, std::less<>>& Classes() {
  static std::map<std::string, const ClassInfo*, std::less<>> classes;
  return classes;
}
}  // namespace

std::int64_t PropValue::Int() const {
  return Get<std::int64_t>(*this, "integer");
}
bool PropValue::Bool() const {
  return Get<bool>(*this, "boolean");
}
const std::wstring& PropValue::Text() const {
  return Get<std::wstring>(*this, "text");
}
const std::vector<std::wstring>& PropValue::Strings() const {
  return Get<std::vector<std::wstring>>(*this, "list");
}
TComponent* PropValue::Component() const {
  return Get<TComponent*>(*this, "component");
}
const EventHandler& PropValue::Event() const {
  return Get<EventHandler>(*this, "event");
}
const PropBytes& PropValue::Bytes() const {
  return Get<PropBytes>(*this, "binary");
}
const PropItems& PropValue::Items() const {
  return Get<PropItems>(*this, "collection");
}

const PropInfo* ClassInfo::Find(std::string_view property) const {
  for (const ClassInfo* c = this; c; c = c->parent) {
    for (const PropInfo& p : c->properties) {
      if (property == p.name) return &p;
    }
  }
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* c = this; c; c = c->parent) {
    if (c == &other) return true;
  }
  return false;
}

void RegisterComponentClass(const ClassInfo& info) {
  Classes()[info.name] = &info;
}

const ClassInfo* FindClass(std::string_view name) {
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : it->second;
}

TComponent::~TComponent() {
  FreeComponents();
}

void TComponent::FreeComponents() {
  // Each leaves the list before it is freed, so that nothing finds a component half gone.
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

void TComponent::FreeComponent(TComponent& component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](const auto& owned) { return owned.get() == &component; });
  if (it == components_.end()) return;
  std::unique_ptr<TComponent> freed = std::move(*it);
  components_.erase(it);
  freed.reset();
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
  for (const auto& c : components_) {
    if (c->Name == name) return c.get();
  }
  return nullptr;
}

const ClassInfo& TComponent::StaticClass() {
  static const ClassInfo info{"TComponent",
                              nullptr,
                              nullptr,
                              {
                                  TextProp<TComponent>(
                                      "Name", [](const TComponent& c) { return c.Name; },
                                      [](TComponent& c, const std::wstring& v) { c.Name = v; }),
                                  IntProp<TComponent>(
                                      "Tag", [](const TComponent& c) { return c.Tag; },
                                      [](TComponent& c, std::int64_t v) { c.Tag = v; }),
                              }};
  return info;
}

PropValue TComponent::GetProperty(std::string_view name) const {
  const PropInfo* p = Class().Find(name);
  if (!p) throw PropertyError("unknown property " + std::string(name));
  if (!p->get) throw PropertyError("property " + std::string(name) + " cannot be read");
  return p->get(*this);
}

void TComponent::SetProperty(std::string_view name, const PropValue& value) {
  const PropInfo* p = Class().Find(name);
  if (!p) throw PropertyError("unknown property " + std::string(name));
  if (!p->set) throw PropertyError("property " + std::string(name) + " cannot be written");
  p->set(*this, value);
}

}  // namespace telvana::ui
