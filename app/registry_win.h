// The system's registry behind the program's registry interface.
#pragma once

#include "app/registry.h"

namespace telvana {

class WindowsRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::wstring& path,
                                    bool create) override;
};

}  // namespace telvana
