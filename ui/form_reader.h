// Turns a stored window description into components: creates each object of the named
// class, sets its properties by name, places it under its enclosing control or menu,
// resolves references to other components and the form's handlers, and loads the files
// the description names from the program's resources.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/form_text.h"

namespace telvana::ui {

class TForm;

// The bytes of a file named in a description, or nothing when it is missing.
using DescriptionFileLoader = std::function<std::optional<PropBytes>(const std::u16string& name)>;

// Applies a parsed description to `form`. Every fault (unknown class or property, a value
// of the wrong kind, an unknown handler or component, a missing file) skips just the faulty
// part and is returned as one line of text, so that the form still opens.
std::vector<std::string> ApplyDescription(TForm& form, const DescObject& description,
                                          const DescriptionFileLoader& files);

// Reads the description embedded under `resourceName`, with its files from the program's
// resources.
std::vector<std::string> ReadFormDescription(TForm& form, const std::wstring& resourceName);

// Registers the classes descriptions may name.
void RegisterStandardClasses();

}  // namespace telvana::ui
