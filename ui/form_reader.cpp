#include "ui/form_reader.h"

#include "ui/control.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/resources.h"
#include "ui/utf.h"

namespace telvana::ui {

namespace {

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}
std::wstring Wide(const std::u16string& text) {
  return std::wstring(AsWide(text));
}

class Reader {
 public:
  Reader(TForm& form, const DescriptionFileLoader& files) : form_(form), files_(files) {}

  std::vector<std::string> Apply(const DescObject& root) {
    if (root.className != form_.Class().name) {
      Problem(root.line, "the description is of class " + root.className + ", the form of class " +
                             form_.Class().name);
    }
    form_.Name = Wide(root.name);
    SetProperties(form_, root);
    for (const DescObject& child : root.children) CreateComponent(child, form_);
    for (const Pending& p : references_) ResolveReference(p);
    return std::move(problems_);
  }

 private:
  struct Pending {
    TComponent* component;
    const PropInfo* property;
    std::string target;
    int line;
  };

  void Problem(int line, const std::string& what) {
    problems_.push_back(form_.Class().name + std::string(" line ") + std::to_string(line) + ": " +
                        what);
  }

  void CreateComponent(const DescObject& object, TComponent& enclosing) {
    const ClassInfo* info = FindClass(object.className);
    if (!info || !info->create) {
      Problem(object.line, "unknown class " + object.className + " of " + object.name);
      return;
    }
    TComponent* component = info->create(form_);
    component->Name = Wide(object.name);
    if (!Place(*component, enclosing)) {
      Problem(object.line, object.name + " cannot stand inside " + Utf8FromWide(enclosing.Name));
    }
    SetProperties(*component, object);
    for (const DescObject& child : object.children) CreateComponent(child, *component);
  }

  // Controls go into their enclosing control, menu items into their menu or item; other
  // components stand directly in the form.
  static bool Place(TComponent& component, TComponent& enclosing) {
    if (auto* control = dynamic_cast<TControl*>(&component)) {
      auto* parent = dynamic_cast<TWinControl*>(&enclosing);
      if (!parent) return false;
      control->SetParent(parent);
      return true;
    }
    if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
      if (auto* menu = dynamic_cast<TMenu*>(&enclosing)) {
        menu->Items().Add(*item);
        return true;
      }
      if (auto* parentItem = dynamic_cast<TMenuItem*>(&enclosing)) {
        parentItem->Add(*item);
        return true;
      }
      return false;
    }
    return dynamic_cast<TForm*>(&enclosing) != nullptr;
  }

  void SetProperties(TComponent& component, const DescObject& object) {
    for (const auto& [name, value] : object.properties) {
      const PropInfo* property = component.Class().Find(name);
      if (!property || !property->set) {
        Problem(object.line, "unknown property " + name + " of " + object.name);
        continue;
      }
      if (property->kind == PropKind::Component) {
        if (value.kind != DescValue::Kind::Identifier) {
          Problem(object.line, name + " of " + object.name + " must name a component");
        } else {
          references_.push_back({&component, property, value.identifier, object.line});
        }
        continue;
      }
      try {
        property->set(component, Convert(*property, value));
      } catch (const std::exception& error) {
        Problem(object.line, name + " of " + object.name + ": " + error.what());
      }
    }
  }

  void ResolveReference(const Pending& p) {
    TComponent* target = form_.FindComponent(Wide(p.target));
    if (!target) {
      Problem(p.line, "no component named " + p.target);
      return;
    }
    try {
      p.property->set(*p.component, PropValue{target});
    } catch (const std::exception& error) {
      Problem(p.line, std::string(p.property->name) + ": " + error.what());
    }
  }

