#include "skin/skin_parse.h"

#include <string_view>

#include "skin/ascii.h"
#include "skin/skin_error.h"
#include "skin/skin_reader.h"

namespace telvana {

namespace {

// Fetches and decodes the pictures a description names, keeping count of their pixels.
class PictureSource {
 public:
  PictureSource(const TSkinReader& reader, const SkinParseLimits& limits)
      : reader_(reader), limits_(limits) {}

  PixelImage Load(std::string_view value) {
    const std::string name = PictureEntryName(value);
    if (name.empty()) return {};
    reader_.GetEntry(name, buffer_);
    if (buffer_.empty()) return {};
    PixelImage image = DecodeBitmap(buffer_, limits_.bitmap);
    pixels_ += static_cast<std::int64_t>(image.width) * image.height;
    if (pixels_ > limits_.max_total_pixels) {
      throw SkinLoadError(SkinFault::kTooLarge, "the skin's pictures exceed " +
                                                    std::to_string(limits_.max_total_pixels) +
                                                    " pixels together");
    }
    return image;
  }

 private:
  const TSkinReader& reader_;
  const SkinParseLimits& limits_;
  std::vector<std::uint8_t> buffer_;
  std::int64_t pixels_ = 0;
};

class Parser {
 public:
  Parser(const TQuickIni& ini, const TSkinReader& reader, const SkinParseLimits& limits,
         SkinRecords& out)
      : ini_(ini), pictures_(reader, limits), out_(out) {}

  void Run() {
    out_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
    for (TDataSkinBorder* border : {&out_.Left, &out_.Right, &out_.Top, &out_.Bottom}) {
      ReadBorder(*border);
    }
    ReadColours();
    ReadCaptionButtons();
    ReadButtons();
    ReadTitle();
    for (const SlotRule& rule : kSlotRules) ReadSlot(rule);
    SetFrameCounts();
  }

 private:
  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t fallback) const {
    return ini_.ReadInteger(section, key, fallback);
  }
  PixelImage Picture(std::string_view section, std::string_view key) {
    return pictures_.Load(ini_.ReadString(section, key, ""));
  }

  void ReadBorder(TDataSkinBorder& b) {
    const std::string n = b.Name;
    constexpr std::string_view s = "Personality";
    const std::int32_t near_edge = Int(s, n + "TopHeight", 0);
    const std::int32_t far_edge = Int(s, n + "BotHeight", 0);
    if (n == "Left" || n == "Right") {
      b.TopHeight = near_edge;
      b.BottomHeight = far_edge;
      b.LeftWidth = 0;
      b.RightWidth = 0;
    } else {
      b.LeftWidth = near_edge;
      b.RightWidth = far_edge;
      b.TopHeight = 0;
      b.BottomHeight = 0;
    }
    b.FrameCount = Int(s, n + "Frame", 1);
    b.Tile = Int(s, n + "Stretch", 1);
    b.Trans = Int(s, n + "Trans", 1);
    b.Image = Picture(s, n);
  }

  void ReadColours() {
    SkinColours& c = out_.Colours;
    auto colour = [&](std::string_view key, ColourValue fallback) {
      return ini_.ReadColour("Colours", key, fallback);
    };
    c.WindowText = colour("WindowText", SystemColour(8));
    c.ButtonFace = colour("ButtonFace", SystemColour(15));
    c.Scrollbar = colour("Scrollbar", SystemColour(0));
    c.HilightText = colour("HilightText", SystemColour(14));
    c.Hilight = colour("Hilight", SystemColour(13));
    c.Menubar = colour("Menubar", c.ButtonFace);
    c.Menu = colour("Menu", SystemColour(4));
    c.MenuText = colour("MenuText", SystemColour(7));
    c.ButtonText = colour("ButtonText", SystemColour(18));
    c.ButtonHilight = colour("ButtonHilight", SystemColour(20));
    c.Buttonlight = colour("Buttonlight", SystemColour(20));
    c.ButtonShadow = colour("ButtonShadow", SystemColour(16));
    c.ButtonDkShadow = colour("ButtonDkShadow", SystemColour(21));
    c.MenuBarText = colour("MenuBarText", SystemColour(7));
    c.TitleTextActive = colour("TitleTextActive", SystemColour(9));
    c.TitleTextNoActive = colour("TitleTextNoActive", SystemColour(19));

    out_.ExtraColours.clear();
    for (const std::string& section : ini_.ReadSections()) {
      const std::string upper = AsciiUppered(section);
      if (upper.starts_with("COLOUR") && upper != "COLOURS") {
        out_.ExtraColours.push_back(ini_.ReadColour(section, "color", SystemColour(8)));
      }
    }
  }

