// Data embedded in the program as RCDATA resources: window descriptions and the files they
// name (pictures, icons, the stored skin).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace telvana::ui {

// The resource name under which a file named in a description is embedded:
// "main_left.jpg" -> "MAIN_LEFT_JPG".
std::wstring ResourceNameForFile(std::wstring_view fileName);

// The bytes of an RCDATA resource of the program, or nothing.
std::optional<std::span<const std::uint8_t>> ProgramResource(const std::wstring& name);

}  // namespace telvana::ui