  PropValue Convert(const PropInfo& property, const DescValue& v) {
    using K = DescValue::Kind;
    switch (property.kind) {
      case PropKind::Integer:
        if (v.kind == K::Integer) return PropValue{v.integer};
        break;
      case PropKind::Boolean:
        if (v.kind == K::Identifier && (v.identifier == "True" || v.identifier == "False"))
          return PropValue{v.identifier == "True"};
        break;
      case PropKind::String:
        if (v.kind == K::String) return PropValue{Wide(v.text)};
        break;
      case PropKind::Enum:
        if (v.kind == K::Identifier) return PropValue{Wide(v.identifier)};
        break;
      case PropKind::Color:
        if (v.kind == K::Integer) return PropValue{v.integer};
        if (v.kind == K::Identifier) {
          TColor color;
          if (ColorFromIdent(Wide(v.identifier), color)) return PropValue{std::int64_t{color}};
          throw PropertyError("unknown colour " + v.identifier);
        }
        break;
      case PropKind::Set:
        if (v.kind == K::Set) return PropValue{Strings(v)};
        break;
      case PropKind::Strings:
        if (v.kind == K::List) return PropValue{Strings(v)};
        break;
      case PropKind::Event:
        if (v.kind == K::Identifier) {
          const EventHandler* handler = form_.FindHandler(v.identifier);
          if (!handler) throw PropertyError("the form has no handler " + v.identifier);
          return PropValue{*handler};
        }
        break;
      case PropKind::Binary:
        if (v.kind == K::File) {
          std::optional<PropBytes> bytes = files_(v.text);
          if (!bytes) throw PropertyError("missing file " + Utf16ToUtf8(v.text));
          return PropValue{std::move(*bytes)};
        }
        break;
      case PropKind::Collection:
        if (v.kind == K::Collection) {
          PropItems items;
          for (const DescProperties& item : v.collection) {
            auto& out = items.emplace_back();
            for (const auto& [name, value] : item) out.emplace_back(name, Generic(value));
          }
          return PropValue{std::move(items)};
        }
        break;
      case PropKind::Component:
        break;
    }
    throw PropertyError("value of the wrong kind");
  }

  static std::vector<std::wstring> Strings(const DescValue& v) {
    std::vector<std::wstring> out;
    for (const DescValue& item : v.items) {
      if (item.kind == DescValue::Kind::Identifier)
        out.push_back(Wide(item.identifier));
      else if (item.kind == DescValue::Kind::String)
        out.push_back(Wide(item.text));
      else
        throw PropertyError("a list of names or strings was expected");
    }
    return out;
  }

  // Values inside collection items, whose kinds the collection's owner interprets.
  static PropValue Generic(const DescValue& v) {
    switch (v.kind) {
      case DescValue::Kind::Integer:
        return PropValue{v.integer};
      case DescValue::Kind::String:
        return PropValue{Wide(v.text)};
      case DescValue::Kind::Identifier:
        if (v.identifier == "True" || v.identifier == "False")
          return PropValue{v.identifier == "True"};
        return PropValue{Wide(v.identifier)};
      case DescValue::Kind::Set:
      case DescValue::Kind::List:
        return PropValue{Strings(v)};
      default:
        throw PropertyError("unsupported value inside a collection item");
    }
  }

  TForm& form_;
  const DescriptionFileLoader& files_;
  std::vector<Pending> references_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> ApplyDescription(TForm& form, const DescObject& description,
                                          const DescriptionFileLoader& files) {
  return Reader(form, files).Apply(description);
}

std::vector<std::string> ReadFormDescription(TForm& form, const std::wstring& resourceName) {
  const auto text = ProgramResource(resourceName);
  if (!text) return {"the program carries no description " + Utf8FromWide(resourceName)};
  DescObject description;
  try {
    description = ParseDescription(
        std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
  } catch (const DescriptionError& error) {
    return {Utf8FromWide(resourceName) + " " + error.what()};
  }
  return ApplyDescription(form, description,
                          [](const std::u16string& name) -> std::optional<PropBytes> {
                            const auto data = ProgramResource(ResourceNameForFile(AsWide(name)));
                            if (!data) return std::nullopt;
                            return PropBytes(data->begin(), data->end());
                          });
}

}  // namespace telvana::ui
