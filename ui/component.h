// Components: named objects owned by another component, with their published properties
// listed once per class so that stored descriptions can set them, and the skin engine can
// read them, by name.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace telvana::ui {

class TComponent;

using NotifyEvent = std::function<void(TComponent& sender)>;
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using CloseEvent = std::function<void(TComponent& sender, TCloseAction& action)>;
// A handler of a form, as a description names it for an event.
using EventHandler = std::variant<NotifyEvent, CloseEvent>;

// The value of a published property. Enumerations travel as their identifiers ("alTop"),
// sets as lists of identifiers, colours as integers, pictures as the bytes of their file,
// collections as lists of items with their own properties.
struct PropValue;
using PropItems = std::vector<std::vector<std::pair<std::string, PropValue>>>;
using PropBytes = std::vector<std::uint8_t>;
struct PropValue {
  std::variant<std::monostate, std::int64_t, bool, std::wstring, std::vector<std::wstring>,
               TComponent*, EventHandler, PropBytes, PropItems>
      value;

  std::int64_t Int() const;
  bool Bool() const;
  const std::wstring& Text() const;                  // strings and identifiers
  const std::vector<std::wstring>& Strings() const;  // sets and string lists
  TComponent* Component() const;
  const EventHandler& Event() const;
  const PropBytes& Bytes() const;
  const PropItems& Items() const;
};

class PropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class PropKind {
  Integer,
  Boolean,
  String,
  Enum,
  Set,
  Color,
  Strings,
  Component,
  Event,
  Binary,
  Collection
};

struct PropInfo {
  const char* name;
  PropKind kind;
  std::function<PropValue(const TComponent&)> get;  // empty: write-only (events, pictures)
  std::function<void(TComponent&, const PropValue&)> set;
};

struct ClassInfo {
  const char* name;
  const ClassInfo* parent;  // the class this one extends, or null
  // Creates an instance owned by `owner`; null for classes a description cannot create.
  std::function<TComponent*(TComponent& owner)> create;
  std::vector<PropInfo> properties;

  const PropInfo* Find(std::string_view property) const;  // searches the parents too
  bool InheritsFrom(const ClassInfo& other) const;
};

// The classes that descriptions may name.
void RegisterComponentClass(const ClassInfo& info);
const ClassInfo* FindClass(std::string_view name);

class TComponent {
 public:
  explicit TComponent(TComponent* owner) : owner_(owner) {}
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Frees the owned components, the last created first.
  virtual ~TComponent();

  std::wstring Name;
  std::int64_t Tag = 0;

  TComponent* Owner() const { return owner_; }
  const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
  TComponent* FindComponent(std::wstring_view name) const;
  // Frees one of the owned components before its owner goes.
  void FreeComponent(TComponent& component);

  // Creates a component of class T owned by `owner` and returns it; the owner frees it.
  template <class T, class... Args>
  static T* New(TComponent& owner, Args&&... args) {
    auto object = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T* raw = object.get();
    owner.components_.push_back(std::move(object));
    return raw;
  }

  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }

  // Runs once after a description has set every property of every component of the form.
  virtual void Loaded() {}

  // Published properties by name; throw PropertyError for an unknown name or a bad value.
  PropValue GetProperty(std::string_view name) const;
  void SetProperty(std::string_view name, const PropValue& value);

 protected:
  // Frees the owned components, the last created first.
  void FreeComponents();

 private:
  TComponent* owner_;
  std::vector<std::unique_ptr<TComponent>> components_;
};

// Downcast for property accessors and readers; throws PropertyError on a wrong class.
template <class T>
T& As(TComponent& c) {
  if (auto* p = dynamic_cast<T*>(&c)) return *p;
  throw PropertyError("component of an unexpected class");
}
template <class T>
const T& As(const TComponent& c) {
  if (auto* p = dynamic_cast<const T*>(&c)) return *p;
  throw PropertyError("component of an unexpected class");
}

// Builders of property entries from a component class's accessors.
template <class T>
PropInfo IntProp(const char* name, auto get, auto set) {
  return {name, PropKind::Integer,
          [get](const TComponent& c) { return PropValue{std::int64_t(get(As<T>(c)))}; },
          [set](TComponent& c, const PropValue& v) { set(As<T>(c), v.Int()); }};
}
template <class T>
PropInfo BoolProp(const char* name, auto get, auto set) {
  return {name, PropKind::Boolean,
          [get](const TComponent& c) { return PropValue{bool(get(As<T>(c)))}; },
          [set](TComponent& c, const PropValue& v) { set(As<T>(c), v.Bool()); }};
}
template <class T>
PropInfo TextProp(const char* name, auto get, auto set) {
  return {name, PropKind::String,
          [get](const TComponent& c) { return PropValue{std::wstring(get(As<T>(c)))}; },
          [set](TComponent& c, const PropValue& v) { set(As<T>(c), v.Text()); }};
}
template <class T>
PropInfo ColorProp(const char* name, auto get, auto set) {
  return {name, PropKind::Color,
          [get](const TComponent& c) { return PropValue{std::int64_t(get(As<T>(c)))}; },
          [set](TComponent& c, const PropValue& v) {
            set(As<T>(c), static_cast<std::uint32_t>(v.Int()));
          }};
}
// An event: the handler must have the event's signature (a NotifyEvent or a CloseEvent).
template <class T, class E>
PropInfo EventProp(const char* name, E T::*field) {
  return {name, PropKind::Event, nullptr, [field](TComponent& c, const PropValue& v) {
            const E* handler = std::get_if<E>(&v.Event());
            if (!handler) throw PropertyError("handler of the wrong kind for this event");
            As<T>(c).*field = *handler;
          }};
}

// An enumeration property: identifiers in `names` map to the enumerators 0, 1, 2, ...
template <class T, class E, std::size_t N>
PropInfo EnumProp(const char* name, const std::wstring_view (&names)[N], auto get, auto set) {
  return {name, PropKind::Enum,
          [&names, get](const TComponent& c) {
            return PropValue{std::wstring(names[static_cast<std::size_t>(get(As<T>(c)))])};
          },
          [&names, set](TComponent& c, const PropValue& v) {
            for (std::size_t i = 0; i < N; ++i) {
              if (names[i] == v.Text()) return set(As<T>(c), static_cast<E>(i));
            }
            throw PropertyError("unknown value of an enumeration");
          }};
}

}  // namespace telvana::ui