  static bool IsCaptionButtonName(const std::string& upper) {
    return upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" &&
           upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
  }

  void ReadCaptionButtons() {
    out_.SysButtons.clear();
    std::vector<std::string> kept;
    for (const std::string& section : ini_.ReadSections()) {
      if (!IsCaptionButtonName(AsciiUppered(section))) continue;
      if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0) continue;
      kept.push_back(section);
    }
    for (const std::string& section : kept) {
      auto b = std::make_unique<TDataSkinSysButton>(AsciiUppered(section));
      b->Action = Int(section, "Action", 0);
      b->Align = Int(section, "Align", 0);
      b->Xcoord = Int(section, "Xcoord", 0);
      b->Ycoord = Int(section, "Ycoord", 0);
      b->Visibility = Int(section, "Visibility", 0);
      b->Visibility1 = Int(section, "Visibility1", b->Action == -1 ? -1 : 0);
      b->CombineOp = Int(section, "CombineOp", -1);
      b->FrameCount = Int(section, "frame", 0);
      b->Image = Picture(section, "ButtonImage");
      if (b->FrameCount == 0) {
        b->FrameCount = 6;
        if (!b->Image.empty()) {
          const double ratio = static_cast<double>(b->Image.width) / b->Image.height;
          b->FrameCount = ratio <= 3.8 ? 3 : 6;
        }
        if (b->Action < 0) b->FrameCount = 6;
        if (b->Action == 3 || b->Action == 11) b->Image = {};
      }
      out_.SysButtons.push_back(std::move(b));
    }

    const std::size_t n = out_.SysButtons.size();
    for (std::int32_t action : {7, 8, 9}) {
      auto b = std::make_unique<TDataSkinSysButton>();
      b->Action = action;
      b->Align = 100;
      b->Visibility = 100;
      b->Visibility1 = 100;
      b->FrameCount = 4;
      out_.SysButtons.push_back(std::move(b));
    }

    const PixelImage strip = Picture("MDICONTROLS", "Image");
    if (strip.empty()) return;
    const int w = strip.width / 12;
    const int h = strip.height;
    for (int i = 0; i < 3; ++i) {
      TDataSkinSysButton& b = *out_.SysButtons[n + static_cast<std::size_t>(i)];
      b.Image.width = 4 * w;
      b.Image.height = h;
      b.Image.pixels.clear();
      b.Image.pixels.reserve(static_cast<std::size_t>(4 * w) * static_cast<std::size_t>(h));
      for (int y = 0; y < h; ++y) {
        for (int x = 4 * w * i; x < 4 * w * i + 4 * w; ++x)
          b.Image.pixels.push_back(strip.at(x, y));
      }
      b.Xcoord = (w + 4) * (3 - i);
    }
  }

