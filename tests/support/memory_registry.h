// A registry held in memory, for tests: keys under the two roots, string values and values
// of other types, and keys the program may not open with full access (nor create).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "app/registry.h"

namespace telvana::testsupport {

class MemoryRegistry : public Registry {
 public:
  struct Value {
    bool is_string = true;
    std::wstring text;
  };
  using Key = std::map<std::wstring, Value>;
  using Path = std::pair<RegistryRoot, std::wstring>;

  std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::wstring& path,
                                    bool create) override {
    const Path where{root, path};
    if (denied.count(where)) return nullptr;
    auto found = keys.find(where);
    if (found == keys.end()) {
      if (!create) return nullptr;
      found = keys.emplace(where, Key{}).first;
    }
    ++opened;
    return std::make_unique<OpenKey>(*this, found->second);
  }

  // The string stored at root\path\name, if any.
  std::optional<std::wstring> StringAt(RegistryRoot root, const std::wstring& path,
                                       const std::wstring& name) const {
    const auto key = keys.find({root, path});
    if (key == keys.end()) return std::nullopt;
    const auto value = key->second.find(name);
    if (value == key->second.end() || !value->second.is_string) return std::nullopt;
    return value->second.text;
  }

  std::map<Path, Key> keys;
  std::set<Path> denied;  // present or not, these cannot be opened or created
  int opened = 0;         // keys opened so far
  int released = 0;       // and released

 private:
  class OpenKey : public RegistryKey {
   public:
    OpenKey(MemoryRegistry& registry, Key& key) : registry_(registry), key_(key) {}
    ~OpenKey() override { ++registry_.released; }
    std::optional<std::wstring> ReadString(const std::wstring& name) override {
      const auto value = key_.find(name);
      if (value == key_.end()) return std::nullopt;
      if (!value->second.is_string) throw RegistryError("a registry value is not a string");
      return value->second.text;
    }
    void WriteString(const std::wstring& name, const std::wstring& value) override {
      key_[name] = Value{true, value};
    }

   private:
    MemoryRegistry& registry_;
    Key& key_;
  };
};

}  // namespace telvana::testsupport
