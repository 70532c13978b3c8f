// TSkinData: the component that holds one skin. It keeps the skin's bytes, loads them into
// element records and colours (skin_parse.h) and asks the skin manager to apply, remove or
// refresh the skin. Descriptions create it by class name and set its published properties;
// its stored skin (SkinStream) is parsed while the description is read.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_manager_link.h"
#include "skin/skin_parse.h"
#include "ui/component.h"

namespace telvana {

// The kinds of controls that get skin wrappers; SkinControls holds bit n for member n.
enum class TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcSystemMenu,
  xcFastReport,
};
inline constexpr int kSkinControlTypeCount = 19;
inline constexpr std::wstring_view kSkinControlTypeNames[kSkinControlTypeCount] = {
    L"xcMainMenu",  L"xcPopupMenu",   L"xcToolbar",     L"xcControlbar", L"xcCombo",
    L"xcCheckBox",  L"xcRadioButton", L"xcProgress",    L"xcScrollbar",  L"xcEdit",
    L"xcButton",    L"xcBitBtn",      L"xcSpeedButton", L"xcPanel",      L"xcGroupBox",
    L"xcStatusBar", L"xcTab",         L"xcSystemMenu",  L"xcFastReport"};
using SkinControlSet = std::uint32_t;
constexpr SkinControlSet SkinControlBit(TSkinControlType t) {
  return SkinControlSet{1} << static_cast<int>(t);
}
// Every kind but xcFastReport.
inline constexpr SkinControlSet kDefaultSkinControls =
    ((SkinControlSet{1} << kSkinControlTypeCount) - 1) &
    ~SkinControlBit(TSkinControlType::xcFastReport);

enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };
inline constexpr std::wstring_view kSkinFormTypeNames[] = {L"sfMainform", L"sfOnlyThisForm",
                                                           L"sfDialog"};

inline constexpr std::wstring_view kSkinDataVersion = L"2.68.9.07";

class TSkinData;
using TOnFormSkin =
    std::function<void(ui::TComponent& sender, const std::wstring& aName, bool& DoSkin)>;
using TOnSkinControl = std::function<void(
    ui::TComponent& sender, TSkinData& skin_data, ui::TComponent& form, ui::TComponent& control,
    const std::wstring& control_class, ui::TComponent*& skinned_control)>;

// How the older-format message reaches the user: Windows builds show it through the
// message-box seam; without one it is dropped.
using SkinMessageSink = std::function<void(const std::string& text)>;
void SetSkinMessageSink(SkinMessageSink sink);

class TSkinData : public ui::TComponent {
 public:
  explicit TSkinData(ui::TComponent* owner);
  ~TSkinData() override;

  static const ui::ClassInfo& StaticClass();
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  std::int32_t DisableTag = 99;
  SkinControlSet SkinControls = kDefaultSkinControls;
  const std::vector<std::wstring>& Skin3rd() const { return skin3rd_; }
  void SetSkin3rd(const std::vector<std::wstring>& lines) { skin3rd_ = lines; }
  const std::wstring& SkinFile() const { return skin_file_; }
  // Stores the path; at run time, when the file exists, loads it and (for the skin of the
  // whole program) has the manager apply it. Throws when an existing file cannot be read,
  // is damaged, or is of an older format (after showing its message); the previous skin
  // then stays.
  void SetSkinFile(const std::wstring& name);
  std::wstring GetSkinStore() const;
  void SetSkinStore(const std::wstring&) {}
  TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
  std::wstring_view Version() const { return kSkinDataVersion; }
  void SetVersion(const std::wstring&) {}
  bool MenuUpdate = true;
  TOnFormSkin OnFormSkin;
  ui::NotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;

  // The SkinStream property value: a 32-bit count, then the stored skin file. Setting it
  // stores the skin and, at run time, loads it at once.
  std::vector<std::uint8_t> SkinStreamValue() const;
  void SetSkinStreamValue(std::span<const std::uint8_t> value);

  // Unpacks and parses the stored skin. False for an older format (its message shown);
  // throws SkinLoadError for a damaged one. Either way the records stay as they were.
  bool LoadSkin();
  // Makes the manager re-apply this skin after a new one was loaded.
  void ApplySkinFile();
  // Called by the manager after it carried out this component's requests.
  void SkinChanged();
  void Loaded() override;

  bool SkinNotReady() const { return skin_not_ready_; }
  bool FramePaintEnabled = true;
  const std::vector<std::uint8_t>& StoredSkin() const { return stored_; }
  const std::string& SkinName() const { return records_.SkinName; }

  // What the painters read. The permanent records keep their addresses across skin changes;
  // slot records and SysButtons are replaced with every skin.
  const SkinRecords& Records() const { return records_; }
  const SkinColours& Colours() const { return records_.Colours; }
  const std::vector<ColourValue>& ExtraColours() const { return records_.ExtraColours; }
  const TDataSkinTitle& Title() const { return records_.Title; }
  const TDataSkinButton& Buttons() const { return records_.Buttons; }
  const TDataSkinBorder& Left() const { return records_.Left; }
  const TDataSkinBorder& Right() const { return records_.Right; }
  const TDataSkinBorder& Top() const { return records_.Top; }
  const TDataSkinBorder& Bottom() const { return records_.Bottom; }
  const std::vector<std::unique_ptr<TDataSkinSysButton>>& SysButtons() const {
    return records_.SysButtons;
  }
  TDataSkinObject* Slot(SkinSlot s) const { return records_.Slot(s); }
  template <class T>
  T* SlotAs(SkinSlot s) const {
    return records_.SlotAs<T>(s);
  }
  // The slot's record when it holds a picture, else null: what a painter draws from.
  template <class T = TDataSkinObject>
  T* PictureAs(SkinSlot s) const {
    T* record = SlotAs<T>(s);
    return record && !record->Image.empty() ? record : nullptr;
  }
  // The solid colour of FaceBrush, the brush painters fill faces with; the Windows side
  // keeps one brush per colour.
  ColourValue FaceBrushColour() const { return records_.Colours.ButtonFace; }

  // True while a description is being read into this component (it was created by its
  // class, and Loaded has not run yet).
  bool Reading() const { return reading_; }

 private:
  bool LoadFrom(std::span<const std::uint8_t> skin_file);
  void Request(SkinAction action);

  bool active_ = false;
  std::vector<std::wstring> skin3rd_;
  std::wstring skin_file_;
  std::vector<std::uint8_t> stored_;
  SkinRecords records_;
  bool skin_not_ready_ = true;
  bool reading_ = false;
};

// Registers TSkinData with the classes descriptions may name.
void RegisterSkinDataClass();

}  // namespace telvana
