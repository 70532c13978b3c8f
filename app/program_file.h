// Where the running program lies.
#pragma once

#include <string>

namespace telvana {

// The full path of the program file; empty when the system does not say.
std::wstring ProgramFilePath();

// The folder that holds the program file, ending in a separator; empty when unknown.
std::wstring ProgramFolder();

}  // namespace telvana
