// The text form of a stored window description: a tree of objects, each with a name, a
// class and its properties in stored order. Portable: reading the text knows nothing of
// windows; ui/form_reader turns a parsed tree into components.
//
//   object Fmain1: TFmain1            // a component and its class
//     Caption = 'Korvane影视'         // strings in quotes, '' for a quote, #nnnn for a code unit,
//     Font.Height = -12               //   pieces joined with +
//     Align = alTop                   // identifiers: enumerations, booleans, handlers, references
//     BorderIcons = [biSystemMenu]    // sets
//     Items.Strings = ('a' 'b')       // lists
//     Panels = <item Width = 200 end> // collections of items with properties
//     Picture.Data = file 'a.jpg'     // binary data stored beside the description
//     object Panel1: TPanel ... end   // owned components, nested
//   end
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace telvana {

struct DescValue;
using DescProperties = std::vector<std::pair<std::string, DescValue>>;

struct DescValue {
  enum class Kind { Integer, String, Identifier, Set, List, Collection, File };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::u16string text;                     // String; File (the file's name)
  std::string identifier;                  // Identifier
  std::vector<DescValue> items;            // Set (identifiers), List
  std::vector<DescProperties> collection;  // Collection
};

struct DescObject {
  std::string name;
  std::string className;
  int line = 0;
  DescProperties properties;
  std::vector<DescObject> children;
};

class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Reads one description (UTF-8 text). Throws DescriptionError with the line of the first
// fault; nesting deeper than kMaxDescriptionDepth is a fault.
DescObject ParseDescription(std::string_view utf8);

inline constexpr int kMaxDescriptionDepth = 64;

}  // namespace telvana
