#include "skin/skin_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <utility>

#include "skin/skin3rd_defaults.h"
#include "skin/skin_error.h"
#include "skin/skin_reader.h"
#include "skin/skin_stream.h"
#include "ui/startup_times.h"

namespace telvana {

namespace {

SkinMessageSink& MessageSink() {
  static SkinMessageSink sink;
  return sink;
}

void ShowSkinMessage(const std::string& text) {
  if (MessageSink()) MessageSink()(text);
}

std::vector<std::uint8_t> ReadSkinFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!in || ec) {
    throw SkinLoadError(SkinFault::kUnreadableFile, "the skin file cannot be opened");
  }
  // A file bigger than any container could compress into is refused unread.
  if (size > std::uintmax_t{kMaxUnpackedSkinBytes} * 2) {
    throw SkinLoadError(SkinFault::kTooLarge, "the skin file is far too large");
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw SkinLoadError(SkinFault::kUnreadableFile, "the skin file cannot be read");
  return bytes;
}

}  // namespace

void SetSkinMessageSink(SkinMessageSink sink) {
  MessageSink() = std::move(sink);
}

TSkinData::TSkinData(ui::TComponent* owner)
    : TComponent(owner), skin3rd_(std::begin(kDefaultSkin3rd), std::end(kDefaultSkin3rd)) {}

TSkinData::~TSkinData() {
  // Leave the manager's list before the records go.
  if (SkinManagerLink* manager = SkinManager()) manager->UnregisterSkinData(*this);
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (reading_) return;
  const SkinAction action = value ? SkinAction::kSkin : SkinAction::kUnskin;
  switch (SkinFormtype) {
    case TSkinFormType::sfMainform:
      if (value && skin_not_ready_) return;
      Request(action);
      EnsureSkinManager().SetPendingSkinData(*this);
      return;
    case TSkinFormType::sfOnlyThisForm:
      EnsureSkinManager().SetPendingSkinData(*this);
      Request(action);
      return;
    case TSkinFormType::sfDialog:
      return;
  }
}

void TSkinData::SetSkinFile(const std::wstring& name) {
  skin_not_ready_ = true;
  skin_file_ = name;
  if (name.empty()) return;
  const std::filesystem::path path(name);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;
  std::vector<std::uint8_t> bytes = ReadSkinFileBytes(path);
  if (!LoadFrom(bytes)) {
    throw SkinLoadError(SkinFault::kOlderFormat, "the skin file is of an older format");
  }
  stored_ = std::move(bytes);
  if (SkinFormtype == TSkinFormType::sfMainform) ApplySkinFile();
}

std::wstring TSkinData::GetSkinStore() const {
  // "(Good)" is what a form designer shows for a stored skin; a running program has none.
  return L"(none)";
}

std::vector<std::uint8_t> TSkinData::SkinStreamValue() const {
  return MakeSkinStreamProperty(stored_);
}

void TSkinData::SetSkinStreamValue(std::span<const std::uint8_t> value) {
  StartupScope parsing(StartupPart::kSkinData);
  const std::span<const std::uint8_t> file = SkinFileOfStreamProperty(value);
  if (file.empty()) return;
  std::vector<std::uint8_t> bytes(file.begin(), file.end());
  if (LoadFrom(bytes)) stored_ = std::move(bytes);
}

bool TSkinData::LoadSkin() {
  return LoadFrom(stored_);
}

bool TSkinData::LoadFrom(std::span<const std::uint8_t> skin_file) {
  StartupScope parsing(StartupPart::kSkinData);
  skin_not_ready_ = true;
  std::optional<SkinRecords> parsed;
  try {
    parsed = LoadSkinRecords(skin_file);
  } catch (const std::bad_alloc&) {
    throw SkinLoadError(SkinFault::kNoMemory, "no memory for the skin's records");
  }
  if (!parsed) {
    ShowSkinMessage(std::string(kOlderSkinMessage));
    return false;
  }
  records_ = std::move(*parsed);
  skin_not_ready_ = false;
  return true;
}

void TSkinData::Request(SkinAction action) {
  EnsureSkinManager().RequestAction(*this, action, kSkinActionDelayMs);
}

void TSkinData::ApplySkinFile() {
  if (reading_) return;
  if (SkinManager() == nullptr) Loaded();
  SkinManagerLink& manager = EnsureSkinManager();
  manager.SetPendingSkinData(*this);
  manager.RefreshSkinners();
  manager.RequestAction(*this, SkinAction::kSkinChanged, kSkinActionDelayMs);
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(*this);
}

