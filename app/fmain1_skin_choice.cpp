// The main window's skin choice: the stored choice restored at start-up, and the five skin
// items, which apply their skin file and keep the choice.
#include <windows.h>

#include <stdexcept>
#include <string>

#include "app/fmain1.h"
#include "app/program_file.h"
#include "app/registry_win.h"
#include "app/skin_choice.h"
#include "skin/skin_data.h"
#include "ui/menus.h"
#include "ui/message_box.h"

namespace telvana {

using namespace ui;

namespace {
constexpr wchar_t kSkinMissing[] = L"外观风格文件已丢失，请重新下载本软件！";
constexpr wchar_t kSkinCaption[] = L"友情提醒";
constexpr const wchar_t* kSkinItems[kSkinFileCount] = {L"N45", L"N46", L"N47", L"N48", L"N49"};

bool IsFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

Registry& TFmain1::SkinRegistry() {
  if (registry_) return *registry_;
  if (!system_registry_) system_registry_ = std::make_unique<WindowsRegistry>();
  return *system_registry_;
}

void TFmain1::ApplySkin(std::wstring_view file_name) {
  const std::wstring path =
      SkinFilePath(program_folder_.empty() ? ProgramFolder() : program_folder_, file_name);
  if (!IsFile(path)) throw std::runtime_error("a skin file is missing");
  TSkinData& skin = Part<TSkinData>(L"SkinData1");
  // Loads the file and has the manager apply it; raises when it cannot be read or parsed.
  skin.SetSkinFile(path);
  // A file gone since it was looked for is passed over without a word: still a failure.
  if (skin.SkinNotReady()) throw std::runtime_error("a skin file could not be loaded");
}

void TFmain1::RestoreSkin() {
  try {
    stored_skin_name_ = ReadSkinChoice(SkinRegistry());
    if (stored_skin_name_.empty()) {
      ApplySkin(kSkinFileNames[0]);
      Part<TMenuItem>(kSkinItems[0]).SetChecked(true);
    }
    // Any other name keeps the stored skin and marks nothing.
    if (const std::optional<int> index = SkinFileIndex(stored_skin_name_)) {
      ApplySkin(kSkinFileNames[*index]);
      Part<TMenuItem>(kSkinItems[*index]).SetChecked(true);
    }
  } catch (const std::exception&) {
    ReportSkinMissing();
  }
}

void TFmain1::ChooseSkin(int index) {
  // A stream waiting to be reopened is given up: the user is doing something else.
  if (player_) player_->cancelReconnection();
  try {
    // The marks stay as set even when the file then fails.
    for (int i = 0; i < kSkinFileCount; ++i) Part<TMenuItem>(kSkinItems[i]).SetChecked(i == index);
    ApplySkin(kSkinFileNames[index]);
    // Kept only once the skin is in force.
    WriteSkinChoice(SkinRegistry(), std::wstring(kSkinFileNames[index]));
  } catch (const std::exception&) {
    ReportSkinMissing();
  }
}

void TFmain1::ReportSkinMissing() {
  ShowMessageBox(Handle(), kSkinMissing, kSkinCaption, MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace telvana
