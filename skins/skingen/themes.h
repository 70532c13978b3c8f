// The colour themes of the skins the program carries. Every picture and colour of a skin
// derives from its theme, so that the elements of one skin agree with each other.
#pragma once

#include <string_view>

#include "skins/skingen/canvas.h"

namespace telvana::skingen {

struct Theme {
  std::string_view id;                    // command-line name
  std::string_view name;                  // SkinName, GBK text
  Rgb caption_top, caption_bottom;        // active caption band
  Rgb caption_in_top, caption_in_bottom;  // inactive caption band
  Rgb frame;                              // window border
  Rgb outline;                            // outer edges
  Rgb face;                               // button face and window background
  Rgb accent;                             // selection and highlights
  Rgb accent_text;
  Rgb text;  // text on faces
  Rgb title_text, title_text_in;
  Rgb menu;     // popup menu background
  Rgb menubar;  // menu bar band
  Rgb menubar_text;
  Rgb track;  // scroll bar track
  Rgb close;  // the close button's warning tint
  Rgb glyph;  // caption button glyphs
};

// The stored skin of the main window: a calm steel blue.
inline constexpr Theme kStoredTheme{"stored",        "Telvana \xC4\xAC\xC8\xCF",
                                    {96, 146, 212},  {36, 82, 158},
                                    {176, 190, 210}, {136, 152, 176},
                                    {48, 96, 170},   {18, 42, 88},
                                    {236, 240, 246}, {58, 118, 204},
                                    {255, 255, 255}, {20, 24, 32},
                                    {255, 255, 255}, {236, 240, 246},
                                    {250, 251, 253}, {224, 232, 244},
                                    {16, 32, 64},    {222, 228, 238},
                                    {206, 62, 50},   {255, 255, 255}};

// 经典情调: deep slate with gold, on ivory.
inline constexpr Theme kClassicTheme{"classic",       "\xBE\xAD\xB5\xE4\xC7\xE9\xB5\xF7",
                                     {78, 86, 112},   {26, 30, 46},
                                     {164, 164, 170}, {124, 124, 132},
                                     {44, 50, 70},    {10, 12, 22},
                                     {240, 236, 226}, {176, 134, 52},
                                     {255, 255, 255}, {34, 30, 24},
                                     {250, 228, 176}, {232, 228, 218},
                                     {250, 248, 242}, {230, 224, 210},
                                     {40, 34, 24},    {226, 220, 206},
                                     {176, 52, 40},   {246, 222, 160}};

// 春之朝气: fresh green with blossom pink.
inline constexpr Theme kSpringTheme{"spring",        "\xB4\xBA\xD6\xAE\xB3\xAF\xC6\xF8",
                                    {140, 206, 112}, {56, 142, 62},
                                    {190, 210, 184}, {150, 172, 146},
                                    {74, 150, 72},   {28, 82, 32},
                                    {242, 248, 236}, {84, 164, 60},
                                    {255, 255, 255}, {24, 40, 20},
                                    {255, 255, 255}, {238, 246, 234},
                                    {250, 253, 246}, {226, 242, 216},
                                    {22, 56, 20},    {224, 236, 216},
                                    {222, 88, 122},  {255, 255, 255}};

// 夏之绚烂: bright azure sea with sunny orange.
inline constexpr Theme kSummerTheme{"summer",        "\xCF\xC4\xD6\xAE\xD1\xA4\xC0\xC3",
                                    {70, 200, 240},  {0, 120, 196},
                                    {176, 206, 222}, {132, 166, 186},
                                    {0, 132, 200},   {0, 62, 112},
                                    {238, 248, 252}, {250, 132, 30},
                                    {255, 255, 255}, {10, 36, 56},
                                    {255, 255, 255}, {236, 246, 252},
                                    {248, 253, 255}, {214, 240, 252},
                                    {0, 48, 86},     {214, 234, 244},
                                    {236, 80, 44},   {255, 255, 255}};

// 秋之收获: amber and russet, on wheat.
inline constexpr Theme kAutumnTheme{"autumn",        "\xC7\xEF\xD6\xAE\xCA\xD5\xBB\xF1",
                                    {236, 168, 78},  {168, 84, 24},
                                    {212, 192, 166}, {176, 152, 124},
                                    {164, 92, 34},   {88, 42, 10},
                                    {248, 240, 226}, {196, 104, 26},
                                    {255, 255, 255}, {52, 32, 14},
                                    {255, 250, 236}, {246, 238, 224},
                                    {254, 250, 242}, {244, 228, 200},
                                    {76, 40, 10},    {236, 224, 204},
                                    {184, 44, 26},   {255, 248, 232}};

// 冬之期望: frosted silver-blue with deep navy text.
inline constexpr Theme kWinterTheme{"winter",        "\xB6\xAC\xD6\xAE\xC6\xDA\xCD\xFB",
                                    {226, 236, 248}, {148, 176, 214},
                                    {226, 230, 236}, {190, 196, 206},
                                    {136, 164, 204}, {62, 88, 134},
                                    {242, 246, 250}, {76, 126, 198},
                                    {255, 255, 255}, {22, 34, 56},
                                    {22, 44, 86},    {96, 108, 128},
                                    {252, 253, 255}, {230, 238, 248},
                                    {22, 44, 86},    {226, 232, 242},
                                    {192, 66, 84},   {34, 62, 112}};

}  // namespace telvana::skingen