void TSkinData::Loaded() {
  reading_ = false;
  SkinManagerLink& manager = EnsureSkinManager();
  manager.RegisterSkinData(*this);
  if (SkinFormtype != TSkinFormType::sfMainform) {
    manager.SwitchOn();
    // The manager skins the owner's window when the owner is a form.
    if (Owner() != nullptr) manager.SkinWindow(*Owner());
    return;
  }
  manager.InstallHook();
  if (!active_) return;
  if (skin_not_ready_) {
    active_ = false;  // no skin could be parsed: nothing to switch on
  } else {
    Request(SkinAction::kSkin);
  }
}

const ui::ClassInfo& TSkinData::StaticClass() {
  using ui::PropInfo;
  using ui::PropKind;
  using ui::PropValue;
  using ui::TComponent;
  auto strings_get = [](const TComponent& c) { return PropValue{ui::As<TSkinData>(c).Skin3rd()}; };
  auto strings_set = [](TComponent& c, const PropValue& v) {
    ui::As<TSkinData>(c).SetSkin3rd(v.Strings());
  };
  static const ui::ClassInfo info{
      "TSkinData",
      &TComponent::StaticClass(),
      [](TComponent& owner) -> TComponent* {
        TSkinData* data = TComponent::New<TSkinData>(owner);
        data->reading_ = true;  // until Loaded: the description is being read into it
        return data;
      },
      {
          ui::BoolProp<TSkinData>(
              "Active", [](const TSkinData& d) { return d.Active(); },
              [](TSkinData& d, bool v) { d.SetActive(v); }),
          ui::IntProp<TSkinData>(
              "DisableTag", [](const TSkinData& d) { return d.DisableTag; },
              [](TSkinData& d, std::int64_t v) { d.DisableTag = static_cast<std::int32_t>(v); }),
          {"SkinControls", PropKind::Set,
           [](const TComponent& c) {
             std::vector<std::wstring> names;
             const SkinControlSet set = ui::As<TSkinData>(c).SkinControls;
             for (int i = 0; i < kSkinControlTypeCount; ++i) {
               if (set & (SkinControlSet{1} << i)) names.emplace_back(kSkinControlTypeNames[i]);
             }
             return PropValue{std::move(names)};
           },
           [](TComponent& c, const PropValue& v) {
             SkinControlSet set = 0;
             for (const std::wstring& name : v.Strings()) {
               int i = 0;
               while (i < kSkinControlTypeCount && kSkinControlTypeNames[i] != name) ++i;
               if (i == kSkinControlTypeCount) {
                 throw ui::PropertyError("unknown kind of skinned control");
               }
               set |= SkinControlSet{1} << i;
             }
             ui::As<TSkinData>(c).SkinControls = set;
           }},
          // The list by its name, and as descriptions store string lists.
          {"Skin3rd", PropKind::Strings, strings_get, strings_set},
          {"Skin3rd.Strings", PropKind::Strings, strings_get, strings_set},
          ui::TextProp<TSkinData>(
              "SkinFile", [](const TSkinData& d) { return d.SkinFile(); },
              [](TSkinData& d, const std::wstring& v) { d.SetSkinFile(v); }),
          ui::TextProp<TSkinData>(
              "SkinStore", [](const TSkinData& d) { return d.GetSkinStore(); },
              [](TSkinData& d, const std::wstring& v) { d.SetSkinStore(v); }),
          ui::EnumProp<TSkinData, TSkinFormType>(
              "SkinFormtype", kSkinFormTypeNames, [](const TSkinData& d) { return d.SkinFormtype; },
              [](TSkinData& d, TSkinFormType v) { d.SkinFormtype = v; }),
          ui::TextProp<TSkinData>(
              "Version", [](const TSkinData& d) { return d.Version(); },
              [](TSkinData& d, const std::wstring& v) { d.SetVersion(v); }),
          ui::BoolProp<TSkinData>(
              "MenuUpdate", [](const TSkinData& d) { return d.MenuUpdate; },
              [](TSkinData& d, bool v) { d.MenuUpdate = v; }),
          ui::EventProp<TSkinData>("OnSkinChanged", &TSkinData::OnSkinChanged),
          {"SkinStream", PropKind::Binary,
           [](const TComponent& c) { return PropValue{ui::As<TSkinData>(c).SkinStreamValue()}; },
           [](TComponent& c, const PropValue& v) {
             ui::As<TSkinData>(c).SetSkinStreamValue(v.Bytes());
           }},
      }};
  return info;
}

void RegisterSkinDataClass() {
  ui::RegisterComponentClass(TSkinData::StaticClass());
}

}  // namespace telvana
