// Registers the skin classes before main() runs. Linked as an object (not from a library, where
// nothing would pull it in) into every program that reads the stored window descriptions.
#include "skin/skin_classes_win.h"

namespace {
const bool kSkinClassesRegistered = (telvana::RegisterSkinClasses(), true);
}  // namespace