  void ReadButtons() {
    TDataSkinButton& b = out_.Buttons;
    constexpr std::string_view s = "Buttons";
    b.LeftWidth = Int(s, "LeftWidth", 0);
    b.RightWidth = Int(s, "RightWidth", 0);
    b.TopHeight = Int(s, "TopHeight", 0);
    b.BottomHeight = Int(s, "BottomHeight", 0);
    b.Trans = Int(s, "Trans", 0);
    b.Tile = Int(s, "Tile", 0);
    b.Image = Picture(s, "Bitmap");
    b.CheckButton = Picture(s, "CheckButton");
    b.RadioButton = Picture(s, "RadioButton");
    b.NormalColour = Int(s, "NormalColour", -1);
    b.MouseOverColour = Int(s, "MouseOverColour", -1);
    b.PressedColour = Int(s, "PressedColour", -1);
    b.RadioButtonFrame = Int(s, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int(s, "CheckButtonFrame", 0);
    b.HasNormalColour2 = ini_.HasKey(s, "NormalColour2");
    b.HasMouseOverColour2 = ini_.HasKey(s, "MouseOverColour2");
    b.HasPressedColour2 = ini_.HasKey(s, "PressedColour2");
    ReadTextColours(s, b);
  }

  void ReadTextColours(std::string_view section, TDataSkinObject& o) {
    const ColourValue text = out_.Colours.ButtonText;
    o.NormalColour2 = ini_.ReadColour(section, "NormalColour2", text);
    o.MouseOverColour2 = ini_.ReadColour(section, "MouseOverColour2", text);
    o.PressedColour2 = ini_.ReadColour(section, "PressedColour2", text);
  }

  void ReadTitle() {
    TDataSkinTitle& t = out_.Title;
    constexpr std::string_view s = "Personality";
    t.Image = Picture(s, "TextBack");
    t.LeftWidth = Int(s, "TextShift", 0);
    t.TopHeight = Int(s, "TextShiftVert", 0);
    t.RightWidth = Int(s, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = Int(s, "TextAlignment", 0);
    t.Textbackground = Int(s, "Textbackground", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.TXTBackleft = Int(s, "TXTBackleft", 0);
    t.TXTBackRight = Int(s, "TXTBackRight", 0);
    t.ActiveText = ini_.ReadColourTriple(s, "ActiveText").value_or(kNoTitleTextColour);
    t.InActiveText = ini_.ReadColourTriple(s, "InActiveText").value_or(kNoTitleTextColour);
  }

  // Style, margins, Trans and Tile, as the plain, two-picture and group-box readers take them.
  void ReadCommon(std::string_view section, TDataSkinObject& o, bool style) {
    if (style) o.Style = Int(section, "Style", 0);
    o.LeftWidth = Int(section, "LeftWidth", 0);
    o.RightWidth = Int(section, "RightWidth", 0);
    o.TopHeight = Int(section, "TopHeight", 0);
    o.BottomHeight = Int(section, "BottomHeight", 0);
    o.Trans = Int(section, "Trans", 0);
    o.Tile = Int(section, "Tile", 0);
  }

  void ReadColourKeys(std::string_view section, TDataSkinObject& o) {
    o.NormalColour = Int(section, "NormalColour", -1);
    o.MouseOverColour = Int(section, "MouseOverColour", -1);
    o.PressedColour = Int(section, "PressedColour", -1);
    ReadTextColours(section, o);
    if (o.Tile > 1) o.Tile = 0;
  }

  void ReadSlot(const SlotRule& rule) {
    auto& slot = out_.Slots[static_cast<std::size_t>(rule.slot)];
    slot.reset();
    const std::string_view s = rule.section;
    const std::string_view picture_key = rule.reader == SlotReader::kProgress  ? "Bitmap"
                                         : rule.reader == SlotReader::kMenuBar ? "menuBar"
                                                                               : "Image";
    const std::string value = ini_.ReadString(s, picture_key, "");
    if (value.empty()) return;

    switch (rule.reader) {
      case SlotReader::kPlain: {
        auto o = std::make_unique<TDataSkinObject>(std::string(s));
        o->Image = pictures_.Load(value);
        ReadCommon(s, *o, true);
        ReadColourKeys(s, *o);
        slot = std::move(o);
        break;
      }
      case SlotReader::kTwoPicture:
      case SlotReader::kMirrored: {
        auto o = std::make_unique<TDataSkinBorder>(std::string(s));
        o->Image = pictures_.Load(value);
        ReadCommon(s, *o, false);
        ReadColourKeys(s, *o);
        if (rule.reader == SlotReader::kTwoPicture) {
          o->Image2 = Picture(s, rule.second_key);
        } else if (!o->Image.empty()) {
          o->Image2 = MirroredOpaque(o->Image);
        }
        slot = std::move(o);
        break;
      }
      case SlotReader::kProgress: {
        auto o = std::make_unique<TDataSkinBorder>(std::string(s));
        o->Image = pictures_.Load(value);
        o->Image2 = Picture(s, rule.second_key);
        ReadCommon(s, *o, true);
        if (o->Tile > 1) o->Tile = 0;
        slot = std::move(o);
        break;
      }
      case SlotReader::kGroupBox: {
        auto o = std::make_unique<TDataSkinBoxLabel>(std::string(s));
        o->Image = pictures_.Load(value);
        ReadCommon(s, *o, true);
        ReadColourKeys(s, *o);
        o->BackgroundAlignment = Int(s, "BackgroundAlignment", 0);
        o->BackgroundLeftShift = Int(s, "BackgroundLeftShift", 0);
        o->BackgroundRightShift = Int(s, "BackgroundRightShift", 0);
        slot = std::move(o);
        break;
      }
      case SlotReader::kMenuBar: {
        auto o = std::make_unique<TDataSkinObject>("Personality");
        o->Image = pictures_.Load(value);
        o->TopHeight = 0;
        o->BottomHeight = 0;
        o->Tile = Int(s, "TileMenu", 0);
        o->LeftWidth = Int(s, "TileLeftMenu", 1);
        o->RightWidth = Int(s, "TileRightMenu", 1);
        slot = std::move(o);
        break;
      }
    }
  }

  void SetFrameCounts() {
    TDataSkinButton& b = out_.Buttons;
    b.FrameCount = 5;
    if (b.RadioButtonFrame == 0) b.RadioButtonFrame = BoxPictureFrames(b.RadioButton);
    if (b.CheckButtonFrame == 0) b.CheckButtonFrame = BoxPictureFrames(b.CheckButton);
    out_.Title.FrameCount = 2;
    for (const SlotRule& rule : kSlotRules) {
      TDataSkinObject* o = out_.Slot(rule.slot);
      if (o == nullptr) continue;
      o->FrameCount =
          rule.frames == kFramesFromKey ? Int(rule.section, "FrameCount", 3) : rule.frames;
    }
    // Painters divide pictures by these counts: a skin that gives 0 or less gets 1.
    auto at_least_one = [](std::int32_t& count) {
      if (count < 1) count = 1;
    };
    for (TDataSkinObject* o :
         {static_cast<TDataSkinObject*>(&out_.Left), static_cast<TDataSkinObject*>(&out_.Right),
          static_cast<TDataSkinObject*>(&out_.Top), static_cast<TDataSkinObject*>(&out_.Bottom)}) {
      at_least_one(o->FrameCount);
    }
    for (auto& b : out_.SysButtons) at_least_one(b->FrameCount);
    for (auto& o : out_.Slots) {
      if (o) at_least_one(o->FrameCount);
    }
    at_least_one(b.RadioButtonFrame);
    at_least_one(b.CheckButtonFrame);
  }

  const TQuickIni& ini_;
  PictureSource pictures_;
  SkinRecords& out_;
};

}  // namespace

std::string PictureEntryName(std::string_view value) {
  const std::size_t cut = value.find_last_of("\\:");
  const std::string_view name = cut == std::string_view::npos ? value : value.substr(cut + 1);
  const std::size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
  return std::string(name);
}

PixelImage MirroredOpaque(const PixelImage& image) {
  PixelImage out;
  out.width = image.width;
  out.height = image.height;
  out.pixels.resize(image.pixels.size());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      out.at(x, y) = image.at(image.width - 1 - x, y) | 0xFF000000u;
    }
  }
  return out;
}

std::int32_t BoxPictureFrames(const PixelImage& image) {
  const int cell = image.height < 16 ? 13 : 16;
  const std::int32_t frames = image.width / cell;
  return frames < 4 ? 4 : frames;
}

void ParseSkin(const TQuickIni& ini, const TSkinReader& reader, SkinRecords& out,
               const SkinParseLimits& limits) {
  Parser(ini, reader, limits, out).Run();
}

std::optional<SkinRecords> LoadSkinRecords(std::span<const std::uint8_t> skin_file,
                                           const SkinReaderLimits& reader_limits,
                                           const SkinParseLimits& parse_limits) {
  TSkinReader reader(reader_limits);
  if (!reader.ReadSkin(skin_file)) return std::nullopt;
  std::vector<std::uint8_t> entry;
  std::string name;
  reader.FindEntry(".ini", entry, name);
  TQuickIni ini;
  ini.Load(entry);
  std::optional<SkinRecords> records(std::in_place);
  ParseSkin(ini, reader, *records, parse_limits);
  return records;
}

}  // namespace telvana
