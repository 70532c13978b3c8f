#include "app/skin_choice.h"

#include <memory>

namespace telvana {

namespace {
constexpr wchar_t kSkinFolder[] = L"\\外观风格\\";

// The machine's key first; the user's where the machine's cannot be had with full access.
std::unique_ptr<RegistryKey> OpenChoiceKey(Registry& registry, bool create) {
  if (auto key = registry.Open(RegistryRoot::kLocalMachine, kSkinChoiceKey, create)) return key;
  return registry.Open(RegistryRoot::kCurrentUser, kSkinChoiceKey, create);
}
}  // namespace

std::optional<int> SkinFileIndex(std::wstring_view name) {
  for (int i = 0; i < kSkinFileCount; ++i) {
    if (name == kSkinFileNames[i]) return i;
  }
  return std::nullopt;
}

std::wstring SkinFilePath(std::wstring_view program_folder, std::wstring_view file_name) {
  std::wstring path(program_folder);
  path += kSkinFolder;
  path += file_name;
  return path;
}

std::wstring ReadSkinChoice(Registry& registry) {
  const std::unique_ptr<RegistryKey> key = OpenChoiceKey(registry, false);
  if (!key) return {};
  return key->ReadString(kSkinChoiceValue).value_or(std::wstring());
}

void WriteSkinChoice(Registry& registry, const std::wstring& file_name) {
  const std::unique_ptr<RegistryKey> key = OpenChoiceKey(registry, true);
  if (key) key->WriteString(kSkinChoiceValue, file_name);
}

}  // namespace telvana
