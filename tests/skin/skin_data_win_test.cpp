// The skin data component in the Windows program: the main window's stored description
// carries SkinData1 with its stored skin, parsed while the description is read; the older
// format's message goes through the message-box seam; the skin files beside the program load
// by their Chinese folder name.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/skin3rd_defaults.h"
#include "skin/skin_data.h"
#include "skin/skin_packer.h"
#include "skin/skin_stream.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/ui_test_environment.h"
#include "ui/form_reader.h"
#include "ui/form_text.h"
#include "ui/forms.h"
#include "ui/resources.h"

namespace telvana {
namespace {

// A form that reads the skin data object of the main window's stored description, with the
// files it names from the program's resources, as the main window reads it. (The rest of the
// window is the main window's own tests' business.)
class TMainDescriptionForm : public ui::TForm {
 public:
  explicit TMainDescriptionForm(ui::TComponent* owner) : TForm(owner) {}
  static const ui::ClassInfo& StaticClass() {
    static const ui::ClassInfo info{"TMainDescriptionForm", &TForm::StaticClass(), nullptr, {}};
    return info;
  }
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  std::vector<std::string> Read() {
    const auto text = ui::ProgramResource(L"FMAIN1");
    if (!text) return {"no FMAIN1"};
    const DescObject main = ParseDescription(
        std::string_view(reinterpret_cast<const char*>(text->data()), text->size()));
    DescObject only;
    only.name = "Fmain1";
    only.className = Class().name;
    for (const DescObject& child : main.children) {
      if (child.name == "SkinData1") only.children.push_back(child);
    }
    if (only.children.size() != 1) return {"the description has no single SkinData1"};
    std::vector<std::string> problems = ui::ApplyDescription(
        *this, only, [](const std::u16string& name) -> std::optional<ui::PropBytes> {
          const auto data =
              ui::ProgramResource(ui::ResourceNameForFile(std::wstring(name.begin(), name.end())));
          if (!data) return std::nullopt;
          return ui::PropBytes(data->begin(), data->end());
        });
    for (const auto& c : Components()) c->Loaded();
    return problems;
  }

 protected:
  std::wstring DescriptionResource() const override { return L"FMAIN1"; }
};

// The main window's 80 lines: the default list without five lines, and the track bar of
// LMD as a track bar.
std::vector<std::wstring> MainWindowSkin3rd() {
  std::vector<std::wstring> lines;
  for (std::wstring_view line : kDefaultSkin3rd) {
    if (line == L"TLMDGroupBox=Groupbox" || line == L"TLMDCalculator=panel" ||
        line == L"TLMDTreeComboBox=combobox" || line == L"TLMDCalculatorEdit=edit" ||
        line == L"TcxButton=bitbtn")
      continue;
    lines.emplace_back(line == L"TLMDTrackbar=panel" ? L"TLMDTrackbar=trackbar" : line);
  }
  return lines;
}

class SkinDataWinTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = ReplaceSkinManager(std::make_unique<SkinRequestQueue>()); }
  void TearDown() override {
    owner_.reset();
    ReplaceSkinManager(std::move(previous_));
  }
  std::unique_ptr<ui::TComponent> owner_ = std::make_unique<ui::TComponent>(nullptr);
  std::unique_ptr<SkinManagerLink> previous_;
};

TEST_F(SkinDataWinTest, TheMainWindowsDescriptionCarriesItsSkinData) {
  testsupport::MessageBoxRecorder boxes;
  auto* form = ui::TComponent::New<TMainDescriptionForm>(*owner_);
  const std::vector<std::string> problems = form->Read();
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_TRUE(boxes.boxes.empty());

  auto* data = dynamic_cast<TSkinData*>(form->FindComponent(L"SkinData1"));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Owner(), form);
  EXPECT_FALSE(data->SkinNotReady());
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->DisableTag, 99);
  EXPECT_EQ(data->SkinControls, 0x3FFFFu);  // every kind but xcFastReport
  EXPECT_EQ(data->Skin3rd(), MainWindowSkin3rd());
  EXPECT_EQ(data->Skin3rd().size(), 80u);
  EXPECT_EQ(data->SkinFormtype, TSkinFormType::sfMainform);
  EXPECT_EQ(data->Version(), L"2.68.9.07");  // the stored version text never replaces it
  EXPECT_EQ(data->GetSkinStore(), L"(none)");
  EXPECT_TRUE(data->MenuUpdate);

  // The stored skin is the embedded file, and it was parsed.
  const auto value = ui::ProgramResource(L"FMAIN1_SKIN_BIN");
  ASSERT_TRUE(value.has_value());
  const std::span<const std::uint8_t> file = SkinFileOfStreamProperty(*value);
  EXPECT_TRUE(
      std::equal(file.begin(), file.end(), data->StoredSkin().begin(), data->StoredSkin().end()));
  EXPECT_EQ(data->SysButtons().size(), 8u);
  EXPECT_EQ(data->SysButtons()[0]->Image.width, 84);
  EXPECT_FALSE(data->Slot(SkinSlot::kMenuItem) == nullptr);

  // Once read: registered, hooked, and skinning asked for.
  auto* queue = dynamic_cast<SkinRequestQueue*>(SkinManager());
  ASSERT_NE(queue, nullptr);
  EXPECT_TRUE(queue->HookInstalled());
  const std::vector<SkinManagerRequest> requests = queue->TakeRequests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back(), (SkinManagerRequest{SkinManagerRequest::Kind::kAction, data, nullptr,
                                                 SkinAction::kSkin, kSkinActionDelayMs}));
}

TEST_F(SkinDataWinTest, AnOlderSkinShowsItsMessageThroughTheSeam) {
  testsupport::MessageBoxRecorder boxes;
  std::vector<std::uint8_t> container =
      BuildSkinContainer(std::vector<SkinEntry>{{"skin.ini", {}}});
  container[0] = 0x1F;  // format mark 19999
  TSkinData& data = *ui::TComponent::New<TSkinData>(*owner_);
  data.SetSkinStreamValue(MakeSkinStreamProperty(PackSkinContainer(container)));
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, L"This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(boxes.boxes[0].style & 0xF, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(data.SkinNotReady());
}

TEST_F(SkinDataWinTest, TheSkinFilesBesideTheProgramLoad) {
  wchar_t module[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring dir(module, length);
  dir.resize(dir.find_last_of(L'\\'));      // build/win/tests
  dir.resize(dir.find_last_of(L'\\') + 1);  // build/win\, ending in a separator
  TSkinData& data = *ui::TComponent::New<TSkinData>(*owner_);
  std::vector<std::string> names;
  for (int n = 1; n <= 5; ++n) {
    // The program's own way to name them: a doubled separator after the program folder.
    const std::wstring path = dir + L"\\外观风格\\" + std::to_wstring(n) + L".skn";
    data.SetSkinFile(path);
    EXPECT_FALSE(data.SkinNotReady()) << n;
    EXPECT_EQ(data.SysButtons().size(), 8u);
    names.push_back(data.SkinName());
  }
  EXPECT_EQ(names[0], "\xBE\xAD\xB5\xE4\xC7\xE9\xB5\xF7");  // 经典情调 in GBK
  EXPECT_EQ(names[4], "\xB6\xAC\xD6\xAE\xC6\xDA\xCD\xFB");  // 冬之期望
}

}  // namespace
}  // namespace telvana
