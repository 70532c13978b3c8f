// Reading a skin's source folder: one description (*.ini) and its bitmaps (*.bmp), and the
// files the tool reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/skin_packer.h"

namespace telvana::skintool {

// Thrown with a message meant for the skin author.
struct ToolError {
  std::string message;
};

// The whole file; a ToolError naming it when it cannot be opened or read.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path);

// The entries of the folder in packing order (bitmaps by name, the description last).
// Refuses anything a skin cannot hold or the program could not read: other files, folders,
// not exactly one description, a bitmap our decoder refuses, names equal but for case.
std::vector<SkinEntry> ReadSkinFolder(const std::filesystem::path& dir);

// Warnings for the description: pictures it names that are missing from `entries`, or that
// the program would ignore because their extension is not ".bmp" in lower case.
std::vector<std::string> CheckPictureReferences(const std::vector<SkinEntry>& entries);

}  // namespace telvana::skintool
