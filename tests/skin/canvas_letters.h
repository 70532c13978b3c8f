// A test canvas read back as letters of the letter pictures ('?' for colours of no letter,
// such as a background), to compare what was painted with rows of letters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/skin/letter_pictures.h"
#include "tests/support/canvas.h"

namespace telvana::testing {

inline std::vector<std::string> ReadLetters(const testsupport::Canvas& canvas, int left, int top,
                                            int width, int height) {
  std::vector<std::string> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = canvas.at(left + x, top + y);
      rows[y] += LetterOf(std::uint32_t{GetRValue(c)} << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
  }
  return rows;
}

}  // namespace telvana::testing
