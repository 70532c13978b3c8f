// The seven information windows, created once at start-up (hidden, after the main window)
// and shown by the main window's commands.
#pragma once

#include "ui/forms.h"

namespace telvana {

class TFgy1;
class TFmzsm1;
class TFhelp1;
class TFlxxz1;
class TFgygg1;
class TFsygg1;
class TFyqgg1;

struct InformationWindows {
  TFgy1* about = nullptr;
  TFmzsm1* disclaimer = nullptr;
  TFhelp1* help = nullptr;
  TFlxxz1* contact = nullptr;
  TFgygg1* publicService = nullptr;
  TFsygg1* commercial = nullptr;
  TFyqgg1* friendship = nullptr;
};

// Creates the seven windows as forms of the application, in their order of creation:
// about, disclaimer, help, contact, public-service board, commercial board, friendship
// board. None is shown.
InformationWindows CreateInformationWindows(ui::TApplication& application);

}  // namespace telvana
