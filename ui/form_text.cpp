#include "ui/form_text.h"

#include <cctype>
#include <limits>

#include "ui/utf.h"

namespace telvana {
namespace {

bool IsIdentStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  DescObject Document() {
    DescObject root = Object(0);
    SkipSpace();
    if (!AtEnd()) Fail("text after the last 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw DescriptionError(line_, what); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (!AtEnd() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  std::string Identifier() {
    SkipSpace();
    if (!IsIdentStart(Peek())) Fail("a name was expected");
    const std::size_t start = pos_;
    while (!AtEnd() && IsIdentChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  void Expect(char c) {
    SkipSpace();
    if (Peek() != c) Fail(std::string("'") + c + "' was expected");
    ++pos_;
  }

  bool PeekKeyword(std::string_view word) {
    SkipSpace();
    if (text_.substr(pos_, word.size()) != word) return false;
    const std::size_t after = pos_ + word.size();
    return after >= text_.size() || !IsIdentChar(text_[after]);
  }

  DescObject Object(int depth) {
    if (depth > kMaxDescriptionDepth) Fail("objects nested too deeply");
    SkipSpace();
    DescObject object;
    object.line = line_;
    if (Identifier() != "object") Fail("'object' was expected");
    object.name = Identifier();
    Expect(':');
    object.className = Identifier();
    for (;;) {
      if (PeekKeyword("end")) {
        pos_ += 3;
        return object;
      }
      if (PeekKeyword("object")) {
        object.children.push_back(Object(depth + 1));
        continue;
      }
      if (AtEnd()) Fail("'end' was expected");
      std::string name = Identifier();
      Expect('=');
      object.properties.emplace_back(std::move(name), Value(depth));
    }
  }

  DescValue Value(int depth) {
    if (depth > kMaxDescriptionDepth) Fail("values nested too deeply");
    SkipSpace();
    const char c = Peek();
    DescValue value;
    if (c == '\'' || c == '#') {
      value.kind = DescValue::Kind::String;
      value.text = String();
    } else if (c == '-' || c == '$' || IsDigit(c)) {
      value.kind = DescValue::Kind::Integer;
      value.integer = Integer();
    } else if (c == '[') {
      value.kind = DescValue::Kind::Set;
      ++pos_;
      SkipSpace();
      while (Peek() != ']') {
        DescValue item;
        item.kind = DescValue::Kind::Identifier;
        item.identifier = Identifier();
        value.items.push_back(std::move(item));
        SkipSpace();
        if (Peek() == ',')
          ++pos_;
        else if (Peek() != ']')
          Fail("',' or ']' was expected");
        SkipSpace();
      }
      ++pos_;
    } else if (c == '(') {
      value.kind = DescValue::Kind::List;
      ++pos_;
      SkipSpace();
      while (Peek() != ')') {
        if (AtEnd()) Fail("')' was expected");
        value.items.push_back(Value(depth + 1));
        SkipSpace();
      }
      ++pos_;
    } else if (c == '<') {
      value.kind = DescValue::Kind::Collection;
      ++pos_;
      for (;;) {
        SkipSpace();
        if (Peek() == '>') {
          ++pos_;
          break;
        }
        if (Identifier() != "item") Fail("'item' or '>' was expected");
        DescProperties item;
        while (!PeekKeyword("end")) {
          if (AtEnd()) Fail("'end' was expected");
          std::string name = Identifier();
          Expect('=');
          item.emplace_back(std::move(name), Value(depth + 1));
        }
        pos_ += 3;
        value.collection.push_back(std::move(item));
      }
    } else if (IsIdentStart(c)) {
      std::string word = Identifier();
      SkipSpace();
      if (word == "file" && Peek() == '\'') {
        value.kind = DescValue::Kind::File;
        value.text = String();
        if (value.text.empty()) Fail("a file name was expected");
      } else {
        value.kind = DescValue::Kind::Identifier;
        value.identifier = std::move(word);
      }
    } else {
      Fail("a value was expected");
    }
    return value;
  }

  std::int64_t Integer() {
    bool negative = false;
    if (Peek() == '-') {
      negative = true;
      ++pos_;
    }
    int base = 10;
    if (Peek() == '$') {
      base = 16;
      ++pos_;
    }
    std::uint64_t magnitude = 0;
    std::size_t digits = 0;
    while (!AtEnd()) {
      const char d = text_[pos_];
      int v;
      if (IsDigit(d))
        v = d - '0';
      else if (base == 16 && std::isxdigit(static_cast<unsigned char>(d)))
        v = std::tolower(static_cast<unsigned char>(d)) - 'a' + 10;
      else
        break;
      if (magnitude > (std::numeric_limits<std::uint64_t>::max() - v) / base)
        Fail("number too large");
      magnitude = magnitude * base + v;
      ++pos_;
      ++digits;
    }
    if (digits == 0) Fail("digits were expected");
    const std::uint64_t limit =
        std::uint64_t{std::numeric_limits<std::int64_t>::max()} + (negative ? 1 : 0);
    if (magnitude > limit) Fail("number too large");
    return negative ? static_cast<std::int64_t>(0 - magnitude)
                    : static_cast<std::int64_t>(magnitude);
  }

  // 'quoted'#1234'more' + 'next piece'
  std::u16string String() {
    std::u16string out;
    SkipSpace();
    for (;;) {
      if (Peek() == '\'') {
        ++pos_;
        std::string piece;
        for (;;) {
          if (AtEnd() || text_[pos_] == '\n') Fail("unterminated string");
          const char ch = text_[pos_++];
          if (ch == '\'') {
            if (Peek() == '\'') {
              piece.push_back('\'');
              ++pos_;
            } else {
              break;
            }
          } else {
            piece.push_back(ch);
          }
        }
        out += Utf8ToUtf16(piece);
      } else if (Peek() == '#') {
        ++pos_;
        if (!IsDigit(Peek()) && Peek() != '$') Fail("a character code was expected");
        const std::int64_t code = Integer();
        if (code < 0 || code > 0xFFFF) Fail("character code out of range");
        out.push_back(static_cast<char16_t>(code));
      } else {
        Fail("a string was expected");
      }
      // Pieces written without a gap ('a'#13'b') or joined with '+' form one string;
      // strings separated by blanks are separate values (as in a list).
      if (Peek() == '\'' || Peek() == '#') continue;
      const std::size_t save = pos_;
      const int saveLine = line_;
      SkipSpace();
      if (Peek() == '+') {
        ++pos_;
        SkipSpace();
        if (Peek() != '\'' && Peek() != '#') Fail("a string was expected after '+'");
        continue;
      }
      pos_ = save;
      line_ = saveLine;
      return out;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

DescObject ParseDescription(std::string_view utf8) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  return Parser(utf8).Document();
}

}  // namespace telvana
