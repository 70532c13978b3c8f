// The registry as the program uses it: a key opened with full access under one of the two
// roots, string values read and written. The program goes through this interface so that
// tests can give it a registry of their own, including keys it may not open.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace telvana {

enum class RegistryRoot { kLocalMachine, kCurrentUser };

// A value that cannot be read or written as the program needs it.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An open key; destroying it releases the key.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The string value `name`, or nothing when there is no such value. Throws RegistryError
  // when the value is not a string or cannot be read.
  virtual std::optional<std::wstring> ReadString(const std::wstring& name) = 0;
  // Throws RegistryError when the value cannot be written.
  virtual void WriteString(const std::wstring& name, const std::wstring& value) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `path` under `root` requesting full access (read and write), creating the key
  // when `create` is set and it is missing. Null when the key cannot be opened with full
  // access: missing (and not created), or for want of rights.
  virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::wstring& path,
                                            bool create) = 0;
};

}  // namespace telvana
