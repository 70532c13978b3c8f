// A form for framework tests: its description is a text written in the test rather than a
// resource of the program.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form_reader.h"
#include "ui/form_text.h"
#include "ui/forms.h"

namespace telvana::testsupport {

class TTestForm : public ui::TForm {
 public:
  explicit TTestForm(ui::TComponent* owner = nullptr) : TForm(owner) {}

  static const ui::ClassInfo& StaticClass() {
    static const ui::ClassInfo info{"TTestForm", &TForm::StaticClass(), nullptr, {}};
    return info;
  }
  const ui::ClassInfo& Class() const override { return StaticClass(); }

  // The files a description names, by name.
  std::map<std::u16string, ui::PropBytes> files;

  // Reads `text` as this form's description, creates the windows and lets every component
  // know it is loaded, as Create() does with a stored description. Returns the problems.
  std::vector<std::string> Read(std::string_view text) {
    const DescObject description = ParseDescription(text);
    std::vector<std::string> problems = ui::ApplyDescription(
        *this, description, [this](const std::u16string& name) -> std::optional<ui::PropBytes> {
          auto it = files.find(name);
          if (it == files.end()) return std::nullopt;
          return it->second;
        });
    CreateHandle();
    for (const auto& component : Components()) component->Loaded();
    return problems;
  }

 protected:
  std::wstring DescriptionResource() const override { return L"TELVANA_TEST_NO_SUCH_DESCRIPTION"; }
};

}  // namespace telvana::testsupport
