#include "tools/skintool/skintool.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <set>
#include <string_view>

#include "skin/byte_order.h"
#include "skin/skin_error.h"
#include "skin/skin_packer.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "tools/skintool/skin_folder.h"

namespace telvana::skintool {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUsage =
    "usage: skintool COMMAND ARGUMENTS\n"
    "\n"
    "Packs Telvana skins and takes them apart.\n"
    "\n"
    "  skintool pack [--stream] DIR FILE\n"
    "      Packs the folder DIR, which holds one description (*.ini) and its bitmaps (*.bmp),\n"
    "      into the skin file FILE: bitmaps in name order, the description last. With\n"
    "      --stream, FILE is a SkinStream property value: a 4-byte count, then the skin file.\n"
    "  skintool list FILE\n"
    "      Prints the name and size of each entry.\n"
    "  skintool ini FILE\n"
    "      Prints the description.\n"
    "  skintool unpack FILE DIR\n"
    "      Writes every entry into the folder DIR (made if missing).\n"
    "  skintool --help\n"
    "      Prints this text.\n"
    "\n"
    "FILE to list, ini and unpack may be a skin file (.skn) or a SkinStream property value;\n"
    "the tool tells them apart by the count in front. Exit status: 0 done, 1 failed, 2 bad\n"
    "usage.\n";

void WriteWholeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ToolError{path.string() + ": cannot write"};
}

void ReadInto(TSkinReader& reader, std::span<const std::uint8_t> skin_file,
              const std::string& path) {
  try {
    if (!reader.ReadSkin(skin_file)) {
      throw ToolError{path + ": an older skin format (its format mark is not " +
                      std::to_string(kSkinFormatMark) + ")"};
    }
  } catch (const SkinLoadError& e) {
    throw ToolError{path + ": damaged skin: " + e.what()};
  }
}

// Reads a skin file or a SkinStream property value. A value's count equals the size of the
// rest; should a skin file happen to begin that way and not read as a value, it is read
// as a file.
TSkinReader OpenSkin(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  TSkinReader reader;
  if (bytes.size() >= 4 && ReadLe32(bytes, 0) == bytes.size() - 4) {
    if (bytes.size() == 4) throw ToolError{path + ": a SkinStream value that holds no skin"};
    try {
      ReadInto(reader, SkinFileOfStreamProperty(bytes), path);
      return reader;
    } catch (const ToolError&) {
    }
  }
  ReadInto(reader, bytes, path);
  return reader;
}

int Pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool stream = false;
  std::vector<std::string> paths;
  for (const std::string& a : args) {
    if (a == "--stream") {
      stream = true;
    } else if (a.starts_with("--")) {
      err << "skintool pack: unknown option " << a << " (see skintool --help)\n";
      return kBadUsage;
    } else {
      paths.push_back(a);
    }
  }
  if (paths.size() != 2) {
    err << "skintool pack: expected a folder and a file (see skintool --help)\n";
    return kBadUsage;
  }
  const std::vector<SkinEntry> entries = ReadSkinFolder(paths[0]);
  for (const std::string& warning : CheckPictureReferences(entries))
    err << "warning: " << warning << '\n';

  const std::vector<std::uint8_t> container = BuildSkinContainer(entries);
  const std::vector<std::uint8_t> file = PackSkinContainer(container);

  // Read it back as the program would before anything is written.
  TSkinReader check;
  ReadInto(check, file, paths[1]);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto got = check.Entry(static_cast<int>(i));
    if (!std::equal(got.begin(), got.end(), entries[i].bytes.begin(), entries[i].bytes.end())) {
      throw ToolError{paths[1] + ": the packed skin does not read back (entry " + entries[i].name +
                      ")"};
    }
  }

  WriteWholeFile(paths[1], stream ? MakeSkinStreamProperty(file) : file);
  out << "packed " << entries.size() << " entries (" << container.size() << " bytes) into "
      << paths[1] << " (" << file.size() << " bytes"
      << (stream ? " of skin file in a SkinStream value" : "") << ")\n";
  return kOk;
}

int List(const std::string& path, std::ostream& out) {
  const TSkinReader reader = OpenSkin(path);
  std::size_t width = 4;
  for (const std::string& name : reader.Names()) width = std::max(width, name.size());
  std::size_t total = 0;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    out << std::left << std::setw(static_cast<int>(width)) << reader.EntryName(i) << "  "
        << std::right << std::setw(10) << reader.Entry(i).size() << '\n';
    total += reader.Entry(i).size();
  }
  out << reader.EntryCount() << " entries, " << total << " bytes\n";
  return kOk;
}

int PrintDescription(const std::string& path, std::ostream& out) {
  const TSkinReader reader = OpenSkin(path);
  std::vector<std::uint8_t> bytes;
  std::string name;
  if (!reader.FindEntry(".ini", bytes, name))
    throw ToolError{path + ": the skin has no description (.ini)"};
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return kOk;
}

bool IsSafeFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
  });
}

int Unpack(const std::string& path, const fs::path& dir, std::ostream& out, std::ostream& err) {
  const TSkinReader reader = OpenSkin(path);
  for (const std::string& name : reader.Names()) {
    if (!IsSafeFileName(name))
      throw ToolError{path + ": entry name \"" + name + "\" is not a plain file name"};
  }
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir)) throw ToolError{dir.string() + ": cannot make the folder"};
  std::set<std::string> written;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.EntryName(i);
    if (!written.insert(name).second) {
      err << "warning: " << path << ": a second entry \"" << name << "\" is never read; skipped\n";
      continue;
    }
    const auto bytes = reader.Entry(i);
    WriteWholeFile(dir / name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  }
  out << "wrote " << written.size() << " entries into " << dir.string() << '\n';
  return kOk;
}

int Usage(std::ostream& err, const std::string& problem) {
  err << "skintool: " << problem << "\n\n" << kUsage;
  return kBadUsage;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "no command given");
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kOk;
  }
  try {
    if (command == "pack") return Pack(rest, out, err);
    if (command == "list" && rest.size() == 1) return List(rest[0], out);
    if (command == "ini" && rest.size() == 1) return PrintDescription(rest[0], out);
    if (command == "unpack" && rest.size() == 2) return Unpack(rest[0], rest[1], out, err);
    if (command == "list" || command == "ini" || command == "unpack") {
      return Usage(err, "wrong number of arguments for " + command);
    }
    return Usage(err, "unknown command \"" + command + "\"");
  } catch (const ToolError& e) {
    err << "skintool: " << e.message << '\n';
  } catch (const std::exception& e) {
    err << "skintool: " << e.what() << '\n';
  }
  return kFailed;
}

}  // namespace telvana::skintool
