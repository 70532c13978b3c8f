// The skin the user chose from the five skin files: their names, where they lie, and where
// the choice is kept between runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/registry.h"

namespace telvana {

inline constexpr int kSkinFileCount = 5;
// In the order of the skin items N45 to N49.
inline constexpr std::wstring_view kSkinFileNames[kSkinFileCount] = {L"1.skn", L"2.skn", L"3.skn",
                                                                     L"4.skn", L"5.skn"};
inline constexpr wchar_t kSkinChoiceKey[] = L"Software\\ORVALIS";
inline constexpr wchar_t kSkinChoiceValue[] = L"RegisterCode";

// The position of `name` among the skin file names, compared exactly (case included); none
// for any other name.
std::optional<int> SkinFileIndex(std::wstring_view name);

// The skin file `file_name` in the skin folder beside the program. `program_folder` ends in
// a separator, so the path holds a doubled one, which the file system accepts.
std::wstring SkinFilePath(std::wstring_view program_folder, std::wstring_view file_name);

// The stored choice, empty when none is stored. It is read from the local machine's key
// when that key opens with full access; otherwise from the current user's key of the same
// name, where users without the rights to the machine's key keep their choice. Throws
// RegistryError when the value is there but is not a string or cannot be read.
std::wstring ReadSkinChoice(Registry& registry);

// Stores the choice in the local machine's key (created if missing), or, when that key can
// be neither opened nor created with full access, in the current user's. When neither can
// be had nothing is written. Throws RegistryError when the value cannot be written.
void WriteSkinChoice(Registry& registry, const std::wstring& file_name);

}  // namespace telvana
